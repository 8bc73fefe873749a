// The waterfall group's row commands: the item file in the editor, the row menu of locate
// entries, and the item search dialog with the caller's text and walk.
#include "catalog/waterfall/GroupWaterfall.h"

#include "catalog/records/RecordText.h"
#include "catalog/window/IDialogRunner.h"
#include "catalog/window/IPopupMenu.h"
#include "catalog/window/RowMenuCommands.h"
#include "catalog/window/WindowServices.h"

bool CGroupWaterfall::EditItemFile(IItemList* list, int row)
{
    const WaterfallItemRecord* r = Record(ItemOfRow(list, row));
    if (!r)
        return false;
    EditFile(FieldText(r->path));
    return true;
}

// The choice reaches the owner as a command, after the menu has closed.
bool CGroupWaterfall::PopupItemMenu(IItemList*, int)
{
    const WindowServices* services = Services();
    if (services && services->popupMenu)
        services->popupMenu->ShowAtCursor(LocateMenuEntries(false), MenuDelivery::ToOwner);
    return true;
}

bool CGroupWaterfall::RunFindDialog(IMainWindow*, CSubsetBase*, QString* searchText,
                                    int walkNumber, int)
{
    const auto result = RunSearch(FindDialogKind::Items, nullptr, searchText, walkNumber);
    return result && WroteWhatWasAsked(*result, walkNumber, 0);
}
