#include "gps/GPSTreeWriters.h"
#include "gps/mapsource/MapSourceTree.h"
#include "gps/mapsource/MPSMap.h"

GPSTreeItem CMPSChunkMap::FillTree(IGPSInspectionTree* tree, GPSTreeItem parent)
{
    using gps::mapsource::RecordText;
    const GPSTreeItem item
        = tree->InsertItem(gps::mapsource::RecordCaption("Map", *this, RecordText(name, isUtf8)), parent);
    // The held bytes around the texts, as the payload holds them (the trailing ones zero-filled
    // where the record ends early).
    ByteCursor cursor(payload());
    char lead[kLeadSize] = {};
    char trail[kTrailSize] = {};
    QByteArrayView text;
    cursor.ReadBytes(lead, kLeadSize, false);
    if (cursor.ReadCString(&text) && cursor.ReadCString(&text) && cursor.ReadCString(&text))
        cursor.ReadBytes(trail, kTrailSize, false);
    gps::TreeAddBytes(tree, item, "???", QByteArrayView(lead, kLeadSize));
    gps::TreeAddString(tree, item, "Topo", RecordText(topo, isUtf8));
    gps::TreeAddString(tree, item, "Name", RecordText(name, isUtf8));
    gps::TreeAddString(tree, item, "Region", RecordText(region, isUtf8));
    gps::TreeAddBytes(tree, item, "???", QByteArrayView(trail, kTrailSize));
    return item;
}

GPSTreeItem CMPSMap::FillTree(IGPSInspectionTree* tree, GPSTreeItem parent)
{
    return gps::mapsource::AddRecordPart(tree, parent, QStringLiteral("Map part"), "Total Maps", items);
}
