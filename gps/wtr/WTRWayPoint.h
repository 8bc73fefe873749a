#pragma once
// The waypoint section of a WTR file: 64-byte records after the waypoint marker block, up to
// the track marker.
#include "gps/wtr/WTRMarker.h"

#include <QByteArray>
#include <array>
#include <cstdint>
#include <vector>

struct WTRWayPointRecord {
    // Name 20, latitude, longitude, height (float), opaque 8, icon (int16), opaque 22.
    static constexpr size_t kSize = 64;
    static constexpr size_t kNameSize = 20;
    static constexpr int kNameLimit = 19;
    static constexpr size_t kHeldSize = 8;
    static constexpr size_t kTailSize = 22;

    bool Read(ByteCursor& cursor);
    void Write(ByteWriter& out) const;

    QByteArray Name; // ANSI code page, at most 19 bytes
    int32_t Latitude = 0;
    int32_t Longitude = 0;
    uint32_t HeightBits = 0; // float, metres
    std::array<uint8_t, kHeldSize> Held{};
    int16_t Icon = 0; // device numbering
    std::array<uint8_t, kTailSize> Tail{};
};

class CWTRWayPoint {
public:
    // The marker block and the waypoints up to the track marker (not consumed); false when
    // the data ends first.
    bool Read(ByteCursor& cursor);
    void Write(ByteWriter& out) const;
    int count() const { return int(items.size()); }

    std::vector<WTRWayPointRecord> items;
    WTRMarker marker;
};
