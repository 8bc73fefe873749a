#pragma once
// The waypoints of a GPX file, in file order.
#include "gps/gpx/GPXTagWayPoint.h"

#include <memory>
#include <vector>

class CGPXWayPoint {
public:
    // Reads the wpt element whose start tag begins at at in text and appends it; *end receives
    // the position after it. False for a damaged element.
    bool Parse(QByteArrayView text, qsizetype at, qsizetype* end);
    int count() const { return int(items.size()); }

    std::vector<std::unique_ptr<CGPXTagWayPoint>> items;
};
