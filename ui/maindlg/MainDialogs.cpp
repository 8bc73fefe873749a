#include "ui/maindlg/MainDialogs.h"

#include "ui/dialogs/find/DlgFindPlant.h"

void CMainDialogs::CompareList(QWidget*, CGroupBase*, CSubsetBase*) {}
void CMainDialogs::CompareWalks(QWidget*, CGroupBase*) {}
void CMainDialogs::CompareGuide(QWidget*, CGroupBase*, int) {}
void CMainDialogs::CompareHiking(QWidget*, CGroupBase*, int) {}
void CMainDialogs::RegionStatistics(QWidget*, CGroupBase*) {}
bool CMainDialogs::AddPlant(QWidget*, AddPlantInput*) { return false; }

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
