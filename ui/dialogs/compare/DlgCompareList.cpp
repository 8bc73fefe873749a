#include "ui/dialogs/compare/DlgCompareList.h"

#include "catalog/GroupBase.h"
#include "catalog/subsets/titles/SubsetTitle.h"

#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>

CDlgCompareList::CDlgCompareList(CGroupBase* group, CSubsetTitle* subset, QWidget* parent)
    : CTemplateDialog(kTemplateId, parent), group_(group), subset_(subset)
{
    DialogBuilder builder;
    CreateFromTemplate(builder);
    subsetListWidget_ = DlgItem<QListWidget>(kSubsetList);
    subsetList_ = QtListBox(subsetListWidget_);
    list_ = QtItemList(DlgItem<QTreeWidget>(kList));
    if (subsetListWidget_)
        connect(subsetListWidget_, &QListWidget::itemSelectionChanged, this,
                &CDlgCompareList::OnSelChangeSubList);
}

bool CDlgCompareList::OnInitDialog()
{
    if (!IsCreated() || !group_ || !subset_)
        return false;
    if (auto* name = DlgItem<QLabel>(kSubsetName))
        name->setText(subset_->DisplayName());
    group_->FillSiblingSubsetList(&subsetList_, subset_);
    subset_->FillListEx(&list_, nullptr, nullptr, true);
    return true;
}

int CDlgCompareList::DoModal()
{
    OnInitDialog();
    return exec();
}

void CDlgCompareList::OnSelChangeSubList()
{
    if (!group_ || !subset_)
        return;
    const int position = subsetList_.CurrentSelection();
    if (position < 0)
        return;
    CSubsetTitle* other = SiblingAt(position);
    if (!other)
        return;
    other_ = other;
    subset_->FillCompareList(&list_, other_);
}

// The rows carry the index of their subset in the group, so that a row names its list even
// where a sibling added no row of its own.
CSubsetTitle* CDlgCompareList::SiblingAt(int position) const
{
    CSubsetBase* sibling = group_->Subset(int(subsetList_.ItemData(position)));
    if (!sibling || sibling == subset_ || sibling->TypeCode() != subset_->TypeCode())
        return nullptr;
    return dynamic_cast<CSubsetTitle*>(sibling);
}
