#pragma once
// The waterfall group: one WaterfallItemRecord per waterfall file (names, height, region, the
// walks that visited it and its waypoint), listed in five columns, with the region subsets, and
// located through the base group's waypoint road. Its rows carry the item index; it puts no
// points on the map.
#include "catalog/GroupBase.h"
#include "catalog/records/WaterfallItemRecord.h"

class CGroupWaterfall : public CGroupBase {
public:
    struct ListColumn {
        static constexpr int kName = 0, kHeight = 1, kRegion = 2, kVisited = 3, kLocated = 4;
        static constexpr int kCount = 5;
        static constexpr int kAssignCount = 4;  // the assign list ends with the 已設定 column
        static constexpr int kNameWidth = 200;
        static constexpr int kHeightWidth = 70;
        static constexpr int kRegionWidth = 80;
        static constexpr int kMarkWidth = 60;
    };

    CGroupWaterfall();
    ~CGroupWaterfall() override;

    // Set-up and loading (GroupWaterfall.cpp, GroupWaterfallLoad.cpp). Init adds a region subset
    // per region of the region list (at most kMaxListedRegions), then the no-region subset;
    // always true. A file is a waterfall when its [Waterfall] Name is not empty.
    bool Init(const QString& settingsFile, CGroupTable* table, const QString& folder) override;
    bool LoadItemFile(const QString& path, const platform::FileTime& writeTime) override;
    bool TakeCachedItem(int position) override;
    // The rescan's offer: a file no item has yet (paths compared without case) is loaded.
    bool AcceptItemFile(const QString& path, const platform::FileTime& writeTime) override;
    const std::byte* GetItemRecord(int item) const override;
    // Every item, one row each, under the columns without a saved layout.
    int FillItemList(IItemList* list, int unused = 0) override;
    bool HasFeature(int feature) override;

    // The list (GroupWaterfallList.cpp): rows carry the item index.
    void SetupItemColumns(IItemList* list, const ColumnLayout* layout) override;
    void SetupAssignColumns(IItemList* list) override;
    bool InsertItemRowEx(IItemList* list, int row, int item, bool assignMode, bool assigned) override;
    bool InsertItemRow(IItemList* list, int row, int item) override;

    // Summaries and queries (GroupWaterfallQueries.cpp). An index outside the items gives
    // false, empty texts or 0; an item of -1 asks the visit count for the waterfalls visited.
    bool ShowItemSummary(IStatusText* window, int item) override;
    bool ShowRowSummary(IStatusText* window, IItemList* list, int row) override;
    // "Name, 高度<Height>m [Region]", or "Name, 高度未知 [Region]" without a height.
    QString SummaryLine(int item) const;
    void FormatItemDescription(int item, QString* text) override;
    bool GetItemRegion(int item, QString* text) override;
    bool GetItemNames(int item, QString* name, QString* name2) override;
    bool GetItemWaypointName(int item, QString* text) override;
    int GetItemHeight(int item) override;
    int CountVisits(int item) override;
    bool WasVisitedOn(int item, int walkNumber) override;
    bool JoinNamesVisitedOn(int walkNumber, QString* text) override;

    // Row commands and writers (GroupWaterfallCommands.cpp, GroupWaterfallWriters.cpp).
    bool EditItemFile(IItemList* list, int row) override;
    bool PopupItemMenu(IItemList* list, int row) override;
    bool RunFindDialog(IMainWindow* parent, CSubsetBase* subset, QString* searchText,
                       int walkNumber, int atlasCode) override;
    // The walk written into the file's first free Visit%d first, then kept in the record and
    // marked in the row; false when held, when 30 are kept, or when the write fails.
    bool AddVisit(IItemList* list, int row, int walkNumber) override;
    // The synchronised waypoint kept in memory; false, with the record unchanged, for a name
    // the record cannot hold whole.
    bool SetItemWaypoint(int item, const GPSWayPointRecordW* waypoint, double longitude,
                         double latitude) override;

    // The record of a waterfall; null outside the items.
    const WaterfallItemRecord* Record(int item) const;
    // The item a row shows; -1 for a missing row or a value naming no item.
    int ItemOfRow(IItemList* list, int row) const;

private:
    // The steps of Init, in the order they run.
    void AddRegionSubsets();
    void AddNoRegionSubset();
};
