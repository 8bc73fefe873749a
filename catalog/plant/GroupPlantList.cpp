// The plant group's item list: two columns, the row of a plant (its value the item index), the
// plant line of summaries and photo tips, and the photos of a plant in the image view.
#include "catalog/plant/GroupPlant.h"

#include "catalog/records/RecordText.h"
#include "catalog/window/IItemList.h"
#include "catalog/window/IPointView.h"
#include "catalog/window/IStatusText.h"

#include <algorithm>

namespace {

using Column = CGroupPlant::ListColumn;

const QString kNameTitle = QStringLiteral("名稱");
const QString kClassTitle = QStringLiteral("科別");
const QString kLine = QStringLiteral("%1 [%2]");
const QString kLineWithName2 = QStringLiteral("%1(%2) [%3]");

} // namespace

void CGroupPlant::SetupItemColumns(IItemList* list, const ColumnLayout*)
{
    std::fill(std::begin(sortDescending), std::end(sortDescending), false);
    if (!list)
        return;
    list->InsertColumn(Column::kName, kNameTitle, Column::kNameWidth, ColumnAlign::Left);
    list->InsertColumn(Column::kClass, kClassTitle, Column::kClassWidth, ColumnAlign::Right);
}

// Name, with "(Name2)" when the plant has a second name; the family in column 1.
bool CGroupPlant::InsertItemRow(IItemList* list, int row, int item)
{
    const PlantItemRecord* r = Record(item);
    if (!list || !r)
        return false;
    QString text = FieldText(r->Name);
    const QString name2 = FieldText(r->Name2);
    if (!name2.isEmpty())
        text += u'(' + name2 + u')';
    const int at = list->InsertRow(row, text, quint32(item));
    if (at < 0)
        return false;
    list->SetCellText(at, Column::kClass, FieldText(r->Class));
    return true;
}

QString CGroupPlant::PlantLine(int item) const
{
    const PlantItemRecord* r = Record(item);
    if (!r)
        return QString();
    const QString name2 = FieldText(r->Name2);
    const QString family = FieldText(r->Class);
    if (name2.isEmpty())
        return kLine.arg(FieldText(r->Name), family);
    return kLineWithName2.arg(FieldText(r->Name), name2, family);
}

int CGroupPlant::ItemOfRow(IItemList* list, int row) const
{
    if (!list || row < 0 || row >= list->RowCount())
        return -1;
    const quint32 value = list->RowData(row);
    return value < quint32(ItemCount()) ? int(value) : -1;
}

bool CGroupPlant::ShowRowSummary(IStatusText* window, IItemList* list, int row)
{
    if (!window)
        return false;
    const int item = ItemOfRow(list, row);
    window->SetText(PlantLine(item));
    return item >= 0;
}

// The view finds the plant's photos by family folder and name; whether it found any does not
// matter here.
bool CGroupPlant::ShowItemOnMap(IPointView* view, int item)
{
    const PlantItemRecord* r = Record(item);
    if (!view || !r)
        return false;
    view->LoadImages(item, FieldText(r->Name), FieldText(r->Class), PlantLine(item));
    return true;
}
