// Conversion of an MPS file into a GPS TrackMaker file.
#include "gps/gtm/GTMFile.h"

#include "gps/GPSAngle.h"
#include "gps/mps/MPSFile.h"

#include <algorithm>

namespace {

const CMPSFile* AsMPS(const CGPSFile* source)
{
    return source && source->FormatCode() == CGPSFile::kMPS ? dynamic_cast<const CMPSFile*>(source) : nullptr;
}

// The extremes of the track points' angles, compared as signed values; all 0 without points.
struct AngleBounds {
    int32_t maxLongitude = 0, minLongitude = 0, maxLatitude = 0, minLatitude = 0;
};

AngleBounds BoundsOf(const CMPSTrack& tracks)
{
    AngleBounds bounds;
    bool first = true;
    for (const auto& track : tracks.items) {
        for (const MPSTrackPoint& point : track->points) {
            if (first) {
                bounds = {point.Longitude, point.Longitude, point.Latitude, point.Latitude};
                first = false;
            }
            bounds.maxLongitude = std::max(bounds.maxLongitude, point.Longitude);
            bounds.minLongitude = std::min(bounds.minLongitude, point.Longitude);
            bounds.maxLatitude = std::max(bounds.maxLatitude, point.Latitude);
            bounds.minLatitude = std::min(bounds.minLatitude, point.Latitude);
        }
    }
    return bounds;
}

float Degrees(int32_t angle) { return float(GPSAngle::ToDegrees(angle)); }

} // namespace

bool CGTMFile::CanConvertFrom(const CGPSFile* source) const { return AsMPS(source) != nullptr; }

int CGTMFile::ConvertFrom(const CGPSFile* source)
{
    const CMPSFile* mps = AsMPS(source);
    if (!mps)
        return 0;
    Clear();
    for (const auto& from : mps->WayPoints().items)
        waypoints_.items.push_back(GTMWayPointEntry::ConvertFromMPS(*from));
    waypointStyles_.MakeWritten();
    // A track without points would get no flag, and the tracks after it would take the wrong
    // style's name: it is left out.
    const auto& tracks = mps->Tracks().items;
    for (size_t i = 0; i < tracks.size(); ++i) {
        if (tracks[i]->points.empty())
            continue;
        trackLog_.AppendFromMPS(*tracks[i]);
        trackStyles_.AddWritten(tracks[i]->Name, int(i));
    }
    trackLog_.FindRuns();
    ConvertHeader(*mps);
    return 1;
}

void CGTMFile::ConvertHeader(const CMPSFile& source)
{
    header_.Version = CGTMHeader::kWrittenVersion;
    std::copy(CGTMHeader::kId.begin(), CGTMHeader::kId.end(), header_.ID.begin());
    header_.GridFontSize = CGTMHeader::kWrittenGridFontSize;
    header_.BackgroundColor = CGTMHeader::kWrittenBackgroundColor;
    header_.WaypointStyles = waypointStyles_.count();
    header_.Waypoints = waypoints_.count();
    header_.TrackPoints = trackLog_.pointCount();
    header_.Tracks = trackStyles_.count();
    const AngleBounds bounds = BoundsOf(source.Tracks());
    header_.MaxLongitude = Degrees(bounds.maxLongitude);
    header_.MinLongitude = Degrees(bounds.minLongitude);
    header_.MaxLatitude = Degrees(bounds.maxLatitude);
    header_.MinLatitude = Degrees(bounds.minLatitude);
    header_.GridFont = CGTMHeader::kWrittenGridFont.toByteArray();
    gridDatum_.Grid = CGTMGridDatum::kTaiwanGrid;
    gridDatum_.Datum = CGTMGridDatum::kWgs84Datum;
}
