#pragma once
// 無登山資料 (type 19): the peaks without any record of the owner's: no walk, no atlas
// reference and no companion's visit. Listed in item order; keeps no statistics, marks nothing.
#include "catalog/subsets/SubsetBase.h"

class CGroupTalvane;

class CSubsetNoHiking : public CSubsetBase {
public:
    explicit CSubsetNoHiking(CGroupTalvane* group);

    int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns) override;

private:
    CGroupTalvane* group;
};
