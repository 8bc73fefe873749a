#include "gps/GPSFloat.h"
#include "gps/GPSTreeWriters.h"
#include "gps/wtr/WTRFile.h"

using namespace gps;

namespace {

template <size_t N>
QByteArrayView View(const std::array<uint8_t, N>& bytes)
{
    return QByteArrayView(reinterpret_cast<const char*>(bytes.data()), qsizetype(N));
}

QByteArrayView View(const WTRMarker& marker) { return View(marker.bytes); }

void AddWayPoint(IGPSInspectionTree* tree, GPSTreeItem part, const WTRWayPointRecord& w)
{
    const QString name = AnsiText(w.Name);
    const GPSTreeItem item =
        tree->InsertItem(QStringLiteral("WayPoint (%1, %2)").arg(name, MetresTextOfFloatBits(w.HeightBits)), part);
    TreeAddString(tree, item, "Name", name);
    TreeAddAngle(tree, item, "Latitude", w.Latitude);
    TreeAddAngle(tree, item, "Longitude", w.Longitude);
    TreeAddFloat(tree, item, "Height", FloatOfBits(w.HeightBits));
    TreeAddBytes(tree, item, "???", View(w.Held));
    TreeAddSymbolWTR(tree, item, w.Icon);
    TreeAddBytes(tree, item, "???", View(w.Tail));
}

void AddTrackPoint(IGPSInspectionTree* tree, GPSTreeItem parent, int number, const WTRTrackPoint& p)
{
    const GPSTreeItem item = tree->InsertItem(QStringLiteral("Point %1").arg(number), parent);
    TreeAddAngle(tree, item, "Latitude", p.Latitude);
    TreeAddAngle(tree, item, "Longitude", p.Longitude);
    TreeAddTime(tree, item, "Time", p.Time, CGPSFile::kWTR);
    TreeAddFloat(tree, item, "Height", FloatOfBits(p.HeightBits));
    TreeAddFloat(tree, item, "Depth", FloatOfBits(p.DepthBits));
    TreeAddUInt(tree, item, "NewSegment", p.NewSegment);
}

void AddTrack(IGPSInspectionTree* tree, GPSTreeItem part, const WTRTrackRecord& t)
{
    const QString name = AnsiText(t.Name);
    const int count = int(t.points.size());
    const GPSTreeItem item = tree->InsertItem(QStringLiteral("Track (%1, %2 points)").arg(name, QString::number(count)), part);
    TreeAddPrefix(tree, item, View(t.header));
    TreeAddUInt(tree, item, "ShowOnGPS", t.ShowOnGPS);
    TreeAddBytes(tree, item, "???", QByteArrayView(reinterpret_cast<const char*>(&t.Held), 1));
    TreeAddString(tree, item, "Name", name);
    TreeAddInt(tree, item, "Total Points", count);
    for (int i = 0; i < count; ++i)
        AddTrackPoint(tree, item, i + 1, t.points[size_t(i)]);
}

void AddRoutePoint(IGPSInspectionTree* tree, GPSTreeItem parent, int number, const WTRRoutePoint& p)
{
    const QString name = AnsiText(p.Name);
    const GPSTreeItem item = tree->InsertItem(QStringLiteral("Point %1 (%2)").arg(QString::number(number), name), parent);
    TreeAddBytes(tree, item, "???", View(p.Head));
    TreeAddSymbolWTR(tree, item, p.Icon);
    TreeAddBytes(tree, item, "???", View(p.Middle));
    TreeAddAngle(tree, item, "Latitude", p.Latitude);
    TreeAddAngle(tree, item, "Longitude", p.Longitude);
    TreeAddFloat(tree, item, "Height", FloatOfBits(p.HeightBits));
    TreeAddBytes(tree, item, "???", View(p.Tail));
    TreeAddString(tree, item, "Name", name);
}

void AddRoute(IGPSInspectionTree* tree, GPSTreeItem part, const WTRRouteRecord& r)
{
    const QString name = AnsiText(r.Name);
    const int count = int(r.points.size());
    const GPSTreeItem item = tree->InsertItem(QStringLiteral("Route (%1, %2 points)").arg(name, QString::number(count)), part);
    TreeAddPrefix(tree, item, View(r.header));
    TreeAddString(tree, item, "Name", name);
    TreeAddInt(tree, item, "Total Points", count);
    for (int i = 0; i < count; ++i)
        AddRoutePoint(tree, item, i + 1, r.points[size_t(i)]);
}

} // namespace

GPSTreeItem CWTRFile::FillTree(IGPSInspectionTree* tree)
{
    if (!tree)
        return 0;
    const GPSTreeItem root = tree->InsertItem(QStringLiteral("WTR file"), 0);
    TreeAddPart(tree, root, QStringLiteral("Waypoint part"), true, [&](GPSTreeItem part) {
        TreeAddPrefix(tree, part, View(waypoints_.marker));
        TreeAddInt(tree, part, "Total Waypoints", waypoints_.count());
        for (const WTRWayPointRecord& waypoint : waypoints_.items)
            AddWayPoint(tree, part, waypoint);
    });
    TreeAddPart(tree, root, QStringLiteral("Track part"), true, [&](GPSTreeItem part) {
        TreeAddPrefix(tree, part, View(tracks_.marker));
        for (const WTRTrackRecord& track : tracks_.items)
            AddTrack(tree, part, track);
    });
    TreeAddPart(tree, root, QStringLiteral("Route part"), true, [&](GPSTreeItem part) {
        TreeAddPrefix(tree, part, View(routes_.marker));
        for (const WTRRouteRecord& route : routes_.items)
            AddRoute(tree, part, route);
    });
    tree->Expand(root);
    return root;
}
