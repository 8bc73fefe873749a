#pragma once
// The area tree of the region statistics and its totals: the whole island, the area sets of the
// group's settings, the counties of the region list and their townships, each with the number
// of the group's items that lie in it, how many of them were climbed and how many each hiking
// companion visited.
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class CGroupBase;

class RegionTally {
public:
    enum Kind { kTotal = 0, kAreaSet = 1, kCounty = 2, kTownship = 3 };
    // Counts per node: [0] climbed, [1] to [15] visited with companion 1 to 15.
    static constexpr int kCounts = 16;
    static constexpr int kMaxCompanions = kCounts - 1;
    // The most area-set keys read (Region1 ... Region500).
    static constexpr int kMaxAreaSets = 500;
    // Node 0 (全台灣) and node 1 (全台區).
    static constexpr int kIsland = 0;
    static constexpr int kTownshipTotal = 1;

    struct Node {
        QString name;
        int kind = kTotal;
        int parent = -1;     // the node whose totals also take this node's items; -1 none
        int itemCount = 0;
        std::array<int, kCounts> counts{};
        int lastItem = 0;    // index + 1 of the last item counted here, so it counts once
    };

    // Builds the nodes from the settings, then the totals over the group's items.
    void LoadRegions(CGroupBase* group);
    // Clears every node's totals and counts the group's items again.
    void ComputeTotals(CGroupBase* group);

    const std::vector<Node>& Nodes() const { return nodes; }
    // The companions whose visits count: the peak group's, at most kMaxCompanions; else 0.
    static int CompanionCount(CGroupBase* group);
    // (climbed * 100 + count / 2) / count, rounded to the nearest percent; 0 for no items.
    static int ClimbedPercent(const Node& node);

private:
    int Add(const QString& name, int kind, int parent);
    void AddAreaSets(const CGroupBase* group);
    void AddCounties();
    // The first area set whose regions hold the county; the island when none does.
    int AreaSetOf(const QString& county) const;
    // Adds one item's flags to a node and its ancestors, each at most once for the item.
    void CountItem(int node, int item, const std::array<int, kCounts>& flags);
    void CountTownships();

    // An area set's node and its regions, read once while the tree is built.
    struct AreaSet {
        int node = 0;
        QStringList members;
    };

    std::vector<Node> nodes;
    std::vector<AreaSet> areaSets;
};
