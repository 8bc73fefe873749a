#include "ui/maindlg/MainDialogs.h"

#include "catalog/subsets/titles/SubsetTitle.h"
#include "ui/dialogs/compare/DlgCompareGuide.h"
#include "ui/dialogs/compare/DlgCompareHiking.h"
#include "ui/dialogs/compare/DlgCompareList.h"
#include "ui/dialogs/compare/DlgCompareWalk.h"
#include "ui/dialogs/find/DlgFindPlant.h"
#include "ui/dialogs/input/InputDialogs.h"
#include "ui/dialogs/statistics/DlgRegionStatic.h"

CMainDialogs::CMainDialogs(IInputDialogs* inputs)
    : ownInputs_(inputs ? nullptr : std::make_unique<CInputDialogs>()),
      inputs_(inputs ? inputs : ownInputs_.get())
{
}

CMainDialogs::~CMainDialogs() = default;

// Only a title list is compared with its siblings.
void CMainDialogs::CompareList(QWidget* parent, CGroupBase* group, CSubsetBase* subset)
{
    if (!group || !subset || subset->TypeCode() != CSubsetBase::kTypeTitle)
        return;
    auto* title = dynamic_cast<CSubsetTitle*>(subset);
    if (!title)
        return;
    CDlgCompareList dialog(group, title, parent);
    dialog.DoModal();
}

void CMainDialogs::CompareWalks(QWidget* parent, CGroupBase* group)
{
    if (!group)
        return;
    CDlgCompareWalk dialog(group, parent);
    dialog.DoModal();
}

// Mode 0 compares with the BlueSky atlas, 1 with 岫禾圖集.
void CMainDialogs::CompareGuide(QWidget* parent, CGroupBase* group, int mode)
{
    if (!group)
        return;
    CDlgCompareGuide dialog(group, inputs_, parent);
    dialog.mode = mode;
    dialog.DoModal();
}

// Only the peak group has companions; an index past its companions opens nothing.
void CMainDialogs::CompareHiking(QWidget* parent, CGroupBase* group, int companion)
{
    auto* peaks = dynamic_cast<CGroupTalvane*>(group);
    if (!peaks || !peaks->Mate(companion))
        return;
    CDlgCompareHiking dialog(peaks, companion, inputs_, parent);
    dialog.DoModal();
}

void CMainDialogs::RegionStatistics(QWidget* parent, CGroupBase* group)
{
    if (!group)
        return;
    CDlgRegionStatic dialog(group, parent);
    dialog.DoModal();
}

bool CMainDialogs::AddPlant(QWidget* parent, AddPlantInput* input)
{
    return inputs_->AddPlant(parent, input);
}

bool CMainDialogs::FindPlant(QWidget* parent, CGroupBase* group, const QString& text,
                             QString* family, QString* name)
{
    if (!group)
        return false;
    CDlgFindPlant dialog(group, parent);
    dialog.initialText = text;
    dialog.pickMode = true;
    if (dialog.DoModal() != QDialog::Accepted)
        return false;
    if (family)
        *family = dialog.resultFamily;
    if (name)
        *name = dialog.resultName;
    return true;
}
