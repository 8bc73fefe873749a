#pragma once
// The peak group: one TalvaneItemRecord per peak file, with the owner's walk visits, the atlas
// references and the hiking companions' visits of every peak, and the queries the lists,
// subsets, search dialogs and menus make of them.
#include "catalog/GroupBase.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/talvane/HikingMate.h"
#include "catalog/window/RowMenuCommands.h"

#include <array>
#include <memory>

class IClock;
struct MenuEntry;

class CGroupTalvane : public CGroupBase {
public:
    // The companions the group keeps.
    static constexpr int kMaxMates = 15;
    // Numbered visit keys read per companion, and the failed keys that end a companion.
    static constexpr int kMateKeys = 30;
    static constexpr int kMateFailuresToEnd = 3;
    // A companion visit code: companion * kMateCodeFactor + year * 10000 + month * 100 + day,
    // the year of the ROC era. A date outside these bounds would spill into the companion's
    // digit or overflow the code, so it counts as not parsed.
    static constexpr int kMateCodeFactor = 10000000;
    static constexpr int kMateYearFactor = 10000;
    static constexpr int kMateMonthFactor = 100;
    static constexpr int kMinMateYear = 1;
    static constexpr int kMaxMateYear = 999;
    static constexpr int kMaxMateMonth = 99;
    static constexpr int kMaxMateDay = 99;
    // The queries that take a row's item data use only its low 24 bits as the item index.
    static constexpr int kItemIndexMask = 0xFFFFFF;
    // The item argument of the counts that asks for the number of items with an entry.
    static constexpr int kAllItems = -1;

    // The numbered settings keys of a subset list are read from 1 up to this.
    static constexpr int kMaxNumberedKeys = 500;
    // Regions of the region list that get subsets.
    static constexpr int kMaxRegions = 25;
    // The first year with re-visit subsets: one per year back from the year before.
    static constexpr int kFirstReVisitYear = 2002;

    CGroupTalvane();
    ~CGroupTalvane() override;

    // Set-up (GroupTalvaneInit.cpp): the subsets defined by the settings file, in their fixed
    // order, and the companion table; always true.
    bool Init(const QString& settingsFile, CGroupTable* table, const QString& folder) override;
    // The visit subsets, which depend on the loaded peaks and on today's year; true.
    bool OnLoaded() override;
    // The number of re-visit subsets in the clock's current year: one per year since 2001
    // until the year before; 0 without a clock or before 2002.
    static int ReVisitYears(const IClock* clock);

    // Loading (GroupTalvaneLoad.cpp).
    bool LoadItemFile(const QString& path, const platform::FileTime& writeTime) override;
    bool TakeCachedItem(int position) override;
    const std::byte* GetItemRecord(int item) const override;
    int FillItemList(IItemList* list, int unused = 0) override;
    bool HasFeature(int feature) override;

    // Record queries (GroupTalvaneQueries.cpp). An index outside the items gives false, empty
    // texts or 0.
    bool GetItemRegion(int item, QString* text) override;
    bool GetItemNames(int item, QString* name, QString* name2) override;
    bool GetItemStones(int item, QString* stone, QString* stone2, QString* stone3) override;
    // The whole Waypoint of the item file where the record's field is full (it may be cut).
    bool GetItemWaypointName(int item, QString* text) override;
    int GetItemHeight(int item) override;
    int CountVisits(int item) override;
    int CountAtlasRefsOfKind(int item, int atlas) override;
    int CountAtlasRefs(int item) override;
    int CountMateVisitsOf(int item, int companion) override;
    int CountMateVisits(int item) override;
    bool WasVisitedOn(int item, int walkNumber) override;
    bool FindItemsVisitedOn(int walkNumber, int* count, QList<int>* indices) override;
    bool JoinNamesVisitedOn(int walkNumber, QString* text) override;
    bool FindItemsByAtlasRef(int code, int* count, QList<int>* indices) override;
    bool JoinNamesByAtlasRef(int code, QString* text) override;
    // Appends the names of the items, each after a "," unless the text is still empty: the text
    // of the two Join look-ups for the items they found.
    void JoinItemNames(const QList<int>& items, QString* text) const;

    // The item list: columns, rows, sorting and summaries (GroupTalvaneList.cpp,
    // GroupTalvaneSort.cpp, GroupTalvaneSummary.cpp). Rows carry the values of ItemRowValue;
    // stone-group rows name stones of the related stone group. A row or value that names no
    // peak or stone gives false or an empty text.
    struct ListColumn {
        static constexpr int kName = 0, kHeight = 1, kStones = 2, kRegion = 3, kClimbed = 4;
        static constexpr int kCount = 5;
        static constexpr int kNameWidth = 120;
        static constexpr int kHeightWidth = 70;
        static constexpr int kStonesWidth = 150;
        static constexpr int kRegionWidth = 80;
        static constexpr int kClimbedWidth = 60;
    };
    // How InsertItemRowAt shows a peak.
    struct RowOptions {
        bool secondStone = false;  // the row of the peak's second stone (value 20000 + i)
        bool thirdStone = false;   // the row of its third stone (value 40000 + i)
        bool markGiven = false;    // column 4 from mark instead of the peak's visits
        bool mark = false;
        bool aliasFirst = false;   // the row's own stone with its alias before it
    };
    // What a row value shows: a peak of this group, or a stone of the stone group given.
    struct RowRecord {
        const TalvaneItemRecord* peak = nullptr;
        const StoneItemRecord* stone = nullptr;
        int stoneSlot = 0;  // the peak's stone the row stands for: 0 Stone, 1 Stone2, 2 Stone3
        bool Valid() const { return peak || stone; }
    };

    void SetupItemColumns(IItemList* list, const ColumnLayout* layout) override;
    void SetupAssignColumns(IItemList* list) override;
    bool InsertItemRow(IItemList* list, int row, int item) override;
    bool InsertItemRowAt(IItemList* list, int row, int item, const RowOptions& options);
    // The row of stone `stone` of stones (this group's related group, as FindRelatedGroup gives
    // it), with value 60000 + stone; false when stones holds no such stone record.
    static bool InsertTalvaneRow(IItemList* list, int row, const CGroupBase* stones, int stone,
                                 bool aliasFirst);
    // What value names; stones (may be null) resolves the stone-group rows.
    RowRecord ResolveRow(quint32 value, const CGroupBase* stones) const;
    bool SortItemList(IItemList* list, int column) override;
    int GetDefaultSortColumn() override;
    bool ShowItemSummary(IStatusText* window, int item) override;
    bool ShowRowSummary(IStatusText* window, IItemList* list, int row) override;
    bool ShowRecordSummary(IStatusText* window, const TalvaneItemRecord& record);
    bool AppendItemSummary(int item, QString* text) override;
    void FormatItemDescription(int item, QString* text) override;
    // Name, "(Name2)", height and the three stones: a peak's map label and waypoint comment.
    static QString FormatTalvaneDescription(const TalvaneItemRecord& record);
    bool ShowItemOnMap(IPointView* view, int item) override;
    bool ShowItemOnMapAt(IPointView* view, int item, int number,
                         std::optional<quint32> key = std::nullopt) override;

    // The record menu of a peak row and its links, and the row's item file in the editor
    // (GroupTalvaneRecords.cpp). A survey-stone row has no records: no menu, no links.
    bool HasRecordLinks(IItemList* list, int row) override;
    bool PopupRecordMenu(IItemList* list, int row) override;
    bool OpenRecordLink(IItemList* list, int row, int commandId) override;
    bool EditItemFile(IItemList* list, int row) override;

    // The row menu of the item list and locating a row's peak (GroupTalvaneLocate.cpp). The row
    // of a second or third stone stands for its peak; a survey-stone row locates nothing.
    using RowMenu = RowMenuCommand;
    bool PopupItemMenu(IItemList* list, int row) override;
    bool LocateRow(IItemList* list, int row, int radius, bool online) override;
    // The stone name the row menu offered under kFirstStone + slot (kept until a later menu
    // offers that slot again); empty for a slot never offered or out of range.
    QString JumpStone(int slot) const;

    // Writers and the search hook (GroupTalvaneWriters.cpp, GroupTalvaneFind.cpp).
    // The Add operations append one code to the row's peak: the code is written under the next
    // numbered key of its list, then kept in the record and column 4 of the row set to "V".
    // False (file and record unchanged) for a malformed code, a code already held, a full list,
    // a next key that already holds text, or a failed write. A survey-stone row is done: true.
    bool AddVisit(IItemList* list, int row, int walkNumber) override;
    bool AddAtlasRef(IItemList* list, int row, int code) override;
    bool AddMateVisit(IItemList* list, int row, int code) override;
    // The rescan's offer of an item file: loaded unless it is older than the newest file
    // loaded (in the high 32 bits of its time) or its path is loaded already (in any case).
    bool AcceptItemFile(const QString& path, const platform::FileTime& writeTime) override;
    // The peak search with the text, walk and atlas code; the jump it chose runs through
    // parent. False without a dialog runner.
    bool RunFindDialog(IMainWindow* parent, CSubsetBase* subset, QString* searchText,
                       int walkNumber, int atlasCode) override;

    // Waypoint export, synchronisation and walk GPS files (GroupTalvaneExport.cpp,
    // GroupTalvaneWalkGps.cpp). The rows of a peak's second and third stone stand for the peak;
    // survey-stone rows and rows naming no item are passed over.
    // The peak a row value stands for; -1 for a survey-stone row or a value naming nothing.
    static int PeakOfRowValue(quint32 value);
    // The peaks' waypoints, renamed and described, in "~~TempMT.gdb", opened when it was
    // saved; false for an empty list or a file that could not be saved.
    bool ExportWaypoints(IItemList* list) override;
    // Writes each peak's waypoint name and coordinates into its item file, but only when every
    // row resolves surely or is mapped to "Skip"; false for an empty list or a failed write.
    bool SyncWaypoints(IItemList* list) override;
    // The record takes the name (cut to its field) and the coordinates.
    bool SetItemWaypoint(int item, const GPSWayPointRecordW* waypoint, double longitude,
                         double latitude) override;
    // The GPS files of the row's peak's walks gathered into "~~TempMT.gdb", waypoints and tracks
    // prefixed "w<walk>"; walks outside 1 to kMaxGpsWalk and files that do not open are passed
    // over. Always true.
    static constexpr int kMaxGpsWalk = 1999;
    static constexpr int kFirstLinkedGpsWalk = 51;  // from here a walk's page may name its file
    bool OpenWalkGps(IItemList* list, int row) override;

    // The record of a peak; null outside the items.
    const TalvaneItemRecord* Record(int item) const;

    // Appends a companion to the table; false (nothing kept) when the table is full or the
    // companion is null.
    bool AddMate(std::unique_ptr<HikingMate> mate);
    int MateCount() const { return mateCount; }
    const HikingMate* Mate(int companion) const;

    // The largest number of walk visits of any loaded peak.
    int MaxVisits() const { return maxVisits; }
    // The newest last-write time of the item files offered to LoadItemFile.
    platform::FileTime NewestFileTime() const { return newestFileTime; }

private:
    // The steps of Init, in the order they run.
    void AddTitles();
    void AddNamedLists();
    void AddHeights();
    void AddStoneClasses();
    void AddDoubleStone();
    void AddSerials();
    void AddRegionSets();
    void AddRegions();
    void AddNoRecordSubsets();
    void AddSameNames();
    void AddPostfixes();
    void ReadMates();
    // [section] key1, key2, ... of the settings file up to kMaxNumberedKeys (keyPrefix followed
    // by the number), ending at the first empty value.
    QStringList ReadNumberedSettings(const QString& section, const QString& keyPrefix,
                                     int limit = kMaxNumberedKeys) const;
    // The subsets of OnLoaded.
    void AddVisitSubset(int times, bool variant);
    void AddReVisitSubset(int years);

    void ReadFields(const QString& path, TalvaneItemRecord* record) const;
    void ReadMateVisits(const QString& path, TalvaneItemRecord* record);
    // Reads one companion's visits into record->MateVisits from *held on.
    void ReadOneMate(const QString& path, int companion, TalvaneItemRecord* record, int* held);
    void ReportBadMateVisits(const QString& name) const;
    // The row menu's stone entries of a peak, each offered stone's level word kept in jumpStones.
    void AppendStoneEntries(const TalvaneItemRecord& peak, QList<MenuEntry>* entries);
    void CountLoadedVisits(const TalvaneItemRecord& record);
    // The items whose code list (a member of the record) holds the value.
    QList<int> ItemsWithCode(const int32_t (TalvaneItemRecord::*list)[kMaxCodes], int value) const;
    // Counts items with at least one entry (item -1) or the entries of one item that count.
    template <class Counted>
    int CountEntries(int item, const int32_t (TalvaneItemRecord::*list)[kMaxCodes],
                     Counted counted) const;

    int maxVisits = 0;
    platform::FileTime newestFileTime;
    std::array<QString, RowMenu::kStones> jumpStones;
    std::array<std::unique_ptr<HikingMate>, kMaxMates> mates;
    int mateCount = 0;
};
