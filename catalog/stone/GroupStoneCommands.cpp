// The survey-stone group's row commands: the item file in the editor, the row menu, locating a
// row's stone through the group's waypoints, and the search dialog in its stone mode.
#include "catalog/stone/GroupStone.h"

#include "catalog/records/ItemRowValue.h"
#include "catalog/records/RecordText.h"
#include "catalog/subsets/SubsetBase.h"
#include "catalog/window/IDialogRunner.h"
#include "catalog/window/IItemList.h"
#include "catalog/window/IPopupMenu.h"
#include "catalog/window/RowMenuCommands.h"
#include "catalog/window/WindowServices.h"
#include "platform/Shell.h"

namespace {

// Whether a row value names a peak (by itself or by its second or third stone): 基石無法歸類
// lists peaks among the stones in this group's tree.
bool IsPeakRow(quint32 value)
{
    const ItemRowValue::Kind kind = ItemRowValue::Decode(value).kind;
    return kind == ItemRowValue::Kind::Item || kind == ItemRowValue::Kind::SecondStone
           || kind == ItemRowValue::Kind::ThirdStone;
}

// Only the stone-class subsets hold stones the dialog can search; any other subset holds none.
bool IsStoneSubset(const CSubsetBase* subset)
{
    return subset
           && (subset->TypeCode() == CSubsetBase::kTypeStone
               || subset->TypeCode() == CSubsetBase::kTypeNoStoneLevel);
}

} // namespace

bool CGroupStone::EditItemFile(IItemList* list, int row)
{
    const StoneItemRecord* r = Record(StoneOfRow(list, row));
    if (!r)
        return false;
    EditFile(FieldText(r->path));
    return true;
}

// The choice reaches the owner as a command, after the menu has closed.
bool CGroupStone::PopupItemMenu(IItemList*, int)
{
    const WindowServices* services = Services();
    if (services && services->popupMenu)
        services->popupMenu->ShowAtCursor(LocateMenuEntries(false), MenuDelivery::ToOwner);
    return true;
}

// A stone row is located through this group's waypoints, a peak row by the peak group.
bool CGroupStone::LocateRow(IItemList* list, int row, int radius, bool online)
{
    if (const int stone = StoneOfRow(list, row); stone >= 0)
        return LocateItem(stone, radius, online);
    if (!list || row < 0 || row >= list->RowCount() || !IsPeakRow(list->RowData(row)))
        return false;
    CGroupBase* peaks = FindRelatedGroup();
    return peaks && peaks->LocateRow(list, row, radius, online);
}

// The search text and the walk and atlas numbers are not passed on.
bool CGroupStone::RunFindDialog(IMainWindow*, CSubsetBase* subset, QString*, int, int)
{
    return RunSearch(FindDialogKind::Stones, IsStoneSubset(subset) ? subset : nullptr, nullptr)
        .has_value();
}
