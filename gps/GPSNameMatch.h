#pragma once
// Name look-ups shared by the waypoint and track sets: exact, case-sensitive comparisons of
// the names in wide exchange records.
#include "gps/GPSText.h"

#include <QStringView>
#include <cstdint>
#include <vector>

namespace gps {

// The name without its trailing digits '0' to '9' ("Peak12" gives "Peak").
QStringView BaseNameOf(QStringView name);

// Whether text mentions name: its first occurrence in text is not followed by a digit from
// '2' to '9' (so "Trail1 junction" mentions Trail, "Trail2 junction" does not). An empty name
// mentions nothing.
bool MentionsName(QStringView text, QStringView name);

template <typename Record> QStringView NameOf(const Record& record)
{
    return FieldText(record.name, Record::kNameSize);
}

// First record whose whole name equals text; -1 for an empty text or no match.
template <typename Record> int FindRecordByName(const std::vector<Record>& items, QStringView text)
{
    if (text.isEmpty())
        return -1;
    for (size_t i = 0; i < items.size(); ++i) {
        if (NameOf(items[i]) == text)
            return int(i);
    }
    return -1;
}

// The last free record (used flag 0) whose base name equals text; *matches (when given)
// counts the free records that match. -1 for an empty text or no match.
template <typename Record>
int FindRecordByBaseName(const std::vector<Record>& items, const std::vector<uint8_t>& used, QStringView text,
                         int* matches)
{
    if (matches)
        *matches = 0;
    if (text.isEmpty())
        return -1;
    int result = -1;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i < used.size() && used[i])
            continue;
        if (BaseNameOf(NameOf(items[i])) == text) {
            if (matches)
                ++*matches;
            result = int(i);
        }
    }
    return result;
}

} // namespace gps
