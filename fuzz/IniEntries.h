#pragma once
// The INI document and the scanners of numbered keys.
#include "FuzzTarget.h"

namespace fuzz {

std::string IniDocumentEntry(Bytes input);
std::string NumberedKeys(Bytes input);

} // namespace fuzz
