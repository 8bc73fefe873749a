#include "gps/kml/KMLTrack.h"

#include "gps/kml/KMLText.h"

bool CKMLTrack::Parse(QByteArrayView body)
{
    items.clear();
    return gps::kml::ForEachPlacemark(body, [this](QByteArrayView placemark) {
        auto track = std::make_unique<CKMLTagTrack>();
        const gps::gpx::GPXFind found = track->Parse(placemark);
        if (found == gps::gpx::GPXFind::Found)
            items.push_back(std::move(track));
        return found != gps::gpx::GPXFind::Damaged;
    });
}
