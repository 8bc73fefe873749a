#pragma once
// Values that the GDB and MPS records hold under the same names, copied from one format to the
// other (either way) with their defined bytes, and handed out as exchange records. A value
// behind a clear defined byte becomes 0: an MPS record holds every value whatever its defined
// byte says.
#include "gps/GPSRecords.h"
#include "gps/GPSText.h"

namespace gps::mapsource {

// Position and height of a waypoint or a track point.
template <class To, class From>
void CopyPositionValues(To& to, const From& from)
{
    to.Latitude = from.Latitude;
    to.Longitude = from.Longitude;
    to.HeightDefined = from.HeightDefined;
    to.Height = from.HeightDefined ? from.Height : 0;
}

// Position, height, warning, display, colour and depth of a waypoint; texts, symbol and what
// only one format holds are the caller's.
template <class To, class From>
void CopyWayPointValues(To& to, const From& from)
{
    CopyPositionValues(to, from);
    to.WarningDefined = from.WarningDefined;
    to.Warning = from.WarningDefined ? from.Warning : 0;
    to.Display = from.Display;
    to.Color = from.Color;
    to.DepthDefined = from.DepthDefined;
    to.Depth = from.DepthDefined ? from.Depth : 0;
}

// Position, height and time of a track point.
template <class To, class From>
void CopyTrackPointValues(To& to, const From& from)
{
    CopyPositionValues(to, from);
    to.TimeDefined = from.TimeDefined;
    to.Time = from.TimeDefined ? from.Time : 0;
}

// The wide exchange record of a waypoint: its texts decoded as its format stores them.
template <class WayPoint>
void FillWayPointW(const WayPoint& waypoint, GPSWayPointRecordW& record)
{
    gps::CopyToField(record.name, GPSWayPointRecordW::kNameSize, waypoint.NameText());
    gps::CopyToField(record.comment, GPSWayPointRecordW::kCommentSize, waypoint.DescriptionText());
    record.longitude = waypoint.Longitude;
    record.latitude = waypoint.Latitude;
    record.altitude = waypoint.HeightDefined ? waypoint.Height : 0;
}

// A GDB or MPS track point as an exchange point: height and time only where their defined bytes
// say they are there (a file converted from an eTrex one holds 1.0e25 behind a clear byte).
template <class TrackPoint>
void FillTrackPoint(GPSTrackPoint* to, const TrackPoint& point)
{
    *to = {point.Longitude, point.Latitude, point.HeightDefined ? point.Height : 0,
           point.TimeDefined ? point.Time : 0};
}

} // namespace gps::mapsource
