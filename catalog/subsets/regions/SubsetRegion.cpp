// A region, or one member word of a region, as a subset of a group's items.
#include "catalog/subsets/regions/SubsetRegion.h"

#include "catalog/GroupBase.h"
#include "catalog/subsets/regions/RegionListing.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/window/IListBox.h"

namespace {

QString GroupName(const CGroupBase* group) { return group ? group->DisplayName() : QString(); }
QString GroupKey(const CGroupBase* group) { return group ? group->Key() : QString(); }

} // namespace

CSubsetRegion::CSubsetRegion(const QString& region, CGroupBase* group, bool topLevel)
    : CSubsetBase(kTypeRegion, kFolderRegion, region + u'的' + GroupName(group), GroupKey(group)),
      group(group), region(region), topLevel(topLevel)
{
}

QString CSubsetRegion::TreeName() const
{
    return ConvertDisplayName(region) + u'的' + GroupName(group);
}

bool CSubsetRegion::AddToListBox(IListBox* list)
{
    if (!list)
        return false;
    const QString prefix = topLevel ? QString() : kSubRegionPrefix.toString();
    list->AddString(FormatWithCachedCount(prefix + TreeName()));
    return true;
}

TreeNode CSubsetRegion::InsertTreeItem(ISubsetTree* tree, TreeNode parent)
{
    if (!tree || !group)
        return CSubsetBase::InsertTreeItem(tree, parent);
    SubsetTreeContext& context = group->TreeContext();
    if (!topLevel && context.lastRegionNode != kNoTreeNode)
        parent = context.lastRegionNode;
    const TreeNode node = CSubsetBase::InsertTreeItem(tree, parent);
    if (topLevel)
        context.lastRegionNode = node;
    return node;
}

QStringList CSubsetRegion::ListedWords() const
{
    QStringList members;
    ReadRegionMembers(region, &members);
    return QStringList{region} + members;
}

int CSubsetRegion::FillList(IItemList* list, SubsetStatistics* statistics,
                            const ColumnLayout* columns)
{
    return RegionListing(group, ListedWords(), true).Fill(list, columns, statistics);
}

bool CSubsetRegion::MatchesKey(const QString& key) const { return key == region; }

int CSubsetRegion::MarkOnMap(IPointView* view)
{
    return RegionListing(group, ListedWords(), true).Mark(view);
}
