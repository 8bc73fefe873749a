// The area tree of the region statistics over the program folder of tests/data/regionstats
// (settings and peaks in UTF-16LE and CP950 as the owner's Windows machine writes them): the
// nodes and their parents, and the totals of every node worked out by hand from the peaks.
#include "catalog/subsets/regions/RegionTally.h"

#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "catalog/talvane/GroupTalvane.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>

namespace {

using Node = RegionTally::Node;

class RegionTallyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.copyTree(QStringLiteral(TALVANE_TEST_DATA "/regionstats/program"), QStringLiteral("program"));
        platform::SetProgramFolder(root);
        platform::ClearProfileCache();
        DisplayNameConversions::Program().Reset();
    }
    void TearDown() override { DisplayNameConversions::Program().Reset(); }

    CGroupTalvane* LoadPeaks()
    {
        EXPECT_TRUE(table.LoadSettings());
        auto* peaks = dynamic_cast<CGroupTalvane*>(table.GetGroup(0, nullptr));
        EXPECT_TRUE(peaks);
        return peaks;
    }
    const Node* Find(const char* name) const
    {
        for (const Node& node : tally.Nodes())
            if (node.name == QString::fromUtf8(name))
                return &node;
        return nullptr;
    }
    QString ParentName(const Node& node) const
    {
        return node.parent < 0 ? QStringLiteral("-") : tally.Nodes()[node.parent].name;
    }

    TempDir dir;
    QString root;
    CGroupTable table;
    RegionTally tally;
};

TEST_F(RegionTallyTest, TheTreeFollowsTheAreaSetsAndTheRegionList)
{
    CGroupTalvane* peaks = LoadPeaks();
    ASSERT_TRUE(peaks);
    ASSERT_EQ(peaks->ItemCount(), 9);
    tally.LoadRegions(peaks);
    const struct {
        const char* name;
        int kind;
        const char* parent;
    } expected[] = {
        {"全台灣", 0, "-"},    {"全台區", 0, "-"},    {"北部", 1, "全台灣"},  {"中部", 1, "全台灣"},
        {"東部", 1, "全台灣"}, {"台北市", 2, "北部"}, {"北投", 3, "台北市"},  {"士林", 3, "台北市"},
        {"新北市", 2, "北部"}, {"烏來", 3, "新北市"}, {"三峽", 3, "新北市"}, {"苗栗縣", 2, "中部"},
        {"泰安", 3, "苗栗縣"}, {"南投縣", 2, "中部"}, {"仁愛", 3, "南投縣"}, {"信義", 3, "南投縣"},
        // In no area set: the island takes it.
        {"花蓮縣", 2, "全台灣"}, {"秀林", 3, "花蓮縣"},
    };
    ASSERT_EQ(tally.Nodes().size(), std::size(expected));
    for (size_t n = 0; n < std::size(expected); ++n) {
        const Node& node = tally.Nodes()[n];
        EXPECT_EQ(node.name, QString::fromUtf8(expected[n].name)) << n;
        EXPECT_EQ(node.kind, expected[n].kind) << expected[n].name;
        EXPECT_EQ(ParentName(node), QString::fromUtf8(expected[n].parent)) << expected[n].name;
    }
}

// Peaks (climbed, 阿明, 小華): 七星山 台北市北投區 (1,0,0); 紗帽山 台北市 (0,0,0); 拉拉山
// 新北市烏來區,三峽區 (1,1,0); 加里山 苗栗縣泰安鄉 (1,0,0); 合歡山 南投縣仁愛鄉 (0,0,1); 玉山
// 南投縣信義鄉 (1,0,0); 清水山 花蓮縣秀林鄉 (1,0,0); 無名山 without region (1,0,0); 郡大山
// 南投縣信義鄉 (1,0,0).
TEST_F(RegionTallyTest, EveryNodeCountsEachPeakOnce)
{
    CGroupTalvane* peaks = LoadPeaks();
    ASSERT_TRUE(peaks);
    ASSERT_EQ(RegionTally::CompanionCount(peaks), 15);
    tally.LoadRegions(peaks);
    const struct {
        const char* name;
        int items, climbed, percent, first, last;
    } expected[] = {
        // The island: every peak of a county, 花蓮縣's too; 無名山 lies in none.
        {"全台灣", 8, 6, 75, 1, 1},
        // Townships with peaks: 北投 烏來 三峽 泰安 仁愛 信義 秀林; climbed in all but 仁愛.
        {"全台區", 7, 6, 86, 2, 1},
        {"北部", 3, 2, 67, 1, 0},
        {"中部", 4, 3, 75, 0, 1},
        {"東部", 0, 0, 0, 0, 0},
        // The first county: 紗帽山 names no township, 七星山 both county and township.
        {"台北市", 2, 1, 50, 0, 0},
        {"北投", 1, 1, 100, 0, 0},
        {"士林", 0, 0, 0, 0, 0},
        // Two townships of one county: counted in each, once in the county.
        {"新北市", 1, 1, 100, 1, 0},
        {"烏來", 1, 1, 100, 1, 0},
        {"三峽", 1, 1, 100, 1, 0},
        {"苗栗縣", 1, 1, 100, 0, 0},
        {"泰安", 1, 1, 100, 0, 0},
        // 2 of 3 climbed.
        {"南投縣", 3, 2, 67, 0, 1},
        {"仁愛", 1, 0, 0, 0, 1},
        {"信義", 2, 2, 100, 0, 0},
        {"花蓮縣", 1, 1, 100, 0, 0},
        {"秀林", 1, 1, 100, 0, 0},
    };
    for (const auto& e : expected) {
        const Node* node = Find(e.name);
        ASSERT_TRUE(node) << e.name;
        EXPECT_EQ(node->itemCount, e.items) << e.name;
        EXPECT_EQ(node->counts[0], e.climbed) << e.name;
        EXPECT_EQ(RegionTally::ClimbedPercent(*node), e.percent) << e.name;
        EXPECT_EQ(node->counts[1], e.first) << e.name;
        EXPECT_EQ(node->counts[15], e.last) << e.name;
        for (int k = 2; k < 15; ++k)
            EXPECT_EQ(node->counts[k], 0) << e.name << ' ' << k;
    }

    // Counting again starts from zero.
    const std::vector<Node> first = tally.Nodes();
    tally.ComputeTotals(peaks);
    for (size_t n = 0; n < first.size(); ++n) {
        EXPECT_EQ(tally.Nodes()[n].itemCount, first[n].itemCount) << n;
        EXPECT_EQ(tally.Nodes()[n].counts, first[n].counts) << n;
    }
}

TEST_F(RegionTallyTest, TheAreaSetsEndAtTheFirstEmptyKey)
{
    ASSERT_TRUE(platform::WriteProfileString(root + QStringLiteral("/峰嵐錄.txt"), QStringLiteral("Talvane"),
                                             QStringLiteral("Region2"), QString()));
    CGroupTalvane* peaks = LoadPeaks();
    ASSERT_TRUE(peaks);
    tally.LoadRegions(peaks);
    QStringList sets;
    for (const Node& node : tally.Nodes())
        if (node.kind == RegionTally::kAreaSet)
            sets << node.name;
    EXPECT_EQ(sets, QStringList{"北部"});
    // 中部 is gone: its counties hang under the island, which still counts all eight.
    EXPECT_EQ(ParentName(*Find("南投縣")), "全台灣");
    EXPECT_EQ(Find("全台灣")->itemCount, 8);
}

TEST_F(RegionTallyTest, WithoutRegionsOrPeaksOnlyTheTwoTotalsStandAndStayEmpty)
{
    ASSERT_TRUE(platform::WriteProfileString(root + QStringLiteral("/峰嵐錄.txt"), QStringLiteral("Region"),
                                             QStringLiteral("RegionList"), QString()));
    ASSERT_TRUE(platform::WriteProfileString(root + QStringLiteral("/峰嵐錄.txt"), QStringLiteral("Talvane"),
                                             QStringLiteral("Region1"), QString()));
    CGroupTalvane* peaks = LoadPeaks();
    ASSERT_TRUE(peaks);
    for (CGroupBase* group : {static_cast<CGroupBase*>(peaks), static_cast<CGroupBase*>(nullptr)}) {
        tally.LoadRegions(group);
        ASSERT_EQ(tally.Nodes().size(), 2u);
        for (const Node& node : tally.Nodes()) {
            EXPECT_EQ(node.itemCount, 0);
            EXPECT_EQ(RegionTally::ClimbedPercent(node), 0);
        }
    }
}

} // namespace
