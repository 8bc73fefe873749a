#pragma once
// The peaks of at least a given height (type 10): "高山(3000m)" for 3000 m, else
// "高於<n>公尺山". Lists and marks the peaks in item order and keeps the visit figures of the
// owner and of each companion.
#include "catalog/subsets/SubsetBase.h"

#include <functional>

class CGroupTalvane;

class CSubsetHeight : public CSubsetBase {
public:
    // The threshold named as a high mountain rather than as "above n metres".
    static constexpr int kHighMountain = 3000;

    CSubsetHeight(int threshold, CGroupTalvane* group);

    int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns) override;
    int MarkOnMap(IPointView* view) override;

    int Threshold() const { return threshold; }

private:
    // Calls visit with every peak of at least the threshold, in item order; the number listed.
    int ForEach(const std::function<void(int item)>& visit) const;

    int threshold;
    CGroupTalvane* group;
};
