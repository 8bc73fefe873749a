// The waterfall group: identity, records, features, and the subsets of Init.
#include "catalog/waterfall/GroupWaterfall.h"

#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/subsets/regions/SubsetNoRegion.h"
#include "catalog/subsets/regions/SubsetRegion.h"

namespace {

const QString kKey = QStringLiteral("Waterfall");
const QString kDisplayName = QStringLiteral("瀑布");

} // namespace

CGroupWaterfall::CGroupWaterfall()
{
    key = kKey;
    displayName = kDisplayName;
}

CGroupWaterfall::~CGroupWaterfall() = default;

const WaterfallItemRecord* CGroupWaterfall::Record(int item) const
{
    return ItemAs<WaterfallItemRecord>(item);
}

const std::byte* CGroupWaterfall::GetItemRecord(int item) const
{
    return reinterpret_cast<const std::byte*>(Record(item));
}

bool CGroupWaterfall::Init(const QString& settings, CGroupTable* groupTable,
                           const QString& dataFolder)
{
    CGroupBase::Init(settings, groupTable, dataFolder);
    AddRegionSubsets();
    AddNoRegionSubset();
    return true;
}

// One top-level subset per region of the region list.
void CGroupWaterfall::AddRegionSubsets()
{
    QStringList regions;
    ReadRegionList(&regions, kMaxListedRegions);
    for (const QString& region : regions)
        AddSubset(new CSubsetRegion(region, this, true));
}

void CGroupWaterfall::AddNoRegionSubset()
{
    AddSubset(new CSubsetNoRegion(this));
}

bool CGroupWaterfall::HasFeature(int feature)
{
    return feature == kFeatureSearch || feature == kFeatureRowMenu
           || feature == kFeatureLocateAll || feature == kFeatureCompareWalks;
}

int CGroupWaterfall::FillItemList(IItemList* list, int)
{
    return FillAllItems(list);
}
