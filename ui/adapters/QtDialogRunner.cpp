#include "ui/adapters/QtDialogRunner.h"

#include "catalog/GroupBase.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/trail/GroupTrail.h"
#include "ui/dialogs/find/DlgFind.h"
#include "ui/dialogs/find/DlgFindPlant.h"
#include "ui/dialogs/find/DlgFindTalvane.h"
#include "ui/dialogs/pickers/DlgFindTrack.h"
#include "ui/dialogs/pickers/DlgFindWayPoint.h"

#include <QApplication>

QWidget* QtDialogRunner::DialogParent() const
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return owner_;
}

FindDialogResult QtDialogRunner::RunFindDialog(const FindDialogRequest& request)
{
    if (!request.group)
        return {};
    switch (request.kind) {
    case FindDialogKind::Peaks:
        return RunPeakSearch(request);
    case FindDialogKind::Items:
        return RunItemSearch(request, false);
    case FindDialogKind::Stones:
        return RunItemSearch(request, true);
    case FindDialogKind::Plants:
        return RunPlantSearch(request);
    }
    return {};
}

FindDialogResult QtDialogRunner::RunPeakSearch(const FindDialogRequest& request)
{
    auto* peaks = dynamic_cast<CGroupTalvane*>(request.group);
    if (!peaks)
        return {};
    CDlgFindTalvane dialog(peaks, DialogParent());
    dialog.initialText = request.searchText;
    dialog.walkNumber = request.walkNumber;
    dialog.atlasCode = request.atlasCode;
    dialog.mateVisitCode = request.mateVisitCode;
    dialog.defaultTripNumber = request.defaultTripNumber;
    dialog.DoModal();
    return {dialog.resultRegion, dialog.resultStone, dialog.visitAssigned, dialog.atlasAssigned};
}

FindDialogResult QtDialogRunner::RunItemSearch(const FindDialogRequest& request, bool stoneMode)
{
    CDlgFind dialog(request.group, request.subset, DialogParent());
    dialog.initialText = request.searchText;
    dialog.walkNumber = request.walkNumber;
    dialog.atlasCode = request.atlasCode;
    dialog.stoneMode = stoneMode;
    dialog.DoModal();
    FindDialogResult result;
    result.wroteVisit = dialog.visitAssigned;
    result.wroteAtlasRef = dialog.atlasAssigned;
    return result;
}

FindDialogResult QtDialogRunner::RunPlantSearch(const FindDialogRequest& request)
{
    CDlgFindPlant dialog(request.group, DialogParent());
    dialog.initialText = request.searchText;
    dialog.DoModal();
    return {};
}

int QtDialogRunner::RunWaypointPicker(const PickerRequest& request)
{
    if (!request.group)
        return -1;
    CDlgFindWayPoint dialog(DialogParent());
    dialog.group = request.group;
    dialog.item = request.item;
    dialog.mappingPath = request.mappingFile;
    dialog.waypointSet = request.waypoints;
    dialog.DoModal();
    return dialog.result;
}

int QtDialogRunner::RunTrackPicker(const PickerRequest& request)
{
    auto* trails = dynamic_cast<CGroupTrail*>(request.group);
    if (!trails)
        return -1;
    CDlgFindTrack dialog(DialogParent());
    dialog.group = trails;
    dialog.item = request.item;
    dialog.mappingPath = request.mappingFile;
    dialog.trackSet = request.tracks;
    dialog.DoModal();
    return dialog.result;
}
