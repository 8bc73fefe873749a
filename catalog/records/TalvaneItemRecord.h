#pragma once
// The record of one peak, loaded from its item file. It is also the unit of the peak group's
// item cache file, so its layout is fixed: little-endian, texts UTF-16 ending with a 0 inside
// their field, code lists of at most kMaxCodes entries ended by 0 unless full.
#include <cstddef>
#include <cstdint>
#include <type_traits>

struct TalvaneItemRecord {
    static constexpr std::size_t kSize = 1280;
    static constexpr int kPathWidth = 260;
    static constexpr int kNameWidth = 16;
    static constexpr int kName2Width = 32;
    static constexpr int kStoneWidth = 16;
    static constexpr int kStoneStatusWidth = 4;
    static constexpr int kRegionWidth = 16;
    static constexpr int kWaypointWidth = 16;
    static constexpr int kMaxCodes = 30;

    char16_t path[kPathWidth];          // full path of the item file; its identity in the cache
    char16_t Name[kNameWidth];          // required
    char16_t Name2[kName2Width];        // second name or note
    int32_t Height;                     // metres
    char16_t Stone[kStoneWidth];        // survey-stone number texts
    char16_t Stone2[kStoneWidth];
    char16_t Stone3[kStoneWidth];
    char16_t StoneAlias[kStoneWidth];
    char16_t StoneAlias2[kStoneWidth];
    char16_t StoneAlias3[kStoneWidth];
    char16_t StoneStatus[kStoneStatusWidth];
    char16_t StoneStatus2[kStoneStatusWidth];
    char16_t StoneStatus3[kStoneStatusWidth];
    char16_t Region[kRegionWidth];      // region code text, possibly several separated by ","
    int32_t Visits[kMaxCodes];          // walk-report numbers, descending
    int32_t IgnoreVisit;
    int32_t AtlasRefs[kMaxCodes];       // atlas codes: kind 0 descending, then kind 1 descending
    int32_t MateVisits[kMaxCodes];      // companion visit codes, per companion descending
    char16_t Waypoint[kWaypointWidth];  // waypoint name in the group's GPS file
    double Longitude;                   // degrees east
    double Attitude;                    // latitude, degrees north
};

static_assert(std::is_trivially_copyable_v<TalvaneItemRecord>);
static_assert(std::is_standard_layout_v<TalvaneItemRecord>);
static_assert(sizeof(TalvaneItemRecord) == TalvaneItemRecord::kSize);
static_assert(offsetof(TalvaneItemRecord, path) == 0);
static_assert(offsetof(TalvaneItemRecord, Name) == 520);
static_assert(offsetof(TalvaneItemRecord, Name2) == 552);
static_assert(offsetof(TalvaneItemRecord, Height) == 616);
static_assert(offsetof(TalvaneItemRecord, Stone) == 620);
static_assert(offsetof(TalvaneItemRecord, Stone2) == 652);
static_assert(offsetof(TalvaneItemRecord, Stone3) == 684);
static_assert(offsetof(TalvaneItemRecord, StoneAlias) == 716);
static_assert(offsetof(TalvaneItemRecord, StoneAlias2) == 748);
static_assert(offsetof(TalvaneItemRecord, StoneAlias3) == 780);
static_assert(offsetof(TalvaneItemRecord, StoneStatus) == 812);
static_assert(offsetof(TalvaneItemRecord, StoneStatus2) == 820);
static_assert(offsetof(TalvaneItemRecord, StoneStatus3) == 828);
static_assert(offsetof(TalvaneItemRecord, Region) == 836);
static_assert(offsetof(TalvaneItemRecord, Visits) == 868);
static_assert(offsetof(TalvaneItemRecord, IgnoreVisit) == 988);
static_assert(offsetof(TalvaneItemRecord, AtlasRefs) == 992);
static_assert(offsetof(TalvaneItemRecord, MateVisits) == 1112);
static_assert(offsetof(TalvaneItemRecord, Waypoint) == 1232);
static_assert(offsetof(TalvaneItemRecord, Longitude) == 1264);
static_assert(offsetof(TalvaneItemRecord, Attitude) == 1272);
