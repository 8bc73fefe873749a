// A set of regions as one top-level region subset.
#include "catalog/subsets/regions/SubsetRegionSet.h"

#include "catalog/GroupTable.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "platform/Profile.h"

CSubsetRegionSet::CSubsetRegionSet(const QString& name, CGroupBase* group)
    : CSubsetRegion(name, group, true)
{
    typeCode = kTypeRegionSet;
}

QStringList CSubsetRegionSet::ListedWords() const
{
    QStringList regions;
    SplitList(platform::GetProfileString(MainSettingsPath(), QStringLiteral("Region"), region),
              &regions, kMaxSetRegions);
    QStringList words = regions;
    for (const QString& name : regions) {
        QStringList members;
        ReadRegionMembers(name, &members);
        words += members;
    }
    return words;
}
