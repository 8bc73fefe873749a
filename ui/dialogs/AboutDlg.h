#pragma once
// The about box: the program's icon, name and version, and an OK button.
#include "ui/framework/TemplateDialog.h"

class CAboutDlg : public CTemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 100;

    explicit CAboutDlg(QWidget* parent = nullptr);
};
