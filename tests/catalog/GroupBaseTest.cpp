// The group base's operations: the subset-first rule, slot 59's own rule, base answers, code
// lists and clearing the item list.
#include "catalog/GroupBase.h"

#include "FakeItemList.h"
#include "FakePointView.h"
#include "FakeStatusText.h"
#include "TestGroups.h"
#include "catalog/records/TalvaneItemRecord.h"

#include <gtest/gtest.h>

namespace {

using PeakGroup = TestGroup<TalvaneItemRecord>;

class SubsetFirstTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        group.log = &log;
        group.AddSubset(new RecordingSubset(&log, false));  // 0 declines
        group.AddSubset(new RecordingSubset(&log, true));   // 1 handles
    }
    // Runs every subset-first operation with the subset index; the log lines it produced.
    QStringList RunAll(int subset, bool* allTrue = nullptr)
    {
        log.clear();
        bool all = true;
        all &= group.SortItemListFor(&list, 3, subset);
        all &= group.ShowRowSummaryFor(&status, &list, 4, subset);
        all &= group.EditItemFileFor(&list, 5, subset);
        all &= group.HasRecordLinksFor(&list, 6, subset);
        all &= group.PopupRecordMenuFor(&list, 7, subset);
        all &= group.OpenRecordLinkFor(&list, 8, subset, 2001);
        all &= group.LocateRowFor(&list, 0, subset, 5, true);
        all &= group.OpenWalkGpsFor(&list, 9, subset);
        all &= group.ExportWaypointsFor(&list, subset);
        all &= group.SyncWaypointsFor(&list, subset);
        if (allTrue)
            *allTrue = all;
        return log;
    }

    PeakGroup group{"Talvane", "山"};
    QStringList log;
    FakeItemList list;
    FakeStatusText status;
};

const QStringList kGroupCalls = {
    "group Sort 3", "group Summary 4", "group Edit 5", "group Links 6", "group Menu 7",
    "group Open 8 2001", "group LocateItem 42 5 1", "group Walk 9", "group Export", "group Sync"};

TEST_F(SubsetFirstTest, WithoutAValidSubsetTheGroupRunsAlone)
{
    list.InsertRow(0, QStringLiteral("玉山"), 42);
    for (int subset : {-1, 2, 500}) {
        bool all = false;
        EXPECT_EQ(RunAll(subset, &all), kGroupCalls) << "subset " << subset;
        EXPECT_TRUE(all);
    }
}

TEST_F(SubsetFirstTest, ADecliningSubsetLetsTheGroupRunWithTheSameArguments)
{
    list.InsertRow(0, QStringLiteral("玉山"), 42);
    const QStringList calls = RunAll(0);
    const QStringList subsetCalls = {
        "subset Sort 3", "subset Summary 4", "subset Edit 5", "subset Links 6", "subset Menu 7",
        "subset Open 8 2001", "subset Locate 0 5 1", "subset Walk 9", "subset Export", "subset Sync"};
    QStringList expected;
    for (int i = 0; i < subsetCalls.size(); ++i)
        expected << subsetCalls[i] << kGroupCalls[i];
    EXPECT_EQ(calls, expected);

    group.ownResult = false;
    bool all = true;
    RunAll(0, &all);
    EXPECT_FALSE(all) << "the group's answer is returned";
}

TEST_F(SubsetFirstTest, AHandlingSubsetKeepsTheGroupOut)
{
    bool all = false;
    const QStringList calls = RunAll(1, &all);
    EXPECT_TRUE(all);
    EXPECT_EQ(calls.filter(QStringLiteral("group")), QStringList());
    EXPECT_EQ(calls.size(), 10);
}

TEST_F(SubsetFirstTest, HtmlTableNeedsASubsetAndFallsBackWithTheFlagCleared)
{
    log.clear();
    EXPECT_FALSE(group.WriteHtmlTableFor(&list, "T", -1, "s", 2, "k"));
    EXPECT_FALSE(group.WriteHtmlTableFor(&list, "T", 2, "s", 2, "k"));
    EXPECT_TRUE(log.isEmpty()) << "no subset: the group is not called";

    EXPECT_TRUE(group.WriteHtmlTableFor(&list, "T", 0, "s", 2, "k"));
    EXPECT_EQ(log, QStringList({"subset Html T s 2 k", "group Html T s 2 k 0"}));
    log.clear();
    EXPECT_TRUE(group.WriteHtmlTableFor(&list, "T", 1, "s", 2, "k"));
    EXPECT_EQ(log, QStringList({"subset Html T s 2 k"}));
}

TEST(GroupBaseTest, BaseAnswersWithoutAClass)
{
    CGroupBase base;
    for (int feature : {-1, 0, 9, 10})
        EXPECT_FALSE(base.HasFeature(feature)) << feature;
    FakePointView view;
    EXPECT_EQ(base.SetActiveView(&view), 0);
    EXPECT_TRUE(view.points.isEmpty());
    FakeItemList list;
    EXPECT_FALSE(base.LocateRow(&list, 0, 0, false)) << "no such row";
    // Every group owns one waypoint set, empty until its GPS file is read.
    GPSWayPointSet* waypoints = base.GetWaypointSet();
    ASSERT_NE(waypoints, nullptr);
    EXPECT_EQ(waypoints, base.GetWaypointSet());
    EXPECT_EQ(waypoints->count, 0);
    EXPECT_EQ(waypoints->file, nullptr);
}

TEST(GroupBaseTest, CodeListsEndAtTheFirstZeroOrAfterThirty)
{
    CGroupBase base;
    int32_t list[31] = {7, 5, 3, 0, 9};
    EXPECT_TRUE(base.CodeListContains(list, 3));
    EXPECT_FALSE(base.CodeListContains(list, 9)) << "nothing after the terminator";
    EXPECT_FALSE(base.CodeListContains(list, 0));
    for (int i = 0; i < 30; ++i)
        list[i] = 100 + i;
    list[30] = 555;  // just past a full list
    EXPECT_TRUE(base.CodeListContains(list, 129));
    EXPECT_FALSE(base.CodeListContains(list, 555));
    EXPECT_FALSE(base.CodeListContains(nullptr, 1));
}

TEST(GroupBaseTest, ClearListCtrlRemovesRowsThenEveryColumn)
{
    FakeItemList list;
    list.InsertColumn(0, QStringLiteral("山名"), 120, ColumnAlign::Left);
    list.InsertColumn(1, QStringLiteral("標高(m)"), 70, ColumnAlign::Right);
    list.InsertColumn(2, QStringLiteral("基石"), 150, ColumnAlign::Left);
    list.InsertRow(0, QStringLiteral("玉山"), 0);
    list.calls.clear();
    EXPECT_TRUE(ClearListCtrl(&list));
    EXPECT_EQ(list.calls, QStringList({"DeleteAllRows", "DeleteColumn 0", "DeleteColumn 0", "DeleteColumn 0"}));
    EXPECT_EQ(list.ColumnCount(), 0);
    EXPECT_FALSE(ClearListCtrl(nullptr));
}

} // namespace
