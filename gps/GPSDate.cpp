#include "gps/GPSDate.h"

#include <QDate>

namespace gps {
namespace {

constexpr int64_t kSecondsPerMinute = 60;
constexpr int64_t kSecondsPerHour = 3600;
constexpr int64_t kSecondsPerDay = 86400;
constexpr int kHoursPerDay = 24;
constexpr int kZoneHours = 8; // Taiwan
constexpr int64_t kZoneShift = kZoneHours * kSecondsPerHour;
const QDate kUnixEpoch(1970, 1, 1);
const QDate kCountStart1990(1990, 1, 1);
const QDate kGTMEpoch(1989, 12, 31); // GPS TrackMaker counts from here, both ways
constexpr int kLastYear = 2100; // conversions end before this year
constexpr int kCodeWTR = 101, kCodeEVO = 102, kCodeMPS = 103, kCodeGDB = 104, kCodeGTM = 105;

// The day from which SecondsToLocalTime counts, after its per-format day correction.
QDate CountStart(int code)
{
    if (code == kCodeGTM)
        return kGTMEpoch;
    return code == kCodeMPS || code == kCodeGDB ? kUnixEpoch : kCountStart1990;
}

int64_t DayCorrection(int code, int64_t days)
{
    if ((code == kCodeWTR || code == kCodeEVO) && days > 0)
        return days - 1;
    return days;
}

// The day that LocalTimeToSeconds counts from.
QDate InverseStart(int code)
{
    switch (code) {
    case kCodeWTR:
    case kCodeEVO: return kCountStart1990.addDays(-1);
    case kCodeMPS:
    case kCodeGDB: return kUnixEpoch;
    case kCodeGTM: return kGTMEpoch;
    default: return kCountStart1990;
    }
}

QDate DateOf(const GPSDate& date) { return QDate(date.year, date.month, date.day); }

int64_t TimeOfDay(const GPSDate& date)
{
    return date.hour * kSecondsPerHour + date.minute * kSecondsPerMinute + date.second;
}

} // namespace

bool SecondsToLocalTime(uint32_t seconds, GPSDate* date, int formatCode, bool addEightHours)
{
    *date = GPSDate();
    int hour = int(seconds / kSecondsPerHour % kHoursPerDay);
    int64_t days = seconds / kSecondsPerDay;
    if (addEightHours && (hour += kZoneHours) >= kHoursPerDay) {
        hour -= kHoursPerDay;
        ++days;
    }
    const QDate day = CountStart(formatCode).addDays(DayCorrection(formatCode, days));
    if (day.year() >= kLastYear)
        return true;
    date->year = uint16_t(day.year());
    date->month = uint16_t(day.month());
    date->day = uint16_t(day.day());
    date->hour = uint16_t(hour);
    date->minute = uint16_t(seconds / kSecondsPerMinute % 60);
    date->second = uint16_t(seconds % kSecondsPerMinute);
    return true;
}

bool LocalTimeToSeconds(const GPSDate& date, int64_t* seconds, int formatCode)
{
    const QDate day = DateOf(date);
    if (!day.isValid())
        return false;
    *seconds = InverseStart(formatCode).daysTo(day) * kSecondsPerDay + TimeOfDay(date) - kZoneShift;
    return true;
}

bool LocalTimeToUnixTime(const GPSDate& date, int64_t* seconds)
{
    const QDate day = DateOf(date);
    if (!day.isValid())
        return false;
    *seconds = kUnixEpoch.daysTo(day) * kSecondsPerDay + TimeOfDay(date);
    return true;
}

} // namespace gps

int32_t gps::UnixTimeOfEVOStamp(uint32_t stamp)
{
    constexpr int64_t kEVOEpochUnix = 631065600; // 1989-12-31 00:00 UTC
    const int64_t unix = int64_t(stamp) + kEVOEpochUnix;
    if (stamp == 0 || stamp == kInvalidTimeStamp || unix > INT32_MAX)
        return 0;
    return int32_t(unix);
}
