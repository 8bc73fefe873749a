#pragma once
// Sort keys of survey-stone numbers, shared by the lists that sort stones: a 64-bit number key
// from the stone's level, level word and number, and the three-way comparisons the sorts use.
#include <QString>
#include <QStringView>
#include <QtGlobal>

class CGroupTable;

namespace stone_sort {

// key = level * kLevelFactor + word * kWordFactor + number. It needs 64 bits: the number after
// a level word may reach 2^31.
constexpr qint64 kLevelFactor = 1000000;
constexpr qint64 kWordFactor = 10000;

// The number key of a stone text. Without a table only "無" and unknown texts are told apart.
qint64 StoneNumberKey(const CGroupTable* table, const QString& stone);

int ThreeWay(qint64 a, qint64 b);

// Ordinal, case-sensitive comparison by UTF-16 code units.
int CompareCodeUnits(QStringView a, QStringView b);

} // namespace stone_sort
