#pragma once
// The peaks whose last climb lies a given number of years back: the newest walk of the peak is
// dated after today's date that many years and one back, and on or before today's date that
// many years back. Shown in the "造訪" folder only when it lists a peak.
#include "catalog/subsets/SubsetBase.h"
#include "catalog/subsets/visits/WalkDates.h"

#include <functional>
#include <optional>

class CGroupTalvane;

class CSubsetReVisit : public CSubsetBase {
public:
    CSubsetReVisit(int years, CGroupTalvane* group);

    bool AddToListBox(IListBox* list) override;
    TreeNode InsertTreeItem(ISubsetTree* tree, TreeNode parent) override;
    // Lists the peaks in item order; every listed peak counts as visited, the companions'
    // figures stay as they were.
    int FillList(IItemList* list, SubsetStatistics* statistics,
                 const ColumnLayout* columns) override;
    int MarkOnMap(IPointView* view) override;

    int Years() const { return years; }

    // Today's date the given number of years back, as a triple.
    static WalkDate YearsBack(const WalkDate& today, int years);
    // Whether a walk date lies in the window of years back from today: after today years + 1
    // back, on or before today years back. A date without a year is in no window.
    static bool InWindow(const WalkDate& date, const WalkDate& today, int years);

private:
    // Today's date from the group's clock; none without a clock.
    std::optional<WalkDate> Today() const;
    // Calls visit with every listed peak in item order; the number listed. Reads the walk
    // dates first when none are held.
    int ForEach(const std::function<void(int item)>& visit) const;

    int years;
    CGroupTalvane* group;
};
