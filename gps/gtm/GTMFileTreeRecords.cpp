// The record parts of a GPS TrackMaker file's inspection tree.
#include "gps/gtm/GTMFileTree.h"

#include "gps/GPSFile.h"
#include "gps/GPSTreeWriters.h"
#include "gps/gtm/GTMRoute.h"
#include "gps/gtm/GTMTrackLog.h"
#include "gps/gtm/GTMTrackStyle.h"
#include "gps/gtm/GTMWayPoint.h"
#include "gps/gtm/GTMWayPointStyle.h"

namespace gps::gtm {

namespace {

// The fixed-width name as stored, padding included; it has no terminator of its own.
QString NameOf(const NameField& name) { return AnsiText(QByteArrayView(name.data(), qsizetype(name.size()))); }

// "name, 123m", or "???m" for the unknown height and what is no whole number of metres.
QString NameAndHeight(const QString& name, float height)
{
    return name + QStringLiteral(", ") + MetresText(double(height), height != kUnknownHeight);
}

GPSTreeItem AddTime(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, int32_t date)
{
    return TreeAddTime(tree, parent, label, uint32_t(date), CGPSFile::kGTM);
}

void AddWayPoint(IGPSInspectionTree* tree, GPSTreeItem part, const GTMWayPointEntry& w)
{
    const QString name = NameOf(w.Name);
    const GPSTreeItem item = TreeAddText(tree, part, QStringLiteral("WayPoint (%1)").arg(NameAndHeight(name, w.Height)));
    TreeAddDouble(tree, item, "Latitude", w.Latitude);
    TreeAddDouble(tree, item, "Longitude", w.Longitude);
    TreeAddString(tree, item, "Name", name);
    TreeAddString(tree, item, "Comment", AnsiText(w.Comment));
    TreeAddSymbolGTM(tree, item, w.Icon);
    TreeAddUInt(tree, item, "Display", w.Display);
    AddTime(tree, item, "Date", w.Date);
    TreeAddInt(tree, item, "RotateX10", w.RotateX10);
    TreeAddFloat(tree, item, "Height", w.Height);
    TreeAddInt(tree, item, "wlayer", w.wlayer);
}

void AddWayPointStyle(IGPSInspectionTree* tree, GPSTreeItem part, const GTMWayPointStyleEntry& s)
{
    const QString face = AnsiText(s.FaceName);
    const GPSTreeItem item = TreeAddText(tree, part, QStringLiteral("Style (%1)").arg(face));
    TreeAddInt(tree, item, "Height", s.Height);
    TreeAddString(tree, item, "FaceName", face);
    TreeAddUInt(tree, item, "Display", s.Display);
    TreeAddHex32(tree, item, "Color", uint32_t(s.Color));
    TreeAddInt(tree, item, "Weight", s.Weight);
    TreeAddFloat(tree, item, "scale1", s.scale1);
    TreeAddUInt(tree, item, "border", s.border);
    TreeAddInt(tree, item, "background", s.background);
    TreeAddHex32(tree, item, "BackgroundColor", uint32_t(s.BackgroundColor));
    TreeAddUInt(tree, item, "italic", s.italic);
    TreeAddUInt(tree, item, "underline", s.underline);
    TreeAddUInt(tree, item, "strikeout", s.strikeout);
    TreeAddUInt(tree, item, "alignment", s.alignment);
}

void AddTrackPoint(IGPSInspectionTree* tree, GPSTreeItem part, int number, const GTMTrackPoint& p)
{
    const GPSTreeItem item = TreeAddText(tree, part, QStringLiteral("Point %1").arg(number));
    TreeAddDouble(tree, item, "Latitude", p.Latitude);
    TreeAddDouble(tree, item, "Longitude", p.Longitude);
    AddTime(tree, item, "Date", p.Date);
    TreeAddUInt(tree, item, "NewSegment", p.NewSegment);
    TreeAddFloat(tree, item, "Height", p.Height);
}

void AddTrackStyle(IGPSInspectionTree* tree, GPSTreeItem part, const GTMTrackStyleEntry& s)
{
    const QString name = AnsiText(s.Name);
    const GPSTreeItem item = TreeAddText(tree, part, QStringLiteral("Style (%1)").arg(name));
    TreeAddString(tree, item, "Name", name);
    TreeAddUInt(tree, item, "Type", s.Type);
    TreeAddHex32(tree, item, "Color", uint32_t(s.Color));
    TreeAddFloat(tree, item, "tscale", s.tscale);
    TreeAddUInt(tree, item, "tlabel", s.tlabel);
    TreeAddInt(tree, item, "tlayer", s.tlayer);
}

void AddRoutePoint(IGPSInspectionTree* tree, GPSTreeItem part, const GTMRoutePoint& r)
{
    const QString name = NameOf(r.Name);
    const GPSTreeItem item =
        TreeAddText(tree, part, QStringLiteral("Route Point (%1)").arg(NameAndHeight(name, r.Height)));
    TreeAddDouble(tree, item, "Latitude", r.Latitude);
    TreeAddDouble(tree, item, "Longitude", r.Longitude);
    TreeAddString(tree, item, "Name", name);
    TreeAddString(tree, item, "Comment", AnsiText(r.Comment));
    TreeAddString(tree, item, "RouteName", AnsiText(r.RouteName));
    TreeAddSymbolGTM(tree, item, r.Icon);
    TreeAddUInt(tree, item, "Display", r.Display);
    TreeAddUInt(tree, item, "NewRoute", r.NewRoute);
    AddTime(tree, item, "Date", r.Date);
    TreeAddInt(tree, item, "RotateX10", r.RotateX10);
    TreeAddFloat(tree, item, "Height", r.Height);
    TreeAddInt(tree, item, "wlayer", r.wlayer);
}

} // namespace

void AddWayPoints(IGPSInspectionTree* tree, GPSTreeItem part, const CGTMWayPoint& waypoints)
{
    TreeAddInt(tree, part, "Total Waypoints", waypoints.count());
    for (const GTMWayPointEntry& waypoint : waypoints.items)
        AddWayPoint(tree, part, waypoint);
}

void AddWayPointStyles(IGPSInspectionTree* tree, GPSTreeItem part, const CGTMWayPointStyle& styles)
{
    TreeAddInt(tree, part, "Total Styles", styles.count());
    for (const GTMWayPointStyleEntry& style : styles.items)
        AddWayPointStyle(tree, part, style);
}

void AddTrackLog(IGPSInspectionTree* tree, GPSTreeItem part, const CGTMTrackLog& log)
{
    TreeAddInt(tree, part, "Total TrackLogs", log.pointCount());
    TreeAddInt(tree, part, "Total Tracks", log.trackCount());
    int number = 0;
    for (const GTMTrackPoint& point : log.points)
        AddTrackPoint(tree, part, ++number, point);
}

void AddTrackStyles(IGPSInspectionTree* tree, GPSTreeItem part, const CGTMTrackStyle& styles)
{
    TreeAddInt(tree, part, "Total Styles", styles.count());
    for (const GTMTrackStyleEntry& style : styles.items)
        AddTrackStyle(tree, part, style);
}

void AddRoutes(IGPSInspectionTree* tree, GPSTreeItem part, const CGTMRoute& routes)
{
    TreeAddInt(tree, part, "Total Route Points", routes.count());
    for (const GTMRoutePoint& point : routes.items)
        AddRoutePoint(tree, part, point);
}

} // namespace gps::gtm
