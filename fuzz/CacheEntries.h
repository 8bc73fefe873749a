#pragma once
// The item cache loader, one target per record type.
#include "FuzzTarget.h"

namespace fuzz {

std::string CacheTalvane(Bytes input);
std::string CacheStone(Bytes input);
std::string CacheTrail(Bytes input);
std::string CacheWaterfall(Bytes input);
std::string CachePlant(Bytes input);

} // namespace fuzz
