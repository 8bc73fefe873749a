// The waterfall group's item list: the five columns (four in assign mode) and the row of a
// waterfall, which carries the item index.
#include "catalog/waterfall/GroupWaterfall.h"

#include "catalog/records/RecordText.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/window/IItemList.h"

#include <algorithm>

namespace {

using Column = CGroupWaterfall::ListColumn;

const QString kNameTitle = QStringLiteral("名稱");
const QString kHeightTitle = QStringLiteral("高度(m)");
const QString kRegionTitle = QStringLiteral("地區");
const QString kVisitedTitle = QStringLiteral("已造訪");
const QString kLocatedTitle = QStringLiteral("已定位");
const QString kAssignedTitle = QStringLiteral("已設定");
const QString kMarked = QStringLiteral("V");
const QString kSecondName = QStringLiteral("(%1)");

// The columns shared by both layouts.
void InsertLeadingColumns(IItemList* list)
{
    list->InsertColumn(Column::kName, kNameTitle, Column::kNameWidth, ColumnAlign::Left);
    list->InsertColumn(Column::kHeight, kHeightTitle, Column::kHeightWidth, ColumnAlign::Right);
    list->InsertColumn(Column::kRegion, kRegionTitle, Column::kRegionWidth, ColumnAlign::Left);
}

QString Mark(bool marked)
{
    return marked ? kMarked : QString();
}

} // namespace

void CGroupWaterfall::SetupItemColumns(IItemList* list, const ColumnLayout*)
{
    std::fill(std::begin(sortDescending), std::end(sortDescending), false);
    if (!list)
        return;
    InsertLeadingColumns(list);
    list->InsertColumn(Column::kVisited, kVisitedTitle, Column::kMarkWidth, ColumnAlign::Left);
    list->InsertColumn(Column::kLocated, kLocatedTitle, Column::kMarkWidth, ColumnAlign::Left);
}

void CGroupWaterfall::SetupAssignColumns(IItemList* list)
{
    std::fill(std::begin(sortDescending), std::end(sortDescending), false);
    if (!list)
        return;
    InsertLeadingColumns(list);
    list->InsertColumn(Column::kVisited, kAssignedTitle, Column::kMarkWidth, ColumnAlign::Left);
}

bool CGroupWaterfall::InsertItemRowEx(IItemList* list, int row, int item, bool assignMode,
                                      bool assigned)
{
    const WaterfallItemRecord* r = Record(item);
    if (!list || !r)
        return false;
    QString text = FieldText(r->Name);
    if (r->Name2[0] != 0)
        text += kSecondName.arg(FieldText(r->Name2));
    const int at = list->InsertRow(row, text, quint32(item));
    if (at < 0)
        return false;
    if (r->Height > 0)
        list->SetCellText(at, Column::kHeight, QString::number(r->Height));
    list->SetCellText(at, Column::kRegion, ConvertDisplayName(FieldText(r->Region)));
    if (assignMode) {
        list->SetCellText(at, Column::kVisited, Mark(assigned));
        return true;
    }
    list->SetCellText(at, Column::kVisited, Mark(r->Visits[0] != 0));
    list->SetCellText(at, Column::kLocated, Mark(r->Waypoint[0] != 0));
    return true;
}

bool CGroupWaterfall::InsertItemRow(IItemList* list, int row, int item)
{
    return InsertItemRowEx(list, row, item, false, false);
}

int CGroupWaterfall::ItemOfRow(IItemList* list, int row) const
{
    if (!list || row < 0 || row >= list->RowCount())
        return -1;
    const quint32 value = list->RowData(row);
    return value < quint32(ItemCount()) ? int(value) : -1;
}
