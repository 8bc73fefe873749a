#pragma once
// 尚未定位 (type 15) of a point group (peaks, survey stones): the items without a waypoint
// name, then those whose waypoint name the group's GPS file does not hold. The file is
// refreshed once per filling; keeps no statistics, marks nothing.
#include "catalog/subsets/SubsetBase.h"

class CGroupBase;

class CSubsetNoWaypoint : public CSubsetBase {
public:
    explicit CSubsetNoWaypoint(CGroupBase* group);

    int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns) override;

private:
    CGroupBase* group;
};
