// Panning and zooming the photo grid; both act only on a usable fit. The grid's y axis points
// down, as the screen's does.
#include "ui/views/ImageView.h"

#include <cmath>

bool CImageView::Drag(int x0, int y0, int x1, int y1)
{
    const double dx = double(x1) - double(x0);
    const double dy = double(y1) - double(y0);
    if (!fitValid_ || (std::fabs(dx) < kDragThreshold && std::fabs(dy) < kDragThreshold))
        return false;
    const double f = zoom_ * scale_;
    originX_ -= dx / f;
    originY_ -= dy / f;
    return true;
}

void CImageView::ZoomAt(double newZoom, int x, int y)
{
    if (!fitValid_ || !std::isfinite(newZoom) || newZoom <= 0)
        return;
    const double before = scale_ * zoom_;
    const double after = scale_ * newZoom;
    // The grid point under the cursor is first taken to a whole photo pixel.
    originX_ = std::trunc(x / before + originX_ + 0.5) - x / after;
    originY_ = std::trunc(y / before + originY_ + 0.5) - y / after;
    zoom_ = newZoom;
}
