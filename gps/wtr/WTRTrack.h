#pragma once
// The track section of a WTR file: after the track marker block, per track a header marker
// block, the 18-byte track header and 21-byte points up to the next header or route marker.
#include "gps/wtr/WTRMarker.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

struct EVOTrackRecord;

struct WTRTrackPoint {
    static constexpr size_t kSize = 21;

    bool Read(ByteCursor& cursor);
    void Write(ByteWriter& out) const;

    int32_t Latitude = 0;
    int32_t Longitude = 0;
    uint32_t Time = 0;       // seconds, EVO/WTR epoch
    uint32_t HeightBits = 0; // float, metres
    uint32_t DepthBits = 0;  // float
    uint8_t NewSegment = 0;
};

struct WTRTrackRecord {
    // ShowOnGPS, an opaque byte, the 16-byte name field.
    static constexpr size_t kHeaderSize = 18;
    static constexpr size_t kNameSize = 16;
    static constexpr int kNameLimit = 15;
    // What a converted track holds in its opaque byte.
    static constexpr uint8_t kConvertedHeld = 0xFF;

    bool Read(ByteCursor& cursor);
    void Write(ByteWriter& out) const;
    static WTRTrackRecord ConvertFromEVO(const EVOTrackRecord& source);

    WTRMarker header; // this track's own header marker block
    uint8_t ShowOnGPS = 0;
    uint8_t Held = 0;
    QByteArray Name;
    std::vector<WTRTrackPoint> points;
};

class CWTRTrack {
public:
    // The marker block and the tracks up to the route marker (not consumed).
    bool Read(ByteCursor& cursor);
    void Write(ByteWriter& out) const;
    int count() const { return int(items.size()); }

    std::vector<WTRTrackRecord> items;
    WTRMarker marker;
};
