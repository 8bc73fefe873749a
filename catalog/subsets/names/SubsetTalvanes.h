#pragma once
// A named-list subset: a free list of peaks kept in section [Talvanes] of the main settings
// file, such as the peaks of one trip plan. It shows the listed peaks in list order with their
// visit figures and marks them on the map, without the warnings and nesting of a title.
#include "catalog/subsets/SubsetBase.h"

#include <QList>
#include <QString>
#include <QStringList>

class CGroupTalvane;

class CSubsetTalvanes : public CSubsetBase {
public:
    CSubsetTalvanes(const QString& key, CGroupTalvane* group);

    // The entries of the list, read afresh from the settings file; their count.
    int ReadEntries(QStringList* entries) const;
    // One value per entry: 0 when no peak matched it, else the matched item's index + 1, a
    // later matching peak replacing an earlier one. Returns the number of entries.
    int ResolveEntries(QList<int>* map) const;

    int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns) override;
    int MarkOnMap(IPointView* view) override;

    const QString& Key() const { return key; }

private:
    QString key;
    CGroupTalvane* group;
};
