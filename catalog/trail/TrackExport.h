#pragma once
// The pieces of a trail export shared by locating, the group's export and the track search
// dialog: a track with the waypoints that name it and the tracks related to it, into a GDB file.
#include <set>
#include <vector>

class CGDBFile;
class GPSTrackSet;

namespace track_export {

// The tracks of the set already put into a GDB file being built, by index: each goes in once.
using TrackIndexes = std::set<int>;

// Adds track, then each waypoint of FindWayPointsOfTrack, then each track of FindRelatedTracks
// (at most 32 each) from the set's file. Returns the tracks added (the track and its related
// ones); false-ish 0 when the track itself could not be added.
std::vector<int> AddTrackWithRelated(CGDBFile* gdb, const GPSTrackSet& set, int track);

// Adds track (unless present holds it) and the waypoints that name it; the tracks added go into
// present. False for a track the set does not hold or whose points could not be read.
bool AddTrackWithWaypoints(CGDBFile* gdb, const GPSTrackSet& set, int track, TrackIndexes* present);
// The same, then each related track not in present yet.
bool AddTrackWithRelated(CGDBFile* gdb, const GPSTrackSet& set, int track, TrackIndexes* present);

} // namespace track_export
