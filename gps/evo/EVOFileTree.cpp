// The inspection tree of an EVO file: header, waypoints, tracks and routes, field by field.
#include "gps/evo/EVOFile.h"

#include "gps/GPSFloat.h"
#include "gps/GPSTreeWriters.h"

#include <QtEndian>

namespace {

using gps::AnsiText;

QByteArrayView View(const auto& bytes) { return QByteArrayView(bytes.data(), qsizetype(bytes.size())); }

void AddFloat(IGPSInspectionTree* tree, GPSTreeItem parent, const char* label, uint32_t bits)
{
    gps::TreeAddFloat(tree, parent, label, gps::FloatOfBits(bits));
}

void AddTexts(IGPSInspectionTree* tree, GPSTreeItem item, const EVOWayPointRecord& w)
{
    gps::TreeAddString(tree, item, "Name", AnsiText(w.Identifier));
    gps::TreeAddString(tree, item, "Description", AnsiText(w.Comment));
    for (const QByteArray& text : w.ShortTexts)
        gps::TreeAddString(tree, item, "???string", AnsiText(text));
}

void AddWayPointFields(IGPSInspectionTree* tree, GPSTreeItem item, const EVOWayPointRecord& w)
{
    gps::TreeAddBytes(tree, item, "???", View(w.Head));
    gps::TreeAddSymbolWTR(tree, item, w.Symbol);
    gps::TreeAddBytes(tree, item, "???", View(w.Middle));
    gps::TreeAddAngle(tree, item, "Latitude", w.Latitude);
    gps::TreeAddAngle(tree, item, "Longitude", w.Longitude);
    AddFloat(tree, item, "Height", w.HeightBits);
    AddFloat(tree, item, "Depth", w.DepthBits);
    AddFloat(tree, item, "???float", w.OpaqueFloatBits);
    gps::TreeAddBytes(tree, item, "???", View(w.Tail));
    AddTexts(tree, item, w);
}

// A route point shows its opaque float and the 8 bytes after it as one 12-byte block.
void AddRoutePointFields(IGPSInspectionTree* tree, GPSTreeItem item, const EVORoutePoint& p)
{
    const EVOWayPointRecord& w = p.point;
    gps::TreeAddBytes(tree, item, "???", View(w.Head));
    gps::TreeAddSymbolWTR(tree, item, w.Symbol);
    gps::TreeAddBytes(tree, item, "???", View(w.Middle));
    gps::TreeAddAngle(tree, item, "Latitude", w.Latitude);
    gps::TreeAddAngle(tree, item, "Longitude", w.Longitude);
    AddFloat(tree, item, "Height", w.HeightBits);
    AddFloat(tree, item, "Depth", w.DepthBits);
    QByteArray block(sizeof(uint32_t), '\0');
    qToLittleEndian<uint32_t>(w.OpaqueFloatBits, block.data());
    gps::TreeAddBytes(tree, item, "???", block + View(w.Tail).toByteArray());
    AddTexts(tree, item, w);
    gps::TreeAddBytes(tree, item, "???", View(p.Link));
}

void AddHeader(IGPSInspectionTree* tree, GPSTreeItem part, const CEVOHeader& header)
{
    const QByteArrayView bytes = View(header.bytes);
    gps::TreeAddBytes(tree, part, "???", bytes.first(CEVOHeader::kOpaqueSize));
    gps::TreeAddUInt(tree, part, "Waypoints", header.WayPointCount());
    gps::TreeAddUInt(tree, part, "Tracks", header.TrackCount());
    gps::TreeAddUInt(tree, part, "Routes", header.RouteCount());
    gps::TreeAddBytes(tree, part, "???", bytes.sliced(CEVOHeader::kTailAt, CEVOHeader::kTailSize));
}

void AddWayPoints(IGPSInspectionTree* tree, GPSTreeItem part, const CEVOWayPoint& waypoints)
{
    gps::TreeAddInt(tree, part, "Total Waypoints", waypoints.count());
    for (const EVOWayPointRecord& w : waypoints.items) {
        const QString caption = QStringLiteral("WayPoint (%1, %2)")
                                    .arg(AnsiText(w.Identifier), gps::MetresTextOfFloatBits(w.HeightBits));
        AddWayPointFields(tree, tree->InsertItem(caption, part), w);
    }
}

void AddTrackPoint(IGPSInspectionTree* tree, GPSTreeItem track, int number, const EVOTrackPoint& p)
{
    const GPSTreeItem item = tree->InsertItem(QStringLiteral("Point %1").arg(number), track);
    gps::TreeAddAngle(tree, item, "Latitude", p.Latitude);
    gps::TreeAddAngle(tree, item, "Longitude", p.Longitude);
    gps::TreeAddTime(tree, item, "Time", p.Time, CGPSFile::kEVO);
    AddFloat(tree, item, "Height", p.HeightBits);
    AddFloat(tree, item, "Depth", p.DepthBits);
    gps::TreeAddInt(tree, item, "NewSegment", p.NewSegment);
}

void AddTracks(IGPSInspectionTree* tree, GPSTreeItem part, const CEVOTrack& tracks)
{
    gps::TreeAddInt(tree, part, "Total Tracks", tracks.count());
    for (const EVOTrackRecord& t : tracks.items) {
        const int count = int(t.points.size());
        const QString caption = QStringLiteral("Track (%1, %2 points)").arg(AnsiText(t.Name), QString::number(count));
        const GPSTreeItem item = tree->InsertItem(caption, part);
        QByteArray held(sizeof(int16_t), '\0');
        qToLittleEndian<int16_t>(t.Held, held.data());
        gps::TreeAddBytes(tree, item, "???", held);
        gps::TreeAddString(tree, item, "Name", AnsiText(t.Name));
        gps::TreeAddInt(tree, item, "Points", count);
        for (int i = 0; i < count; ++i)
            AddTrackPoint(tree, item, i + 1, t.points[size_t(i)]);
    }
}

void AddRoutes(IGPSInspectionTree* tree, GPSTreeItem part, const CEVORoute& routes)
{
    for (const EVORouteRecord& r : routes.items) {
        const int count = int(r.points.size());
        const QString caption = QStringLiteral("Route (%1, %2 points)").arg(AnsiText(r.Name), QString::number(count));
        const GPSTreeItem item = tree->InsertItem(caption, part);
        gps::TreeAddBytes(tree, item, "???", View(r.Held));
        gps::TreeAddString(tree, item, "Name", AnsiText(r.Name));
        gps::TreeAddInt(tree, item, "Total Points", count);
        for (int i = 0; i < count; ++i) {
            const EVORoutePoint& p = r.points[size_t(i)];
            const QString name = AnsiText(p.point.Identifier);
            const QString pointCaption = QStringLiteral("Point %1 (%2)").arg(QString::number(i + 1), name);
            AddRoutePointFields(tree, tree->InsertItem(pointCaption, item), p);
        }
    }
}

} // namespace

GPSTreeItem CEVOFile::FillTree(IGPSInspectionTree* tree)
{
    if (!tree)
        return 0;
    const GPSTreeItem root = tree->InsertItem(QStringLiteral("EVO file"), 0);
    gps::TreeAddPart(tree, root, QStringLiteral("Header part"), true,
                     [&](GPSTreeItem part) { AddHeader(tree, part, header_); });
    gps::TreeAddPart(tree, root, QStringLiteral("Waypoint part"), true,
                     [&](GPSTreeItem part) { AddWayPoints(tree, part, waypoints_); });
    gps::TreeAddPart(tree, root, QStringLiteral("Track part"), true,
                     [&](GPSTreeItem part) { AddTracks(tree, part, tracks_); });
    gps::TreeAddPart(tree, root, QStringLiteral("Route part"), true,
                     [&](GPSTreeItem part) { AddRoutes(tree, part, routes_); });
    tree->Expand(root);
    return root;
}
