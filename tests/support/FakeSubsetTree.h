#pragma once
// A recording subset tree: nodes held in memory; handles are node numbers counted from 1 over
// the tree's whole life, so that a handle from before DeleteAll names no node afterwards.
#include "catalog/window/ISubsetTree.h"

#include <QList>
#include <QString>
#include <QStringList>

class FakeSubsetTree : public ISubsetTree {
public:
    struct Node {
        QString text;
        quint32 data = 0;
        TreeNode parent = kNoTreeNode;
        QList<TreeNode> children;
        bool expanded = false;
    };

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
    TreeNode SelectedNode() const override { return selected; }
    bool SelectNode(TreeNode node) override;

    // The tree as indented lines: "基本 [0] +" (+ expanded), children two blanks further in.
    QStringList Dump() const;
    const Node* Find(TreeNode node) const;

    QList<Node> nodes;        // node n is nodes[n - 1 - deleted]
    TreeNode deleted = 0;     // handles given out before the last DeleteAll
    QList<TreeNode> topLevel;
    TreeNode selected = kNoTreeNode;
    int selectCalls = 0;

private:
    Node* At(TreeNode node);
    void DumpInto(QStringList* lines, TreeNode node, int depth) const;
};
