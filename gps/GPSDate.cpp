#include "gps/GPSDate.h"

#include <QDate>

namespace gps {
namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kZoneShift = 8 * 3600;
constexpr int kLastYear = 2100; // conversions end before this year
constexpr int kCodeWTR = 101, kCodeEVO = 102, kCodeMPS = 103, kCodeGDB = 104, kCodeGTM = 105;

// The day from which SecondsToLocalTime counts, after its per-format day correction.
QDate CountStart(int code)
{
    return code == kCodeMPS || code == kCodeGDB ? QDate(1970, 1, 1) : QDate(1990, 1, 1);
}

int64_t DayCorrection(int code, int64_t days)
{
    if ((code == kCodeWTR || code == kCodeEVO) && days > 0)
        return days - 1;
    if (code == kCodeGTM && days > 1)
        return days - 2;
    return days;
}

// The day that LocalTimeToSeconds counts from.
QDate InverseStart(int code)
{
    switch (code) {
    case kCodeWTR:
    case kCodeEVO: return QDate(1989, 12, 31);
    case kCodeMPS:
    case kCodeGDB: return QDate(1970, 1, 1);
    case kCodeGTM: return QDate(1989, 12, 29);
    default: return QDate(1990, 1, 1);
    }
}

QDate DateOf(const GPSDate& date) { return QDate(date.year, date.month, date.day); }

int64_t TimeOfDay(const GPSDate& date) { return date.hour * 3600 + date.minute * 60 + date.second; }

} // namespace

bool SecondsToLocalTime(uint32_t seconds, GPSDate* date, int formatCode, bool addEightHours)
{
    *date = GPSDate();
    int hour = int(seconds / 3600 % 24);
    int64_t days = seconds / kSecondsPerDay;
    if (addEightHours && (hour += 8) > 23) {
        hour -= 24;
        ++days;
    }
    const QDate day = CountStart(formatCode).addDays(DayCorrection(formatCode, days));
    if (day.year() >= kLastYear)
        return true;
    date->year = uint16_t(day.year());
    date->month = uint16_t(day.month());
    date->day = uint16_t(day.day());
    date->hour = uint16_t(hour);
    date->minute = uint16_t(seconds / 60 % 60);
    date->second = uint16_t(seconds % 60);
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
    *seconds = QDate(1970, 1, 1).daysTo(day) * kSecondsPerDay + TimeOfDay(date);
    return true;
}

} // namespace gps
