#include "ui/adapters/QtDialogRunner.h"

#include "catalog/GroupBase.h"
#include "catalog/talvane/GroupTalvane.h"
#include "ui/adapters/QtMessageBox.h"
#include "ui/dialogs/find/DlgFind.h"
#include "ui/dialogs/find/DlgFindPlant.h"
#include "ui/dialogs/find/DlgFindTalvane.h"

#include <QApplication>

namespace {

const QString kNoWaypoint = QStringLiteral("找不到[%1]的航點！");
const QString kNoTrack = QStringLiteral("找不到[%1]的航跡！");

QString ItemName(const PickerRequest& request)
{
    QString name;
    if (request.group)
        request.group->GetItemNames(request.item, &name, nullptr);
    return name;
}

} // namespace

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
    QtMessageBox(owner_).Show(kNoWaypoint.arg(ItemName(request)), MessageIcon::Exclamation, MessageButtons::Ok, QString());
    return -1;
}

int QtDialogRunner::RunTrackPicker(const PickerRequest& request)
{
    QtMessageBox(owner_).Show(kNoTrack.arg(ItemName(request)), MessageIcon::Exclamation, MessageButtons::Ok, QString());
    return -1;
}
