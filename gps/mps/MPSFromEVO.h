#pragma once
// Values of an eTrex Vista (EVO) file as an MPS record holds them.
#include "gps/GPSFloat.h"

#include <cmath>

#include <cstdint>

namespace gps::mps {

// An MPS double with its defined byte from an EVO float: a missing pattern or a value that is
// not finite becomes a clear byte in front of 1.0e25, as an eTrex conversion leaves it.
inline void ValueOfFloatBits(uint32_t bits, uint8_t* defined, double* value)
{
    const float stored = FloatOfBits(bits);
    const bool present = !IsUndefinedFloat(bits) && std::isfinite(stored);
    *defined = present ? 1 : 0;
    *value = double(present ? stored : FloatOfBits(kUndefinedFloatBits));
}

} // namespace gps::mps
