#pragma once
// The survey-stone group: one StoneItemRecord per stone file (triangulation and control points
// the owner has touched), listed in five columns, sorted by stone number or height, marked on
// the map and located through the group's waypoints. Its rows carry 60000 + the stone's index;
// the peak group is its related group, which the stone-class subsets reach through the link.
#include "catalog/GroupBase.h"
#include "catalog/records/StoneItemRecord.h"

class CGroupStone : public CGroupBase {
public:
    struct ListColumn {
        static constexpr int kStone = 0, kHeight = 1, kName = 2, kRegion = 3, kTouched = 4;
        static constexpr int kCount = 5;
        static constexpr int kStoneWidth = 100;
        static constexpr int kHeightWidth = 70;
        static constexpr int kNameWidth = 80;
        static constexpr int kRegionWidth = 80;
        static constexpr int kTouchedWidth = 60;
    };
    // The numbered [Stone] Stone%d keys read, and the words of a stone level tried.
    static constexpr int kMaxClassKeys = 500;
    static constexpr int kMaxLevels = 9;
    static constexpr int kMaxLevelWords = 32;

    CGroupStone();
    ~CGroupStone() override;

    // Set-up and loading (GroupStone.cpp, GroupStoneLoad.cpp). Init builds the class subsets of
    // [Stone] Stone%d, then one per stone-level word, then 基石無法歸類, then the no-waypoint
    // subset; always true. A file is a stone when its [Stone] Stone is not empty.
    bool Init(const QString& settingsFile, CGroupTable* table, const QString& folder) override;
    bool LoadItemFile(const QString& path, const platform::FileTime& writeTime) override;
    bool TakeCachedItem(int position) override;
    const std::byte* GetItemRecord(int item) const override;
    // Every item, one row each, under the columns without a saved layout.
    int FillItemList(IItemList* list, int unused = 0) override;
    bool HasFeature(int feature) override;

    // The list (GroupStoneList.cpp, GroupStoneSort.cpp): rows carry 60000 + item; operations
    // taking a row accept only values 60000 to 79999 naming a loaded stone.
    void SetupItemColumns(IItemList* list, const ColumnLayout* layout) override;
    void SetupAssignColumns(IItemList* list) override;
    bool InsertItemRowEx(IItemList* list, int row, int item, bool assignMode, bool assigned) override;
    bool InsertItemRow(IItemList* list, int row, int item) override;
    // Column 0: stone number keys (level, word, number; then the text), first click ascending;
    // column 1: heights, first click descending; other columns: false.
    bool SortItemList(IItemList* list, int column) override;
    int GetDefaultSortColumn() override;

    // Summaries and queries (GroupStoneSummary.cpp). An index outside the items gives false,
    // empty texts or 0.
    bool ShowItemSummary(IStatusText* window, int item) override;
    bool ShowRowSummary(IStatusText* window, IItemList* list, int row) override;
    // "Name，Height m，FormatStoneNumber(Stone) [Region]".
    QString SummaryLine(int item) const;
    void FormatItemDescription(int item, QString* text) override;
    // A stone gives no item names and no region (the base's empty answers): it is located by its
    // Waypoint, its Mapping.txt entry or the picker, never by its place name, and the item
    // search finds it by its stone number only. The export knows it by its Name.
    QString ExportItemName(int item) override;
    bool GetItemStones(int item, QString* stone, QString* stone2, QString* stone3) override;
    bool GetItemWaypointName(int item, QString* text) override;
    int GetItemHeight(int item) override;
    int CountVisits(int item) override;
    bool ShowItemOnMap(IPointView* view, int item) override;
    // The point of a stone, keyed by its row value 60000 + item unless key is given.
    bool ShowItemOnMapAt(IPointView* view, int item, int number,
                         std::optional<quint32> key = std::nullopt) override;

    // Row commands (GroupStoneCommands.cpp): the item file in the editor, the row menu and
    // locating, the search dialog in its stone mode.
    bool EditItemFile(IItemList* list, int row) override;
    bool PopupItemMenu(IItemList* list, int row) override;
    bool LocateRow(IItemList* list, int row, int radius, bool online) override;
    bool RunFindDialog(IMainWindow* parent, CSubsetBase* subset, QString* searchText,
                       int walkNumber, int atlasCode) override;

    // Waypoint export and synchronisation (GroupStoneExport.cpp).
    bool ExportWaypoints(IItemList* list) override;
    bool SyncWaypoints(IItemList* list) override;
    bool SetItemWaypoint(int item, const GPSWayPointRecordW* waypoint, double longitude,
                         double latitude) override;

    // The record of a stone; null outside the items.
    const StoneItemRecord* Record(int item) const;
    // The stone a row value names (60000 + item); -1 for any other value.
    int StoneOfRowValue(quint32 value) const;
    // The stone a row names; -1 for a missing row or a value naming no stone.
    int StoneOfRow(IItemList* list, int row) const;

private:
    // The steps of Init, in the order they run.
    void AddClassWords();
    void AddLevelWords();
    void AddNoStoneLevel();
    void AddNoWaypoint();
};
