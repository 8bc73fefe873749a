#pragma once
// The catalog's subset tree over a QTreeWidget. Nodes are handed out as numbers that are never
// reused, so a handle kept across a refill is simply unknown afterwards instead of dangling.
// Filling and rewriting the tree run with the widget's signals blocked; selecting a node does
// not, because the native tree notified its owner of a selection made by program and the dialog
// relies on that to show the selected subset.
#include "catalog/window/ISubsetTree.h"

#include <QHash>

class QTreeWidget;
class QTreeWidgetItem;

class QtSubsetTree : public ISubsetTree {
public:
    explicit QtSubsetTree(QTreeWidget* tree) : tree_(tree) {}

    void DeleteAll() override;
    TreeNode InsertNode(TreeNode parent, const QString& text) override;
    QString NodeText(TreeNode node) const override;
    bool SetNodeText(TreeNode node, const QString& text) override;
    quint32 NodeData(TreeNode node) const override;
    bool SetNodeData(TreeNode node, quint32 data) override;
    TreeNode FirstChild(TreeNode parent) const override;
    TreeNode NextSibling(TreeNode node) const override;
    TreeNode ParentNode(TreeNode node) const override;
    void Expand(TreeNode node) override;
    TreeNode SelectedNode() const override;
    bool SelectNode(TreeNode node) override;

    // The handle of a widget item of this tree; kNoTreeNode for null or a foreign item.
    TreeNode NodeOf(const QTreeWidgetItem* item) const;

private:
    QTreeWidgetItem* Item(TreeNode node) const { return items_.value(node); }

    QTreeWidget* tree_;
    QHash<TreeNode, QTreeWidgetItem*> items_;
    TreeNode lastNode_ = kNoTreeNode;
};
