#pragma once
// Format-neutral exchange records through which every GPS format hands out its waypoints and
// tracks. Longitude comes before latitude; both are GPSAngle values (see GPSAngle.h).
#include <cstddef>
#include <cstdint>
#include <memory>

struct GPSWayPointRecord {
    static constexpr int kNameSize = 64;
    static constexpr int kCommentSize = 128;

    char name[kNameSize];
    int32_t longitude;
    int32_t latitude;
    double altitude; // metres
    char comment[kCommentSize];
};
static_assert(sizeof(GPSWayPointRecord) == 208);

struct GPSWayPointRecordW {
    static constexpr int kNameSize = 64;
    static constexpr int kCommentSize = 128;

    char16_t name[kNameSize];
    int32_t longitude;
    int32_t latitude;
    double altitude; // metres
    char16_t comment[kCommentSize];
};
static_assert(sizeof(GPSWayPointRecordW) == 400);
static_assert(offsetof(GPSWayPointRecordW, longitude) == 128);
static_assert(offsetof(GPSWayPointRecordW, altitude) == 136);
static_assert(offsetof(GPSWayPointRecordW, comment) == 144);

struct GPSTrackRecord {
    static constexpr int kNameSize = 32;

    char name[kNameSize];
    int32_t pointCount;
    int32_t reserved; // always 0
};
static_assert(sizeof(GPSTrackRecord) == 40);

struct GPSTrackRecordW {
    static constexpr int kNameSize = 32;

    char16_t name[kNameSize];
    int32_t pointCount;
    int32_t reserved; // always 0
};
static_assert(sizeof(GPSTrackRecordW) == 72);

struct GPSTrackPoint {
    int32_t longitude;
    int32_t latitude;
    double altitude; // metres
    int32_t time;    // seconds since 1970-01-01 00:00 UTC
};
static_assert(sizeof(GPSTrackPoint) == 24);

// The points of one track. The point array belongs to the list and is freed with it.
struct GPSTrackPointList {
    static constexpr int kNameSize = 32;

    char name[kNameSize] = {};
    int32_t count = 0;
    std::unique_ptr<GPSTrackPoint[]> points;
};
