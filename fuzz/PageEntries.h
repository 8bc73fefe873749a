#pragma once
// The readers of the walk index page and the atlas page.
#include "FuzzTarget.h"

namespace fuzz {

std::string WalkIndexPage(Bytes input);
std::string AtlasPage(Bytes input);

} // namespace fuzz
