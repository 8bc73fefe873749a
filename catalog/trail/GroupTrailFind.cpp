// The trail group's search hook (the item search dialog through the window's dialog runner)
// and its row menu of locate commands.
#include "catalog/trail/GroupTrail.h"

#include "catalog/window/IDialogRunner.h"
#include "catalog/window/IPopupMenu.h"
#include "catalog/window/RowMenuCommands.h"
#include "catalog/window/WindowServices.h"

bool CGroupTrail::RunFindDialog(IMainWindow*, CSubsetBase*, QString* searchText, int walkNumber,
                                int atlasCode)
{
    const auto result = RunSearch(FindDialogKind::Items, nullptr, searchText, walkNumber, atlasCode);
    return result && WroteWhatWasAsked(*result, walkNumber, atlasCode);
}

bool CGroupTrail::PopupItemMenu(IItemList*, int)
{
    // The choice reaches the owner as a command, after the menu has closed.
    const WindowServices* services = Services();
    if (services && services->popupMenu)
        services->popupMenu->ShowAtCursor(LocateMenuEntries(true), MenuDelivery::ToOwner);
    return true;
}
