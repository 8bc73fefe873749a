// The inspection tree of a KML file: its waypoints and its tracks with every point.
#include "gps/kml/KMLFile.h"

#include "gps/GPSTreeWriters.h"

#include <cmath>
#include <limits>

using namespace gps;

namespace {

// A height as the float it is shown as; one that no float holds is shown as it stands.
GPSTreeItem AddHeight(IGPSInspectionTree* tree, GPSTreeItem parent, double height)
{
    if (std::isfinite(height) && std::fabs(height) <= double(std::numeric_limits<float>::max()))
        return TreeAddFloat(tree, parent, "Height", float(height));
    return TreeAddDouble(tree, parent, "Height", height);
}

void AddWayPoint(IGPSInspectionTree* tree, GPSTreeItem part, const CKMLTagWayPoint& w)
{
    const QString name = QString::fromUtf8(w.name);
    const GPSTreeItem item =
        TreeAddText(tree, part, QStringLiteral("WayPoint (%1, %2)").arg(name, MetresText(w.altitude)));
    TreeAddString(tree, item, "Name", name);
    TreeAddDouble(tree, item, "Latitude", w.latitude);
    TreeAddDouble(tree, item, "Longitude", w.longitude);
    AddHeight(tree, item, w.altitude);
}

void AddTrack(IGPSInspectionTree* tree, GPSTreeItem part, const CKMLTagTrack& t)
{
    const QString name = QString::fromUtf8(t.name);
    const int count = int(t.points.size());
    const GPSTreeItem item = TreeAddText(
        tree, part, QStringLiteral("Track (%1, %2 points)").arg(name, QString::number(count)));
    TreeAddString(tree, item, "Name", name);
    TreeAddInt(tree, item, "Points", count);
    int number = 0;
    for (const kml::KMLPoint& p : t.points) {
        const GPSTreeItem point = TreeAddText(tree, item, QStringLiteral("Point %1").arg(++number));
        TreeAddDouble(tree, point, "Latitude", p.latitude);
        TreeAddDouble(tree, point, "Longitude", p.longitude);
        TreeAddDouble(tree, point, "Height", p.altitude);
    }
}

} // namespace

GPSTreeItem CKMLFile::FillTree(IGPSInspectionTree* tree)
{
    if (!tree)
        return 0;
    const GPSTreeItem root = tree->InsertItem(QStringLiteral("KML file"), 0);
    TreeAddPart(tree, root, QStringLiteral("Header part"), true, [](GPSTreeItem) {});
    TreeAddPart(tree, root, QStringLiteral("Waypoint part"), true, [&](GPSTreeItem part) {
        TreeAddInt(tree, part, "Total Waypoints", waypoints_.count());
        for (const auto& waypoint : waypoints_.items)
            AddWayPoint(tree, part, *waypoint);
    });
    TreeAddPart(tree, root, QStringLiteral("Track part"), true, [&](GPSTreeItem part) {
        TreeAddInt(tree, part, "Total Tracks", tracks_.count());
        for (const auto& track : tracks_.items)
            AddTrack(tree, part, *track);
    });
    tree->Expand(root);
    return root;
}
