#pragma once
// The point placemarks of a KML file, in file order.
#include "gps/kml/KMLTagWayPoint.h"

#include <memory>
#include <vector>

class CKMLWayPoint {
public:
    // Reads every placemark of body that holds a Point with a position; false for a damaged
    // one.
    bool Parse(QByteArrayView body);
    int count() const { return int(items.size()); }

    std::vector<std::unique_ptr<CKMLTagWayPoint>> items;
};
