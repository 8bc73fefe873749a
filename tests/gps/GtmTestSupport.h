#pragma once
// Helpers of the GPS TrackMaker tests: loading bytes as a GTM file, and what gpsbabel reads
// from a file of any format it knows.
#include "GpxTestSupport.h"
#include "GtmBuilder.h"

#include "gps/gtm/GTMFile.h"

#include <QByteArray>
#include <QString>
#include <memory>

// Loads bytes written to a temporary file; *recognised as the reader leaves it.
std::unique_ptr<CGPSFile> LoadGtmBytes(const QByteArray& bytes, int* recognised = nullptr);
// What gpsbabel reads from the file at path in its format ("gtm", "gdb"), through its GPX.
bool GpsbabelReads(const QString& format, const QString& path, GpxContent* content);
// The wide waypoint records and the tracks with their points, as a caller reads them.
std::vector<GPSWayPointRecordW> WayPointsOf(const CGPSFile& file);
std::vector<GPSTrackPointList> TracksOf(const CGPSFile& file);

// gpsbabel's unknown height, which GPS TrackMaker files hold for a point without height.
constexpr float kUnknownHeight = -10000000.0f;
GtmTrackStyleFields TrackStyle(const QByteArray& name);
// Waypoints with Big5 texts and an unknown height, points whose first run has no flag, three
// track styles (Big5 and ASCII names), two waypoint styles, a map image and route points.
GtmBuilder Big5Gtm();
