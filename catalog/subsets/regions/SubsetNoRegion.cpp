// The items that fall into no region.
#include "catalog/subsets/regions/SubsetNoRegion.h"

#include "catalog/GroupBase.h"
#include "catalog/subsets/regions/RegionListing.h"
#include "catalog/subsets/regions/RegionServices.h"

CSubsetNoRegion::CSubsetNoRegion(CGroupBase* group)
    : CSubsetBase(kTypeNoRegion, kFolderRegion, QStringLiteral("區域無法歸類"),
                  group ? group->Key() : QString()),
      group(group)
{
}

QStringList CSubsetNoRegion::RegionWords()
{
    QStringList regions;
    ReadRegionList(&regions, kMaxListedRegions);
    QStringList words = regions;
    for (const QString& region : regions) {
        QStringList members;
        ReadRegionMembers(region, &members);
        words += members;
    }
    return words;
}

int CSubsetNoRegion::FillList(IItemList* list, SubsetStatistics*, const ColumnLayout* columns)
{
    return RegionListing(group, RegionWords(), false).Fill(list, columns, nullptr);
}

int CSubsetNoRegion::MarkOnMap(IPointView* view)
{
    return RegionListing(group, RegionWords(), false).Mark(view);
}
