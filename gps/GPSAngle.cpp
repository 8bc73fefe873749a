#include "gps/GPSAngle.h"

#include <cmath>

int32_t GPSAngle::FromDegrees(double degrees)
{
    const double units = degrees * kFullCircleUnits / kFullCircleDegrees;
    // Out-of-range or NaN input must not reach the undefined double-to-integer conversion.
    constexpr double kInt64Range = 9.0e18;
    if (!std::isfinite(units) || std::fabs(units) >= kInt64Range)
        return 0;
    const int64_t whole = static_cast<int64_t>(units);
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(whole)));
}

double GPSAngle::ToDegrees(int32_t value)
{
    return static_cast<double>(value) * kFullCircleDegrees / kFullCircleUnits;
}
