// The survey-stone group's row commands: the item file in the editor, the row menu, locating a
// row's stone through the group's waypoints, and the search dialog in its stone mode.
#include "catalog/stone/GroupStone.h"

#include "catalog/records/RecordText.h"
#include "catalog/subsets/SubsetBase.h"
#include "catalog/window/IDialogRunner.h"
#include "catalog/window/IPopupMenu.h"
#include "catalog/window/RowMenuCommands.h"
#include "catalog/window/WindowServices.h"
#include "platform/Shell.h"

namespace {

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

bool CGroupStone::LocateRow(IItemList* list, int row, int radius, bool online)
{
    const int stone = StoneOfRow(list, row);
    return stone >= 0 && LocateItem(stone, radius, online);
}

// The search text and the walk and atlas numbers are not passed on.
bool CGroupStone::RunFindDialog(IMainWindow*, CSubsetBase* subset, QString*, int, int)
{
    return RunSearch(FindDialogKind::Stones, IsStoneSubset(subset) ? subset : nullptr, nullptr)
        .has_value();
}
