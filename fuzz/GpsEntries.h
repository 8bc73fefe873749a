#pragma once
// The seven GPS formats: the input becomes a file with the format's extension, opened through
// the manager, and whatever opens is read in every way the program reads it, inspected,
// copied, converted, saved and opened again.
#include "FuzzTarget.h"

namespace fuzz {

std::string GpsGpx(Bytes input);
std::string GpsKml(Bytes input);
std::string GpsGdb(Bytes input);
std::string GpsMps(Bytes input);
std::string GpsEvo(Bytes input);
std::string GpsWtr(Bytes input);
std::string GpsGtm(Bytes input);

} // namespace fuzz
