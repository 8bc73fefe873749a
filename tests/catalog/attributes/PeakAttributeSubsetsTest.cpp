// The height, double-stone and no-record subsets of the peak group over the catalog of
// tests/data/attributes: which peaks each lists (an edge-case table), in item order, the visit
// figures of the height subsets, the double-stone rows, and the points each marks on the map.
#include "AttributeCatalog.h"
#include "FakePointView.h"
#include "catalog/subsets/attributes/SubsetDoubleStone.h"
#include "catalog/subsets/attributes/SubsetHeight.h"
#include "catalog/subsets/attributes/SubsetNoHiking.h"

#include <vector>

namespace attribute_test {
namespace {

struct Membership {
    const char* peak;
    bool high3000, above1500, above1000, doubleStone, noRecords;
    const char* why;
};

const Membership kTable[] = {
    {"p01", true, true, true, true, false, "3952 m; 一等12 and 二等34; a walk"},
    {"p02", true, true, true, false, false, "exactly 3000 m; second stone 失; a companion only"},
    {"p03", false, true, true, false, false, "2999 m; first stone 改; an atlas page only"},
    {"p04", false, true, true, false, true, "exactly 1500 m; second stone of level 4; nothing"},
    {"p05", false, false, true, false, false, "1499 m; one stone only; a walk"},
    {"p06", false, false, false, true, false, "999 m; stones of levels 3 and 2; companions"},
    {"p07", false, false, true, false, false, "exactly 1000 m; no first stone; a walk"},
    {"p08", true, true, true, true, false, "3100 m; first stone 存 is usable; walks"},
    {"p09", false, false, false, false, true, "800 m; no stones; nothing"},
    {"p10", false, false, false, false, false, "700 m; a walk"},
};

class PeakAttributeTest : public AttributeCatalog {
protected:
    void SetUp() override
    {
        AttributeCatalog::SetUp();
        Open();
        peaks = GroupAt<CGroupTalvane>(kPeaks);
        ASSERT_NE(peaks, nullptr);
        ASSERT_EQ(peaks->ItemCount(), 10);
        ASSERT_EQ(peaks->MateCount(), 2);
    }
    CSubsetBase* Height(int threshold)
    {
        for (int i = 0; i < peaks->SubsetCount(); ++i)
            if (auto* s = dynamic_cast<CSubsetHeight*>(peaks->Subset(i)); s && s->Threshold() == threshold)
                return s;
        return nullptr;
    }
    // The peaks of the table for which a column holds, in table (item) order.
    static QStringList Expected(bool Membership::*column)
    {
        QStringList names;
        for (const Membership& m : kTable)
            if (m.*column)
                names << QString::fromUtf8(m.peak);
        return names;
    }

    CGroupTalvane* peaks = nullptr;
};

TEST_F(PeakAttributeTest, NamesTypesAndFolders)
{
    const struct {
        CSubsetBase* subset;
        int type;
        const char* name;
    } cases[] = {
        {Height(3000), CSubsetBase::kTypeHeight, "高山(3000m)"},
        {Height(1500), CSubsetBase::kTypeHeight, "高於1500公尺山"},
        {Height(1000), CSubsetBase::kTypeHeight, "高於1000公尺山"},
        {SubsetOf(peaks, CSubsetBase::kTypeDoubleStone), CSubsetBase::kTypeDoubleStone, "雙基石的山"},
        {SubsetOf(peaks, CSubsetBase::kTypeNoHiking), CSubsetBase::kTypeNoHiking, "無登山資料"},
        {SubsetOf(peaks, CSubsetBase::kTypeNoWaypoint), CSubsetBase::kTypeNoWaypoint, "尚未定位"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(c.subset, nullptr);
        EXPECT_EQ(c.subset->TypeCode(), c.type);
        EXPECT_EQ(c.subset->DisplayName(), QString::fromUtf8(c.name));
        EXPECT_EQ(c.subset->FolderCode(), CSubsetBase::kFolderBasic);
        EXPECT_EQ(c.subset->Section(), QStringLiteral("Talvane"));
    }
}

// Each subset lists exactly the peaks of its column of the table, in item order.
TEST_F(PeakAttributeTest, EdgeCaseTable)
{
    const struct {
        CSubsetBase* subset;
        bool Membership::*column;
    } subsets[] = {
        {Height(3000), &Membership::high3000},
        {Height(1500), &Membership::above1500},
        {Height(1000), &Membership::above1000},
        {SubsetOf(peaks, CSubsetBase::kTypeDoubleStone), &Membership::doubleStone},
        {SubsetOf(peaks, CSubsetBase::kTypeNoHiking), &Membership::noRecords},
    };
    for (const auto& s : subsets) {
        ASSERT_NE(s.subset, nullptr);
        SCOPED_TRACE(qPrintable(s.subset->DisplayName()));
        const QStringList want = Expected(s.column);
        EXPECT_EQ(Fill(s.subset), want.size());
        EXPECT_EQ(Listed(peaks), want);
        for (const Membership& m : kTable)
            EXPECT_EQ(Listed(peaks).contains(QString::fromUtf8(m.peak)), m.*s.column)
                << m.peak << ": " << m.why;
    }
}

// The height subsets count the listed peaks the owner visited and, per companion, those the
// companion visited; the companions the group lacks stay 0.
TEST_F(PeakAttributeTest, HeightStatistics)
{
    const struct {
        int threshold;
        int visited, aming, xiaohua;
    } cases[] = {
        {3000, 2, 2, 0},  // p01, p08 walked; p02, p08 by 阿明
        {1500, 2, 2, 0},  // p03 (atlas) and p04 (nothing) add nothing
        {1000, 4, 2, 1},  // p05 and p07 walked, p05 by 小華; p06 (999 m) is left out
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.threshold);
        SubsetStatistics statistics;
        for (int32_t& n : statistics.companions)
            n = 77;
        Fill(Height(c.threshold), &statistics);
        EXPECT_EQ(statistics.visited, c.visited);
        EXPECT_EQ(statistics.companions[0], c.aming);
        EXPECT_EQ(statistics.companions[1], c.xiaohua);
        for (int j = 2; j < SubsetStatistics::kMaxCompanions; ++j)
            EXPECT_EQ(statistics.companions[j], 0) << j;
    }
}

TEST_F(PeakAttributeTest, OtherSubsetsLeaveTheStatisticsAlone)
{
    for (int type : {CSubsetBase::kTypeDoubleStone, CSubsetBase::kTypeNoHiking,
                     CSubsetBase::kTypeNoWaypoint}) {
        SCOPED_TRACE(type);
        SubsetStatistics statistics;
        statistics.companions[0] = 77;
        Fill(SubsetOf(peaks, type), &statistics);
        EXPECT_EQ(statistics.visited, SubsetStatistics::kNone);
        EXPECT_EQ(statistics.companions[0], 77);
    }
}

// A double-stone row is the peak's own row (its item index) with the first stone first.
TEST_F(PeakAttributeTest, DoubleStoneRowsShowTheFirstStone)
{
    ASSERT_EQ(Fill(SubsetOf(peaks, CSubsetBase::kTypeDoubleStone)), 3);
    EXPECT_EQ(list.ColumnCount(), 5);
    EXPECT_EQ(list.RowValues(), QList<quint32>({0, 5, 7}));
    const char* firstStones[] = {"一等12", "省府1", "一等5"};
    const char* names[] = {"玉山", "九九九山", "三一山"};
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(list.CellText(row, CGroupTalvane::ListColumn::kName), QString::fromUtf8(names[row]));
        EXPECT_TRUE(list.CellText(row, CGroupTalvane::ListColumn::kStones)
                        .startsWith(QString::fromUtf8(firstStones[row])))
            << list.CellText(row, CGroupTalvane::ListColumn::kStones).toStdString();
    }
}

// The height and double-stone subsets mark their peaks at the peaks' positions, keyed by item
// index; the no-record and not-located subsets mark nothing.
TEST_F(PeakAttributeTest, MapPoints)
{
    const struct {
        CSubsetBase* subset;
        QList<quint32> keys;
    } cases[] = {
        {Height(3000), {0, 1, 7}},
        {Height(1000), {0, 1, 2, 3, 4, 6, 7}},
        {SubsetOf(peaks, CSubsetBase::kTypeDoubleStone), {0, 5, 7}},
        {SubsetOf(peaks, CSubsetBase::kTypeNoHiking), {}},
        {SubsetOf(peaks, CSubsetBase::kTypeNoWaypoint), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.subset->DisplayName()));
        FakePointView view;
        const int marked = c.subset->MarkOnMap(&view);
        EXPECT_EQ(marked, c.keys.size());
        QList<quint32> keys;
        for (const FakePointView::Point& p : view.points)
            keys << p.key;
        EXPECT_EQ(keys, c.keys);
    }
    FakePointView view;
    Height(3000)->MarkOnMap(&view);
    ASSERT_EQ(view.points.size(), 3);
    EXPECT_DOUBLE_EQ(view.points[0].x, 120.9572);  // 玉山's Longitude
    EXPECT_DOUBLE_EQ(view.points[0].y, 23.47);
    EXPECT_EQ(view.points[0].name, QStringLiteral("玉山"));
}

// Subsets without a group or without a list or view fill and mark nothing.
TEST(PeakAttributeSubsets, WithoutAGroupNothingIsListed)
{
    FakeItemList list;
    FakePointView view;
    SubsetStatistics statistics;
    CSubsetHeight height(3000, nullptr);
    CSubsetDoubleStone doubleStone(nullptr);
    CSubsetNoHiking noHiking(nullptr);
    for (CSubsetBase* s : std::vector<CSubsetBase*>{&height, &doubleStone, &noHiking}) {
        EXPECT_EQ(s->FillList(&list, &statistics, nullptr), 0);
        EXPECT_EQ(s->MarkOnMap(&view), 0);
        EXPECT_EQ(s->Section(), QString());
    }
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_TRUE(view.points.isEmpty());
    EXPECT_EQ(statistics.visited, SubsetStatistics::kNone);
}

} // namespace
} // namespace attribute_test
