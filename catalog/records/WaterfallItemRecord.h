#pragma once
// The record of one waterfall, loaded from its item file. It is also the unit of the waterfall
// group's item cache file, so its layout is fixed: little-endian, texts UTF-16 ending with a 0
// inside their field, the visit list of at most kMaxCodes entries ended by 0 unless full.
#include <cstddef>
#include <cstdint>
#include <type_traits>

struct WaterfallItemRecord {
    static constexpr std::size_t kSize = 824;
    static constexpr int kPathWidth = 260;
    static constexpr int kNameWidth = 16;
    static constexpr int kName2Width = 32;
    static constexpr int kRegionWidth = 16;
    static constexpr int kWaypointWidth = 16;
    static constexpr int kMaxCodes = 30;
    static constexpr int kPaddingBytes = 4;

    char16_t path[kPathWidth];          // full path of the item file; its identity in the cache
    char16_t Name[kNameWidth];          // required
    char16_t Name2[kName2Width];
    int32_t Height;                     // metres
    char16_t Region[kRegionWidth];
    int32_t Visits[kMaxCodes];          // walk numbers, newest first
    char16_t Waypoint[kWaypointWidth];  // waypoint name in the group's GPS file
    unsigned char padding[kPaddingBytes]; // zero
    double Longitude;                   // degrees
    double Attitude;                    // latitude, degrees
};

static_assert(std::is_trivially_copyable_v<WaterfallItemRecord>);
static_assert(std::is_standard_layout_v<WaterfallItemRecord>);
static_assert(sizeof(WaterfallItemRecord) == WaterfallItemRecord::kSize);
static_assert(offsetof(WaterfallItemRecord, path) == 0);
static_assert(offsetof(WaterfallItemRecord, Name) == 520);
static_assert(offsetof(WaterfallItemRecord, Name2) == 552);
static_assert(offsetof(WaterfallItemRecord, Height) == 616);
static_assert(offsetof(WaterfallItemRecord, Region) == 620);
static_assert(offsetof(WaterfallItemRecord, Visits) == 652);
static_assert(offsetof(WaterfallItemRecord, Waypoint) == 772);
static_assert(offsetof(WaterfallItemRecord, padding) == 804);
static_assert(offsetof(WaterfallItemRecord, Longitude) == 808);
static_assert(offsetof(WaterfallItemRecord, Attitude) == 816);
