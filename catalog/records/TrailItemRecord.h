#pragma once
// The record of one trail or old trail, loaded from its item file. It is also the unit of the
// trail groups' item cache files, so its layout is fixed: little-endian, texts UTF-16 ending
// with a 0 inside their field, code lists of at most kMaxCodes entries ended by 0 unless full.
#include <cstddef>
#include <cstdint>
#include <type_traits>

struct TrailItemRecord {
    static constexpr std::size_t kSize = 1012;
    static constexpr int kPathWidth = 260;
    static constexpr int kNameWidth = 16;
    static constexpr int kName2Width = 16;
    static constexpr int kRegionWidth = 16;
    static constexpr int kTrackWidth = 16;
    static constexpr int kMaxCodes = 30;

    char16_t path[kPathWidth];          // full path of the item file; its identity in the cache
    char16_t Name[kNameWidth];          // required
    char16_t Name2[kName2Width];
    int32_t Length;                     // metres
    char16_t Region[kRegionWidth];
    int32_t Visits[kMaxCodes];          // walk numbers, newest first
    int32_t AtlasRefs[kMaxCodes];       // atlas codes in the order the reader gives them
    int32_t MateVisits[kMaxCodes];      // companion visit codes; never read from the file
    char16_t Track[kTrackWidth];        // track name in the all-in-one GPS file
};

static_assert(std::is_trivially_copyable_v<TrailItemRecord>);
static_assert(std::is_standard_layout_v<TrailItemRecord>);
static_assert(sizeof(TrailItemRecord) == TrailItemRecord::kSize);
static_assert(offsetof(TrailItemRecord, path) == 0);
static_assert(offsetof(TrailItemRecord, Name) == 520);
static_assert(offsetof(TrailItemRecord, Name2) == 552);
static_assert(offsetof(TrailItemRecord, Length) == 584);
static_assert(offsetof(TrailItemRecord, Region) == 588);
static_assert(offsetof(TrailItemRecord, Visits) == 620);
static_assert(offsetof(TrailItemRecord, AtlasRefs) == 740);
static_assert(offsetof(TrailItemRecord, MateVisits) == 860);
static_assert(offsetof(TrailItemRecord, Track) == 980);
