#include "gps/gpx/GPXWayPoint.h"

bool CGPXWayPoint::Parse(QByteArrayView text, qsizetype at, qsizetype* end)
{
    auto waypoint = std::make_unique<CGPXTagWayPoint>();
    if (!waypoint->Parse(text, at, end))
        return false;
    items.push_back(std::move(waypoint));
    return true;
}
