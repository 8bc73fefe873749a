#pragma once
// The peaks of an entry list: which peak each entry names, and the marks of those peaks on the
// map. Shared by the title and named-list subsets, which differ only in what they report.
#include <QList>
#include <QStringList>

class CGroupTalvane;
class IPointView;

// One value per entry: 0 when no peak of the group matched it, else the matched item's index
// + 1. Peaks are matched in item order, and a later peak matching an entry replaces the earlier
// one; *replacing (may be null) receives the first peak that replaced another, -1 when none did.
QList<int> MapPeakEntries(const CGroupTalvane& group, const QStringList& entries,
                          int* replacing = nullptr);

// Marks the peak of every entry of map that holds one, in list order, with the group's
// ShowItemOnMap; returns how many were marked.
int MarkPeakEntries(CGroupTalvane& group, IPointView* view, const QList<int>& map);
