#pragma once
// The trail group (步道), and through CGroupOldTrail the old-trail group (古道): one
// TrailItemRecord per trail file, located by its track in the group's all-in-one GPS file (the
// track set, reloaded when the file's write time changes), with a record menu of the walks and
// atlas pages that list the trail. Rows carry the item index.
#include "catalog/GroupBase.h"
#include "catalog/records/TrailItemRecord.h"
#include "gps/GPSTrackSet.h"

class IStatusText;

class CGroupTrail : public CGroupBase {
public:
    struct ListColumn {
        static constexpr int kName = 0, kLength = 1, kRegion = 2, kWalked = 3, kLocated = 4;
        static constexpr int kCount = 5;
        static constexpr int kAssignCount = 4;  // the assign columns end with 已設定 as column 3
        static constexpr int kNameWidth = 160;
        static constexpr int kLengthWidth = 70;
        static constexpr int kRegionWidth = 80;
        static constexpr int kWalkedWidth = 60;
        static constexpr int kLocatedWidth = 60;
    };
    static constexpr int kMaxRegions = 25;       // regions of the region list that get subsets
    static constexpr int kMaxRegionMembers = 30; // member words of an expanded region
    static constexpr int kMaxWalk = 1999;        // walk numbers the record menu lists

    CGroupTrail();
    ~CGroupTrail() override;

    // Set-up and loading (GroupTrail.cpp, GroupTrailLoad.cpp). Init: one region subset per
    // region (its members too when [<key>] ExpandRegion names it), the no-region subset and the
    // not-located subset; true. A file is a trail when its [<key>] Name is not empty.
    bool Init(const QString& settingsFile, CGroupTable* table, const QString& folder) override;
    bool LoadItemFile(const QString& path, const platform::FileTime& writeTime) override;
    bool TakeCachedItem(int position) override;
    const std::byte* GetItemRecord(int item) const override;
    // Every item, one row each, under the columns without a saved layout.
    int FillItemList(IItemList* list, int unused = 0) override;
    bool AcceptItemFile(const QString& path, const platform::FileTime& writeTime) override;
    bool HasFeature(int feature) override;

    // The list and queries (GroupTrailList.cpp, GroupTrailQueries.cpp). An index or row outside
    // the items gives false, empty texts or 0.
    void SetupItemColumns(IItemList* list, const ColumnLayout* layout) override;
    void SetupAssignColumns(IItemList* list) override;
    bool InsertItemRowEx(IItemList* list, int row, int item, bool assignMode, bool assigned) override;
    bool InsertItemRow(IItemList* list, int row, int item) override;
    bool ShowRowSummary(IStatusText* window, IItemList* list, int row) override;
    bool ShowItemSummary(IStatusText* window, int item) override;
    // "Name(Name2), 長度%dm [Region]", or "..., 長度未知 [...]" for a length below 1.
    static QString TrailLine(const TrailItemRecord& record);
    bool GetItemRegion(int item, QString* text) override;
    bool GetItemNames(int item, QString* name, QString* name2) override;
    int CountVisits(int item) override;
    int CountAtlasRefsOfKind(int item, int atlas) override;
    int CountAtlasRefs(int item) override;
    int CountMateVisits(int item) override;
    bool WasVisitedOn(int item, int walkNumber) override;
    bool HasAtlasRef(int item, int code) override;
    bool HasMateVisit(int item, int code) override;
    bool JoinNamesVisitedOn(int walkNumber, QString* text) override;
    bool JoinNamesByAtlasRef(int code, QString* text) override;
    void FormatItemDescription(int item, QString* text) override;

    // Row commands (GroupTrailRecords.cpp, GroupTrailWriters.cpp, GroupTrailFind.cpp).
    bool EditItemFile(IItemList* list, int row) override;
    bool HasRecordLinks(IItemList* list, int row) override;
    bool PopupRecordMenu(IItemList* list, int row) override;
    bool OpenRecordLink(IItemList* list, int row, int commandId) override;
    bool AddVisit(IItemList* list, int row, int walkNumber) override;
    bool AddMateVisit(IItemList* list, int row, int code) override;
    bool AddAtlasRef(IItemList* list, int row, int code) override;
    bool RunFindDialog(IMainWindow* parent, CSubsetBase* subset, QString* searchText,
                       int walkNumber, int atlasCode) override;
    bool PopupItemMenu(IItemList* list, int row) override;

    // Tracks (GroupTrailTracks.cpp, GroupTrailLocate.cpp, GroupTrailExport.cpp).
    // The all-in-one GPS file: Local.txt [GPS] <GPS key>, else the data folder's default file;
    // a relative path from the program folder.
    QString TrackFilePath() const;
    // Reloads the track set when the file's write time (or path) changed and marks the tracks
    // that items name as used; the file object, null when none could be opened. The argument
    // is not used.
    CGPSFile* LoadWaypointFile(bool defaultName) override;
    GPSTrackSet* GetTrackSet() { return &trackSet; }
    // The item's Track: the item file's whole value when the record's field is full; empty
    // outside the items.
    QString ItemTrackName(int item) const;
    // The track of an item by its Track (whole value from the file when the field is full), else
    // by its Mapping.txt entry; -1 when neither names a track of the set.
    int FindItemTrack(int item);
    // The centre of a track: the mean of the waypoints that name it, else of its points; false
    // when it has neither.
    bool TrackCentre(int track, double* longitude, double* latitude) const;
    bool LocateRow(IItemList* list, int row, int radius, bool online) override;
    bool ExportWaypoints(IItemList* list) override;
    bool SyncWaypoints(IItemList* list) override;

    // The record of an item; null outside the items.
    const TrailItemRecord* Record(int item) const;
    // The item a row shows; -1 for a missing row or a value naming no item.
    int ItemOfRow(IItemList* list, int row) const;
    const QString& GpsKey() const { return gpsKey; }
    const QString& DefaultGpsFile() const { return defaultGpsFile; }

protected:
    // The steps of Init, in order.
    void AddRegionSubsets();
    void AddNoRegionSubset();
    void AddNoTrackSubset();

    QString gpsKey;          // key of the all-in-one GPS file in [GPS] of Local.txt
    QString defaultGpsFile;  // its default name in the data folder
    GPSTrackSet trackSet;
    platform::FileTime trackFileTime;
    QString trackFilePath;
};

// Puts the trail line of a record into a window (the track search dialog's description).
void DescribeTrail(IStatusText* window, const TrailItemRecord& record);
