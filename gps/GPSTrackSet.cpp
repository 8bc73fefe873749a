#include "gps/GPSTrackSet.h"

#include "gps/GPSAngle.h"
#include "gps/GPSNameMatch.h"
#include "gps/GPSWayPointSet.h"

void GPSTrackSet::Fill(std::unique_ptr<CGPSFile> loaded)
{
    Free();
    file = std::move(loaded);
    if (!file)
        return;
    const int count = file->GetTrackCount();
    tracks.assign(size_t(std::max(count, 0)), GPSTrackRecordW{});
    if (count <= 0 || !file->GetTracksW(tracks.data()))
        tracks.clear();
    trackCount = int(tracks.size());
    used.assign(tracks.size(), 0);
    ReadWayPoints(*file, &waypoints);
    waypointCount = int(waypoints.size());
}

void GPSTrackSet::Free()
{
    file.reset();
    trackCount = 0;
    tracks.clear();
    used.clear();
    waypointCount = 0;
    waypoints.clear();
}

int GPSTrackSet::FindTrackByName(QStringView text) const { return gps::FindRecordByName(tracks, text); }

int GPSTrackSet::FindTrackByBaseName(QStringView text, int* matches) const
{
    return gps::FindRecordByBaseName(tracks, used, text, matches);
}

int GPSTrackSet::FindWayPointsOfTrack(int track, int out[kMaxRelated]) const
{
    if (track < 0 || track >= trackCount)
        return 0;
    const QStringView name = gps::NameOf(tracks[size_t(track)]);
    int found = 0;
    for (int i = 0; i < waypointCount && found < kMaxRelated; ++i) {
        const GPSWayPointRecordW& waypoint = waypoints[size_t(i)];
        if (gps::MentionsName(gps::FieldText(waypoint.comment, GPSWayPointRecordW::kCommentSize), name))
            out[found++] = i;
    }
    return found;
}

int GPSTrackSet::FindRelatedTracks(int track, int out[kMaxRelated]) const
{
    if (track < 0 || track >= trackCount)
        return 0;
    const QStringView name = gps::NameOf(tracks[size_t(track)]);
    int found = 0;
    for (int i = 0; i < trackCount && found < kMaxRelated; ++i) {
        if (i != track && gps::MentionsName(gps::NameOf(tracks[size_t(i)]), name))
            out[found++] = i;
    }
    return found;
}

bool GPSTrackSet::GetTrackCentre(int track, double* longitude, double* latitude) const
{
    int indexes[kMaxRelated];
    const int count = FindWayPointsOfTrack(track, indexes);
    if (count == 0)
        return false;
    double sumLongitude = 0, sumLatitude = 0;
    for (int i = 0; i < count; ++i) {
        sumLongitude += GPSAngle::ToDegrees(waypoints[size_t(indexes[i])].longitude);
        sumLatitude += GPSAngle::ToDegrees(waypoints[size_t(indexes[i])].latitude);
    }
    *longitude = sumLongitude / count;
    *latitude = sumLatitude / count;
    return true;
}
