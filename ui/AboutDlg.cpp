#include "ui/AboutDlg.h"

CAboutDlg::CAboutDlg(QWidget* parent) : CTemplateDialog(kTemplateId, parent)
{
    DialogBuilder builder;
    CreateFromTemplate(builder);
}
