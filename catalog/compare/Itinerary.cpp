#include "catalog/compare/Itinerary.h"

#include "catalog/records/RecordText.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/text/HikingEntry.h"
#include "catalog/text/TextParsers.h"
#include "platform/Profile.h"

namespace itinerary {

namespace {

const QString kSection = QString::fromUtf16(kHikingSection);
const QString kNameSeparator = QStringLiteral(",");

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

bool KeyIsEmpty(const HikingMate& mate, const QString& key)
{
    return platform::GetProfileString(mate.path, kSection, key).isEmpty();
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

bool AppendTrip(const HikingMate& mate, const QString& trip, const QString& link, int* number)
{
    // Keys match without regard to case, as the profile functions read them.
    if (mate.path.isEmpty() || mate.keyTitle.compare(mate.keyLink, Qt::CaseInsensitive) == 0)
        return false;
    for (int n = 1; n <= HikingEntry::kMaxEntries; ++n) {
        const QString entryKey = mate.VisitKey(n);
        const QString linkKey = mate.LinkKey(n);
        if (!KeyIsEmpty(mate, entryKey) || !KeyIsEmpty(mate, linkKey))
            continue;
        if (!platform::WriteProfileString(mate.path, kSection, entryKey, trip))
            return false;
        if (!platform::WriteProfileString(mate.path, kSection, linkKey, link)) {
            platform::WriteProfileString(mate.path, kSection, entryKey, QString());
            return false;
        }
        if (number)
            *number = n;
        return true;
    }
    return false;
}

} // namespace itinerary
