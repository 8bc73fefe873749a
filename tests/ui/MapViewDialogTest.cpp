// The map in the main dialog (a click on a point selects its row, never a row of another group),
// and a picture of the sample's peaks on the map, saved in the build folder for a look by eye.
#include "DialogTestGroups.h"
#include "ScreenshotCheck.h"
#include "TempDir.h"
#include "ui/maindlg/TalvaneDlg.h"
#include "ui/views/MapView.h"
#include "ui/views/StaticMapView.h"

#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QSettings>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const QString kSection = QLatin1String(CTalvaneDlg::kProfileSection);
const QSet<int> kMapFeatures = {kFeatureSearch, kFeatureRowMenu, kFeatureMap};

// Two peak groups: 山 with three peaks in one subset, 郊山 with one peak, whose row carries the
// same item data (0) as the first peak of 山.
struct MapDialogFixture : ::testing::Test {
    MapDialogFixture()
    {
        QSettings().remove(kSection);
        const char* files[][2] = {
            {"峰嵐錄.txt", "[DataGroup]\r\nBaseFolder=data\r\nGroup1=山\r\nGroup2=郊山\r\n"},
            {"Local.txt", ""},
            {"data/山/南湖大山.txt", "[Talvane]\r\nName=南湖大山\r\n"},
            {"data/山/玉山主峰.txt", "[Talvane]\r\nName=玉山主峰\r\nVisit1=12\r\n"},
            {"data/山/雪山主峰.txt", "[Talvane]\r\nName=雪山主峰\r\nVisit1=3\r\n"},
            {"data/郊山/七星山.txt", "[Talvane]\r\nName=七星山\r\n"},
        };
        for (const auto& [path, text] : files)
            temp.write(QString::fromUtf8(path), Utf16LeWithBom(QString::fromUtf8(text)));
        platform::SetProgramFolder(temp.path());
        platform::ClearProfileCache();
        dialog = std::make_unique<CTalvaneDlg>();
        dialog->GroupTable().SetGroupClasses(
            {DialogTestClass("Talvane", "山", kMapFeatures, {{0, 0, "百岳", {0, 1, 2}, true}})});
        dialog->show();
        QCoreApplication::processEvents();
    }
    ~MapDialogFixture() override
    {
        dialog.reset();
        QSettings().remove(kSection);
    }

    QTreeWidget* List() const { return dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kItemList); }
    QAbstractButton* ShowMap() const { return dialog->DlgItem<QAbstractButton>(CTalvaneDlg::kShowMap); }
    void ChooseSubset()
    {
        auto* tree = dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kSubsetTree);
        const auto found = tree->findItems(QString::fromUtf8("百岳"),
                                           Qt::MatchStartsWith | Qt::MatchRecursive);
        ASSERT_EQ(found.size(), 1);
        tree->setCurrentItem(found.first());
    }
    // A left click at a client point of the map control.
    void ClickMap(const QPoint& client)
    {
        CStaticMapView* map = dialog->MapControl();
        QTest::mouseClick(map, Qt::LeftButton, {}, client + map->contentsRect().topLeft());
    }
    QStringList SelectedRows() const
    {
        QStringList rows;
        for (QTreeWidgetItem* item : List()->selectedItems())
            rows << item->text(0);
        return rows;
    }

    TempDir temp;
    std::unique_ptr<CTalvaneDlg> dialog;
};

QPoint Centre(const MapRect& r)
{
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

} // namespace

TEST_F(MapDialogFixture, AClickSelectsThePointsRowAndNeverARowOfAnotherGroup)
{
    ChooseSubset();
    ShowMap()->click();
    const CMapView* view = dialog->CurrentMapView();
    ASSERT_EQ(view->PointCount(), 3);
    ASSERT_TRUE(view->Point(0).markerDrawn);
    const QPoint first = Centre(view->Point(0).markerRect);
    ASSERT_EQ(view->HitTest(first.x(), first.y()), std::optional<quint32>(0));

    // Item 0 is a point like any other: its row is selected and the point drawn as selected.
    ClickMap(first);
    EXPECT_EQ(SelectedRows(), QStringList{QString::fromUtf8("南湖大山")});
    EXPECT_EQ(view->SelectedIndex(), 0);

    // 郊山's only row carries item 0 too; its list shows while the map still held 山's points.
    dialog->DlgItem<QListWidget>(CTalvaneDlg::kGroupList)->setCurrentRow(1);
    ASSERT_EQ(List()->topLevelItemCount(), 1);
    ShowMap()->click();
    ASSERT_TRUE(dialog->MapControl()->isVisible());
    ClickMap(first);
    EXPECT_TRUE(SelectedRows().isEmpty());
    EXPECT_EQ(dialog->CurrentMapView()->HitTest(first.x(), first.y()), std::nullopt);
}

TEST_F(MapDialogFixture, ZoomButtonsAndTheWheelRedrawTheMap)
{
    ChooseSubset();
    ShowMap()->click();
    const CMapView* view = dialog->CurrentMapView();
    dialog->DlgItem<QAbstractButton>(CTalvaneDlg::kZoomIn)->click();
    EXPECT_DOUBLE_EQ(view->Zoom(), 1.5);
    CStaticMapView* map = dialog->MapControl();
    // The wheel zooms about the cursor: the point under it stays where it was drawn.
    const MapRect before = view->Point(1).markerRect;
    const QPoint at = map->mapToGlobal(map->contentsRect().topLeft() + Centre(before));
    EXPECT_TRUE(dialog->OnMouseWheel(120, at));
    EXPECT_DOUBLE_EQ(view->Zoom(), 2.25);
    // Positions are rounded to whole pixels before and after.
    EXPECT_LE(std::abs(view->Point(1).markerRect.left - before.left), 1);
    EXPECT_LE(std::abs(view->Point(1).markerRect.top - before.top), 1);
    dialog->DlgItem<QAbstractButton>(CTalvaneDlg::kZoomReset)->click();
    EXPECT_EQ(view->Zoom(), 1);
    // A larger window refits the map to the larger control.
    const QSize client = map->ClientRect().size();
    dialog->resize(dialog->size() + QSize(100, 60));
    QCoreApplication::processEvents();
    ASSERT_NE(map->ClientRect().size(), client);
    const QPoint centre = Centre(view->Point(1).markerRect);
    EXPECT_EQ(centre, QPoint(map->ClientRect().width() / 2, map->ClientRect().height() / 2));
}

// The real peak group on the bundled sample: each peak on the map of a title subset, clicked,
// selects the list row that shows that peak.
TEST(MapOnTheSample, EveryPeakClickedSelectsTheRowThatShowsIt)
{
    QSettings().remove(kSection);
    TempDir temp;
    platform::SetProgramFolder(temp.copyTree(QStringLiteral(TALVANE_SAMPLE_DIR), QStringLiteral("bin")));
    platform::ClearProfileCache();
    CTalvaneDlg dialog;
    dialog.show();
    QCoreApplication::processEvents();
    auto* tree = dialog.DlgItem<QTreeWidget>(CTalvaneDlg::kSubsetTree);
    for (QTreeWidgetItem* node : tree->findItems(QString::fromUtf8("百岳"), Qt::MatchStartsWith | Qt::MatchRecursive)) {
        tree->setCurrentItem(node);
        if (dialog.CurrentSubset() >= 0)
            break;
    }
    ASSERT_GE(dialog.CurrentSubset(), 0);
    dialog.DlgItem<QAbstractButton>(CTalvaneDlg::kShowMap)->click();
    const CMapView* view = dialog.CurrentMapView();
    CStaticMapView* map = dialog.MapControl();
    QtItemList& list = dialog.ItemList();
    int clicked = 0;
    for (int i = 0; i < view->PointCount(); ++i) {
        if (!view->Point(i).markerDrawn)
            continue;
        const QPoint at = Centre(view->Point(i).markerRect);
        const std::optional<quint32> key = view->HitTest(at.x(), at.y());
        ASSERT_TRUE(key.has_value());
        // The first point in array order under the cursor answers.
        int hit = 0;
        while (view->Point(hit).key != *key)
            ++hit;
        const QString name = view->Point(hit).name;
        QTest::mouseClick(map, Qt::LeftButton, {}, at + map->contentsRect().topLeft());
        ASSERT_EQ(list.SelectedCount(), 1) << name.toStdString();
        const int row = list.NextSelectedRow(-1);
        EXPECT_EQ(list.RowData(row), *key);
        EXPECT_TRUE(list.CellText(row, 0).startsWith(name)) << name.toStdString();
        ++clicked;
    }
    EXPECT_GE(clicked, 20);
    // The dialog with the last clicked peak selected, for a look by eye.
    QTest::qWait(20);
    SaveAndCheckScreenshot(dialog, QStringLiteral("talvane-map-sample-dialog.png"));
}

// The 38 peaks of the sample (longitude, latitude, visits up to 3) with a number on every
// fourth: a picture to check by eye that the triangles are coloured by visits, the numbers sit
// inside them and the names are readable and do not overlap.
TEST(MapViewScreenshot, TheSamplePeaks)
{
    // Name, longitude, latitude, visits.
    const char* const peaks =
        "七星山 121.5546 25.1717 3;三叉山 121.0453 23.2931 1;中央尖山 121.4183 24.3125 0;"
        "五分山 121.7817 25.0706 1;劍潭山 121.5344 25.0844 2;北大武山 120.7606 22.6267 0;"
        "卑南主山 120.9461 22.9869 0;南港山 121.5867 25.0261 1;南湖北山 121.4425 24.3814 1;"
        "南湖大山 121.4389 24.3614 1;合歡山 121.2714 24.1419 3;合歡山北峰 121.2456 24.1817 1;"
        "合歡山東峰 121.2806 24.1375 2;合歡山西峰 121.2364 24.1828 1;向陽山 121.0030 23.2889 2;"
        "品田山 121.2739 24.4336 1;基隆山 121.8600 25.1217 1;大霸尖山 121.2583 24.4603 1;"
        "奇萊主山 121.3231 24.0986 1;奇萊北峰 121.3272 24.1294 1;志佳陽大山 121.2603 24.3664 1;"
        "桃山 121.3036 24.4327 1;池有山 121.2847 24.4272 1;玉山 120.9572 23.4700 3;"
        "玉山北峰 120.9597 23.4875 1;玉山南峰 120.9564 23.4453 0;玉山東峰 120.9650 23.4703 1;"
        "畢祿山 121.3361 24.2000 0;白姑大山 121.1500 24.1572 1;石門山 121.2875 24.1461 1;"
        "秀姑巒山 121.0572 23.4975 1;能高山 121.2944 24.0331 1;西巒大山 120.9208 23.7125 1;"
        "觀音山 121.4247 25.1353 1;郡大山 120.9600 23.6314 0;關山 120.9086 23.2361 0;"
        "雪山 121.2317 24.3833 2;雪山北峰 121.2261 24.4206 1";
    CStaticMapView control;
    control.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    control.resize(586, 448);
    control.show();
    CMapView view;
    const QStringList rows = QString::fromUtf8(peaks).split(QLatin1Char(';'));
    ASSERT_EQ(rows.size(), 38);
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList f = rows[i].split(QLatin1Char(' '));
        const int visits = f[3].toInt();
        view.AddItem(f[1].toDouble(), f[2].toDouble(), quint32(i), f[0], f[0], visits, i % 4 == 0 ? visits : 0);
    }
    view.SelectItem(23);  // 玉山
    view.Draw(&control);
    int names = 0;
    for (int i = 0; i < view.PointCount(); ++i) {
        const MapPoint& p = view.Point(i);
        EXPECT_TRUE(p.markerDrawn) << i;
        names += p.labelDrawn ? 1 : 0;
        for (int j = 0; p.labelDrawn && j < view.PointCount(); ++j) {
            const MapPoint& q = view.Point(j);
            EXPECT_FALSE(j != i && q.markerDrawn && p.labelRect.Intersects(q.markerRect)) << i << " " << j;
            EXPECT_FALSE(j != i && q.labelDrawn && p.labelRect.Intersects(q.labelRect)) << i << " " << j;
        }
    }
    EXPECT_GE(names, 10);
    QTest::qWait(20);
    const QImage picture = control.grab().toImage();
    const QString path = QStringLiteral(TALVANE_BUILD_DIR) + QStringLiteral("/talvane-map-peaks.png");
    ASSERT_TRUE(picture.save(path));
}
