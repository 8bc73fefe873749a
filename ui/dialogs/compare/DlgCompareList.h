#pragma once
// 比對山岳列表差異: one title list of the peak group in list order, beside the group's other
// title lists; picking one of them shows the peaks both lists share, then the peaks found in
// only one of them. The dialog only reads: neither the cached counts nor the profile change.
#include "ui/adapters/QtItemList.h"
#include "ui/adapters/QtListBox.h"
#include "ui/framework/TemplateDialog.h"

class CGroupBase;
class CSubsetTitle;
class QListWidget;
class QTreeWidget;

class CDlgCompareList : public CTemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 129;

    static constexpr int kList = 1002;        // the subset's rows, then the comparison
    static constexpr int kSubsetList = 1003;  // the other title lists; row data = subset index
    static constexpr int kSubsetName = 1006;

    // group: the group shown by the opener; subset: one of its title lists (neither owned).
    CDlgCompareList(CGroupBase* group, CSubsetTitle* subset, QWidget* parent = nullptr);

    // The subset's name, the other title lists and the subset's own rows; false without a
    // group or subset, when the dialog shows nothing.
    bool OnInitDialog();
    // OnInitDialog, then the dialog runs modally.
    int DoModal();
    // A pick in the list of title lists: the comparison with the picked one.
    void OnSelChangeSubList();

    // The title list last picked, null before the first pick.
    CSubsetTitle* OtherSubset() const { return other_; }
    QtListBox& SubsetList() { return subsetList_; }
    QtItemList& List() { return list_; }

private:
    // The title list that a row of 1003 stands for; null for anything else.
    CSubsetTitle* SiblingAt(int position) const;

    CGroupBase* group_;
    CSubsetTitle* subset_;
    CSubsetTitle* other_ = nullptr;
    QListWidget* subsetListWidget_ = nullptr;
    QtListBox subsetList_{nullptr};
    QtItemList list_{nullptr};
};
