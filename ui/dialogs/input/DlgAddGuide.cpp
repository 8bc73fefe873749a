#include "ui/dialogs/input/DlgAddGuide.h"

#include "ui/dialogs/input/InputEdits.h"

CDlgAddGuide::CDlgAddGuide(QWidget* parent) : CTemplateDialog(kTemplateId, parent)
{
    DialogBuilder builder;
    CreateFromTemplate(builder);
    Commands().On(kIdOk, [this] { OnOK(); });
}

void CDlgAddGuide::OnInitDialog()
{
    SetEditText(*this, kTitle, title);
    SetEditText(*this, kAddress, address);
}

void CDlgAddGuide::OnOK()
{
    title = EditText(*this, kTitle);
    address = EditText(*this, kAddress);
    accept();
}

int CDlgAddGuide::DoModal()
{
    OnInitDialog();
    return exec();
}
