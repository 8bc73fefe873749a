#pragma once
// One line-string placemark of a KML file: the points of all its line strings, in order.
#include "gps/gpx/GPXText.h"
#include "gps/kml/KMLText.h"

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

class CKMLTagTrack {
public:
    static constexpr QByteArrayView kNoName = "Noname";

    // Reads a placemark's content: its name ("Noname" when absent) and the positions of every
    // LineString, also those of a MultiGeometry, one after the other. Missing when the
    // placemark holds no LineString; Damaged for an element without its end tag.
    gps::gpx::GPXFind Parse(QByteArrayView placemark);

    QByteArray name = kNoName.toByteArray(); // UTF-8
    std::vector<gps::kml::KMLPoint> points;
};
