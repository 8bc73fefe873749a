// The peak group's search hook: the peak search dialog through the window's dialog runner, and
// the jump to a region or survey stone that the user chose in it.
#include "catalog/talvane/GroupTalvane.h"

#include "catalog/window/IDialogRunner.h"
#include "catalog/window/IMainWindow.h"
#include "catalog/window/WindowServices.h"

bool CGroupTalvane::RunFindDialog(IMainWindow* parent, CSubsetBase*, QString* searchText,
                                  int walkNumber, int atlasCode)
{
    const WindowServices* services = Services();
    if (!services || !services->dialogs)
        return false;
    FindDialogRequest request;
    request.kind = FindDialogKind::Peaks;
    request.group = this;
    request.searchText = searchText ? *searchText : QString();
    request.walkNumber = walkNumber;
    request.atlasCode = atlasCode;
    const FindDialogResult result = services->dialogs->RunFindDialog(request);
    if (!result.chosenRegion.isEmpty()) {
        if (parent)
            parent->SelectSubsetByName(result.chosenRegion);
        return true;
    }
    if (!result.chosenStone.isEmpty()) {
        if (parent)
            parent->GotoStone(result.chosenStone);
        return true;
    }
    // A caller that asked for a walk or an atlas page learns whether the dialog wrote one.
    if (walkNumber >= 1)
        return result.wroteVisit;
    if (atlasCode > 0)
        return result.wroteAtlasRef;
    return true;
}
