#pragma once
// Byte-level reading of KML placemarks: the placemarks of a document, their texts and the
// tuples of their coordinates. Elements are found with the GPX scanner (gps/gpx/GPXText.h):
// a tag matches with or without attributes, comments and CDATA sections are stepped over.
#include "gps/gpx/GPXText.h"

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

namespace gps::kml {

// One position of a KML file, as written: degrees, and metres above the ground or the sea.
struct KMLPoint {
    double latitude = 0;
    double longitude = 0;
    double altitude = 0;
};

// Names and descriptions hold at most this many bytes of UTF-8, cut at a character boundary.
constexpr qsizetype kMaxTextBytes = 127;

constexpr QByteArrayView kPlacemarkTag = "Placemark";
constexpr QByteArrayView kNameTag = "name";
constexpr QByteArrayView kDescriptionTag = "description";
constexpr QByteArrayView kPointTag = "Point";
constexpr QByteArrayView kLineStringTag = "LineString";
constexpr QByteArrayView kCoordinatesTag = "coordinates";

// Calls read(content) with the content of every placemark of body, in order, and returns false
// as soon as one read does. The walk ends with the last whole placemark: one whose end tag is
// missing (a cut-off file) ends it too.
template <typename Read>
bool ForEachPlacemark(QByteArrayView body, Read read)
{
    gpx::GPXElement placemark;
    for (qsizetype from = 0; gpx::FindElement(body, kPlacemarkTag, from, &placemark) == gpx::GPXFind::Found;) {
        if (!read(placemark.content(body)))
            return false;
        from = placemark.end;
    }
    return true;
}

// The text of the first element called tag in scope: CDATA taken as it stands, references
// decoded, XML blanks trimmed at both ends, cut to kMaxTextBytes. Missing: false and *out
// unchanged; a start tag without its end: false and *damaged set.
bool PlacemarkText(QByteArrayView scope, QByteArrayView tag, QByteArray* out, bool* damaged);

// Appends the positions of a coordinates text: tuples "longitude,latitude[,altitude]" separated
// by any XML blanks. A missing altitude and a number that does not read are 0; a tuple of
// another number of values is no position.
void AppendTuples(QByteArrayView text, std::vector<KMLPoint>* points);

// Appends the positions of the first coordinates element of a geometry's content; Missing when
// there is none, Damaged for one without its end tag.
gpx::GPXFind AppendCoordinates(QByteArrayView geometry, std::vector<KMLPoint>* points);

} // namespace gps::kml
