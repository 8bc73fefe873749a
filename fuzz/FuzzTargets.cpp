#include "FuzzTarget.h"

#include "CacheEntries.h"
#include "GpsEntries.h"
#include "IniEntries.h"
#include "PageEntries.h"
#include "WriterEntries.h"

namespace fuzz {

namespace {

constexpr Target kTargets[] = {
    {"gps_gpx", GpsGpx},
    {"gps_kml", GpsKml},
    {"gps_gdb", GpsGdb},
    {"gps_mps", GpsMps},
    {"gps_evo", GpsEvo},
    {"gps_wtr", GpsWtr},
    {"gps_gtm", GpsGtm},
    {"ini_document", IniDocumentEntry},
    {"numbered_keys", NumberedKeys},
    {"cache_talvane", CacheTalvane},
    {"cache_stone", CacheStone},
    {"cache_trail", CacheTrail},
    {"cache_waterfall", CacheWaterfall},
    {"cache_plant", CachePlant},
    {"walk_index_page", WalkIndexPage},
    {"atlas_page", AtlasPage},
    {"list_template", ListTemplate},
    {"walk_reports", WalkReports},
};

} // namespace

std::span<const Target> Targets()
{
    return kTargets;
}

const Target* FindTarget(std::string_view name)
{
    for (const Target& target : kTargets) {
        if (target.name == name)
            return &target;
    }
    return nullptr;
}

} // namespace fuzz
