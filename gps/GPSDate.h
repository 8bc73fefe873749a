#pragma once
// Conversions between the time stamps of the GPS formats and calendar dates. Formats 101 (WTR)
// and 102 (EVO) count seconds from 1989-12-31, 103 (MPS) and 104 (GDB) from 1970-01-01 UTC and
// 105 (GTM) from 1989-12-31 00:00 UTC (exactly, both ways).
#include <cstdint>

struct GPSDate {
    uint16_t year = 0;
    uint16_t month = 0; // 1 to 12
    uint16_t dayOfWeek = 0; // always 0
    uint16_t day = 0;   // 1 to 31
    uint16_t hour = 0;
    uint16_t minute = 0;
    uint16_t second = 0;
    uint16_t milliseconds = 0; // always 0
};

namespace gps {

constexpr uint32_t kInvalidTimeStamp = 0xFFFFFFFF;

// Seconds since 1970-01-01 UTC of an EVO or WTR time stamp (seconds since 1989-12-31 00:00
// UTC); 0 for 0, the invalid stamp, or a time that int32 cannot hold.
int32_t UnixTimeOfEVOStamp(uint32_t stamp);

// The date of a time stamp of the given format, optionally shifted by the eight hours of
// Taiwan's time zone. Dates from the year 2100 on are left cleared.
bool SecondsToLocalTime(uint32_t seconds, GPSDate* date, int formatCode, bool addEightHours);
// The inverse for every format with the eight hours removed.
bool LocalTimeToSeconds(const GPSDate& date, int64_t* seconds, int formatCode);
// Seconds from 1970-01-01 00:00 to the date, with no zone shift.
bool LocalTimeToUnixTime(const GPSDate& date, int64_t* seconds);

} // namespace gps
