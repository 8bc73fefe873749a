#pragma once
// The 48-byte header of an EVO file, held as read: 32 opaque bytes, the waypoint, track and
// route counts, and 4 opaque bytes.
#include "gps/ByteCursor.h"

#include <array>
#include <cstdint>

struct CEVOHeader {
    static constexpr size_t kSize = 48;
    static constexpr size_t kOpaqueSize = 32;
    static constexpr size_t kWayPointCountAt = 32;
    static constexpr size_t kTrackCountAt = 36;
    static constexpr size_t kRouteCountAt = 40;
    static constexpr size_t kTailAt = 44;
    static constexpr size_t kTailSize = 4;
    // Counts above these mark a file that is not an EVO file.
    static constexpr uint32_t kMaxWayPoints = 99999;
    static constexpr uint32_t kMaxTracks = 999;

    uint32_t WayPointCount() const;
    uint32_t TrackCount() const;
    uint32_t RouteCount() const;
    void SetCounts(uint32_t waypoints, uint32_t tracks, uint32_t routes);

    std::array<uint8_t, kSize> bytes{};
};
