#include "gps/gdb/GDBTrack.h"
#include "gps/GPSTreeWriters.h"
#include "gps/mapsource/MapSourceTree.h"

namespace {

constexpr int kTimeFormat = 104; // seconds since 1970

void FillPoint(IGPSInspectionTree* tree, GPSTreeItem item, const GDBTrackPoint& point)
{
    using gps::mapsource::TreeAddStoredDouble;
    gps::TreeAddAngle(tree, item, "Latitude", point.Latitude);
    gps::TreeAddAngle(tree, item, "Longitude", point.Longitude);
    gps::TreeAddUInt(tree, item, "HeightDefined", point.HeightDefined);
    if (point.HeightDefined)
        TreeAddStoredDouble(tree, item, "Height", point.Height);
    gps::TreeAddUInt(tree, item, "TimeDefined", point.TimeDefined);
    if (point.TimeDefined)
        gps::TreeAddTime(tree, item, "Time", uint32_t(point.Time), kTimeFormat);
    gps::TreeAddBytes(tree, item, "???", QByteArrayView(reinterpret_cast<const char*>(&point.Unknown), 1));
    gps::TreeAddUInt(tree, item, "TempatureDefined", point.TempatureDefined);
    if (point.TempatureDefined)
        TreeAddStoredDouble(tree, item, "Tempature", point.Tempature);
}

} // namespace

GPSTreeItem CGDBChunkTrack::FillTree(IGPSInspectionTree* tree, GPSTreeItem parent)
{
    const QString name = gps::mapsource::RecordText(Name, isUtf8);
    const GPSTreeItem item = tree->InsertItem(
        gps::mapsource::RecordCaption("Track", *this, gps::mapsource::TrackDetail(name, points.size())), parent);
    gps::TreeAddString(tree, item, "Name", name);
    gps::TreeAddUInt(tree, item, "ShowOnGPS", ShowOnGPS);
    gps::TreeAddUInt(tree, item, "Color", uint32_t(Color));
    gps::TreeAddUInt(tree, item, "Points", uint32_t(points.size()));
    for (size_t i = 0; i < points.size(); ++i)
        FillPoint(tree, tree->InsertItem(gps::mapsource::PointCaption(i), item), points[i]);
    if (isUtf8)
        gps::TreeAddInt(tree, item, "HasURL", HasURL);
    if (!URL.isEmpty())
        gps::TreeAddString(tree, item, "URL", gps::mapsource::RecordText(URL, isUtf8));
    return item;
}
