#pragma once
// The subset of a group's items whose region text holds a region's name or one of its member
// words. A top-level region stands for a region of the region list (or a set of regions); a
// sub-region for one member word, nested in the tree under the top-level region before it.
#include "catalog/subsets/SubsetBase.h"

#include <QStringList>

class CGroupBase;

class CSubsetRegion : public CSubsetBase {
public:
    // The prefix of a sub-region's text in the list boxes.
    static constexpr QStringView kSubRegionPrefix = u"..";

    CSubsetRegion(const QString& region, CGroupBase* group, bool topLevel);

    // "..", for a sub-region, the converted region and the group's name, with the cached count.
    bool AddToListBox(IListBox* list) override;
    // The converted name with the cached count; a sub-region goes under the group's last
    // top-level region node, a top-level region becomes that node.
    TreeNode InsertTreeItem(ISubsetTree* tree, TreeNode parent) override;
    int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns) override;
    // The key names this subset's region (or set) exactly.
    bool MatchesKey(const QString& key) const override;
    int MarkOnMap(IPointView* view) override;
    // The region with the display-name conversions applied, and the group's name. The count in
    // Cache.txt stays under the unconverted display name.
    QString TreeName() const override;

    const QString& Region() const { return region; }
    bool TopLevel() const { return topLevel; }

protected:
    // The words whose presence in an item's region text lists the item.
    virtual QStringList ListedWords() const;

    CGroupBase* group;
    QString region;
    bool topLevel;
};
