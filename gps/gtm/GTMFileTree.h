#pragma once
// The record parts of a GPS TrackMaker file's inspection tree: each adds its total and one item
// per record, with the record's fields as children, under part.
#include "gps/GPSInspection.h"

class CGTMWayPoint;
class CGTMWayPointStyle;
class CGTMTrackLog;
class CGTMTrackStyle;
class CGTMRoute;

namespace gps::gtm {

void AddWayPoints(IGPSInspectionTree* tree, GPSTreeItem part, const CGTMWayPoint& waypoints);
void AddWayPointStyles(IGPSInspectionTree* tree, GPSTreeItem part, const CGTMWayPointStyle& styles);
// The number of points, the number of tracks (a leading run without its flag counts) and
// every point.
void AddTrackLog(IGPSInspectionTree* tree, GPSTreeItem part, const CGTMTrackLog& log);
void AddTrackStyles(IGPSInspectionTree* tree, GPSTreeItem part, const CGTMTrackStyle& styles);
void AddRoutes(IGPSInspectionTree* tree, GPSTreeItem part, const CGTMRoute& routes);

} // namespace gps::gtm
