#include "gps/gdb/GDBFile.h"
#include "gps/mapsource/MapSourceTree.h"

GPSTreeItem CGDBFile::FillTree(IGPSInspectionTree* tree)
{
    using gps::mapsource::AddRecordPart;
    using gps::mapsource::MarkerText;
    const GPSTreeItem root = tree->InsertItem(QStringLiteral("GDB file"), 0);
    gps::TreeAddPart(tree, root, QStringLiteral("Header part"), true, [&](GPSTreeItem part) {
        gps::TreeAddText(tree, part, MarkerText(kSignature));
        header_.header44.FillTree(tree, part);
        header_.header41.FillTree(tree, part);
        gps::TreeAddText(tree, part, MarkerText(kMarker));
    });
    AddRecordPart(tree, root, QStringLiteral("Waypoint part"), "Total Waypoints", waypoints_.items);
    routes_.FillTree(tree, root);
    AddRecordPart(tree, root, QStringLiteral("Track part"), "Total Tracks", tracks_.items);
    maps_.FillTree(tree, root);
    tree->Expand(root);
    return root;
}
