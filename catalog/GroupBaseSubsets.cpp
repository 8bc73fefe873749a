// The group base's subset operations: the subset tree with its folder nodes, the look-ups of
// subsets and tree nodes, filling the item list from a subset with its cached row count, the
// subset list boxes and the related group.
#include "catalog/GroupBase.h"

#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/subsets/SubsetBase.h"
#include "catalog/window/IItemList.h"
#include "catalog/window/IListBox.h"
#include "catalog/window/IStatusText.h"
#include "platform/Profile.h"

#include <array>

namespace {

// The folder nodes of the subset tree, by folder code; other codes have no folder.
constexpr int kFolderCount = 4;
const std::array<QString, kFolderCount> kFolderNames = {
    QStringLiteral("基本"), QStringLiteral("地區"), QStringLiteral("造訪"), QStringLiteral("水源")};

QString FolderText(int code)
{
    return code >= 0 && code < kFolderCount ? kFolderNames[std::size_t(code)] : QString();
}

// A subset's node carries its index + 1; a folder node carries 0.
quint32 NodeValue(int subset)
{
    return quint32(subset) + 1;
}

// The folder node of a folder code, appended at the end of the tree the first time the code
// occurs; the top level for a code without folder.
TreeNode FolderNode(ISubsetTree* tree, int code, std::array<TreeNode, kFolderCount>* nodes,
                    int* made)
{
    if (code < 0 || code >= kFolderCount)
        return kNoTreeNode;
    TreeNode& node = (*nodes)[std::size_t(code)];
    if (node == kNoTreeNode) {
        node = tree->InsertNode(kNoTreeNode, FolderText(code));
        if (node != kNoTreeNode)
            ++*made;
    }
    return node;
}

// Lets a subset add its entry to a list box and tags what it added with the subset's index,
// so that list positions map back to subsets; false when it added nothing.
bool AddListedSubset(IListBox* list, CSubsetBase* subset, int index)
{
    const int before = list->Count();
    subset->AddToListBox(list);
    for (int position = before; position < list->Count(); ++position)
        list->SetItemData(position, quint32(index));
    return list->Count() > before;
}

// The first position whose value is value; -1 when none.
int PositionOfData(const IListBox* list, quint32 value)
{
    if (!list)
        return -1;
    for (int position = 0; position < list->Count(); ++position)
        if (list->ItemData(position) == value)
            return position;
    return -1;
}

// A column title as the layout keeps it: at most kMaxTitle code units, no half pair.
QString LayoutTitle(const QString& title)
{
    char16_t field[ColumnLayout::kMaxTitle + 1];
    SetFieldText(field, title);
    return FieldText(field);
}

// The list's columns from the left up to the first one without title, at most ten.
ColumnLayout RecordColumns(const IItemList& list)
{
    ColumnLayout layout;
    for (int column = 0; column < ColumnLayout::kMaxColumns; ++column) {
        QString title;
        int width = 0;
        if (!list.GetColumn(column, &title, &width) || title.isEmpty())
            break;
        layout.columns.append({width, LayoutTitle(title)});
    }
    return layout;
}

// Whether a recorded column now stands with another title or width; columns the list has
// beyond the recorded ones do not count.
bool ColumnsDiffer(const ColumnLayout& before, const IItemList& list)
{
    for (int column = 0; column < before.columns.size(); ++column) {
        QString title;
        int width = 0;
        if (!list.GetColumn(column, &title, &width))
            return true;
        const ColumnLayout::Column& old = before.columns[column];
        if (LayoutTitle(title) != old.title || width != old.width)
            return true;
    }
    return false;
}

// Writes a subset's row count to Cache.txt when it differs from the cached one.
void StoreSubsetCount(const CSubsetBase& subset, int rows)
{
    const QString cache = CacheFilePath();
    if (platform::GetProfileInt(cache, subset.Section(), subset.DisplayName(), 0) != rows)
        platform::WriteProfileString(cache, subset.Section(), subset.DisplayName(),
                                     QString::number(rows));
}

} // namespace

bool CGroupBase::FillSubsetTree(ISubsetTree* tree)
{
    if (!tree)
        return false;
    tree->DeleteAll();
    treeContext = SubsetTreeContext{};
    std::array<TreeNode, kFolderCount> folders{};
    int made = 0;
    for (int i = 0; i < SubsetCount(); ++i) {
        CSubsetBase* subset = subsets[std::size_t(i)].get();
        const TreeNode parent = FolderNode(tree, subset->FolderCode(), &folders, &made);
        const TreeNode node = subset->InsertTreeItem(tree, parent);
        if (node != kNoTreeNode)
            tree->SetNodeData(node, NodeValue(i));
    }
    if (made == 1)
        for (TreeNode folder : folders)
            if (folder != kNoTreeNode)
                tree->Expand(folder);
    return true;
}

// Looks two levels below the top: the children of the top-level nodes, and their children.
TreeNode CGroupBase::FindTreeItemBySubset(ISubsetTree* tree, int subset)
{
    if (!tree || subset < 0)
        return kNoTreeNode;
    const quint32 value = NodeValue(subset);
    for (TreeNode top = tree->FirstChild(kNoTreeNode); top; top = tree->NextSibling(top)) {
        for (TreeNode child = tree->FirstChild(top); child; child = tree->NextSibling(child)) {
            if (tree->NodeData(child) == value)
                return child;
            for (TreeNode inner = tree->FirstChild(child); inner; inner = tree->NextSibling(inner))
                if (tree->NodeData(inner) == value)
                    return inner;
        }
    }
    return kNoTreeNode;
}

// Compares the full node text (count included) of the nodes that can be subsets: a child of a
// top-level node that has children of its own stands for their heading and is not compared.
TreeNode CGroupBase::FindTreeItemByText(ISubsetTree* tree, const QString& text)
{
    if (!tree)
        return kNoTreeNode;
    for (TreeNode top = tree->FirstChild(kNoTreeNode); top; top = tree->NextSibling(top)) {
        for (TreeNode child = tree->FirstChild(top); child; child = tree->NextSibling(child)) {
            const TreeNode first = tree->FirstChild(child);
            if (first == kNoTreeNode && tree->NodeText(child) == text)
                return child;
            for (TreeNode inner = first; inner; inner = tree->NextSibling(inner))
                if (tree->NodeText(inner) == text)
                    return inner;
        }
    }
    return kNoTreeNode;
}

int CGroupBase::FindSubset(int typeCode, const QString& key) const
{
    for (int i = 0; i < SubsetCount(); ++i) {
        const CSubsetBase* subset = subsets[std::size_t(i)].get();
        if (subset->TypeCode() == typeCode && subset->MatchesKey(key))
            return i;
    }
    return -1;
}

// Without a list nothing is filled and the cached count stays as it is: a count of 0 from a
// missing list would replace the real one.
int CGroupBase::ShowSubsetItems(int subset, IItemList* list, SubsetStatistics* statistics,
                                bool* columnsChanged)
{
    if (columnsChanged)
        *columnsChanged = false;
    CSubsetBase* s = Subset(subset);
    if (!s || !list)
        return 0;
    const ColumnLayout before = RecordColumns(*list);
    ClearListCtrl(list);
    // The subset always gets a block, emptied: "no statistics" until it writes its own.
    SubsetStatistics own;
    SubsetStatistics* block = statistics ? statistics : &own;
    *block = SubsetStatistics{};
    const int rows = s->FillList(list, block, &before);
    StoreSubsetCount(*s, rows);
    if (columnsChanged)
        *columnsChanged = ColumnsDiffer(before, *list);
    return rows;
}

bool CGroupBase::FillSiblingSubsetList(IListBox* list, CSubsetBase* subset)
{
    if (!list)
        return false;
    list->DeleteAll();
    if (!subset)
        return false;
    for (int i = 0; i < SubsetCount(); ++i) {
        CSubsetBase* other = subsets[std::size_t(i)].get();
        if (other != subset && other->TypeCode() == subset->TypeCode())
            AddListedSubset(list, other, i);
    }
    return true;
}

// The status text is the main dialog's; the progress of a group built here is put away again.
CGroupBase* CGroupBase::FindRelatedGroup()
{
    if (relatedKey.isEmpty() || !table)
        return nullptr;
    IStatusText* status = table->StatusWindow();
    const QString saved = status ? status->Text() : QString();
    CGroupBase* found = nullptr;
    for (int i = 0; i < table->GroupCount() && !found; ++i) {
        CGroupBase* other = table->GetGroup(i, status);
        if (other && other->Key() == relatedKey)
            found = other;
    }
    if (status)
        status->SetText(saved);
    return found;
}

// The category list boxes: one entry per folder code, and the subsets of the selected one.

bool CGroupBase::FillCategoryList(IListBox* list)
{
    if (!list)
        return false;
    list->DeleteAll();
    QList<int> codes;
    for (const auto& subset : subsets) {
        const int code = subset->FolderCode();
        if (codes.contains(code))
            continue;
        codes << code;
        const int position = list->AddString(FolderText(code));
        if (position >= 0)
            list->SetItemData(position, quint32(code));
    }
    if (list->Count() > 0)
        list->SetCurrentSelection(0);
    return true;
}

// Subsets stay in the group whether they add an entry or not: the tree and the dialogs hold
// their indices. Each entry carries the index of its subset.
bool CGroupBase::FillSubsetList(IListBox* list, IListBox* categories)
{
    if (!list)
        return false;
    list->DeleteAll();
    const int selected = categories ? categories->CurrentSelection() : -1;
    if (selected < 0)
        return true;
    const quint32 code = categories->ItemData(selected);
    for (int i = 0; i < SubsetCount(); ++i) {
        CSubsetBase* subset = subsets[std::size_t(i)].get();
        if (quint32(subset->FolderCode()) == code)
            AddListedSubset(list, subset, i);
    }
    return true;
}

int CGroupBase::SubsetIndexFromListPos(IListBox* list, int position)
{
    if (!list || position < 0 || position >= list->Count())
        return position;
    const quint32 index = list->ItemData(position);
    return index < quint32(SubsetCount()) ? int(index) : position;
}

int CGroupBase::ListPosFromSubsetIndex(IListBox* list, int subset)
{
    if (subset < 0)
        return subset;
    const int position = PositionOfData(list, quint32(subset));
    return position >= 0 ? position : subset;
}

int CGroupBase::FindListPosByData(IListBox* list, quint32 value)
{
    const int position = PositionOfData(list, value);
    return position >= 0 ? position : 0;
}
