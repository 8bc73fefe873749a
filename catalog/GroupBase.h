#pragma once
// The base of every catalog group: the items of one data group (one fixed-size record per item
// file), its subsets, its waypoint set and its item cache. Dialogs drive a group only through
// the virtual operations below, declared in their fixed slot order; the base answers false, 0
// or empty where a class has nothing to add.
#include "catalog/records/CodeList.h"
#include "catalog/subsets/SubsetTreeContext.h"
#include "catalog/window/IDialogRunner.h"
#include "catalog/window/ISubsetTree.h"
#include "gps/GPSWayPointSet.h"
#include "platform/FileTime.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class CGroupTable;
class CSubsetBase;
struct WindowServices;
class IItemList;
class IListBox;
class IMainWindow;
class IPointView;
class IStatusText;
struct GPSWayPointRecordW;
struct SubsetStatistics;
struct PlantItemRecord;
struct StoneItemRecord;
struct TalvaneItemRecord;
struct TrailItemRecord;
struct WaterfallItemRecord;

// The columns of the item list as they stood before a refill: up to ten (width, title).
struct ColumnLayout {
    static constexpr int kMaxColumns = 10;
    static constexpr int kMaxTitle = 31;  // code units of a title that are kept
    struct Column {
        int width = 0;
        QString title;
    };
    QList<Column> columns;
};

// What the main dialog asks a group to offer.
enum GroupFeature : int {
    kFeatureSearch = 0,          // search button
    kFeatureRowMenu = 1,         // other-functions button
    kFeatureLocateAll = 2,       // "定位全部..." entry of the list-functions menu
    kFeatureCompareWalks = 3,
    kFeatureRegionStatistics = 4,
    kFeatureCompareRouteMaps = 5,
    kFeatureCompanionWalks = 6,
    kFeatureMap = 7,             // map check box
    kFeatureAddPlant = 8,
    kFeatureImageView = 9,       // photo view instead of the map
};

class CGroupBase {
public:
    // Width of the path field that begins every record.
    static constexpr qsizetype kPathWidth = 260;
    // The most subsets a group keeps.
    static constexpr int kMaxSubsets = 500;
    // The most items a group holds: a list row carries the item index below 20000.
    static constexpr int kMaxItems = 20000;
    // Item-block growth: the first block, and the largest single step, in elements.
    static constexpr int kFirstCapacity = 16;
    static constexpr int kMaxGrowth = 100;
    // An element of the block, and of the item cache's size check, is a record plus this.
    static constexpr int kElementExtra = 32;
    // Sort-direction flags kept per list column.
    static constexpr int kSortColumns = 8;

    CGroupBase();
    virtual ~CGroupBase();  // slot 0
    CGroupBase(const CGroupBase&) = delete;
    CGroupBase& operator=(const CGroupBase&) = delete;

    // Slots 1 to 5: set-up and loading.
    virtual bool Init(const QString& settingsFile, CGroupTable* table, const QString& folder);
    virtual bool LoadItemFile(const QString& path, const platform::FileTime& writeTime);
    virtual const std::byte* GetItemRecord(int item) const;
    virtual bool OnLoaded();
    virtual int FillItemList(IItemList* list, int unused = 0);

    // Slots 6 to 14: subset list boxes and the subset tree.
    virtual bool FillSubsetList(IListBox* list, IListBox* categories);
    virtual bool FillCategoryList(IListBox* list);
    virtual bool FillSubsetTree(ISubsetTree* tree);
    virtual int SubsetIndexFromListPos(IListBox* list, int position);
    virtual int ListPosFromSubsetIndex(IListBox* list, int subset);
    virtual int FindListPosByData(IListBox* list, quint32 value);
    virtual TreeNode FindTreeItemByText(ISubsetTree* tree, const QString& text);
    virtual TreeNode FindTreeItemBySubset(ISubsetTree* tree, int subset);
    virtual bool FillSiblingSubsetList(IListBox* list, CSubsetBase* subset);

    // Slots 15 to 27: row operations; the ...For forms offer the call to a subset first.
    virtual bool SortItemList(IItemList* list, int column);
    virtual bool SortItemListFor(IItemList* list, int column, int subset);
    virtual bool ShowItemSummary(IStatusText* window, int item);
    virtual bool ShowRowSummary(IStatusText* window, IItemList* list, int row);
    virtual bool ShowRowSummaryFor(IStatusText* window, IItemList* list, int row, int subset);
    virtual bool EditItemFile(IItemList* list, int row);
    virtual bool EditItemFileFor(IItemList* list, int row, int subset);
    virtual bool HasRecordLinks(IItemList* list, int row);
    virtual bool HasRecordLinksFor(IItemList* list, int row, int subset);
    virtual bool PopupRecordMenu(IItemList* list, int row);
    virtual bool PopupRecordMenuFor(IItemList* list, int row, int subset);
    virtual bool OpenRecordLink(IItemList* list, int row, int commandId);
    virtual bool OpenRecordLinkFor(IItemList* list, int row, int subset, int commandId);

    // Slots 28 to 39: writing codes, locating and exporting.
    virtual bool AddVisit(IItemList* list, int row, int walkNumber);
    virtual bool AddMateVisit(IItemList* list, int row, int code);
    virtual bool AddAtlasRef(IItemList* list, int row, int code);
    virtual bool LocateItem(int item, int radius, bool online);
    virtual bool LocateRow(IItemList* list, int row, int radius, bool online);
    virtual bool OpenWalkGps(IItemList* list, int row);
    virtual bool ExportWaypoints(IItemList* list);
    virtual bool SyncWaypoints(IItemList* list);
    virtual bool LocateRowFor(IItemList* list, int row, int subset, int radius, bool online);
    virtual bool OpenWalkGpsFor(IItemList* list, int row, int subset);
    virtual bool ExportWaypointsFor(IItemList* list, int subset);
    virtual bool SyncWaypointsFor(IItemList* list, int subset);

    // Slots 40 to 47: columns, rows and item texts.
    virtual void SetupItemColumns(IItemList* list, const ColumnLayout* layout);
    virtual void SetupAssignColumns(IItemList* list);
    virtual bool InsertItemRowEx(IItemList* list, int row, int item, bool assignMode, bool assigned);
    virtual bool InsertItemRow(IItemList* list, int row, int item);
    virtual bool GetItemRegion(int item, QString* text);
    virtual bool GetItemNames(int item, QString* name, QString* name2);
    virtual bool GetItemStones(int item, QString* stone, QString* stone2, QString* stone3);
    virtual bool GetItemWaypointName(int item, QString* text);

    // Slots 48 to 57: counts and code look-ups; an item of -1 counts the items with an entry.
    virtual int CountVisits(int item);
    virtual int CountAtlasRefsOfKind(int item, int atlas);
    virtual int CountAtlasRefs(int item);
    virtual int CountMateVisitsOf(int item, int companion);
    virtual int CountMateVisits(int item);
    virtual bool CodeListContains(const int32_t* list, int value) const;
    virtual bool WasVisitedOn(int item, int walkNumber);
    virtual bool HasAtlasRef(int item, int code);
    virtual bool HasMateVisit(int item, int code);
    virtual int GetDefaultSortColumn();

    // Slots 58 to 62: list output, the item cache and the rescan.
    virtual bool WriteHtmlTable(IItemList* list, const QString& title, const QString& suffix,
                                int number, const QString& templateKey, bool flag);
    virtual bool WriteHtmlTableFor(IItemList* list, const QString& title, int subset,
                                   const QString& suffix, int number, const QString& templateKey);
    virtual bool TakeCachedItem(int position);
    virtual bool ScanItemFiles();
    virtual bool AcceptItemFile(const QString& path, const platform::FileTime& writeTime);

    // Slots 63 to 77: look-ups by walk and atlas page, features, dialogs, views, waypoints.
    virtual bool FindItemsVisitedOn(int walkNumber, int* count, QList<int>* indices);
    virtual bool JoinNamesVisitedOn(int walkNumber, QString* text);
    virtual bool FindItemsByAtlasRef(int code, int* count, QList<int>* indices);
    virtual bool JoinNamesByAtlasRef(int code, QString* text);
    virtual bool HasFeature(int feature);
    virtual bool RunFindDialog(IMainWindow* parent, CSubsetBase* subset, QString* searchText,
                               int walkNumber, int atlasCode);
    virtual bool PopupItemMenu(IItemList* list, int row);
    virtual int SetActiveView(IPointView* view);
    virtual bool ShowItemOnMap(IPointView* view, int item);
    // Adds an item's point to the view with the caller's number, keyed by key (the value of the
    // row that shows the item; the item index when not given); false for an item outside the
    // items. The base has no points.
    virtual bool ShowItemOnMapAt(IPointView* view, int item, int number,
                                 std::optional<quint32> key = std::nullopt);
    virtual CGPSFile* LoadWaypointFile(bool defaultName);
    virtual GPSWayPointSet* GetWaypointSet();
    virtual void FormatItemDescription(int item, QString* text);
    virtual int GetItemHeight(int item);
    virtual bool SetItemWaypoint(int item, const GPSWayPointRecordW* waypoint, double longitude,
                                 double latitude);
    virtual bool AppendItemSummary(int item, QString* text);

    // Loads one item file through LoadItemFile with the file parsed once: every reader of that
    // path sees the same parse until the call returns (the factory loads files this way).
    bool LoadItemFileParsedOnce(const QString& path, const platform::FileTime& writeTime);

    // Loading helpers shared by the classes.

    // [key] Name of the item file is not empty: the file belongs to a group of this class. A
    // class whose records require another key (requiredKey) also accepts a file by that key.
    bool HasNameKey(const QString& path) const;
    // Room for one more record of recordSize bytes: returns the new, zero-filled record and
    // counts it; null (nothing counted) when memory is exhausted, the group is full, or the
    // size differs from the records already held.
    std::byte* AppendItemSlot(std::size_t recordSize);
    // [key] key of the item file copied into a field of width code units (cut to width - 1
    // without splitting a pair); true when the value is not empty.
    bool ReadItemString(const QString& path, const QString& key, char16_t* field,
                        qsizetype width) const;
    template <std::size_t N>
    bool ReadItemString(const QString& path, const QString& key, char16_t (&field)[N]) const
    {
        return ReadItemString(path, key, field, qsizetype(N));
    }
    // The whole value of [key] key ("" when missing).
    QString ReadItemText(const QString& path, const QString& key) const;
    // The value of a record's text field (width code units) that may hold a longer item-file
    // value cut short: a field that full is looked up as [key] key of the item file at path,
    // whose value wins when it continues the field.
    QString WholeItemText(const QString& path, const char16_t* field, qsizetype width,
                          const QString& key) const;
    template <std::size_t N>
    QString WholeItemText(const QString& path, const char16_t (&field)[N],
                          const QString& key) const
    {
        return WholeItemText(path, field, qsizetype(N), key);
    }
    // [key] key read as an integer by the profile rules; def when missing or empty.
    int ReadItemInt(const QString& path, const QString& key, int def = 0) const;
    // [key] key read as a decimal number in the C locale; *number = def when empty or unreadable.
    bool ReadItemDouble(const QString& path, const QString& key, double* number, double def) const;
    // Visit1, Visit2, ... into a descending list of at most 30 walk numbers.
    bool ReadVisits(const QString& path, int32_t (&list)[kMaxCodes]) const;
    // BlueSky1, ... then Quill1, ... into one list of at most 30 atlas codes, each run descending.
    bool ReadAtlasRefs(const QString& path, int32_t (&list)[kMaxCodes]) const;
    // Reads the item cache "~~<key>.bin" of the data folder, once; false when it is missing or
    // malformed (then there is no cache).
    bool LoadItemCache(std::size_t recordSize);

    // The record of an item, typed; null when out of range or of another record size.
    template <class Record>
    Record* ItemAs(int item)
    {
        return reinterpret_cast<Record*>(ItemBytes(item, sizeof(Record)));
    }
    template <class Record>
    const Record* ItemAs(int item) const
    {
        return reinterpret_cast<const Record*>(
            const_cast<CGroupBase*>(this)->ItemBytes(item, sizeof(Record)));
    }
    // A new record of the given type (see AppendItemSlot).
    template <class Record>
    Record* AppendItem()
    {
        return reinterpret_cast<Record*>(AppendItemSlot(sizeof(Record)));
    }
    // The item file of an item (the record's first field); empty when out of range.
    QString ItemPath(int item) const;

    const QString& Key() const { return key; }
    const QString& DisplayName() const { return displayName; }
    const QString& SettingsFile() const { return settingsFile; }
    const QString& Folder() const { return folder; }
    const QString& RelatedKey() const { return relatedKey; }
    const QString& RecordMenuCaption() const { return recordMenuCaption; }
    CGroupTable* Table() const { return table; }
    int ItemCount() const { return itemCount; }
    int ItemCapacity() const { return itemCapacity; }
    int ElementSize() const { return elementSize; }
    int SubsetCount() const { return int(subsets.size()); }
    CSubsetBase* Subset(int index) const;
    int CacheCount() const { return cacheCount; }
    bool CacheTried() const { return cacheTried; }
    platform::FileTime CacheTime() const { return cacheTime; }
    // The path of this group's item cache file.
    QString ItemCachePath() const;

    // Item files refused because their path does not fit a record.
    const QStringList& LongPathFiles() const { return longPathFiles; }
    // Records refused because the group already held kMaxItems items.
    int RefusedAsFull() const { return refusedAsFull; }

    // Takes ownership of a subset; false (and the subset deleted) when the group is full.
    bool AddSubset(CSubsetBase* subset);

    // Subsets and their counts.

    // The first subset, in creation order, of a type code that stands for key; -1 when none.
    int FindSubset(int typeCode, const QString& key) const;
    // Fills the list from a subset and caches its row count in Cache.txt when it changed.
    // statistics (may be null) receives the subset's visit figures; *columnsChanged tells
    // whether the subset's columns differ from those the list had. Returns the row count.
    int ShowSubsetItems(int subset, IItemList* list, SubsetStatistics* statistics,
                        bool* columnsChanged);
    // The group of the table whose key is this group's related key, built on first use; null
    // when none is or the related key is empty.
    CGroupBase* FindRelatedGroup();
    // The parent nodes subsets remember while this group fills the subset tree; reset by
    // FillSubsetTree before the first subset inserts its node.
    SubsetTreeContext& TreeContext() { return treeContext; }

    // Waypoint look-ups shared by locating, export and synchronisation (GroupBaseWaypoints.cpp).

    // The all-in-one GPS file: Local.txt [GPS] "AllWPFile_<key>", else the data folder with
    // "!台灣的<displayName>.gdb" (defaultName) or "gps/<displayName>.gdb"; relative values are
    // taken from the program folder.
    QString WaypointFilePath(bool defaultName) const;
    // Opens an all-in-one GPS file through the main window; null without one or when no format
    // reads the file. A file that is there but cannot be read as GPS data is reported when
    // report is set: the callers set it only for a file they had not tried in this state.
    std::unique_ptr<CGPSFile> OpenAllInOneFile(const QString& path, bool report) const;
    // [GPS] <base name of the item file> of Mapping.txt, read whole; empty when none.
    QString MappedWaypointName(int item) const;
    // How an export or a synchronisation found an item's waypoint.
    enum class WaypointMatch {
        None,            // not found: the item is left out
        Skipped,         // not found by its own name and mapped to "Skip"
        OwnName,         // by the item's waypoint name
        Mapping,         // by its Mapping.txt entry
        SingleBaseName,  // the only free waypoint whose base name is the item's name
        GuessedBaseName, // the last of several such waypoints
    };
    struct ResolvedWaypoint {
        int index = -1;  // in the waypoint set; -1 unless found
        WaypointMatch how = WaypointMatch::None;
    };
    // The export rule for an item, on the loaded set: own waypoint name, else the mapping unless
    // it says "Skip" (any case), else the last free waypoint whose base name is the item's name.
    ResolvedWaypoint ResolveWaypoint(int item);
    // The item's name as the export and the synchronisation use it (the base name they search
    // for, the exported copy's name, the duplicate message): the first of GetItemNames unless a
    // class that gives no item names names its items here.
    virtual QString ExportItemName(int item);
    // The window services of the table; null without a table.
    const WindowServices* Services() const;
    // Runs the search dialog of kind over this group (or subset) with the text, the walk and the
    // atlas page it may write; nothing without window services.
    std::optional<FindDialogResult> RunSearch(FindDialogKind kind, CSubsetBase* subset,
                                              const QString* searchText, int walkNumber = 0,
                                              int atlasCode = 0);
    // Opens a file with the shell's "edit" verb, with "open" when that fails; nothing for an
    // empty path or without a shell.
    void EditFile(const QString& path) const;

protected:
    // The TakeCachedItem of a class: the cached record at position becomes a new item, made
    // safe first (every text field ends with a 0, code lists end at their first 0).
    template <class Record>
    bool TakeCachedRecord(int position)
    {
        Record* record = reinterpret_cast<Record*>(TakeCachedBytes(position, sizeof(Record)));
        if (!record)
            return false;
        SanitizeCachedRecord(*record);
        return true;
    }
    // The cache step of a class's LoadItemFile: when an unused cached record has the file's path
    // and the cache is newer than the file, it becomes the new item (made safe) and true is
    // returned; otherwise the class reads the file.
    template <class Record>
    bool TakeCachedRecordFor(const QString& path, const platform::FileTime& writeTime)
    {
        const int position = FindCachedRecord(path, writeTime, sizeof(Record));
        return position >= 0 && TakeCachedRecord<Record>(position);
    }
    // The rescan's offer of a file: loaded unless an item already has its path (in any case);
    // false when one has.
    bool LoadIfNew(const QString& path, const platform::FileTime& writeTime);
    // Whether an item file's path fits a record's path field; an item whose path does not fit
    // is refused, never stored under a cut path, and its path is kept for the report.
    bool FitsRecordPath(const QString& path);
    // Copies an item file's path into a record's path field; false when it does not fit.
    static bool SetRecordPath(char16_t* field, qsizetype width, const QString& path);
    template <std::size_t N>
    bool SetRecordPath(char16_t (&field)[N], const QString& path)
    {
        return SetRecordPath(field, qsizetype(N), path);
    }
    // The shared body of FillItemList: clear the list, set up the columns without layout, one
    // row per item; 0 without a list.
    int FillAllItems(IItemList* list);

    static void SanitizeCachedRecord(TalvaneItemRecord& record);
    static void SanitizeCachedRecord(StoneItemRecord& record);
    static void SanitizeCachedRecord(TrailItemRecord& record);
    static void SanitizeCachedRecord(WaterfallItemRecord& record);
    static void SanitizeCachedRecord(PlantItemRecord& record);

    QString key;                // section of the item files, of subset counts, cache file key
    QString displayName;        // 山, 基石, ...
    QString settingsFile;
    QString folder;
    CGroupTable* table = nullptr;
    QString recordMenuCaption;
    GPSWayPointSet waypointSet;  // the all-in-one GPS file and its waypoints; empty until loaded
    QString relatedKey;
    QString requiredKey;        // the record's required key when it is not "Name"

    std::vector<std::unique_ptr<CSubsetBase>> subsets;
    bool sortDescending[kSortColumns] = {};

    platform::FileTime waypointFileTime;
    QString waypointFilePath;   // the file the set was loaded from

private:
    std::byte* ItemBytes(int item, std::size_t recordSize);
    std::byte* TakeCachedBytes(int position, std::size_t recordSize);
    int FindCachedRecord(const QString& path, const platform::FileTime& writeTime,
                         std::size_t recordSize);
    // The item block and the item cache are reached only through the operations above, which
    // keep counts, sizes and bounds together.
    int itemCount = 0;
    int itemCapacity = 0;       // in elements of elementSize
    int elementSize = 0;        // record size + kElementExtra
    // The item block: itemCapacity elements, zero beyond the records. Its storage grows
    // geometrically underneath, so that a large group is not copied at every step of 100.
    std::vector<std::byte> items;

    int cacheCount = 0;
    QByteArray cacheBlock;
    std::vector<bool> cacheUsed;
    bool cacheTried = false;
    platform::FileTime cacheTime;
    std::size_t recordSize = 0;
    // Positions of the cached records by folded path, built when the cache is read.
    QHash<QString, QList<int>> cacheIndex;
    QStringList longPathFiles;
    int refusedAsFull = 0;
    SubsetTreeContext treeContext;
};

// Deletes every row of a list, then its columns.
bool ClearListCtrl(IItemList* list);
