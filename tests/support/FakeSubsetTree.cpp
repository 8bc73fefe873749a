#include "FakeSubsetTree.h"

const FakeSubsetTree::Node* FakeSubsetTree::Find(TreeNode node) const
{
    if (node <= deleted || node > deleted + TreeNode(nodes.size()))
        return nullptr;
    return &nodes[qsizetype(node - deleted - 1)];
}

FakeSubsetTree::Node* FakeSubsetTree::At(TreeNode node)
{
    return const_cast<Node*>(Find(node));
}

void FakeSubsetTree::DeleteAll()
{
    deleted += TreeNode(nodes.size());
    nodes.clear();
    topLevel.clear();
    selected = kNoTreeNode;
}

TreeNode FakeSubsetTree::InsertNode(TreeNode parent, const QString& text)
{
    if (parent != kNoTreeNode && !Find(parent))
        return kNoTreeNode;
    nodes.append(Node{text, 0, parent, {}, false});
    const TreeNode node = deleted + TreeNode(nodes.size());
    if (parent == kNoTreeNode)
        topLevel.append(node);
    else
        At(parent)->children.append(node);
    return node;
}

QString FakeSubsetTree::NodeText(TreeNode node) const
{
    const Node* n = Find(node);
    return n ? n->text : QString();
}

bool FakeSubsetTree::SetNodeText(TreeNode node, const QString& text)
{
    Node* n = At(node);
    if (!n)
        return false;
    n->text = text;
    return true;
}

quint32 FakeSubsetTree::NodeData(TreeNode node) const
{
    const Node* n = Find(node);
    return n ? n->data : 0;
}

bool FakeSubsetTree::SetNodeData(TreeNode node, quint32 data)
{
    Node* n = At(node);
    if (!n)
        return false;
    n->data = data;
    return true;
}

TreeNode FakeSubsetTree::FirstChild(TreeNode parent) const
{
    if (parent == kNoTreeNode)
        return topLevel.isEmpty() ? kNoTreeNode : topLevel.first();
    const Node* n = Find(parent);
    return n && !n->children.isEmpty() ? n->children.first() : kNoTreeNode;
}

TreeNode FakeSubsetTree::NextSibling(TreeNode node) const
{
    const Node* n = Find(node);
    if (!n)
        return kNoTreeNode;
    const QList<TreeNode>& siblings = n->parent == kNoTreeNode ? topLevel : Find(n->parent)->children;
    const qsizetype i = siblings.indexOf(node);
    return i + 1 < siblings.size() ? siblings[i + 1] : kNoTreeNode;
}

TreeNode FakeSubsetTree::ParentNode(TreeNode node) const
{
    const Node* n = Find(node);
    return n ? n->parent : kNoTreeNode;
}

void FakeSubsetTree::Expand(TreeNode node)
{
    if (Node* n = At(node))
        n->expanded = true;
}

bool FakeSubsetTree::SelectNode(TreeNode node)
{
    ++selectCalls;
    if (node != kNoTreeNode && !Find(node))
        return false;
    selected = node;
    return true;
}

void FakeSubsetTree::DumpInto(QStringList* lines, TreeNode node, int depth) const
{
    const Node* n = Find(node);
    lines->append(QString(depth * 2, QLatin1Char(' '))
                  + QStringLiteral("%1 [%2]%3").arg(n->text, QString::number(n->data),
                                                    n->expanded ? QStringLiteral(" +") : QString()));
    for (TreeNode child : n->children)
        DumpInto(lines, child, depth + 1);
}

QStringList FakeSubsetTree::Dump() const
{
    QStringList lines;
    for (TreeNode node : topLevel)
        DumpInto(&lines, node, 0);
    return lines;
}
