#pragma once
// The listing rule the region subsets share: the items of a group whose region text holds one
// of a set of words (or, for the items of no region, holds none of them), filled into the item
// list with their visit statistics or marked on the map.
#include <QStringList>

#include <functional>

class CGroupBase;
class IItemList;
class IPointView;
struct ColumnLayout;
struct SubsetStatistics;

class RegionListing {
public:
    // inside: list the items whose region text holds a word; otherwise those that hold none.
    RegionListing(CGroupBase* group, const QStringList& words, bool inside)
        : group(group), words(words), inside(inside)
    {
    }

    // Calls visit with every listed item, in item order; returns how many there were.
    int ForEach(const std::function<void(int item)>& visit) const;
    // Lets the group set up its columns, then inserts one row per listed item through the
    // group. Every listed item counts as a row. With statistics, writes the visited count and,
    // for the peak group, each companion's count. Returns the row count; 0 without a list.
    int Fill(IItemList* list, const ColumnLayout* columns, SubsetStatistics* statistics) const;
    // Marks every listed item through the group's ShowItemOnMap; the count, 0 without a view.
    int Mark(IPointView* view) const;

    // The companions whose visits the statistics count: those of the peak group, at most as
    // many as the statistics block holds; 0 for any other group.
    static int CompanionCount(CGroupBase* group);

private:
    CGroupBase* group;
    QStringList words;
    bool inside;
};
