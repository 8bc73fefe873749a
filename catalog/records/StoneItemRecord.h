#pragma once
// The record of one survey stone, loaded from its item file. It is also the unit of the stone
// group's item cache file, so its layout is fixed: little-endian, texts UTF-16 ending with a 0
// inside their field, the visit list of at most kMaxCodes entries ended by 0 unless full.
#include <cstddef>
#include <cstdint>
#include <type_traits>

struct StoneItemRecord {
    static constexpr std::size_t kSize = 832;
    static constexpr int kPathWidth = 260;
    static constexpr int kNameWidth = 16;
    static constexpr int kStoneWidth = 16;
    static constexpr int kStoneStatusWidth = 4;
    static constexpr int kRegionWidth = 16;
    static constexpr int kWaypointWidth = 16;
    static constexpr int kMaxCodes = 30;
    static constexpr int kPaddingBytes = 4;

    char16_t path[kPathWidth];          // full path of the item file; its identity in the cache
    char16_t Name[kNameWidth];          // name of the place (optional)
    int32_t Height;                     // metres
    char16_t Stone[kStoneWidth];        // stone number text; required
    char16_t StoneAlias[kStoneWidth];   // another number of the same stone
    char16_t StoneStatus[kStoneStatusWidth];
    char16_t Region[kRegionWidth];
    int32_t Visits[kMaxCodes];          // walk numbers, newest first
    char16_t Waypoint[kWaypointWidth];  // waypoint name in the group's GPS file
    unsigned char padding[kPaddingBytes]; // zero
    double Longitude;                   // degrees
    double Attitude;                    // latitude, degrees
};

static_assert(std::is_trivially_copyable_v<StoneItemRecord>);
static_assert(std::is_standard_layout_v<StoneItemRecord>);
static_assert(sizeof(StoneItemRecord) == StoneItemRecord::kSize);
static_assert(offsetof(StoneItemRecord, path) == 0);
static_assert(offsetof(StoneItemRecord, Name) == 520);
static_assert(offsetof(StoneItemRecord, Height) == 552);
static_assert(offsetof(StoneItemRecord, Stone) == 556);
static_assert(offsetof(StoneItemRecord, StoneAlias) == 588);
static_assert(offsetof(StoneItemRecord, StoneStatus) == 620);
static_assert(offsetof(StoneItemRecord, Region) == 628);
static_assert(offsetof(StoneItemRecord, Visits) == 660);
static_assert(offsetof(StoneItemRecord, Waypoint) == 780);
static_assert(offsetof(StoneItemRecord, padding) == 812);
static_assert(offsetof(StoneItemRecord, Longitude) == 816);
static_assert(offsetof(StoneItemRecord, Attitude) == 824);
