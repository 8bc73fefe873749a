#pragma once
// Routes of an EVO file: 21 opaque bytes, the name ended by a line feed, an int32 point count,
// then the points, each a waypoint-shaped record followed, except the route's last, by 20
// bytes of link data. The program reads routes and never writes them.
#include "gps/evo/EVOWayPoint.h"

#include <QByteArray>
#include <array>
#include <cstdint>
#include <vector>

struct EVORoutePoint {
    static constexpr size_t kLinkSize = 20;

    EVOWayPointRecord point;              // identifier at most 15 bytes
    std::array<uint8_t, kLinkSize> Link{}; // zero for the route's last point
};

struct EVORouteRecord {
    static constexpr size_t kHeldSize = 21;
    static constexpr int kNameLimit = 15;
    // Bytes of a route before its points: the held bytes, the shortest name and the count.
    static constexpr size_t kMinSize = kHeldSize + 1 + 4;

    bool Read(ByteCursor& cursor);

    std::array<uint8_t, kHeldSize> Held{};
    QByteArray Name;
    std::vector<EVORoutePoint> points;
};

class CEVORoute {
public:
    bool Read(ByteCursor& cursor, uint32_t count);
    int count() const { return int(items.size()); }

    std::vector<EVORouteRecord> items;
};
