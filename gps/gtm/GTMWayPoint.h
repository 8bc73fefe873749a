#pragma once
// The waypoints of a GPS TrackMaker file: position in degrees, a 10-byte space-padded name,
// a comment and an icon of GPS TrackMaker's symbol set.
#include "gps/ByteCursor.h"
#include "gps/gtm/GTMSection.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

class CMPSChunkWayPoint;

struct GTMWayPointEntry {
    static constexpr size_t kFixedSize = 15; // after the comment
    static constexpr size_t kMinSize = 8 + 8 + gps::gtm::kNameSize + 2 + kFixedSize;
    // The icon of a converted waypoint whose MPS symbol has no GPS TrackMaker twin: "Waypoint".
    static constexpr int16_t kDefaultIcon = 48;

    bool Parse(ByteCursor& cursor);
    void Write(ByteWriter& out) const;
    // The name without its padding.
    QByteArrayView NameText() const { return gps::gtm::NameText(Name); }

    // A waypoint converted from an MPS one (texts stay in the ANSI code page).
    static GTMWayPointEntry ConvertFromMPS(const CMPSChunkWayPoint& source);
    static int16_t IconFromMPS(int16_t mpsSymbol);
    static uint8_t DisplayFromMPS(int32_t display);

    double Latitude = 0;
    double Longitude = 0;
    gps::gtm::NameField Name{};
    QByteArray Comment;
    int16_t Icon = 0; // index into the GPS TrackMaker symbol names
    uint8_t Display = 0;
    int32_t Date = 0;
    int16_t RotateX10 = 0;
    float Height = 0;
    int16_t wlayer = 0;
};

class CGTMWayPoint {
public:
    bool Read(ByteCursor& cursor, int32_t count);
    // The waypoints whose name starts with a byte of 0x80 or above first, then the others,
    // each in list order.
    void Write(ByteWriter& out) const;
    int count() const { return int(items.size()); }

    std::vector<GTMWayPointEntry> items;
};
