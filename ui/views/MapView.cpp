#include "ui/views/MapView.h"

#include "gps/GPSText.h"
#include "ui/views/FontTextMetrics.h"
#include "ui/views/StaticMapView.h"

#include <algorithm>
#include <new>

CMapView::CMapView() = default;
CMapView::~CMapView() = default;

void CMapView::Reset()
{
    std::vector<MapPoint>().swap(points_);
    minX_ = maxX_ = minY_ = maxY_ = 0;
    clientSize_ = QSize();
    fitValid_ = false;
    selectedIndex_ = -1;
}

bool CMapView::AddItem(double x, double y, quint32 key, const QString& name, const QString& label,
                       int visitCount, int number)
{
    try {
        if (points_.size() == points_.capacity()) {
            const size_t room = points_.capacity();
            points_.reserve(room == 0 ? kInitialCapacity : room + std::min(room, kMaxGrowth));
        }
        MapPoint point;
        point.key = key;
        point.x = x;
        point.y = y;
        point.name = gps::CutText(name, MapPoint::kNameUnits);
        point.label = gps::CutText(label, MapPoint::kLabelUnits);
        point.visitCount = visitCount;
        point.number = number;
        points_.push_back(std::move(point));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void CMapView::Draw(CStaticMapView* control)
{
    if (!control)
        return;
    const QSize client = control->ClientRect().size();
    if (textMetrics_) {
        LayOut(client, *textMetrics_);
    } else {
        if (!fontMetrics_ || fontMetrics_->Font() != control->font()) {
            fontMetrics_ = std::make_unique<FontTextMetrics>(control->font());
            measuredWith_ = nullptr;
        }
        LayOut(client, *fontMetrics_);
    }
    control->ShowView(this);
}

int CMapView::IndexAt(int x, int y) const
{
    for (size_t i = 0; i < points_.size(); ++i) {
        const MapPoint& p = points_[i];
        if ((p.markerDrawn && p.markerRect.Contains(x, y))
            || (p.labelDrawn && p.labelRect.Contains(x, y)))
            return int(i);
    }
    return -1;
}

std::optional<quint32> CMapView::HitTest(int x, int y) const
{
    const int index = IndexAt(x, y);
    if (index < 0)
        return std::nullopt;
    return points_[size_t(index)].key;
}

bool CMapView::GetTipText(int x, int y, QString* text) const
{
    const int index = IndexAt(x, y);
    if (index < 0)
        return false;
    if (text)
        *text = points_[size_t(index)].label;
    return true;
}

bool CMapView::SelectItem(quint32 key)
{
    const auto found = std::find_if(points_.begin(), points_.end(),
                                    [key](const MapPoint& p) { return p.key == key; });
    if (found == points_.end())
        return false;
    selectedIndex_ = int(found - points_.begin());
    return true;
}
