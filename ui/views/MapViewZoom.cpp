// Zooming and panning the map. Both act only on a usable fit: before one, the scale may be 0.
#include "ui/views/MapView.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

bool CMapView::ZoomIn()
{
    return ZoomStep(true, clientSize_.width() / 2, clientSize_.height() / 2);
}

bool CMapView::ZoomOut()
{
    return ZoomStep(false, clientSize_.width() / 2, clientSize_.height() / 2);
}

bool CMapView::ZoomWheel(bool zoomIn, int x, int y)
{
    return ZoomStep(zoomIn, x, y);
}

bool CMapView::ResetZoom()
{
    originX_ = fittedOriginX_;
    originY_ = fittedOriginY_;
    zoom_ = 1;
    return true;
}

bool CMapView::ZoomStep(bool zoomIn, int x, int y)
{
    if (!fitValid_)
        return false;
    double newZoom = zoom_;
    if (zoomIn && zoom_ < kMaxZoom)
        newZoom = std::min(kMaxZoom, zoom_ * kZoomStep);
    else if (!zoomIn && zoom_ > kMinZoom)
        newZoom = std::max(kMinZoom, zoom_ / kZoomStep);
    if (newZoom == zoom_)
        return false;
    ZoomAt(newZoom, x, y);
    return true;
}

void CMapView::ZoomAt(double newZoom, int x, int y)
{
    if (!fitValid_ || !std::isfinite(newZoom) || newZoom <= 0)
        return;
    const double before = scale_ * zoom_;
    const double after = scale_ * newZoom;
    originX_ = originX_ + x / before - x / after;
    originY_ = originY_ - y / before + y / after;
    zoom_ = newZoom;
}

bool CMapView::Drag(int x0, int y0, int x1, int y1)
{
    const double dx = double(x1) - double(x0);
    const double dy = double(y1) - double(y0);
    if (!fitValid_ || (std::fabs(dx) < kDragThreshold && std::fabs(dy) < kDragThreshold))
        return false;
    const double f = zoom_ * scale_;
    originX_ -= dx / f;
    // The map's y axis points up.
    originY_ += dy / f;
    return true;
}
