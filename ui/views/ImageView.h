#pragma once
// The photo grid of the plant group, shown in the map control in place of the point map. It
// shares the map's zoom, drag, hit-test and tooltip machinery.
#include "ui/views/MapView.h"

class CImageView : public CMapView {
public:
    void Reset() override;
    void Draw(CStaticMapView* control) override;
    std::optional<quint32> HitTest(int x, int y) const override;
    bool GetTipText(int x, int y, QString* text) const override;
    bool SelectItem(quint32 key) override;
    bool Drag(int x0, int y0, int x1, int y1) override;
    void ZoomAt(double newZoom, int x, int y) override;
    void Paint(QPainter& painter, const QRect& client) override;

    // Adds the photos of one plant; false when none was found.
    bool LoadImages(int item, const QString& name, const QString& family,
                    const QString& line) override;
};
