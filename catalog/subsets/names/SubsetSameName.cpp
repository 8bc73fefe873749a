// A same-name subset: its aliases and its peaks.
#include "catalog/subsets/names/SubsetSameName.h"

#include "catalog/subsets/names/NameMatch.h"
#include "catalog/subsets/names/PeakNameListing.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/talvane/GroupTalvane.h"
#include "platform/Profile.h"

namespace {

const QString kAliasSection = QStringLiteral("NameAlias");
// The display name: "各地" and the base name.
const QString kDisplayPrefix = QStringLiteral("各地");

PeakNameListing SameNameListing(CGroupTalvane* group, const QString& base,
                                const QStringList& aliases)
{
    return PeakNameListing(group, [base, aliases](const QString& name) {
        return MatchSameName(name, base, int(aliases.size()), aliases);
    });
}

} // namespace

CSubsetSameName::CSubsetSameName(const QString& baseName, CGroupTalvane* group)
    : CSubsetBase(kTypeSameName, kFolderBasic, kDisplayPrefix + baseName,
                  group ? group->Key() : QString()),
      baseName(baseName), group(group)
{
}

QStringList CSubsetSameName::ReadAliases() const
{
    QStringList aliases;
    if (group)
        SplitList(platform::GetProfileString(group->SettingsFile(), kAliasSection, baseName),
                  &aliases, kMaxAliases);
    return aliases;
}

int CSubsetSameName::FillList(IItemList* list, SubsetStatistics*, const ColumnLayout* columns)
{
    return SameNameListing(group, baseName, ReadAliases()).Fill(list, columns);
}

int CSubsetSameName::MarkOnMap(IPointView* view)
{
    return SameNameListing(group, baseName, ReadAliases()).Mark(view);
}
