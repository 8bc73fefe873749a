#pragma once
// The list-page writer and the walk report writers, each with a fuzzed template.
#include "FuzzTarget.h"

namespace fuzz {

std::string ListTemplate(Bytes input);
std::string WalkReports(Bytes input);

} // namespace fuzz
