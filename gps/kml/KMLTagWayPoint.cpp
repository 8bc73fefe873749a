#include "gps/kml/KMLTagWayPoint.h"

#include "gps/kml/KMLText.h"

#include <vector>

using namespace gps::gpx;
using namespace gps::kml;

GPXFind CKMLTagWayPoint::Parse(QByteArrayView placemark)
{
    GPXElement point;
    const GPXFind found = FindElement(placemark, kPointTag, 0, &point);
    if (found != GPXFind::Found)
        return found;
    std::vector<KMLPoint> positions;
    if (AppendCoordinates(point.content(placemark), &positions) == GPXFind::Damaged)
        return GPXFind::Damaged;
    if (positions.empty())
        return GPXFind::Missing;
    latitude = positions.front().latitude;
    longitude = positions.front().longitude;
    altitude = positions.front().altitude;
    bool damaged = false;
    PlacemarkText(placemark, kNameTag, &name, &damaged);
    PlacemarkText(placemark, kDescriptionTag, &description, &damaged);
    return damaged ? GPXFind::Damaged : GPXFind::Found;
}
