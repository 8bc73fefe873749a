#include "gps/mapsource/MapSourceTree.h"
#include "gps/mps/MPSFile.h"

GPSTreeItem CMPSFile::FillTree(IGPSInspectionTree* tree)
{
    using gps::mapsource::AddRecordPart;
    const GPSTreeItem root = tree->InsertItem(QStringLiteral("MPS file"), 0);
    gps::TreeAddPart(tree, root, QStringLiteral("Header part"), true, [&](GPSTreeItem part) {
        gps::TreeAddText(tree, part, gps::mapsource::MarkerText(kSignature));
        header_.header44.FillTree(tree, part);
        header_.header41.FillTree(tree, part);
    });
    AddRecordPart(tree, root, QStringLiteral("Waypoint part"), "Total Waypoints", waypoints_.items);
    routes_.FillTree(tree, root);
    AddRecordPart(tree, root, QStringLiteral("Track part"), "Total Tracks", tracks_.items);
    maps_.FillTree(tree, root);
    tree->Expand(root);
    return root;
}
