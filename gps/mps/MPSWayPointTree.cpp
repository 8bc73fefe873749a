#include "gps/GPSTreeWriters.h"
#include "gps/mapsource/MapSourceTree.h"
#include "gps/mps/MPSWayPoint.h"

#include <QtEndian>

using gps::mapsource::HeldBytes;
using gps::mapsource::TreeAddStoredDouble;

GPSTreeItem CMPSChunkWayPoint::FillTree(IGPSInspectionTree* tree, GPSTreeItem parent)
{
    const QString name = gps::AnsiText(Name);
    const GPSTreeItem item = tree->InsertItem(
        gps::mapsource::RecordCaption("WayPoint", *this,
                                      name + QStringLiteral(", ") + gps::MetresText(Height, HeightDefined != 0)),
        parent);
    gps::TreeAddString(tree, item, "Name", name);
    const int32_t held = qToLittleEndian(HeldInt); // as the file holds it
    gps::TreeAddBytes(tree, item, "???", QByteArrayView(reinterpret_cast<const char*>(&held), sizeof held));
    if (!HeldText.isEmpty())
        gps::TreeAddString(tree, item, "???string", gps::AnsiText(HeldText));
    gps::TreeAddBytes(tree, item, "???", HeldBytes(HeldBlock));
    gps::TreeAddAngle(tree, item, "Latitude", Latitude);
    gps::TreeAddAngle(tree, item, "Longitude", Longitude);
    gps::TreeAddUInt(tree, item, "HeightDefined", HeightDefined);
    TreeAddStoredDouble(tree, item, "Height", Height);
    gps::TreeAddString(tree, item, "Description", gps::AnsiText(Description));
    gps::TreeAddUInt(tree, item, "WarningDefined", WarningDefined);
    TreeAddStoredDouble(tree, item, "Warning", Warning);
    gps::TreeAddUInt(tree, item, "Display", uint32_t(Display));
    gps::TreeAddUInt(tree, item, "Color", uint32_t(Color));
    gps::TreeAddSymbolMPS(tree, item, Icon);
    gps::TreeAddBytes(tree, item, "???", HeldBytes(AfterIcon));
    gps::TreeAddString(tree, item, "???string", gps::AnsiText(SecondHeldText));
    gps::TreeAddBytes(tree, item, "???", HeldBytes(AfterText));
    gps::TreeAddUInt(tree, item, "DepthDefined", DepthDefined);
    TreeAddStoredDouble(tree, item, "Depth", Depth);
    gps::TreeAddBytes(tree, item, "???", HeldBytes(AfterDepth));
    return item;
}
