#pragma once
// The peaks by how often the owner climbed them: those still to climb (with a greater-Taipei
// variant), those climbed at all, and those climbed exactly n times. Shown in the "造訪" folder.
#include "catalog/subsets/SubsetBase.h"

#include <QStringList>

#include <functional>

class CGroupTalvane;

class CSubsetVisit : public CSubsetBase {
public:
    // Regions of the region list whose member words make up greater Taipei.
    static constexpr int kTaipeiRegions = 3;

    // times 0: the peaks still to climb, with variant only those of greater Taipei that are not
    // ignored; times 1 with variant: every climbed peak; otherwise the peaks climbed exactly
    // times times.
    CSubsetVisit(int times, CGroupTalvane* group, bool variant);

    // A subset of an exact count above 0 is shown only when some peak has that count.
    bool AddToListBox(IListBox* list) override;
    TreeNode InsertTreeItem(ISubsetTree* tree, TreeNode parent) override;
    // Lists the peaks in item order, with the visited count and each companion's count.
    int FillList(IItemList* list, SubsetStatistics* statistics,
                 const ColumnLayout* columns) override;
    int MarkOnMap(IPointView* view) override;

    int Times() const { return times; }
    bool Variant() const { return variant; }

private:
    bool IsTaipei() const { return times == 0 && variant; }
    bool IsAllClimbed() const { return times == 1 && variant; }
    // Whether the subset is shown: false only for an exact count no peak has.
    bool Shown() const;
    // Calls visit with every listed peak in item order; the number listed.
    int ForEach(const std::function<void(int item)>& visit) const;
    // Whether a peak with this many visits (and, for greater Taipei, this record) is listed.
    bool Lists(int item, const QStringList& taipeiWords) const;

    int times;
    CGroupTalvane* group;
    bool variant;
};
