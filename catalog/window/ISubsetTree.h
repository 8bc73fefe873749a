#pragma once
// The subset tree as the catalog sees it: nodes with a text and a 32-bit value, addressed by
// opaque handles. Handle 0 is "no node"; as a parent it stands for the top level. A handle is
// never reused: once its node is deleted (DeleteAll) it names no node, even after a refill.
#include <QString>
#include <QtGlobal>

using TreeNode = quintptr;
inline constexpr TreeNode kNoTreeNode = 0;

class ISubsetTree {
public:
    virtual ~ISubsetTree() = default;

    virtual void DeleteAll() = 0;
    // Appends a node as the last child of parent (kNoTreeNode: the top level) with value 0;
    // kNoTreeNode on failure.
    virtual TreeNode InsertNode(TreeNode parent, const QString& text) = 0;

    virtual QString NodeText(TreeNode node) const = 0;
    virtual bool SetNodeText(TreeNode node, const QString& text) = 0;
    virtual quint32 NodeData(TreeNode node) const = 0;
    virtual bool SetNodeData(TreeNode node, quint32 data) = 0;

    // Navigation in tree order; kNoTreeNode when there is none. FirstChild(kNoTreeNode) is the
    // first top-level node.
    virtual TreeNode FirstChild(TreeNode parent) const = 0;
    virtual TreeNode NextSibling(TreeNode node) const = 0;
    virtual TreeNode ParentNode(TreeNode node) const = 0;

    virtual void Expand(TreeNode node) = 0;
    virtual TreeNode SelectedNode() const = 0;
    // Makes node the selected node (the caret). Whether the window's selection handler runs
    // is the window's decision.
    virtual bool SelectNode(TreeNode node) = 0;
};
