#include "gps/gpx/GPXTagTrack.h"

#include "gps/gdb/GDBTrack.h"
#include "gps/GPSAngle.h"
#include "gps/GPSText.h"
#include "gps/gpx/GPXText.h"
#include "gps/gpx/GPXWriter.h"
#include "platform/CodePage.h"

using namespace gps::gpx;

namespace {

enum PointChild { kEle, kTime, kPointChildCount };

bool ParsePoint(QByteArrayView text, qsizetype at, GPXTrackPoint* point, qsizetype* end)
{
    GPXChild children[kPointChildCount] = {{"ele"}, {"time"}};
    GPXElement element;
    if (ReadElement(text, at, CGPXTagTrack::kPointTag, &element, children, kPointChildCount) != GPXFind::Found)
        return false;
    *end = element.end;
    const QByteArrayView attributes = element.attributes(text);
    AttributeNumber(attributes, "lat", &point->latitude);
    AttributeNumber(attributes, "lon", &point->longitude);
    point->elevationDefined = children[kEle].found() && ContentNumber(children[kEle].content(text), &point->elevation);
    if (children[kTime].found())
        point->time = DecodeText(children[kTime].content(text));
    return true;
}

// Walks the children of the element whose start tag begins at at, up to its end tag: the
// element's content is [*contentBegin, *contentEnd) and *end the position after it. Each child
// start tag goes to child(position, name, &next), which consumes that child; other markup is
// stepped over. False for a damaged element.
template <typename OnChild>
bool WalkChildren(QByteArrayView text, qsizetype at, QByteArrayView tag, qsizetype* contentBegin,
                  qsizetype* contentEnd, qsizetype* end, OnChild child)
{
    const qsizetype close = TagEnd(text, at + 1 + tag.size());
    if (close < 0)
        return false;
    *contentBegin = close;
    if (text[close - 2] == '/') {
        *contentEnd = *end = close;
        return true;
    }
    for (qsizetype e = close;;) {
        e = NextMarkup(text, e);
        if (e < 0 || e + 1 >= text.size())
            return false;
        if (text[e + 1] == '/' && IsEndTag(text, e, tag, end)) {
            *contentEnd = e;
            return true;
        }
        const QByteArrayView name = StartTagName(text, e);
        if (name.isEmpty())
            ++e;
        else if (!child(e, name, &e))
            return false;
    }
}

// Steps over a whole element that is not read.
bool SkipElement(QByteArrayView text, qsizetype at, QByteArrayView name, qsizetype* next)
{
    GPXElement element;
    if (ReadElement(text, at, name, &element) != GPXFind::Found)
        return false;
    *next = element.end;
    return true;
}

} // namespace

bool CGPXTagTrack::ParseSegment(QByteArrayView text, qsizetype at, qsizetype* end)
{
    qsizetype contentBegin = 0, contentEnd = 0;
    auto onChild = [&](qsizetype child, QByteArrayView name, qsizetype* next) {
        if (!SameName(name, kPointTag))
            return SkipElement(text, child, name, next);
        GPXTrackPoint point;
        if (!ParsePoint(text, child, &point, next))
            return false;
        points.push_back(std::move(point));
        return true;
    };
    return WalkChildren(text, at, kSegmentTag, &contentBegin, &contentEnd, end, onChild);
}

bool CGPXTagTrack::ParseHead(QByteArrayView head)
{
    bool damaged = false;
    if (ElementText(head, "name", &name, &damaged))
        name = gps::CutUtf8(TrimBlanks(name).toByteArray(), kMaxNameBytes);
    else
        name = kNoName.toByteArray();
    ElementText(head, "gpxx:DisplayColor", &DisplayColor, &damaged);
    return !damaged;
}

bool CGPXTagTrack::Parse(QByteArrayView text, qsizetype at, qsizetype* end)
{
    points.clear();
    qsizetype contentBegin = 0, contentEnd = 0;
    qsizetype headEnd = -1; // the first segment's start
    auto onChild = [&](qsizetype child, QByteArrayView tag, qsizetype* next) {
        if (!SameName(tag, kSegmentTag))
            return SkipElement(text, child, tag, next);
        if (headEnd < 0)
            headEnd = child;
        return ParseSegment(text, child, next);
    };
    if (!WalkChildren(text, at, kTag, &contentBegin, &contentEnd, end, onChild))
        return false;
    const qsizetype head = headEnd >= 0 ? headEnd : contentEnd;
    return ParseHead(text.sliced(contentBegin, head - contentBegin));
}

CGPXTagTrack CGPXTagTrack::FromGDB(const CGDBChunkTrack& source)
{
    CGPXTagTrack track;
    track.name = platform::ToUtf8(source.NameText());
    track.DisplayColor = kOtherColor;
    for (const auto& color : kColors) {
        if (color.color == source.Color)
            track.DisplayColor = color.name;
    }
    track.points.reserve(source.points.size());
    for (const GDBTrackPoint& from : source.points) {
        GPXTrackPoint& point = track.points.emplace_back();
        point.latitude = GPSAngle::ToDegrees(from.Latitude);
        point.longitude = GPSAngle::ToDegrees(from.Longitude);
        point.elevationDefined = from.HeightDefined != 0;
        point.elevation = point.elevationDefined ? from.Height : 0;
        if (from.TimeDefined)
            point.time = FormatTime(from.Time);
    }
    return track;
}

QByteArray CGPXTagTrack::XmlText() const
{
    GPXWriter out;
    out.StartTag(1, kTag);
    out.TextElement(2, "name", name);
    if (!DisplayColor.isEmpty())
        out.GarminExtension(2, "gpxx:TrackExtension", "gpxx:DisplayColor", DisplayColor);
    out.StartTag(1, kSegmentTag);
    for (const GPXTrackPoint& point : points) {
        out.StartTag(3, kPointTag, point.latitude, point.longitude);
        if (point.elevationDefined)
            out.Element(4, "ele", FormatNumber(point.elevation));
        if (!point.time.isEmpty())
            out.TextElement(4, "time", point.time);
        out.EndTag(3, kPointTag);
    }
    out.EndTag(1, kSegmentTag);
    out.EndTag(1, kTag);
    out.EmptyLine();
    return out.text();
}
