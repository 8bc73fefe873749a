#include "gps/kml/KMLWayPoint.h"

#include "gps/kml/KMLText.h"

bool CKMLWayPoint::Parse(QByteArrayView body)
{
    items.clear();
    return gps::kml::ForEachPlacemark(body, [this](QByteArrayView placemark) {
        auto waypoint = std::make_unique<CKMLTagWayPoint>();
        const gps::gpx::GPXFind found = waypoint->Parse(placemark);
        if (found == gps::gpx::GPXFind::Found)
            items.push_back(std::move(waypoint));
        return found != gps::gpx::GPXFind::Damaged;
    });
}
