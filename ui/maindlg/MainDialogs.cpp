#include "ui/maindlg/MainDialogs.h"

#include "catalog/subsets/titles/SubsetTitle.h"
#include "ui/dialogs/compare/DlgCompareList.h"
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

void CMainDialogs::CompareWalks(QWidget*, CGroupBase*) {}
void CMainDialogs::CompareGuide(QWidget*, CGroupBase*, int) {}
void CMainDialogs::CompareHiking(QWidget*, CGroupBase*, int) {}
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
