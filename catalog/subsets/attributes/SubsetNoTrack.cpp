// The trails not located in their group's GPS file.
#include "catalog/subsets/attributes/SubsetNoTrack.h"

#include "catalog/subsets/attributes/NotLocatedItems.h"
#include "catalog/trail/GroupTrail.h"

namespace {

const QString kNotLocated = QStringLiteral("尚未定位");

} // namespace

CSubsetNoTrack::CSubsetNoTrack(CGroupTrail* group)
    : CSubsetBase(kTypeNoTrack, kFolderBasic, kNotLocated, group ? group->Key() : QString()),
      group(group)
{
}

int CSubsetNoTrack::FillList(IItemList* list, SubsetStatistics*, const ColumnLayout* columns)
{
    if (!group || !list)
        return 0;
    group->SetupItemColumns(list, columns);
    const NotLocatedLookups lookups{
        .nameOf = [this](int item) { return group->ItemTrackName(item); },
        .refresh = [this] { group->LoadWaypointFile(true); },
        .found = [this](const QString& name) {
            return group->GetTrackSet()->FindTrackByName(name) >= 0;
        },
    };
    int rows = 0;
    for (int item : NotLocatedItems(group->ItemCount(), lookups))
        if (group->InsertItemRow(list, rows, item))
            ++rows;
    return rows;
}
