#include "gps/GPSTreeWriters.h"
#include "gps/gpx/GPXFile.h"
#include "gps/mapsource/MapSourceTree.h"

namespace {

QString Utf8(const QByteArray& text) { return QString::fromUtf8(text); }

void FillHeader(IGPSInspectionTree* tree, GPSTreeItem part, const CGPXHeader& header)
{
    gps::TreeAddString(tree, part, "Creator", Utf8(header.creator));
    gps::TreeAddString(tree, part, "Time", Utf8(header.time));
    gps::TreeAddDouble(tree, part, "MaxLat", header.maxlat);
    gps::TreeAddDouble(tree, part, "MaxLon", header.maxlon);
    gps::TreeAddDouble(tree, part, "MinLat", header.minlat);
    gps::TreeAddDouble(tree, part, "MinLon", header.minlon);
}

void FillWayPoint(IGPSInspectionTree* tree, GPSTreeItem part, const CGPXTagWayPoint& waypoint)
{
    const QString name = Utf8(waypoint.name);
    const GPSTreeItem item = tree->InsertItem(QStringLiteral("WayPoint (") + name + QStringLiteral(", ")
                                                  + gps::MetresText(waypoint.elevation, waypoint.elevationDefined)
                                                  + u')',
                                              part);
    gps::TreeAddString(tree, item, "Name", name);
    gps::TreeAddDouble(tree, item, "Latitude", waypoint.latitude);
    gps::TreeAddDouble(tree, item, "Longitude", waypoint.longitude);
    gps::mapsource::TreeAddStoredDouble(tree, item, "Height", waypoint.elevation);
    gps::TreeAddString(tree, item, "Comment", Utf8(waypoint.cmt));
    gps::TreeAddString(tree, item, "Description", Utf8(waypoint.desc));
    gps::TreeAddString(tree, item, "Symbol", Utf8(waypoint.sym));
    gps::TreeAddString(tree, item, "DisplayMode", Utf8(waypoint.DisplayMode));
}

void FillTrack(IGPSInspectionTree* tree, GPSTreeItem part, const CGPXTagTrack& track)
{
    const QString name = Utf8(track.name);
    const GPSTreeItem item = tree->InsertItem(
        QStringLiteral("Track (") + gps::mapsource::TrackDetail(name, track.points.size()) + u')', part);
    gps::TreeAddString(tree, item, "Name", name);
    gps::TreeAddString(tree, item, "DisplayColor", Utf8(track.DisplayColor));
    gps::TreeAddUInt(tree, item, "Points", uint32_t(track.points.size()));
    for (size_t i = 0; i < track.points.size(); ++i) {
        const GPXTrackPoint& point = track.points[i];
        const GPSTreeItem node = tree->InsertItem(gps::mapsource::PointCaption(i), item);
        gps::TreeAddDouble(tree, node, "Latitude", point.latitude);
        gps::TreeAddDouble(tree, node, "Longitude", point.longitude);
        gps::TreeAddDouble(tree, node, "Height", point.elevation);
        gps::TreeAddString(tree, node, "Time", Utf8(point.time));
    }
}

} // namespace

GPSTreeItem CGPXFile::FillTree(IGPSInspectionTree* tree)
{
    const GPSTreeItem root = tree->InsertItem(QStringLiteral("GPX file"), 0);
    gps::TreeAddPart(tree, root, QStringLiteral("Header part"), true,
                     [&](GPSTreeItem part) { FillHeader(tree, part, header_); });
    gps::TreeAddPart(tree, root, QStringLiteral("Waypoint part"), true, [&](GPSTreeItem part) {
        gps::TreeAddUInt(tree, part, "Total Waypoints", uint32_t(waypoints_.items.size()));
        for (const auto& waypoint : waypoints_.items)
            FillWayPoint(tree, part, *waypoint);
    });
    gps::TreeAddPart(tree, root, QStringLiteral("Track part"), true, [&](GPSTreeItem part) {
        gps::TreeAddUInt(tree, part, "Total Tracks", uint32_t(tracks_.items.size()));
        for (const auto& track : tracks_.items)
            FillTrack(tree, part, *track);
    });
    tree->Expand(root);
    return root;
}
