#include "gps/kml/KMLText.h"

#include "gps/GPSText.h"

namespace gps::kml {
namespace {

QByteArrayView TrimBlanks(QByteArrayView text)
{
    while (!text.isEmpty() && gpx::IsBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && gpx::IsBlank(text.back()))
        text.chop(1);
    return text;
}

// One tuple: two or three values separated by commas.
void AppendTuple(QByteArrayView tuple, std::vector<KMLPoint>* points)
{
    constexpr int kMaxValues = 3;
    QByteArrayView values[kMaxValues];
    int count = 0;
    for (qsizetype begin = 0;;) {
        if (count == kMaxValues)
            return;
        const qsizetype comma = tuple.indexOf(',', begin);
        values[count++] = tuple.sliced(begin, (comma < 0 ? tuple.size() : comma) - begin);
        if (comma < 0)
            break;
        begin = comma + 1;
    }
    if (count < 2)
        return;
    KMLPoint point;
    gpx::ParseNumber(values[0], &point.longitude);
    gpx::ParseNumber(values[1], &point.latitude);
    if (count == kMaxValues)
        gpx::ParseNumber(values[2], &point.altitude);
    points->push_back(point);
}

} // namespace

bool PlacemarkText(QByteArrayView scope, QByteArrayView tag, QByteArray* out, bool* damaged)
{
    QByteArray text;
    if (!gpx::ElementText(scope, tag, &text, damaged))
        return false;
    *out = CutUtf8(TrimBlanks(text), kMaxTextBytes);
    return true;
}

void AppendTuples(QByteArrayView text, std::vector<KMLPoint>* points)
{
    qsizetype at = 0;
    for (;;) {
        while (at < text.size() && gpx::IsBlank(text[at]))
            ++at;
        if (at >= text.size())
            return;
        const qsizetype begin = at;
        while (at < text.size() && !gpx::IsBlank(text[at]))
            ++at;
        AppendTuple(text.sliced(begin, at - begin), points);
    }
}

gpx::GPXFind AppendCoordinates(QByteArrayView geometry, std::vector<KMLPoint>* points)
{
    gpx::GPXElement coordinates;
    const gpx::GPXFind found = gpx::FindElement(geometry, kCoordinatesTag, 0, &coordinates);
    if (found != gpx::GPXFind::Found)
        return found;
    const QByteArrayView raw = coordinates.content(geometry);
    // References or comments inside the numbers are rare: decode only when there are some.
    if (raw.contains('&') || raw.contains('<'))
        AppendTuples(gpx::DecodeText(raw), points);
    else
        AppendTuples(raw, points);
    return gpx::GPXFind::Found;
}

} // namespace gps::kml
