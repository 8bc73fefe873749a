#pragma once
// 尚未定位 (type 17) of a trail group (trails, old trails): the trails without a track name,
// then those whose track the group's GPS file does not hold. The file is refreshed once per
// filling; keeps no statistics, marks nothing.
#include "catalog/subsets/SubsetBase.h"

class CGroupTrail;

class CSubsetNoTrack : public CSubsetBase {
public:
    explicit CSubsetNoTrack(CGroupTrail* group);

    int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns) override;

private:
    CGroupTrail* group;
};
