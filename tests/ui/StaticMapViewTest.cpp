#include "ui/views/MapView.h"
#include "ui/views/StaticMapView.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A view that records what the map control asks of it; one point lies at (50, 50).
class RecordingView : public CMapView {
public:
    bool panResult = true;
    QList<QRect> drags;
    int draws = 0;
    QString tip = QStringLiteral("tip");

    bool Drag(int x0, int y0, int x1, int y1) override
    {
        drags.append(QRect(QPoint(x0, y0), QPoint(x1, y1)));
        return panResult;
    }
    void Draw(CStaticMapView* control) override
    {
        ++draws;
        CMapView::Draw(control);
    }
    std::optional<quint32> HitTest(int x, int y) const override
    {
        if (QRect(40, 40, 20, 20).contains(x, y))
            return 0u;  // item 0 is a real item
        return std::nullopt;
    }
    bool GetTipText(int x, int y, QString* text) const override
    {
        if (!HitTest(x, y))
            return false;
        *text = tip;
        return true;
    }
};

// The control's one-pixel sunken panel puts its client area at (1, 1).
const QPoint kClientOffset(1, 1);

struct MapControlTest : ::testing::Test {
    MapControlTest()
    {
        control.setFrameStyle(QFrame::Panel | QFrame::Sunken);
        control.resize(300, 200);
        control.SetListener(&view);
        control.show();
    }
    RecordingView view;
    CStaticMapView control;
};

} // namespace

TEST_F(MapControlTest, PressAndReleaseAtOnePointIsAClickNotADrag)
{
    QSignalSpy clicks(&control, &CStaticMapView::clicked);
    const QPoint at(100, 80);
    QTest::mousePress(&control, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&control, Qt::LeftButton, {}, at);
    EXPECT_TRUE(view.drags.isEmpty());
    ASSERT_EQ(clicks.size(), 1);
    // Points are in the control's client coordinates, inside its frame.
    const QPoint client = at - kClientOffset;
    EXPECT_EQ(clicks[0][0].toPoint(), client);
    EXPECT_EQ(control.PressPoint(), client);
    EXPECT_EQ(control.ReleasePoint(), client);
}

TEST_F(MapControlTest, ADragPansTheListenerAndRedrawsIt)
{
    QSignalSpy clicks(&control, &CStaticMapView::clicked);
    QTest::mousePress(&control, Qt::LeftButton, {}, QPoint(100, 80));
    QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(160, 90));
    ASSERT_EQ(view.drags.size(), 1);
    EXPECT_EQ(view.drags[0].topLeft(), QPoint(100, 80) - kClientOffset);
    EXPECT_EQ(view.drags[0].bottomRight(), QPoint(160, 90) - kClientOffset);
    EXPECT_EQ(view.draws, 1);
    EXPECT_EQ(control.ShownView(), &view);
    EXPECT_TRUE(clicks.isEmpty());

    // A movement the view does not take as a pan is a click where the button was released.
    view.panResult = false;
    QTest::mousePress(&control, Qt::LeftButton, {}, QPoint(100, 80));
    QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(105, 82));
    EXPECT_EQ(view.drags.size(), 2);
    EXPECT_EQ(view.draws, 1);
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][0].toPoint(), QPoint(105, 82) - kClientOffset);
}

TEST_F(MapControlTest, WithoutListenerNothingPans)
{
    control.SetListener(nullptr);
    QSignalSpy clicks(&control, &CStaticMapView::clicked);
    QTest::mousePress(&control, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(200, 150));
    EXPECT_TRUE(view.drags.isEmpty());
    EXPECT_EQ(clicks.size(), 1);
    EXPECT_EQ(control.TipTextAt(QPoint(50, 50)), QString());
}

TEST_F(MapControlTest, TooltipsComeFromTheHitPointCutToFit)
{
    EXPECT_EQ(control.TipTextAt(QPoint(50, 50)), QStringLiteral("tip"));
    EXPECT_EQ(control.TipTextAt(QPoint(5, 5)), QString());

    // 100 characters fill the 80-character buffer with its terminator.
    view.tip = QString(100, QLatin1Char('x'));
    EXPECT_EQ(control.TipTextAt(QPoint(50, 50)), QString(79, QLatin1Char('x')));

    // A character outside the basic plane is never cut in half.
    const QString wide = QString(78, QLatin1Char('a')) + QString::fromUtf8("𠀋") + QStringLiteral("b");
    const QString cut = CStaticMapView::CutTipText(wide);
    EXPECT_EQ(cut, QString(78, QLatin1Char('a')));
    EXPECT_EQ(CStaticMapView::CutTipText(QStringLiteral("short")), QStringLiteral("short"));
}
