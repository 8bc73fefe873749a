// Waypoint export, synchronisation and list output of the group base, on a program folder as the
// owner keeps it (tests/data/export/make_fixtures.py): item files and Mapping.txt in UTF-16LE
// and an all-in-one GDB file written by gpsbabel. Exports are read back by gpsbabel.
#include "FakeItemList.h"
#include "FakeMainWindow.h"
#include "FakeMessageBox.h"
#include "FakeShell.h"
#include "GpsBabel.h"
#include "GpxTestSupport.h"
#include "TempDir.h"
#include "catalog/GroupBase.h"
#include "catalog/GroupTable.h"
#include "catalog/records/WaterfallItemRecord.h"
#include "catalog/text/ListPageWriter.h"
#include "gps/GPSFileManager.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QDir>
#include <gtest/gtest.h>

#include <vector>

namespace {

// Items of the fixture, in file-name order.
enum Item : quint32 {
    kYinhe, kNeidong, kShifen, kTwin, kGlasses, kNeidong2, kYinheBelow, kLong, kLongX, kNiagara,
    kItemCount
};
const QString kStems = QString::fromUtf8("甲乙丙丁戊己庚辛壬癸").repeated(5);

// A group of the fixture's key whose item texts come from its item files: Name, Waypoint,
// Height and Note; it records what SetItemWaypoint is given.
class FallGroup : public CGroupBase {
public:
    struct Update {
        int item;
        QString waypoint;
        double longitude, latitude;
    };

    FallGroup()
    {
        key = QStringLiteral("Fall");
        displayName = QStringLiteral("瀑布");
    }
    bool LoadItemFile(const QString& path, const platform::FileTime&) override
    {
        if (!HasNameKey(path) || !FitsRecordPath(path))
            return false;
        auto* record = AppendItem<WaterfallItemRecord>();
        return record && SetRecordPath(record->path, path);
    }
    bool GetItemNames(int item, QString* name, QString* name2) override
    {
        if (name)
            *name = Text(item, "Name");
        if (name2)
            name2->clear();
        return true;
    }
    bool GetItemWaypointName(int item, QString* text) override
    {
        *text = Text(item, "Waypoint");
        return !text->isEmpty();
    }
    int GetItemHeight(int item) override { return ReadItemInt(ItemPath(item), QStringLiteral("Height")); }
    void FormatItemDescription(int item, QString* text) override { *text = Text(item, "Note"); }
    bool SetItemWaypoint(int item, const GPSWayPointRecordW* waypoint, double longitude,
                         double latitude) override
    {
        updates.push_back({item, QString::fromUtf16(waypoint->name), longitude, latitude});
        return true;
    }

    std::vector<Update> updates;

private:
    QString Text(int item, const char* name) const
    {
        return ReadItemText(ItemPath(item), QString::fromUtf8(name));
    }
};

class GroupExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.copyTree(QStringLiteral(TALVANE_TEST_DATA "/export"), QStringLiteral("program"));
        platform::SetProgramFolder(root);
        platform::ClearProfileCache();
        table.SetGroupClasses({GroupClassEntry{[] { return std::make_unique<FallGroup>(); }, -1}});
        table.LoadSettings();
        window.OpenThroughFormatManager();
        table.SetServices(WindowServices{.mainWindow = &window, .messageBox = &box, .shell = &shell});
        group = dynamic_cast<FallGroup*>(table.GetGroup(0, nullptr));
        ASSERT_NE(group, nullptr);
        ASSERT_EQ(group->ItemCount(), int(kItemCount));
        for (int item = 0; item < int(kItemCount); ++item)
            original << ReadBytes(group->ItemPath(item));
    }
    void TearDown() override { SetListPageWriterForTests({}); }

    FakeItemList* Rows(std::initializer_list<quint32> values)
    {
        for (quint32 value : values)
            list.InsertRow(list.RowCount(), QString(), value);
        return &list;
    }
    QString InProgram(const QString& relative) const { return root + QLatin1Char('/') + relative; }
    QString ExportPath() const { return InProgram(QStringLiteral("~~TempWP.gdb")); }
    // The export's waypoints as gpsbabel reads them.
    std::vector<GpxWaypoint> Exported()
    {
        GpxContent content;
        EXPECT_TRUE(GpsbabelReading(ExportPath(), &content, QStringLiteral("gdb")))
            << "gpsbabel did not read the export";
        return content.waypoints;
    }
    QStringList Messages() const { return box.ExclamationTexts(); }
    QString Stored(int item, const char* key) const
    {
        return platform::GetProfileString(group->ItemPath(item), QStringLiteral("Fall"),
                                          QString::fromUtf8(key));
    }

    TempDir dir;
    QString root;
    CGroupTable table;
    FakeMainWindow window;
    FakeMessageBox box;
    FakeShell shell;
    FakeItemList list;
    FallGroup* group = nullptr;
    QList<QByteArray> original;
};

TEST_F(GroupExportTest, ExportsRowsInOrderUnderTheItemsNamesNotesAndHeights)
{
    REQUIRE_GPSBABEL();
    ASSERT_TRUE(group->ExportWaypoints(Rows({kNiagara, kYinhe, kNeidong, kShifen, kTwin, kGlasses,
                                             kLong, kLongX})));
    EXPECT_EQ(window.openedGpsFiles, QStringList{InProgram(QStringLiteral("data/gps/瀑布.gdb"))});
    EXPECT_EQ(shell.opened, QStringList{ExportPath()});
    EXPECT_TRUE(box.shown.isEmpty());
    // Coordinates from waypoints.gpx; altitudes and comments from the item files. 眼鏡洞 is
    // mapped to "skip"; 雙瀑 takes the last of its two base-name matches. The long name is cut
    // to 31 bytes (ten characters of three bytes), the note to 127 (42 characters); "X" and ten
    // characters are exactly 31 bytes and stay whole.
    struct Expected {
        QString name;
        double latitude, longitude, altitude;
        QString comment;
    };
    const std::vector<Expected> expected{
        {u"尼加拉"_qs, 43.0799, -79.0742, 51, u"Niagara Falls"_qs},
        {u"銀河洞"_qs, 24.9714, 121.6275, 300, u"新店銀河洞，雙層瀑布"_qs},
        {u"內洞"_qs, 24.806, 121.548, 235, u"烏來內洞"_qs},
        {u"十分"_qs, 25.0478, 121.7781, 185, u"平溪十分瀑布"_qs},
        {u"雙瀑"_qs, 24.61, 121.41, 505, u"雙瀑"_qs},
        {u"三峽大豹溪上游無名瀑"_qs, 24.85, 121.45, 650, kStems.left(42)},
        {u"X大豹溪上游無名瀑布群"_qs, 24.86, 121.46, 610, u"X"_qs + kStems.left(42)},
    };
    const std::vector<GpxWaypoint> points = Exported();
    ASSERT_EQ(points.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name.toStdString());
        EXPECT_EQ(points[i].name, expected[i].name);
        EXPECT_NEAR(points[i].position.lat, expected[i].latitude, 1e-6);
        EXPECT_NEAR(points[i].position.lon, expected[i].longitude, 1e-6);
        EXPECT_DOUBLE_EQ(points[i].position.ele.value_or(0), expected[i].altitude);
        EXPECT_EQ(points[i].desc, expected[i].comment);
    }
}

TEST_F(GroupExportTest, ReportsEachRowLeftOutForAWaypointTakenEarlier)
{
    REQUIRE_GPSBABEL();
    // Rows that name no item of the group are passed over.
    ASSERT_TRUE(group->ExportWaypoints(Rows({kYinheBelow, kYinhe, 20000, kNeidong2, kNeidong,
                                             IItemList::kNoItemRow, kYinhe})));
    EXPECT_EQ(Messages(), QStringList({u"航點[銀河洞]重複使用(銀河洞,銀河洞下)！"_qs,
                                       u"航點[WP017]重複使用(內洞,內洞二)！"_qs,
                                       u"航點[銀河洞]重複使用(銀河洞,銀河洞下)！"_qs}));
    QStringList names;
    for (const GpxWaypoint& p : Exported())
        names << p.name;
    EXPECT_EQ(names, QStringList({u"銀河洞下"_qs, u"內洞二"_qs}));
}

TEST_F(GroupExportTest, SkipLeavesOutOnlyItemsNotFoundByTheirOwnName)
{
    REQUIRE_GPSBABEL();
    // Only 眼鏡洞 (mapped to "skip"): nothing to save, nothing opened.
    EXPECT_TRUE(group->ExportWaypoints(Rows({kGlasses})));
    EXPECT_FALSE(QFile::exists(ExportPath()));
    EXPECT_TRUE(shell.opened.isEmpty());
    // "Skip" for an item whose own waypoint is found changes nothing.
    ASSERT_TRUE(platform::WriteProfileString(InProgram(QStringLiteral("data/Mapping.txt")),
                                             QStringLiteral("GPS"), QStringLiteral("01_銀河洞"),
                                             QStringLiteral("SKIP")));
    list.DeleteAllRows();
    EXPECT_TRUE(group->ExportWaypoints(Rows({kYinhe, kGlasses})));
    const std::vector<GpxWaypoint> points = Exported();
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].name, u"銀河洞"_qs);
}

TEST_F(GroupExportTest, NothingIsOpenedWhenTheExportCannotBeSaved)
{
    EXPECT_FALSE(group->ExportWaypoints(Rows({})));
    EXPECT_TRUE(window.openedGpsFiles.isEmpty());
    // A folder where the file should go: the save fails.
    ASSERT_TRUE(QDir().mkpath(ExportPath()));
    EXPECT_FALSE(group->ExportWaypoints(Rows({kYinhe})));
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(GroupExportTest, NoWaypointFileExportsNothing)
{
    ASSERT_TRUE(QFile::remove(InProgram(QStringLiteral("data/gps/瀑布.gdb"))));
    EXPECT_TRUE(group->ExportWaypoints(Rows({kYinhe, kNeidong})));
    EXPECT_FALSE(QFile::exists(ExportPath()));
    EXPECT_TRUE(shell.opened.isEmpty());
}

// The bytes of an item file with whole lines replaced.
QByteArray WithLines(const QByteArray& utf16File, const QList<std::pair<QString, QString>>& lines)
{
    QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(utf16File.constData() + 2),
                                      (utf16File.size() - 2) / 2);
    for (const auto& [from, to] : lines)
        text.replace(u"\r\n"_qs + from + u"\r\n"_qs, u"\r\n"_qs + to + u"\r\n"_qs);
    return utf16File.left(2)
        + QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

TEST_F(GroupExportTest, SyncWritesOnlyWhatDiffersForSureMatches)
{
    EXPECT_TRUE(group->SyncWaypoints(Rows({kYinhe, kNeidong, kShifen, kTwin, kGlasses, kNeidong2,
                                           kYinheBelow, kLong, kLongX, kNiagara})));
    platform::ClearProfileCache();
    // 銀河洞: the name and a longitude equal at six decimals stay; only the latitude line of
    // its own section changes, every other byte as it was.
    EXPECT_EQ(ReadBytes(group->ItemPath(kYinhe)),
              WithLines(original[kYinhe], {{u"Attitude=24.97"_qs, u"Attitude=24.971400"_qs}}));
    // A guess (雙瀑), a skipped item and values equal as they stand (the 44-character name read
    // whole) leave their files alone.
    for (Item item : {kTwin, kGlasses, kLong})
        EXPECT_EQ(ReadBytes(group->ItemPath(item)), original[item]) << item;
    struct Written {
        Item item;
        const char16_t* waypoint;
        const char* longitude;
        const char* latitude;
    };
    for (const Written& w : {Written{kNeidong, u"WP017", "121.548000", "24.806000"},
                             Written{kShifen, u"十分1", "121.778100", "25.047800"},
                             Written{kNeidong2, u"WP017", "121.548000", "24.806000"},
                             Written{kYinheBelow, u"銀河洞", "121.627500", "24.971400"},
                             Written{kLongX, u"大豹2", "121.460000", "24.860000"},
                             Written{kNiagara, u"Niagara", "-79.074200", "43.079900"}}) {
        SCOPED_TRACE(int(w.item));
        EXPECT_EQ(Stored(w.item, "Waypoint"), QString::fromUtf16(w.waypoint));
        EXPECT_EQ(Stored(w.item, "Longitude"), QString::fromUtf8(w.longitude));
        EXPECT_EQ(Stored(w.item, "Attitude"), QString::fromUtf8(w.latitude));
    }
    // The class hears of every sure match, with signed degrees.
    std::vector<int> updated;
    for (const auto& u : group->updates)
        updated.push_back(u.item);
    EXPECT_EQ(updated, (std::vector<int>{kYinhe, kNeidong, kShifen, kNeidong2, kYinheBelow, kLong,
                                         kLongX, kNiagara}));
    EXPECT_EQ(group->updates.back().waypoint, u"Niagara"_qs);
    EXPECT_NEAR(group->updates.back().longitude, -79.0742, 1e-6);
    EXPECT_NEAR(group->updates.back().latitude, 43.0799, 1e-6);
}

TEST_F(GroupExportTest, SyncTreatsCoordinatesEqualAtSixDecimalsAsEqual)
{
    struct Case {
        const char* stored;
        bool rewritten;
    };
    for (const Case& c : {Case{"121.6275", false}, Case{"121.627500", false},
                          Case{"121.62750049", false}, Case{"+121.6275", false},
                          Case{"121.627501", true}, Case{"121.6275x", true}, Case{"", true},
                          Case{"121,6275", true}}) {
        SCOPED_TRACE(c.stored);
        const QString path = group->ItemPath(kYinhe);
        ASSERT_TRUE(platform::WriteProfileString(path, u"Fall"_qs, u"Attitude"_qs, u"24.9714"_qs));
        ASSERT_TRUE(platform::WriteProfileString(path, u"Fall"_qs, u"Longitude"_qs,
                                                 QString::fromUtf8(c.stored)));
        const QByteArray before = ReadBytes(path);
        list.DeleteAllRows();
        EXPECT_TRUE(group->SyncWaypoints(Rows({kYinhe})));
        platform::ClearProfileCache();
        EXPECT_EQ(Stored(kYinhe, "Longitude"),
                  c.rewritten ? u"121.627500"_qs : QString::fromUtf8(c.stored));
        if (!c.rewritten) {
            EXPECT_EQ(ReadBytes(path), before);
        }
    }
}

TEST_F(GroupExportTest, SyncOfAnEmptyListDoesNothing)
{
    EXPECT_FALSE(group->SyncWaypoints(Rows({})));
    EXPECT_TRUE(window.openedGpsFiles.isEmpty());
    EXPECT_TRUE(group->updates.empty());
}

// What WriteHtmlTable hands the list writer, by the [Template] keys of the fixture:
// 瀑布=瀑布表, 瀑布表NoSort=fall_nosort.htm, Fall=fall.htm, 名山=名山表, 名山表=famous.htm,
// 名山表Visit=famous_visit.htm, 區域=區域表; Local.txt names a walk index page.
struct HtmlCase {
    const char* title;
    const char* suffix;
    int number;
    const char* templateKey;
    bool flag;
    // Expected; an empty template means no job.
    const char* pageTitle;
    const char* templateFile;
    const char* outputFile;
    bool openAfter;
    const char* visitTemplate;
    const char* visitOutput;
};

class GroupHtmlTableTest : public GroupExportTest, public ::testing::WithParamInterface<HtmlCase> {};

TEST_P(GroupHtmlTableTest, ResolvesTemplateAndPageNames)
{
    const HtmlCase& c = GetParam();
    std::vector<ListPageJob> jobs;
    SetListPageWriterForTests([&](const ListPageJob& job) {
        jobs.push_back(job);
        return true;
    });
    const bool result = group->WriteHtmlTable(&list, QString::fromUtf8(c.title),
                                              QString::fromUtf8(c.suffix), c.number,
                                              QString::fromUtf8(c.templateKey), c.flag);
    if (!*c.templateFile) {
        EXPECT_FALSE(result);
        EXPECT_TRUE(jobs.empty());
        return;
    }
    EXPECT_TRUE(result);
    ASSERT_EQ(jobs.size(), 1u);
    const ListPageJob& job = jobs[0];
    const auto inData = [&](const char* file) {
        return *file ? InProgram(u"data/"_qs + QString::fromUtf8(file)) : QString();
    };
    EXPECT_EQ(job.group, group);
    EXPECT_EQ(job.list, &list);
    EXPECT_EQ(job.title, QString::fromUtf8(c.pageTitle));
    EXPECT_EQ(job.templateFile, inData(c.templateFile));
    EXPECT_EQ(job.outputFile, inData(c.outputFile));
    EXPECT_EQ(job.openAfter, c.openAfter);
    EXPECT_EQ(job.visitTemplateFile, inData(c.visitTemplate));
    EXPECT_EQ(job.visitOutputFile, inData(c.visitOutput));
    const bool visit = *c.visitTemplate;
    EXPECT_EQ(job.gpsDir, visit ? InProgram(u"D:/gps/%d"_qs) : QString());
    EXPECT_EQ(job.onlineGpsDir, visit ? u"http://gps.example.org/"_qs : QString());
    EXPECT_EQ(job.onlineDir, visit ? u"http://walks.example.org/report/"_qs : QString());
}

INSTANTIATE_TEST_SUITE_P(
    Names, GroupHtmlTableTest,
    ::testing::Values(
        // No title: the display name; its template name; the NoSort template; opened.
        HtmlCase{"", "", 0, "", true, "瀑布", "Template/fall_nosort.htm", "TableMT/瀑布表.htm", true, "", ""},
        // Without the flag a visit page follows.
        HtmlCase{"名山", "", 0, "", false, "名山", "Template/famous.htm", "TableMT/名山表.htm", true,
                 "Template/famous_visit.htm", "TableMT/名山表v.htm"},
        HtmlCase{"名山", "_h", 0, "", false, "名山", "Template/famous.htm", "TableMT/名山表_h.htm", false,
                 "Template/famous_visit.htm", "TableMT/名山表_hv.htm"},
        // A number takes the template name from the template key; the file falls back to the
        // group's key.
        HtmlCase{"名山", "", 3, "區域", false, "名山", "Template/fall.htm", "TableMT/區域表r3.htm", false, "", ""},
        HtmlCase{"百岳", "_s", 2, "無此鍵", false, "百岳", "Template/fall.htm", "TableMT/百岳r2_s.htm", false, "", ""},
        HtmlCase{"百岳", "", 0, "", false, "百岳", "Template/fall.htm", "TableMT/百岳.htm", true, "", ""},
        // Neither 百岳NoSort nor FallNoSort: nothing.
        HtmlCase{"百岳", "", 0, "", true, "", "", "", false, "", ""}));

TEST_F(GroupExportTest, HtmlTableFollowsTheWriterAndNeedsAWalkIndexForVisits)
{
    // The fixture holds no template file: nothing is written.
    EXPECT_FALSE(group->WriteHtmlTable(&list, u"名山"_qs, QString(), 0, QString(), false));
    std::vector<ListPageJob> jobs;
    SetListPageWriterForTests([&](const ListPageJob& job) {
        jobs.push_back(job);
        return false;
    });
    ASSERT_TRUE(platform::WriteProfileString(platform::JoinPath(root, u"Local.txt"_qs),
                                             u"Template"_qs, u"WalkIndexFile"_qs, QString()));
    EXPECT_FALSE(group->WriteHtmlTable(&list, u"名山"_qs, QString(), 0, QString(), false));
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_TRUE(jobs[0].visitTemplateFile.isEmpty());
    EXPECT_TRUE(jobs[0].visitOutputFile.isEmpty());
}

} // namespace
