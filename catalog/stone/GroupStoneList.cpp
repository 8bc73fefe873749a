// The survey-stone group's item list: the five columns, the row of a stone (its value 60000 +
// the stone's index), what a row value names, and the stones' map points.
#include "catalog/stone/GroupStone.h"

#include "catalog/records/ItemRowValue.h"
#include "catalog/records/RecordText.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/window/IItemList.h"
#include "catalog/window/IPointView.h"

#include <algorithm>

namespace {

using Column = CGroupStone::ListColumn;

const QString kStoneTitle = QStringLiteral("基石");
const QString kHeightTitle = QStringLiteral("標高(m)");
const QString kNameTitle = QStringLiteral("名稱");
const QString kRegionTitle = QStringLiteral("地區");
const QString kTouchedTitle = QStringLiteral("已摸");
const QString kAssignedTitle = QStringLiteral("已設定");
const QString kMarked = QStringLiteral("V");
const QString kDescription = QStringLiteral("%1，%2m，%3");

struct ColumnSpec {
    const QString* title;
    int width;
    ColumnAlign align;
};

void InsertColumns(IItemList* list, const QString& lastTitle)
{
    const ColumnSpec specs[Column::kCount] = {
        {&kStoneTitle, Column::kStoneWidth, ColumnAlign::Left},
        {&kHeightTitle, Column::kHeightWidth, ColumnAlign::Right},
        {&kNameTitle, Column::kNameWidth, ColumnAlign::Left},
        {&kRegionTitle, Column::kRegionWidth, ColumnAlign::Left},
        {&lastTitle, Column::kTouchedWidth, ColumnAlign::Left},
    };
    for (int c = 0; c < Column::kCount; ++c)
        list->InsertColumn(c, *specs[c].title, specs[c].width, specs[c].align);
}

// "Name，Height m，Stone" with the stone number as stored.
QString Description(const StoneItemRecord& r)
{
    return kDescription.arg(FieldText(r.Name), QString::number(r.Height), FieldText(r.Stone));
}

} // namespace

void CGroupStone::SetupItemColumns(IItemList* list, const ColumnLayout*)
{
    std::fill(std::begin(sortDescending), std::end(sortDescending), false);
    if (list)
        InsertColumns(list, kTouchedTitle);
}

void CGroupStone::SetupAssignColumns(IItemList* list)
{
    std::fill(std::begin(sortDescending), std::end(sortDescending), false);
    if (list)
        InsertColumns(list, kAssignedTitle);
}

bool CGroupStone::InsertItemRowEx(IItemList* list, int row, int item, bool assignMode,
                                  bool assigned)
{
    const StoneItemRecord* r = Record(item);
    if (!list || !r)
        return false;
    const int at = list->InsertRow(row, FieldText(r->Stone),
                                   ItemRowValue::kStoneGroup + quint32(item));
    if (at < 0)
        return false;
    list->SetCellText(at, Column::kHeight, QString::number(r->Height));
    list->SetCellText(at, Column::kName, FieldText(r->Name));
    list->SetCellText(at, Column::kRegion, ConvertDisplayName(FieldText(r->Region)));
    const bool marked = assignMode ? assigned : CountVisits(item) >= 1;
    list->SetCellText(at, Column::kTouched, marked ? kMarked : QString());
    return true;
}

bool CGroupStone::InsertItemRow(IItemList* list, int row, int item)
{
    return InsertItemRowEx(list, row, item, false, false);
}

int CGroupStone::StoneOfRowValue(quint32 value) const
{
    const ItemRowValue v = ItemRowValue::Decode(value);
    return v.kind == ItemRowValue::Kind::StoneGroup && v.index < ItemCount() ? v.index : -1;
}

int CGroupStone::StoneOfRow(IItemList* list, int row) const
{
    if (!list || row < 0 || row >= list->RowCount())
        return -1;
    return StoneOfRowValue(list->RowData(row));
}

bool CGroupStone::ShowItemOnMap(IPointView* view, int item)
{
    return ShowItemOnMapAt(view, item, 0);
}

bool CGroupStone::ShowItemOnMapAt(IPointView* view, int item, int number,
                                  std::optional<quint32> key)
{
    const StoneItemRecord* r = Record(item);
    if (!view || !r)
        return false;
    const quint32 value = key.value_or(ItemRowValue::kStoneGroup + quint32(item));
    return view->AddItem(r->Longitude, r->Attitude, value, FieldText(r->Name), Description(*r),
                         CountVisits(item), number);
}

void CGroupStone::FormatItemDescription(int item, QString* text)
{
    const StoneItemRecord* r = Record(item);
    if (text)
        *text = r ? Description(*r) : QString();
}
