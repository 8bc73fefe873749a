// The survey-stone group's list, sorting, summaries, map points, row commands and the subsets
// its set-up builds, on stone files written as UTF-16LE with BOM and a settings file with stone
// levels.
#include "catalog/stone/GroupStone.h"

#include "FakeDialogRunner.h"
#include "FakeItemList.h"
#include "FakePointView.h"
#include "FakePopupMenu.h"
#include "FakeShell.h"
#include "FakeStatusText.h"
#include "TempDir.h"
#include "TestGroups.h"
#include "catalog/GroupTable.h"
#include "catalog/records/StoneNumber.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "catalog/window/WindowServices.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const QString kSettings = QStringLiteral(
    "[DataGroup]\r\nBaseFolder=data\r\n\r\n"
    "[StoneLevel]\r\nLevel1=一等,二等\r\nLevel2=三等\r\n\r\n"
    "[DisplayName]\r\nConvert1=南投,南投縣\r\n");

struct StoneFile {
    const char* stone;
    const char* name;
    int height;
    const char* extra;  // more key lines, CR LF separated
};

class StoneGroupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
        dir.write(QStringLiteral("峰嵐錄.txt"), Utf16LeWithBom(settings));
        table.LoadSettings();
        DisplayNameConversions::Program().Reset();
        table.SetServices(WindowServices{.popupMenu = &menu, .dialogs = &dialogs, .shell = &shell});
        group.Init(dir.file(QStringLiteral("峰嵐錄.txt")), &table, dir.file(QStringLiteral("data/基石")));
    }
    void TearDown() override { DisplayNameConversions::Program().Reset(); }

    // A stone group set up from the settings with more text appended.
    void InitWith(const QString& more, CGroupStone* fresh)
    {
        platform::ClearProfileCache();
        dir.write(QStringLiteral("峰嵐錄.txt"), Utf16LeWithBom(settings + more));
        table.LoadSettings();
        fresh->Init(dir.file(QStringLiteral("峰嵐錄.txt")), &table, dir.file(QStringLiteral("data/基石")));
    }

    void Load(const std::vector<StoneFile>& stones)
    {
        for (std::size_t i = 0; i < stones.size(); ++i) {
            const StoneFile& s = stones[i];
            QString text = QStringLiteral("[Stone]\r\nStone=%1\r\nName=%2\r\nHeight=%3\r\n%4\r\n")
                               .arg(QString::fromUtf8(s.stone), QString::fromUtf8(s.name),
                                    QString::number(s.height), QString::fromUtf8(s.extra));
            const QString path = dir.write(QStringLiteral("data/基石/s%1.txt").arg(i, 2, 10, QChar(u'0')),
                                           Utf16LeWithBom(text));
            group.LoadItemFile(path, platform::FileTime{1});
        }
        ASSERT_EQ(group.ItemCount(), int(stones.size()));
    }
    void Fill()
    {
        list.rows.clear();
        list.columns.clear();
        group.SetupItemColumns(&list, nullptr);
        for (int i = 0; i < group.ItemCount(); ++i)
            ASSERT_TRUE(group.InsertItemRow(&list, i, i));
    }
    // The stones the rows show, by their stone numbers.
    QStringList Order() const
    {
        QStringList texts;
        for (const FakeItemList::Row& row : list.rows)
            texts << row.cells.value(0);
        return texts;
    }

    const QString settings = kSettings;
    TempDir dir;
    CGroupTable table;
    FakePopupMenu menu;
    FakeDialogRunner dialogs;
    FakeShell shell;
    FakeItemList list;
    CGroupStone group;
};

const std::vector<StoneFile> kSortStones = {
    {"三等6016", "合歡山", 3417, "Region=南投\r\nVisit1=3"},
    {"一等1", "奇萊", 3607, "Region=花蓮"},
    {"三等50", "甲", 0, ""},
    {"X", "乙", 500, ""},
    {"無", "丙", 3417, ""},
    {"三等050", "丁", 10, ""},
    {"三等123456789012", "戊", 20, ""},
    {"二等3", "己", 3000, ""},
};

TEST_F(StoneGroupTest, ColumnsAndTheirAssignForm)
{
    struct Expected {
        const char* title;
        int width;
        ColumnAlign align;
    };
    const std::vector<Expected> own = {{"基石", 100, ColumnAlign::Left},
                                       {"標高(m)", 70, ColumnAlign::Right},
                                       {"名稱", 80, ColumnAlign::Left},
                                       {"地區", 80, ColumnAlign::Left},
                                       {"已摸", 60, ColumnAlign::Left}};
    for (bool assign : {false, true}) {
        SCOPED_TRACE(assign);
        FakeItemList columns;
        if (assign)
            group.SetupAssignColumns(&columns);
        else
            group.SetupItemColumns(&columns, nullptr);
        ASSERT_EQ(columns.columns.size(), qsizetype(own.size()));
        for (std::size_t c = 0; c < own.size(); ++c) {
            const char* title = assign && c == 4 ? "已設定" : own[c].title;
            EXPECT_EQ(columns.columns[c].title, QString::fromUtf8(title));
            EXPECT_EQ(columns.columns[c].width, own[c].width);
            EXPECT_EQ(columns.columns[c].align, own[c].align);
        }
    }
}

TEST_F(StoneGroupTest, RowsCarryTheStoneRowValueAndTheirCells)
{
    Load(kSortStones);
    Fill();
    EXPECT_EQ(list.rows[0].data, 60000u);
    EXPECT_EQ(list.rows[7].data, 60007u);
    EXPECT_EQ(list.rows[0].cells, QStringList({"三等6016", "3417", "合歡山", "南投縣", "V"}));
    EXPECT_EQ(list.rows[1].cells, QStringList({"一等1", "3607", "奇萊", "花蓮", ""}));
    EXPECT_EQ(list.rows[2].cells.value(1), "0") << "a height of 0 is shown";
    // The assign form marks what the caller says, not the visits.
    FakeItemList assign;
    group.SetupAssignColumns(&assign);
    EXPECT_TRUE(group.InsertItemRowEx(&assign, 0, 0, true, false));
    EXPECT_TRUE(group.InsertItemRowEx(&assign, 1, 1, true, true));
    EXPECT_EQ(assign.rows[0].cells.value(4), "");
    EXPECT_EQ(assign.rows[1].cells.value(4), "V");
    // An index past the stones adds no row.
    EXPECT_FALSE(group.InsertItemRowEx(&assign, 2, 8, false, false));
    EXPECT_FALSE(group.InsertItemRow(&assign, 2, -1));
    EXPECT_EQ(assign.rows.size(), 2);
}

TEST_F(StoneGroupTest, StoneColumnSortsByLevelKeyThenTextAndReversesOnTheNextClick)
{
    Load(kSortStones);
    Fill();
    // Keys (level * 1000000 + word * 10000 + number): 一等1 1010001, 二等3 1020003, 三等050 and
    // 三等50 2010050 (ordered by their texts), 三等6016 2016016, X 10000000, 無 11000000, and the
    // twelve-digit number read saturating at 2147483647 above them all.
    ASSERT_TRUE(group.SortItemList(&list, 0));
    const QStringList ascending = {"一等1", "二等3", "三等050", "三等50", "三等6016", "X", "無",
                                   "三等123456789012"};
    EXPECT_EQ(Order(), ascending);
    ASSERT_TRUE(group.SortItemList(&list, 0));
    QStringList descending(ascending.rbegin(), ascending.rend());
    EXPECT_EQ(Order(), descending);
    ASSERT_TRUE(group.SortItemList(&list, 0));
    EXPECT_EQ(Order(), ascending);
}

TEST_F(StoneGroupTest, HeightColumnSortsDescendingFirstAndKeepsTheOrderOfEqualHeights)
{
    Load(kSortStones);
    Fill();
    ASSERT_TRUE(group.SortItemList(&list, 1));
    EXPECT_EQ(Order(), QStringList({"一等1", "三等6016", "無", "二等3", "X", "三等123456789012",
                                    "三等050", "三等50"}));
    ASSERT_TRUE(group.SortItemList(&list, 1));
    EXPECT_EQ(Order(), QStringList({"三等50", "三等050", "三等123456789012", "X", "二等3",
                                    "三等6016", "無", "一等1"}));
    // Other columns do nothing.
    for (int column : {2, 3, 4, -1, 99})
        EXPECT_FALSE(group.SortItemList(&list, column));
    EXPECT_EQ(list.rows[0].cells.value(0), "三等50");
    EXPECT_FALSE(group.SortItemList(nullptr, 0));
}

TEST_F(StoneGroupTest, SettingUpColumnsRestartsBothDirections)
{
    Load(kSortStones);
    Fill();
    group.SortItemList(&list, 0);
    group.SortItemList(&list, 1);
    Fill();  // the columns again
    group.SortItemList(&list, 0);
    EXPECT_EQ(Order().first(), "一等1");
    group.SortItemList(&list, 1);
    EXPECT_EQ(Order().first(), "一等1") << "3607 m, descending first";
}

TEST_F(StoneGroupTest, RowsThatNameNoStoneSortSafelyTogether)
{
    Load(kSortStones);
    Fill();
    // A peak row, a second-stone row, a value past the stones and the separator value: they
    // sort with an empty text of unknown level, just before X.
    for (quint32 value : {0u, 20001u, 60000u + 8u, 80000u, 0xFFFFFFFFu})
        list.rows.append(FakeItemList::Row{{QStringLiteral("?")}, value});
    ASSERT_TRUE(group.SortItemList(&list, 0));
    EXPECT_EQ(Order(), QStringList({"一等1", "二等3", "三等050", "三等50", "三等6016", "?", "?",
                                    "?", "?", "?", "X", "無", "三等123456789012"}));
    ASSERT_TRUE(group.SortItemList(&list, 1));
    EXPECT_EQ(Order().mid(6), QStringList({"三等050", "三等50", "?", "?", "?", "?", "?"}))
        << "the heights of 0 in their earlier order, after 10 m";
}

TEST_F(StoneGroupTest, SummaryLinesAndStoneNumbers)
{
    struct Case {
        const char* stone;
        const char* display;  // the stone in the summary
    };
    const std::vector<Case> cases = {
        {"都計四等12", "北市都市計劃處四等三角點NO.12"},
        {"都計四等", "北市都市計劃處四等三角點NO."},
        {"地測精幹點3", "北市地測精幹點‧市3"},
        {"地測精幹點A3", "地測精幹點A3"},
        {"北市地測5", "北市府地測5"},
        {"北市地測", "北市地測"},
        {"北市地測X", "北市地測X"},
        {"無", "無基石"},
        {"無A", "無A"},
        {"三等123456789012", "三等123456789012"},
    };
    std::vector<StoneFile> files;
    for (const Case& c : cases)
        files.push_back({c.stone, "合歡山", 3417, "Region=南投"});
    Load(files);
    FakeStatusText status;
    for (int i = 0; i < int(cases.size()); ++i) {
        SCOPED_TRACE(cases[i].stone);
        const QString expected = QStringLiteral("合歡山，3417m，%1 [南投縣]")
                                     .arg(QString::fromUtf8(cases[i].display));
        EXPECT_EQ(FormatStoneNumber(QString::fromUtf8(cases[i].stone)), QString::fromUtf8(cases[i].display));
        EXPECT_EQ(group.SummaryLine(i), expected);
        ASSERT_TRUE(group.ShowItemSummary(&status, i));
        EXPECT_EQ(status.text, expected);
    }
    // The description keeps the stone as stored.
    QString description;
    group.FormatItemDescription(0, &description);
    EXPECT_EQ(description, "合歡山，3417m，都計四等12");
}

TEST_F(StoneGroupTest, NamesAndStonesHoldingPercentSignsShowAsTheyAre)
{
    Load({{"三等%1", "%2山", 1200, "Region=南投"}});
    EXPECT_EQ(group.SummaryLine(0), u"%2山，1200m，三等%1 [南投縣]"_qs);
    QString description;
    group.FormatItemDescription(0, &description);
    EXPECT_EQ(description, u"%2山，1200m，三等%1"_qs);
}

TEST_F(StoneGroupTest, RowSummaryOnlyForRowsOfAStone)
{
    Load({{"三等6016", "", 0, ""}});
    Fill();
    list.rows.append(FakeItemList::Row{{QStringLiteral("peak")}, 0});
    list.rows.append(FakeItemList::Row{{QStringLiteral("far")}, 60001});
    FakeStatusText status;
    ASSERT_TRUE(group.ShowRowSummary(&status, &list, 0));
    EXPECT_EQ(status.text, "，0m，三等6016 []");
    for (int row : {1, 2, 3, -1}) {
        status.text = QStringLiteral("old");
        EXPECT_FALSE(group.ShowRowSummary(&status, &list, row)) << row;
        EXPECT_EQ(status.text, "") << row;
    }
    EXPECT_FALSE(group.ShowItemSummary(&status, 1));
    EXPECT_EQ(group.SummaryLine(-1), "");
}

TEST_F(StoneGroupTest, QueriesOfARecord)
{
    Load(kSortStones);
    QString a = QStringLiteral("x"), b = QStringLiteral("x"), c = QStringLiteral("x");
    EXPECT_FALSE(group.GetItemStones(0, &a, &b, &c));
    EXPECT_EQ(QStringList({a, b, c}), QStringList({"三等6016", "", ""}));
    // A stone gives no item names and no region: nothing searches or locates it by its place.
    EXPECT_FALSE(group.GetItemNames(1, &a, &b));
    EXPECT_EQ(QStringList({a, b}), QStringList({"", ""}));
    EXPECT_FALSE(group.GetItemRegion(1, &c));
    EXPECT_EQ(c, "");
    EXPECT_EQ(group.GetItemHeight(1), 3607);
    EXPECT_EQ(group.GetItemHeight(8), 0);
    EXPECT_EQ(group.CountVisits(0), 1);
    EXPECT_EQ(group.CountVisits(1), 0);
    EXPECT_EQ(group.CountVisits(-1), 1) << "stones touched";
    EXPECT_FALSE(group.GetItemStones(8, &a, &b, &c));
    EXPECT_EQ(a, "");
    for (int feature = 0; feature <= 9; ++feature)
        EXPECT_EQ(group.HasFeature(feature), feature == 0 || feature == 1 || feature == 2 || feature == 7)
            << feature;
}

TEST_F(StoneGroupTest, MapPointsAreKeyedByTheRowValue)
{
    Load({{"三等6016", "合歡山", 3417, "Visit1=5\r\nVisit2=6\r\nLongitude=121.2712\r\nAttitude=24.1372"},
          {"一等1", "奇萊", 3607, ""}});
    FakePointView view;
    ASSERT_TRUE(group.ShowItemOnMap(&view, 0));
    ASSERT_TRUE(group.ShowItemOnMapAt(&view, 1, 4));
    ASSERT_TRUE(group.ShowItemOnMapAt(&view, 1, 4, 40001u));
    EXPECT_FALSE(group.ShowItemOnMapAt(&view, 2, 0));
    ASSERT_EQ(view.points.size(), 3);
    EXPECT_EQ(view.points[0].key, 60000u);
    EXPECT_DOUBLE_EQ(view.points[0].x, 121.2712);
    EXPECT_DOUBLE_EQ(view.points[0].y, 24.1372);
    EXPECT_EQ(view.points[0].name, "合歡山");
    EXPECT_EQ(view.points[0].label, "合歡山，3417m，三等6016");
    EXPECT_EQ(view.points[0].visitCount, 2);
    EXPECT_EQ(view.points[0].number, 0);
    EXPECT_EQ(view.points[1].key, 60001u);
    EXPECT_EQ(view.points[1].number, 4);
    EXPECT_EQ(view.points[1].x, 0.0) << "a stone without coordinates is passed as it is";
    EXPECT_EQ(view.points[2].key, 40001u);
}

TEST_F(StoneGroupTest, RowMenuEditAndLocateTakeOnlyStoneRows)
{
    Load({{"三等6016", "合歡山", 3417, ""}});
    Fill();
    list.rows.append(FakeItemList::Row{{QStringLiteral("peak")}, 0});
    ASSERT_TRUE(group.PopupItemMenu(&list, 0));
    ASSERT_EQ(menu.shown.size(), 1);
    QList<int> ids;
    QStringList texts;
    for (const MenuEntry& e : menu.shown[0].entries) {
        ids << e.id;
        texts << e.text;
    }
    EXPECT_EQ(ids, QList<int>({1013, 1046, 1047}));
    EXPECT_EQ(texts, QStringList({"地圖定位...", "地圖定位(5K)...", "地圖定位(10K)..."}));

    ASSERT_TRUE(group.EditItemFile(&list, 0));
    EXPECT_EQ(shell.edited, QStringList{group.ItemPath(0)});
    EXPECT_FALSE(group.EditItemFile(&list, 1));
    EXPECT_FALSE(group.EditItemFile(&list, 2));
    EXPECT_EQ(shell.edited.size(), 1);
    // No waypoint file: locating a stone row ends without a picker; other rows locate nothing.
    EXPECT_FALSE(group.LocateRow(&list, 1, 0, false));
    EXPECT_FALSE(group.LocateRow(&list, 5, 0, false));
    EXPECT_TRUE(dialogs.waypointPicks.isEmpty());
}

TEST_F(StoneGroupTest, FindDialogInStoneModeGetsOnlyAStoneSubset)
{
    CGroupStone stones;
    InitWith(QStringLiteral("\r\n[Stone]\r\nStone1=水源\r\n"), &stones);
    ASSERT_GE(stones.SubsetCount(), 2);
    CSubsetBase* word = stones.Subset(0);
    CSubsetBase* noLevel = stones.Subset(stones.FindSubset(CSubsetBase::kTypeNoStoneLevel, QString()));
    ASSERT_EQ(word->TypeCode(), CSubsetBase::kTypeStone);
    ASSERT_EQ(noLevel->TypeCode(), CSubsetBase::kTypeNoStoneLevel);
    QStringList log;
    RecordingSubset other(&log);  // a subset of another type holds no stones
    QString text = QStringLiteral("合歡");
    for (CSubsetBase* subset : {word, noLevel, static_cast<CSubsetBase*>(&other),
                                static_cast<CSubsetBase*>(nullptr)})
        EXPECT_TRUE(stones.RunFindDialog(nullptr, subset, &text, 12, 3001));
    ASSERT_EQ(dialogs.finds.size(), 4);
    const QList<CSubsetBase*> passed = {word, noLevel, nullptr, nullptr};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(dialogs.finds[i].kind, FindDialogKind::Stones);
        EXPECT_EQ(dialogs.finds[i].group, &stones);
        EXPECT_EQ(dialogs.finds[i].subset, passed[i]);
        EXPECT_EQ(dialogs.finds[i].searchText, "");
        EXPECT_EQ(dialogs.finds[i].walkNumber, 0);
        EXPECT_EQ(dialogs.finds[i].atlasCode, 0);
    }
}

// --- the subsets of Init ----------------------------------------------------------------------

struct SubsetRow {
    QString name;
    int type;
    bool operator==(const SubsetRow&) const = default;
};

std::vector<SubsetRow> SubsetsOf(const CGroupBase& group)
{
    std::vector<SubsetRow> rows;
    for (int i = 0; i < group.SubsetCount(); ++i)
        rows.push_back({group.Subset(i)->DisplayName(), group.Subset(i)->TypeCode()});
    return rows;
}

void PrintTo(const SubsetRow& row, std::ostream* os)
{
    *os << row.name.toStdString() << "/" << row.type;
}

TEST_F(StoneGroupTest, InitBuildsSettingsWordsThenLevelWordsThenTheStonesOfNoLevel)
{
    CGroupStone stones;
    InitWith(QStringLiteral("\r\n[Stone]\r\nStone1=水源\r\nStone2=森林\r\nStone4=不讀\r\n"), &stones);
    const std::vector<SubsetRow> expected = {{"水源基石", 1}, {"森林基石", 1}, {"一等基石", 1},
                                             {"二等基石", 1}, {"三等基石", 1}, {"基石無法歸類", 18},
                                             {"尚未定位", 15}};
    EXPECT_EQ(SubsetsOf(stones), expected);
}

TEST_F(StoneGroupTest, WithoutSettingsWordsTheLevelsAndTheRestAreStillBuilt)
{
    CGroupStone stones;
    InitWith(QStringLiteral("\r\n[Stone]\r\nStone1=\r\nStone2=森林\r\n"), &stones);
    const std::vector<SubsetRow> expected = {{"一等基石", 1}, {"二等基石", 1}, {"三等基石", 1},
                                             {"基石無法歸類", 18}, {"尚未定位", 15}};
    EXPECT_EQ(SubsetsOf(stones), expected);
}

TEST_F(StoneGroupTest, FiveHundredSettingsWordsFillTheGroup)
{
    QString words = QStringLiteral("\r\n[Stone]\r\n");
    for (int n = 1; n <= 520; ++n)
        words += QStringLiteral("Stone%1=W%1\r\n").arg(n);
    CGroupStone stones;
    InitWith(words, &stones);
    ASSERT_EQ(stones.SubsetCount(), 500) << "no level words, no 基石無法歸類, no 尚未定位";
    EXPECT_EQ(stones.Subset(0)->DisplayName(), "W1基石");
    EXPECT_EQ(stones.Subset(499)->DisplayName(), "W500基石");
    for (int i = 0; i < stones.SubsetCount(); ++i)
        ASSERT_EQ(stones.Subset(i)->TypeCode(), CSubsetBase::kTypeStone) << i;
}

} // namespace
