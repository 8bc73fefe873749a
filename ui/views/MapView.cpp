#include "ui/views/MapView.h"

#include "ui/views/StaticMapView.h"

void CMapView::Reset()
{
    points_.clear();
}

void CMapView::Draw(CStaticMapView* control)
{
    if (control)
        control->ShowView(this);
}

bool CMapView::ZoomIn()
{
    return false;
}

bool CMapView::ZoomOut()
{
    return false;
}

bool CMapView::ResetZoom()
{
    return true;
}

bool CMapView::ZoomWheel(bool zoomIn, int x, int y)
{
    (void)zoomIn, (void)x, (void)y;
    return false;
}

std::optional<quint32> CMapView::HitTest(int x, int y) const
{
    (void)x, (void)y;
    return std::nullopt;
}

bool CMapView::GetTipText(int x, int y, QString* text) const
{
    (void)x, (void)y, (void)text;
    return false;
}

bool CMapView::SelectItem(quint32 key)
{
    (void)key;
    return false;
}

bool CMapView::Drag(int x0, int y0, int x1, int y1)
{
    (void)x0, (void)y0, (void)x1, (void)y1;
    return false;
}

void CMapView::ZoomAt(double newZoom, int x, int y)
{
    (void)newZoom, (void)x, (void)y;
}

void CMapView::Paint(QPainter& painter, const QRect& client)
{
    (void)painter, (void)client;
}

bool CMapView::AddItem(double x, double y, quint32 key, const QString& name, const QString& label,
                       int visitCount, int number)
{
    points_.push_back(MapPoint{key, x, y, name, label, visitCount, number});
    return true;
}
