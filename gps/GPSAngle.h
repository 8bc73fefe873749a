#pragma once
// The angle unit of the exchange records and of the Garmin formats: a 32-bit integer equal to
// degrees x 4294967295 / 360 (the full circle divided by 2^32 - 1, not 2^32).
#include <cstdint>

class GPSAngle {
public:
    static constexpr double kFullCircleUnits = 4294967295.0;
    static constexpr double kFullCircleDegrees = 360.0;

    // Degrees truncated toward zero to the unit; the low 32 bits are kept, so -10 degrees is
    // -119304647 and 200 degrees the bit pattern of 2386092941.
    static int32_t FromDegrees(double degrees);
    // The value read as a signed angle (-180 to 180 degrees): a west longitude or a south
    // latitude stays negative. Values from 0 to 180 degrees read as value x 360 / (2^32 - 1).
    static double ToDegrees(int32_t value);
};
