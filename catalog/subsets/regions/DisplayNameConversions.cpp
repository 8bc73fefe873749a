// The display-name conversions, read once per run.
#include "catalog/subsets/regions/DisplayNameConversions.h"

#include "catalog/GroupTable.h"
#include "platform/Profile.h"

DisplayNameConversions& DisplayNameConversions::Program()
{
    static DisplayNameConversions conversions;
    return conversions;
}

QString DisplayNameConversions::Apply(const QString& text)
{
    if (!loaded)
        Load(MainSettingsPath());
    QString result = text;
    for (const Pair& pair : pairs)
        result.replace(pair.from, pair.to);
    return result;
}

void DisplayNameConversions::Load(const QString& settingsFile)
{
    pairs.clear();
    loaded = true;
    const QString section = QStringLiteral("DisplayName");
    for (int n = 1; n <= kMaxPairs; ++n) {
        const QString value = platform::GetProfileString(
            settingsFile, section, QStringLiteral("Convert") + QString::number(n));
        if (value.isEmpty())
            break;
        const qsizetype comma = value.indexOf(u',');
        if (comma > 0)
            pairs.append(Pair{value.first(comma), value.mid(comma + 1)});
    }
}

void DisplayNameConversions::Reset()
{
    loaded = false;
    pairs.clear();
}
