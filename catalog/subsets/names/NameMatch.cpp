// Name tests of the same-name and name-ending subsets.
#include "catalog/subsets/names/NameMatch.h"

namespace {

constexpr QChar kMountain = u'山';
constexpr QChar kSummit = u'峰';
// A name that holds 大山 after its first character but is no 大山.
const QString kNotPostfixName = QStringLiteral("福大山");

bool AliasCounts(const QString& name, const QString& alias)
{
    const qsizetype at = name.indexOf(alias);
    if (alias.isEmpty() || at < 0)
        return false;
    return alias.endsWith(kMountain) || at + alias.size() == name.size();
}

} // namespace

bool MatchSameName(const QString& name, const QString& base, int aliasCount,
                   const QStringList& aliases)
{
    bool named = name.contains(base);
    const int n = qMin(aliasCount, int(aliases.size()));
    for (int i = 0; !named && i < n; ++i)
        named = AliasCounts(name, aliases[i]);
    return named && !name.endsWith(kSummit);
}

bool MatchPostfix(const QString& name, const QString& word)
{
    return name.indexOf(word) > 0 && !name.endsWith(kSummit) && name != kNotPostfixName;
}
