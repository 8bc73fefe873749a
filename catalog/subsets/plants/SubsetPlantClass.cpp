// The plants of one family.
#include "catalog/subsets/plants/SubsetPlantClass.h"

#include "catalog/GroupBase.h"
#include "catalog/records/PlantItemRecord.h"
#include "catalog/records/RecordText.h"

CSubsetPlantClass::CSubsetPlantClass(const QString& family, CGroupBase* group)
    : CSubsetBase(kTypePlantClass, kFolderBasic, family, group ? group->Key() : QString()),
      family(family), group(group)
{
}

bool CSubsetPlantClass::Lists(int item) const
{
    const PlantItemRecord* r = group->ItemAs<PlantItemRecord>(item);
    return r && FieldText(r->Class) == family;
}

int CSubsetPlantClass::FillList(IItemList* list, SubsetStatistics* statistics,
                                const ColumnLayout* columns)
{
    if (statistics)
        statistics->visited = SubsetStatistics::kNone;
    if (!group || !list)
        return 0;
    group->SetupItemColumns(list, columns);
    int rows = 0;
    for (int item = 0; item < group->ItemCount(); ++item)
        if (Lists(item) && group->InsertItemRow(list, rows, item))
            ++rows;
    return rows;
}

int CSubsetPlantClass::MarkOnMap(IPointView* view)
{
    if (!group || !view)
        return 0;
    int marked = 0;
    for (int item = 0; item < group->ItemCount(); ++item)
        if (Lists(item) && group->ShowItemOnMap(view, item))
            ++marked;
    return marked;
}
