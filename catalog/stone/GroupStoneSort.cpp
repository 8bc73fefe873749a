// The survey-stone group's column sorting: stone numbers by their level key, then by text; and
// heights. Each column's direction flips at every click. Keys are made once per sort, indexed
// by stone; a row that names no stone sorts with the empty key, so the order stays consistent.
#include "catalog/stone/GroupStone.h"

#include "catalog/records/RecordText.h"
#include "catalog/stone/StoneSortKey.h"
#include "catalog/window/IItemList.h"

#include <vector>

namespace {

using Column = CGroupStone::ListColumn;
using stone_sort::CompareCodeUnits;
using stone_sort::ThreeWay;

struct SortKey {
    qint64 number = 0;  // compared first
    QString text;       // compared when the numbers are equal
};

// The keys of all stones, then one for the rows that name none.
std::vector<SortKey> MakeKeys(const CGroupStone& group, int column)
{
    std::vector<SortKey> keys(std::size_t(group.ItemCount()) + 1);
    if (column == Column::kHeight) {
        for (int i = 0; i < group.ItemCount(); ++i)
            keys[std::size_t(i)].number = group.Record(i)->Height;
    } else {
        for (int i = 0; i < group.ItemCount(); ++i) {
            QString text = FieldText(group.Record(i)->Stone);
            keys[std::size_t(i)].number = stone_sort::StoneNumberKey(group.Table(), text);
            keys[std::size_t(i)].text = std::move(text);
        }
        keys.back().number = stone_sort::StoneNumberKey(group.Table(), QString());
    }
    return keys;
}

} // namespace

// The first click sorts stone numbers ascending and heights descending; the next click on the
// same column reverses.
bool CGroupStone::SortItemList(IItemList* list, int column)
{
    if (!list || (column != Column::kStone && column != Column::kHeight))
        return false;
    sortDescending[column] = !sortDescending[column];
    const bool ascending = column == Column::kHeight ? !sortDescending[column]
                                                      : sortDescending[column];
    const std::vector<SortKey> keys = MakeKeys(*this, column);
    const std::size_t outside = keys.size() - 1;
    const auto keyOf = [this, &keys, outside](quint32 value) -> const SortKey& {
        const int stone = StoneOfRowValue(value);
        return keys[stone >= 0 ? std::size_t(stone) : outside];
    };
    list->SortRows([&keyOf, ascending](quint32 a, quint32 b) {
        const SortKey& x = keyOf(a);
        const SortKey& y = keyOf(b);
        int order = ThreeWay(x.number, y.number);
        if (order == 0)
            order = CompareCodeUnits(x.text, y.text);
        return ascending ? order : -order;
    });
    return true;
}

int CGroupStone::GetDefaultSortColumn()
{
    return Column::kStone;
}
