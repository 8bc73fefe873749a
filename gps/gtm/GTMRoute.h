#pragma once
// The route points of a GPS TrackMaker file: carried as read; a point whose NewRoute is set
// starts a route.
#include "gps/ByteCursor.h"
#include "gps/gtm/GTMSection.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

struct GTMRoutePoint {
    static constexpr size_t kFixedSize = 16; // after the route name
    static constexpr size_t kMinSize = 8 + 8 + gps::gtm::kNameSize + 2 + 2 + kFixedSize;

    bool Parse(ByteCursor& cursor);
    void Write(ByteWriter& out) const;

    double Latitude = 0;
    double Longitude = 0;
    gps::gtm::NameField Name{};
    QByteArray Comment;
    QByteArray RouteName;
    int16_t Icon = 0;
    uint8_t Display = 0;
    uint8_t NewRoute = 0;
    int32_t Date = 0;
    int16_t RotateX10 = 0;
    float Height = 0;
    int16_t wlayer = 0;
};

class CGTMRoute {
public:
    // Reads the points and counts the routes.
    bool Read(ByteCursor& cursor, int32_t count);
    void Write(ByteWriter& out) const;
    int count() const { return int(items.size()); }
    int routeCount() const { return routeCount_; }

    std::vector<GTMRoutePoint> items;

private:
    int routeCount_ = 0;
};
