// Building the area tree from the settings and counting the group's items into it.
#include "catalog/subsets/regions/RegionTally.h"

#include "catalog/GroupBase.h"
#include "catalog/GroupTable.h"
#include "catalog/subsets/regions/RegionListing.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "platform/Profile.h"

#include <algorithm>

namespace {

const QString kIslandName = QStringLiteral("全台灣");
const QString kTownshipTotalName = QStringLiteral("全台區");
const QString kAreaSetKey = QStringLiteral("Region");

} // namespace

void RegionTally::LoadRegions(CGroupBase* group)
{
    nodes.clear();
    areaSets.clear();
    Add(kIslandName, kTotal, -1);
    Add(kTownshipTotalName, kTotal, -1);
    if (group)
        AddAreaSets(group);
    AddCounties();
    ComputeTotals(group);
}

int RegionTally::Add(const QString& name, int kind, int parent)
{
    Node node;
    node.name = name;
    node.kind = kind;
    node.parent = parent;
    nodes.push_back(std::move(node));
    return int(nodes.size()) - 1;
}

void RegionTally::AddAreaSets(const CGroupBase* group)
{
    for (int n = 1; n <= kMaxAreaSets; ++n) {
        const QString name = platform::GetProfileString(MainSettingsPath(), group->Key(),
                                                        kAreaSetKey + QString::number(n));
        if (name.isEmpty())
            break;
        AreaSet set{Add(name, kAreaSet, kIsland), {}};
        ReadRegionMembers(name, &set.members);
        areaSets.push_back(std::move(set));
    }
}

// Each county of the region list under its area set, followed by its townships.
void RegionTally::AddCounties()
{
    QStringList counties;
    ReadRegionList(&counties, kMaxListedRegions);
    for (const QString& county : counties) {
        const int node = Add(county, kCounty, AreaSetOf(county));
        QStringList townships;
        ReadRegionMembers(county, &townships);
        for (const QString& township : townships)
            Add(township, kTownship, node);
    }
}

int RegionTally::AreaSetOf(const QString& county) const
{
    for (const AreaSet& set : areaSets)
        if (set.members.contains(county))
            return set.node;
    return kIsland;
}

void RegionTally::ComputeTotals(CGroupBase* group)
{
    for (Node& node : nodes) {
        node.itemCount = 0;
        node.counts.fill(0);
        node.lastItem = 0;
    }
    const int companions = CompanionCount(group);
    const int items = group ? group->ItemCount() : 0;
    QString region;
    for (int item = 0; item < items; ++item) {
        region.clear();
        group->GetItemRegion(item, &region);
        std::array<int, kCounts> flags{};
        flags[0] = group->CountVisits(item) >= 1 ? 1 : 0;
        for (int j = 0; j < companions; ++j)
            flags[j + 1] = group->CountMateVisitsOf(item, j) > 0 ? 1 : 0;
        for (int n = 0; n < int(nodes.size()); ++n) {
            const Node& node = nodes[n];
            if ((node.kind == kCounty || node.kind == kTownship) && !node.name.isEmpty()
                && region.contains(node.name))
                CountItem(n, item, flags);
        }
    }
    CountTownships();
}

void RegionTally::CountItem(int node, int item, const std::array<int, kCounts>& flags)
{
    // Parents always stand before their children, so the walk ends at the island.
    for (int n = node; n >= 0; n = nodes[n].parent) {
        Node& target = nodes[n];
        if (target.lastItem == item + 1)
            continue;
        target.lastItem = item + 1;
        ++target.itemCount;
        for (int k = 0; k < kCounts; ++k)
            target.counts[k] += flags[k];
    }
}

// 全台區 counts townships: those with items, and per count those where it is above 0.
void RegionTally::CountTownships()
{
    if (nodes.size() <= kTownshipTotal)
        return;
    Node& total = nodes[kTownshipTotal];
    for (const Node& node : nodes) {
        if (node.kind != kTownship || node.itemCount <= 0)
            continue;
        ++total.itemCount;
        for (int k = 0; k < kCounts; ++k)
            total.counts[k] += node.counts[k] > 0 ? 1 : 0;
    }
}

int RegionTally::CompanionCount(CGroupBase* group)
{
    return std::min(RegionListing::CompanionCount(group), kMaxCompanions);
}

int RegionTally::ClimbedPercent(const Node& node)
{
    if (node.itemCount <= 0)
        return 0;
    return (node.counts[0] * 100 + node.itemCount / 2) / node.itemCount;
}
