#include "ui/views/StaticMapView.h"
#include "ui/maindlg/TalvaneDlg.h"
#include "ui/framework/UserProfile.h"

#include "DialogTestGroups.h"
#include "FakeMessageBox.h"
#include "ScreenshotCheck.h"
#include "TempDir.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>
#include <numeric>

namespace {

// A program folder with three groups, a cached count for the first, and no item files.
struct DialogFixture : ::testing::Test {
    DialogFixture()
    {
        QSettings().remove(QLatin1String(CTalvaneDlg::kProfileSection));
        temp.write(QString::fromUtf8("峰嵐錄.txt"),
                   Utf16LeWithBom(QString::fromUtf8("[DataGroup]\r\nBaseFolder=data\r\nGroup1=山\r\n"
                                                    "Group2=基石\r\nGroup3=古道\r\n")));
        temp.write(QStringLiteral("Local.txt"), Utf16LeWithBom(QString()));
        temp.write(QStringLiteral("data/Cache.txt"),
                   Utf16LeWithBom(QString::fromUtf8("[山]\r\nNumOfItems=12\r\n")));
        QDir(temp.path()).mkpath(QString::fromUtf8("data/山"));
        platform::SetProgramFolder(temp.path());
        platform::ClearProfileCache();
    }
    ~DialogFixture() override { QSettings().remove(QLatin1String(CTalvaneDlg::kProfileSection)); }

    TempDir temp;
};

QRect GeometryOf(const CTalvaneDlg& dialog, int id)
{
    return dialog.GetDlgItem(id)->geometry();
}

void ResizeTo(CTalvaneDlg& dialog, int width, int height)
{
    dialog.resize(width, height);
    QCoreApplication::processEvents();
    ASSERT_EQ(dialog.size(), QSize(width, height));
}

} // namespace

TEST_F(DialogFixture, LaysOutTheMainTemplateWithItsStates)
{
    CTalvaneDlg dialog;
    ASSERT_TRUE(dialog.IsCreated());
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("峰嵐錄 1.12"));
    EXPECT_FALSE(dialog.windowIcon().isNull());
    const DialogUnits& units = dialog.Units();
    EXPECT_EQ(dialog.size(), units.ToPixels(QSize(433, 311)));
    EXPECT_EQ(GeometryOf(dialog, CTalvaneDlg::kItemList), units.ToPixels(QRect(133, 7, 293, 224)));
    EXPECT_EQ(GeometryOf(dialog, CTalvaneDlg::kMapControl),
              GeometryOf(dialog, CTalvaneDlg::kItemList));
    EXPECT_EQ(GeometryOf(dialog, CTalvaneDlg::kSubsetTree), units.ToPixels(QRect(7, 92, 122, 210)));
    EXPECT_EQ(GeometryOf(dialog, CTalvaneDlg::kUpdateCounts), units.ToPixels(QRect(381, 289, 45, 14)));

    for (int id : {1074, 1075, 1077, 1021, 1007, 1010})
        EXPECT_FALSE(dialog.GetDlgItem(id)->isEnabled()) << id;
    for (int id : {1073, 1009, 1071, 1011, 1022, 1035, 1040, 1062, 1070, 1078, 1079})
        EXPECT_TRUE(dialog.GetDlgItem(id)->isEnabled()) << id;
    EXPECT_TRUE(dialog.GetDlgItem(CTalvaneDlg::kMapControl)->isHidden());
    EXPECT_TRUE(qobject_cast<CStaticMapView*>(dialog.GetDlgItem(CTalvaneDlg::kMapControl)));
    EXPECT_EQ(dialog.DlgItem<QAbstractButton>(1040)->text(), QString::fromUtf8("新增植物..."));
    EXPECT_TRUE(dialog.DlgItem<QLineEdit>(CTalvaneDlg::kSummary)->isReadOnly());
    EXPECT_FALSE(dialog.DlgItem<QTreeWidget>(CTalvaneDlg::kItemList)->header()->stretchLastSection());
}

TEST_F(DialogFixture, GroupListShowsCachedCountsAndTheSavedGroup)
{
    UserProfile::WriteInt(QLatin1String(CTalvaneDlg::kProfileSection),
                          QLatin1String(CTalvaneDlg::kSelGroupKey), 2);
    {
        CTalvaneDlg dialog;
        QtListBox& groups = dialog.GroupList();
        ASSERT_EQ(groups.Count(), 3);
        EXPECT_EQ(groups.Text(0), QString::fromUtf8("山 (12)"));
        EXPECT_EQ(groups.Text(1), QString::fromUtf8("基石"));
        EXPECT_EQ(groups.CurrentSelection(), 2);

        // Refilling the list by program never reaches the selection handler.
        QSignalSpy selections(dialog.DlgItem<QListWidget>(CTalvaneDlg::kGroupList),
                              &QListWidget::itemSelectionChanged);
        EXPECT_TRUE(dialog.GroupTable().FillGroupList(&groups, 1));
        dialog.GroupTable().SetListEntryCount(&groups, 1, 4);
        EXPECT_EQ(groups.Text(1), QString::fromUtf8("基石 (4)"));
        EXPECT_EQ(groups.CurrentSelection(), 1);
        EXPECT_EQ(selections.size(), 0);
    }
    // A saved index beyond the list selects the first group.
    UserProfile::WriteInt(QLatin1String(CTalvaneDlg::kProfileSection),
                          QLatin1String(CTalvaneDlg::kSelGroupKey), 7);
    CTalvaneDlg dialog;
    EXPECT_EQ(dialog.GroupList().CurrentSelection(), 0);
}

TEST_F(DialogFixture, SettingsWithoutGroupsAreReportedOnceNamingTheFileAndItsFolder)
{
    const QString settings = temp.path() + QString::fromUtf8("/峰嵐錄.txt");
    const QByteArray garbage = QByteArray::fromHex("8f3ac1e9007f5b22d0ff10a3c4") + QByteArray(200, '\xA7');
    const struct {
        const char* name;
        std::function<void()> prepare;
    } cases[] = {
        {"missing", [&] { QFile::remove(settings); }},
        {"garbage", [&] { temp.write(QString::fromUtf8("峰嵐錄.txt"), garbage); }},
        {"a folder in its place", [&] {
             QFile::remove(settings);
             QDir().mkpath(settings);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(settings).removeRecursively();
        c.prepare();
        platform::ClearProfileCache();
        FakeMessageBox messages;
        CTalvaneDlg dialog;
        dialog.SetMessageBox(&messages);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
        EXPECT_TRUE(messages.shown[0].text.contains(settings)) << qPrintable(messages.shown[0].text);
        // Then the window as without settings: no groups, nothing shown.
        EXPECT_EQ(dialog.GroupList().Count(), 0);
        EXPECT_EQ(dialog.CurrentGroup(), nullptr);
    }

    // Settings that name groups give no message.
    QDir(settings).removeRecursively();
    temp.write(QString::fromUtf8("峰嵐錄.txt"),
               Utf16LeWithBom(QString::fromUtf8("[DataGroup]\r\nGroup1=山\r\n")));
    platform::ClearProfileCache();
    FakeMessageBox messages;
    CTalvaneDlg dialog;
    dialog.SetMessageBox(&messages);
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(dialog.GroupList().Count(), 1);
}

TEST_F(DialogFixture, GrowingMovesTheRightHandControlsAndShrinkingKeepsTheFirstLayout)
{
    CTalvaneDlg dialog;
    dialog.show();
    const QSize first = dialog.InitialClient().size();
    ASSERT_EQ(dialog.size(), first);
    std::map<int, QRect> initial;
    for (int id : CTalvaneDlg::kResizeIds)
        initial[id] = GeometryOf(dialog, id);
    const std::vector<int> fixed = {1000, 1073, 1074, 1075, 1077};
    std::map<int, QRect> fixedInitial;
    for (int id : fixed)
        fixedInitial[id] = GeometryOf(dialog, id);

    ResizeTo(dialog, first.width() + 100, first.height() + 40);
    const QRect list = initial[CTalvaneDlg::kItemList].adjusted(10, 0, 100, 40);
    EXPECT_EQ(GeometryOf(dialog, CTalvaneDlg::kItemList), list);
    EXPECT_EQ(GeometryOf(dialog, CTalvaneDlg::kMapControl), list);
    EXPECT_EQ(GeometryOf(dialog, CTalvaneDlg::kSubsetTree),
              initial[CTalvaneDlg::kSubsetTree].adjusted(0, 0, 10, 40));
    EXPECT_EQ(GeometryOf(dialog, CTalvaneDlg::kSummary),
              initial[CTalvaneDlg::kSummary].translated(10, 40).adjusted(0, 0, 90, 0));
    for (int id : {1005, 1009, 1021, 1007, 1071, 1011, 1022, 1010, 1035, 1040, 1062, 1070, 1078, 1079})
        EXPECT_EQ(GeometryOf(dialog, id), initial[id].translated(10, 40)) << id;
    for (int id : fixed)
        EXPECT_EQ(GeometryOf(dialog, id), fixedInitial[id]) << id;

    // Smaller than at first in one or both directions: only the growth that remains counts.
    ResizeTo(dialog, first.width() - 100, first.height() + 40);
    EXPECT_EQ(GeometryOf(dialog, CTalvaneDlg::kItemList),
              initial[CTalvaneDlg::kItemList].adjusted(0, 0, 0, 40));
    ResizeTo(dialog, first.width() - 100, first.height() - 100);
    for (int id : CTalvaneDlg::kResizeIds)
        EXPECT_EQ(GeometryOf(dialog, id), initial[id]) << id;
}

TEST_F(DialogFixture, ColumnsWidenByTheListsShareUpToTwice)
{
    CTalvaneDlg dialog;
    dialog.show();
    // The first group selection, which fills the list, runs before the columns are set here.
    QCoreApplication::processEvents();
    const QSize first = dialog.InitialClient().size();
    QtItemList& list = dialog.ItemList();
    ClearListCtrl(&list);
    for (int column = 0; column < 3; ++column)
        list.InsertColumn(column, QString::number(column), 300, ColumnAlign::Left);
    dialog.StoreColumnWidths();
    EXPECT_EQ(dialog.ColumnWidths()[2], 300);
    EXPECT_EQ(dialog.ColumnWidths()[3], 0);

    auto widths = [&] {
        QList<int> result;
        for (int column = 0; column < list.ColumnCount(); ++column) {
            int width = 0;
            list.GetColumn(column, nullptr, &width);
            result.append(width);
        }
        return result;
    };
    // rightShare 90 over 900 stored pixels: factor 1.1.
    ResizeTo(dialog, first.width() + 100, first.height());
    EXPECT_EQ(widths(), (QList<int>{330, 330, 330}));
    // rightShare 1800: factor 3, limited to 2.
    ResizeTo(dialog, first.width() + 2000, first.height());
    EXPECT_EQ(widths(), (QList<int>{600, 600, 600}));
    // Each resize scales from the stored widths, not from the last resize.
    ResizeTo(dialog, first.width() + 100, first.height());
    EXPECT_EQ(widths(), (QList<int>{330, 330, 330}));
    ResizeTo(dialog, first.width(), first.height());
    EXPECT_EQ(widths(), (QList<int>{300, 300, 300}));
}

TEST_F(DialogFixture, ShowMapSwapsTheListForTheMapAndEnablesZoom)
{
    CTalvaneDlg dialog;
    dialog.show();
    auto* showMap = dialog.DlgItem<QAbstractButton>(CTalvaneDlg::kShowMap);
    QWidget* map = dialog.GetDlgItem(CTalvaneDlg::kMapControl);
    QWidget* list = dialog.GetDlgItem(CTalvaneDlg::kItemList);
    const QPoint overMap = map->mapToGlobal(map->rect().center());

    EXPECT_FALSE(dialog.OnMouseWheel(120, overMap));
    showMap->click();
    EXPECT_TRUE(map->isVisible());
    EXPECT_FALSE(list->isVisible());
    for (int id : {1074, 1075, 1077})
        EXPECT_TRUE(dialog.GetDlgItem(id)->isEnabled()) << id;
    EXPECT_EQ(dialog.MapControl()->ShownView(), dialog.CurrentMapView());
    EXPECT_EQ(dialog.MapControl()->Listener(), dialog.CurrentMapView());
    // The wheel counts as handled only over the map.
    EXPECT_TRUE(dialog.OnMouseWheel(120, overMap));
    EXPECT_FALSE(dialog.OnMouseWheel(120, dialog.mapToGlobal(QPoint(2, 2))));
    // A sideways scroll over the map turns no wheel: it is no zoom.
    const QPoint inDialog = dialog.mapFromGlobal(overMap);
    QWheelEvent sideways(inDialog, overMap, QPoint(), QPoint(120, 0), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
    QApplication::sendEvent(&dialog, &sideways);
    EXPECT_FALSE(sideways.isAccepted());

    showMap->click();
    EXPECT_FALSE(map->isVisible());
    EXPECT_TRUE(list->isVisible());
    for (int id : {1074, 1075, 1077})
        EXPECT_FALSE(dialog.GetDlgItem(id)->isEnabled()) << id;
}

TEST_F(DialogFixture, AMapPointSelectsTheRowThatCarriesItsKey)
{
    CTalvaneDlg dialog;
    QtItemList& list = dialog.ItemList();
    list.InsertColumn(0, QStringLiteral("n"), 100, ColumnAlign::Left);
    for (quint32 key : {0u, 20000u, 60003u})
        list.InsertRow(list.RowCount(), QString::number(key), key);
    auto* widget = dialog.DlgItem<QTreeWidget>(CTalvaneDlg::kItemList);
    QSignalSpy selections(widget, &QTreeWidget::itemSelectionChanged);

    EXPECT_FALSE(dialog.SelectRowOfKey(7));
    EXPECT_EQ(list.SelectedCount(), 0);
    EXPECT_TRUE(dialog.SelectRowOfKey(60003));
    EXPECT_EQ(list.NextSelectedRow(-1), 2);
    EXPECT_EQ(widget->currentItem(), widget->topLevelItem(2));
    // Item 0 is a point like any other.
    EXPECT_TRUE(dialog.SelectRowOfKey(0));
    EXPECT_EQ(list.NextSelectedRow(-1), 0);
    EXPECT_EQ(list.SelectedCount(), 1);
    EXPECT_EQ(selections.size(), 0);
}

TEST_F(DialogFixture, BackgroundMenuOpensTheAboutBox)
{
    CTalvaneDlg dialog;
    dialog.show();
    QString menuText;
    QString aboutTitle;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        ASSERT_EQ(menu->actions().size(), 1);
        QAction* about = menu->actions().first();
        menuText = about->text();
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_TRUE(box);
            aboutTitle = box->windowTitle();
            box->close();
        });
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(about).center());
    });
    const QPoint background(2, 2);
    ASSERT_EQ(dialog.childAt(background), nullptr);
    QContextMenuEvent event(QContextMenuEvent::Mouse, background, dialog.mapToGlobal(background));
    QApplication::sendEvent(&dialog, &event);
    EXPECT_EQ(menuText, QString::fromUtf8("關於 峰嵐錄(&A)..."));
    EXPECT_EQ(aboutTitle, QString::fromUtf8("關於 峰嵐錄"));
}

// Saves the main dialog on the bundled sample as a picture in the build folder, for anyone to
// look at: the peak group with its subset tree, and the subset saved last time shown again.
TEST(TalvaneDlgScreenshot, MainDialogOnTheSample)
{
    QSettings().remove(QLatin1String(CTalvaneDlg::kProfileSection));
    TempDir temp;
    const QString program = temp.copyTree(QStringLiteral(TALVANE_SAMPLE_DIR), QStringLiteral("bin"));
    platform::SetProgramFolder(program);
    platform::ClearProfileCache();
    const QString section = QLatin1String(CTalvaneDlg::kProfileSection);
    UserProfile::WriteInt(section, QLatin1String(CTalvaneDlg::kSelGroupKey), 0);
    UserProfile::WriteInt(section, QLatin1String(CTalvaneDlg::kSelSubsetDataKey), 1);
    UserProfile::WriteString(section, QLatin1String(CTalvaneDlg::kSelSubsetTextKey),
                             QString::fromUtf8("百岳"));

    QList<int> every(100);
    std::iota(every.begin(), every.end(), 0);
    const QList<TestSubsetDef> subsets = {
        {0, 0, QString::fromUtf8("百岳"), every, true},
        {10, 0, QString::fromUtf8("3000公尺以上"), {0, 2, 4, 6, 8, 10}, true},
        {6, 1, QString::fromUtf8("南投縣"), {1, 3, 5, 7}, false},
        {6, 1, QString::fromUtf8("花蓮縣"), {9, 11}, false},
        {3, 2, QString::fromUtf8("第12次"), {12}, false},
    };
    CTalvaneDlg dialog;
    dialog.GroupTable().SetGroupClasses(
        {DialogTestClass(QStringLiteral("Talvane"), QString::fromUtf8("山"),
                         {kFeatureSearch, kFeatureRowMenu, kFeatureMap}, subsets)});
    dialog.show();
    QTest::qWait(50);
    ASSERT_TRUE(dialog.CurrentGroup());
    // The sample's peak folder holds 51 item files, each with its [Talvane] Name.
    const int items = 51;
    EXPECT_EQ(dialog.CurrentGroup()->ItemCount(), items);
    EXPECT_EQ(dialog.CurrentSubset(), 0);
    EXPECT_EQ(dialog.ItemList().RowCount(), items);
    auto* tree = dialog.DlgItem<QTreeWidget>(CTalvaneDlg::kSubsetTree);
    ASSERT_TRUE(tree->currentItem());
    EXPECT_EQ(tree->currentItem()->text(0), QString::fromUtf8("百岳 (%1)").arg(items));
    EXPECT_TRUE(dialog.DlgItem<QLineEdit>(CTalvaneDlg::kSummary)->text().startsWith(
        QString::fromUtf8("總數:%1, 已爬:").arg(items)));
    tree->expandAll();
    QTest::qWait(20);

    SaveAndCheckScreenshot(dialog, QStringLiteral("talvane-main-dialog.png"));
    QSettings().remove(section);
}
