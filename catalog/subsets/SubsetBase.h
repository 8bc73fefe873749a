#pragma once
// The base of every subset: a named filter over the items of one group, shown in the subset tree
// with the row count of its last filling. The operations that take over a group's row commands
// decline by default, so that the group's own operation runs.
#include "catalog/subsets/SubsetStatistics.h"
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
    // Folder codes: the folder node of the subset tree under which a subset's node goes.
    static constexpr int kFolderBasic = 0;   // "基本"
    static constexpr int kFolderRegion = 1;  // "地區"
    static constexpr int kFolderVisit = 2;   // "造訪"
    static constexpr int kFolderWater = 3;   // "水源"

    // Type codes: the kind of subset, by which groups and dialogs look subsets up (16 is unused).
    enum Type : int {
        kTypeTitle = 0,
        kTypeStone = 1,
        kTypeSerial = 2,
        kTypeVisit = 3,
        kTypeSameName = 4,
        kTypeReVisit = 5,
        kTypeRegion = 6,
        kTypeNoRegion = 7,
        kTypeRegionSet = 8,
        kTypeDoubleStone = 9,
        kTypeHeight = 10,
        kTypePostfix = 11,
        kTypeTalvanes = 12,
        kTypePlantClass = 13,
        kTypePlantNotClass = 14,
        kTypeNoWaypoint = 15,
        kTypeNoTrack = 17,
        kTypeNoStoneLevel = 18,
        kTypeNoHiking = 19,
    };

    CSubsetBase(int typeCode, int folderCode, const QString& displayName, const QString& section)
        : typeCode(typeCode), folderCode(folderCode), displayName(displayName), section(section)
    {
    }
    virtual ~CSubsetBase() = default;
    CSubsetBase(const CSubsetBase&) = delete;
    CSubsetBase& operator=(const CSubsetBase&) = delete;

    // Virtual operations, in slot order from slot 1.

    // Adds the list text (the tree name with its cached count) as a new entry; true.
    virtual bool AddToListBox(IListBox* list);
    // Inserts the list text as the last child of parent; the new node, or kNoTreeNode when the
    // subset is not shown.
    virtual TreeNode InsertTreeItem(ISubsetTree* tree, TreeNode parent);
    // Sets up the columns, inserts the rows of its items, fills the statistics where it keeps
    // them and returns the row count. The caller has saved the columns and emptied the list.
    virtual int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns);
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

    // The subset's text in the tree and the list boxes, without its count.
    virtual QString TreeName() const { return displayName; }

    // text followed by " (n)" when Cache.txt holds a count n above 0 for this subset.
    QString FormatWithCachedCount(const QString& text) const;
    // Rewrites a tree node as the tree name followed by " (count)" (the name alone for a count
    // below 1), only when the text changes.
    void UpdateTreeItemCount(ISubsetTree* tree, TreeNode node, int count) const;

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
