// The partner groups of the stone-class subsets, the rows and points of their members, the row
// commands they hand to the group whose rows are shown, and the combined index of the search.
#include "catalog/subsets/stones/SubsetStoneRows.h"

#include "catalog/records/ItemRowValue.h"
#include "catalog/records/StoneItemRecord.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/stone/GroupStone.h"
#include "catalog/talvane/GroupTalvane.h"

namespace {

// The value of the row of peak item shown by its stone slot.
quint32 PeakRowValue(int item, int slot)
{
    static constexpr quint32 kSlotBase[] = {0, ItemRowValue::kSecondStone, ItemRowValue::kThirdStone};
    return kSlotBase[slot] + quint32(item);
}

int CountOf(const CGroupBase* group) { return group ? group->ItemCount() : 0; }

// A membership test of a record, none for a missing record.
template <class Check, class Record>
auto Apply(const Check& test, const Record* record) -> decltype(test(*record))
{
    if (!record)
        return std::nullopt;
    return test(*record);
}

} // namespace

CSubsetStoneRows::CSubsetStoneRows(int typeCode, int folderCode, const QString& displayName,
                                   const QString& section, CGroupTalvane* peaks,
                                   CGroupStone* stones)
    : CSubsetBase(typeCode, folderCode, displayName, section), peakGroup(peaks), stoneGroup(stones)
{
}

bool CSubsetStoneRows::FindPartners()
{
    if (!peakGroup && stoneGroup)
        peakGroup = dynamic_cast<CGroupTalvane*>(stoneGroup->FindRelatedGroup());
    if (!stoneGroup && peakGroup)
        stoneGroup = dynamic_cast<CGroupStone*>(peakGroup->FindRelatedGroup());
    return peakGroup || stoneGroup;
}

CGroupBase* CSubsetStoneRows::RowGroup() const
{
    if (rowsFromStoneGroup)
        return stoneGroup;
    return peakGroup;
}

int CSubsetStoneRows::FillRows(IItemList* list, const ColumnLayout* columns,
                               const PeakTest& peakTest, const StoneTest& stoneTest)
{
    if (!list || !FindPartners())
        return 0;
    int rows = 0;
    if (peakGroup) {
        peakGroup->SetupItemColumns(list, columns);
        for (int i = 0; i < peakGroup->ItemCount(); ++i) {
            const std::optional<StoneMatch> m = Apply(peakTest, peakGroup->Record(i));
            const CGroupTalvane::RowOptions options{.secondStone = m && m->slot == 1,
                                                    .thirdStone = m && m->slot == 2,
                                                    .aliasFirst = m && m->alias};
            if (m && peakGroup->InsertItemRowAt(list, rows, i, options))
                ++rows;
        }
    }
    rowsFromStoneGroup = rows == 0 && stoneGroup != nullptr;
    if (rowsFromStoneGroup) {
        if (peakGroup)
            ClearListCtrl(list);
        stoneGroup->SetupItemColumns(list, columns);
    }
    for (int j = 0; j < CountOf(stoneGroup); ++j) {
        const std::optional<StoneMatch> m = Apply(stoneTest, stoneGroup->Record(j));
        if (!m)
            continue;
        const bool inserted =
            rowsFromStoneGroup ? stoneGroup->InsertItemRow(list, rows, j)
                               : CGroupTalvane::InsertTalvaneRow(list, rows, stoneGroup, j, m->alias);
        if (inserted)
            ++rows;
    }
    return rows;
}

int CSubsetStoneRows::MarkRows(IPointView* view, const PeakTest& peakTest,
                               const StoneTest& stoneTest)
{
    if (!view || !FindPartners())
        return 0;
    int marked = 0;
    for (int i = 0; i < CountOf(peakGroup); ++i) {
        const std::optional<StoneMatch> m = Apply(peakTest, peakGroup->Record(i));
        if (m && peakGroup->ShowItemOnMapAt(view, i, m->number, PeakRowValue(i, m->slot)))
            ++marked;
    }
    for (int j = 0; j < CountOf(stoneGroup); ++j) {
        const std::optional<StoneMatch> m = Apply(stoneTest, stoneGroup->Record(j));
        if (m && stoneGroup->ShowItemOnMapAt(view, j, m->number, ItemRowValue::kStoneGroup + quint32(j)))
            ++marked;
    }
    return marked;
}

bool CSubsetStoneRows::SortItemList(IItemList* list, int column)
{
    CGroupBase* group = RowGroup();
    return group && group->SortItemList(list, column);
}

bool CSubsetStoneRows::ShowRowSummary(IStatusText* window, IItemList* list, int row)
{
    CGroupBase* group = RowGroup();
    return group && group->ShowRowSummary(window, list, row);
}

bool CSubsetStoneRows::EditItemFile(IItemList* list, int row)
{
    CGroupBase* group = RowGroup();
    return group && group->EditItemFile(list, row);
}

void CSubsetStoneRows::SetupAssignColumns(IItemList* list)
{
    if (peakGroup)
        peakGroup->SetupAssignColumns(list);
    else if (stoneGroup)
        stoneGroup->SetupAssignColumns(list);
}

int CSubsetStoneRows::GetItemCount() const
{
    return CountOf(peakGroup) + CountOf(stoneGroup);
}

bool CSubsetStoneRows::GetItemStones(int index, QString* a, QString* b, QString* c) const
{
    const int peaks = CountOf(peakGroup);
    if (index >= 0 && index < peaks) {
        peakGroup->GetItemStones(index, a, b, c);
        return true;
    }
    if (index >= peaks && index - peaks < CountOf(stoneGroup)) {
        stoneGroup->GetItemStones(index - peaks, a, b, c);
        return true;
    }
    return CSubsetBase::GetItemStones(index, a, b, c);
}

bool CSubsetStoneRows::InsertItemRow(IItemList* list, int row, int index, bool secondStone,
                                     bool thirdStone)
{
    const int peaks = CountOf(peakGroup);
    if (index >= 0 && index < peaks) {
        const CGroupTalvane::RowOptions options{.secondStone = secondStone,
                                                .thirdStone = thirdStone,
                                                .markGiven = true,
                                                .mark = false};
        return peakGroup->InsertItemRowAt(list, row, index, options);
    }
    const int stone = index - peaks;
    if (index < peaks || stone >= CountOf(stoneGroup))
        return false;
    if (peakGroup)
        return CGroupTalvane::InsertTalvaneRow(list, row, stoneGroup, stone, false);
    return stoneGroup->InsertItemRowEx(list, row, stone, true, false);
}
