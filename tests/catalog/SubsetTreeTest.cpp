// The group's subsets in the tree and the list boxes with their cached counts, filling the item
// list from a subset with the count written back to Cache.txt, and the related group.
#include "catalog/GroupBase.h"
#include "catalog/GroupTable.h"

#include "FakeItemList.h"
#include "FakeListBox.h"
#include "FakeStatusText.h"
#include "FakeSubsetTree.h"
#include "TempDir.h"
#include "TestGroups.h"
#include "platform/FileTime.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>

namespace {

using PeakGroup = TestGroup<TalvaneItemRecord>;
using Nesting = ListingSubset::Nesting;
using Columns = QList<ListingSubset::Column>;

QByteArray Fixture(const char* name)
{
    return ReadBytes(QStringLiteral(TALVANE_TEST_DATA "/subsets/") + QString::fromUtf8(name));
}

// Appends a column at the right of a list.
void AddColumn(IItemList& list, const QString& title, int width)
{
    list.InsertColumn(list.ColumnCount(), title, width);
}

// A tree that counts the node texts written.
class CountingTree : public FakeSubsetTree {
public:
    bool SetNodeText(TreeNode node, const QString& text) override
    {
        ++textWrites;
        return FakeSubsetTree::SetNodeText(node, text);
    }
    int textWrites = 0;
};

class SubsetTreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
        dir.write(QStringLiteral("峰嵐錄.txt"), Utf16LeWithBom(QStringLiteral("[DataGroup]\r\nBaseFolder=data\r\n")));
        table.LoadSettings();
        cache = dir.write(QStringLiteral("data/Cache.txt"), Fixture("cache_cp950.txt"));
    }
    ListingSubset* Add(const QString& name, int type = 0, int folder = 0, const QString& word = {})
    {
        auto* subset = new ListingSubset(&group, name, type, folder, word);
        group.AddSubset(subset);
        return subset;
    }
    int CachedCount(const QString& name)
    {
        platform::ClearProfileCache();
        return platform::GetProfileInt(cache, QStringLiteral("Talvane"), name, 0);
    }
    // The children of a node, in order.
    QList<TreeNode> Children(TreeNode node) const
    {
        return node == kNoTreeNode ? tree.topLevel : tree.Find(node)->children;
    }

    TempDir dir;
    CGroupTable table;
    PeakGroup group{"Talvane", "山"};
    CountingTree tree;
    QString cache;
};

TEST_F(SubsetTreeTest, FoldersStandInTheOrderOfTheirCodesAndOnlyALoneOneIsExpanded)
{
    const struct {
        QList<std::pair<const char*, int>> subsets;  // name and folder code
        QStringList tree;
    } cases[] = {
        // Cached counts: 100 and 12 are shown; 0, -4 and a missing one are not.
        {{{"百岳", 0}, {"三角點", 0}, {"負數", 0}, {"未快取", 0}, {"南橫 (東段)", 0}, {"50%1", 0}},
         {"基本 [0] +", "  百岳 (100) [1]", "  三角點 [2]", "  負數 [3]", "  未快取 [4]", "  南橫 (東段) (12) [5]",
          "  50%1 [6]"}},
        // Several folders stay closed; a code without folder puts its subset at the top level.
        {{{"a", 2}, {"b", 0}, {"c", 1}, {"d", 2}, {"e", 3}, {"f", 7}},
         {"造訪 [0]", "  a [1]", "  d [4]", "基本 [0]", "  b [2]", "地區 [0]", "  c [3]", "水源 [0]", "  e [5]", "f [6]"}},
        {{{"x", 7}, {"y", 1}}, {"x [1]", "地區 [0] +", "  y [2]"}},
    };
    for (const auto& c : cases) {
        PeakGroup peaks{"Talvane", "山"};
        for (const auto& [name, folder] : c.subsets)
            peaks.AddSubset(new ListingSubset(&peaks, QString::fromUtf8(name), 0, folder));
        ASSERT_TRUE(peaks.FillSubsetTree(&tree));
        EXPECT_EQ(tree.Dump(), c.tree);
    }
    EXPECT_FALSE(group.FillSubsetTree(nullptr));
}

TEST_F(SubsetTreeTest, ARefillStartsEmptyAndNestsNoNodeUnderOneOfAnEarlierFilling)
{
    ListingSubset* heading = Add(QStringLiteral("H"));
    heading->nesting = Nesting::Heading;
    Add(QStringLiteral("M1"))->nesting = Nesting::Member;
    Add(QStringLiteral("M2"))->nesting = Nesting::Member;
    const QStringList nested = {"基本 [0] +", "  H [1]", "    M1 [2]", "    M2 [3]"};
    group.FillSubsetTree(&tree);
    EXPECT_EQ(tree.Dump(), nested);
    const TreeNode oldHeading = group.FindTreeItemBySubset(&tree, 0);

    group.FillSubsetTree(&tree);
    EXPECT_EQ(tree.Dump(), nested);
    EXPECT_NE(group.FindTreeItemBySubset(&tree, 0), oldHeading);

    heading->hidden = true;
    group.FillSubsetTree(&tree);
    EXPECT_EQ(tree.Dump(), QStringList({"基本 [0] +", "  M1 [2]", "  M2 [3]"}))
        << "without a heading in this filling the members go under their folder";
    heading->UpdateTreeItemCount(&tree, oldHeading, 5);
    EXPECT_EQ(tree.Dump(), QStringList({"基本 [0] +", "  M1 [2]", "  M2 [3]"}))
        << "a node of an earlier filling is no node";
}

TEST_F(SubsetTreeTest, TreeItemsAreFoundTwoLevelsBelowTheTop)
{
    Add(QStringLiteral("百岳"));
    Add(QStringLiteral("H"))->nesting = Nesting::Heading;
    Add(QStringLiteral("M1"))->nesting = Nesting::Member;
    Add(QStringLiteral("M2"))->nesting = Nesting::Member;
    Add(QStringLiteral("南橫 (東段)"));
    Add(QStringLiteral("T"), 0, 9);  // top level, no children
    group.FillSubsetTree(&tree);
    const QList<TreeNode> basic = Children(tree.topLevel[0]);
    ASSERT_EQ(basic.size(), 3);
    const QList<TreeNode> members = Children(basic[1]);
    ASSERT_EQ(members.size(), 2);
    tree.SetNodeData(tree.InsertNode(members[0], QStringLiteral("深")), 99);
    EXPECT_EQ(tree.NodeData(basic[2]), 5u);

    const struct { int subset; TreeNode node; } bySubset[] = {
        {0, basic[0]}, {1, basic[1]}, {2, members[0]}, {3, members[1]}, {4, basic[2]},
        {5, kNoTreeNode}, {-1, kNoTreeNode}, {6, kNoTreeNode}, {98, kNoTreeNode}};
    for (const auto& c : bySubset)
        EXPECT_EQ(group.FindTreeItemBySubset(&tree, c.subset), c.node) << "subset " << c.subset;

    const struct { const char* text; TreeNode node; } byText[] = {
        {"百岳 (100)", basic[0]}, {"百岳", kNoTreeNode}, {"H", kNoTreeNode}, {"M2", members[1]},
        {"南橫 (東段) (12)", basic[2]}, {"T", kNoTreeNode}, {"基本", kNoTreeNode}, {"深", kNoTreeNode}};
    for (const auto& c : byText)
        EXPECT_EQ(group.FindTreeItemByText(&tree, QString::fromUtf8(c.text)), c.node) << c.text;
}

TEST_F(SubsetTreeTest, FindSubsetTakesTheFirstOfATypeThatStandsForTheKey)
{
    Add(QStringLiteral("高度"), 10);
    Add(QStringLiteral("台北縣的山"), 6, 1, QStringLiteral("台北縣"));
    Add(QStringLiteral("新竹縣的山"), 6, 1, QStringLiteral("新竹縣"));
    Add(QStringLiteral("高度2"), 10);
    EXPECT_EQ(group.FindSubset(10, QStringLiteral("任何")), 0);
    EXPECT_EQ(group.FindSubset(6, QStringLiteral("新竹縣")), 2);
    EXPECT_EQ(group.FindSubset(6, QStringLiteral("花蓮縣")), -1);
    EXPECT_EQ(group.FindSubset(3, QString()), -1);
}

TEST_F(SubsetTreeTest, ShowSubsetItemsFillsFromTheSubsetWithAFreshStatisticsBlock)
{
    ListingSubset* subset = Add(QStringLiteral("百岳"));
    subset->columns = {{QStringLiteral("名稱"), 80}};
    subset->rows = {7, 8, 9};
    FakeItemList list;
    AddColumn(list, QStringLiteral("舊"), 50);
    list.InsertRow(0, QStringLiteral("舊列"), 1);
    SubsetStatistics statistics;
    statistics.visited = 9;
    statistics.companions[0] = 5;
    bool changed = true;

    EXPECT_EQ(group.ShowSubsetItems(0, &list, &statistics, &changed), 3);
    EXPECT_EQ(subset->seenStatistics.visited, SubsetStatistics::kNone);
    EXPECT_EQ(subset->seenStatistics.companions[0], 0);
    EXPECT_EQ(statistics.visited, SubsetStatistics::kNone) << "a subset without statistics leaves none";
    EXPECT_EQ(list.RowValues(), QList<quint32>({7, 8, 9}));
    EXPECT_EQ(list.ColumnTitles(), QStringList({"名稱"}));
    EXPECT_EQ(CachedCount(QStringLiteral("百岳")), 3);

    subset->visited = 2;
    subset->companions = {1, 0, 2};
    group.ShowSubsetItems(0, &list, &statistics, &changed);
    EXPECT_EQ(statistics.visited, 2);
    EXPECT_EQ(statistics.companions[2], 2);
    EXPECT_EQ(group.ShowSubsetItems(0, &list, nullptr, nullptr), 3) << "no block given: the subset gets one";
    EXPECT_EQ(subset->fillCalls, 3);
}

TEST_F(SubsetTreeTest, NoSubsetOrNoListFillsNothingAndLeavesTheCacheAlone)
{
    Add(QStringLiteral("百岳"))->rows = {1};
    FakeItemList list;
    list.InsertRow(0, QStringLiteral("舊列"), 1);
    list.calls.clear();
    const QByteArray before = ReadBytes(cache);
    for (int index : {1, -1}) {
        bool changed = true;
        EXPECT_EQ(group.ShowSubsetItems(index, &list, nullptr, &changed), 0);
        EXPECT_FALSE(changed);
    }
    EXPECT_EQ(group.ShowSubsetItems(0, nullptr, nullptr, nullptr), 0);
    EXPECT_TRUE(list.calls.isEmpty());
    EXPECT_EQ(ReadBytes(cache), before);
}

TEST_F(SubsetTreeTest, AnUnchangedCountLeavesCacheTxtByteForByte)
{
    for (const char* fixture : {"cache_cp950.txt", "cache_utf16le.txt"}) {
        SCOPED_TRACE(fixture);
        const QByteArray original = Fixture(fixture);
        dir.write(QStringLiteral("data/Cache.txt"), original);
        platform::ClearProfileCache();
        PeakGroup peaks{"Talvane", "山"};
        auto* subset = new ListingSubset(&peaks, QStringLiteral("南橫 (東段)"));
        peaks.AddSubset(subset);
        subset->rows = QList<quint32>(12, 0);
        platform::FileTime before, after;
        ASSERT_TRUE(platform::GetFileWriteTime(cache, &before));
        FakeItemList list;
        peaks.ShowSubsetItems(0, &list, nullptr, nullptr);
        EXPECT_EQ(ReadBytes(cache), original);
        ASSERT_TRUE(platform::GetFileWriteTime(cache, &after));
        EXPECT_EQ(after, before);

        subset->rows.append(0);
        peaks.ShowSubsetItems(0, &list, nullptr, nullptr);
        EXPECT_EQ(CachedCount(QStringLiteral("南橫 (東段)")), 13);
        EXPECT_EQ(CachedCount(QStringLiteral("百岳")), 100);
        EXPECT_EQ(platform::GetProfileInt(cache, QStringLiteral("山"), QStringLiteral("NumOfItems")), 268);
    }
}

TEST_F(SubsetTreeTest, ColumnsChangeOnlyWhenARecordedColumnDiffers)
{
    const QString longTitle(40, QChar(u'長'));
    const struct Case {
        const char* name;
        Columns before, after;
        bool changed;
    } cases[] = {
        {"same columns", {{"名稱", 80}, {"高度", 40}}, {{"名稱", 80}, {"高度", 40}}, false},
        {"four to five, first four kept", {{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}},
         {{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}, {"e", 5}}, false},
        {"a width", {{"名稱", 80}, {"高度", 40}}, {{"名稱", 80}, {"高度", 41}}, true},
        {"a title", {{"名稱", 80}, {"高度", 40}}, {{"名稱", 80}, {"標高", 40}}, true},
        {"five to four", {{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}, {"e", 5}},
         {{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}}, true},
        {"no columns before", {}, {{"名稱", 80}}, false},
        {"only up to an untitled column", {{"a", 1}, {"", 2}, {"c", 3}}, {{"a", 1}, {"x", 9}}, false},
        {"a long title kept", {{longTitle, 60}}, {{longTitle, 60}}, false},
    };
    ListingSubset* subset = Add(QStringLiteral("百岳"));
    for (const Case& c : cases) {
        FakeItemList list;
        for (const auto& column : c.before)
            AddColumn(list, column.title, column.width);
        subset->columns = c.after;
        bool changed = !c.changed;
        group.ShowSubsetItems(0, &list, nullptr, &changed);
        EXPECT_EQ(changed, c.changed) << c.name;
    }
}

TEST_F(SubsetTreeTest, TheSubsetGetsTheRecordedLayout)
{
    ListingSubset* subset = Add(QStringLiteral("百岳"));
    FakeItemList list;
    // 30 units and a pair: the 31-unit cut would split the pair, so the pair goes.
    const QString pairAtTheCut = QString(30, QChar(u'山')) + QStringLiteral("𠀋");
    AddColumn(list, pairAtTheCut, 70);
    for (int c = 1; c < 12; ++c)
        AddColumn(list, QString::number(c), c);
    group.ShowSubsetItems(0, &list, nullptr, nullptr);
    const ColumnLayout& seen = subset->seenLayout;
    ASSERT_EQ(seen.columns.size(), ColumnLayout::kMaxColumns);
    EXPECT_EQ(seen.columns[0].title, QString(30, QChar(u'山')));
    EXPECT_EQ(seen.columns[0].width, 70);
    EXPECT_EQ(seen.columns[9].title, "9");
    EXPECT_EQ(seen.columns[9].width, 9);
}

TEST_F(SubsetTreeTest, TreeTextsKeepANameWithABracketOverCountUpdates)
{
    ListingSubset* bracket = Add(QStringLiteral("南橫 (東段)"));
    ListingSubset* leading = Add(QStringLiteral(" (舊)"));
    ListingSubset* converted = Add(QStringLiteral("台北縣的山"));
    converted->treeName = QStringLiteral("新北市的山");
    group.FillSubsetTree(&tree);
    const QList<TreeNode> nodes = Children(tree.topLevel[0]);
    EXPECT_EQ(tree.NodeText(nodes[0]), "南橫 (東段) (12)");
    EXPECT_EQ(tree.NodeText(nodes[2]), "新北市的山 (9)") << "the count is kept under the display name";

    const struct { CSubsetBase* subset; TreeNode node; int count; const char* text; bool written; } steps[] = {
        {bracket, nodes[0], 7, "南橫 (東段) (7)", true},
        {bracket, nodes[0], 7, "南橫 (東段) (7)", false},
        {bracket, nodes[0], 0, "南橫 (東段)", true},
        {bracket, nodes[0], 3, "南橫 (東段) (3)", true},
        {leading, nodes[1], 5, " (舊) (5)", true},
        {leading, nodes[1], 6, " (舊) (6)", true},
        {converted, nodes[2], 4, "新北市的山 (4)", true},
    };
    for (const auto& s : steps) {
        const int writes = tree.textWrites;
        s.subset->UpdateTreeItemCount(&tree, s.node, s.count);
        EXPECT_EQ(tree.NodeText(s.node), QString::fromUtf8(s.text));
        EXPECT_EQ(tree.textWrites - writes, s.written ? 1 : 0) << s.text;
    }
}

TEST_F(SubsetTreeTest, SiblingListHoldsTheOtherSubsetsOfTheTypeWithCounts)
{
    ListingSubset* top = Add(QStringLiteral("百岳"));
    Add(QStringLiteral("一等"), 1);
    Add(QStringLiteral("三角點"));
    Add(QStringLiteral("隱藏"))->hidden = true;
    Add(QStringLiteral("南橫 (東段)"));
    FakeListBox box;
    box.AddString(QStringLiteral("舊"));
    ASSERT_TRUE(group.FillSiblingSubsetList(&box, top));
    EXPECT_EQ(box.texts, QStringList({"三角點", "南橫 (東段) (12)"}));
    EXPECT_EQ(box.data, QList<quint32>({2, 4}));
    EXPECT_FALSE(group.FillSiblingSubsetList(&box, nullptr));
    EXPECT_EQ(box.Count(), 0);
    EXPECT_FALSE(group.FillSiblingSubsetList(nullptr, top));
}

TEST_F(SubsetTreeTest, CategoryListsMapPositionsToSubsetsWithoutDroppingAny)
{
    const int codes[] = {0, 1, 0, 1, 3, 1};
    for (int i = 0; i < 6; ++i)
        Add(QString(QChar(u'a' + i)), 0, codes[i]);
    static_cast<ListingSubset*>(group.Subset(3))->hidden = true;
    FakeListBox categories, box;
    ASSERT_TRUE(group.FillCategoryList(&categories));
    EXPECT_EQ(categories.texts, QStringList({"基本", "地區", "水源"}));
    EXPECT_EQ(categories.data, QList<quint32>({0, 1, 3}));
    EXPECT_EQ(categories.selection, 0);

    categories.SetCurrentSelection(1);
    ASSERT_TRUE(group.FillSubsetList(&box, &categories));
    EXPECT_EQ(box.texts, QStringList({"b", "f"}));
    EXPECT_EQ(group.SubsetCount(), 6) << "a subset that adds nothing stays";
    const int fromPosition[][2] = {{0, 1}, {1, 5}, {2, 2}, {-1, -1}};
    for (const auto& p : fromPosition)
        EXPECT_EQ(group.SubsetIndexFromListPos(&box, p[0]), p[1]) << "position " << p[0];
    const int toPosition[][2] = {{5, 1}, {1, 0}, {3, 3}, {0, 0}};
    for (const auto& p : toPosition)
        EXPECT_EQ(group.ListPosFromSubsetIndex(&box, p[0]), p[1]) << "subset " << p[0];
    EXPECT_EQ(group.FindListPosByData(&categories, 3), 2);
    EXPECT_EQ(group.FindListPosByData(&categories, 2), 0);

    categories.SetCurrentSelection(-1);
    EXPECT_TRUE(group.FillSubsetList(&box, &categories));
    EXPECT_EQ(box.Count(), 0);
}

class RelatedGroupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
        dir.write(QStringLiteral("峰嵐錄.txt"),
                  Utf16LeWithBom(QStringLiteral("[DataGroup]\r\nBaseFolder=data\r\nGroup1=山\r\nGroup2=基石\r\nGroup3=古道\r\n")));
        Item("山/玉山.txt", "Talvane", "玉山");
        Item("基石/一等.txt", "Stone", "一等");
        Item("基石/二等.txt", "Stone", "二等");
        Item("古道/八通關.txt", "OldTrail", "八通關");
        table.SetGroupClasses({Entry("Talvane", "山", "Stone"), Entry("Stone", "基石", "Talvane"),
                               Entry("OldTrail", "古道", "")});
        table.LoadSettings();
    }
    void Item(const char* file, const char* section, const char* name)
    {
        dir.write(QStringLiteral("data/") + QString::fromUtf8(file),
                  Utf16LeWithBom(QStringLiteral("[%1]\r\nName=%2\r\n").arg(QString::fromUtf8(section), QString::fromUtf8(name))));
    }
    static GroupClassEntry Entry(const char* key, const char* display, const char* related)
    {
        return {[=] {
                    auto g = std::make_unique<PeakGroup>(QString::fromUtf8(key), QString::fromUtf8(display));
                    g->SetRelatedKey(QString::fromUtf8(related));
                    return g;
                },
                -1};
    }

    TempDir dir;
    CGroupTable table;
    FakeStatusText status;
};

TEST_F(RelatedGroupTest, TheRelatedGroupIsBuiltOnFirstUseAndTheStatusTextComesBack)
{
    CGroupBase* peaks = table.GetGroup(0, &status);
    ASSERT_NE(peaks, nullptr);
    status.SetText(QStringLiteral("3 (67%)"));
    status.shown.clear();

    CGroupBase* stones = peaks->FindRelatedGroup();
    ASSERT_NE(stones, nullptr);
    EXPECT_EQ(stones, table.BuiltGroup(1));
    EXPECT_EQ(stones->ItemCount(), 2);
    EXPECT_EQ(table.BuiltGroup(2), nullptr) << "the search stops at the first match";
    ASSERT_GE(status.shown.size(), 2) << "the stone group's progress was shown";
    EXPECT_EQ(status.shown.first(), "2...");
    EXPECT_EQ(status.text, "3 (67%)");

    EXPECT_EQ(stones->FindRelatedGroup(), peaks);
    EXPECT_EQ(status.text, "3 (67%)");
}

TEST_F(RelatedGroupTest, NoRelatedKeyOrNoMatchGivesNull)
{
    CGroupBase* trails = table.GetGroup(2, &status);
    ASSERT_NE(trails, nullptr);
    status.shown.clear();
    EXPECT_EQ(trails->FindRelatedGroup(), nullptr);
    EXPECT_EQ(table.BuiltGroup(0), nullptr) << "an empty related key looks at no group";
    EXPECT_TRUE(status.shown.isEmpty());

    static_cast<PeakGroup*>(trails)->SetRelatedKey(QStringLiteral("Plant"));
    status.SetText(QStringLiteral("1"));
    EXPECT_EQ(trails->FindRelatedGroup(), nullptr);
    EXPECT_NE(table.BuiltGroup(1), nullptr) << "every group was tried";
    EXPECT_EQ(status.text, "1");

    PeakGroup alone{"Talvane", "山"};
    alone.SetRelatedKey(QStringLiteral("Stone"));
    EXPECT_EQ(alone.FindRelatedGroup(), nullptr) << "no table";
}

} // namespace
