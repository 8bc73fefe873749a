// A stone-class subset in the main dialog on a catalog of peak and stone files
// (tests/data/stonesubsets): with the map shown, a click on a stone's point or on the point of
// a peak listed by its second stone selects the row that shows it.
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/stone/GroupStone.h"
#include "catalog/talvane/GroupTalvane.h"
#include "ui/maindlg/TalvaneDlg.h"
#include "ui/views/MapView.h"
#include "ui/views/StaticMapView.h"

#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSettings>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const QString kSection = QLatin1String(CTalvaneDlg::kProfileSection);

struct StoneSubsetMapFixture : ::testing::Test {
    StoneSubsetMapFixture()
    {
        QSettings().remove(kSection);
        platform::SetProgramFolder(temp.copyTree(QStringLiteral(TALVANE_TEST_DATA "/stonesubsets/catalog"),
                                                 QStringLiteral("bin")));
        platform::ClearProfileCache();
        dialog = std::make_unique<CTalvaneDlg>();
        dialog->GroupTable().SetGroupClasses({{[] { return std::make_unique<CGroupTalvane>(); }, 0},
                                              {[] { return std::make_unique<CGroupStone>(); }, 1}});
        dialog->show();
        QCoreApplication::processEvents();
    }
    ~StoneSubsetMapFixture() override
    {
        dialog.reset();
        QSettings().remove(kSection);
    }

    bool ChooseSubset(const QString& name)
    {
        auto* tree = dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kSubsetTree);
        const auto found = tree->findItems(name, Qt::MatchStartsWith | Qt::MatchRecursive);
        if (found.size() != 1)
            return false;
        tree->setCurrentItem(found.first());
        return dialog->CurrentSubset() >= 0;
    }
    // Clicks the centre of the point keyed key; the key the map found there.
    std::optional<quint32> ClickPoint(quint32 key)
    {
        const CMapView* view = dialog->CurrentMapView();
        for (int i = 0; i < view->PointCount(); ++i) {
            const MapPoint& p = view->Point(i);
            if (p.key != key || !p.markerDrawn)
                continue;
            const QPoint at((p.markerRect.left + p.markerRect.right) / 2,
                            (p.markerRect.top + p.markerRect.bottom) / 2);
            CStaticMapView* map = dialog->MapControl();
            QTest::mouseClick(map, Qt::LeftButton, {}, at + map->contentsRect().topLeft());
            return view->HitTest(at.x(), at.y());
        }
        return std::nullopt;
    }
    // The value of the one selected row; none unless exactly one row is selected.
    std::optional<quint32> SelectedValue()
    {
        QtItemList& list = dialog->ItemList();
        if (list.SelectedCount() != 1)
            return std::nullopt;
        return list.RowData(list.NextSelectedRow(-1));
    }

    TempDir temp;
    std::unique_ptr<CTalvaneDlg> dialog;
};

} // namespace

TEST_F(StoneSubsetMapFixture, AClickOnAStoneOrASecondStonePeakSelectsItsRow)
{
    ASSERT_TRUE(ChooseSubset(QStringLiteral("三等基石")));
    ASSERT_EQ(dialog->ItemList().RowCount(), 6);
    dialog->DlgItem<QAbstractButton>(CTalvaneDlg::kShowMap)->click();
    ASSERT_NE(dialog->CurrentMapView(), nullptr);
    ASSERT_EQ(dialog->CurrentMapView()->PointCount(), 6);

    // 合歡山, a survey stone shown among the peaks.
    ASSERT_EQ(ClickPoint(60000), std::optional<quint32>(60000));
    EXPECT_EQ(SelectedValue(), std::optional<quint32>(60000));
    // 雪山, listed by its second stone.
    ASSERT_EQ(ClickPoint(20001), std::optional<quint32>(20001));
    EXPECT_EQ(SelectedValue(), std::optional<quint32>(20001));
    // 合歡東峰, by its third stone.
    ASSERT_EQ(ClickPoint(40002), std::optional<quint32>(40002));
    EXPECT_EQ(SelectedValue(), std::optional<quint32>(40002));
}
