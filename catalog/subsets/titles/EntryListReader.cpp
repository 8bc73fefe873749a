// Reading peak lists from the settings file and matching peaks to their entries.
#include "catalog/subsets/titles/EntryListReader.h"

#include "catalog/records/RecordText.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "platform/Profile.h"

namespace {

constexpr int kTitleNumberedKeys = 15;
constexpr int kTitleMaxEntries = 180;
constexpr int kTalvanesNumberedKeys = 12;
constexpr int kTalvanesMaxEntries = 200;

// The text of a bracketed part starting at open ("(" at open, ")" first found at or after it);
// false when there is no ")" or nothing between the brackets.
bool BracketedPart(const QString& entry, qsizetype open, QString* part)
{
    const qsizetype close = entry.indexOf(u')', open);
    if (close < 0 || close <= open + 1)
        return false;
    *part = entry.mid(open + 1, close - open - 1);
    return true;
}

// The rule for an entry that is more than the peak's name: "name(region)" and, optionally,
// a stone part in a second pair of brackets.
bool MatchesQualifiedEntry(const TalvaneItemRecord& record, const QString& name,
                           const QString& entry)
{
    const qsizetype open = entry.indexOf(u'(');
    if (open < 0 || name.size() != open || !entry.startsWith(name))
        return false;
    const qsizetype close = entry.indexOf(u')');
    if (close < 0 || close <= open + 1)
        return false;
    if (!FieldText(record.Region).contains(entry.mid(open + 1, close - open - 1)))
        return false;
    const qsizetype stoneOpen = entry.indexOf(u'(', close);
    QString stone;
    if (stoneOpen < 0 || !BracketedPart(entry, stoneOpen, &stone))
        return true;
    return FieldText(record.Stone).contains(stone);
}

} // namespace

EntryListReader EntryListReader::Titles()
{
    return {QStringLiteral("Title"), kTitleNumberedKeys, kTitleMaxEntries};
}

EntryListReader EntryListReader::Talvanes()
{
    return {QStringLiteral("Talvanes"), kTalvanesNumberedKeys, kTalvanesMaxEntries};
}

int EntryListReader::Read(const QString& settingsFile, const QString& key,
                          QStringList* entries) const
{
    QString text = platform::GetProfileString(settingsFile, section, key);
    if (text.isEmpty()) {
        QStringList parts;
        for (int n = 1; n <= numberedKeys; ++n) {
            const QString part =
                platform::GetProfileString(settingsFile, section, key + QString::number(n));
            if (part.isEmpty())
                break;
            parts << part;
        }
        text = parts.join(u',');
    }
    QStringList pieces;
    const int count = SplitList(text, &pieces, maxEntries);
    if (entries)
        *entries = pieces;
    return count;
}

bool MatchItemToEntries(const TalvaneItemRecord& record, int count, const QStringList& entries,
                        int* entry)
{
    const QString name = FieldText(record.Name);
    const int n = qMin(count, int(entries.size()));
    for (int e = 0; e < n; ++e) {
        if (entries[e] == name || MatchesQualifiedEntry(record, name, entries[e])) {
            if (entry)
                *entry = e;
            return true;
        }
    }
    return false;
}
