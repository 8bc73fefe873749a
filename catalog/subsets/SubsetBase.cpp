// The base behaviour of a subset: its list and tree text with the cached row count.
#include "catalog/subsets/SubsetBase.h"

#include "catalog/GroupTable.h"
#include "catalog/window/IListBox.h"
#include "platform/Profile.h"

QString CSubsetBase::FormatWithCachedCount(const QString& text) const
{
    const int count = platform::GetProfileInt(CacheFilePath(), section, displayName, 0);
    if (count <= 0)
        return text;
    return QStringLiteral("%1 (%2)").arg(text, QString::number(count));
}

void CSubsetBase::UpdateTreeItemCount(ISubsetTree* tree, TreeNode node, int count) const
{
    if (!tree || node == kNoTreeNode)
        return;
    const QString name = TreeName();
    const QString text =
        count >= 1 ? QStringLiteral("%1 (%2)").arg(name, QString::number(count)) : name;
    if (tree->NodeText(node) != text)
        tree->SetNodeText(node, text);
}

bool CSubsetBase::AddToListBox(IListBox* list)
{
    if (!list)
        return false;
    list->AddString(FormatWithCachedCount(TreeName()));
    return true;
}

TreeNode CSubsetBase::InsertTreeItem(ISubsetTree* tree, TreeNode parent)
{
    if (!tree)
        return kNoTreeNode;
    return tree->InsertNode(parent, FormatWithCachedCount(TreeName()));
}

int CSubsetBase::FillList(IItemList*, SubsetStatistics*, const ColumnLayout*) { return 0; }
