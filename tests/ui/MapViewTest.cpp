// The point map: fit, markers, numbers, name placement, hit tests, zoom and drag, painting.
// Texts are measured with a fixed measure (8 pixels a character, 16 high), so every position
// below follows from the map's rules by hand.
#include "ui/views/MapView.h"
#include "ui/views/MapTextMetrics.h"
#include "ui/views/StaticMapView.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

class FixedTextMetrics : public MapTextMetrics {
public:
    static constexpr int kCharWidth = 8;
    static constexpr int kHeight = 16;

    // A surrogate pair is one character wide.
    QSize TextSize(QStringView text) const override
    {
        int chars = 0;
        for (QChar c : text)
            chars += c.isLowSurrogate() ? 0 : 1;
        return QSize(chars * kCharWidth, kHeight);
    }
    int Ascent() const override { return 12; }
};

// A 296 × 296 client with two anchor points at (1, 1) and (2, 2): the inner area is 256 wide and
// high, so the scale is 256 and the origin (1.5 − 148 / 256, 1.5 + 148 / 256). Client column c
// and row r are then the exact map point (MapX(c), MapY(r)).
struct GridMap {
    static constexpr int kSide = 296;
    static constexpr double kOriginX = 1.5 - 148.0 / 256;
    static constexpr double kOriginY = 1.5 + 148.0 / 256;

    static double MapX(int column) { return kOriginX + column / 256.0; }
    static double MapY(int row) { return kOriginY - row / 256.0; }

    GridMap()
    {
        view.SetTextMetrics(&metrics);
        view.AddItem(1, 1, 100, QString(), QStringLiteral("anchor"), 0, 0);
        view.AddItem(2, 2, 101, QString(), QStringLiteral("anchor"), 0, 0);
        LayOut();
    }
    // Points added after the first layout do not widen the fitted box.
    int Add(int column, int row, quint32 key, const QString& name = QString(), int visits = 0,
            int number = 0)
    {
        EXPECT_TRUE(view.AddItem(MapX(column), MapY(row), key, name, name, visits, number));
        return view.PointCount() - 1;
    }
    void LayOut(int width = kSide, int height = kSide) { view.LayOut(QSize(width, height), metrics); }
    const MapPoint& P(int index) const { return view.Point(index); }

    FixedTextMetrics metrics;
    CMapView view;
};

MapRect Square(int cx, int cy)
{
    return {cx - 10, cy - 10, cx + 10, cy + 10};
}

} // namespace

TEST(MapViewFit, LocatedPointsFitInsideTheMarginAndFlatAxesTakeTheOtherScale)
{
    struct Case {
        const char* what;
        QList<QPointF> points;
        QList<QPoint> centres;  // client position of each point
        double scale;
    };
    // Client 400 × 300: inner 360 × 260.
    const Case cases[] = {
        {"one point sits at the centre", {{121.5, 23.5}}, {{200, 150}}, 123456789},
        {"a meridian", {{121, 23}, {121, 24}}, {{200, 280}, {200, 20}}, 260},
        {"a parallel", {{121, 23}, {122, 23}}, {{20, 150}, {380, 150}}, 360},
        {"a box", {{121, 23}, {122, 24}}, {{70, 280}, {330, 20}}, 260},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FixedTextMetrics metrics;
        CMapView view;
        for (const QPointF& p : c.points)
            view.AddItem(p.x(), p.y(), 1, QString(), QString(), 0, 0);
        view.LayOut(QSize(400, 300), metrics);
        ASSERT_TRUE(view.HasFit());
        EXPECT_DOUBLE_EQ(view.Scale(), c.scale);
        EXPECT_EQ(view.Zoom(), 1);
        for (int i = 0; i < c.centres.size(); ++i) {
            EXPECT_EQ(view.Point(i).markerRect, Square(c.centres[i].x(), c.centres[i].y())) << i;
            EXPECT_TRUE(view.Point(i).markerDrawn) << i;
        }
    }
}

TEST(MapViewFit, PointsWithoutAPositionStayOutOfTheBoxAndOffTheMap)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    FixedTextMetrics metrics;
    CMapView view;
    // One located peak gives the flat scale on both axes: the unlocated ones lie billions of
    // pixels away, and neither they nor the points that are not numbers are drawn.
    view.AddItem(0, 0, 0, QStringLiteral("A"), QString(), 0, 0);
    view.AddItem(121.5, 23.5, 1, QStringLiteral("B"), QString(), 0, 0);
    view.AddItem(121.5, 0, 2, QStringLiteral("C"), QString(), 0, 0);
    view.AddItem(nan, 23.5, 3, QStringLiteral("D"), QString(), 0, 0);
    view.AddItem(121.5, inf, 4, QStringLiteral("E"), QString(), 0, 0);
    view.AddItem(-inf, nan, 5, QStringLiteral("F"), QString(), 0, 0);
    view.LayOut(QSize(400, 300), metrics);
    ASSERT_TRUE(view.HasFit());
    EXPECT_DOUBLE_EQ(view.Scale(), 123456789);
    EXPECT_EQ(view.Point(1).markerRect, Square(200, 150));
    for (int i = 0; i < view.PointCount(); ++i)
        EXPECT_EQ(view.Point(i).markerDrawn, i == 1) << i;
    EXPECT_EQ(view.HitTest(200, 150), std::optional<quint32>(1));
    // Zooming out as far as it goes keeps them off.
    while (view.ZoomOut()) {
    }
    view.LayOut(QSize(400, 300), metrics);
    EXPECT_EQ(view.HitTest(0, 0), std::nullopt);
}

TEST(MapViewFit, AClientWithoutRoomDrawsNothingAndNeitherZoomsNorPans)
{
    FixedTextMetrics metrics;
    for (const QSize client : {QSize(40, 300), QSize(300, 40), QSize(0, 0), QSize(30, 30)}) {
        CMapView view;
        view.AddItem(121, 23, 1, QStringLiteral("A"), QString(), 0, 0);
        view.AddItem(122, 24, 2, QStringLiteral("B"), QString(), 0, 0);
        view.LayOut(client, metrics);
        EXPECT_FALSE(view.HasFit());
        EXPECT_FALSE(view.Point(0).markerDrawn || view.Point(1).markerDrawn);
        EXPECT_FALSE(view.ZoomIn());
        EXPECT_FALSE(view.ZoomOut());
        EXPECT_FALSE(view.ZoomWheel(true, 1, 1));
        EXPECT_FALSE(view.Drag(0, 0, 100, 100));
        view.ZoomAt(2, 10, 10);
        EXPECT_EQ(view.Zoom(), 1);
        EXPECT_TRUE(view.ResetZoom());
    }
}

TEST(MapViewMarkers, AMarkerCrossingTheEdgeByOnePixelIsNeitherDrawnNorHit)
{
    struct Case {
        int column, row;
        bool drawn;
    };
    const Case cases[] = {{10, 148, true},  {9, 148, false},  {286, 148, true}, {287, 148, false},
                          {148, 10, true},  {148, 9, false},  {148, 286, true}, {148, 287, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.column << "," << c.row);
        GridMap map;
        const int i = map.Add(c.column, c.row, 7, QStringLiteral("N"), 1, 5);
        map.LayOut();
        EXPECT_EQ(map.P(i).markerRect, Square(c.column, c.row));
        EXPECT_EQ(map.P(i).markerDrawn, c.drawn);
        EXPECT_TRUE(c.drawn || !map.P(i).labelDrawn);
        EXPECT_EQ(map.view.HitTest(c.column, c.row).has_value(), c.drawn);
    }
}

TEST(MapViewMarkers, NumbersStandCentredOnTheMarkersBottom)
{
    GridMap map;
    const int one = map.Add(60, 60, 1, QString(), 0, 5);
    const int two = map.Add(120, 60, 2, QString(), 0, 99);
    const int none = map.Add(180, 60, 3, QString(), 0, 100);
    const int zero = map.Add(240, 60, 4, QString(), 0, 0);
    map.LayOut();
    EXPECT_EQ(map.P(one).numberAt, QPoint(50 + (20 - 8) / 2, 70 - 16));
    EXPECT_EQ(map.P(two).numberAt, QPoint(110 + (20 - 16) / 2, 70 - 16));
    EXPECT_FALSE(map.P(none).HasNumber());
    EXPECT_FALSE(map.P(zero).HasNumber());
}

TEST(MapViewNames, EachBlockedPlaceHandsTheNameToTheNext)
{
    // The name "AB" (16 × 16, two characters) of a point at (148, 148), marker (138, 138, 158,
    // 158); each case adds one more nameless marker in the way of the last place.
    struct Blocker {
        int column, row;
    };
    const Blocker blockers[] = {{170, 148}, {148, 105}, {148, 191}, {126, 148}, {148, 125}, {148, 165}};
    const MapRect places[] = {
        {158, 142, 174, 158},  // right, bottoms aligned
        {144, 110, 152, 138},  // a column above: 8 wide, 2 × (16 − 2) high
        {144, 158, 152, 186},  // a column below
        {122, 142, 138, 158},  // left
        {140, 122, 156, 138},  // centred above (touches the left blocker's top: no overlap)
        {140, 158, 156, 174},  // centred below
    };
    for (int blocked = 0; blocked <= 6; ++blocked) {
        SCOPED_TRACE(blocked);
        GridMap map;
        const int centre = map.Add(148, 148, 1, QStringLiteral("AB"));
        for (int b = 0; b < blocked; ++b)
            map.Add(blockers[b].column, blockers[b].row, 10 + b);
        map.LayOut();
        const MapPoint& p = map.P(centre);
        ASSERT_TRUE(p.markerDrawn);
        ASSERT_EQ(p.labelDrawn, blocked < 6);
        if (blocked < 6) {
            EXPECT_EQ(p.labelRect, places[blocked]);
            EXPECT_EQ(p.labelLineStep, blocked == 1 || blocked == 2 ? 14 : 0);
        }
    }
}

TEST(MapViewNames, AnEarlierPointWinsThePlaceBothWant)
{
    // Two markers overlap; each name would go right, where the names overlap each other.
    for (bool upperFirst : {true, false}) {
        SCOPED_TRACE(upperFirst);
        GridMap map;
        const int first = map.Add(100, upperFirst ? 100 : 112, 1, QStringLiteral("ABCD"));
        const int second = map.Add(100, upperFirst ? 112 : 100, 2, QStringLiteral("ABCD"));
        map.LayOut();
        const int upper = upperFirst ? first : second;
        const int lower = upperFirst ? second : first;
        ASSERT_TRUE(map.P(upper).labelDrawn && map.P(lower).labelDrawn);
        if (upperFirst) {
            EXPECT_EQ(map.P(upper).labelRect, (MapRect{110, 94, 142, 110}));
            // Above, it meets the upper marker; below is free.
            EXPECT_EQ(map.P(lower).labelRect, (MapRect{96, 122, 104, 178}));
        } else {
            EXPECT_EQ(map.P(lower).labelRect, (MapRect{110, 106, 142, 122}));
            EXPECT_EQ(map.P(upper).labelRect, (MapRect{96, 34, 104, 90}));
        }
    }
}

TEST(MapViewNames, APairOfSurrogatesIsOneCharacterAndEmptyNamesAreNotPlaced)
{
    GridMap map;
    const QString wide = QString::fromUtf8("𠀋山");
    const int centre = map.Add(148, 148, 1, wide);
    map.Add(170, 148, 2);  // blocks the right
    const int empty = map.Add(60, 60, 3, QString());
    map.LayOut();
    // Two characters, 16 wide: the column above is that of "AB".
    EXPECT_TRUE(map.P(centre).labelDrawn);
    EXPECT_EQ(map.P(centre).labelRect, (MapRect{144, 110, 152, 138}));
    EXPECT_TRUE(map.P(empty).markerDrawn);
    EXPECT_FALSE(map.P(empty).labelDrawn);
}

TEST(MapViewNames, TheGridPlacesEveryNameAsThePlainScanDoes)
{
    const QStringList fragments = {QStringLiteral("A"), QString::fromUtf8("山"), QString::fromUtf8("𠀋"),
                                QStringLiteral("WW")};
    for (unsigned seed = 1; seed <= 12; ++seed) {
        std::mt19937 random(seed);
        const int count = seed % 3 == 0 ? 2000 : seed % 3 == 1 ? 300 : 60;
        const QSize client(200 + int(random() % 500), 150 + int(random() % 400));
        FixedTextMetrics metrics;
        CMapView grid, plain;
        plain.SetCollisionSearch(CMapView::CollisionSearch::PlainScan);
        for (int i = 0; i < count; ++i) {
            const double x = 121 + (random() % 10000) / 10000.0;
            const double y = 23 + (random() % 10000) / 10000.0;
            QString name;
            for (unsigned k = random() % 8; k > 0; --k)
                name += fragments[random() % fragments.size()];
            for (CMapView* view : {&grid, &plain})
                view->AddItem(x, y, quint32(i), name, name, 0, 0);
        }
        for (CMapView* view : {&grid, &plain}) {
            view->LayOut(client, metrics);
            // Dense maps are looked at closer, where names find room.
            for (int step = 0; step <= count / 500; ++step)
                view->ZoomWheel(true, client.width() / 3, client.height() / 3);
            view->LayOut(client, metrics);
        }
        int placed = 0;
        for (int i = 0; i < count; ++i) {
            const MapPoint& g = grid.Point(i);
            const MapPoint& p = plain.Point(i);
            ASSERT_EQ(g.markerDrawn, p.markerDrawn) << seed << " " << i;
            ASSERT_EQ(g.labelDrawn, p.labelDrawn) << seed << " " << i;
            if (p.labelDrawn) {
                ASSERT_EQ(g.labelRect, p.labelRect) << seed << " " << i;
                ASSERT_EQ(g.labelLineStep, p.labelLineStep) << seed << " " << i;
                ++placed;
            }
        }
        EXPECT_GT(placed, 0) << seed;
    }
}

TEST(MapViewHits, TheFirstPointUnderTheCursorAnswersAndItemZeroCounts)
{
    GridMap map;
    map.Add(148, 148, 0, QStringLiteral("AB"));    // marker (138, 138, 158, 158), name right
    map.Add(146, 148, 7, QString(), 0, 0);         // marker (136, 138, 156, 158)
    map.LayOut();
    ASSERT_EQ(map.P(2).labelRect, (MapRect{158, 142, 174, 158}));
    struct Case {
        int x, y;
        std::optional<quint32> key;
    };
    const Case cases[] = {
        {147, 150, 0u},            // both markers: the first in array order
        {137, 150, 7u},            // only the second
        {170, 150, 0u},            // the name of the first
        {173, 157, 0u},            // the name's last pixel
        {174, 150, std::nullopt},  // right and bottom edges lie outside
        {148, 158, std::nullopt},
        {5, 5, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(map.view.HitTest(c.x, c.y), c.key);
        QString tip;
        EXPECT_EQ(map.view.GetTipText(c.x, c.y, &tip), c.key.has_value());
        if (c.key) {
            EXPECT_EQ(tip, *c.key == 0 ? QStringLiteral("AB") : QString());
        }
    }
    EXPECT_TRUE(map.view.SelectItem(7));
    EXPECT_EQ(map.view.SelectedIndex(), 3);
    EXPECT_FALSE(map.view.SelectItem(99));
    EXPECT_EQ(map.view.SelectedIndex(), 3);
    EXPECT_TRUE(map.view.SelectItem(0));
    EXPECT_EQ(map.view.SelectedIndex(), 2);
}

TEST(MapViewText, NamesAndLabelsAreCutWithoutSplittingAPair)
{
    const QString pair = QString::fromUtf8("𠀋");
    struct Case {
        QString name, label;
        QString shownName, tip;
    };
    const QString label200 = QString(200, QLatin1Char('x'));
    const Case cases[] = {
        {QString(20, QLatin1Char('n')), label200, QString(15, QLatin1Char('n')), QString(127, QLatin1Char('x'))},
        {QString(14, QLatin1Char('n')) + pair, QString(126, QLatin1Char('x')) + pair,
         QString(14, QLatin1Char('n')), QString(126, QLatin1Char('x'))},
        {QString(13, QLatin1Char('n')) + pair, QString(125, QLatin1Char('x')) + pair,
         QString(13, QLatin1Char('n')) + pair, QString(125, QLatin1Char('x')) + pair},
    };
    for (const Case& c : cases) {
        CMapView view;
        FixedTextMetrics metrics;
        view.AddItem(121, 23, 3, c.name, c.label, 0, 0);
        view.LayOut(QSize(400, 300), metrics);
        EXPECT_EQ(view.Point(0).name, c.shownName);
        QString tip;
        ASSERT_TRUE(view.GetTipText(200, 150, &tip));
        EXPECT_EQ(tip, c.tip);
    }
}

TEST(MapViewStorage, TheArrayGrowsByItsSizeButAtMostAHundredAndResetFreesIt)
{
    CMapView view;
    const size_t capacities[] = {16, 32, 64, 128, 228, 328};
    size_t added = 0;
    for (size_t capacity : capacities) {
        while (added < capacity) {
            ASSERT_TRUE(view.AddItem(121, 23, quint32(added), QString(), QString(), 0, 0));
            ++added;
            EXPECT_EQ(view.Capacity(), capacity) << added;
        }
    }
    view.SelectItem(5);
    view.Reset();
    EXPECT_EQ(view.PointCount(), 0);
    EXPECT_EQ(view.Capacity(), 0u);
    EXPECT_EQ(view.SelectedIndex(), -1);
    EXPECT_EQ(view.HitTest(200, 150), std::nullopt);
}

TEST(MapViewZoom, StepsOfOneAndAHalfStopAtTheLimits)
{
    GridMap map;
    double expected = 1;
    int steps = 0;
    while (map.view.ZoomIn()) {
        expected = std::min(256.0, expected * 1.5);
        ++steps;
        ASSERT_DOUBLE_EQ(map.view.Zoom(), expected);
    }
    EXPECT_EQ(steps, 14);  // 1.5^13 < 256 < 1.5^14
    EXPECT_EQ(map.view.Zoom(), 256);
    // The centre of the client stays where it was.
    const auto centre = map.view.ScreenPosition(1.5, 1.5);
    EXPECT_EQ(centre, QPoint(148, 148));

    EXPECT_TRUE(map.view.ResetZoom());
    EXPECT_EQ(map.view.Zoom(), 1);
    EXPECT_TRUE(map.view.ZoomOut());
    EXPECT_DOUBLE_EQ(map.view.Zoom(), 0.8);
    EXPECT_FALSE(map.view.ZoomOut());
    EXPECT_DOUBLE_EQ(map.view.Zoom(), 0.8);
}

TEST(MapViewZoom, TheWheelKeepsThePointUnderTheCursor)
{
    GridMap map;
    ASSERT_TRUE(map.view.ZoomWheel(true, 60, 200));
    EXPECT_DOUBLE_EQ(map.view.OriginX(), GridMap::kOriginX + 60 / 256.0 - 60 / (256 * 1.5));
    EXPECT_DOUBLE_EQ(map.view.OriginY(), GridMap::kOriginY - 200 / 256.0 + 200 / (256 * 1.5));
    EXPECT_EQ(map.view.ScreenPosition(GridMap::MapX(60), GridMap::MapY(200)), QPoint(60, 200));
    // A zoom that is not a finite positive number changes nothing.
    for (double bad : {0.0, -2.0, std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()}) {
        map.view.ZoomAt(bad, 10, 10);
        EXPECT_DOUBLE_EQ(map.view.Zoom(), 1.5);
    }
}

TEST(MapViewZoom, DragsOfTwentyPixelsPanAndShorterOnesAreClicks)
{
    struct Case {
        int dx, dy;
        bool pans;
    };
    const Case cases[] = {{19, 19, false}, {-19, -19, false}, {20, 0, true},
                          {0, -20, true},  {19, 20, true},    {-20, 3, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
        GridMap map;
        map.view.ZoomIn();
        const double x = map.view.OriginX(), y = map.view.OriginY();
        EXPECT_EQ(map.view.Drag(100, 100, 100 + c.dx, 100 + c.dy), c.pans);
        const double f = 256 * 1.5;
        EXPECT_DOUBLE_EQ(map.view.OriginX(), c.pans ? x - c.dx / f : x);
        EXPECT_DOUBLE_EQ(map.view.OriginY(), c.pans ? y + c.dy / f : y);
    }
}

TEST(MapViewZoom, ARedrawKeepsZoomAndPanUntilTheClientSizeChanges)
{
    GridMap map;
    map.view.ZoomIn();
    map.view.Drag(0, 0, 40, 0);
    const double x = map.view.OriginX();
    map.LayOut();
    EXPECT_DOUBLE_EQ(map.view.Zoom(), 1.5);
    EXPECT_DOUBLE_EQ(map.view.OriginX(), x);
    map.LayOut(GridMap::kSide + 1, GridMap::kSide);
    EXPECT_EQ(map.view.Zoom(), 1);
    EXPECT_NE(map.view.OriginX(), x);
    // Back at the first size, the fit is the first one again.
    map.LayOut();
    EXPECT_DOUBLE_EQ(map.view.OriginX(), GridMap::kOriginX);
    EXPECT_EQ(map.P(0).markerRect, Square(20, 276));
}

namespace {

// Marker colours: not visited, visited, selected.
constexpr QRgb kOlive = qRgb(128, 128, 0);
constexpr QRgb kGreen = qRgb(0, 168, 0);
constexpr QRgb kRed = qRgb(255, 0, 0);

// The triangle of a point at client (cx, cy) has its apex at (cx, cy - 10) and its base from
// (cx - 10, cy + 10) to (cx + 10, cy + 10); a pixel is filled when its centre lies inside. On the
// row above the base (centres at cy + 9.5) the sides lie at cx - 9.75 and cx + 9.75: columns
// cx - 10 to cx + 9 are filled, cx - 11 and cx + 10 are not. On the row below the apex (centres at
// cy - 8.5) they lie at cx - 0.75 and cx + 0.75: columns cx - 1 and cx. The apex's row (centres at
// cy - 9.5, sides at cx - 0.25 and cx + 0.25) and the base's row (centres at cy + 10.5) hold no
// filled pixel. offset is the client's place in the image.
void ExpectMarker(const QImage& image, QPoint offset, int cx, int cy, QRgb colour)
{
    const QPoint filled[] = {{cx, cy}, {cx - 10, cy + 9}, {cx + 9, cy + 9}, {cx - 1, cy - 9}, {cx, cy - 9}};
    const QPoint free[] = {{cx - 11, cy + 9}, {cx + 10, cy + 9}, {cx, cy + 10},
                           {cx - 1, cy - 10}, {cx, cy - 10},     {cx - 2, cy - 9}};
    for (const QPoint& at : filled)
        EXPECT_EQ(image.pixel(at + offset), colour) << "inside at " << at.x() << "," << at.y();
    for (const QPoint& at : free)
        EXPECT_NE(image.pixel(at + offset), colour) << "outside at " << at.x() << "," << at.y();
}

// The pixels of the square (cx - 10, cy - 10) to (cx + 10, cy + 10) that are neither the marker's
// colour nor the background: those of a number written in it.
int ForeignPixels(const QImage& image, int cx, int cy, QRgb marker, QRgb background)
{
    int count = 0;
    for (int y = cy - 10; y < cy + 10; ++y)
        for (int x = cx - 10; x < cx + 10; ++x)
            count += image.pixel(x, y) != marker && image.pixel(x, y) != background;
    return count;
}

} // namespace

TEST(MapViewPaint, MarkersAreColouredByVisitsWithTheSelectedOnTopAndNumbersWrittenInThem)
{
    // Client 400 x 300 around the box (121, 23) to (122, 24): inner 360 x 260, scale 260, the
    // box's centre (121.5, 23.5) at client (200, 150). So column = trunc((x - 121.5) * 260 + 200.5)
    // and row = trunc((23.5 - y) * 260 + 150.5).
    struct Spot {
        double x, y;
        int visits, number;
        int cx, cy;
    };
    const Spot spots[] = {
        {121, 23, 0, 0, 70, 280},           // -130 + 200.5, 130 + 150.5
        {122, 24, 3, 0, 330, 20},           // 130 + 200.5, -130 + 150.5
        {121.27, 23.73, -1, 0, 140, 90},    // -59.8 + 200.5 = 140.7, -59.8 + 150.5 = 90.7
        {121.73, 23.27, 1, 0, 260, 210},    // 59.8 + 200.5 = 260.3, 59.8 + 150.5 = 210.3; selected
        {121.77, 23.27, 1, 0, 270, 210},    // 70.2 + 200.5 = 270.7: overlaps the selected one
        {121.5, 23.5, 0, 7, 200, 150},      // the centre, with a number
        {121.4, 23.4, 0, 100, 174, 176},    // -26 + 200.5 = 174.5, 26 + 150.5 = 176.5; no number
    };
    const QSize client(400, 300);
    FixedTextMetrics metrics;
    CMapView view;
    for (int i = 0; i < int(std::size(spots)); ++i)
        view.AddItem(spots[i].x, spots[i].y, quint32(i), QString(), QString(), spots[i].visits, spots[i].number);
    view.SelectItem(3);
    view.LayOut(client, metrics);

    const QRgb white = qRgb(255, 255, 255);
    QImage painted(client, QImage::Format_RGB32);
    painted.fill(white);
    {
        QPainter painter(&painted);
        view.Paint(painter, painted.rect());
    }
    const QRgb colours[] = {kOlive, kGreen, kOlive, kRed};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        ExpectMarker(painted, QPoint(), spots[i].cx, spots[i].cy, colours[i]);
    }
    // The selected marker lies over the later one where they overlap: on row 215 (centres at
    // 215.5, 7.75 from the centre line) the first spans columns 252 to 267, the second 262 to 277.
    EXPECT_EQ(painted.pixel(265, 215), kRed);
    EXPECT_EQ(painted.pixel(272, 215), kGreen);
    EXPECT_EQ(painted.pixel(279, 219), kGreen);
    EXPECT_EQ(painted.pixel(280, 219), white);
    // The number is written over the centre's marker; 100 and 0 are not written.
    ExpectMarker(painted, QPoint(), 174, 176, kOlive);
    EXPECT_EQ(painted.pixel(200, 142), kOlive);  // above the number's box (top 160 - 16)
    EXPECT_GT(ForeignPixels(painted, 200, 150, kOlive, white), 0);
    EXPECT_EQ(ForeignPixels(painted, 174, 176, kOlive, white), 0);
    EXPECT_EQ(ForeignPixels(painted, 70, 280, kOlive, white), 0);
}

TEST(MapViewControl, DrawLaysOutInTheControlsClientAreaAndShowsTheView)
{
    // A 300 x 200 control with a one-pixel sunken panel: client 298 x 198, at (1, 1) in the
    // control. A lone point sits at its centre: trunc(149 + 0.5), trunc(99 + 0.5).
    CStaticMapView control;
    control.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    control.resize(300, 200);
    FixedTextMetrics metrics;
    CMapView view;
    view.SetTextMetrics(&metrics);
    view.AddItem(121.5, 23.5, 0, QStringLiteral("A"), QStringLiteral("tip"), 0, 0);
    view.Draw(&control);
    EXPECT_EQ(control.ShownView(), &view);
    EXPECT_EQ(view.Point(0).markerRect, Square(149, 99));
    EXPECT_EQ(view.HitTest(149, 99), std::optional<quint32>(0));
    control.SetListener(&view);
    EXPECT_EQ(control.TipTextAt(QPoint(149, 99)), QStringLiteral("tip"));
    ExpectMarker(control.grab().toImage(), QPoint(1, 1), 149, 99, kOlive);
}
