#include "ui/dialogs/input/DlgAddPlant.h"

#include "ui/dialogs/input/InputEdits.h"
#include "ui/framework/UserProfile.h"

CDlgAddPlant::CDlgAddPlant(QWidget* parent) : CTemplateDialog(kTemplateId, parent)
{
    DialogBuilder builder;
    CreateFromTemplate(builder);
    Commands().On(kIdOk, [this] { OnOK(); });
}

void CDlgAddPlant::OnInitDialog()
{
    site = UserProfile::GetString(QLatin1String(kProfileSection), QLatin1String(kSiteKey));
    SetEditText(*this, kSite, site);
    SetEditText(*this, kTitle, title);
    SetEditText(*this, kAddress, address);
}

void CDlgAddPlant::OnOK()
{
    site = EditText(*this, kSite);
    UserProfile::WriteString(QLatin1String(kProfileSection), QLatin1String(kSiteKey), site);
    title = EditText(*this, kTitle);
    address = EditText(*this, kAddress);
    accept();
}

int CDlgAddPlant::DoModal()
{
    OnInitDialog();
    return exec();
}
