#pragma once
// The record of one plant, loaded from its item file. It is also the unit of the plant group's
// item cache file, so its layout is fixed: little-endian, texts UTF-16 ending with a 0 inside
// their field. The web pages of a plant (Blog%d, Link%d) are read when needed, never held here.
#include <cstddef>
#include <cstdint>
#include <type_traits>

struct PlantItemRecord {
    static constexpr std::size_t kSize = 648;
    static constexpr int kPathWidth = 260;
    static constexpr int kNameWidth = 16;
    static constexpr int kName2Width = 32;
    static constexpr int kClassWidth = 16;

    char16_t path[kPathWidth];   // full path of the item file; its identity in the cache
    char16_t Name[kNameWidth];   // required
    char16_t Name2[kName2Width];
    char16_t Class[kClassWidth]; // family
};

static_assert(std::is_trivially_copyable_v<PlantItemRecord>);
static_assert(std::is_standard_layout_v<PlantItemRecord>);
static_assert(sizeof(PlantItemRecord) == PlantItemRecord::kSize);
static_assert(offsetof(PlantItemRecord, path) == 0);
static_assert(offsetof(PlantItemRecord, Name) == 520);
static_assert(offsetof(PlantItemRecord, Name2) == 552);
static_assert(offsetof(PlantItemRecord, Class) == 616);
