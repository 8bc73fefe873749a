#include "catalog/compare/WalkReportWriter.h"

#include "catalog/GroupBase.h"
#include "catalog/GroupTable.h"
#include "catalog/compare/ItemCodeIndex.h"
#include "catalog/compare/WalkReportIndex.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/text/LocalPages.h"
#include "catalog/window/WindowServices.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

namespace {

const QString kTemplateSection = QStringLiteral("Template");
const QString kOnlineDirKey = QStringLiteral("OnlineDir");
const QString kWalk3CopyKey = QStringLiteral("WalkIndexFile3");
const QString kWalk4CopyKey = QStringLiteral("WalkIndexFile4");

} // namespace

WalkVisitTable BuildWalkVisitTable(CGroupBase& group, const WalkIndex& walks)
{
    WalkVisitTable table;
    const ItemCodeIndex visits(group, ItemCodeIndex::CodeList::Visits);
    for (int walk = walks.highestWalk; walk >= 1; --walk) {
        if (!walks.Holds(walk) || walks.links[std::size_t(walk)].isEmpty())
            continue;
        table.push_back({walk, visits.ItemsWith(walk)});
    }
    return table;
}

WalkReportInput MakeWalkReportInput(CGroupBase* group, const WalkIndex* walks,
                                    const WalkVisitTable* visits)
{
    WalkReportInput input;
    input.group = group;
    input.walks = walks;
    input.visits = visits;
    ReadRegionList(&input.cities, kMaxListedRegions);
    input.dataFolder = DataFolder();
    input.onlineDir = platform::GetProfileString(MainSettingsPath(), kTemplateSection, kOnlineDirKey);
    input.walk3CopyPattern = LocalTemplatePath(kWalk3CopyKey);
    input.walk4CopyPattern = LocalTemplatePath(kWalk4CopyKey);
    input.atlasFile = BlueSkyFile();
    const WindowServices* services = group ? group->Services() : nullptr;
    input.shell = services ? services->shell : nullptr;
    if (group && visits)
        input.regionIndex = std::make_shared<const WalkReportIndex>(*group, *visits);
    return input;
}
