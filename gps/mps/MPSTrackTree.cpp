#include "gps/GPSTreeWriters.h"
#include "gps/mapsource/MapSourceTree.h"
#include "gps/mps/MPSTrack.h"

namespace {

constexpr int kTimeFormat = 103; // seconds since 1970

void FillPoint(IGPSInspectionTree* tree, GPSTreeItem item, const MPSTrackPoint& point)
{
    gps::TreeAddAngle(tree, item, "Latitude", point.Latitude);
    gps::TreeAddAngle(tree, item, "Longitude", point.Longitude);
    gps::TreeAddUInt(tree, item, "HeightDefined", point.HeightDefined);
    gps::mapsource::TreeAddStoredDouble(tree, item, "Height", point.Height);
    gps::TreeAddUInt(tree, item, "TimeDefined", point.TimeDefined);
    gps::TreeAddTime(tree, item, "Time", uint32_t(point.Time), kTimeFormat);
    gps::TreeAddBytes(tree, item, "???", gps::mapsource::HeldBytes(point.Held));
}

} // namespace

GPSTreeItem CMPSChunkTrack::FillTree(IGPSInspectionTree* tree, GPSTreeItem parent)
{
    const QString name = gps::AnsiText(Name);
    const GPSTreeItem item = tree->InsertItem(
        gps::mapsource::RecordCaption("Track", *this, gps::mapsource::TrackDetail(name, points.size())), parent);
    gps::TreeAddString(tree, item, "Name", name);
    gps::TreeAddUInt(tree, item, "ShowOnGPS", ShowOnGPS);
    gps::TreeAddUInt(tree, item, "Color", uint32_t(Color));
    gps::TreeAddUInt(tree, item, "Points", uint32_t(points.size()));
    for (size_t i = 0; i < points.size(); ++i)
        FillPoint(tree, tree->InsertItem(gps::mapsource::PointCaption(i), item), points[i]);
    return item;
}
