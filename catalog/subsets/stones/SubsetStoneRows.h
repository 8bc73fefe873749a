#pragma once
// What the two stone-class subsets share: their partner groups (the peak group and the survey-stone
// group, a missing one found through the other's related key and then remembered), whether the
// last filling showed stone rows only, the row commands handed to the group whose rows are shown,
// and the combined index of the item search (the peaks first, then the stones).
#include "catalog/subsets/SubsetBase.h"

#include <functional>
#include <optional>

class CGroupBase;
class CGroupStone;
class CGroupTalvane;
struct StoneItemRecord;
struct TalvaneItemRecord;

class CSubsetStoneRows : public CSubsetBase {
public:
    CSubsetStoneRows(int typeCode, int folderCode, const QString& displayName,
                     const QString& section, CGroupTalvane* peaks, CGroupStone* stones);

    // Column clicks, the row summary and the item file go to the row group.
    bool SortItemList(IItemList* list, int column) override;
    bool ShowRowSummary(IStatusText* window, IItemList* list, int row) override;
    bool EditItemFile(IItemList* list, int row) override;
    // The combined index: peaks 0 .. peakCount-1, then the stones; an index past both gives
    // false.
    void SetupAssignColumns(IItemList* list) override;
    int GetItemCount() const override;
    bool GetItemStones(int index, QString* a, QString* b, QString* c) const override;
    // A peak shown by its second or third stone when the search hit that stone; stones in peak
    // columns, or under the stone group's assign columns without a peak group.
    bool InsertItemRow(IItemList* list, int row, int index, bool secondStone, bool thirdStone) override;

    // The partner groups as found so far; FindPartners looks a missing one up (once found it is
    // kept). True when at least one group is known.
    bool FindPartners();
    CGroupTalvane* PeakGroup() const { return peakGroup; }
    CGroupStone* StoneGroup() const { return stoneGroup; }
    bool RowsFromStoneGroup() const { return rowsFromStoneGroup; }
    // The group whose rows the list shows (null when that group is not known).
    CGroupBase* RowGroup() const;

protected:
    // What made an item a member: the stone that matched (0 Stone, 1 Stone2, 2 Stone3; a stone
    // of the stone group has only 0), whether through its alias, and the number after the word.
    struct StoneMatch {
        int slot = 0;
        bool alias = false;
        int number = 0;
    };
    using PeakTest = std::function<std::optional<StoneMatch>(const TalvaneItemRecord&)>;
    using StoneTest = std::function<std::optional<StoneMatch>(const StoneItemRecord&)>;

    // Lists the peaks that pass peakTest under the peak group's columns, then the stones that
    // pass stoneTest: among the peaks in peak columns, or, when no peak was listed, under the
    // stone group's own columns (rowsFromStoneGroup). A missing partner group lists nothing;
    // with neither group known the list is left untouched. Returns the row count.
    int FillRows(IItemList* list, const ColumnLayout* columns, const PeakTest& peakTest,
                 const StoneTest& stoneTest);
    // The map points of the same members, each keyed by the value of the row that shows it;
    // returns how many were added.
    int MarkRows(IPointView* view, const PeakTest& peakTest, const StoneTest& stoneTest);

    CGroupTalvane* peakGroup = nullptr;
    CGroupStone* stoneGroup = nullptr;
    bool rowsFromStoneGroup = false;
};
