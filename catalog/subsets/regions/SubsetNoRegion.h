#pragma once
// The items of a group whose region text holds no region of the region list and no member
// word of any of them (with an empty region list, every item).
#include "catalog/subsets/SubsetBase.h"

#include <QStringList>

class CGroupBase;

class CSubsetNoRegion : public CSubsetBase {
public:
    explicit CSubsetNoRegion(CGroupBase* group);

    // Sets up the group's columns and lists the items; keeps no statistics.
    int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns) override;
    int MarkOnMap(IPointView* view) override;

private:
    // The regions of the region list and every member word of each.
    static QStringList RegionWords();

    CGroupBase* group;
};
