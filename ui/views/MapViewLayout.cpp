// Laying the map out: the fit of the located points into the client area, the markers, the
// numbers inside them and the placement of the names.
#include "ui/views/MapView.h"

#include "ui/views/MapCollisionGrid.h"
#include "ui/views/MapTextMetrics.h"

#include <cmath>

namespace {

// The measure of a name: its width and height on one line and its number of characters (a
// surrogate pair is one character).
struct NameSize {
    int width = 0;
    int height = 0;
    int chars = 0;
};

// The places tried for a name, in this order.
enum class NamePlace { Right, Above, Below, Left, CentredAbove, CentredBelow };
constexpr NamePlace kNamePlaces[] = {NamePlace::Right,        NamePlace::Above,
                                     NamePlace::Below,        NamePlace::Left,
                                     NamePlace::CentredAbove, NamePlace::CentredBelow};

bool IsVertical(NamePlace place)
{
    return place == NamePlace::Above || place == NamePlace::Below;
}

int CharCount(const QString& text)
{
    int chars = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()))
            ++chars;
    }
    return chars;
}

// The rectangle a name takes at place beside marker.
MapRect NameCandidate(NamePlace place, const MapRect& marker, const NameSize& size)
{
    const int w = size.width;
    const int h = size.height;
    const int column = w / size.chars;  // the average character width
    const int columnLeft = marker.left + (marker.Width() - column) / 2;
    const int columnHeight = size.chars * (h - CMapView::kVerticalLineTighten);
    const int centredLeft = (marker.left + marker.right) / 2 - w / 2;
    switch (place) {
    case NamePlace::Right:
        return {marker.right, marker.bottom - h, marker.right + w, marker.bottom};
    case NamePlace::Above:
        return {columnLeft, marker.top - columnHeight, columnLeft + column, marker.top};
    case NamePlace::Below:
        return {columnLeft, marker.bottom, columnLeft + column, marker.bottom + columnHeight};
    case NamePlace::Left:
        return {marker.left - w, marker.bottom - h, marker.left, marker.bottom};
    case NamePlace::CentredAbove:
        return {centredLeft, marker.top - h, centredLeft + w, marker.top};
    case NamePlace::CentredBelow:
        return {centredLeft, marker.bottom, centredLeft + w, marker.bottom + h};
    }
    return {};
}

bool InsideClient(const MapRect& rect, const QSize& client)
{
    return rect.left >= 0 && rect.top >= 0 && rect.right <= client.width()
           && rect.bottom <= client.height();
}

} // namespace

void CMapView::LayOut(const QSize& client, const MapTextMetrics& metrics)
{
    if (&metrics != measuredWith_) {
        textSizes_.clear();
        measuredWith_ = &metrics;
    }
    if (minX_ == 0)
        ComputeBounds();
    if (client != clientSize_)
        Fit(client);
    for (MapPoint& p : points_)
        p.markerDrawn = p.labelDrawn = false;
    if (!fitValid_)
        return;
    LayOutMarkers();
    LayOutNumbers();
    PlaceNames();
}

void CMapView::ComputeBounds()
{
    for (const MapPoint& p : points_) {
        // A coordinate of 0 means no position, and so does one that is not a number.
        if (p.x == 0 || p.y == 0 || !std::isfinite(p.x) || !std::isfinite(p.y))
            continue;
        if (minX_ == 0 || p.x < minX_)
            minX_ = p.x;
        if (maxX_ == 0 || p.x > maxX_)
            maxX_ = p.x;
        if (minY_ == 0 || p.y < minY_)
            minY_ = p.y;
        if (maxY_ == 0 || p.y > maxY_)
            maxY_ = p.y;
    }
}

void CMapView::Fit(const QSize& client)
{
    clientSize_ = client;
    const int innerWidth = client.width() - 2 * kFitMargin;
    const int innerHeight = client.height() - 2 * kFitMargin;
    const double scaleX = maxX_ == minX_ ? kFlatScale : innerWidth / (maxX_ - minX_);
    const double scaleY = maxY_ == minY_ ? kFlatScale : innerHeight / (maxY_ - minY_);
    scale_ = std::min(scaleX, scaleY);
    // The box is centred in the whole client area, not in the inner one.
    originX_ = (minX_ + maxX_) / 2 - (client.width() / 2) / scale_;
    originY_ = (minY_ + maxY_) / 2 + (client.height() / 2) / scale_;
    fittedOriginX_ = originX_;
    fittedOriginY_ = originY_;
    zoom_ = 1;
    fitValid_ = innerWidth > 0 && innerHeight > 0 && std::isfinite(scale_) && scale_ > 0
                && std::isfinite(originX_) && std::isfinite(originY_);
}

QSize CMapView::TextSize(const QString& text)
{
    const auto kept = textSizes_.constFind(text);
    if (kept != textSizes_.constEnd())
        return *kept;
    const QSize size = measuredWith_->TextSize(text);
    textSizes_.insert(text, size);
    return size;
}

std::optional<QPoint> CMapView::ScreenPosition(double x, double y) const
{
    const double column = (x - originX_) * scale_ * zoom_ + 0.5;
    const double row = (originY_ - y) * scale_ * zoom_ + 0.5;
    const auto onScreen = [](double v) { return std::isfinite(v) && std::fabs(v) <= kMaxScreenPosition; };
    if (!onScreen(column) || !onScreen(row))
        return std::nullopt;
    // Conversion truncates towards zero.
    return QPoint(static_cast<int>(column), static_cast<int>(row));
}

void CMapView::LayOutMarkers()
{
    for (MapPoint& p : points_) {
        const std::optional<QPoint> at = ScreenPosition(p.x, p.y);
        if (!at) {
            // No position on any client: an empty rectangle, which nothing hits or meets.
            p.markerRect = MapRect{};
            continue;
        }
        p.markerRect = {at->x() - kMarkerHalf, at->y() - kMarkerHalf, at->x() + kMarkerHalf,
                        at->y() + kMarkerHalf};
        // Only a marker wholly inside the client area is drawn.
        p.markerDrawn = InsideClient(p.markerRect, clientSize_);
    }
}

void CMapView::LayOutNumbers()
{
    for (MapPoint& p : points_) {
        if (!p.markerDrawn || !p.HasNumber())
            continue;
        const QSize size = TextSize(QString::number(p.number));
        // Centred across the marker, standing on its bottom.
        p.numberAt = QPoint(p.markerRect.left + (p.markerRect.Width() - size.width()) / 2,
                            p.markerRect.bottom - size.height());
    }
}

bool CMapView::NameCollides(size_t self, const MapRect& candidate, const MapCollisionGrid* grid) const
{
    if (grid)
        return grid->Collides(int(self), candidate);
    for (size_t j = 0; j < points_.size(); ++j) {
        const MapPoint& other = points_[j];
        if (j != self
            && ((other.markerDrawn && candidate.Intersects(other.markerRect))
                || (other.labelDrawn && candidate.Intersects(other.labelRect))))
            return true;
    }
    return false;
}

void CMapView::PlaceNames()
{
    // Only names beside drawn markers are measured; the others keep no characters.
    std::vector<NameSize> sizes(points_.size());
    for (size_t i = 0; i < points_.size(); ++i) {
        if (points_[i].markerDrawn && !points_[i].name.isEmpty()) {
            const QSize size = TextSize(points_[i].name);
            sizes[i] = NameSize{size.width(), size.height(), CharCount(points_[i].name)};
        }
    }
    std::optional<MapCollisionGrid> grid;
    if (collisionSearch_ == CollisionSearch::Grid) {
        grid.emplace(clientSize_.width(), clientSize_.height());
        for (size_t i = 0; i < points_.size(); ++i) {
            if (points_[i].markerDrawn)
                grid->Add(int(i), points_[i].markerRect);
        }
    }
    // A name placed in an earlier pass, or earlier in the same pass, wins over later ones.
    for (NamePlace place : kNamePlaces) {
        for (size_t i = 0; i < points_.size(); ++i) {
            MapPoint& p = points_[i];
            if (sizes[i].chars == 0 || p.labelDrawn)
                continue;
            p.labelRect = NameCandidate(place, p.markerRect, sizes[i]);
            if (!InsideClient(p.labelRect, clientSize_) || NameCollides(i, p.labelRect, grid ? &*grid : nullptr))
                continue;
            p.labelDrawn = true;
            p.labelLineStep = IsVertical(place) ? sizes[i].height - kVerticalLineTighten : 0;
            if (grid)
                grid->Add(int(i), p.labelRect);
        }
    }
}
