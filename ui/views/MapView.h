#pragma once
// The point map of the shown group's items, drawn into the main dialog's map control. Groups and
// subsets fill it through IPointView; the dialog resets it, draws it and passes zoom, drag,
// click and tooltip requests on to it.
#include "catalog/window/IPointView.h"

#include <QRect>
#include <QString>

#include <optional>
#include <vector>

class CStaticMapView;
class QPainter;

// One point of the map as a group or subset added it.
struct MapPoint {
    quint32 key = 0;
    double x = 0;
    double y = 0;
    QString name;
    QString label;
    int visitCount = 0;
    int number = 0;
};

class CMapView : public IPointView {
public:
    CMapView() = default;
    CMapView(const CMapView&) = delete;
    CMapView& operator=(const CMapView&) = delete;
    ~CMapView() override = default;

    // Forgets every point; the next draw fits the map again.
    virtual void Reset();
    // Fits when needed and shows the points in control.
    virtual void Draw(CStaticMapView* control);
    // One zoom step about the centre; false at the limit (the caller redraws on true).
    virtual bool ZoomIn();
    virtual bool ZoomOut();
    // Back to the fitted view; always true.
    virtual bool ResetZoom();
    // One zoom step about the client point (x, y).
    virtual bool ZoomWheel(bool zoomIn, int x, int y);
    // The key of the first point drawn at the client point; nothing when no point is there.
    virtual std::optional<quint32> HitTest(int x, int y) const;
    // The tooltip text of the point at (x, y); false when no point is there.
    virtual bool GetTipText(int x, int y, QString* text) const;
    // Selects the first point with key; false (selection unchanged) when none has it.
    virtual bool SelectItem(quint32 key);
    // Pans for a press at (x0, y0) and a release at (x1, y1); false for a click.
    virtual bool Drag(int x0, int y0, int x1, int y1);
    virtual void ZoomAt(double newZoom, int x, int y);
    // Paints the view into the control's client area (called from the control's paint event).
    virtual void Paint(QPainter& painter, const QRect& client);

    bool AddItem(double x, double y, quint32 key, const QString& name, const QString& label,
                 int visitCount, int number) override;

    int PointCount() const { return static_cast<int>(points_.size()); }

protected:
    std::vector<MapPoint> points_;
};
