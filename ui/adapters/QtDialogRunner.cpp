#include "ui/adapters/QtDialogRunner.h"

#include "catalog/GroupBase.h"
#include "ui/adapters/QtMessageBox.h"

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

FindDialogResult QtDialogRunner::RunFindDialog(const FindDialogRequest&)
{
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
