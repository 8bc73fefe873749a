#include "ui/dialogs/find/FindDialogBase.h"

#include "catalog/GroupBase.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>

CFindDialogBase::CFindDialogBase(int templateId, CGroupBase* group, QWidget* parent)
    : CTemplateDialog(templateId, parent), group_(group)
{
    DialogBuilder builder;
    CreateFromTemplate(builder);
    listWidget_ = DlgItem<QTreeWidget>(kList);
    list_ = QtItemList(listWidget_);
    summary_ = QtStatusText(GetDlgItem(kSummary));
    ConnectList();
}

void CFindDialogBase::ConnectList()
{
    if (!listWidget_)
        return;
    connect(listWidget_, &QTreeWidget::itemSelectionChanged, this, [this] { OnListItemChanged(); });
    listWidget_->header()->setSectionsClickable(true);
    connect(listWidget_->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { OnColumnClick(column); });
}

int CFindDialogBase::DoModal()
{
    OnInitDialog();
    return exec();
}

void CFindDialogBase::OnColumnClick(int column)
{
    if (group_)
        group_->SortItemList(&list_, column);
}

void CFindDialogBase::EnableItem(int id, bool enabled)
{
    if (QWidget* item = GetDlgItem(id))
        item->setEnabled(enabled);
}

QString CFindDialogBase::ItemText(int id) const
{
    if (auto* edit = DlgItem<QLineEdit>(id))
        return edit->text();
    return QString();
}

void CFindDialogBase::SetItemText(int id, const QString& text)
{
    if (auto* edit = DlgItem<QLineEdit>(id))
        edit->setText(text);
}

bool CFindDialogBase::TakeInitialText()
{
    if (QWidget* edit = GetDlgItem(kNameEdit))
        edit->setFocus();
    if (initialText.isEmpty())
        return false;
    SetItemText(kNameEdit, initialText);
    return true;
}

bool CFindDialogBase::SelectedRow(int* row) const
{
    if (!listWidget_ || list_.SelectedCount() != 1)
        return false;
    *row = list_.NextSelectedRow(-1);
    return *row >= 0;
}
