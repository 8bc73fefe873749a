// The main dialog on a copy of the bundled sample, with the survey stones and the old trails: a
// map click in 山's 三等基石 selects the row of the point (peaks and stones alike); 地圖定位... on
// 圖根點平頂 opens 搜尋航點, where 平頂 and 確認 record the waypoint in Mapping.txt and locate it;
// a stone is never placed on a waypoint by its place name, and 搜尋基石 finds no stone by region;
// 地圖定位... on a peak row of 基石無法歸類 locates the peak;
// under 古道 the record menu lists the walks and atlas pages, 地圖定位... hands the GPS software
// "~~TempOT.gdb" with the track and its waypoints, and 錐麓古道 (two tracks, 錐麓古道1 and 2) opens
// 搜尋航跡. The search dialogs are the real ones, driven by control id.
#include "FakePopupMenu.h"
#include "FakeShell.h"
#include "FindDialogSupport.h"
#include "GpsBabel.h"
#include "GpxTestSupport.h"
#include "TempDir.h"
#include "catalog/GroupBase.h"
#include "catalog/GroupTable.h"
#include "catalog/trail/GroupTrail.h"
#include "catalog/window/IDialogRunner.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/dialogs/find/DlgFind.h"
#include "ui/dialogs/pickers/DlgFindTrack.h"
#include "ui/dialogs/pickers/DlgFindWayPoint.h"
#include "ui/framework/CommandDispatch.h"
#include "ui/maindlg/TalvaneDlg.h"
#include "ui/views/MapView.h"
#include "ui/views/StaticMapView.h"

#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSettings>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kSection = QLatin1String(CTalvaneDlg::kProfileSection);

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

// Runs the real waypoint and track pickers without a modal loop: the dialog is set up as the
// program's runner sets it up, started, then driven by the test's script through its controls.
class ScriptedPickers : public IDialogRunner {
public:
    using Script = std::function<void(CPickerDialogBase&)>;

    FindDialogResult RunFindDialog(const FindDialogRequest&) override { return {}; }
    int RunWaypointPicker(const PickerRequest& request) override
    {
        waypointRequests << request;
        CDlgFindWayPoint dialog;
        dialog.group = request.group;
        dialog.item = request.item;
        dialog.mappingPath = request.mappingFile;
        dialog.waypointSet = request.waypoints;
        return Run(dialog);
    }
    int RunTrackPicker(const PickerRequest& request) override
    {
        trackRequests << request;
        CDlgFindTrack dialog;
        dialog.group = dynamic_cast<CGroupTrail*>(request.group);
        dialog.item = request.item;
        dialog.mappingPath = request.mappingFile;
        dialog.trackSet = request.tracks;
        return Run(dialog);
    }

    QList<PickerRequest> waypointRequests, trackRequests;
    Script script;

private:
    int Run(CPickerDialogBase& dialog)
    {
        dialog.OnInitDialog();
        if (script)
            script(dialog);
        return dialog.result;
    }
};

// The texts of the picker's list rows.
QStringList PickerRows(CPickerDialogBase& dialog)
{
    QStringList rows;
    auto* list = dialog.DlgItem<QTreeWidget>(CPickerDialogBase::kList);
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        rows << list->topLevelItem(r)->text(0);
    return rows;
}

// Types the text, searches, selects the row showing name and presses the button.
void PickByName(CPickerDialogBase& dialog, const QString& text, const QString& name, int button)
{
    dialog.DlgItem<QLineEdit>(CPickerDialogBase::kSearchEdit)->setText(text);
    dialog.DlgItem<QAbstractButton>(CPickerDialogBase::kSearch)->click();
    auto* list = dialog.DlgItem<QTreeWidget>(CPickerDialogBase::kList);
    const auto found = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    found.first()->setSelected(true);
    auto* pressed = dialog.DlgItem<QAbstractButton>(button);
    ASSERT_TRUE(pressed->isEnabled());
    pressed->click();
}

bool Within(const MapRect& r, int x, int y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// A pixel of point i's marker or name that no other point's drawn marker or name covers (a
// peak and its stone share one marker); none when the others cover them all.
std::optional<QPoint> OwnSpot(const CMapView& view, int i)
{
    const MapPoint& own = view.Point(i);
    const std::pair<MapRect, bool> parts[] = {{own.markerRect, own.markerDrawn},
                                              {own.labelRect, own.labelDrawn}};
    for (const auto& [r, drawn] : parts) {
        for (int y = r.top; drawn && y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                bool covered = false;
                for (int j = 0; j < view.PointCount() && !covered; ++j) {
                    const MapPoint& p = view.Point(j);
                    covered = j != i && ((p.markerDrawn && Within(p.markerRect, x, y))
                                         || (p.labelDrawn && Within(p.labelRect, x, y)));
                }
                if (!covered)
                    return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

struct SampleStonesTrailsFixture : ::testing::Test {
    SampleStonesTrailsFixture()
    {
        QSettings().remove(kSection);
        program = temp.copyTree(QStringLiteral(TALVANE_SAMPLE_DIR), QStringLiteral("bin"));
        platform::SetProgramFolder(program);
        platform::ClearProfileCache();
        dialog = std::make_unique<CTalvaneDlg>();
        dialog->show();
        QTest::qWait(20);
        // Nothing leaves the test: the shell only records, menus choose nothing unless told.
        WindowServices services = dialog->GroupTable().Services();
        services.shell = &shell;
        services.dialogs = &pickers;
        services.popupMenu = &menu;
        dialog->GroupTable().SetServices(services);
    }
    ~SampleStonesTrailsFixture() override
    {
        dialog.reset();
        QSettings().remove(kSection);
    }

    void ChooseGroup(int entry)
    {
        dialog->DlgItem<QListWidget>(CTalvaneDlg::kGroupList)->setCurrentRow(entry);
        QCoreApplication::processEvents();
    }
    void SelectRow(const char* text)
    {
        auto* list = dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kItemList);
        const auto found = list->findItems(U(text), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text << " among " << list->topLevelItemCount() << " rows";
        list->clearSelection();
        found.first()->setSelected(true);
    }
    // Selects the one row carrying this value.
    void SelectRowOf(quint32 value)
    {
        auto* list = dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kItemList);
        const int row = dialog->ItemList().FindRow(value);
        ASSERT_GE(row, 0) << value;
        list->clearSelection();
        list->topLevelItem(row)->setSelected(true);
    }
    // The item of a group whose file has this base name; -1 when none.
    int ItemOfFile(int group, const char* base)
    {
        const CGroupBase* g = dialog->GroupTable().GetGroup(group, nullptr);
        for (int i = 0; g && i < g->ItemCount(); ++i)
            if (platform::BaseNameOf(g->ItemPath(i)) == U(base))
                return i;
        return -1;
    }
    // Selects the subset tree's node whose text begins with name.
    void SelectNode(const char* name)
    {
        auto* tree = dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kSubsetTree);
        const auto found = tree->findItems(U(name), Qt::MatchStartsWith | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1) << name;
        tree->setCurrentItem(found.first());
        QCoreApplication::processEvents();
    }
    QString InProgram(const QString& name) const { return platform::JoinPath(program, name); }
    QString Mapping(const char* key) const
    {
        return platform::GetProfileString(MappingFilePath(), QStringLiteral("GPS"), U(key));
    }

    TempDir temp;
    QString program;
    FakeShell shell;
    FakePopupMenu menu;
    ScriptedPickers pickers;
    std::unique_ptr<CTalvaneDlg> dialog;
};

QStringList WaypointNames(const GpxContent& content)
{
    QStringList names;
    for (const GpxWaypoint& w : content.waypoints)
        names << w.name;
    names.sort();
    return names;
}

// With the map shown, every point of 山's 三等基石 (peaks, 雪山 by its second stone, and stones in
// the peak columns) is keyed by the value of the row that shows it, and a click on it selects
// that row.
TEST_F(SampleStonesTrailsFixture, AClickOnAnyPointOfTheThirdOrderClassSelectsItsRow)
{
    ChooseGroup(0);
    auto* tree = dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kSubsetTree);
    for (QTreeWidgetItem* node : tree->findItems(U("三等基石"), Qt::MatchStartsWith | Qt::MatchRecursive)) {
        tree->setCurrentItem(node);
        if (dialog->CurrentSubset() >= 0)
            break;
    }
    ASSERT_GE(dialog->CurrentSubset(), 0);
    QtItemList& list = dialog->ItemList();
    ASSERT_EQ(list.RowCount(), 12);
    QList<quint32> rowValues;
    for (int r = 0; r < list.RowCount(); ++r)
        rowValues << list.RowData(r);
    dialog->DlgItem<QAbstractButton>(CTalvaneDlg::kShowMap)->click();
    const CMapView* view = dialog->CurrentMapView();
    ASSERT_NE(view, nullptr);
    QList<quint32> keys;
    for (int i = 0; i < view->PointCount(); ++i)
        keys << view->Point(i).key;
    std::sort(keys.begin(), keys.end());
    std::sort(rowValues.begin(), rowValues.end());
    EXPECT_EQ(keys, rowValues);

    CStaticMapView* map = dialog->MapControl();
    int clicked = 0;
    for (int i = 0; i < view->PointCount(); ++i) {
        const std::optional<QPoint> at = OwnSpot(*view, i);
        if (!at)
            continue;
        QTest::mouseClick(map, Qt::LeftButton, {}, *at + map->contentsRect().topLeft());
        ASSERT_EQ(list.SelectedCount(), 1) << view->Point(i).key;
        EXPECT_EQ(list.RowData(list.NextSelectedRow(-1)), view->Point(i).key);
        ++clicked;
    }
    EXPECT_EQ(clicked, 12);
}

// 圖根點平頂 has no name and no waypoint: 地圖定位... opens 搜尋航點 with an empty search; 平頂
// typed and searched lists the free waypoint, 地圖定位... there hands it over at once, 確認 records
// it in the copy's Mapping.txt (the committed sample keeps its own), and the pick is located.
TEST_F(SampleStonesTrailsFixture, ThePickedWaypointOfAStoneWithoutOneIsRecordedAndLocated)
{
    REQUIRE_GPSBABEL();
    ChooseGroup(1);
    ASSERT_TRUE(dialog->CurrentGroup());
    ASSERT_EQ(dialog->CurrentGroup()->Key(), "Stone");
    SelectRow("圖根點");
    QString initialText;
    QStringList listed;
    QStringList openedByPicker;
    pickers.script = [&](CPickerDialogBase& picker) {
        initialText = picker.DlgItem<QLineEdit>(CPickerDialogBase::kSearchEdit)->text();
        PickByName(picker, U("平頂"), U("平頂"), CPickerDialogBase::kLocate);
        listed = PickerRows(picker);
        openedByPicker = shell.opened;
        picker.DlgItem<QAbstractButton>(CPickerDialogBase::kConfirm)->click();
    };
    ASSERT_TRUE(dialog->Commands().Dispatch(CTalvaneDlg::kLocate));
    ASSERT_EQ(pickers.waypointRequests.size(), 1);
    EXPECT_EQ(pickers.waypointRequests.first().group, dialog->CurrentGroup());
    EXPECT_EQ(initialText, QString());
    EXPECT_EQ(listed, Us({"平頂"}));

    // The picker's own 地圖定位... writes the data folder's file.
    ASSERT_EQ(openedByPicker.size(), 1);
    EXPECT_EQ(openedByPicker.first(), platform::JoinPath(DataFolder(), QStringLiteral("~~TempMT.gdb")));
    GpxContent picked;
    ASSERT_TRUE(GpsbabelReading(openedByPicker.first(), &picked, QStringLiteral("gdb")));
    EXPECT_EQ(WaypointNames(picked), Us({"平頂"}));

    platform::ClearProfileCache();
    EXPECT_EQ(Mapping("圖根點平頂"), U("平頂"));
    EXPECT_EQ(Mapping("十八尖山"), U("新竹十八尖山"));
    const QString committed = QStringLiteral(TALVANE_SAMPLE_DIR) + QStringLiteral("/data/Mapping.txt");
    EXPECT_EQ(platform::GetProfileString(committed, QStringLiteral("GPS"), U("圖根點平頂")), QString());

    // The pick is located: the group's file in the program folder, holding 平頂.
    ASSERT_EQ(shell.opened.size(), 2);
    EXPECT_EQ(shell.opened.last(), InProgram(QStringLiteral("~~TempWP.gdb")));
    GpxContent located;
    ASSERT_TRUE(GpsbabelReading(shell.opened.last(), &located, QStringLiteral("gdb")));
    EXPECT_EQ(WaypointNames(located), Us({"平頂"}));

    // The next 地圖定位... finds it through Mapping.txt without asking.
    shell.opened.clear();
    pickers.script = nullptr;
    ASSERT_TRUE(dialog->Commands().Dispatch(CTalvaneDlg::kLocate));
    EXPECT_EQ(pickers.waypointRequests.size(), 1);
    ASSERT_EQ(shell.opened.size(), 1);
    ASSERT_TRUE(GpsbabelReading(shell.opened.last(), &located, QStringLiteral("gdb")));
    EXPECT_EQ(WaypointNames(located), Us({"平頂"}));
}

// The stones' all-in-one file here is the peaks' one, where 五指山1 is the peak 五指山's
// waypoint, and Mapping.txt says "Skip" for the stone 三等三角點五指山 (whose own waypoint that file
// lacks): 地圖定位... does not place the stone on 五指山1 but opens 搜尋航點, whose search starts
// empty and lists nothing; cancelled, nothing is handed to the shell.
TEST_F(SampleStonesTrailsFixture, AStoneSkippedInTheMappingIsNotLocatedByItsPlaceName)
{
    ASSERT_TRUE(platform::WriteProfileString(LocalSettingsPath(), QStringLiteral("GPS"),
                                             QStringLiteral("AllWPFile_Stone"), U("data\\!台灣的山.gdb")));
    ASSERT_TRUE(platform::WriteProfileString(MappingFilePath(), QStringLiteral("GPS"),
                                             U("三等三角點五指山"), QStringLiteral("Skip")));
    ChooseGroup(1);
    ASSERT_EQ(dialog->CurrentGroup()->Key(), "Stone");
    const int stone = ItemOfFile(1, "三等三角點五指山");
    ASSERT_GE(stone, 0);
    SelectRowOf(60000u + quint32(stone));
    QString initialText = QStringLiteral("not run");
    QStringList listed{QStringLiteral("not run")};
    pickers.script = [&](CPickerDialogBase& picker) {
        initialText = picker.DlgItem<QLineEdit>(CPickerDialogBase::kSearchEdit)->text();
        listed = PickerRows(picker);
    };
    ASSERT_TRUE(dialog->Commands().Dispatch(CTalvaneDlg::kLocate));
    ASSERT_EQ(pickers.waypointRequests.size(), 1);
    EXPECT_EQ(pickers.waypointRequests.first().item, stone);
    EXPECT_EQ(initialText, QString());
    EXPECT_EQ(listed, QStringList());
    EXPECT_TRUE(shell.opened.isEmpty());
}

// 搜尋基石's region search looks at what the group gives as regions: the stones give none, so
// 台北市 (in the region of seven of the sample's stones) finds nothing.
TEST_F(SampleStonesTrailsFixture, TheStoneSearchFindsNoStoneByRegion)
{
    ChooseGroup(1);
    ASSERT_EQ(dialog->CurrentGroup()->Key(), "Stone");
    CDlgFind search(dialog->CurrentGroup(), nullptr);
    search.stoneMode = true;
    search.OnInitDialog();
    find_test::SetText(search, CDlgFind::kRegionEdit, U("台北市"));
    ASSERT_TRUE(search.Commands().Dispatch(CDlgFind::kSearchRegion));
    EXPECT_EQ(find_test::RowTexts(search, CDlgFind::kList), QStringList());
    EXPECT_EQ(find_test::Text(search, CDlgFind::kCount), QStringLiteral("0"));
}

// Under 基石, 基石無法歸類 lists 玉山東峰 among its peaks: 地圖定位... on that row hands the GPS
// software the peak's own waypoint YUSHANE from the peaks' file.
TEST_F(SampleStonesTrailsFixture, APeakRowOfTheStonesOfNoLevelIsLocated)
{
    REQUIRE_GPSBABEL();
    ChooseGroup(1);
    ASSERT_EQ(dialog->CurrentGroup()->Key(), "Stone");
    SelectNode("基石無法歸類");
    const int peak = ItemOfFile(0, "玉山東峰");
    ASSERT_GE(peak, 0);
    SelectRowOf(quint32(peak));
    ASSERT_TRUE(dialog->Commands().Dispatch(CTalvaneDlg::kLocate));
    EXPECT_TRUE(pickers.waypointRequests.isEmpty());
    ASSERT_EQ(shell.opened, QStringList{InProgram(QStringLiteral("~~TempWP.gdb"))});
    GpxContent located;
    ASSERT_TRUE(GpsbabelReading(shell.opened.first(), &located, QStringLiteral("gdb")));
    EXPECT_EQ(WaypointNames(located), Us({"YUSHANE"}));
}

// 記錄地圖... on an old trail lists its walks (title and date from the walk index) and its atlas
// pages (BlueSky from guide2.htm, 岫禾圖集 from its index); a walk's or page's command opens its link.
TEST_F(SampleStonesTrailsFixture, TheRecordMenuOfAnOldTrailListsWalksAndAtlasPages)
{
    ChooseGroup(2);
    ASSERT_TRUE(dialog->CurrentGroup());
    ASSERT_EQ(dialog->CurrentGroup()->Key(), "OldTrail");
    const struct {
        const char* row;
        QStringList entries;
    } cases[] = {
        {"八通關古道(日治八通關)", Us({"2000 行旅客7: 八通關越嶺道上秀姑巒山 [2017/10/7]", "2200 岫禾圖集(十四011)八通關"})},
        {"能高越嶺古道(能高越嶺道)", Us({"2000 行旅客12: 能高越嶺道、能高山 [2020/10/17]", "2100 藍天圖集(十一003)能高越嶺"})},
        {"淡蘭古道(北路)", Us({"2000 行旅客2: 瑞芳基隆山、淡蘭古道、平溪五分山 [2015/6/20]"})},
        {"錐麓古道", Us({"2100 藍天圖集(十035)太魯閣"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        SelectRow(c.row);
        menu.shown.clear();
        ASSERT_TRUE(dialog->Commands().Dispatch(CTalvaneDlg::kRecordMap));
        ASSERT_EQ(menu.shown.size(), 1);
        EXPECT_EQ(menu.LastEntries(), c.entries);
    }

    SelectRow("能高越嶺古道(能高越嶺道)");
    ASSERT_TRUE(dialog->Commands().Dispatch(2100));
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(shell.opened.last(), QStringLiteral("https://bluesky.example.org/atlas/11/003.htm"));
    ASSERT_TRUE(dialog->Commands().Dispatch(2000));
    ASSERT_EQ(shell.opened.size(), 2);
    EXPECT_TRUE(shell.opened.last().endsWith(QStringLiteral("walks/w12.htm"))) << shell.opened.last().toStdString();
    SelectRow("八通關古道(日治八通關)");
    ASSERT_TRUE(dialog->Commands().Dispatch(2200));
    ASSERT_EQ(shell.opened.size(), 3);
    EXPECT_EQ(shell.opened.last(), QStringLiteral("https://quill.example.org/14-011.htm"));
}

// 地圖定位... on an old trail with a Track: "~~TempOT.gdb" in the program folder with the track's
// points and the waypoints that name it, as gpsbabel reads the file back.
TEST_F(SampleStonesTrailsFixture, LocatingAnOldTrailHandsOverItsTrackAndWaypoints)
{
    REQUIRE_GPSBABEL();
    ChooseGroup(2);
    SelectRow("八通關古道(日治八通關)");
    ASSERT_TRUE(dialog->Commands().Dispatch(CTalvaneDlg::kLocate));
    EXPECT_TRUE(pickers.trackRequests.isEmpty());
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(shell.opened.first(), InProgram(QStringLiteral("~~TempOT.gdb")));
    GpxContent content;
    ASSERT_TRUE(GpsbabelReading(shell.opened.first(), &content, QStringLiteral("gdb")));
    ASSERT_EQ(content.tracks.size(), 1u);
    EXPECT_EQ(content.tracks[0].name, U("八通關"));
    // The sample's track along the trail, east from 東埔 to 大水窟.
    const double points[][2] = {{23.5622, 120.9292}, {23.5470, 120.9553}, {23.5075, 120.9833},
                                {23.4916, 121.0005}, {23.4717, 121.0367}};
    ASSERT_EQ(content.tracks[0].points.size(), std::size(points));
    for (std::size_t p = 0; p < std::size(points); ++p) {
        EXPECT_NEAR(content.tracks[0].points[p].lat, points[p][0], 1e-5) << p;
        EXPECT_NEAR(content.tracks[0].points[p].lon, points[p][1], 1e-5) << p;
    }
    EXPECT_EQ(WaypointNames(content), Us({"大水窟山屋", "東埔登山口", "觀高工作站"}));
}

// 錐麓古道 names no track and two share its name as base name: 地圖定位... opens 搜尋航跡 with the
// trail's name as search text, listing both; the one confirmed is recorded in Mapping.txt and
// located with the waypoints that name it.
TEST_F(SampleStonesTrailsFixture, AnOldTrailWithTwoTracksOpensTheTrackPicker)
{
    REQUIRE_GPSBABEL();
    ChooseGroup(2);
    SelectRow("錐麓古道");
    QString initialText;
    QStringList listed;
    pickers.script = [&](CPickerDialogBase& picker) {
        initialText = picker.DlgItem<QLineEdit>(CPickerDialogBase::kSearchEdit)->text();
        listed = PickerRows(picker);
        auto* list = picker.DlgItem<QTreeWidget>(CPickerDialogBase::kList);
        const auto found = list->findItems(U("錐麓古道2"), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        found.first()->setSelected(true);
        picker.DlgItem<QAbstractButton>(CPickerDialogBase::kConfirm)->click();
    };
    ASSERT_TRUE(dialog->Commands().Dispatch(CTalvaneDlg::kLocate));
    ASSERT_EQ(pickers.trackRequests.size(), 1);
    EXPECT_EQ(pickers.trackRequests.first().group, dialog->CurrentGroup());
    EXPECT_EQ(initialText, U("錐麓古道"));
    EXPECT_EQ(listed, Us({"錐麓古道1", "錐麓古道2"}));

    platform::ClearProfileCache();
    EXPECT_EQ(Mapping("錐麓古道"), U("錐麓古道2"));
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(shell.opened.first(), InProgram(QStringLiteral("~~TempOT.gdb")));
    GpxContent content;
    ASSERT_TRUE(GpsbabelReading(shell.opened.first(), &content, QStringLiteral("gdb")));
    ASSERT_EQ(content.tracks.size(), 1u);
    EXPECT_EQ(content.tracks[0].name, U("錐麓古道2"));
    EXPECT_EQ(content.tracks[0].points.size(), 3u);
    EXPECT_EQ(WaypointNames(content), Us({"巴達岡", "錐麓斷崖"}));
}

} // namespace
