#include "gps/GPSTreeWriters.h"
#include "gps/mapsource/MapSourceTree.h"
#include "gps/mapsource/MPSRoute.h"

GPSTreeItem CMPSChunkRoute::FillTree(IGPSInspectionTree* tree, GPSTreeItem parent)
{
    constexpr size_t kShownPoints = 1; // the route's points are not decoded
    const QString text = gps::mapsource::RecordText(name, isUtf8);
    const GPSTreeItem item = tree->InsertItem(
        gps::mapsource::RecordCaption("Route", *this, gps::mapsource::TrackDetail(text, kShownPoints)), parent);
    gps::TreeAddString(tree, item, "Name", text);
    ByteCursor cursor(payload());
    QByteArrayView skipped, held;
    if (cursor.ReadCString(&skipped))
        cursor.ReadView(kHeldSize, &held);
    gps::TreeAddBytes(tree, item, "???", held);
    return item;
}

GPSTreeItem CMPSRoute::FillTree(IGPSInspectionTree* tree, GPSTreeItem parent)
{
    return gps::mapsource::AddRecordPart(tree, parent, QStringLiteral("Route part"), "Total Routes", items);
}
