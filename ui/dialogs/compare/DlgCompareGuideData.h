#pragma once
// 比對藍天隊資料: the BlueSky references of the item files paired with the pages of the BlueSky
// atlas; 確認資料... rewrites a paired old-style reference ("藍天圖集[15]...") in the item files
// into the page's reference ("(十五045)...").
#include "catalog/text/GuideEntry.h"
#include "ui/adapters/QtItemList.h"
#include "ui/adapters/QtStatusText.h"
#include "ui/framework/TemplateDialog.h"

#include <QList>

class CGroupBase;

class CDlgCompareGuideData : public CTemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 134;

    static constexpr int kList = 1023;  // row data = atlas entry index
    static constexpr int kMatchedCount = 1005;
    static constexpr int kPageTitle = 1006;
    static constexpr int kReference = 1027;
    static constexpr int kCheckData = 1026;  // 確認資料...
    static constexpr int kProgress = 1024;

    // List columns: volume, page, page title, paired reference.
    static constexpr int kVolumeWidth = 40;
    static constexpr int kPageWidth = 40;
    static constexpr int kTitleWidth = 310;
    static constexpr int kReferenceWidth = 310;

    // The atlas pages and the references, both sorted by volume descending (not owned).
    CDlgCompareGuideData(CGroupBase* group, const QList<GuideEntry>* atlas,
                         const QList<GuideEntry>* references, QWidget* parent = nullptr);

    bool OnInitDialog();
    int DoModal();

    // Fills the match table; returns the number paired.
    int MatchEntry();
    void FillList();
    void OnListItemChanged();
    void OnCheckData();

    QtItemList& List() { return list_; }
    // Per atlas entry: the paired reference's index + 1, 0 for none.
    const QList<int>& Matches() const { return match_; }

private:
    int SelectedRow() const;
    void SelectRow(int row);

    CGroupBase* group_;
    const QList<GuideEntry>* atlas_;
    const QList<GuideEntry>* references_;
    QList<int> match_;
    QtItemList list_{nullptr};
    QtStatusText progressText_{nullptr};
};
