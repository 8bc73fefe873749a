#include "ui/adapters/QtSubsetTree.h"

#include <QSignalBlocker>
#include <QTreeWidget>

namespace {

constexpr int kDataRole = Qt::UserRole;
constexpr int kHandleRole = Qt::UserRole + 1;

} // namespace

void QtSubsetTree::DeleteAll()
{
    const QSignalBlocker blocker(tree_);
    tree_->clear();
    items_.clear();
}

TreeNode QtSubsetTree::InsertNode(TreeNode parent, const QString& text)
{
    QTreeWidgetItem* parentItem = nullptr;
    if (parent != kNoTreeNode) {
        parentItem = Item(parent);
        if (!parentItem)
            return kNoTreeNode;
    }
    const QSignalBlocker blocker(tree_);
    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, kDataRole, 0u);
    const TreeNode node = ++lastNode_;
    item->setData(0, kHandleRole, QVariant::fromValue<quint64>(node));
    if (parentItem)
        parentItem->addChild(item);
    else
        tree_->addTopLevelItem(item);
    items_.insert(node, item);
    return node;
}

QString QtSubsetTree::NodeText(TreeNode node) const
{
    const QTreeWidgetItem* item = Item(node);
    return item ? item->text(0) : QString();
}

bool QtSubsetTree::SetNodeText(TreeNode node, const QString& text)
{
    QTreeWidgetItem* item = Item(node);
    if (!item)
        return false;
    const QSignalBlocker blocker(tree_);
    item->setText(0, text);
    return true;
}

quint32 QtSubsetTree::NodeData(TreeNode node) const
{
    const QTreeWidgetItem* item = Item(node);
    return item ? item->data(0, kDataRole).toUInt() : 0;
}

bool QtSubsetTree::SetNodeData(TreeNode node, quint32 data)
{
    QTreeWidgetItem* item = Item(node);
    if (!item)
        return false;
    const QSignalBlocker blocker(tree_);
    item->setData(0, kDataRole, data);
    return true;
}

TreeNode QtSubsetTree::NodeOf(const QTreeWidgetItem* item) const
{
    if (!item)
        return kNoTreeNode;
    const TreeNode node = item->data(0, kHandleRole).value<quint64>();
    return Item(node) == item ? node : kNoTreeNode;
}

TreeNode QtSubsetTree::FirstChild(TreeNode parent) const
{
    if (parent == kNoTreeNode)
        return tree_->topLevelItemCount() > 0 ? NodeOf(tree_->topLevelItem(0)) : kNoTreeNode;
    const QTreeWidgetItem* item = Item(parent);
    return item && item->childCount() > 0 ? NodeOf(item->child(0)) : kNoTreeNode;
}

TreeNode QtSubsetTree::NextSibling(TreeNode node) const
{
    QTreeWidgetItem* item = Item(node);
    if (!item)
        return kNoTreeNode;
    if (QTreeWidgetItem* parent = item->parent()) {
        const int index = parent->indexOfChild(item) + 1;
        return index < parent->childCount() ? NodeOf(parent->child(index)) : kNoTreeNode;
    }
    const int index = tree_->indexOfTopLevelItem(item) + 1;
    return index < tree_->topLevelItemCount() ? NodeOf(tree_->topLevelItem(index)) : kNoTreeNode;
}

TreeNode QtSubsetTree::ParentNode(TreeNode node) const
{
    const QTreeWidgetItem* item = Item(node);
    return item ? NodeOf(item->parent()) : kNoTreeNode;
}

void QtSubsetTree::Expand(TreeNode node)
{
    if (QTreeWidgetItem* item = Item(node))
        item->setExpanded(true);
}

TreeNode QtSubsetTree::SelectedNode() const
{
    return NodeOf(tree_->currentItem());
}

bool QtSubsetTree::SelectNode(TreeNode node)
{
    if (node == kNoTreeNode) {
        tree_->setCurrentItem(nullptr);
        return true;
    }
    QTreeWidgetItem* item = Item(node);
    if (!item)
        return false;
    tree_->setCurrentItem(item);
    return true;
}
