#include "ui/dialogs/find/AssignFindDialog.h"

#include "catalog/GroupBase.h"
#include "ui/dialogs/find/FindCaptions.h"

#include <QAbstractButton>

CAssignFindDialog::CAssignFindDialog(int templateId, CGroupBase* group, QWidget* parent)
    : CFindDialogBase(templateId, group, parent)
{
    count_ = QtStatusText(GetDlgItem(kCount));
    Commands().On(kSetTrip, [this] { OnSetTrip(); });
    Commands().On(kSetMap, [this] { OnSetMap(); });
}

void CAssignFindDialog::OnSetTrip()
{
    int row = -1;
    if (!group_ || !SelectedRow(&row) || (walkNumber == 0 && mateVisitCode == 0))
        return;
    if (walkNumber <= 0)
        group_->AddMateVisit(&list_, row, mateVisitCode);
    else
        group_->AddVisit(&list_, row, walkNumber);
    visitAssigned = true;
}

void CAssignFindDialog::OnSetMap()
{
    int row = -1;
    if (!group_ || !SelectedRow(&row) || atlasCode == 0)
        return;
    group_->AddAtlasRef(&list_, row, atlasCode);
    atlasAssigned = true;
}

void CAssignFindDialog::SetAssignCaptions()
{
    if (auto* trip = DlgItem<QAbstractButton>(kSetTrip))
        trip->setText(find_captions::TripCaption(trip->text(), walkNumber, defaultTripNumber));
    if (auto* map = DlgItem<QAbstractButton>(kSetMap))
        map->setText(find_captions::MapCaption(map->text(), atlasCode));
}

void CAssignFindDialog::EnableAssignButtons()
{
    if (walkNumber > 0 || mateVisitCode > 0)
        EnableItem(kSetTrip, true);
    if (atlasCode > 0)
        EnableItem(kSetMap, true);
}

void CAssignFindDialog::ShowCount(int count)
{
    count_.SetText(QString::number(count));
}
