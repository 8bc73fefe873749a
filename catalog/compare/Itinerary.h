#pragma once
// A hiking companion's itinerary beside the peak group: the companion visit code of a trip's
// date, the peaks visited with the companion on that date, and the appending of a trip to the
// companion's own file.
#include <QHash>
#include <QString>
#include <QStringView>

class CGroupTalvane;
struct HikingMate;

namespace itinerary {

// The companion's file keeps its trips in this section.
inline constexpr char16_t kHikingSection[] = u"Hiking";

// companion * 10000000 + year * 10000 + month * 100 + day for the date ParseDateText reads in
// dateText; 0 when it rejects the text, the date does not fit a code or the companion is none
// of the table's.
int TripVisitCode(int companion, QStringView dateText);

// The names of the group's peaks whose companion visits hold code, in item order, each once,
// joined with ","; empty for a code of 0.
QString NamesOnTrip(const CGroupTalvane& group, int code);

// NamesOnTrip for every code of one companion held by any peak, in one pass over the peaks.
QHash<int, QString> NamesByTripCode(const CGroupTalvane& group, int companion);

// Appends a trip to the companion's file, [Hiking]: the trip text under the first entry key
// (keyTitle followed by n, n from 1) that is empty and whose link key is empty too, the link
// under the link key of the same n. Nothing is written, and the result is false, when the two
// key prefixes name the same keys (the link would overwrite the trip), when no such n up to
// HikingEntry::kMaxEntries is left, or when a write fails (a trip whose link could not be
// written is cleared again). *number receives n on success.
bool AppendTrip(const HikingMate& mate, const QString& trip, const QString& link,
                int* number = nullptr);

} // namespace itinerary
