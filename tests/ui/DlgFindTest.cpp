// 搜尋<group> on a waterfall test group read from item files in UTF-16LE and CP950, with the
// separators and name pairs of a UTF-16LE settings file: the searches, the captions, the
// assignment buttons, and the survey-stone mode with and without a subset.
#include "FindDialogSupport.h"
#include "FindTestGroups.h"
#include "ScreenshotCheck.h"
#include "ui/dialogs/find/DlgFind.h"

#include <QHeaderView>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace find_test;

namespace {

class DlgFindTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(UseFixtureProgram(&table));
        group.Init(MainSettingsPath(), &table, kProgram + u"/data/瀑布"_s);
        ASSERT_TRUE(LoadFolder(&group, group.Folder()));
        ASSERT_EQ(group.ItemCount(), 6);
    }

    // The calls of one kind the group and subset recorded.
    QStringList Calls(const QString& prefix) const
    {
        QStringList found;
        for (const QString& call : group.calls)
            if (call.startsWith(prefix))
                found << call;
        return found;
    }

    CGroupTable table;
    FindTestGroup group;
};

TEST_F(DlgFindTest, FindsTheItemsOfEveryTermInTermOrder)
{
    struct Case {
        QString text;
        QStringList rows;
    };
    const QList<Case> cases = {
        {u"烏來，十分"_s, {u"烏來瀑布"_s, u"十分瀑布"_s}},
        {u"十分 烏來"_s, {u"十分瀑布"_s, u"烏來瀑布"_s}},
        {u"， 十分、、烏來 "_s, {u"十分瀑布"_s, u"烏來瀑布"_s}},
        // Found by its second name.
        {u"大瀑布"_s, {u"烏來瀑布"_s}},
        // 臺 and 台 are partners: either spelling finds the other.
        {u"臺灣"_s, {u"台灣瀑布"_s}},
        {u"五峯旗瀑"_s, {u"五峰旗瀑布"_s}},
        // Listed once though every term finds it.
        {u"雲森 雲 森"_s, {u"雲森瀑布"_s}},
        // 𠮷 is a separator; 𠮸, sharing its high surrogate, is not.
        {u"雲𠮷森"_s, {u"雲森瀑布"_s}},
        {u"雲𠮸森"_s, {}},
        {u"銀河洞瀑布瀑布"_s, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        CDlgFind dialog(&group, nullptr);
        dialog.OnInitDialog();
        SetText(dialog, CDlgFind::kNameEdit, c.text);
        ASSERT_TRUE(dialog.Commands().Dispatch(CDlgFind::kSearchName));
        EXPECT_EQ(RowTexts(dialog, CDlgFind::kList), c.rows);
        EXPECT_EQ(Text(dialog, CDlgFind::kCount), QString::number(c.rows.size()));
        EXPECT_FALSE(Enabled(dialog, CDlgFind::kEditData));
    }
}

TEST_F(DlgFindTest, InitialTextIsSearchedAtOnceAndAnEmptyTextDoesNothing)
{
    CDlgFind dialog(&group, nullptr);
    dialog.initialText = u"十分"_s;
    dialog.OnInitDialog();
    EXPECT_EQ(Text(dialog, CDlgFind::kNameEdit), u"十分"_s);
    EXPECT_EQ(RowTexts(dialog, CDlgFind::kList), QStringList{u"十分瀑布"_s});

    SetText(dialog, CDlgFind::kNameEdit, QString());
    dialog.Commands().Dispatch(CDlgFind::kSearchName);
    SetText(dialog, CDlgFind::kRegionEdit, QString());
    dialog.Commands().Dispatch(CDlgFind::kSearchRegion);
    EXPECT_EQ(RowTexts(dialog, CDlgFind::kList), QStringList{u"十分瀑布"_s});
    EXPECT_EQ(Text(dialog, CDlgFind::kCount), u"1"_s);
}

TEST_F(DlgFindTest, TitleAndLabelFollowTheGroup)
{
    CDlgFind dialog(&group, nullptr);
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.windowTitle(), u"搜尋瀑布"_s);
    EXPECT_EQ(Text(dialog, CDlgFind::kNameLabel), u"瀑布串:"_s);
}

TEST_F(DlgFindTest, AssignmentButtonCaptionsShowTheTripAndTheAtlasPage)
{
    struct Case {
        int walk, defaultTrip, atlas;
        QString trip, map;
    };
    const QList<Case> cases = {
        {0, 0, 0, u"設定行程(0)"_s, u"設定地圖(0-000)"_s},
        {12, 0, 114955, u"設定行程(12)"_s, u"設定地圖(15-045)"_s},
        {12, 7, 14955, u"設定行程(12)"_s, u"設定地圖(15-045)"_s},
        {0, 7, 1, u"設定行程(7)"_s, u"設定地圖(1-999)"_s},
        {-3, 1999, 130001, u"設定行程(1999)"_s, u"設定地圖(31-999)"_s},
        {1, 0, -14955, u"設定行程(1)"_s, u"設定地圖(0-000)"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.trip.toStdString() + " " + c.map.toStdString());
        CDlgFind dialog(&group, nullptr);
        dialog.walkNumber = c.walk;
        dialog.defaultTripNumber = c.defaultTrip;
        dialog.atlasCode = c.atlas;
        dialog.OnInitDialog();
        EXPECT_EQ(Text(dialog, CDlgFind::kSetTrip), c.trip);
        EXPECT_EQ(Text(dialog, CDlgFind::kSetMap), c.map);
    }
}

TEST_F(DlgFindTest, RegionSearchLeavesTheRegionAsTypedANameSearchFillsIt)
{
    CDlgFind dialog(&group, nullptr);
    dialog.OnInitDialog();
    SetText(dialog, CDlgFind::kRegionEdit, u"新北市，宜蘭"_s);
    dialog.Commands().Dispatch(CDlgFind::kSearchRegion);
    EXPECT_EQ(RowTexts(dialog, CDlgFind::kList),
              QStringList({u"烏來瀑布"_s, u"銀河洞瀑布"_s, u"十分瀑布"_s, u"五峰旗瀑布"_s}));
    EXPECT_EQ(Text(dialog, CDlgFind::kCount), u"4"_s);
    ASSERT_TRUE(ClickRow(dialog, CDlgFind::kList, 1));
    EXPECT_EQ(Text(dialog, CDlgFind::kSummary), u"摘要:銀河洞瀑布"_s);
    EXPECT_EQ(Text(dialog, CDlgFind::kRegionEdit), u"新北市，宜蘭"_s);

    SetText(dialog, CDlgFind::kNameEdit, u"雲森"_s);
    dialog.Commands().Dispatch(CDlgFind::kSearchName);
    ASSERT_TRUE(ClickRow(dialog, CDlgFind::kList, 0));
    EXPECT_EQ(Text(dialog, CDlgFind::kRegionEdit), u"花蓮縣"_s);

    // Regions use no name pairs.
    SetText(dialog, CDlgFind::kRegionEdit, u"臺東"_s);
    dialog.Commands().Dispatch(CDlgFind::kSearchRegion);
    EXPECT_TRUE(RowTexts(dialog, CDlgFind::kList).isEmpty());
    EXPECT_EQ(Text(dialog, CDlgFind::kCount), u"0"_s);
}

TEST_F(DlgFindTest, RowChangeActsOnlyWithExactlyOneRowSelected)
{
    CDlgFind dialog(&group, nullptr);
    dialog.walkNumber = 12;
    dialog.OnInitDialog();
    SetText(dialog, CDlgFind::kNameEdit, u"瀑布"_s);
    dialog.Commands().Dispatch(CDlgFind::kSearchName);
    QTreeWidget* list = ListOf(dialog, CDlgFind::kList);
    list->topLevelItem(0)->setSelected(true);
    list->topLevelItem(1)->setSelected(true);
    EXPECT_EQ(Calls(u"group Summary"_s), QStringList{u"group Summary 0"_s});
    dialog.Commands().Dispatch(CDlgFind::kSetTrip);
    EXPECT_TRUE(Calls(u"group Add"_s).isEmpty());
    EXPECT_FALSE(dialog.visitAssigned);
}

TEST_F(DlgFindTest, AssignmentButtonsWriteThroughTheGroup)
{
    struct Case {
        const char* what;
        int walk, atlas, mate;
        QStringList assigned;  // the mark each row was drawn with, in list order
        bool tripEnabled, mapEnabled;
        QStringList writes;
    };
    // Row 0 is 烏來瀑布 (walk 12), row 1 銀河洞瀑布 (atlas page 十五045 = 14955).
    const QList<Case> cases = {
        {"walk", 12, 0, 0, {u"1"_s, u"0"_s}, true, false, {u"group AddVisit item 0 code 12"_s}},
        {"walk before atlas", 12, 14955, 0, {u"1"_s, u"0"_s}, true, true,
         {u"group AddVisit item 0 code 12"_s, u"group AddAtlasRef item 0 code 14955"_s}},
        {"atlas", 0, 14955, 0, {u"0"_s, u"1"_s}, false, true, {u"group AddAtlasRef item 0 code 14955"_s}},
        {"companion", 0, 0, 11010304, {u"0"_s, u"0"_s}, true, false,
         {u"group AddMateVisit item 0 code 11010304"_s}},
        {"no codes", 0, 0, 0, {u"0"_s, u"0"_s}, false, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        group.calls.clear();
        CDlgFind dialog(&group, nullptr);
        dialog.walkNumber = c.walk;
        dialog.atlasCode = c.atlas;
        dialog.mateVisitCode = c.mate;
        dialog.OnInitDialog();
        SetText(dialog, CDlgFind::kNameEdit, u"烏來，銀河"_s);
        dialog.Commands().Dispatch(CDlgFind::kSearchName);
        EXPECT_EQ(Calls(u"group Row"_s),
                  QStringList({u"group Row 0 1 "_s + c.assigned[0], u"group Row 1 1 "_s + c.assigned[1]}));
        EXPECT_FALSE(Enabled(dialog, CDlgFind::kSetTrip));
        dialog.Commands().Dispatch(CDlgFind::kSetTrip);
        dialog.Commands().Dispatch(CDlgFind::kSetMap);
        EXPECT_TRUE(Calls(u"group Add"_s).isEmpty()) << "without a selected row";

        ASSERT_TRUE(ClickRow(dialog, CDlgFind::kList, 0));
        EXPECT_EQ(Enabled(dialog, CDlgFind::kSetTrip), c.tripEnabled);
        EXPECT_EQ(Enabled(dialog, CDlgFind::kSetMap), c.mapEnabled);
        EXPECT_FALSE(Enabled(dialog, CDlgFind::kEditData));
        dialog.Commands().Dispatch(CDlgFind::kSetTrip);
        dialog.Commands().Dispatch(CDlgFind::kSetMap);
        EXPECT_EQ(Calls(u"group Add"_s), c.writes);
        EXPECT_EQ(dialog.visitAssigned, c.walk != 0 || c.mate != 0);
        EXPECT_EQ(dialog.atlasAssigned, c.atlas != 0);
    }
}

TEST_F(DlgFindTest, ColumnClickSortsThroughTheGroup)
{
    CDlgFind dialog(&group, nullptr);
    dialog.OnInitDialog();
    ListOf(dialog, CDlgFind::kList)->header()->sectionClicked(1);
    EXPECT_EQ(Calls(u"group Sort"_s), QStringList{u"group Sort 1"_s});
    dialog.Commands().Dispatch(CDlgFind::kEditData);
    EXPECT_TRUE(Calls(u"group Edit"_s).isEmpty());
}

TEST_F(DlgFindTest, StoneModeWithASubsetSearchesAndDrawsThroughTheSubset)
{
    FindStoneSubset subset(&group.calls, {{u"二等1234"_s, {}, {}},
                                          {u"三等5678"_s, u"舊二等1234"_s, {}},
                                          {u"一等1"_s, {}, u"1234號"_s},
                                          {u"二等999"_s, {}, {}}});
    CDlgFind dialog(&group, &subset);
    dialog.stoneMode = true;
    dialog.OnInitDialog();
    SetText(dialog, CDlgFind::kRegionEdit, u"新北市"_s);
    SetText(dialog, CDlgFind::kNameEdit, u"1234"_s);
    dialog.Commands().Dispatch(CDlgFind::kSearchName);
    EXPECT_EQ(Calls(u"subset"_s), QStringList({u"subset Columns"_s, u"subset Row 0 0 0"_s,
                                               u"subset Row 1 1 0"_s, u"subset Row 2 0 1"_s}));
    EXPECT_TRUE(Calls(u"group Columns"_s).isEmpty());
    EXPECT_EQ(Text(dialog, CDlgFind::kCount), u"3"_s);

    ASSERT_TRUE(ClickRow(dialog, CDlgFind::kList, 1));
    EXPECT_EQ(Text(dialog, CDlgFind::kSummary), u"基石:三等5678"_s);
    // A stone row is no item: the region stays as typed.
    EXPECT_EQ(Text(dialog, CDlgFind::kRegionEdit), u"新北市"_s);
    dialog.Commands().Dispatch(CDlgFind::kEditData);
    EXPECT_EQ(Calls(u"subset Edit"_s), QStringList{u"subset Edit 1"_s});
    // The columns may be the peak group's: the group sorts.
    ListOf(dialog, CDlgFind::kList)->header()->sectionClicked(0);
    EXPECT_EQ(Calls(u"group Sort"_s), QStringList{u"group Sort 0"_s});
    EXPECT_TRUE(Calls(u"group Row"_s).isEmpty());

    // A region search goes through the group's items, which the group draws.
    group.calls.clear();
    dialog.Commands().Dispatch(CDlgFind::kSearchRegion);
    EXPECT_EQ(group.calls, QStringList({u"group Row 0 1 0"_s, u"group Row 1 1 0"_s, u"group Row 3 1 0"_s}));
}

TEST_F(DlgFindTest, StoneModeWithAnEmptySubsetOrNoneSearchesTheGroupsStones)
{
    FindStoneSubset empty(&group.calls, {});
    for (CSubsetBase* subset : {static_cast<CSubsetBase*>(&empty), static_cast<CSubsetBase*>(nullptr)}) {
        SCOPED_TRACE(subset ? "empty subset" : "no subset");
        group.calls.clear();
        CDlgFind dialog(&group, subset);
        dialog.stoneMode = true;
        dialog.OnInitDialog();
        SetText(dialog, CDlgFind::kNameEdit, u"1234"_s);
        dialog.Commands().Dispatch(CDlgFind::kSearchName);
        // 烏來瀑布 holds 二等1234 as its stone, 五峰旗瀑布 as its second stone.
        EXPECT_EQ(group.calls, QStringList({u"group Columns"_s, u"group Row 0 1 0"_s, u"group Row 2 1 0"_s}));
        ASSERT_TRUE(ClickRow(dialog, CDlgFind::kList, 1));
        EXPECT_EQ(Text(dialog, CDlgFind::kSummary), u"摘要:五峰旗瀑布"_s);
    }
}

TEST_F(DlgFindTest, OutsideStoneModeTheSubsetIsNotUsed)
{
    FindStoneSubset subset(&group.calls, {{u"烏來"_s, {}, {}}});
    CDlgFind dialog(&group, &subset);
    dialog.OnInitDialog();
    SetText(dialog, CDlgFind::kNameEdit, u"烏來"_s);
    dialog.Commands().Dispatch(CDlgFind::kSearchName);
    EXPECT_EQ(group.calls, QStringList({u"group Columns"_s, u"group Row 0 1 0"_s}));
}

TEST_F(DlgFindTest, WithoutAGroupNothingHappens)
{
    CDlgFind dialog(nullptr, nullptr);
    dialog.initialText = u"烏來"_s;
    dialog.OnInitDialog();
    for (const int id : {CDlgFind::kSearchName, CDlgFind::kSearchRegion, CDlgFind::kEditData,
                         CDlgFind::kSetTrip, CDlgFind::kSetMap})
        dialog.Commands().Dispatch(id);
    EXPECT_TRUE(RowTexts(dialog, CDlgFind::kList).isEmpty());
}

TEST_F(DlgFindTest, Screenshot)
{
    CDlgFind dialog(&group, nullptr);
    dialog.walkNumber = 12;
    dialog.atlasCode = 114955;
    dialog.initialText = u"瀑布 雲森"_s;
    dialog.OnInitDialog();
    dialog.show();
    ASSERT_TRUE(ClickRow(dialog, CDlgFind::kList, 0));
    EXPECT_EQ(Text(dialog, CDlgFind::kCount), u"6"_s);
    SaveAndCheckScreenshot(dialog, u"talvane-find-dialog.png"_s);
}

} // namespace
