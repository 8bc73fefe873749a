#pragma once
// 雙基石的山 (type 9): the peaks with two usable survey stones, each numbered, neither lost
// ("失") nor moved ("改"), and both of stone level 1 to 3. The rows show the first stone;
// listed and marked in item order.
#include "catalog/subsets/SubsetBase.h"

#include <functional>

class CGroupTalvane;
struct TalvaneItemRecord;

class CSubsetDoubleStone : public CSubsetBase {
public:
    // The highest stone level a usable stone may have.
    static constexpr int kMaxUsableLevel = 3;

    explicit CSubsetDoubleStone(CGroupTalvane* group);

    int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns) override;
    int MarkOnMap(IPointView* view) override;

private:
    // Whether a stone number with its status is usable: given, of a level up to
    // kMaxUsableLevel, and neither lost nor moved. No group table: no levels, not usable.
    bool Usable(const QString& number, const QString& status) const;
    bool Lists(const TalvaneItemRecord& record) const;
    // Calls visit with every listed peak, in item order; the number listed.
    int ForEach(const std::function<void(int item)>& visit) const;

    CGroupTalvane* group;
};
