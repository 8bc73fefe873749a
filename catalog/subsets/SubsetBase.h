#pragma once
// The base of every subset: a named filter over the items of one group. Only the interface a
// group dispatches to is declared here; the operations that take over a group's row commands
// decline by default, so that the group's own operation runs.
#include "catalog/window/ISubsetTree.h"

#include <QString>
#include <QtGlobal>

#include <cstdint>

class IItemList;
class IListBox;
class IPointView;
class IStatusText;
struct ColumnLayout;

class CSubsetBase {
public:
    CSubsetBase(int typeCode, int folderCode, const QString& displayName, const QString& section)
        : typeCode(typeCode), folderCode(folderCode), displayName(displayName), section(section)
    {
    }
    virtual ~CSubsetBase() = default;
    CSubsetBase(const CSubsetBase&) = delete;
    CSubsetBase& operator=(const CSubsetBase&) = delete;

    // Virtual operations, in slot order from slot 1.
    virtual bool AddToListBox(IListBox* list) = 0;
    virtual TreeNode InsertTreeItem(ISubsetTree* tree, TreeNode parent) = 0;
    virtual int FillList(IItemList* list, int32_t* statistics, const ColumnLayout* columns) = 0;
    virtual bool SortItemList(IItemList*, int /*column*/) { return false; }
    virtual bool ShowRowSummary(IStatusText*, IItemList*, int /*row*/) { return false; }
    virtual bool EditItemFile(IItemList*, int /*row*/) { return false; }
    virtual bool HasRecordLinks(IItemList*, int /*row*/) { return false; }
    virtual bool PopupRecordMenu(IItemList*, int /*row*/) { return false; }
    virtual bool OpenRecordLink(IItemList*, int /*row*/, int /*commandId*/) { return false; }
    virtual bool LocateRow(IItemList*, int /*row*/, int /*radius*/, bool /*online*/) { return false; }
    virtual bool OpenWalkGps(IItemList*, int /*row*/) { return false; }
    virtual bool ExportWaypoints(IItemList*) { return false; }
    virtual bool SyncWaypoints(IItemList*) { return false; }
    virtual bool CheckWarning() { return false; }
    virtual bool WriteHtmlTable(IItemList*, const QString& /*title*/, const QString& /*suffix*/,
                                int /*number*/, const QString& /*templateKey*/)
    {
        return false;
    }
    virtual bool MatchesKey(const QString& /*key*/) const { return true; }
    virtual void SetupAssignColumns(IItemList*) {}
    virtual int GetItemCount() const { return 0; }
    virtual bool GetItemStones(int, QString* a, QString* b, QString* c) const
    {
        for (QString* s : {a, b, c})
            if (s)
                s->clear();
        return false;
    }
    virtual bool InsertItemRow(IItemList*, int /*row*/, int /*index*/, bool, bool) { return false; }
    virtual int MarkOnMap(IPointView*) { return 0; }

    int TypeCode() const { return typeCode; }
    int FolderCode() const { return folderCode; }
    const QString& DisplayName() const { return displayName; }
    const QString& Section() const { return section; }

protected:
    int typeCode;
    int folderCode;
    QString displayName;  // shown name, and its key in the count cache
    QString section;      // the key of the group that built it
};
