// The peak group's search hook: the peak search dialog through the window's dialog runner, and
// the jump to a region or survey stone that the user chose in it.
#include "catalog/talvane/GroupTalvane.h"

#include "catalog/window/IDialogRunner.h"
#include "catalog/window/IMainWindow.h"
#include "catalog/window/WindowServices.h"

bool CGroupTalvane::RunFindDialog(IMainWindow* parent, CSubsetBase*, QString* searchText,
                                  int walkNumber, int atlasCode)
{
    const auto result = RunSearch(FindDialogKind::Peaks, nullptr, searchText, walkNumber,
                                  atlasCode);
    if (!result)
        return false;
    if (!result->chosenRegion.isEmpty()) {
        if (parent)
            parent->SelectSubsetByName(result->chosenRegion);
        return true;
    }
    if (!result->chosenStone.isEmpty()) {
        if (parent)
            parent->GotoStone(result->chosenStone);
        return true;
    }
    return WroteWhatWasAsked(*result, walkNumber, atlasCode);
}
