#pragma once
// The peak group: one TalvaneItemRecord per peak file, with the owner's walk visits, the atlas
// references and the hiking companions' visits of every peak, and the queries the lists,
// subsets, search dialogs and menus make of them.
#include "catalog/GroupBase.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/talvane/HikingMate.h"

#include <array>
#include <memory>

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

    CGroupTalvane();
    ~CGroupTalvane() override;

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
    void ReadFields(const QString& path, TalvaneItemRecord* record) const;
    void ReadMateVisits(const QString& path, TalvaneItemRecord* record);
    // Reads one companion's visits into record->MateVisits from *held on.
    void ReadOneMate(const QString& path, int companion, TalvaneItemRecord* record, int* held);
    void ReportBadMateVisits(const QString& name) const;
    void CountLoadedVisits(const TalvaneItemRecord& record);
    // The items whose code list (a member of the record) holds the value.
    QList<int> ItemsWithCode(const int32_t (TalvaneItemRecord::*list)[kMaxCodes], int value) const;
    // Counts items with at least one entry (item -1) or the entries of one item that count.
    template <class Counted>
    int CountEntries(int item, const int32_t (TalvaneItemRecord::*list)[kMaxCodes],
                     Counted counted) const;

    int maxVisits = 0;
    platform::FileTime newestFileTime;
    std::array<std::unique_ptr<HikingMate>, kMaxMates> mates;
    int mateCount = 0;
};
