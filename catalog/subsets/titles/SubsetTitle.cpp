// A title subset: its entries and their peaks, its tree node, its warnings and its map marks.
#include "catalog/subsets/titles/SubsetTitle.h"

#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/subsets/titles/EntryMapping.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/window/IMessageBox.h"
#include "platform/Profile.h"

namespace {

const QString kWarningSection = QStringLiteral("Warning");

} // namespace

CSubsetTitle::CSubsetTitle(const QString& key, CGroupTalvane* group, bool headsSet)
    : CSubsetBase(kTypeTitle, kFolderBasic, key, group ? group->Key() : QString()), key(key),
      group(group), headsSet(headsSet)
{
}

int CSubsetTitle::ReadEntries(QStringList* entries) const
{
    if (!group) {
        if (entries)
            entries->clear();
        return 0;
    }
    return EntryListReader::Titles().Read(group->SettingsFile(), key, entries);
}

int CSubsetTitle::MapEntries(QList<int>* map) const
{
    QStringList entries;
    const int count = ReadEntries(&entries);
    int replacing = -1;
    QList<int> values = group ? MapPeakEntries(*group, entries, &replacing) : QList<int>(count, 0);
    if (replacing >= 0)
        ShowMessage(QStringLiteral("山岳[") + FieldText(group->Record(replacing)->Name) +
                    QStringLiteral("]重複使用！請加註地區。"));
    if (map)
        *map = std::move(values);
    return count;
}

TreeNode CSubsetTitle::InsertTreeItem(ISubsetTree* tree, TreeNode parent)
{
    if (!group)
        return CSubsetBase::InsertTreeItem(tree, parent);
    SubsetTreeContext& context = group->TreeContext();
    if (!headsSet && context.lastTitleNode != kNoTreeNode)
        parent = context.lastTitleNode;
    const TreeNode node = CSubsetBase::InsertTreeItem(tree, parent);
    if (headsSet)
        context.lastTitleNode = node;
    return node;
}

bool CSubsetTitle::CheckWarning()
{
    if (WarningLimit() == 0)
        return false;
    QStringList entries;
    const int count = ReadEntries(&entries);
    int matched = 0;
    for (int item = 0; item < group->ItemCount(); ++item) {
        const TalvaneItemRecord* record = group->Record(item);
        if (record && MatchItemToEntries(*record, count, entries))
            ++matched;
    }
    return ShowCountWarning(count, matched, 0);
}

int CSubsetTitle::MarkOnMap(IPointView* view)
{
    QList<int> map;
    MapEntries(&map);
    return group ? MarkPeakEntries(*group, view, map) : 0;
}

bool CSubsetTitle::ShowCountWarning(int entryCount, int rowCount, int visitedCount) const
{
    if (rowCount > entryCount) {
        ShowMessage(QStringLiteral("[") + key + QStringLiteral("]數量超出總數(") +
                    QString::number(entryCount) + QStringLiteral(")！"));
        return true;
    }
    const int limit = WarningLimit();
    if (limit == 0 || visitedCount <= limit)
        return false;
    ShowMessage(QStringLiteral("[") + key + QStringLiteral("]數量超出預期(") +
                QString::number(limit) + QStringLiteral(")！"));
    return true;
}

int CSubsetTitle::WarningLimit() const
{
    if (!group)
        return 0;
    return platform::GetProfileInt(group->SettingsFile(), kWarningSection, key, 0);
}

void CSubsetTitle::ShowMessage(const QString& text) const
{
    if (!group || !group->Table())
        return;
    if (IMessageBox* box = group->Table()->Services().messageBox)
        box->Show(text, MessageIcon::Exclamation, MessageButtons::Ok);
}
