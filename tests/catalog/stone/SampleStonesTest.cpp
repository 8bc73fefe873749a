// The survey stones of the bundled sample through the program's own group classes: the stone
// group's list, sort order and summaries, the subsets it builds from [Stone] and the stone
// levels, the peak group's 三等 class across both groups, and 地圖定位... on a stone whose file
// names no waypoint, on a stone whose place name a peak's waypoint bears, and on the rows of
// 基石無法歸類.
#include "FakeDialogRunner.h"
#include "FakeItemList.h"
#include "FakeMainWindow.h"
#include "FakeShell.h"
#include "FakeStatusText.h"
#include "GpsBabel.h"
#include "GpxTestSupport.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/records/ItemRowValue.h"
#include "catalog/records/RecordText.h"
#include "catalog/stone/GroupStone.h"
#include "catalog/subsets/SubsetBase.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "catalog/talvane/GroupTalvane.h"
#include "gps/GPSFileManager.h"
#include "gps/GPSNameMatch.h"
#include "gps/GPSWayPointSet.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

QStringList Us(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* t : texts)
        list << U(t);
    return list;
}

// Row values of the list rows.
constexpr quint32 kStoneRow = 60000;
constexpr quint32 kSecondStoneRow = 20000;

class SampleStonesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        DisplayNameConversions::Program().Reset();
        platform::SetProgramFolder(dir.copyTree(QStringLiteral(TALVANE_SAMPLE_DIR), QStringLiteral("bin")));
        ASSERT_TRUE(table.LoadSettings());
        window.opener = [this](const QString& path) { return formats.OpenFile(path).release(); };
        WindowServices services;
        services.mainWindow = &window;
        services.dialogs = &dialogs;
        services.shell = &shell;
        table.SetServices(services);
        peaks = dynamic_cast<CGroupTalvane*>(table.GetGroup(0, nullptr));
        stones = dynamic_cast<CGroupStone*>(table.GetGroup(1, nullptr));
        ASSERT_NE(peaks, nullptr);
        ASSERT_NE(stones, nullptr);
    }
    void TearDown() override { DisplayNameConversions::Program().Reset(); }

    // The stone of an item file (base name), -1 when none.
    int Stone(const char* file) const
    {
        for (int j = 0; j < stones->ItemCount(); ++j)
            if (platform::BaseNameOf(stones->ItemPath(j)) == U(file))
                return j;
        return -1;
    }
    int Peak(const char* file) const
    {
        for (int i = 0; i < peaks->ItemCount(); ++i)
            if (platform::BaseNameOf(peaks->ItemPath(i)) == U(file))
                return i;
        return -1;
    }
    // Every stone in item order under the stone group's columns.
    void ListAllStones(FakeItemList* list)
    {
        stones->SetupItemColumns(list, nullptr);
        for (int j = 0; j < stones->ItemCount(); ++j)
            ASSERT_TRUE(stones->InsertItemRow(list, j, j));
    }
    static QStringList Column(const FakeItemList& list, int column)
    {
        QStringList texts;
        for (int r = 0; r < list.RowCount(); ++r)
            texts << list.CellText(r, column);
        return texts;
    }
    CSubsetBase* SubsetNamed(CGroupBase* group, const QString& name) const
    {
        for (int s = 0; s < group->SubsetCount(); ++s)
            if (group->Subset(s)->DisplayName() == name)
                return group->Subset(s);
        return nullptr;
    }
    static QList<quint32> Sorted(QList<quint32> values)
    {
        std::sort(values.begin(), values.end());
        return values;
    }

    TempDir dir;
    CGroupTable table;
    CGPSFileManager formats;
    FakeMainWindow window;
    FakeDialogRunner dialogs;
    FakeShell shell;
    CGroupTalvane* peaks = nullptr;
    CGroupStone* stones = nullptr;
};

TEST_F(SampleStonesTest, TheStoneFolderLoadsEveryStoneIncludingTheOneWithoutAName)
{
    EXPECT_EQ(stones->Key(), "Stone");
    EXPECT_EQ(stones->DisplayName(), U("基石"));
    EXPECT_EQ(stones->ItemCount(), 20);
    const int pingding = Stone("圖根點平頂");
    ASSERT_GE(pingding, 0);
    const StoneItemRecord* r = stones->Record(pingding);
    EXPECT_EQ(FieldText(r->Name), QString());
    EXPECT_EQ(FieldText(r->Waypoint), QString());
    EXPECT_EQ(FieldText(r->Stone), U("圖根點"));
    EXPECT_EQ(FieldText(r->StoneAlias), U("土地調查局"));
    EXPECT_EQ(r->Height, 1600);
    // The Big5 files read like the UTF-16 ones.
    const StoneItemRecord* keelung = stones->Record(Stone("三等1109"));
    EXPECT_EQ(FieldText(keelung->Name), U("基隆山"));
    EXPECT_EQ(FieldText(keelung->Region), U("新北市瑞芳區"));
    EXPECT_EQ(keelung->Visits[0], 2);
}

// Five columns; a row per stone carrying 60000 + its index, the stone number first, the touched
// mark for a stone with a visit.
TEST_F(SampleStonesTest, TheListShowsEachStoneInFiveColumns)
{
    FakeItemList list;
    ListAllStones(&list);
    EXPECT_EQ(list.ColumnTitles(), Us({"基石", "標高(m)", "名稱", "地區", "已摸"}));
    ASSERT_EQ(list.RowCount(), 20);
    for (int j = 0; j < 20; ++j)
        EXPECT_EQ(list.RowData(j), kStoneRow + quint32(j));
    const struct {
        const char* file;
        QStringList cells;
    } rows[] = {
        {"三等6016", Us({"三等6016", "3417", "合歡山", "南投縣", "V"})},
        {"圖根點平頂", Us({"圖根點", "1600", "", "新竹縣", ""})},
        {"都計四等17", Us({"都計四等17", "183", "象山", "台北市信義區", ""})},
        {"三等695", Us({"三等695", "375", "南港山", "台北市信義區", "V"})},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        const int j = Stone(row.file);
        ASSERT_GE(j, 0);
        QStringList cells;
        for (int c = 0; c < 5; ++c)
            cells << list.CellText(j, c);
        EXPECT_EQ(cells, row.cells);
    }
}

// The stone column sorts by level, level word and number ([StoneLevel] of the settings: 一等三角點,
// 一等 / 二等三角點, 二等 / 三等三角點, 三等 / 森林三角點, 森林 / 圖根點, 圖根), the stones of no level
// last and among them by their text's code units; the next click reverses. The height column
// sorts highest first.
TEST_F(SampleStonesTest, StoneNumbersSortByLevelWordAndNumber)
{
    const QStringList ascending = Us({"一等三角點", "一等三角點", "二等1064", "二等1065", "二等1069",
                                      "三等三角點", "三等三角點", "三等三角點", "三等695", "三等1109",
                                      "三等6016", "三等6052", "三等6055", "三等6128", "森林1072", "圖根點",
                                      "北市地測5", "北水23", "省府A082", "都計四等17"});
    FakeItemList list;
    ListAllStones(&list);
    ASSERT_TRUE(stones->SortItemList(&list, CGroupStone::ListColumn::kStone));
    EXPECT_EQ(Column(list, 0), ascending);
    ASSERT_TRUE(stones->SortItemList(&list, CGroupStone::ListColumn::kStone));
    QStringList descending = ascending;
    std::reverse(descending.begin(), descending.end());
    EXPECT_EQ(Column(list, 0), descending);
    // Each row still carries its own stone.
    for (int r = 0; r < list.RowCount(); ++r)
        EXPECT_EQ(FieldText(stones->Record(int(list.RowData(r) - kStoneRow))->Stone), list.CellText(r, 0)) << r;

    ASSERT_TRUE(stones->SortItemList(&list, CGroupStone::ListColumn::kHeight));
    EXPECT_EQ(Column(list, 1), Us({"3952", "3886", "3602", "3417", "3325", "2220", "1600", "1120", "1062", "857",
                                   "757", "677", "616", "588", "476", "375", "211", "183", "183", "153"}));
    EXPECT_FALSE(stones->SortItemList(&list, CGroupStone::ListColumn::kName));
}

// The summary line: name, height, the stone number as displayed, the region.
TEST_F(SampleStonesTest, SummariesShowTheStoneNumberAsDisplayed)
{
    const struct {
        const char* file;
        const char* summary;
    } cases[] = {
        {"三等6016", "合歡山，3417m，三等6016 [南投縣]"},
        {"都計四等17", "象山，183m，北市都市計劃處四等三角點NO.17 [台北市信義區]"},
        {"北市地測5", "軍艦岩，183m，北市府地測5 [台北市北投區]"},
        {"省府A082", "紅淡山，211m，省府A082 [基隆市]"},
        {"圖根點平頂", "，1600m，圖根點 [新竹縣]"},
    };
    FakeItemList list;
    ListAllStones(&list);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const int j = Stone(c.file);
        ASSERT_GE(j, 0);
        EXPECT_EQ(stones->SummaryLine(j), U(c.summary));
        FakeStatusText window;
        stones->ShowRowSummary(&window, &list, j);
        EXPECT_EQ(window.text, U(c.summary));
    }
    FakeStatusText window;
    stones->ShowRowSummary(&window, &list, list.RowCount());
    EXPECT_EQ(window.text, QString());
}

// The subset tree of the stone group: the [Stone] words, then every word of every level, then
// 基石無法歸類; a word naming a water source goes into the 水源 folder.
TEST_F(SampleStonesTest, TheTreeHoldsTheClassWordsTheLevelWordsAndNoLevel)
{
    const QStringList expected = Us({"北水基石", "都計四等基石", "一等三角點", "一等基石", "二等三角點", "二等基石",
                                     "三等三角點", "三等基石", "森林三角點", "森林基石", "圖根點", "圖根基石",
                                     "基石無法歸類"});
    QStringList names;
    for (int s = 0; s < stones->SubsetCount(); ++s)
        names << stones->Subset(s)->DisplayName();
    ASSERT_GE(names.size(), expected.size());
    EXPECT_EQ(names.mid(0, expected.size()), expected);
    for (int s = 0; s < expected.size(); ++s) {
        const CSubsetBase* subset = stones->Subset(s);
        SCOPED_TRACE(subset->DisplayName().toStdString());
        EXPECT_EQ(subset->Section(), "Stone");
        EXPECT_EQ(subset->TypeCode(), s + 1 < expected.size() ? CSubsetBase::kTypeStone : CSubsetBase::kTypeNoStoneLevel);
        EXPECT_EQ(subset->FolderCode(), s == 0 ? CSubsetBase::kFolderWater : CSubsetBase::kFolderBasic);
    }
}

// No peak's stone begins with 森林: the class lists its stone under the stone group's columns.
TEST_F(SampleStonesTest, AClassOfStonesOnlyKeepsTheStoneColumns)
{
    CSubsetBase* forest = SubsetNamed(stones, U("森林基石"));
    ASSERT_NE(forest, nullptr);
    FakeItemList list;
    SubsetStatistics statistics;
    ASSERT_EQ(forest->FillList(&list, &statistics, nullptr), 1);
    EXPECT_EQ(list.ColumnTitles(), Us({"基石", "標高(m)", "名稱", "地區", "已摸"}));
    EXPECT_EQ(list.RowData(0), kStoneRow + quint32(Stone("森林1072")));
    EXPECT_EQ(list.CellText(0, 0), U("森林1072"));
    FakeStatusText window;
    ASSERT_TRUE(forest->ShowRowSummary(&window, &list, 0));
    EXPECT_EQ(window.text, U("加里山，2220m，森林1072 [苗栗縣]"));
}

// 基石無法歸類: the peaks whose stone fits no level (an empty Stone counts) and the stones of no
// level, the latter in the peak columns.
TEST_F(SampleStonesTest, NoLevelListsPeaksWithoutAStoneAndTheStonesOfNoLevel)
{
    CSubsetBase* none = SubsetNamed(stones, U("基石無法歸類"));
    ASSERT_NE(none, nullptr);
    FakeItemList list;
    SubsetStatistics statistics;
    const int rows = none->FillList(&list, &statistics, nullptr);
    QList<quint32> expected;
    for (const char* peak : {"玉山東峰", "玉山南峰", "玉山西峰", "玉山前峰", "玉山北北峰", "東小南山", "小南山"})
        expected << quint32(Peak(peak));
    for (const char* stone : {"北市地測5", "北水23", "省府A082", "都計四等17"})
        expected << kStoneRow + quint32(Stone(stone));
    EXPECT_EQ(rows, expected.size());
    EXPECT_EQ(Sorted(list.RowValues()), Sorted(expected));
    EXPECT_EQ(list.ColumnTitles(), Us({"山名", "標高(m)", "基石", "地區", "已爬"})) << "the peak columns";
}

// 山's 三等基石 ([Talvane] Stone1=三等): the peaks with a stone numbered 三等n, 雪山 by its second
// stone, and the stones numbered 三等n in the peak columns. 三等三角點 has no number after the
// word and is no member.
TEST_F(SampleStonesTest, ThePeaksThirdOrderClassListsPeaksAndStones)
{
    const int index = peaks->FindSubset(CSubsetBase::kTypeStone, U("三等"));
    ASSERT_GE(index, 0);
    CSubsetBase* third = peaks->Subset(index);
    EXPECT_EQ(third->DisplayName(), U("三等基石"));
    FakeItemList list;
    SubsetStatistics statistics;
    const int rows = third->FillList(&list, &statistics, nullptr);
    QList<quint32> expected;
    for (const char* peak : {"合歡山主峰", "桃山", "向陽山", "基隆山", "南港山"})
        expected << quint32(Peak(peak));
    expected << kSecondStoneRow + quint32(Peak("雪山主峰"));
    for (const char* stone : {"三等6016", "三等6055", "三等1109", "三等695", "三等6052", "三等6128"})
        expected << kStoneRow + quint32(Stone(stone));
    EXPECT_EQ(rows, expected.size());
    EXPECT_EQ(Sorted(list.RowValues()), Sorted(expected));
    EXPECT_EQ(list.ColumnTitles(), Us({"山名", "標高(m)", "基石", "地區", "已爬"})) << "the peak columns";
    // 雪山's row shows its second stone first.
    const qsizetype snow = list.RowValues().indexOf(kSecondStoneRow + quint32(Peak("雪山主峰")));
    ASSERT_GE(snow, 0);
    bool showsSecond = false;
    for (int c = 0; c < list.ColumnCount(); ++c)
        showsSecond = showsSecond || list.CellText(int(snow), c).startsWith(U("三等6055"));
    EXPECT_TRUE(showsSecond);
}

// 地圖定位... on 圖根點平頂: no waypoint key, no mapping, no name to search by: the waypoint
// picker opens for it over the stone group's file, which holds the free waypoint 平頂; nothing is
// handed to the shell while nothing is picked.
TEST_F(SampleStonesTest, LocatingTheStoneWithoutWaypointOpensThePicker)
{
    FakeItemList list;
    ListAllStones(&list);
    const int j = Stone("圖根點平頂");
    ASSERT_GE(j, 0);
    EXPECT_TRUE(stones->LocateRow(&list, j, 0, false));
    ASSERT_EQ(dialogs.waypointPicks.size(), 1);
    const PickerRequest& request = dialogs.waypointPicks.first();
    EXPECT_EQ(request.group, stones);
    EXPECT_EQ(request.item, j);
    EXPECT_EQ(request.mappingFile, platform::JoinPath(DataFolder(), QStringLiteral("Mapping.txt")));
    ASSERT_NE(request.waypoints, nullptr);
    const int pingding = request.waypoints->FindByName(U("平頂"));
    ASSERT_GE(pingding, 0);
    EXPECT_EQ(request.waypoints->used[std::size_t(pingding)], 0);
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(dialogs.trackPicks.isEmpty());
    // A row outside the stones locates nothing.
    EXPECT_FALSE(stones->LocateRow(&list, list.RowCount(), 0, false));
}

// The owner's stone file may hold the peaks' waypoints too: here the stones' all-in-one file is
// the peaks' one, where 五指山1 is the peak 五指山's waypoint. The stone 三等三角點五指山 (its own
// waypoint S3WUJHIH is not in that file) is never placed on it by its place name, with or without
// "Skip" for it in Mapping.txt: the picker is asked, and nothing is handed to the shell.
TEST_F(SampleStonesTest, AStoneIsNotLocatedByItsPlaceName)
{
    ASSERT_TRUE(platform::WriteProfileString(LocalSettingsPath(), QStringLiteral("GPS"),
                                             QStringLiteral("AllWPFile_Stone"),
                                             U("data\\!台灣的山.gdb")));
    FakeItemList list;
    ListAllStones(&list);
    const int j = Stone("三等三角點五指山");
    ASSERT_GE(j, 0);
    for (const char* mapping : {"", "Skip"}) {
        SCOPED_TRACE(mapping);
        if (*mapping) {
            ASSERT_TRUE(platform::WriteProfileString(MappingFilePath(), QStringLiteral("GPS"),
                                                     U("三等三角點五指山"), U(mapping)));
        }
        dialogs.waypointPicks.clear();
        shell.opened.clear();
        EXPECT_TRUE(stones->LocateRow(&list, j, 0, false));
        ASSERT_EQ(dialogs.waypointPicks.size(), 1);
        EXPECT_EQ(dialogs.waypointPicks.first().item, j);
        ASSERT_NE(dialogs.waypointPicks.first().waypoints, nullptr);
        EXPECT_GE(dialogs.waypointPicks.first().waypoints->FindByName(U("五指山1")), 0);
        EXPECT_TRUE(shell.opened.isEmpty());
    }
}

// 基石無法歸類 shows peaks and stones in the peak columns; 地圖定位... on either kind of row
// locates it: a peak through the peak group's file, a stone through the stone group's.
TEST_F(SampleStonesTest, NoLevelLocatesItsPeakRowsAndItsStoneRows)
{
    REQUIRE_GPSBABEL();
    const int none = stones->FindSubset(CSubsetBase::kTypeNoStoneLevel, U("任何"));
    ASSERT_GE(none, 0);
    FakeItemList list;
    SubsetStatistics statistics;
    ASSERT_GT(stones->Subset(none)->FillList(&list, &statistics, nullptr), 0);
    const struct {
        quint32 value;
        const char* waypoint;
    } cases[] = {
        {quint32(Peak("玉山東峰")), "YUSHANE"},
        {kStoneRow + quint32(Stone("北市地測5")), "T5JUNJIAN"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.waypoint);
        const int row = int(list.RowValues().indexOf(c.value));
        ASSERT_GE(row, 0);
        shell.opened.clear();
        EXPECT_TRUE(stones->LocateRowFor(&list, row, none, 0, false));
        ASSERT_EQ(shell.opened.size(), 1);
        EXPECT_EQ(shell.opened.first(), platform::JoinPath(platform::ProgramFolder(), QStringLiteral("~~TempWP.gdb")));
        GpxContent located;
        ASSERT_TRUE(GpsbabelReading(shell.opened.first(), &located, QStringLiteral("gdb")));
        ASSERT_EQ(located.waypoints.size(), 1u);
        EXPECT_EQ(located.waypoints[0].name, U(c.waypoint));
    }
    EXPECT_TRUE(dialogs.waypointPicks.isEmpty());
}

} // namespace
