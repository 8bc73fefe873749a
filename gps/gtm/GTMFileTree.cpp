// The inspection tree of a GPS TrackMaker file: one part per section, every field by its name.
#include "gps/gtm/GTMFile.h"
#include "gps/gtm/GTMFileTree.h"

#include "gps/GPSSymbols.h"
#include "gps/GPSTreeWriters.h"

using namespace gps;

namespace {

void AddHeaderCounts(IGPSInspectionTree* tree, GPSTreeItem part, const CGTMHeader& h)
{
    TreeAddHex32(tree, part, "GridColor", uint32_t(h.GridColor));
    TreeAddHex32(tree, part, "BackgroundColor", uint32_t(h.BackgroundColor));
    TreeAddInt(tree, part, "WaypointStyles", h.WaypointStyles);
    TreeAddHex32(tree, part, "TextColor", uint32_t(h.TextColor));
    TreeAddInt(tree, part, "Waypoints", h.Waypoints);
    TreeAddInt(tree, part, "TrackPoints", h.TrackPoints);
    TreeAddInt(tree, part, "RoutePoints", h.RoutePoints);
    TreeAddFloat(tree, part, "MaxLongitude", h.MaxLongitude);
    TreeAddFloat(tree, part, "MinLongitude", h.MinLongitude);
    TreeAddFloat(tree, part, "MaxLatitude", h.MaxLatitude);
    TreeAddFloat(tree, part, "MinLatitude", h.MinLatitude);
    TreeAddInt(tree, part, "MapImages", h.MapImages);
    TreeAddInt(tree, part, "Tracks", h.Tracks);
    TreeAddFloat(tree, part, "Layers", h.Layers);
    TreeAddFloat(tree, part, "iconnum", h.iconnum);
}

void AddHeader(IGPSInspectionTree* tree, GPSTreeItem part, const CGTMHeader& h)
{
    TreeAddInt(tree, part, "Version", h.Version);
    TreeAddString(tree, part, "ID", AnsiText(QByteArrayView(h.ID.data(), qsizetype(h.ID.size()))));
    TreeAddUInt(tree, part, "DrawThickLine", h.DrawThickLine);
    TreeAddUInt(tree, part, "vwt", h.vwt);
    TreeAddUInt(tree, part, "GridFontSize", h.GridFontSize);
    TreeAddUInt(tree, part, "wptnum", h.wptnum);
    TreeAddUInt(tree, part, "usernum", h.usernum);
    TreeAddUInt(tree, part, "IconColor", h.IconColor);
    TreeAddUInt(tree, part, "Datum", h.Datum);
    AddHeaderCounts(tree, part, h);
    const std::pair<const char*, int16_t> flags[] = {
        {"RectCoord", h.RectCoord},   {"TrueGridMode", h.TrueGridMode}, {"wptsublin", h.wptsublin},
        {"wpttachado", h.wpttachado}, {"usernegrit", h.usernegrit},     {"useritalic", h.useritalic},
        {"usersublin", h.usersublin}, {"usertachado", h.usertachado},   {"HasMap", h.HasMap},
        {"reserval", h.reserval}};
    for (const auto& [label, value] : flags)
        TreeAddInt(tree, part, label, value);
    TreeAddString(tree, part, "GridFont", AnsiText(h.GridFont));
    TreeAddString(tree, part, "WayPointFont", AnsiText(h.WayPointFont));
    TreeAddString(tree, part, "UserFont", AnsiText(h.UserFont));
    TreeAddString(tree, part, "NewDatum", AnsiText(h.NewDatum));
}

// "code (name)"; the name is "???" for a code outside the table, negative ones too.
QString CodeAndName(int code, const QString& name) { return QStringLiteral("%1 (%2)").arg(QString::number(code), name); }

void AddGridDatum(IGPSInspectionTree* tree, GPSTreeItem part, const CGTMGridDatum& g)
{
    TreeAddString(tree, part, "Grid", CodeAndName(g.Grid, GPSSymbols::GridName(g.Grid)));
    TreeAddDouble(tree, part, "origin", g.origin);
    TreeAddDouble(tree, part, "falseeast", g.falseeast);
    TreeAddDouble(tree, part, "scale1", g.scale1);
    TreeAddDouble(tree, part, "falsenorthing", g.falsenorthing);
    TreeAddString(tree, part, "Datum", CodeAndName(g.Datum, GPSSymbols::DatumName(g.Datum)));
    TreeAddDouble(tree, part, "axis", g.axis);
    TreeAddDouble(tree, part, "flatenig", g.flatenig);
    TreeAddInt(tree, part, "dx", g.dx);
    TreeAddInt(tree, part, "dy", g.dy);
    TreeAddInt(tree, part, "dz", g.dz);
}

void AddImage(IGPSInspectionTree* tree, GPSTreeItem part, const GTMMapImage& image)
{
    const QString name = AnsiText(image.MapName);
    const GPSTreeItem item = TreeAddText(tree, part, QStringLiteral("Image (%1)").arg(name));
    TreeAddString(tree, item, "MapName", name);
    TreeAddString(tree, item, "Comment", AnsiText(image.Comment));
    TreeAddFloat(tree, item, "gposx", image.gposx);
    TreeAddFloat(tree, item, "gposy", image.gposy);
    TreeAddFloat(tree, item, "gwidth", image.gwidth);
    TreeAddFloat(tree, item, "gheight", image.gheight);
    TreeAddInt(tree, item, "ImageSize", image.ImageSize);
    TreeAddFloat(tree, item, "metax", image.metax);
    TreeAddFloat(tree, item, "metay", image.metay);
    TreeAddUInt(tree, item, "metamapa", image.metamapa);
    TreeAddUInt(tree, item, "tnum", image.tnum);
}

void AddImages(IGPSInspectionTree* tree, GPSTreeItem part, const CGTMImage& images)
{
    TreeAddInt(tree, part, "Total Map Images", images.count());
    for (const GTMMapImage& image : images.items)
        AddImage(tree, part, image);
}

} // namespace

GPSTreeItem CGTMFile::FillTree(IGPSInspectionTree* tree)
{
    if (!tree)
        return 0;
    const GPSTreeItem root = tree->InsertItem(QStringLiteral("GTM file"), 0);
    TreeAddPart(tree, root, QStringLiteral("Header part"), false,
                [&](GPSTreeItem part) { AddHeader(tree, part, header_); });
    TreeAddPart(tree, root, QStringLiteral("Grid/Datum part"), false,
                [&](GPSTreeItem part) { AddGridDatum(tree, part, gridDatum_); });
    TreeAddPart(tree, root, QStringLiteral("Map Image part"), true,
                [&](GPSTreeItem part) { AddImages(tree, part, images_); });
    TreeAddPart(tree, root, QStringLiteral("Waypoint part"), true,
                [&](GPSTreeItem part) { gtm::AddWayPoints(tree, part, waypoints_); });
    TreeAddPart(tree, root, QStringLiteral("WayPoint Style part"), false,
                [&](GPSTreeItem part) { gtm::AddWayPointStyles(tree, part, waypointStyles_); });
    TreeAddPart(tree, root, QStringLiteral("TrackLog part"), true,
                [&](GPSTreeItem part) { gtm::AddTrackLog(tree, part, trackLog_); });
    TreeAddPart(tree, root, QStringLiteral("Track Style part"), true,
                [&](GPSTreeItem part) { gtm::AddTrackStyles(tree, part, trackStyles_); });
    TreeAddPart(tree, root, QStringLiteral("Route part"), true,
                [&](GPSTreeItem part) { gtm::AddRoutes(tree, part, routes_); });
    tree->Expand(root);
    return root;
}
