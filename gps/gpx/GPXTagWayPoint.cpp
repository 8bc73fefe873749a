#include "gps/gpx/GPXTagWayPoint.h"

#include "gps/gdb/GDBWayPoint.h"
#include "gps/GPSAngle.h"
#include "gps/GPSText.h"
#include "gps/gpx/GPXText.h"
#include "gps/gpx/GPXWriter.h"
#include "platform/CodePage.h"

using namespace gps::gpx;

namespace {

enum Child { kEle, kName, kCmt, kDesc, kSym, kDisplayMode, kChildCount };

// The decoded text of a child element without blanks at either end (as pretty-printing writers
// and hand edits leave them), cut to what a waypoint holds when maxBytes is given.
void ChildText(QByteArrayView text, const GPXChild& child, QByteArray* out, qsizetype maxBytes = -1)
{
    if (!child.found())
        return;
    *out = TrimBlanks(DecodeText(child.content(text))).toByteArray();
    if (maxBytes >= 0)
        *out = gps::CutUtf8(*out, maxBytes);
}

} // namespace

bool CGPXTagWayPoint::Parse(QByteArrayView text, qsizetype at, qsizetype* end)
{
    GPXChild children[kChildCount] = {{"ele"}, {"name"}, {"cmt"}, {"desc"}, {"sym"}, {"gpxx:DisplayMode"}};
    GPXElement element;
    if (ReadElement(text, at, kTag, &element, children, kChildCount) != GPXFind::Found)
        return false;
    *end = element.end;
    const QByteArrayView attributes = element.attributes(text);
    AttributeNumber(attributes, "lat", &latitude);
    AttributeNumber(attributes, "lon", &longitude);
    elevationDefined = children[kEle].found() && ContentNumber(children[kEle].content(text), &elevation);
    ChildText(text, children[kName], &name, kMaxTextBytes);
    ChildText(text, children[kCmt], &cmt, kMaxTextBytes);
    ChildText(text, children[kDesc], &desc, kMaxTextBytes);
    ChildText(text, children[kSym], &sym);
    ChildText(text, children[kDisplayMode], &DisplayMode);
    return true;
}

CGPXTagWayPoint CGPXTagWayPoint::FromGDB(const CGDBChunkWayPoint& source)
{
    CGPXTagWayPoint waypoint;
    waypoint.name = platform::ToUtf8(source.NameText());
    waypoint.desc = platform::ToUtf8(source.DescriptionText());
    waypoint.latitude = GPSAngle::ToDegrees(source.Latitude);
    waypoint.longitude = GPSAngle::ToDegrees(source.Longitude);
    waypoint.elevationDefined = source.HeightDefined != 0;
    waypoint.elevation = waypoint.elevationDefined ? source.Height : 0;
    waypoint.DisplayMode = source.Display ? "SymbolAndName" : "SymbolOnly";
    waypoint.sym = kOtherSymbol;
    for (const auto& symbol : kSymbols) {
        if (symbol.icon == source.Icon)
            waypoint.sym = symbol.sym;
    }
    return waypoint;
}

QByteArray CGPXTagWayPoint::XmlText() const
{
    GPXWriter out;
    out.StartTag(1, kTag, latitude, longitude);
    if (elevationDefined)
        out.Element(2, "ele", FormatNumber(elevation));
    out.TextElement(2, "name", name);
    if (!cmt.isEmpty())
        out.TextElement(2, "cmt", cmt);
    out.TextElement(2, "desc", desc);
    out.TextElement(2, "sym", sym);
    if (!DisplayMode.isEmpty())
        out.GarminExtension(2, "gpxx:WaypointExtension", "gpxx:DisplayMode", DisplayMode);
    out.EndTag(1, kTag);
    out.EmptyLine();
    return out.text();
}
