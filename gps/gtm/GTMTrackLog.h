#pragma once
// The track log of a GPS TrackMaker file: one flat list of points, cut into tracks at the
// points whose NewSegment is set. Points before the first such point form a track too.
#include "gps/ByteCursor.h"

#include <cstdint>
#include <vector>

class CMPSChunkTrack;

struct GTMTrackPoint {
    static constexpr size_t kMinSize = 25; // bytes of one point on disk

    bool Parse(ByteCursor& cursor);
    void Write(ByteWriter& out) const;
    // The date of an MPS time (seconds since 1970 UTC) when it is defined; 0 when it is not
    // or when it lies before the GPS TrackMaker epoch.
    static int32_t DateFromMPS(uint8_t timeDefined, int32_t time);

    double Latitude = 0;
    double Longitude = 0;
    int32_t Date = 0;
    uint8_t NewSegment = 0; // non-zero at the first point of a track
    float Height = 0;
};

class CGTMTrackLog {
public:
    // The points of one track: [start, start + count) of the list.
    struct Run {
        int start = 0;
        int count = 0;
    };

    // Reads the points and finds the tracks.
    bool Read(ByteCursor& cursor, int32_t count);
    void Write(ByteWriter& out) const;
    int pointCount() const { return int(points.size()); }
    int trackCount() const { return int(runs.size()); }
    // Appends the points of an MPS track, the first one flagged; the runs are not updated.
    void AppendFromMPS(const CMPSChunkTrack& track);
    // Finds the runs of the points.
    void FindRuns();

    std::vector<GTMTrackPoint> points;
    std::vector<Run> runs;
};
