#pragma once
// The point map of the shown group's items, drawn into the main dialog's map control. Groups and
// subsets fill it through IPointView; the dialog resets it, draws it and passes zoom, drag,
// click and tooltip requests on to it.
//
// Drawing lays the map out at once, with the control's font: the fit (all located points inside
// a 20-pixel margin), the markers that lie wholly in the client area, the numbers in them and
// the names placed beside them where they overlap nothing. Hit tests answer from that layout;
// the control paints it whenever it repaints.
#include "catalog/window/IPointView.h"
#include "ui/views/MapPoint.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QStaticText>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class CStaticMapView;
class FontTextMetrics;
class MapCollisionGrid;
class MapTextMetrics;
class QPainter;

class CMapView : public IPointView {
public:
    // Space kept free around the located points by a fit.
    static constexpr int kFitMargin = 20;
    // The scale of an axis along which all located points lie on one line.
    static constexpr double kFlatScale = 123456789;
    // Zoom steps and their limits.
    static constexpr double kZoomStep = 1.5;
    static constexpr double kMinZoom = 0.8;
    static constexpr double kMaxZoom = 256;
    // A press and release closer than this on both axes is a click, not a pan.
    static constexpr int kDragThreshold = 20;
    // A marker is a triangle, apex up, in the square of this half-side about the point.
    static constexpr int kMarkerHalf = 10;
    // Lines of a name written one character per line are this much closer than the text height.
    static constexpr int kVerticalLineTighten = 2;
    // A screen position farther out than this lies off any client area.
    static constexpr double kMaxScreenPosition = 1'000'000;
    // The array of points starts with this room and grows by its size, by at most kMaxGrowth.
    static constexpr size_t kInitialCapacity = 16;
    static constexpr size_t kMaxGrowth = 100;
    // Marker colours: not visited, visited, selected.
    static constexpr QRgb kUnvisitedColour = 0xFF808000;
    static constexpr QRgb kVisitedColour = 0xFF00A800;
    static constexpr QRgb kSelectedColour = 0xFFFF0000;

    // How name placement finds what a candidate would cover: through a grid of cells (the
    // program's way) or by testing every point (the plain scan, its reference).
    enum class CollisionSearch { Grid, PlainScan };

    CMapView();
    CMapView(const CMapView&) = delete;
    CMapView& operator=(const CMapView&) = delete;
    ~CMapView() override;

    // Forgets every point and the fit; no point is selected.
    virtual void Reset();
    // Lays the map out in control (fitting first when the client size changed since the last
    // fit) and has the control paint it.
    virtual void Draw(CStaticMapView* control);
    // One zoom step about the centre; false at the limit or without a fit (the caller redraws
    // on true).
    virtual bool ZoomIn();
    virtual bool ZoomOut();
    // Back to the fitted view; always true.
    virtual bool ResetZoom();
    // One zoom step about the client point (x, y).
    virtual bool ZoomWheel(bool zoomIn, int x, int y);
    // The key of the first point whose drawn marker or name holds the client point; nothing
    // when no point is there.
    virtual std::optional<quint32> HitTest(int x, int y) const;
    // The label of that point; false when no point is there.
    virtual bool GetTipText(int x, int y, QString* text) const;
    // Selects the first point with key; false (selection unchanged) when none has it.
    virtual bool SelectItem(quint32 key);
    // Pans for a press at (x0, y0) and a release at (x1, y1); false for a click or without a fit.
    virtual bool Drag(int x0, int y0, int x1, int y1);
    // Sets the zoom, keeping the map point under the client point (x, y) in place. A zoom that is
    // not finite and positive, or one without a fit, changes nothing.
    virtual void ZoomAt(double newZoom, int x, int y);
    // Paints the last layout into the control's client area (called from its paint event).
    virtual void Paint(QPainter& painter, const QRect& client);

    // Appends a point: the name cut to 15 and the label to 127 code units, never splitting a
    // surrogate pair. False when no memory can be had; the point is then not added.
    bool AddItem(double x, double y, quint32 key, const QString& name, const QString& label,
                 int visitCount, int number) override;

    // What Draw does in a control: the layout for a client area of that size, measured with
    // metrics. Measures are kept for the next layouts while the same metrics object is given.
    void LayOut(const QSize& client, const MapTextMetrics& metrics);
    // Texts are measured with metrics (kept by the caller, and unchanged while set) instead of
    // the control's font.
    void SetTextMetrics(const MapTextMetrics* metrics) { textMetrics_ = metrics; }
    void SetCollisionSearch(CollisionSearch search) { collisionSearch_ = search; }

    int PointCount() const { return static_cast<int>(points_.size()); }
    const MapPoint& Point(int index) const { return points_[size_t(index)]; }
    size_t Capacity() const { return points_.capacity(); }
    int SelectedIndex() const { return selectedIndex_; }
    bool HasFit() const { return fitValid_; }
    double Zoom() const { return zoom_; }
    double Scale() const { return scale_; }
    double OriginX() const { return originX_; }
    double OriginY() const { return originY_; }
    // The client position of the map point (x, y) now; nothing when it lies off any client.
    std::optional<QPoint> ScreenPosition(double x, double y) const;

protected:
    // The client size at the last fit; invalid when the next draw must fit.
    QSize clientSize_;
    double scale_ = 0;
    double fittedOriginX_ = 0;
    double fittedOriginY_ = 0;
    double zoom_ = 1;
    double originX_ = 0;
    double originY_ = 0;
    int selectedIndex_ = -1;
    // The last fit gave a usable scale; zoom and drag act only then.
    bool fitValid_ = false;

private:
    // Layout steps.
    void ComputeBounds();
    void Fit(const QSize& client);
    void LayOutMarkers();
    void LayOutNumbers();
    void PlaceNames();
    // True when candidate, the name of point self, would cover another drawn marker or placed
    // name; found through grid when given, else by testing every point.
    bool NameCollides(size_t self, const MapRect& candidate, const MapCollisionGrid* grid) const;
    // Zooming.
    bool ZoomStep(bool zoomIn, int x, int y);
    // Painting.
    QPolygon Triangle(const MapPoint& point) const;
    QRgb MarkerColour(int index) const;
    void PaintMarkers(QPainter& painter);
    void PaintNumbers(QPainter& painter);
    void PaintNames(QPainter& painter, int ascent) const;
    const QImage& MarkerSprite(QRgb colour);
    // The index of the first point whose drawn marker or name holds (x, y); -1 for none.
    int IndexAt(int x, int y) const;
    // The measure of a text, from the sizes kept for the current metrics.
    QSize TextSize(const QString& text);

    std::vector<MapPoint> points_;
    // The box of the located points; minX_ 0 = not computed since the last reset.
    double minX_ = 0;
    double maxX_ = 0;
    double minY_ = 0;
    double maxY_ = 0;
    const MapTextMetrics* textMetrics_ = nullptr;
    // The measures of the control's font, made again when the font changes.
    std::unique_ptr<FontTextMetrics> fontMetrics_;
    // Texts measured with measuredWith_: names and numbers come back at every redraw (zoom,
    // pan, selection) and with every subset of the same group.
    const MapTextMetrics* measuredWith_ = nullptr;
    QHash<QString, QSize> textSizes_;
    // Painting aids: each marker colour painted once into a small image, and the numbers laid
    // out once for the font they were last painted in.
    QHash<QRgb, QImage> markerSprites_;
    QFont numberFont_;
    std::array<QStaticText, MapPoint::kLastNumber + 1> numberTexts_;
    CollisionSearch collisionSearch_ = CollisionSearch::Grid;
};
