// The stone-class subsets over the peak and survey-stone groups of a catalog saved as the
// owner's Windows machine saves it (tests/data/stonesubsets, UTF-16LE and CP950 item files):
// rows and columns with peak rows, stone rows or both, the partner found or missing, the row
// commands reaching the group whose rows are shown, map points and the combined search index.
#include "catalog/GroupTable.h"
#include "catalog/stone/GroupStone.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "catalog/subsets/stones/SubsetNoStoneLevel.h"
#include "catalog/subsets/stones/SubsetStone.h"
#include "catalog/talvane/GroupTalvane.h"
#include "gps/GPSFileManager.h"

#include "FakeDialogRunner.h"
#include "FakeItemList.h"
#include "FakeKeyboard.h"
#include "FakeMainWindow.h"
#include "FakePointView.h"
#include "FakeShell.h"
#include "FakeStatusText.h"
#include "GpsBabel.h"
#include "GpxTestSupport.h"
#include "TempDir.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QStringList kPeakColumns = {"山名", "標高(m)", "基石", "地區", "已爬"};
const QStringList kStoneColumns = {"基石", "標高(m)", "名稱", "地區", "已摸"};

QString Fixture(const QString& name)
{
    return QStringLiteral(TALVANE_TEST_DATA "/stonesubsets/") + name;
}

class StoneSubsetTest : public ::testing::Test {
protected:
    void SetUp() override { Open(QString()); }
    // The fixture catalog as the program folder; settings replaces its settings file.
    void Open(const QString& settings)
    {
        platform::ClearProfileCache();
        DisplayNameConversions::Program().Reset();
        bin = dir.copyTree(Fixture(QStringLiteral("catalog")), QStringLiteral("bin"));
        if (!settings.isEmpty())
            dir.write(QStringLiteral("bin/峰嵐錄.txt"), ReadBytes(Fixture(settings)));
        platform::SetProgramFolder(bin);
        table.SetGroupClasses({{[] { return std::make_unique<CGroupTalvane>(); }, 0},
                               {[] { return std::make_unique<CGroupStone>(); }, 1}});
        window.OpenThroughFormatManager();
        table.SetServices(WindowServices{.mainWindow = &window, .keyboard = &keyboard,
                                         .dialogs = &dialogs, .shell = &shell});
        table.LoadSettings();
    }
    CGroupTalvane* Peaks() { return dynamic_cast<CGroupTalvane*>(table.GetGroup(0, &status)); }
    CGroupStone* Stones(int index = 1) { return dynamic_cast<CGroupStone*>(table.GetGroup(index, &status)); }
    // The subset of the peak group's [Talvane] Stone%d word.
    CSubsetStone* PeakClass(const char* word)
    {
        CGroupTalvane* peaks = Peaks();
        const int found = peaks ? peaks->FindSubset(CSubsetBase::kTypeStone, QString::fromUtf8(word)) : -1;
        return found < 0 ? nullptr : dynamic_cast<CSubsetStone*>(peaks->Subset(found));
    }
    int Fill(CSubsetBase& subset)
    {
        SubsetStatistics statistics;
        const int rows = subset.FillList(&list, &statistics, nullptr);
        EXPECT_EQ(statistics.visited, SubsetStatistics::kNone) << "no statistics are kept";
        EXPECT_EQ(rows, list.RowCount());
        return rows;
    }
    QStringList Row(int row) const
    {
        QStringList cells;
        for (int c = 0; c < list.ColumnCount(); ++c)
            cells << list.CellText(row, c);
        return cells;
    }
    int RowOf(quint32 value) const { return int(list.RowValues().indexOf(value)); }
    QString ItemFile(const char* folder, const char* file) const
    {
        return QDir::cleanPath(bin + QStringLiteral("/data/") + QString::fromUtf8(folder) + u'/' +
                               QString::fromUtf8(file));
    }

    TempDir dir;
    QString bin;
    CGroupTable table;
    FakeStatusText status;
    FakeShell shell;
    FakeDialogRunner dialogs;
    FakeKeyboard keyboard;
    FakeMainWindow window;
    FakeItemList list;
};

TEST_F(StoneSubsetTest, ThePeakGroupBuildsOneClassSubsetPerStoneKey)
{
    CSubsetStone* third = PeakClass("三等");
    CSubsetStone* first = PeakClass("一等");
    ASSERT_NE(third, nullptr);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(third->DisplayName(), QStringLiteral("三等基石"));
    EXPECT_EQ(third->Section(), QStringLiteral("Talvane"));
    EXPECT_EQ(third->FolderCode(), CSubsetBase::kFolderBasic);
    EXPECT_EQ(third->PeakGroup(), Peaks());
    EXPECT_EQ(third->StoneGroup(), nullptr) << "found on first use";
    EXPECT_LT(Peaks()->FindSubset(CSubsetBase::kTypeStone, QStringLiteral("三等")),
              Peaks()->FindSubset(CSubsetBase::kTypeStone, QStringLiteral("一等")));
}

// 三等: peaks by a second stone, a third stone and a second stone's alias; stones by number
// and by alias, all in peak columns, sorted by the stones column.
TEST_F(StoneSubsetTest, PeaksAndStonesOfAClassShareThePeakColumns)
{
    CSubsetStone* subset = PeakClass("三等");
    ASSERT_NE(subset, nullptr);
    ASSERT_EQ(Fill(*subset), 6);
    EXPECT_EQ(subset->StoneGroup(), Stones());
    EXPECT_FALSE(subset->RowsFromStoneGroup());
    EXPECT_EQ(subset->RowGroup(), Peaks());
    EXPECT_EQ(list.ColumnTitles(), kPeakColumns);
    // 三等50, 三等1234, 三等6016, 三等6055, then the stones of no level by their text.
    EXPECT_EQ(list.RowValues(), (QList<quint32>{40002, 20001, 60000, 60001, 20003, 60002}));
    // 雪山's second stone is tested before its first alias.
    EXPECT_EQ(Row(RowOf(20001)), (QStringList{"雪山", "3886", "三等1234,一等2(三等999)", "台中", ""}));
    EXPECT_EQ(Row(RowOf(40002)), (QStringList{"合歡東峰", "3421", "三等50(失),二等3", "南投縣", ""}));
    EXPECT_EQ(Row(RowOf(20003)), (QStringList{"北大武山", "3092", "(三等77)森林3,一等10", "屏東", ""}));
    EXPECT_EQ(Row(RowOf(60000)), (QStringList{"合歡山", "3417", "三等6016", "南投縣", "V"}));
    EXPECT_EQ(Row(RowOf(60001)), (QStringList{"鹿林山", "2845", "三等6055(存)", "嘉義", ""}));
    EXPECT_EQ(Row(RowOf(60002)), (QStringList{"大霸", "3200", "(三等88)水源12", "新竹", ""}));
}

TEST_F(StoneSubsetTest, AClassOfPeaksOnlyKeepsThePeakRows)
{
    CSubsetStone* subset = PeakClass("一等");
    ASSERT_NE(subset, nullptr);
    ASSERT_EQ(Fill(*subset), 3);
    EXPECT_EQ(list.ColumnTitles(), kPeakColumns);
    EXPECT_EQ(list.RowValues(), (QList<quint32>{0, 1, 3}));
    EXPECT_EQ(Row(0), (QStringList{"玉山", "3952", "一等1", "南投縣", "V"}));
}

// 水源 matches no peak: the list shows the stone group's columns and rows, and the commands go
// to the stone group.
TEST_F(StoneSubsetTest, AClassOfStonesOnlyShowsTheStoneGroupsList)
{
    CGroupStone* stones = Stones();
    ASSERT_NE(stones, nullptr);
    CSubsetStone subset(QStringLiteral("水源"), stones);
    ASSERT_EQ(Fill(subset), 1);
    EXPECT_TRUE(subset.RowsFromStoneGroup());
    EXPECT_EQ(subset.PeakGroup(), Peaks());
    EXPECT_EQ(subset.RowGroup(), stones);
    EXPECT_EQ(list.ColumnTitles(), kStoneColumns);
    EXPECT_EQ(list.RowValues(), QList<quint32>{60002});
    EXPECT_EQ(Row(0), (QStringList{"水源12", "3200", "大霸", "新竹", ""}));

    FakeStatusText summary;
    EXPECT_TRUE(subset.ShowRowSummary(&summary, &list, 0));
    EXPECT_EQ(summary.text, QStringLiteral("大霸，3200m，水源12 [新竹]"));
    // The stone group sorts stone numbers and heights only.
    EXPECT_TRUE(subset.SortItemList(&list, 0));
    EXPECT_FALSE(subset.SortItemList(&list, 2));
    EXPECT_TRUE(subset.EditItemFile(&list, 0));
    EXPECT_EQ(shell.edited, QStringList{ItemFile("基石", "s03.txt")});
    // 大霸 has no waypoint: the stone group asks for one.
    EXPECT_TRUE(subset.LocateRow(&list, 0, 0, false));
    ASSERT_EQ(dialogs.waypointPicks.size(), 1);
    EXPECT_EQ(dialogs.waypointPicks[0].group, stones);
    EXPECT_EQ(dialogs.waypointPicks[0].item, 2);
}

// 基石無法歸類: an empty first stone, second stones of no level, stones of no level; never
// 無 and never an alias; in item order.
TEST_F(StoneSubsetTest, TheStonesOfNoLevelAreListedUnsortedAndSortThroughTheRowGroup)
{
    CGroupStone* stones = Stones();
    ASSERT_NE(stones, nullptr);
    CSubsetNoStoneLevel subset(stones);
    EXPECT_EQ(subset.TypeCode(), CSubsetBase::kTypeNoStoneLevel);
    EXPECT_EQ(subset.FolderCode(), CSubsetBase::kFolderBasic);
    EXPECT_EQ(subset.DisplayName(), QStringLiteral("基石無法歸類"));
    EXPECT_EQ(subset.Section(), QStringLiteral("Stone"));
    EXPECT_TRUE(subset.MatchesKey(QStringLiteral("任何")));

    ASSERT_EQ(Fill(subset), 6);
    EXPECT_EQ(list.ColumnTitles(), kPeakColumns);
    EXPECT_EQ(list.RowValues(), (QList<quint32>{20003, 4, 20005, 60002, 60003, 60004}));
    EXPECT_EQ(Row(3), (QStringList{"大霸", "3200", "水源12(三等88)", "新竹", ""}));
    EXPECT_EQ(Row(5), (QStringList{"", "80", "都計四等5", "台北", ""}));

    // 平頂's row is a peak's: its summary and item file come from the peak group.
    FakeStatusText summary;
    EXPECT_TRUE(subset.ShowRowSummary(&summary, &list, 1));
    EXPECT_EQ(summary.text, QStringLiteral("平頂，1200m， [新竹]"));
    EXPECT_TRUE(subset.EditItemFile(&list, 1));
    EXPECT_EQ(shell.edited, QStringList{ItemFile("山", "p05.txt")});
    // Heights, first click descending.
    EXPECT_TRUE(subset.SortItemList(&list, 1));
    EXPECT_EQ(list.RowValues(), (QList<quint32>{60002, 20003, 20005, 60003, 4, 60004}));
    // Other row commands are the shown group's own.
    EXPECT_FALSE(subset.LocateRow(&list, 1, 0, false));
    EXPECT_FALSE(subset.ExportWaypoints(&list));
    FakePointView view;
    EXPECT_EQ(subset.MarkOnMap(&view), 0);
    EXPECT_TRUE(view.points.isEmpty());
}

TEST_F(StoneSubsetTest, MarksCarryTheRowValueAndTheNumberAfterTheWord)
{
    CSubsetStone* subset = PeakClass("三等");
    ASSERT_NE(subset, nullptr);
    FakePointView view;
    ASSERT_EQ(subset->MarkOnMap(&view), 6) << "the stone group is found for marking too";
    QList<quint32> keys;
    QList<int> numbers;
    QStringList names;
    for (const FakePointView::Point& p : view.points) {
        keys << p.key;
        numbers << p.number;
        names << p.name;
    }
    EXPECT_EQ(keys, (QList<quint32>{20001, 40002, 20003, 60000, 60001, 60002}));
    EXPECT_EQ(numbers, (QList<int>{1234, 50, 77, 6016, 6055, 88}));
    EXPECT_EQ(names, (QStringList{"雪山", "合歡東峰", "北大武山", "合歡山", "鹿林山", "大霸"}));
    EXPECT_DOUBLE_EQ(view.points[3].x, 121.2711);
    EXPECT_DOUBLE_EQ(view.points[3].y, 24.1419);

    CSubsetStone provincial(QStringLiteral("省府"), Peaks());
    FakePointView second;
    ASSERT_EQ(provincial.MarkOnMap(&second), 1);
    EXPECT_EQ(second.points[0].key, 6u);
    EXPECT_EQ(second.points[0].number, 0);
}

TEST_F(StoneSubsetTest, RowCommandsOfPeakRowsReachThePeakGroupAndExportEndsWithTheStones)
{
    REQUIRE_GPSBABEL();
    CSubsetStone* subset = PeakClass("三等");
    ASSERT_NE(subset, nullptr);
    ASSERT_EQ(Fill(*subset), 6);
    FakeStatusText summary;
    EXPECT_TRUE(subset->ShowRowSummary(&summary, &list, RowOf(60000)));
    EXPECT_EQ(summary.text, QStringLiteral("合歡山，3417m，三等6016 [南投縣]"));
    EXPECT_TRUE(subset->ShowRowSummary(&summary, &list, RowOf(20001)));
    EXPECT_EQ(summary.text, QStringLiteral("雪山，3886m，一等2(三等999)、三等1234 [台中]"));
    // A stone row among peaks has no records and locates nothing in the peak group.
    EXPECT_FALSE(subset->HasRecordLinks(&list, RowOf(60000)));
    EXPECT_FALSE(subset->LocateRow(&list, RowOf(60000), 0, false));
    EXPECT_TRUE(dialogs.waypointPicks.isEmpty());
    // The peaks have no waypoint file; the stone group exports 合歡山 by its waypoint HEHUAN.
    EXPECT_TRUE(subset->ExportWaypoints(&list));
    ASSERT_FALSE(shell.opened.isEmpty());
    const QString exported = shell.opened.last();
    EXPECT_TRUE(exported.endsWith(QStringLiteral("~~TempST.gdb"))) << exported.toStdString();
    GpxContent content;
    ASSERT_TRUE(GpsbabelReading(exported, &content, QStringLiteral("gdb")));
    ASSERT_EQ(content.waypoints.size(), 1u);
    EXPECT_EQ(content.waypoints[0].name, QStringLiteral("合歡山"));
    EXPECT_NEAR(content.waypoints[0].position.lat, 24.1419, 1e-6);
    EXPECT_NEAR(content.waypoints[0].position.lon, 121.2711, 1e-6);
}

TEST_F(StoneSubsetTest, TheCombinedIndexCountsPeaksThenStones)
{
    CSubsetStone* subset = PeakClass("三等");
    ASSERT_NE(subset, nullptr);
    ASSERT_EQ(Fill(*subset), 6);
    EXPECT_EQ(subset->GetItemCount(), 7 + 6);
    QString a, b, c;
    EXPECT_TRUE(subset->GetItemStones(1, &a, &b, &c));
    EXPECT_EQ(QStringList({a, b, c}), (QStringList{"一等2", "三等1234", ""}));
    EXPECT_TRUE(subset->GetItemStones(7, &a, &b, &c));
    EXPECT_EQ(QStringList({a, b, c}), (QStringList{"三等6016", "", ""}));
    EXPECT_FALSE(subset->GetItemStones(13, &a, &b, &c));
    EXPECT_EQ(QStringList({a, b, c}), (QStringList{"", "", ""}));
    EXPECT_FALSE(subset->GetItemStones(-1, &a, &b, &c));

    FakeItemList found;
    subset->SetupAssignColumns(&found);
    EXPECT_EQ(found.ColumnTitles(), (QStringList{"山名", "標高(m)", "基石", "地區", "已設定"}));
    // 玉山 was climbed, but the mark column tells the assignment: blank.
    EXPECT_TRUE(subset->InsertItemRow(&found, 0, 0, false, false));
    EXPECT_TRUE(subset->InsertItemRow(&found, 1, 1, true, false));
    EXPECT_TRUE(subset->InsertItemRow(&found, 2, 7, false, false));
    EXPECT_FALSE(subset->InsertItemRow(&found, 3, 13, false, false));
    EXPECT_FALSE(subset->InsertItemRow(&found, 3, -1, false, false));
    EXPECT_EQ(found.RowValues(), (QList<quint32>{0, 20001, 60000}));
    EXPECT_EQ(found.CellText(0, 4), QString());
    EXPECT_EQ(found.CellText(1, 2), QStringLiteral("三等1234,一等2(三等999)"));
    EXPECT_EQ(found.CellText(2, 0), QStringLiteral("合歡山"));
    EXPECT_EQ(found.CellText(2, 2), QStringLiteral("三等6016"));
}

// A table of one group: the subset lists from the group it has.
TEST_F(StoneSubsetTest, WithoutThePeakGroupTheStonesAreListedUnderTheirOwnColumns)
{
    Open(QStringLiteral("only_stones.txt"));
    CGroupStone* stones = Stones(0);
    ASSERT_NE(stones, nullptr);
    CSubsetStone subset(QStringLiteral("三等"), stones);
    ASSERT_EQ(Fill(subset), 3);
    EXPECT_EQ(subset.PeakGroup(), nullptr);
    EXPECT_TRUE(subset.RowsFromStoneGroup());
    EXPECT_EQ(list.ColumnTitles(), kStoneColumns);
    EXPECT_EQ(list.RowValues(), (QList<quint32>{60000, 60001, 60002}));
    FakeStatusText summary;
    EXPECT_TRUE(subset.ShowRowSummary(&summary, &list, 0));
    EXPECT_EQ(summary.text, QStringLiteral("合歡山，3417m，三等6016 [南投縣]"));
    FakePointView view;
    EXPECT_EQ(subset.MarkOnMap(&view), 3);

    EXPECT_EQ(subset.GetItemCount(), 6);
    FakeItemList found;
    subset.SetupAssignColumns(&found);
    EXPECT_EQ(found.ColumnTitles(), (QStringList{"基石", "標高(m)", "名稱", "地區", "已設定"}));
    EXPECT_TRUE(subset.InsertItemRow(&found, 0, 0, false, false));
    EXPECT_FALSE(subset.InsertItemRow(&found, 1, 6, false, false));
    EXPECT_EQ(found.RowValues(), QList<quint32>{60000});
    EXPECT_EQ(found.CellText(0, 0), QStringLiteral("三等6016"));
    EXPECT_EQ(found.CellText(0, 4), QString()) << "assigned: no";

    CSubsetNoStoneLevel unclassified(stones);
    list = FakeItemList();
    ASSERT_EQ(Fill(unclassified), 3);
    EXPECT_EQ(list.ColumnTitles(), kStoneColumns);
    EXPECT_EQ(list.RowValues(), (QList<quint32>{60002, 60003, 60004}));
}

TEST_F(StoneSubsetTest, WithoutTheStoneGroupThePeaksAreListedAlone)
{
    Open(QStringLiteral("only_peaks.txt"));
    CSubsetStone* subset = PeakClass("三等");
    ASSERT_NE(subset, nullptr);
    ASSERT_EQ(Fill(*subset), 3);
    EXPECT_EQ(subset->StoneGroup(), nullptr);
    EXPECT_FALSE(subset->RowsFromStoneGroup());
    EXPECT_EQ(list.ColumnTitles(), kPeakColumns);
    EXPECT_EQ(list.RowValues(), (QList<quint32>{40002, 20001, 20003}));
    FakePointView view;
    EXPECT_EQ(subset->MarkOnMap(&view), 3);
    EXPECT_EQ(subset->GetItemCount(), 7);

    // A class no peak matches: no rows, the peak columns stay, commands go to the peaks.
    CSubsetStone water(QStringLiteral("水源"), Peaks());
    list = FakeItemList();
    EXPECT_EQ(Fill(water), 0);
    EXPECT_EQ(list.ColumnTitles(), kPeakColumns);
    EXPECT_EQ(water.RowGroup(), Peaks());
}

} // namespace
