// Listing, filling and marking the items of a group by their region text.
#include "catalog/subsets/regions/RegionListing.h"

#include "catalog/GroupBase.h"
#include "catalog/subsets/SubsetStatistics.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/talvane/GroupTalvane.h"

#include <algorithm>

int RegionListing::ForEach(const std::function<void(int item)>& visit) const
{
    if (!group)
        return 0;
    int listed = 0;
    QString text;
    for (int item = 0; item < group->ItemCount(); ++item) {
        text.clear();
        group->GetItemRegion(item, &text);
        if (HoldsAnyWord(text, words) != inside)
            continue;
        visit(item);
        ++listed;
    }
    return listed;
}

int RegionListing::Fill(IItemList* list, const ColumnLayout* columns,
                        SubsetStatistics* statistics) const
{
    if (!group || !list)
        return 0;
    group->SetupItemColumns(list, columns);
    const int companions = statistics ? CompanionCount(group) : 0;
    int visited = 0;
    int mateCounts[SubsetStatistics::kMaxCompanions] = {};
    int rows = 0;
    ForEach([&](int item) {
        group->InsertItemRow(list, rows++, item);
        if (!statistics)
            return;
        if (group->CountVisits(item) > 0)
            ++visited;
        for (int j = 0; j < companions; ++j)
            if (group->CountMateVisitsOf(item, j) > 0)
                ++mateCounts[j];
    });
    if (statistics) {
        statistics->visited = visited;
        std::copy_n(mateCounts, companions, statistics->companions);
    }
    return rows;
}

int RegionListing::Mark(IPointView* view) const
{
    if (!group || !view)
        return 0;
    return ForEach([&](int item) { group->ShowItemOnMap(view, item); });
}

int RegionListing::CompanionCount(CGroupBase* group)
{
    if (!group || group->Key() != QLatin1String("Talvane"))
        return 0;
    const auto* peaks = dynamic_cast<const CGroupTalvane*>(group);
    return peaks ? std::clamp(peaks->MateCount(), 0, int(SubsetStatistics::kMaxCompanions)) : 0;
}
