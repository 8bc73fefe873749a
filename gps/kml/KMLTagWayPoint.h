#pragma once
// One point placemark of a KML file.
#include "gps/gpx/GPXText.h"

#include <QByteArray>
#include <QByteArrayView>

class CKMLTagWayPoint {
public:
    // Reads a placemark's content: its name and description (absent ones empty) and the first
    // position of its first Point (altitude 0 when absent). Missing when the placemark holds no
    // Point or the Point no position; Damaged for an element without its end tag.
    gps::gpx::GPXFind Parse(QByteArrayView placemark);

    double latitude = 0;
    double longitude = 0;
    double altitude = 0;
    QByteArray name;        // UTF-8
    QByteArray description; // UTF-8
};
