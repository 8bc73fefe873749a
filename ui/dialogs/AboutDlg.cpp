#include "ui/dialogs/AboutDlg.h"

CAboutDlg::CAboutDlg(QWidget* parent) : CTemplateDialog(kTemplateId, parent)
{
    DialogBuilder builder;
    CreateFromTemplate(builder);
}
