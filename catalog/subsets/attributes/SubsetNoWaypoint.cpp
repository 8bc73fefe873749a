// The point items not located in their group's GPS file.
#include "catalog/subsets/attributes/SubsetNoWaypoint.h"

#include "catalog/GroupBase.h"
#include "catalog/subsets/attributes/NotLocatedItems.h"

namespace {

const QString kNotLocated = QStringLiteral("尚未定位");

} // namespace

CSubsetNoWaypoint::CSubsetNoWaypoint(CGroupBase* group)
    : CSubsetBase(kTypeNoWaypoint, kFolderBasic, kNotLocated, group ? group->Key() : QString()),
      group(group)
{
}

int CSubsetNoWaypoint::FillList(IItemList* list, SubsetStatistics*, const ColumnLayout* columns)
{
    if (!group || !list)
        return 0;
    group->SetupItemColumns(list, columns);
    const NotLocatedLookups lookups{
        .nameOf = [this](int item) {
            QString name;
            group->GetItemWaypointName(item, &name);
            return name;
        },
        .refresh = [this] { group->LoadWaypointFile(true); },
        .found = [this](const QString& name) {
            const GPSWayPointSet* set = group->GetWaypointSet();
            return set && set->FindByName(name) >= 0;
        },
    };
    int rows = 0;
    for (int item : NotLocatedItems(group->ItemCount(), lookups))
        if (group->InsertItemRow(list, rows, item))
            ++rows;
    return rows;
}
