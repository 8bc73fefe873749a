#pragma once
// Single-precision heights and depths of the eTrex formats (EVO, WTR). A missing value is one
// of two bit patterns; the system writes the first. The bits are kept as read, so a value
// passes through a load and a save unchanged.
#include <bit>
#include <cmath>
#include <cstdint>

namespace gps {

constexpr uint32_t kUndefinedFloatBits = 0x69045951;      // 1.0e25, written
constexpr uint32_t kOtherUndefinedFloatBits = 0x69030681; // 9.9e24, read as the same

constexpr bool IsUndefinedFloat(uint32_t bits)
{
    return bits == kUndefinedFloatBits || bits == kOtherUndefinedFloatBits;
}

inline float FloatOfBits(uint32_t bits) { return std::bit_cast<float>(bits); }
inline uint32_t BitsOfFloat(float value) { return std::bit_cast<uint32_t>(value); }

// The metres a stored height hands out: 0 for a missing or non-finite value.
inline double HeightOfBits(uint32_t bits)
{
    const float value = FloatOfBits(bits);
    return IsUndefinedFloat(bits) || !std::isfinite(value) ? 0.0 : double(value);
}

} // namespace gps
