// The peak group's column sorting: names, heights, stones and regions, each column's direction
// flipped by its toggle at every click. Keys are made once per row before the list sorts; a row
// that names no peak or stone sorts with empty keys, so the order stays consistent.
#include "catalog/talvane/GroupTalvane.h"

#include "catalog/GroupTable.h"
#include "catalog/records/ItemRowValue.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/StoneItemRecord.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/stone/StoneSortKey.h"
#include "catalog/window/IItemList.h"

#include <QHash>

#include <algorithm>

namespace {

using Column = CGroupTalvane::ListColumn;
using RowRecord = CGroupTalvane::RowRecord;

using stone_sort::CompareCodeUnits;
using stone_sort::StoneNumberKey;
using stone_sort::ThreeWay;

struct SortKey {
    qint64 number = 0;  // compared first
    QString text;       // compared when the numbers are equal
};

QString PeakStoneText(const TalvaneItemRecord& r, int slot)
{
    switch (slot) {
    case 1:
        return FieldText(r.Stone2);
    case 2:
        return FieldText(r.Stone3);
    default:
        return FieldText(r.Stone);
    }
}

// The fields a row sorts by, from its peak or its stone record.
struct RowFields {
    QString name, stone, region;
    int height = 0;
};

RowFields FieldsOf(const RowRecord& r)
{
    if (r.peak)
        return {FieldText(r.peak->Name), PeakStoneText(*r.peak, r.stoneSlot),
                FieldText(r.peak->Region), r.peak->Height};
    if (r.stone)
        return {FieldText(r.stone->Name), FieldText(r.stone->Stone), FieldText(r.stone->Region),
                r.stone->Height};
    return {};
}

SortKey KeyOf(const RowFields& f, int column, const CGroupTable* table)
{
    switch (column) {
    case Column::kName:
        return {0, f.name};
    case Column::kHeight:
        return {f.height, QString()};
    case Column::kStones:
        return {StoneNumberKey(table, f.stone), f.stone};
    default:
        return {0, f.region};
    }
}

bool HasStoneGroupRows(const IItemList& list)
{
    for (int row = 0; row < list.RowCount(); ++row) {
        if (ItemRowValue::Decode(list.RowData(row)).kind == ItemRowValue::Kind::StoneGroup)
            return true;
    }
    return false;
}

} // namespace

// The first click sorts names, stones and regions ascending and heights descending; the next
// click on the same column reverses. Columns 4 to 7 only flip their toggle.
bool CGroupTalvane::SortItemList(IItemList* list, int column)
{
    if (!list || column < 0 || column >= kSortColumns)
        return false;
    sortDescending[column] = !sortDescending[column];
    if (column > Column::kRegion)
        return false;
    const bool toggle = sortDescending[column];
    const bool ascending = column == Column::kHeight ? !toggle : toggle;
    // The stone group may have to be built: it is looked up once, and only for stone rows.
    const CGroupBase* stones = HasStoneGroupRows(*list) ? FindRelatedGroup() : nullptr;
    QHash<quint32, SortKey> keys;
    for (int row = 0; row < list->RowCount(); ++row) {
        const quint32 value = list->RowData(row);
        if (!keys.contains(value))
            keys.insert(value, KeyOf(FieldsOf(ResolveRow(value, stones)), column, Table()));
    }
    list->SortRows([&keys, ascending](quint32 a, quint32 b) {
        const SortKey x = keys.value(a);
        const SortKey y = keys.value(b);
        int order = ThreeWay(x.number, y.number);
        if (order == 0)
            order = CompareCodeUnits(x.text, y.text);
        return ascending ? order : -order;
    });
    return true;
}
