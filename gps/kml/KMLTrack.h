#pragma once
// The line-string placemarks of a KML file, in file order.
#include "gps/kml/KMLTagTrack.h"

#include <memory>
#include <vector>

class CKMLTrack {
public:
    // Reads every placemark of body that holds a LineString; false for a damaged one.
    bool Parse(QByteArrayView body);
    int count() const { return int(items.size()); }

    std::vector<std::unique_ptr<CKMLTagTrack>> items;
};
