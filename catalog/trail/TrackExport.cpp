// Adding a track with its waypoints and related tracks to a GDB file.
#include "catalog/trail/TrackExport.h"

#include "gps/GPSTrackSet.h"
#include "gps/gdb/GDBFile.h"

namespace track_export {
namespace {

bool HoldsTrack(const GPSTrackSet& set, int track)
{
    return set.file && track >= 0 && track < set.trackCount && std::size_t(track) < set.tracks.size();
}

// Adds the track itself; true when it is in the file afterwards.
bool AddTrack(CGDBFile* gdb, const GPSTrackSet& set, int track, TrackIndexes* present)
{
    if (present->count(track))
        return true;
    if (!gdb->AddTrackFrom(set.file.get(), track, nullptr))
        return false;
    present->insert(track);
    return true;
}

} // namespace

bool AddTrackWithWaypoints(CGDBFile* gdb, const GPSTrackSet& set, int track, TrackIndexes* present)
{
    if (!gdb || !present || !HoldsTrack(set, track) || !AddTrack(gdb, set, track, present))
        return false;
    int waypoints[GPSTrackSet::kMaxRelated];
    const int count = set.FindWayPointsOfTrack(track, waypoints);
    // A waypoint of the same name already in the file is not added again.
    for (int i = 0; i < count; ++i)
        gdb->AddWayPointFrom(set.file.get(), waypoints[i], nullptr);
    return true;
}

bool AddTrackWithRelated(CGDBFile* gdb, const GPSTrackSet& set, int track, TrackIndexes* present)
{
    if (!AddTrackWithWaypoints(gdb, set, track, present))
        return false;
    int related[GPSTrackSet::kMaxRelated];
    const int count = set.FindRelatedTracks(track, related);
    for (int i = 0; i < count; ++i)
        AddTrack(gdb, set, related[i], present);
    return true;
}

std::vector<int> AddTrackWithRelated(CGDBFile* gdb, const GPSTrackSet& set, int track)
{
    TrackIndexes present;
    if (!AddTrackWithRelated(gdb, set, track, &present))
        return {};
    // The track first, then its related tracks in set order.
    std::vector<int> added{track};
    for (const int index : present)
        if (index != track)
            added.push_back(index);
    return added;
}

} // namespace track_export
