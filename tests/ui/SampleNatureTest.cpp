// The main dialog on the sample's nature layout (瀑布, 植物, 古道 over the main layout's data
// folder), offscreen: 植物, its subset 蘭科 and 圖示 show the orchids' photos from the family's
// folder (the sample's drawn JPEGs: several of 台灣一葉蘭, one with a name of more than 15
// characters, a portrait, an upper-case ".JPG"); the tooltips give the plant line, and a click on
// a photo selects its plant's row. The dialog is saved as photos-orchids.png in the build folder.
#include "ScreenshotCheck.h"
#include "TempDir.h"
#include "catalog/GroupBase.h"
#include "catalog/GroupTable.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/maindlg/TalvaneDlg.h"
#include "ui/views/ImageView.h"
#include "ui/views/StaticMapView.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QSettings>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const QString kSection = QLatin1String(CTalvaneDlg::kProfileSection);

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

struct SampleNatureFixture : ::testing::Test {
    SampleNatureFixture()
    {
        QSettings().remove(kSection);
        // As the build lays it out: the main program folder with the data, the nature one beside it.
        temp.copyTree(QStringLiteral(TALVANE_SAMPLE_DIR), QStringLiteral("bin"));
        program = temp.copyTree(QStringLiteral(TALVANE_SAMPLE_DIR "/nature"), QStringLiteral("nature"));
        platform::SetProgramFolder(program);
        platform::ClearProfileCache();
        dialog = std::make_unique<CTalvaneDlg>();
        dialog->show();
        QTest::qWait(20);
    }
    ~SampleNatureFixture() override
    {
        dialog.reset();
        QSettings().remove(kSection);
    }

    void ChooseGroup(int entry)
    {
        dialog->DlgItem<QListWidget>(CTalvaneDlg::kGroupList)->setCurrentRow(entry);
        QCoreApplication::processEvents();
    }
    // Selects the subset whose tree node starts with the name.
    void ChooseSubset(const char* name)
    {
        auto* tree = dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kSubsetTree);
        for (QTreeWidgetItem* node : tree->findItems(U(name), Qt::MatchStartsWith | Qt::MatchRecursive)) {
            tree->setCurrentItem(node);
            if (dialog->CurrentSubset() >= 0)
                break;
        }
        QCoreApplication::processEvents();
    }
    QStringList GroupTexts() const
    {
        QStringList texts;
        auto* groups = dialog->DlgItem<QListWidget>(CTalvaneDlg::kGroupList);
        for (int r = 0; r < groups->count(); ++r)
            texts << groups->item(r)->text();
        return texts;
    }

    TempDir temp;
    QString program;
    std::unique_ptr<CTalvaneDlg> dialog;
};

QPoint Centre(const MapRect& r)
{
    return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

TEST_F(SampleNatureFixture, TheNatureLayoutListsItsThreeGroups)
{
    EXPECT_EQ(GroupTexts(), QStringList({U("瀑布 (8)"), U("植物 (12)"), U("古道 (4)")}));
    ChooseGroup(0);
    ASSERT_TRUE(dialog->CurrentGroup());
    EXPECT_EQ(dialog->CurrentGroup()->Key(), "Waterfall");
    EXPECT_EQ(dialog->ItemList().RowCount(), 8);
}

// 植物, 蘭科, 圖示: six photos of the four orchids (台灣一葉蘭 three, 根節蘭 by its ".JPG"), each
// cell in the control, its tooltip the plant line; a click on each selects the plant's row.
TEST_F(SampleNatureFixture, TheOrchidsPhotosShowAndAClickSelectsTheRow)
{
    ChooseGroup(1);
    ASSERT_TRUE(dialog->CurrentGroup());
    ASSERT_EQ(dialog->CurrentGroup()->Key(), "Plant");
    EXPECT_EQ(dialog->DlgItem<QAbstractButton>(CTalvaneDlg::kRecordMap)->text(), U("植物網頁..."));
    ChooseSubset("蘭科");
    ASSERT_GE(dialog->CurrentSubset(), 0);
    QtItemList& list = dialog->ItemList();
    ASSERT_EQ(list.RowCount(), 4);

    auto* showMap = dialog->DlgItem<QAbstractButton>(CTalvaneDlg::kShowMap);
    ASSERT_TRUE(showMap->isEnabled());
    showMap->click();
    auto* view = dynamic_cast<CImageView*>(dialog->CurrentMapView());
    ASSERT_NE(view, nullptr);
    view->WaitForThumbnails();
    QTest::qWait(50);
    view->WaitForThumbnails();
    QCoreApplication::processEvents();

    ASSERT_EQ(view->ImageCount(), 6);
    QStringList files;
    for (int i = 0; i < view->ImageCount(); ++i)
        files << view->Image(i).fileName;
    files.sort();
    EXPECT_EQ(files, QStringList({U("台灣一葉蘭1.jpg"), U("台灣一葉蘭2.jpg"), U("台灣一葉蘭_南插天山_2019年4月.jpg"),
                                  U("台灣蝴蝶蘭.jpg"), U("根節蘭.JPG"), U("石斛蘭.jpg")}));
    EXPECT_EQ(view->PhotoFolder(), platform::JoinPath(DataFolder(), U("植物")));

    CStaticMapView* map = dialog->MapControl();
    const QRect client(QPoint(0, 0), map->contentsRect().size());
    int clicked = 0;
    for (int i = 0; i < view->ImageCount(); ++i) {
        const ImageItem& image = view->Image(i);
        SCOPED_TRACE(image.fileName.toStdString());
        ASSERT_TRUE(image.drawn);
        // Sizes from the headers: the portrait stands, the others lie.
        EXPECT_EQ(image.pixelWidth, image.fileName.startsWith(U("石斛蘭")) ? 240 : 320);
        const QPoint at = Centre(image.cellRect);
        ASSERT_TRUE(client.contains(at));
        const std::optional<quint32> key = view->HitTest(at.x(), at.y());
        ASSERT_TRUE(key.has_value());
        EXPECT_EQ(*key, quint32(image.key));
        QString tip;
        ASSERT_TRUE(view->GetTipText(at.x(), at.y(), &tip));
        EXPECT_TRUE(tip.startsWith(image.prefix)) << tip.toStdString();
        EXPECT_TRUE(tip.endsWith(U(" [蘭科]"))) << tip.toStdString();
        dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kItemList)->clearSelection();
        QTest::mouseClick(map, Qt::LeftButton, {}, at + map->contentsRect().topLeft());
        ASSERT_EQ(list.SelectedCount(), 1);
        const int row = list.NextSelectedRow(-1);
        EXPECT_EQ(list.RowData(row), quint32(image.key));
        EXPECT_TRUE(list.CellText(row, 0).startsWith(image.prefix)) << list.CellText(row, 0).toStdString();
        ++clicked;
    }
    EXPECT_EQ(clicked, 6);
    // The cells do not overlap.
    for (int i = 0; i < view->ImageCount(); ++i)
        for (int j = i + 1; j < view->ImageCount(); ++j) {
            const MapRect& a = view->Image(i).cellRect;
            const MapRect& b = view->Image(j).cellRect;
            EXPECT_TRUE(a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top)
                << i << " " << j;
        }
    QTest::qWait(20);
    SaveAndCheckScreenshot(*dialog, QStringLiteral("photos-orchids.png"));
}

} // namespace
