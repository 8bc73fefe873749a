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
    const WindowServices* services = Services();
    if (!services || !services->dialogs)
        return false;
    FindDialogRequest request;
    request.kind = FindDialogKind::Items;
    request.group = this;
    request.searchText = searchText ? *searchText : QString();
    request.walkNumber = walkNumber;
    request.atlasCode = atlasCode;
    const FindDialogResult result = services->dialogs->RunFindDialog(request);
    // A caller that asked for a walk or an atlas page learns whether the dialog wrote one.
    if (walkNumber > 0)
        return result.wroteVisit;
    if (atlasCode > 0)
        return result.wroteAtlasRef;
    return true;
}

bool CGroupTrail::PopupItemMenu(IItemList*, int)
{
    // The choice reaches the owner as a command, after the menu has closed.
    const WindowServices* services = Services();
    if (services && services->popupMenu)
        services->popupMenu->ShowAtCursor(LocateMenuEntries(true), MenuDelivery::ToOwner);
    return true;
}
