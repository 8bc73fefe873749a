#pragma once
// The trail group's tracks and waypoints from its all-in-one GPS file, with one used flag per
// track, and the look-ups that tie waypoints and other tracks to a track.
#include "gps/GPSFile.h"

#include <QStringView>
#include <memory>
#include <vector>

class GPSTrackSet {
public:
    static constexpr int kMaxRelated = 32; // indexes handed out by the two "of track" look-ups

    // Takes over a loaded file (or null) and reads its tracks, then its waypoints.
    void Fill(std::unique_ptr<CGPSFile> loaded);
    void Free();

    int FindTrackByName(QStringView text) const;
    int FindTrackByBaseName(QStringView text, int* matches) const;
    // Waypoints whose comment mentions the track's name (see MentionsName), at most 32 of them
    // in out; returns how many.
    int FindWayPointsOfTrack(int track, int out[kMaxRelated]) const;
    // Other tracks whose name mentions the track's name, at most 32, in track order.
    int FindRelatedTracks(int track, int out[kMaxRelated]) const;
    // Mean position in degrees of the track's waypoints; false (outputs untouched) when none.
    bool GetTrackCentre(int track, double* longitude, double* latitude) const;

    std::unique_ptr<CGPSFile> file;
    int trackCount = 0;
    std::vector<GPSTrackRecordW> tracks;
    std::vector<uint8_t> used;
    int waypointCount = 0;
    std::vector<GPSWayPointRecordW> waypoints;
};
