#include "ui/dialogs/input/InputDialogs.h"

#include "ui/dialogs/input/DlgAddGuide.h"
#include "ui/dialogs/input/DlgAddPlant.h"

bool CInputDialogs::AddPlant(QWidget* parent, AddPlantInput* input)
{
    if (!input)
        return false;
    CDlgAddPlant dialog(parent);
    dialog.title = input->title;
    dialog.address = input->address;
    if (dialog.DoModal() != QDialog::Accepted)
        return false;
    input->site = dialog.site;
    input->title = dialog.title;
    input->address = dialog.address;
    return true;
}

bool CInputDialogs::AddGuide(QWidget* parent, QString* title, QString* address)
{
    if (!title || !address)
        return false;
    CDlgAddGuide dialog(parent);
    dialog.title = *title;
    dialog.address = *address;
    if (dialog.DoModal() != QDialog::Accepted)
        return false;
    *title = dialog.title;
    *address = dialog.address;
    return true;
}
