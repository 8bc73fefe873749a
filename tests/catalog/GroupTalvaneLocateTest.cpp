// The peak group's row menu (locate entries, jumps to the peak's regions and survey stones) and
// the locating of a row's peak, on the program folder of tests/data/locate: stone levels
// 一等,二等 and 三等, the display name 甲 for the region code A.
#include "LocateTestSupport.h"

#include "FakeItemList.h"
#include "FakePopupMenu.h"
#include "catalog/records/RecordText.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "catalog/talvane/GroupTalvane.h"

namespace {

using namespace locate_test;
using Menu = CGroupTalvane::RowMenu;

// The entries every row offers, in their order.
const QStringList kFixedEntries = {
    QStringLiteral("1013 地圖定位..."), QStringLiteral("1046 地圖定位(5K)..."),
    QStringLiteral("1047 地圖定位(10K)..."), QStringLiteral("1065 Google地圖定位..."),
    QStringLiteral("1051 找同名山...")};

class GroupTalvaneLocateTest : public LocateFixture {
protected:
    void SetUp() override
    {
        LocateFixture::SetUp();
        DisplayNameConversions::Program().Reset();
        table.SetServices(WindowServices{.mainWindow = &window, .popupMenu = &menu,
                                         .keyboard = &keyboard, .dialogs = &dialogs,
                                         .shell = &shell});
        peaks = dynamic_cast<CGroupTalvane*>(table.GetGroup(0, nullptr));
        ASSERT_NE(peaks, nullptr);
    }
    void TearDown() override { DisplayNameConversions::Program().Reset(); }

    int Peak(const char* base) const
    {
        for (int i = 0; i < peaks->ItemCount(); ++i)
            if (platform::BaseNameOf(peaks->ItemPath(i)) == QString::fromUtf8(base))
                return i;
        ADD_FAILURE() << base;
        return -1;
    }
    // A list of one row with this value; the menu shown for it, as "id text" lines.
    QStringList MenuOf(quint32 value)
    {
        list.rows = {FakeItemList::Row{{QStringLiteral("row")}, value}};
        const qsizetype before = menu.shown.size();
        EXPECT_TRUE(peaks->PopupItemMenu(&list, 0));
        if (menu.shown.size() != before + 1)
            return {};
        EXPECT_EQ(menu.shown.last().delivery, MenuDelivery::ToOwner);
        QStringList lines;
        for (const MenuEntry& e : menu.shown.last().entries)
            lines << QString::number(e.id) + u' ' + e.text;
        return lines;
    }
    bool LocateValue(quint32 value, int radius, bool online)
    {
        list.rows = {FakeItemList::Row{{QStringLiteral("row")}, value}};
        return peaks->LocateRow(&list, 0, radius, online);
    }

    FakePopupMenu menu;
    FakeItemList list;
    CGroupTalvane* peaks = nullptr;
};

TEST_F(GroupTalvaneLocateTest, MenuOfAPeakWithFourRegionsAndTwoStones)
{
    // Region "A,B,C,D": three entries, A through its display name; Stone and StoneAlias2.
    const QStringList expected = kFixedEntries + QStringList{
        QStringLiteral("1048 跳至地區(甲)..."), QStringLiteral("1049 跳至地區(B)..."),
        QStringLiteral("1050 跳至地區(C)..."), QStringLiteral("1056 跳至基石(一等)..."),
        QStringLiteral("1060 跳至基石(三等)...")};
    const quint32 peak = quint32(Peak("m_regions"));
    EXPECT_EQ(MenuOf(peak), expected);
    EXPECT_EQ(peaks->JumpStone(0), QStringLiteral("一等"));
    EXPECT_EQ(peaks->JumpStone(4), QStringLiteral("三等"));
    // The rows of its second and third stone stand for the same peak.
    EXPECT_EQ(MenuOf(20000 + peak), expected);
    EXPECT_EQ(MenuOf(40000 + peak), expected);
}

TEST_F(GroupTalvaneLocateTest, StoneSlotsKeepTheirTextUntilOfferedAgain)
{
    EXPECT_EQ(MenuOf(quint32(Peak("m_regions"))).size(), 10);
    // Stone2 二等7 is offered; Stone3 X99 names no level.
    const QStringList expected = kFixedEntries + QStringList{
        QStringLiteral("1048 跳至地區(B)..."), QStringLiteral("1057 跳至基石(二等)...")};
    EXPECT_EQ(MenuOf(quint32(Peak("n_stones"))), expected);
    EXPECT_EQ(peaks->JumpStone(0), QStringLiteral("一等"));
    EXPECT_EQ(peaks->JumpStone(1), QStringLiteral("二等"));
    EXPECT_EQ(peaks->JumpStone(2), QString());
    EXPECT_EQ(peaks->JumpStone(4), QStringLiteral("三等"));
    EXPECT_EQ(peaks->JumpStone(Menu::kStones), QString());
}

TEST_F(GroupTalvaneLocateTest, SurveyStoneRowOffersTheFixedEntriesAlone)
{
    EXPECT_EQ(MenuOf(60000), kFixedEntries);
    EXPECT_EQ(MenuOf(IItemList::kNoItemRow), kFixedEntries);
    EXPECT_EQ(peaks->JumpStone(0), QString());

    list.rows.clear();
    EXPECT_FALSE(peaks->PopupItemMenu(&list, 0));
    EXPECT_FALSE(peaks->PopupItemMenu(nullptr, 0));
    EXPECT_EQ(menu.shown.size(), 2);
}

TEST_F(GroupTalvaneLocateTest, ChosenEntryReachesTheOwner)
{
    menu.choice = 1049;
    MenuOf(quint32(Peak("m_regions")));
    EXPECT_EQ(menu.delivered, QList<int>{1049});
}

TEST_F(GroupTalvaneLocateTest, RowsOfAPeakLocateThePeak)
{
    const quint32 peak = quint32(Peak("m_regions"));  // waypoint Online, 121.5 E 25 N
    const QString page = QStringLiteral("https://www.openstreetmap.org/"
                                        "?mlat=25.000000&mlon=121.500000"
                                        "#map=15/25.000000/121.500000");
    for (quint32 value : {peak, 20000 + peak, 40000 + peak}) {
        SCOPED_TRACE(value);
        shell.opened.clear();
        EXPECT_TRUE(LocateValue(value, 0, true));
        EXPECT_EQ(shell.opened, QStringList{page});
    }
    EXPECT_TRUE(LocateValue(quint32(Peak("e_centre")), 5, false));
    EXPECT_EQ(Shown(), (QStringList{QStringLiteral("Centre"), QStringLiteral("NearNE")}));
}

TEST_F(GroupTalvaneLocateTest, SurveyStoneRowLocatesNothing)
{
    const quint32 pastThePeaks = quint32(20000 + peaks->ItemCount());
    for (quint32 value : {60000u, 79999u, IItemList::kNoItemRow, pastThePeaks}) {
        SCOPED_TRACE(value);
        EXPECT_FALSE(LocateValue(value, 10, false));
    }
    EXPECT_FALSE(peaks->LocateRow(&list, 1, 0, false));
    EXPECT_TRUE(window.openedGpsFiles.isEmpty());
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(GroupTalvaneLocateTest, FullWaypointFieldGivesTheWholeName)
{
    const int peak = Peak("f_longwp");
    EXPECT_EQ(FieldText(peaks->Record(peak)->Waypoint), QStringLiteral("LongPeakWaypoin"));
    QString name;
    peaks->GetItemWaypointName(peak, &name);
    EXPECT_EQ(name, QStringLiteral("LongPeakWaypointName"));
    // The waypoint named as the field holds it cut is not the peak's.
    EXPECT_TRUE(LocateValue(quint32(peak), 0, false));
    EXPECT_EQ(Shown(), QStringList{QStringLiteral("LongPeakWaypointName")});
}

} // namespace
