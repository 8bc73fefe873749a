// The peaks without any record.
#include "catalog/subsets/attributes/SubsetNoHiking.h"

#include "catalog/talvane/GroupTalvane.h"

CSubsetNoHiking::CSubsetNoHiking(CGroupTalvane* group)
    : CSubsetBase(kTypeNoHiking, kFolderBasic, QStringLiteral("無登山資料"),
                  group ? group->Key() : QString()),
      group(group)
{
}

int CSubsetNoHiking::FillList(IItemList* list, SubsetStatistics*, const ColumnLayout* columns)
{
    if (!group || !list)
        return 0;
    group->SetupItemColumns(list, columns);
    int rows = 0;
    for (int item = 0; item < group->ItemCount(); ++item) {
        if (group->CountVisits(item) >= 1 || group->CountAtlasRefs(item) >= 1 ||
            group->CountMateVisits(item) >= 1)
            continue;
        if (group->InsertItemRow(list, rows, item))
            ++rows;
    }
    return rows;
}
