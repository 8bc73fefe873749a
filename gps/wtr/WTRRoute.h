#pragma once
// The route section of a WTR file: after the route marker block, per route a header marker
// block, the 16-byte name and 64-byte points. The program reads routes and never writes them.
#include "gps/wtr/WTRMarker.h"

#include <QByteArray>
#include <array>
#include <cstdint>
#include <vector>

struct WTRRoutePoint {
    // Opaque 4, icon, opaque 18, latitude, longitude, height, opaque 12, name 16.
    static constexpr size_t kSize = 64;
    static constexpr size_t kHeadSize = 4;
    static constexpr size_t kMiddleSize = 18;
    static constexpr size_t kTailSize = 12;
    static constexpr size_t kNameSize = 16;
    static constexpr int kNameLimit = 15;

    bool Read(ByteCursor& cursor);

    std::array<uint8_t, kHeadSize> Head{};
    int16_t Icon = 0;
    std::array<uint8_t, kMiddleSize> Middle{};
    int32_t Latitude = 0;
    int32_t Longitude = 0;
    uint32_t HeightBits = 0;
    std::array<uint8_t, kTailSize> Tail{};
    QByteArray Name;
};

struct WTRRouteRecord {
    static constexpr size_t kNameSize = 16;
    static constexpr int kNameLimit = 15;

    bool Read(ByteCursor& cursor);

    WTRMarker header;
    QByteArray Name;
    std::vector<WTRRoutePoint> points;
};

class CWTRRoute {
public:
    // The marker block and the routes; fewer than 16 trailing bytes are ignored.
    bool Read(ByteCursor& cursor);
    int count() const { return int(items.size()); }

    std::vector<WTRRouteRecord> items;
    WTRMarker marker;
};
