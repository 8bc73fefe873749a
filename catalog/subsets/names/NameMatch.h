#pragma once
// The name tests of the same-name and name-ending subsets: whether a peak's name is one of the
// many peaks named after a base name, or one ending in a common word. A name ending in "峰"
// names a summit of a larger mountain and counts for neither.
#include <QString>
#include <QStringList>

// Whether name holds the base name, or else one of the first aliasCount aliases that ends in
// "山" or whose first occurrence ends the name; and name does not end in "峰".
bool MatchSameName(const QString& name, const QString& base, int aliasCount,
                   const QStringList& aliases);

// Whether word occurs in name after its first character, name does not end in "峰" and is not
// "福大山".
bool MatchPostfix(const QString& name, const QString& word);
