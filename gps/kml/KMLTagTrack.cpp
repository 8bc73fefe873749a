#include "gps/kml/KMLTagTrack.h"

using namespace gps::gpx;
using namespace gps::kml;

GPXFind CKMLTagTrack::Parse(QByteArrayView placemark)
{
    GPXFind result = GPXFind::Missing;
    GPXElement line;
    for (qsizetype from = 0;; from = line.end) {
        const GPXFind found = FindElement(placemark, kLineStringTag, from, &line);
        if (found == GPXFind::Missing)
            break;
        if (found == GPXFind::Damaged || AppendCoordinates(line.content(placemark), &points) == GPXFind::Damaged)
            return GPXFind::Damaged;
        result = GPXFind::Found;
    }
    if (result == GPXFind::Missing)
        return result;
    bool damaged = false;
    PlacemarkText(placemark, kNameTag, &name, &damaged);
    return damaged ? GPXFind::Damaged : GPXFind::Found;
}
