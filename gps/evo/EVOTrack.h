#pragma once
// Tracks of an EVO file: an opaque int16, the name ended by a line feed, an int32 point
// count, then 24-byte points.
#include "gps/ByteCursor.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

class CMPSChunkTrack;
struct WTRTrackRecord;

struct EVOTrackPoint {
    static constexpr size_t kSize = 24;

    bool Read(ByteCursor& cursor);
    void Write(ByteWriter& out) const;

    int32_t Latitude = 0;
    int32_t Longitude = 0;
    uint32_t Time = 0;       // seconds, EVO/WTR epoch
    uint32_t HeightBits = 0; // float, metres
    uint32_t DepthBits = 0;  // float
    int32_t NewSegment = 0;  // non-zero where a new segment starts
};

struct EVOTrackRecord {
    static constexpr int kNameLimit = 31;
    // Bytes of a track before its points: the int16, the shortest name (its line feed) and
    // the point count.
    static constexpr size_t kMinSize = 2 + 1 + 4;

    bool Read(ByteCursor& cursor);
    void Write(ByteWriter& out) const;
    static EVOTrackRecord ConvertFromWTR(const WTRTrackRecord& source);
    static EVOTrackRecord ConvertFromMPS(const CMPSChunkTrack& source);

    int16_t Held = 0;
    QByteArray Name; // ANSI code page
    std::vector<EVOTrackPoint> points;
};

class CEVOTrack {
public:
    bool Read(ByteCursor& cursor, uint32_t count);
    void Write(ByteWriter& out) const;
    int count() const { return int(items.size()); }

    std::vector<EVOTrackRecord> items;
};
