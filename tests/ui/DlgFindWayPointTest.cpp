// 搜尋航點 over the peak group of a fixture program folder, the waypoints from a GDB file
// written by gpsbabel, Mapping.txt in Big5 or missing: the term splitting, the summit rule,
// the cells, 確認 and 地圖定位... with what they write, and a reload of the set meanwhile.
#include "FakeMessageBox.h"
#include "PickerTestSupport.h"
#include "ScreenshotCheck.h"
#include "TestGroups.h"
#include "catalog/records/StoneItemRecord.h"
#include "gps/GPSWayPointSet.h"
#include "ui/dialogs/pickers/DlgFindWayPoint.h"
#include "ui/dialogs/pickers/SearchTermsFixed.h"

#include <QDateTime>
#include <QDir>
#include <QHeaderView>
#include <QTreeWidget>

#include <cmath>
#include <limits>

using namespace Qt::Literals::StringLiterals;
using namespace find_test;
using namespace picker_test;

namespace {

using Dlg = CDlgFindWayPoint;

TEST(SplitSearchTermsFixedTest, SplitsAtTheSixSeparatorsOnly)
{
    struct Case {
        QString text;
        QStringList terms;
    };
    const QList<Case> cases = {
        {u"玉山,雪山"_s, {u"玉山"_s, u"雪山"_s}},
        {u",玉山"_s, {u"玉山"_s}},
        {u"玉山，，雪山"_s, {u"玉山"_s, u"雪山"_s}},
        {u"玉山 雪山.北峰、南峰；東峰"_s, {u"玉山"_s, u"雪山"_s, u"北峰"_s, u"南峰"_s, u"東峰"_s}},
        {u"玉山,"_s, {u"玉山"_s}},
        {u""_s, {}},
        {u",. ，、；"_s, {}},
        // Not separators: the ASCII semicolon, the ideographic full stop, a tab.
        {u"A;B"_s, {u"A;B"_s}},
        {u"玉山。雪山"_s, {u"玉山。雪山"_s}},
        {u"玉山\t雪山"_s, {u"玉山\t雪山"_s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        QStringList terms{u"old"_s};
        EXPECT_EQ(SplitSearchTermsFixed(c.text, &terms), c.terms.size());
        EXPECT_EQ(terms, c.terms);
    }
}

TEST(SplitSearchTermsFixedTest, KeepsTheFirstThirtyTerms)
{
    QStringList numbers;
    for (int n = 1; n <= 31; ++n)
        numbers << QString::number(n);
    QStringList terms;
    EXPECT_EQ(SplitSearchTermsFixed(numbers.join(u"，"_s), &terms), 30);
    EXPECT_EQ(terms, numbers.mid(0, 30));
}

TEST(WaypointAltitudeTest, TruncatedMetresOrNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const QList<std::pair<double, QString>> cases = {
        {3952.9, u"3952"_s}, {-12.7, u"-12"_s}, {0.5, u"0"_s}, {-0.5, u"0"_s},
        {2147483647.9, u"2147483647"_s}, {-2147483648.9, u"-2147483648"_s},
        {2147483648.0, QString()}, {-2147483649.0, QString()}, {1e25, QString()},
        {nan, QString()}, {inf, QString()}, {-inf, QString()},
    };
    for (const auto& [metres, text] : cases)
        EXPECT_EQ(Dlg::AltitudeText(metres), text) << metres;
}

class DlgFindWayPointTest : public PickerFixture {
protected:
    void SetUp() override
    {
        PickerFixture::SetUp();
        peaks = table.GetGroup(0, nullptr);
        ASSERT_NE(peaks, nullptr);
        ASSERT_EQ(peaks->ItemCount(), 3);
        ASSERT_NE(peaks->LoadWaypointFile(true), nullptr);
        ASSERT_EQ(peaks->GetWaypointSet()->count, 7);
    }

    // The dialog over a peak, started.
    void Start(Dlg* dialog, const QString& base)
    {
        dialog->group = peaks;
        dialog->item = Item(peaks, base);
        dialog->mappingPath = MappingFile();
        dialog->waypointSet = peaks->GetWaypointSet();
        dialog->OnInitDialog();
    }
    void Search(Dlg* dialog, const QString& text)
    {
        SetText(*dialog, Dlg::kSearchEdit, text);
        ASSERT_TRUE(dialog->Commands().Dispatch(Dlg::kSearch));
    }
    // Searches text and selects the row showing name.
    void Choose(Dlg* dialog, const QString& text, const QString& name)
    {
        Search(dialog, text);
        ASSERT_TRUE(ClickRow(*dialog, Dlg::kList, RowOf(*dialog, Dlg::kList, name)));
    }
    QString TempFile() const { return Data(u"~~TempMT.gdb"_s); }
    // Puts another file in place of the all-in-one file, with a later write time, and reloads.
    void ReplaceAllInOne(const QString& source)
    {
        const QString target = Data(u"!台灣的山.gdb"_s);
        QFile::remove(target);
        ASSERT_TRUE(QFile::copy(source, target));
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(++replaced),
                                     QFileDevice::FileModificationTime));
        file.close();
        ASSERT_NE(peaks->LoadWaypointFile(true), nullptr);
    }
    int replaced = 0;

    CGroupBase* peaks = nullptr;
};

TEST_F(DlgFindWayPointTest, StartsWithBothNamesColumnsAndDescription)
{
    Dlg dialog;
    Start(&dialog, u"yushan"_s);
    EXPECT_EQ(dialog.windowTitle(), u"搜尋航點"_s);
    EXPECT_EQ(Text(dialog, Dlg::kSearchEdit), u"玉山 新高山"_s);
    EXPECT_EQ(RowTexts(dialog, Dlg::kList),
              QStringList({u"玉山"_s, u"玉山主峰登山口"_s, u"玉山峰"_s, u"新高山口"_s}));
    QTreeWidget* list = ListOf(dialog, Dlg::kList);
    ASSERT_EQ(list->columnCount(), 3);
    EXPECT_EQ(list->headerItem()->text(0), u"航點名"_s);
    EXPECT_EQ(list->headerItem()->text(1), u"標高(m)"_s);
    EXPECT_EQ(list->headerItem()->text(2), u"說明"_s);
    EXPECT_EQ(list->columnWidth(0), 120);
    EXPECT_EQ(list->columnWidth(1), 70);
    EXPECT_EQ(list->columnWidth(2), 240);
    // The altitudes and comments gpsbabel wrote.
    EXPECT_EQ(list->topLevelItem(0)->text(1), u"3952"_s);
    EXPECT_EQ(list->topLevelItem(0)->text(2), u"主峰"_s);
    EXPECT_EQ(list->topLevelItem(3)->text(1), u"-12"_s);
    EXPECT_EQ(list->topLevelItem(3)->text(2), u"低地"_s);
    EXPECT_TRUE(list->topLevelItem(0)->textAlignment(1) & Qt::AlignRight);
    EXPECT_FALSE(Text(dialog, Dlg::kSummary).isEmpty());
    EXPECT_FALSE(Enabled(dialog, Dlg::kConfirm));
    EXPECT_FALSE(Enabled(dialog, Dlg::kLocate));
    EXPECT_TRUE(Enabled(dialog, Dlg::kEditData));
    ASSERT_TRUE(ClickRow(dialog, Dlg::kList, 1));
    EXPECT_TRUE(Enabled(dialog, Dlg::kConfirm));
    EXPECT_TRUE(Enabled(dialog, Dlg::kLocate));
    // A search disables them again; an empty text changes nothing.
    Search(&dialog, u"北峰"_s);
    EXPECT_FALSE(Enabled(dialog, Dlg::kConfirm));
    Search(&dialog, QString());
    EXPECT_EQ(RowTexts(dialog, Dlg::kList), QStringList{u"玉山北峰"_s});
}

TEST_F(DlgFindWayPointTest, SummitRuleAndClaimedWaypoints)
{
    struct Case {
        QString text;
        QStringList rows;
    };
    const QList<Case> cases = {
        {u"玉山"_s, {u"玉山"_s, u"玉山主峰登山口"_s, u"玉山峰"_s}},
        {u"北峰"_s, {u"玉山北峰"_s}},
        {u"東峰"_s, {u"雪山東峰"_s}},
        // 雪山 is the peak 雪山's own waypoint; 雪山東峰 is a summit of another peak.
        {u"雪山"_s, {}},
        {u"山"_s, {u"玉山"_s, u"玉山主峰登山口"_s, u"新高山口"_s}},
        {u"峰"_s, {u"玉山北峰"_s, u"玉山主峰登山口"_s, u"玉山峰"_s, u"雪山東峰"_s}},
        {u"玉山,新高山口"_s, {u"玉山"_s, u"玉山主峰登山口"_s, u"玉山峰"_s, u"新高山口"_s}},
        // A row for every term that finds the entry; case matters.
        {u"高山 新高"_s, {u"新高山口"_s, u"新高山口"_s}},
        {u"玉山北峰"_s, {u"玉山北峰"_s}},
    };
    Dlg dialog;
    Start(&dialog, u"yushan"_s);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        Search(&dialog, c.text);
        EXPECT_EQ(RowTexts(dialog, Dlg::kList), c.rows);
    }
}

TEST_F(DlgFindWayPointTest, AnItemWithoutNamesStartsWithAnEmptySearch)
{
    // A group of stone records gives no item names.
    TestGroup<StoneItemRecord> stones(u"Stone"_s, u"山"_s, u"Stone"_s);
    ASSERT_TRUE(stones.Init(MainSettingsPath(), &table, Data(u"山"_s)));
    ASSERT_NE(stones.LoadWaypointFile(true), nullptr);
    Dlg dialog;
    dialog.group = &stones;
    dialog.item = 0;
    dialog.OnInitDialog();
    EXPECT_EQ(Text(dialog, Dlg::kSearchEdit), QString());
    EXPECT_TRUE(RowTexts(dialog, Dlg::kList).isEmpty());
    EXPECT_EQ(ListOf(dialog, Dlg::kList)->columnCount(), 3);
    Search(&dialog, u"雪山"_s);
    // No stone claims 雪山 here.
    EXPECT_EQ(RowTexts(dialog, Dlg::kList), QStringList{u"雪山"_s});
}

TEST_F(DlgFindWayPointTest, NonFiniteOrHugeAltitudeShowsAnEmptyCell)
{
    GPSWayPointSet* set = peaks->GetWaypointSet();
    set->items[0].altitude = std::numeric_limits<double>::quiet_NaN();
    set->items[2].altitude = 1e12;
    Dlg dialog;
    Start(&dialog, u"yushan"_s);
    QTreeWidget* list = ListOf(dialog, Dlg::kList);
    ASSERT_EQ(RowTexts(dialog, Dlg::kList)[1], u"玉山主峰登山口"_s);
    EXPECT_EQ(list->topLevelItem(0)->text(1), QString());
    EXPECT_EQ(list->topLevelItem(1)->text(1), QString());
    EXPECT_EQ(list->topLevelItem(2)->text(1), u"3900"_s);
}

TEST_F(DlgFindWayPointTest, ConfirmCreatesAMissingMappingFileAsUtf16WithBom)
{
    ASSERT_TRUE(QFile::remove(MappingFile()));
    Dlg dialog;
    Start(&dialog, u"yushan"_s);
    ASSERT_TRUE(ClickRow(dialog, Dlg::kList, RowOf(dialog, Dlg::kList, u"玉山峰"_s)));
    ASSERT_TRUE(dialog.Commands().Dispatch(Dlg::kConfirm));
    EXPECT_EQ(dialog.result, 3);
    EXPECT_EQ(dialog.QDialog::result(), QDialog::Accepted);
    const QString text = u"[GPS]\r\nyushan=玉山峰\r\n"_s;
    const QByteArray expected = QByteArray("\xFF\xFE") +
        QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    EXPECT_EQ(Bytes(MappingFile()).toHex(), expected.toHex());
}

TEST_F(DlgFindWayPointTest, ConfirmAddsOneLineToABig5MappingFileUnderTheWholeBaseName)
{
    const QByteArray before = Bytes(MappingFile());
    Dlg dialog;
    Start(&dialog, u"abcdefghijklmnopqrst"_s);
    EXPECT_EQ(Text(dialog, Dlg::kSearchEdit), u"長檔名山"_s);
    Choose(&dialog, u"玉山"_s, u"玉山"_s);
    ASSERT_TRUE(dialog.Commands().Dispatch(Dlg::kConfirm));
    EXPECT_EQ(dialog.result, 0);
    // The new key follows the section's last line; every other byte stays.
    QList<QByteArray> expected = Lines(before);
    expected.insert(5, QByteArray::fromHex("6162636465666768696a6b6c6d6e6f70717273743da5c9a473") + '\r');
    EXPECT_EQ(Lines(Bytes(MappingFile())), expected);
    platform::ClearProfileCache();
    EXPECT_EQ(platform::GetProfileString(MappingFile(), u"GPS"_s, u"abcdefghijklmnopqrst"_s), u"玉山"_s);
    EXPECT_EQ(platform::GetProfileString(MappingFile(), u"GPS"_s, u"abcdefghijklmno"_s), QString());
}

TEST_F(DlgFindWayPointTest, AChoiceThatCannotBeKeptInTheMappingFileIsReportedAndStillReturned)
{
    FakeMessageBox messages;
    table.SetServices(WindowServices{.mainWindow = &window, .messageBox = &messages, .shell = &shell});
    // As root a read-only folder takes files all the same: the file cannot be written when a
    // folder stands in its place or its folder is a file.
    const QString file = dir.write(u"program/data/Cache.txt"_s, "[Talvane]\r\n");
    ASSERT_EQ(file, Data(u"Cache.txt"_s));
    const QString inFile = file + u"/Mapping.txt"_s;
    const struct {
        const char* name;
        QString mapping;
    } cases[] = {{"a folder in its place", MappingFile()}, {"its folder is a file", inFile}};
    ASSERT_TRUE(QFile::remove(MappingFile()));
    ASSERT_TRUE(QDir().mkpath(MappingFile()));
    QStringList reasons;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        messages.shown.clear();
        Dlg dialog;
        Start(&dialog, u"yushan"_s);
        dialog.mappingPath = c.mapping;
        ASSERT_TRUE(ClickRow(dialog, Dlg::kList, RowOf(dialog, Dlg::kList, u"玉山峰"_s)));
        ASSERT_TRUE(dialog.Commands().Dispatch(Dlg::kConfirm));
        // The locate goes on with the choice.
        EXPECT_EQ(dialog.result, 3);
        EXPECT_EQ(dialog.QDialog::result(), QDialog::Accepted);
        ASSERT_EQ(messages.shown.size(), 1);
        const QString text = messages.shown[0].text;
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_TRUE(text.contains(c.mapping)) << qPrintable(text);
        EXPECT_TRUE(text.contains(u"玉山峰"_s)) << qPrintable(text);
        reasons << QString(text).remove(c.mapping);
    }
    EXPECT_NE(reasons[0], reasons[1]) << "each message says why";
    EXPECT_TRUE(QFileInfo(MappingFile()).isDir());
    EXPECT_TRUE(QFileInfo(Data(u"Cache.txt"_s)).isFile());
}

TEST_F(DlgFindWayPointTest, RowsNoLongerNamingTheirEntryAfterAReloadDoNothing)
{
    const QByteArray before = Bytes(MappingFile());
    // 玉山北峰's index now names 雪山; 新高山口's lies past the two waypoints left.
    for (const QString& name : {u"玉山北峰"_s, u"新高山口"_s}) {
        SCOPED_TRACE(name.toStdString());
        ReplaceAllInOne(Fixture(u"program/data/!台灣的山.gdb"_s));
        ASSERT_EQ(peaks->GetWaypointSet()->count, 7);
        Dlg dialog;
        Start(&dialog, u"yushan"_s);
        Choose(&dialog, name, name);
        ReplaceAllInOne(Fixture(u"reloaded.gdb"_s));
        ASSERT_EQ(peaks->GetWaypointSet()->count, 2);

        dialog.Commands().Dispatch(Dlg::kConfirm);
        EXPECT_EQ(dialog.result, -1);
        EXPECT_NE(dialog.QDialog::result(), QDialog::Accepted);
        dialog.Commands().Dispatch(Dlg::kLocate);
        EXPECT_TRUE(shell.opened.isEmpty());
        EXPECT_FALSE(QFile::exists(TempFile()));
        EXPECT_EQ(Bytes(MappingFile()), before);
    }
}

TEST_F(DlgFindWayPointTest, LocateWritesTheWaypointForTheGpsSoftwareAndStaysOpen)
{
    REQUIRE_GPSBABEL();
    Dlg dialog;
    Start(&dialog, u"yushan"_s);
    Choose(&dialog, u"登山口"_s, u"玉山主峰登山口"_s);
    ASSERT_TRUE(dialog.Commands().Dispatch(Dlg::kLocate));
    EXPECT_EQ(shell.opened, QStringList{TempFile()});
    EXPECT_EQ(dialog.result, -1);
    EXPECT_NE(dialog.QDialog::result(), QDialog::Accepted);
    GpxContent shown;
    ASSERT_TRUE(GpsbabelReading(TempFile(), &shown, u"gdb"_s));
    ASSERT_EQ(shown.waypoints.size(), 1u);
    const GpxWaypoint& w = shown.waypoints[0];
    EXPECT_EQ(w.name, u"玉山主峰登山口"_s);
    EXPECT_NEAR(w.position.lat, 23.5, 1e-5);
    EXPECT_NEAR(w.position.lon, 120.9, 1e-5);
    ASSERT_TRUE(w.position.ele.has_value());
    EXPECT_NEAR(*w.position.ele, 2610.9, 1e-3);
    EXPECT_EQ(w.desc, u"塔塔加"_s);
    platform::ClearProfileCache();
    EXPECT_EQ(platform::GetProfileString(MappingFile(), u"GPS"_s, u"yushan"_s), u"玉山主峰登山口"_s);
}

TEST_F(DlgFindWayPointTest, LocateWithoutTheGpsFileDoesNothing)
{
    const QByteArray before = Bytes(MappingFile());
    Dlg dialog;
    Start(&dialog, u"yushan"_s);
    Choose(&dialog, u"玉山"_s, u"玉山"_s);
    ASSERT_TRUE(QFile::remove(Data(u"!台灣的山.gdb"_s)));
    dialog.Commands().Dispatch(Dlg::kLocate);
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_FALSE(QFile::exists(TempFile()));
    EXPECT_EQ(Bytes(MappingFile()), before);
}

TEST_F(DlgFindWayPointTest, EditDataOpensTheItemFileWhenTheEditorFails)
{
    const QString file = Data(u"山/yushan.txt"_s);
    Dlg dialog;
    Start(&dialog, u"yushan"_s);
    dialog.Commands().Dispatch(Dlg::kEditData);
    EXPECT_EQ(shell.edited, QStringList{file});
    EXPECT_TRUE(shell.opened.isEmpty());
    shell.result = false;
    dialog.Commands().Dispatch(Dlg::kEditData);
    EXPECT_EQ(shell.edited, QStringList({file, file}));
    EXPECT_EQ(shell.opened, QStringList{file});
}

TEST_F(DlgFindWayPointTest, Screenshot)
{
    Dlg dialog;
    Start(&dialog, u"yushan"_s);
    dialog.show();
    ASSERT_TRUE(ClickRow(dialog, Dlg::kList, 1));
    SaveAndCheckScreenshot(dialog, u"talvane-find-waypoint-dialog.png"_s);
}

} // namespace
