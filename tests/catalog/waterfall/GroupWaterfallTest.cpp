// The waterfall group on a program folder as the owner keeps it (tests/data/waterfalls/
// make_fixtures.py: waterfall files in UTF-16LE and CP950, the group's GPS file by gpsbabel),
// loaded through the group table: rows, summaries and queries, the visit writer on the files'
// bytes, the search and row-menu hooks, and locating and exporting read back by gpsbabel.
#include "catalog/waterfall/GroupWaterfall.h"

#include "FakeDialogRunner.h"
#include "FakeItemList.h"
#include "FakeKeyboard.h"
#include "FakeMainWindow.h"
#include "FakeMessageBox.h"
#include "FakePointView.h"
#include "FakePopupMenu.h"
#include "FakeShell.h"
#include "FakeStatusText.h"
#include "GpsBabel.h"
#include "GpxTestSupport.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "catalog/window/RowMenuCommands.h"
#include "catalog/window/WindowServices.h"
#include "gps/GPSWayPointSet.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>

#include <vector>

namespace {

const QString kSection = QStringLiteral("Waterfall");

class WaterfallTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.copyTree(QStringLiteral(TALVANE_TEST_DATA "/waterfalls/program"),
                            QStringLiteral("program"));
        platform::ClearProfileCache();
        platform::SetProgramFolder(root);
        DisplayNameConversions::Program().Reset();
        table.SetGroupClasses(ProgramGroupClasses());
        table.LoadSettings();
        window.OpenThroughFormatManager();
        table.SetServices(WindowServices{.mainWindow = &window, .messageBox = &box,
                                         .popupMenu = &menu, .keyboard = &keyboard,
                                         .dialogs = &dialogs, .shell = &shell});
        group = dynamic_cast<CGroupWaterfall*>(table.GetGroup(0, nullptr));
        ASSERT_NE(group, nullptr);
        ASSERT_EQ(group->ItemCount(), 3);
    }
    void TearDown() override { DisplayNameConversions::Program().Reset(); }

    int Item(const char* base) const
    {
        for (int i = 0; i < group->ItemCount(); ++i)
            if (platform::BaseNameOf(group->ItemPath(i)) == QString::fromUtf8(base))
                return i;
        ADD_FAILURE() << base;
        return -1;
    }
    // The list as FillItemList leaves it: one row per item, the row value its index.
    void Fill() { ASSERT_EQ(group->FillItemList(&list), group->ItemCount()); }
    int RowOf(const char* base) const
    {
        return int(list.RowValues().indexOf(quint32(Item(base))));
    }
    QString TempFile() const { return root + QStringLiteral("/~~TempWP.gdb"); }

    TempDir dir;
    QString root;
    FakeMainWindow window;
    FakeMessageBox box;
    FakePopupMenu menu;
    FakeKeyboard keyboard;
    FakeDialogRunner dialogs;
    FakeShell shell;
    FakeItemList list;
    CGroupTable table;
    CGroupWaterfall* group = nullptr;
};

TEST_F(WaterfallTest, ColumnsOfTheListAndOfTheAssignForm)
{
    Fill();
    const QStringList own = {"名稱", "高度(m)", "地區", "已造訪", "已定位"};
    EXPECT_EQ(list.ColumnTitles(), own);
    const std::vector<int> widths = {200, 70, 80, 60, 60};
    for (int c = 0; c < list.ColumnCount(); ++c) {
        EXPECT_EQ(list.columns[c].width, widths[std::size_t(c)]) << c;
        EXPECT_EQ(list.columns[c].align, c == 1 ? ColumnAlign::Right : ColumnAlign::Left) << c;
    }
    FakeItemList assign;
    group->SetupAssignColumns(&assign);
    EXPECT_EQ(assign.ColumnTitles(), QStringList({"名稱", "高度(m)", "地區", "已設定"}));
}

// Rows of waterfalls written for the case, inserted in both forms.
TEST_F(WaterfallTest, RowsOfWaterfalls)
{
    struct Case {
        const char* what;
        const char* lines;  // the [Waterfall] keys, CR LF separated
        bool assignMode, assigned;
        QStringList cells;
    };
    const std::vector<Case> cases = {
        {"height 0 leaves the column empty", "Name=無高\r\nHeight=0\r\nRegion=宜蘭", false, false,
         {"無高", "", "宜蘭", "", ""}},
        {"a negative height is no height", "Name=負高\r\nHeight=-5", false, false,
         {"負高", "", "", "", ""}},
        {"second name in brackets, region converted", "Name=十分瀑布\r\nName2=台灣尼加拉\r\n"
         "Height=20\r\nRegion=新北", false, false, {"十分瀑布(台灣尼加拉)", "20", "新北市", "", ""}},
        {"visits mark the visited column", "Name=訪\r\nVisit1=3", false, false,
         {"訪", "", "", "V", ""}},
        {"a waypoint text marks the located column", "Name=點\r\nWaypoint=NOWHERE", false, false,
         {"點", "", "", "", "V"}},
        {"assign mode marks what the caller says", "Name=設\r\nVisit1=3\r\nWaypoint=W", true, true,
         {"設", "", "", "V"}},
        {"assign mode ignores the visits", "Name=設\r\nVisit1=3\r\nWaypoint=W", true, false,
         {"設", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = dir.write(QStringLiteral("program/data/瀑布/case.txt"),
                                       Utf16LeWithBom(QStringLiteral("[Waterfall]\r\n%1\r\n")
                                                          .arg(QString::fromUtf8(c.lines))));
        platform::ClearProfileCache();
        CGroupWaterfall fresh;
        fresh.LoadItemFile(path, platform::FileTime{1});
        ASSERT_EQ(fresh.ItemCount(), 1);
        FakeItemList rows;
        if (c.assignMode)
            fresh.SetupAssignColumns(&rows);
        else
            fresh.SetupItemColumns(&rows, nullptr);
        ASSERT_TRUE(fresh.InsertItemRowEx(&rows, 0, 0, c.assignMode, c.assigned));
        ASSERT_EQ(rows.rows.size(), 1);
        EXPECT_EQ(rows.rows[0].data, 0u);
        EXPECT_EQ(rows.rows[0].cells, c.cells);
    }
}

TEST_F(WaterfallTest, TheProgramFolderListsEachWaterfall)
{
    Fill();
    // c_gone's waypoint is not in the GPS file: the column tells the text, not the file.
    EXPECT_EQ(list.rows[RowOf("a_shifen")].cells, QStringList({"十分瀑布", "20", "新北市", "V", "V"}));
    EXPECT_EQ(list.rows[RowOf("b_wulai")].cells, QStringList({"烏來瀑布(雲仙)", "80", "新北市", "", ""}));
    EXPECT_EQ(list.rows[RowOf("c_gone")].cells, QStringList({"無點瀑布", "", "宜蘭", "", "V"}));
}

TEST_F(WaterfallTest, SummaryLinesAndQueries)
{
    Fill();
    FakeStatusText status;
    EXPECT_TRUE(group->ShowItemSummary(&status, Item("a_shifen")));
    EXPECT_EQ(status.text, "十分瀑布, 高度20m [新北市]");
    EXPECT_TRUE(group->ShowRowSummary(&status, &list, RowOf("c_gone")));
    EXPECT_EQ(status.text, "無點瀑布, 高度未知 [宜蘭]");
    EXPECT_TRUE(group->ShowItemSummary(&status, Item("b_wulai")));
    EXPECT_EQ(status.text, "烏來瀑布, 高度80m [新北市]") << "the second name is not shown";

    QString name, name2, text;
    group->GetItemNames(Item("b_wulai"), &name, &name2);
    EXPECT_EQ(QStringList({name, name2}), QStringList({"烏來瀑布", "雲仙"}));
    EXPECT_TRUE(group->GetItemRegion(Item("a_shifen"), &text));
    EXPECT_EQ(text, "新北") << "as stored";
    group->GetItemWaypointName(Item("c_gone"), &text);
    EXPECT_EQ(text, "GONE");
    group->FormatItemDescription(Item("b_wulai"), &text);
    EXPECT_EQ(text, "烏來瀑布");
    EXPECT_EQ(group->GetItemHeight(Item("b_wulai")), 80);
    EXPECT_EQ(group->GetItemHeight(Item("c_gone")), 0);
}

TEST_F(WaterfallTest, SummaryLinesShowNamesAndRegionsAsTheyAre)
{
    dir.write(QStringLiteral("program/data/瀑布/d_percent.txt"),
              Utf16LeWithBom(u"[Waterfall]\r\nName=%2瀑布\r\nHeight=30\r\nRegion=%1\r\n"_qs));
    CGroupTable fresh;
    fresh.SetGroupClasses(ProgramGroupClasses());
    fresh.LoadSettings();
    auto* reloaded = dynamic_cast<CGroupWaterfall*>(fresh.GetGroup(0, nullptr));
    ASSERT_NE(reloaded, nullptr);
    ASSERT_EQ(reloaded->ItemCount(), 4);
    EXPECT_EQ(reloaded->SummaryLine(3), u"%2瀑布, 高度30m [%1]"_qs);
}

TEST_F(WaterfallTest, VisitCountsAndTheNamesOfAWalk)
{
    const QString b = group->ItemPath(Item("b_wulai"));
    platform::WriteProfileString(b, kSection, QStringLiteral("Visit1"), QStringLiteral("12"));
    platform::WriteProfileString(b, kSection, QStringLiteral("Visit2"), QStringLiteral("5"));
    CGroupWaterfall fresh;
    for (int i = 0; i < group->ItemCount(); ++i)
        fresh.LoadItemFile(group->ItemPath(i), platform::FileTime{1});
    const auto index = [&](const char* base) {
        for (int i = 0; i < fresh.ItemCount(); ++i)
            if (platform::BaseNameOf(fresh.ItemPath(i)) == QString::fromUtf8(base))
                return i;
        return -1;
    };
    EXPECT_EQ(fresh.CountVisits(-1), 2);
    EXPECT_EQ(fresh.CountVisits(index("a_shifen")), 1);
    EXPECT_EQ(fresh.CountVisits(index("b_wulai")), 2);
    EXPECT_EQ(fresh.CountVisits(index("c_gone")), 0);
    EXPECT_TRUE(fresh.WasVisitedOn(index("b_wulai"), 5));
    EXPECT_FALSE(fresh.WasVisitedOn(index("a_shifen"), 5));
    EXPECT_FALSE(fresh.WasVisitedOn(index("c_gone"), 0)) << "the end mark is no walk";

    QString names;
    EXPECT_TRUE(fresh.JoinNamesVisitedOn(12, &names));
    QStringList joined = names.split(u',');
    joined.sort();
    EXPECT_EQ(joined, QStringList({"十分瀑布", "烏來瀑布"}));
    names = QStringLiteral("玉山");
    fresh.JoinNamesVisitedOn(5, &names);
    EXPECT_EQ(names, "玉山,烏來瀑布") << "appended after a comma";
    names.clear();
    fresh.JoinNamesVisitedOn(99, &names);
    EXPECT_EQ(names, "");
}

TEST_F(WaterfallTest, AnIndexOutsideTheItemsAnswersNothing)
{
    FakeStatusText status;
    FakePointView view;
    FakeItemList rows;
    for (int i : {-2, -1, 3, 4, 20000}) {
        SCOPED_TRACE(i);
        QString a = QStringLiteral("x"), b = QStringLiteral("x");
        EXPECT_FALSE(group->ShowItemSummary(&status, i));
        EXPECT_EQ(group->SummaryLine(i), "");
        group->FormatItemDescription(i, &a);
        EXPECT_EQ(a, "");
        EXPECT_FALSE(group->GetItemRegion(i, &a));
        EXPECT_EQ(a, "");
        group->GetItemNames(i, &a, &b);
        EXPECT_EQ(a + b, "");
        group->GetItemWaypointName(i, &a);
        EXPECT_EQ(a, "");
        EXPECT_EQ(group->GetItemHeight(i), 0);
        if (i != -1) {
            EXPECT_EQ(group->CountVisits(i), 0);
        }
        EXPECT_FALSE(group->WasVisitedOn(i, 12));
        EXPECT_FALSE(group->ShowItemOnMap(&view, i));
        EXPECT_FALSE(group->InsertItemRow(&rows, 0, i));
        EXPECT_EQ(group->GetItemRecord(i), nullptr);
        EXPECT_FALSE(group->LocateItem(i, 0, false));
    }
    EXPECT_TRUE(status.shown.isEmpty());
    EXPECT_TRUE(rows.rows.isEmpty());
    // Rows: a missing row and a value naming no item.
    rows.rows.append(FakeItemList::Row{{QStringLiteral("x")}, 3u});
    for (int row : {-1, 0, 1}) {
        EXPECT_FALSE(group->ShowRowSummary(&status, &rows, row));
        EXPECT_FALSE(group->EditItemFile(&rows, row));
        EXPECT_FALSE(group->AddVisit(&rows, row, 50));
        EXPECT_FALSE(group->LocateRow(&rows, row, 0, false));
    }
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(shell.edited.isEmpty());
}

TEST_F(WaterfallTest, NoPointsOnTheMap)
{
    FakePointView view;
    EXPECT_FALSE(group->ShowItemOnMap(&view, Item("a_shifen")));
}

// --- the visit writer ---------------------------------------------------------------------------

// The file's text, decoded as the bytes say: UTF-16LE after its BOM, CP950 otherwise.
QString Decoded(const QByteArray& bytes, bool* unicode)
{
    *unicode = bytes.startsWith("\xff\xfe");
    if (*unicode)
        return QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(2));
    auto big5 = QStringDecoder("Big5");
    return big5(bytes);
}

TEST_F(WaterfallTest, AddVisitWritesTheFileFirstAndOnlyAFreeSlot)
{
    struct Case {
        const char* what;
        const char* base;
        int walk;
        std::vector<int> before;  // walks written into the file before loading, Visit1...
        QString takenLater;       // a Visit1 written after loading: the record thinks it free
        bool expected;
        const char* newKey;       // the key written, when expected
    };
    std::vector<int> thirty;
    for (int n = 1; n <= 30; ++n)
        thirty.push_back(100 + n);
    const std::vector<Case> cases = {
        {"a new walk in UTF-16LE", "a_shifen", 50, {}, {}, true, "Visit2"},
        {"a new walk in CP950", "b_wulai", 50, {}, {}, true, "Visit1"},
        {"a walk already held", "a_shifen", 12, {}, {}, false, nullptr},
        {"thirty already held", "c_gone", 50, thirty, {}, false, nullptr},
        {"Visit1 taken behind the record's back", "b_wulai", 50, {}, QStringLiteral("77"), false,
         nullptr},
        {"no walk", "b_wulai", 0, {}, {}, false, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = dir.copyTree(QStringLiteral(TALVANE_TEST_DATA "/waterfalls/program/data/瀑布"),
                                          QStringLiteral("case"))
                             + QStringLiteral("/%1.txt").arg(QString::fromUtf8(c.base));
        platform::ClearProfileCache();
        for (std::size_t n = 0; n < c.before.size(); ++n)
            ASSERT_TRUE(platform::WriteProfileString(path, kSection,
                                                     QStringLiteral("Visit%1").arg(n + 1),
                                                     QString::number(c.before[n])));
        CGroupWaterfall fresh;
        fresh.LoadItemFile(path, platform::FileTime{1});
        ASSERT_EQ(fresh.ItemCount(), 1);
        if (!c.takenLater.isEmpty()) {
            ASSERT_TRUE(platform::WriteProfileString(path, kSection, QStringLiteral("Visit1"),
                                                     c.takenLater));
        }
        const WaterfallItemRecord before = *fresh.Record(0);
        const QByteArray bytesBefore = ReadBytes(path);
        bool wasUnicode = false;
        const QString textBefore = Decoded(bytesBefore, &wasUnicode);
        FakeItemList rows;
        fresh.SetupItemColumns(&rows, nullptr);
        ASSERT_TRUE(fresh.InsertItemRow(&rows, 0, 0));
        const QString markBefore = rows.CellText(0, 3);

        EXPECT_EQ(fresh.AddVisit(&rows, 0, c.walk), c.expected);
        const QByteArray bytesAfter = ReadBytes(path);
        bool isUnicode = false;
        const QString textAfter = Decoded(bytesAfter, &isUnicode);
        EXPECT_EQ(isUnicode, wasUnicode) << "the file keeps its encoding";
        if (!c.expected) {
            EXPECT_EQ(bytesAfter, bytesBefore);
            EXPECT_EQ(std::memcmp(fresh.Record(0), &before, sizeof before), 0);
            EXPECT_EQ(rows.CellText(0, 3), markBefore);
            QDir(dir.file(QStringLiteral("case"))).removeRecursively();
            continue;
        }
        // The file now holds the walk under the new key, and everything it held before.
        const QString line = QStringLiteral("%1=%2").arg(QString::fromUtf8(c.newKey)).arg(c.walk);
        EXPECT_TRUE(textAfter.contains(line)) << textAfter.toStdString();
        for (const QString& old : textBefore.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            EXPECT_TRUE(textAfter.contains(old)) << old.toStdString();
        EXPECT_TRUE(fresh.WasVisitedOn(0, c.walk));
        EXPECT_EQ(rows.CellText(0, 3), "V");
        // A second time the walk is held.
        EXPECT_FALSE(fresh.AddVisit(&rows, 0, c.walk));
        EXPECT_EQ(ReadBytes(path), bytesAfter);
        QDir(dir.file(QStringLiteral("case"))).removeRecursively();
    }
}

TEST_F(WaterfallTest, AnUnwritableFileChangesNothing)
{
    const QString folder = dir.copyTree(QStringLiteral(TALVANE_TEST_DATA "/waterfalls/program/data/瀑布"),
                                        QStringLiteral("gone"));
    platform::ClearProfileCache();
    CGroupWaterfall fresh;
    fresh.LoadItemFile(folder + QStringLiteral("/b_wulai.txt"), platform::FileTime{1});
    ASSERT_EQ(fresh.ItemCount(), 1);
    // The folder becomes a plain file: nothing can be written below it, whoever runs the test.
    ASSERT_TRUE(QDir(folder).removeRecursively());
    dir.write(QStringLiteral("gone"), QByteArray("not a folder"));
    platform::ClearProfileCache();
    const WaterfallItemRecord before = *fresh.Record(0);
    FakeItemList rows;
    fresh.SetupItemColumns(&rows, nullptr);
    ASSERT_TRUE(fresh.InsertItemRow(&rows, 0, 0));
    EXPECT_FALSE(fresh.AddVisit(&rows, 0, 50));
    EXPECT_EQ(std::memcmp(fresh.Record(0), &before, sizeof before), 0);
    EXPECT_EQ(rows.CellText(0, 3), "");
}

// --- waypoints held by the record ---------------------------------------------------------------

TEST_F(WaterfallTest, SetItemWaypointRefusesANameTheRecordCannotHold)
{
    const int i = Item("c_gone");
    GPSWayPointRecordW waypoint{};
    const auto named = [&](const QString& name) {
        waypoint = GPSWayPointRecordW{};
        for (qsizetype k = 0; k < name.size() && k < GPSWayPointRecordW::kNameSize - 1; ++k)
            waypoint.name[k] = name[k].unicode();
        return &waypoint;
    };
    EXPECT_TRUE(group->SetItemWaypoint(i, named(QStringLiteral("FIFTEEN-CHARS-X")), 121.5, 24.5));
    QString text;
    group->GetItemWaypointName(i, &text);
    EXPECT_EQ(text, "FIFTEEN-CHARS-X");
    EXPECT_EQ(group->Record(i)->Longitude, 121.5);
    EXPECT_EQ(group->Record(i)->Attitude, 24.5);
    const WaterfallItemRecord before = *group->Record(i);
    EXPECT_FALSE(group->SetItemWaypoint(i, named(QStringLiteral("SIXTEEN-CHARS-XY")), 1.0, 2.0));
    EXPECT_EQ(std::memcmp(group->Record(i), &before, sizeof before), 0);
    EXPECT_FALSE(group->SetItemWaypoint(i, nullptr, 1.0, 2.0));
    EXPECT_FALSE(group->SetItemWaypoint(group->ItemCount(), named(QStringLiteral("A")), 1.0, 2.0));
}

// --- search, row menu, editor -------------------------------------------------------------------

TEST_F(WaterfallTest, TheSearchDialogGetsTextAndWalk)
{
    struct Case {
        int walk;
        bool wrote;
        bool expected;
    };
    for (const Case& c : {Case{0, false, true}, Case{0, true, true}, Case{7, true, true},
                          Case{7, false, false}}) {
        SCOPED_TRACE(c.walk * 10 + c.wrote);
        dialogs.finds.clear();
        dialogs.findResult.wroteVisit = c.wrote;
        QString text = QStringLiteral("十分");
        EXPECT_EQ(group->RunFindDialog(nullptr, group->Subset(0), &text, c.walk, 3), c.expected);
        ASSERT_EQ(dialogs.finds.size(), 1);
        const FindDialogRequest& request = dialogs.finds.first();
        EXPECT_EQ(request.kind, FindDialogKind::Items);
        EXPECT_EQ(request.group, group);
        EXPECT_EQ(request.searchText, "十分");
        EXPECT_EQ(request.walkNumber, c.walk);
    }
    dialogs.finds.clear();
    EXPECT_TRUE(group->RunFindDialog(nullptr, nullptr, nullptr, 0, 0));
    EXPECT_EQ(dialogs.finds.value(0).searchText, "");
}

TEST_F(WaterfallTest, RowMenuOffersTheThreeLocateEntries)
{
    Fill();
    EXPECT_TRUE(group->PopupItemMenu(&list, 0));
    EXPECT_EQ(menu.LastEntries(), QStringList({"1013 地圖定位...", "1046 地圖定位(5K)...",
                                               "1047 地圖定位(10K)..."}));
    EXPECT_EQ(menu.shown.last().delivery, MenuDelivery::ToOwner);
}

TEST_F(WaterfallTest, EditOpensTheRowsItemFile)
{
    Fill();
    EXPECT_TRUE(group->EditItemFile(&list, RowOf("b_wulai")));
    EXPECT_EQ(shell.edited, QStringList{group->ItemPath(Item("b_wulai"))});
}

// --- locating and exporting through the GPS file written by gpsbabel ----------------------------

TEST_F(WaterfallTest, LocatingWritesTheWaypointForTheGpsSoftware)
{
    REQUIRE_GPSBABEL();
    Fill();
    struct Case {
        const char* base;
        QString waypoint;
        double latitude, longitude;
    };
    for (const Case& c : {Case{"a_shifen", QStringLiteral("SHIFEN"), 25.0484, 121.7874},
                          Case{"b_wulai", QStringLiteral("烏來瀑布"), 24.8595, 121.5513}}) {
        SCOPED_TRACE(c.base);
        shell.opened.clear();
        QFile::remove(TempFile());
        EXPECT_TRUE(group->LocateRow(&list, RowOf(c.base), 0, false));
        EXPECT_EQ(shell.opened, QStringList{TempFile()});
        GpxContent content;
        ASSERT_TRUE(GpsbabelReading(TempFile(), &content, QStringLiteral("gdb")));
        ASSERT_EQ(content.waypoints.size(), 1u);
        EXPECT_EQ(content.waypoints[0].name, c.waypoint);
        EXPECT_NEAR(content.waypoints[0].position.lat, c.latitude, 1e-6);
        EXPECT_NEAR(content.waypoints[0].position.lon, c.longitude, 1e-6);
    }
    EXPECT_EQ(window.openedGpsFiles, QStringList{root + u"/data/!台灣的瀑布.gdb"_qs});
    // c_gone names no waypoint of the file and has no free one of its name: the picker opens.
    shell.opened.clear();
    EXPECT_TRUE(group->LocateRow(&list, RowOf("c_gone"), 0, false));
    ASSERT_EQ(dialogs.waypointPicks.size(), 1);
    EXPECT_EQ(dialogs.waypointPicks[0].item, Item("c_gone"));
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(WaterfallTest, ExportedWaypointsCarryTheNameAsCommentAndTheHeight)
{
    REQUIRE_GPSBABEL();
    Fill();
    FakeItemList rows;
    for (const char* base : {"a_shifen", "b_wulai", "c_gone"})
        rows.rows.append(FakeItemList::Row{{QStringLiteral("row")}, quint32(Item(base))});
    ASSERT_TRUE(group->ExportWaypoints(&rows));
    EXPECT_EQ(shell.opened, QStringList{TempFile()});
    GpxContent content;
    ASSERT_TRUE(GpsbabelReading(TempFile(), &content, QStringLiteral("gdb")));
    ASSERT_EQ(content.waypoints.size(), 2u);
    struct Expected {
        QString name;
        double latitude, longitude, altitude;
    };
    const std::vector<Expected> expected = {{QStringLiteral("十分瀑布"), 25.0484, 121.7874, 20},
                                            {QStringLiteral("烏來瀑布"), 24.8595, 121.5513, 80}};
    for (std::size_t k = 0; k < expected.size(); ++k) {
        SCOPED_TRACE(k);
        const GpxWaypoint& p = content.waypoints[k];
        EXPECT_EQ(p.name, expected[k].name);
        EXPECT_EQ(p.desc, expected[k].name) << "the comment is the name";
        EXPECT_NEAR(p.position.lat, expected[k].latitude, 1e-6);
        EXPECT_NEAR(p.position.lon, expected[k].longitude, 1e-6);
        EXPECT_DOUBLE_EQ(p.position.ele.value_or(0), expected[k].altitude);
    }
}

} // namespace
