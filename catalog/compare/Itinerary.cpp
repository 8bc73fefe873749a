#include "catalog/compare/Itinerary.h"

#include "catalog/compare/NumberedKeyFile.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/text/HikingEntry.h"
#include "catalog/text/TextFile.h"
#include "catalog/text/TextParsers.h"

#include <algorithm>

namespace itinerary {

namespace {

const QString kSection = QString::fromUtf16(kHikingSection);
const QString kNameSeparator = QStringLiteral(",");
const QString kNumberedKey = QStringLiteral("%d");

// The peak's codes of one companion (0 for every companion), each once, in list order.
QList<int> CodesOf(const TalvaneItemRecord& peak, int companion)
{
    QList<int> codes;
    for (int i = 0; i < TalvaneItemRecord::kMaxCodes && peak.MateVisits[i] != 0; ++i) {
        const int code = peak.MateVisits[i];
        if (code / CGroupTalvane::kMateCodeFactor == companion && !codes.contains(code))
            codes.append(code);
    }
    return codes;
}

void AppendName(QString* names, const TalvaneItemRecord& peak)
{
    if (!names->isEmpty())
        *names += kNameSeparator;
    *names += FieldText(peak.Name);
}

// The trips ReadNumberedKeyPairs reads from the companion's file text.
QList<HikingEntry> ReadTrips(const HikingMate& mate, QStringView text, QString* stoppedAt = nullptr)
{
    return ReadNumberedKeyPairsText(text, mate.keyTitle + kNumberedKey, mate.keyLink + kNumberedKey,
                                    stoppedAt);
}

bool SameTrip(const HikingEntry& a, const HikingEntry& b)
{
    return a.title == b.title && a.dateText == b.dateText && a.link == b.link;
}

bool SameTrips(const QList<HikingEntry>& a, const QList<HikingEntry>& b)
{
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(), SameTrip);
}

} // namespace

int TripVisitCode(int companion, QStringView dateText)
{
    int year = 0, month = 0, day = 0;
    if (companion < 0 || companion >= CGroupTalvane::kMaxMates ||
        !ParseDateText(dateText, &year, &month, &day))
        return 0;
    if (year < CGroupTalvane::kMinMateYear || year > CGroupTalvane::kMaxMateYear || month < 1 ||
        month > CGroupTalvane::kMaxMateMonth || day < 0 || day > CGroupTalvane::kMaxMateDay)
        return 0;
    return companion * CGroupTalvane::kMateCodeFactor + year * CGroupTalvane::kMateYearFactor +
           month * CGroupTalvane::kMateMonthFactor + day;
}

QString NamesOnTrip(const CGroupTalvane& group, int code)
{
    QString names;
    if (code <= 0)
        return names;
    const int companion = code / CGroupTalvane::kMateCodeFactor;
    for (int item = 0; item < group.ItemCount(); ++item) {
        const TalvaneItemRecord* peak = group.Record(item);
        if (peak && CodesOf(*peak, companion).contains(code))
            AppendName(&names, *peak);
    }
    return names;
}

QHash<int, QString> NamesByTripCode(const CGroupTalvane& group, int companion)
{
    QHash<int, QString> names;
    for (int item = 0; item < group.ItemCount(); ++item) {
        const TalvaneItemRecord* peak = group.Record(item);
        if (!peak)
            continue;
        for (int code : CodesOf(*peak, companion))
            AppendName(&names[code], *peak);
    }
    return names;
}

bool AppendTrip(const HikingMate& mate, const QString& trip, const QString& link, int* number,
                QString* unreadableKey)
{
    if (unreadableKey)
        unreadableKey->clear();
    // Keys match without regard to case, as the profile functions read them.
    HikingEntry added;
    if (mate.path.isEmpty() || mate.keyTitle.compare(mate.keyLink, Qt::CaseInsensitive) == 0
        || !added.ParseTrip(trip))
        return false;
    added.link = link;
    QByteArray bytes;
    if (!ReadNumberedFile(mate.path, &bytes))
        return false;
    QString stoppedAt;
    const QList<HikingEntry> read = ReadTrips(mate, DecodeUtf16File(bytes), &stoppedAt);
    if (read.size() >= HikingEntry::kMaxEntries)
        return false;
    // The number the reader looks for next: a trip under any other is never read.
    const int n = int(read.size()) + 1;
    const NumberedPair pair{kSection, mate.VisitKey(n), trip, mate.LinkKey(n), link};
    if (!IsWritablePair(pair))
        return false;
    const std::optional<QByteArray> updated = WithNumberedPair(bytes, pair);
    if (!updated || !SameTrips(ReadTrips(mate, DecodeUtf16File(*updated)), read + QList{added})) {
        // The key the reader stops at (or one that holds text out of its order) must be mended.
        if (unreadableKey)
            *unreadableKey = stoppedAt.isEmpty() ? pair.key : stoppedAt;
        return false;
    }
    if (!WriteNumberedFile(mate.path, *updated))
        return false;
    if (number)
        *number = n;
    return true;
}

} // namespace itinerary
