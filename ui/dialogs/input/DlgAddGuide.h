#pragma once
// 新增路線圖: the title and address of a new link.
#include "ui/framework/TemplateDialog.h"

class CDlgAddGuide : public CTemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 135;

    static constexpr int kTitle = 1033;
    static constexpr int kAddress = 1034;

    explicit CDlgAddGuide(QWidget* parent = nullptr);

    // Set by the opener and read back after 新增.
    QString title;
    QString address;

    // The title and the address into the edits.
    void OnInitDialog();
    // The edits back into the members; closes with OK.
    void OnOK();
    // OnInitDialog, then the dialog runs modally.
    int DoModal();
};
