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

// Appends a trip to the companion's file, [Hiking]: the trip text under the entry key
// (keyTitle followed by n) and the link under the link key of the n that ReadNumberedKeyPairs
// looks for next, one past the trips it reads, so that the trip is read. Nothing is written, and
// the result is false, when the two key prefixes name the same keys (the link would overwrite
// the trip), when the trip text does not parse, when the itinerary is full, when the write fails
// or when the reader would not read the trip there; in the last case *unreadableKey (when
// given) receives the key to mend first: the one at which the reader stops (a trip text it
// cannot read, a link key missing after a trip) or the entry key of n when that holds text out
// of the reader's order. No key that holds text is written over. *number receives n on success.
bool AppendTrip(const HikingMate& mate, const QString& trip, const QString& link,
                int* number = nullptr, QString* unreadableKey = nullptr);

} // namespace itinerary
