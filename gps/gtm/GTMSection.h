#pragma once
// Reading and writing of the counted sections of GPS TrackMaker files. A section is a header
// count of records, each with fixed fields and strings; a string is an int16 length and that
// many bytes in the ANSI code page, without terminator (length 0: no string).
#include "gps/ByteCursor.h"

#include <QByteArray>
#include <QByteArrayView>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <new>
#include <vector>

namespace gps::gtm {

// The longest string the int16 length can say.
constexpr qsizetype kMaxStringLength = INT16_MAX;
// Bytes of the fixed-width names of waypoints and route points: space-padded, no terminator.
constexpr size_t kNameSize = 10;
using NameField = std::array<char, kNameSize>;

// The height that marks an unknown height (what gpsbabel writes and reads back as unknown).
constexpr float kUnknownHeight = -10000000.0f;
// Dates count seconds from 1989-12-31 00:00 UTC: this many seconds after 1970-01-01.
constexpr int64_t kEpochUnixSeconds = 631065600;

// A height as handed out: 0, like an undefined height of the other formats, for the unknown
// height and for what is no number.
inline double HeightOf(float height)
{
    return height == kUnknownHeight || !std::isfinite(height) ? 0.0 : double(height);
}

// A height in metres as the float field holds it; 0 for what the field cannot hold.
inline float HeightField(double height)
{
    const double largest = std::numeric_limits<float>::max();
    return std::isfinite(height) && std::fabs(height) <= largest ? float(height) : 0.0f;
}

// Seconds since 1970 UTC of a date; 0 (no time) for a date of 0 or before and for one that
// 32 bits of Unix time cannot hold.
inline int32_t UnixTimeOf(int32_t date)
{
    const int64_t seconds = kEpochUnixSeconds + date;
    return date <= 0 || seconds > INT32_MAX ? 0 : int32_t(seconds);
}

inline bool ReadString(ByteCursor& cursor, QByteArray* text) { return cursor.ReadLengthString(text); }

// The string cut to what its length can say, at an ANSI character boundary.
void WriteString(ByteWriter& out, QByteArrayView text);

// The name of a fixed-width field: up to its first zero byte, without trailing spaces.
QByteArrayView NameText(const NameField& field);
// The text cut to the field at an ANSI character boundary and padded with spaces.
NameField MakeName(QByteArrayView text);

// Reads count records of a section. The count must not be negative, and count records of the
// smallest size must fit in the bytes left, before anything is allocated: a damaged count
// fails here instead of asking for gigabytes.
template <class Record>
bool ReadSection(ByteCursor& cursor, int32_t count, std::vector<Record>* records)
{
    records->clear();
    if (count < 0 || uint64_t(count) * Record::kMinSize > cursor.remaining())
        return false;
    try {
        records->resize(size_t(count));
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (Record& record : *records) {
        if (!record.Parse(cursor))
            return false;
    }
    return true;
}

template <class Record>
void WriteSection(ByteWriter& out, const std::vector<Record>& records)
{
    for (const Record& record : records)
        record.Write(out);
}

} // namespace gps::gtm
