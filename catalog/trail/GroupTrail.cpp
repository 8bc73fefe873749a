// The trail group: identity, records, the subsets of Init and the features it offers.
#include "catalog/trail/GroupTrail.h"

#include "catalog/subsets/attributes/SubsetNoTrack.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/subsets/regions/SubsetNoRegion.h"
#include "catalog/subsets/regions/SubsetRegion.h"
#include "platform/Profile.h"

namespace {

const QString kKey = QStringLiteral("Trail");
const QString kDisplayName = QStringLiteral("步道");
const QString kGpsKey = QStringLiteral("AllTLFile");
const QString kDefaultGpsFile = QStringLiteral("!台灣的步道2.gdb");
const QString kExpandRegionKey = QStringLiteral("ExpandRegion");

} // namespace

CGroupTrail::CGroupTrail()
{
    key = kKey;
    displayName = kDisplayName;
    gpsKey = kGpsKey;
    defaultGpsFile = kDefaultGpsFile;
}

CGroupTrail::~CGroupTrail() = default;

const TrailItemRecord* CGroupTrail::Record(int item) const
{
    return ItemAs<TrailItemRecord>(item);
}

const std::byte* CGroupTrail::GetItemRecord(int item) const
{
    return reinterpret_cast<const std::byte*>(Record(item));
}

bool CGroupTrail::Init(const QString& settings, CGroupTable* groupTable, const QString& dataFolder)
{
    CGroupBase::Init(settings, groupTable, dataFolder);
    AddRegionSubsets();
    AddNoRegionSubset();
    AddNoTrackSubset();
    return true;
}

// One subset per region of the region list; a region whose name stands anywhere in
// [<key>] ExpandRegion is followed by its member words as sub-regions.
void CGroupTrail::AddRegionSubsets()
{
    const QString expand = platform::GetProfileString(settingsFile, key, kExpandRegionKey);
    QStringList regions;
    ReadRegionList(&regions, kMaxRegions);
    for (const QString& region : regions) {
        AddSubset(new CSubsetRegion(region, this, true));
        if (region.isEmpty() || !expand.contains(region))
            continue;
        QStringList members;
        ReadRegionMembers(region, &members);
        for (const QString& member : members.mid(0, kMaxRegionMembers))
            AddSubset(new CSubsetRegion(member, this, false));
    }
}

void CGroupTrail::AddNoRegionSubset()
{
    AddSubset(new CSubsetNoRegion(this));
}

// The trails not located in the group's GPS file.
void CGroupTrail::AddNoTrackSubset()
{
    AddSubset(new CSubsetNoTrack(this));
}

bool CGroupTrail::HasFeature(int feature)
{
    return feature == kFeatureSearch || feature == kFeatureRowMenu ||
           feature == kFeatureLocateAll || feature == kFeatureCompareWalks ||
           feature == kFeatureCompareRouteMaps;
}

int CGroupTrail::FillItemList(IItemList* list, int)
{
    return FillAllItems(list);
}
