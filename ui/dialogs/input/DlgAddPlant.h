#pragma once
// 新增植物: the web site, title and address of a page about a plant. The site last confirmed is
// kept in the user's profile and offered the next time.
#include "ui/framework/TemplateDialog.h"

class CDlgAddPlant : public CTemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 137;

    static constexpr int kSite = 1041;
    static constexpr int kTitle = 1033;
    static constexpr int kAddress = 1034;

    // Where the site is kept in the user's profile.
    static constexpr char kProfileSection[] = "AddPlantDlg";
    static constexpr char kSiteKey[] = "Blog";

    explicit CDlgAddPlant(QWidget* parent = nullptr);

    // Set by the opener (title and address) and read back after 新增 (all three).
    QString site;
    QString title;
    QString address;

    // The stored site, the title and the address into the edits.
    void OnInitDialog();
    // The edits back into the members, the site stored at once (even empty); closes with OK.
    void OnOK();
    // OnInitDialog, then the dialog runs modally.
    int DoModal();
};
