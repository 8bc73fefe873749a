// Region subsets and the region services over settings files as the owner's Windows machine
// writes them (tests/data/regions): list splitting, display-name conversions, the tree and list
// texts with cached counts, filling the item list with visit statistics, and marking the map.
#include "catalog/GroupTable.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/subsets/regions/SubsetNoRegion.h"
#include "catalog/subsets/regions/SubsetRegion.h"
#include "catalog/subsets/regions/SubsetRegionSet.h"
#include "catalog/talvane/GroupTalvane.h"

#include "FakeItemList.h"
#include "FakeListBox.h"
#include "FakePointView.h"
#include "FakeSubsetTree.h"
#include "TempDir.h"
#include "TestGroups.h"
#include "catalog/records/WaterfallItemRecord.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>

namespace {

// A group whose items have preset region texts, visits and companion visits, and that records
// how subsets set up its columns and insert its rows. Its InsertItemRow declines, as the groups
// whose rows come later do, and adds nothing to the list.
template <class Base, class Record>
class RegionGroup : public Base {
public:
    template <class... Args>
    explicit RegionGroup(Args&&... args) : Base(std::forward<Args>(args)...)
    {
    }
    void SetRegions(const QStringList& texts)
    {
        regions = texts;
        for (qsizetype i = 0; i < texts.size(); ++i)
            this->template AppendItem<Record>();
    }
    bool GetItemRegion(int item, QString* text) override
    {
        *text = regions.value(item);
        return item >= 0 && item < regions.size();
    }
    void SetupItemColumns(IItemList*, const ColumnLayout*) override { calls << QStringLiteral("columns"); }
    bool InsertItemRow(IItemList*, int row, int item) override
    {
        calls << QStringLiteral("row %1 %2").arg(row).arg(item);
        return false;
    }
    int CountVisits(int item) override { return visits.value(item); }
    int CountMateVisitsOf(int item, int companion) override { return mateVisits.value(item).value(companion); }
    bool ShowItemOnMap(IPointView* view, int item) override
    {
        return view->AddItem(0, 0, quint32(item), regions.value(item), QString(), 0, 0);
    }

    QStringList regions;
    QList<int> visits;
    QList<QList<int>> mateVisits;
    QStringList calls;
};

using Peaks = RegionGroup<CGroupTalvane, TalvaneItemRecord>;
using Waterfalls = RegionGroup<TestGroup<WaterfallItemRecord>, WaterfallItemRecord>;

QByteArray Fixture(const char* name)
{
    return ReadBytes(QStringLiteral(TALVANE_TEST_DATA "/regions/") + QString::fromUtf8(name));
}

// Items 0 to 5 by region text; an empty text names no region.
const QStringList kItemRegions = {"台北縣烏來區", "", "桃園縣復興鄉", "新竹縣尖石鄉", "台北縣三峽區", "宜蘭縣"};

class SubsetRegionTest : public ::testing::Test {
protected:
    void SetUp() override { UseSettings(Fixture("settings_utf16le.txt")); }
    void UseSettings(const QByteArray& bytes)
    {
        platform::ClearProfileCache();
        DisplayNameConversions::Program().Reset();
        platform::SetProgramFolder(dir.path());
        dir.write(QStringLiteral("峰嵐錄.txt"), bytes);
        table.LoadSettings();
        dir.write(QStringLiteral("data/Cache.txt"),
                  Utf16LeWithBom(QStringLiteral("[Talvane]\r\n台北縣的山=9\r\n北部的山=0\r\n")));
    }
    // Peaks of kItemRegions with visits and three companions' visits.
    void LoadPeaks()
    {
        for (int j = 0; j < 3; ++j)
            peaks.AddMate(std::make_unique<HikingMate>());
        peaks.SetRegions(kItemRegions);
        peaks.visits = {2, 5, 0, 1, 1, 0};
        peaks.mateVisits = {{1, 0, 3}, {1, 1, 1}, {0, 0, 2}, {}, {4, 0, 0}, {}};
    }
    // The peak group's region subsets: the set, each region followed by its members, and the
    // items of no region.
    void AddRegionSubsets(CGroupBase* group)
    {
        group->AddSubset(new CSubsetRegionSet(QStringLiteral("北部"), group));
        group->AddSubset(new CSubsetRegion(QStringLiteral("台北縣"), group, true));
        group->AddSubset(new CSubsetRegion(QStringLiteral("烏來"), group, false));
        group->AddSubset(new CSubsetRegion(QStringLiteral("三峽"), group, false));
        group->AddSubset(new CSubsetRegion(QStringLiteral("桃園縣"), group, true));
        group->AddSubset(new CSubsetRegion(QStringLiteral("復興"), group, false));
        group->AddSubset(new CSubsetNoRegion(group));
    }

    TempDir dir;
    CGroupTable table;
    Peaks peaks;
};

TEST(SplitListTest, EntriesEndAtACommaAfterTheirFirstCharacter)
{
    const struct {
        const char* text;
        int limit;
        QStringList pieces;
    } cases[] = {
        {"a,b", 30, {"a", "b"}},
        {"a,,b", 30, {"a", ",b"}},
        {",a,b", 30, {",a,b"}},
        {"a,", 30, {"a"}},
        {"台北縣,桃園縣,新竹縣", 2, {"台北縣", "桃園縣"}},
        {"", 30, {}},
        {"a,b", 0, {}},
        {" a , b ", 30, {" a ", " b "}},
    };
    for (const auto& c : cases) {
        QStringList pieces{"old"};
        EXPECT_EQ(SplitList(QString::fromUtf8(c.text), &pieces, c.limit), c.pieces.size()) << c.text;
        EXPECT_EQ(pieces, c.pieces) << c.text;
    }
    EXPECT_EQ(SplitList(u"a,b", nullptr, 30), 0);
}

TEST_F(SubsetRegionTest, ConstructorsSetTypeFolderNameAndSection)
{
    Waterfalls falls(QStringLiteral("Waterfall"), QStringLiteral("瀑布"));
    const CSubsetRegion region(QStringLiteral("台北縣"), &peaks, true);
    const CSubsetRegion percent(QStringLiteral("50%1%"), &falls, false);
    const CSubsetRegionSet set(QStringLiteral("北部"), &peaks);
    const CSubsetNoRegion none(&falls);
    const struct {
        const CSubsetBase* subset;
        int type;
        const char* name;
        const char* section;
    } cases[] = {
        {&region, 6, "台北縣的山", "Talvane"},
        {&percent, 6, "50%1%的瀑布", "Waterfall"},
        {&set, 8, "北部的山", "Talvane"},
        {&none, 7, "區域無法歸類", "Waterfall"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.subset->TypeCode(), c.type) << c.name;
        EXPECT_EQ(c.subset->FolderCode(), 1) << c.name;
        EXPECT_EQ(c.subset->DisplayName(), QString::fromUtf8(c.name));
        EXPECT_EQ(c.subset->Section(), QString::fromUtf8(c.section));
    }
    EXPECT_TRUE(set.TopLevel());
    EXPECT_FALSE(percent.TopLevel());
}

TEST_F(SubsetRegionTest, ConversionsSkipMalformedPairsAndStopAtTheFirstEmptyKey)
{
    // Convert1 and Convert4 apply; 2 and 3 are malformed; 6 stands after the empty 5.
    const QString text = QStringLiteral("台北縣 桃園縣 復興 無逗號 ,開頭逗號");
    const QString expected = QStringLiteral("新北市 桃園市 復興 無逗號 ,開頭逗號");
    QString output;
    EXPECT_EQ(ConvertDisplayName(text, &output), expected);
    EXPECT_EQ(output, expected);
    // Later calls give the same result, and the table is not read again during the run.
    dir.write(QStringLiteral("峰嵐錄.txt"), Fixture("settings_no_first_cp950.txt"));
    platform::ClearProfileCache();
    EXPECT_EQ(ConvertDisplayName(text), expected);
    EXPECT_EQ(DisplayNameConversions::Program().Pairs().size(), 2);
}

TEST_F(SubsetRegionTest, AnEmptyFirstConversionKeyLoadsNoConversion)
{
    UseSettings(Fixture("settings_no_first_cp950.txt"));
    EXPECT_EQ(ConvertDisplayName(QStringLiteral("台北縣")), QStringLiteral("台北縣"));
    EXPECT_TRUE(DisplayNameConversions::Program().Loaded());
    EXPECT_TRUE(DisplayNameConversions::Program().Pairs().isEmpty());
    // The regions of the CP950 file read as well.
    QStringList members;
    EXPECT_EQ(ReadRegionMembers(QStringLiteral("台北縣"), &members), 2);
    EXPECT_EQ(members, QStringList({"烏來", "三峽"}));
}

TEST_F(SubsetRegionTest, TreeNestsSubRegionsUnderTheirRegionAtEveryFillingAndListBoxesMarkThem)
{
    // A member before any top-level region stays under its folder.
    peaks.AddSubset(new CSubsetRegion(QStringLiteral("孤立"), &peaks, false));
    AddRegionSubsets(&peaks);
    const QStringList expected = {
        "地區 [0] +",        "  孤立的山 [1]",  "  北部的山 [2]",   "  新北市的山 (9) [3]", "    烏來的山 [4]",
        "    三峽的山 [5]", "  桃園市的山 [6]", "    復興的山 [7]", "  區域無法歸類 [8]",
    };
    FakeSubsetTree tree;
    for (int filling = 0; filling < 2; ++filling) {
        ASSERT_TRUE(peaks.FillSubsetTree(&tree));
        EXPECT_EQ(tree.Dump(), expected) << "filling " << filling;
    }
    FakeListBox box;
    for (int i = 0; i < peaks.SubsetCount(); ++i)
        EXPECT_TRUE(peaks.Subset(i)->AddToListBox(&box));
    EXPECT_EQ(box.texts, QStringList({"..孤立的山", "北部的山", "新北市的山 (9)", "..烏來的山", "..三峽的山",
                                      "桃園市的山", "..復興的山", "區域無法歸類"}));
}

TEST_F(SubsetRegionTest, CountIsStoredUnderTheUnconvertedNameAndShownUnderTheConvertedOne)
{
    LoadPeaks();
    AddRegionSubsets(&peaks);
    FakeSubsetTree tree;
    peaks.FillSubsetTree(&tree);
    FakeItemList list;
    const int rows = peaks.ShowSubsetItems(1, &list, nullptr, nullptr);
    EXPECT_EQ(rows, 2);
    platform::ClearProfileCache();
    EXPECT_EQ(platform::GetProfileInt(CacheFilePath(), QStringLiteral("Talvane"), QStringLiteral("台北縣的山")), 2);
    EXPECT_EQ(platform::GetProfileInt(CacheFilePath(), QStringLiteral("Talvane"), QStringLiteral("新北市的山"), -1), -1);

    const TreeNode node = peaks.FindTreeItemBySubset(&tree, 1);
    peaks.Subset(1)->UpdateTreeItemCount(&tree, node, rows);
    EXPECT_EQ(tree.NodeText(node), QStringLiteral("新北市的山 (2)"));
    EXPECT_EQ(peaks.FindSubset(CSubsetBase::kTypeRegion, QStringLiteral("烏來")), 2);
    EXPECT_EQ(peaks.FindSubset(CSubsetBase::kTypeRegionSet, QStringLiteral("北部")), 0);
    EXPECT_EQ(peaks.FindSubset(CSubsetBase::kTypeRegion, QStringLiteral("北部")), -1);
    EXPECT_EQ(peaks.FindSubset(CSubsetBase::kTypeRegion, QStringLiteral("新北市")), -1);
}

TEST_F(SubsetRegionTest, FillListListsByRegionTextAndCountsVisitsAndCompanions)
{
    LoadPeaks();
    AddRegionSubsets(&peaks);
    const struct {
        int subset;
        QList<int> items;
        int visited;             // -1: statistics left unchanged
        QList<int> companions;   // companions 0 to 2
    } cases[] = {
        {0, {0, 2, 4}, 2, {2, 0, 2}},  // 北部: 台北縣 and 桃園縣 with their members
        {1, {0, 4}, 2, {2, 0, 1}},     // 台北縣
        {2, {0}, 1, {1, 0, 1}},        // 烏來
        {5, {2}, 0, {0, 0, 1}},        // 復興
        {6, {1, 3, 5}, -1, {}},        // 區域無法歸類, with the empty region text
    };
    for (const auto& c : cases) {
        peaks.calls.clear();
        FakeItemList list;
        SubsetStatistics statistics;
        std::fill(std::begin(statistics.companions), std::end(statistics.companions), 77);
        const int rows = peaks.Subset(c.subset)->FillList(&list, &statistics, nullptr);
        QStringList calls{"columns"};
        for (int r = 0; r < c.items.size(); ++r)
            calls << QStringLiteral("row %1 %2").arg(r).arg(c.items[r]);
        EXPECT_EQ(rows, c.items.size()) << c.subset;
        EXPECT_EQ(peaks.calls, calls) << c.subset;
        EXPECT_EQ(statistics.visited, c.visited) << c.subset;
        for (int j = 0; j < SubsetStatistics::kMaxCompanions; ++j)
            EXPECT_EQ(statistics.companions[j], j < c.companions.size() ? c.companions[j] : 77)
                << c.subset << " companion " << j;

        FakePointView view;
        EXPECT_EQ(peaks.Subset(c.subset)->MarkOnMap(&view), c.items.size());
        QList<int> marked;
        for (const auto& point : view.points)
            marked << int(point.key);
        EXPECT_EQ(marked, c.items) << c.subset;
    }
    EXPECT_EQ(peaks.Subset(1)->FillList(nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(peaks.Subset(6)->MarkOnMap(nullptr), 0);
}

TEST_F(SubsetRegionTest, OtherGroupsGetTheVisitedCountButNoCompanionCounts)
{
    Waterfalls falls(QStringLiteral("Waterfall"), QStringLiteral("瀑布"));
    falls.SetRegions(kItemRegions);
    falls.visits = {1, 0, 0, 0, 0, 0};
    falls.mateVisits = {{1, 1}, {}, {}, {}, {1, 1}, {}};
    CSubsetRegion region(QStringLiteral("台北縣"), &falls, true);
    SubsetStatistics statistics;
    EXPECT_EQ(region.FillList(nullptr, &statistics, nullptr), 0);
    FakeItemList list;
    EXPECT_EQ(region.FillList(&list, &statistics, nullptr), 2);
    EXPECT_EQ(statistics.visited, 1);
    EXPECT_EQ(statistics.companions[0], 0);
    EXPECT_EQ(statistics.companions[1], 0);
}

TEST_F(SubsetRegionTest, AnEmptyRegionListPutsEveryItemIntoNoRegion)
{
    UseSettings(Utf16LeWithBom(QStringLiteral("[DataGroup]\r\nBaseFolder=data\r\n")));
    LoadPeaks();
    CSubsetNoRegion none(&peaks);
    FakeItemList list;
    EXPECT_EQ(none.FillList(&list, nullptr, nullptr), kItemRegions.size());
    CSubsetRegion region(QStringLiteral("台北縣"), &peaks, true);
    EXPECT_EQ(region.FillList(&list, nullptr, nullptr), 2);  // by its name alone
    QStringList regions;
    EXPECT_EQ(ReadRegionList(&regions, kMaxListedRegions), 0);
}

// 30 regions of 31 members each in one set, and a region list of 26 regions: the limits of 30
// members, 30 regions per set and 25 listed regions hold, and everything within them counts.
TEST_F(SubsetRegionTest, FullTablesKeepEveryWordWithinTheLimits)
{
    const auto regionName = [](int k) { return QStringLiteral("區%1").arg(k, 2, 10, QLatin1Char('0')); };
    const auto member = [](int k, int m) {
        return QStringLiteral("甲%1乙%2").arg(k, 2, 10, QLatin1Char('0')).arg(m, 2, 10, QLatin1Char('0'));
    };
    QStringList set, list;
    QString settings = QStringLiteral("[DataGroup]\r\nBaseFolder=data\r\n[Region]\r\n");
    for (int k = 1; k <= 31; ++k) {
        QStringList members;
        for (int m = 1; m <= 31; ++m)
            members << member(k, m);
        settings += regionName(k) + u'=' + members.join(u',') + QStringLiteral("\r\n");
        set << regionName(k);
        if (k <= 26)
            list << regionName(k);
    }
    settings += QStringLiteral("大區=") + set.join(u',') + QStringLiteral("\r\nRegionList=") + list.join(u',');
    UseSettings(Utf16LeWithBom(settings));

    // Items: 0 matched only by the last member of the last region of the set; 1 a 31st member;
    // 2 a 31st region; 3 the last member of the 25th region; 4 a 26th region (in the set, not
    // in the region list); 5 a 31st member of the 25th region.
    peaks.SetRegions({QStringLiteral("山腳") + member(30, 30), member(30, 31), member(31, 1), member(25, 30),
                      regionName(26), member(25, 31)});
    CSubsetRegionSet big(QStringLiteral("大區"), &peaks);
    CSubsetNoRegion none(&peaks);
    const auto markedKeys = [](CSubsetBase& subset) {
        FakePointView view;
        subset.MarkOnMap(&view);
        QList<quint32> keys;
        for (const auto& point : view.points)
            keys << point.key;
        return keys;
    };
    EXPECT_EQ(markedKeys(big), QList<quint32>({0, 3, 4}));
    EXPECT_EQ(markedKeys(none), QList<quint32>({0, 1, 2, 4, 5}));
}

} // namespace
