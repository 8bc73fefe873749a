// The height subsets of the peak group.
#include "catalog/subsets/attributes/SubsetHeight.h"

#include "catalog/subsets/PeakVisitTally.h"
#include "catalog/talvane/GroupTalvane.h"

namespace {

QString HeightName(int threshold)
{
    if (threshold == CSubsetHeight::kHighMountain)
        return QStringLiteral("高山(%1m)").arg(threshold);
    return QStringLiteral("高於%1公尺山").arg(threshold);
}

} // namespace

CSubsetHeight::CSubsetHeight(int threshold, CGroupTalvane* group)
    : CSubsetBase(kTypeHeight, kFolderBasic, HeightName(threshold),
                  group ? group->Key() : QString()),
      threshold(threshold), group(group)
{
}

int CSubsetHeight::ForEach(const std::function<void(int item)>& visit) const
{
    if (!group)
        return 0;
    int listed = 0;
    for (int item = 0; item < group->ItemCount(); ++item) {
        const TalvaneItemRecord* record = group->Record(item);
        if (!record || record->Height < threshold)
            continue;
        visit(item);
        ++listed;
    }
    return listed;
}

int CSubsetHeight::FillList(IItemList* list, SubsetStatistics* statistics,
                            const ColumnLayout* columns)
{
    if (!group || !list)
        return 0;
    group->SetupItemColumns(list, columns);
    PeakVisitTally tally(*group);
    int rows = 0;
    ForEach([&](int item) {
        if (!group->InsertItemRow(list, rows, item))
            return;
        ++rows;
        tally.Count(item);
    });
    tally.WriteTo(statistics);
    return rows;
}

int CSubsetHeight::MarkOnMap(IPointView* view)
{
    if (!group || !view)
        return 0;
    return ForEach([&](int item) { group->ShowItemOnMap(view, item); });
}
