// The trail list: its columns, a trail's row, and the trail line of the summaries.
#include "catalog/trail/GroupTrail.h"

#include "catalog/records/RecordText.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/window/IItemList.h"
#include "catalog/window/IStatusText.h"

#include <algorithm>

namespace {

using Column = CGroupTrail::ListColumn;

const QString kNameTitle = QStringLiteral("名稱");
const QString kLengthTitle = QStringLiteral("長度(m)");
const QString kRegionTitle = QStringLiteral("地區");
const QString kWalkedTitle = QStringLiteral("已走");
const QString kLocatedTitle = QStringLiteral("已定位");
const QString kAssignedTitle = QStringLiteral("已設定");
const QString kMarked = QStringLiteral("V");
const QString kLengthLine = QStringLiteral("%1%2, 長度%3m [%4]");
const QString kUnknownLengthLine = QStringLiteral("%1%2, 長度未知 [%3]");

// The first three columns, shared by the item and the assign columns.
void InsertLeadingColumns(IItemList* list)
{
    list->InsertColumn(Column::kName, kNameTitle, Column::kNameWidth);
    list->InsertColumn(Column::kLength, kLengthTitle, Column::kLengthWidth, ColumnAlign::Right);
    list->InsertColumn(Column::kRegion, kRegionTitle, Column::kRegionWidth);
}

// "(Name2)", or nothing without a second name.
QString SecondName(const TrailItemRecord& r)
{
    const QString name2 = FieldText(r.Name2);
    return name2.isEmpty() ? QString() : QLatin1Char('(') + name2 + QLatin1Char(')');
}

QString Mark(bool set)
{
    return set ? kMarked : QString();
}

} // namespace

void CGroupTrail::SetupItemColumns(IItemList* list, const ColumnLayout*)
{
    std::fill(std::begin(sortDescending), std::end(sortDescending), false);
    if (!list)
        return;
    InsertLeadingColumns(list);
    list->InsertColumn(Column::kWalked, kWalkedTitle, Column::kWalkedWidth);
    list->InsertColumn(Column::kLocated, kLocatedTitle, Column::kLocatedWidth);
}

void CGroupTrail::SetupAssignColumns(IItemList* list)
{
    std::fill(std::begin(sortDescending), std::end(sortDescending), false);
    if (!list)
        return;
    InsertLeadingColumns(list);
    list->InsertColumn(Column::kWalked, kAssignedTitle, Column::kWalkedWidth);
}

bool CGroupTrail::InsertItemRowEx(IItemList* list, int row, int item, bool assignMode,
                                  bool assigned)
{
    const TrailItemRecord* r = Record(item);
    if (!list || !r)
        return false;
    const int at = list->InsertRow(row, FieldText(r->Name) + SecondName(*r), quint32(item));
    if (at < 0)
        return false;
    if (r->Length > 0)
        list->SetCellText(at, Column::kLength, QString::number(r->Length));
    list->SetCellText(at, Column::kRegion, ConvertDisplayName(FieldText(r->Region)));
    if (assignMode) {
        list->SetCellText(at, Column::kWalked, Mark(assigned));
        return true;
    }
    list->SetCellText(at, Column::kWalked, Mark(r->Visits[0] != 0));
    list->SetCellText(at, Column::kLocated, Mark(r->Track[0] != 0));
    return true;
}

bool CGroupTrail::InsertItemRow(IItemList* list, int row, int item)
{
    return InsertItemRowEx(list, row, item, false, false);
}

QString CGroupTrail::TrailLine(const TrailItemRecord& record)
{
    const QString name = FieldText(record.Name);
    const QString region = ConvertDisplayName(FieldText(record.Region));
    if (record.Length >= 1)
        return kLengthLine.arg(name, SecondName(record), QString::number(record.Length), region);
    return kUnknownLengthLine.arg(name, SecondName(record), region);
}

void DescribeTrail(IStatusText* window, const TrailItemRecord& record)
{
    if (window)
        window->SetText(CGroupTrail::TrailLine(record));
}

bool CGroupTrail::ShowItemSummary(IStatusText* window, int item)
{
    const TrailItemRecord* r = Record(item);
    if (!window || !r)
        return false;
    DescribeTrail(window, *r);
    return true;
}

bool CGroupTrail::ShowRowSummary(IStatusText* window, IItemList* list, int row)
{
    return ShowItemSummary(window, ItemOfRow(list, row));
}

void CGroupTrail::FormatItemDescription(int item, QString* text)
{
    if (!text)
        return;
    const TrailItemRecord* r = Record(item);
    *text = r ? TrailLine(*r) : QString();
}
