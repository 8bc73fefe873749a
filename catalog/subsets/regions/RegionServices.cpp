// The region services: comma lists, regions, member words and display-name conversions.
#include "catalog/subsets/regions/RegionServices.h"

#include "catalog/GroupTable.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "platform/Profile.h"

namespace {

const QString kRegionSection = QStringLiteral("Region");

// [Region] key of the main settings file split into at most limit pieces.
int ReadRegionValue(const QString& key, QStringList* pieces, int limit)
{
    const QString value = platform::GetProfileString(MainSettingsPath(), kRegionSection, key);
    return SplitList(value, pieces, limit);
}

} // namespace

int SplitList(QStringView text, QStringList* pieces, int limit)
{
    if (!pieces)
        return 0;
    pieces->clear();
    while (!text.isEmpty() && pieces->size() < limit) {
        const qsizetype comma = text.indexOf(u',');
        if (comma > 0) {
            pieces->append(text.first(comma).toString());
            text = text.mid(comma + 1);
        } else {
            pieces->append(text.toString());
            text = {};
        }
    }
    return int(pieces->size());
}

int ReadRegionList(QStringList* regions, int limit)
{
    return ReadRegionValue(QStringLiteral("RegionList"), regions, limit);
}

int ReadRegionMembers(const QString& region, QStringList* members)
{
    if (region.isEmpty()) {
        if (members)
            members->clear();
        return 0;
    }
    return ReadRegionValue(region, members, kMaxRegionMembers);
}

QString ConvertDisplayName(const QString& text, QString* output)
{
    const QString converted = DisplayNameConversions::Program().Apply(text);
    if (output)
        *output = converted;
    return converted;
}

bool HoldsAnyWord(const QString& text, const QStringList& words)
{
    for (const QString& word : words)
        if (!word.isEmpty() && text.contains(word))
            return true;
    return false;
}
