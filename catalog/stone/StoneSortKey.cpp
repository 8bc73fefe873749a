// Sort keys of survey-stone numbers.
#include "catalog/stone/StoneSortKey.h"

#include "catalog/GroupTable.h"

#include <algorithm>

namespace stone_sort {

namespace {

const QString kNoStone = QStringLiteral("無");

} // namespace

qint64 StoneNumberKey(const CGroupTable* table, const QString& stone)
{
    int word = 0, number = 0, level = 0;
    if (table)
        level = table->GetStoneLevel(stone, &word, &number);
    else
        level = stone == kNoStone ? CGroupTable::kLevelNone : CGroupTable::kLevelUnknown;
    return level * kLevelFactor + word * kWordFactor + number;
}

int ThreeWay(qint64 a, qint64 b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

int CompareCodeUnits(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (a[i] != b[i])
            return a[i].unicode() < b[i].unicode() ? -1 : 1;
    }
    return ThreeWay(a.size(), b.size());
}

} // namespace stone_sort
