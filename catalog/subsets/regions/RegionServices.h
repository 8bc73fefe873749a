#pragma once
// The region services shared by subsets, groups and dialogs: the comma lists of the main
// settings file, the regions and their member words, and the display-name conversions.
#include <QString>
#include <QStringList>
#include <QStringView>

// The most member words read for one region.
inline constexpr int kMaxRegionMembers = 30;
// The most regions of the region list that the groups and the no-region subset take.
inline constexpr int kMaxListedRegions = 25;

// Splits a comma list into at most limit pieces: while text remains, a "," after the first
// character ends a piece; with no comma, or a comma first, the rest is one piece. So "a,b"
// gives a and b, and "a,,b" gives a and ",b". Returns the number of pieces in *pieces.
int SplitList(QStringView text, QStringList* pieces, int limit);

// The regions of [Region] RegionList of the main settings file, at most limit; the count.
int ReadRegionList(QStringList* regions, int limit);
// The member words of a region ([Region] region of the main settings file), at most
// kMaxRegionMembers; the count. A region without a key has none.
int ReadRegionMembers(const QString& region, QStringList* members);
// text with the display-name conversions of the run applied (see DisplayNameConversions);
// also written to *output when given.
QString ConvertDisplayName(const QString& text, QString* output = nullptr);
// Whether text holds one of the words; an empty word stands for no region and matches nothing.
bool HoldsAnyWord(const QString& text, const QStringList& words);
