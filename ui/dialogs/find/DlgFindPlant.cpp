#include "ui/dialogs/find/DlgFindPlant.h"

#include "catalog/GroupBase.h"
#include "catalog/records/PlantItemRecord.h"
#include "catalog/records/RecordText.h"

CDlgFindPlant::CDlgFindPlant(CGroupBase* group, QWidget* parent)
    : CFindDialogBase(kTemplateId, group, parent)
{
    ConnectCommands();
}

void CDlgFindPlant::ConnectCommands()
{
    Commands().On(kSearch, [this] { OnSearch(); });
    Commands().On(kEditData, [this] { OnEditData(); });
    Commands().On(kConfirm, [this] { OnConfirm(); });
    Commands().On(kAddPlant, [this] { OnAddPlant(); });
}

void CDlgFindPlant::OnInitDialog()
{
    if (!IsCreated() || !group_)
        return;
    group_->SetupItemColumns(&list_, nullptr);
    EnableItem(kEditData, false);
    EnableItem(kConfirm, false);
    if (TakeInitialText()) {
        SetItemText(kNewName, initialText);
        OnSearch();
    }
}

const PlantItemRecord* CDlgFindPlant::Plant(int item) const
{
    return group_ ? group_->ItemAs<PlantItemRecord>(item) : nullptr;
}

const PlantItemRecord* CDlgFindPlant::SelectedPlant(int* row) const
{
    if (!group_ || !listWidget_ || list_.SelectedCount() != 1)
        return nullptr;
    *row = list_.NextSelectedRow(-1);
    return *row >= 0 ? Plant(int(list_.RowData(*row))) : nullptr;
}

// The text is matched whole, in either name: no terms, no name pairs.
void CDlgFindPlant::OnSearch()
{
    const QString text = ItemText(kNameEdit);
    if (!group_ || text.isEmpty())
        return;
    list_.DeleteAllRows();
    EnableItem(kEditData, false);
    EnableItem(kConfirm, false);
    int row = 0;
    for (int item = 0; item < group_->ItemCount(); ++item) {
        const PlantItemRecord* plant = Plant(item);
        if (!plant)
            continue;
        const QString name2 = FieldText(plant->Name2);
        if (!FieldText(plant->Name).contains(text) && (name2.isEmpty() || !name2.contains(text)))
            continue;
        if (group_->InsertItemRow(&list_, row, item))
            ++row;
    }
}

void CDlgFindPlant::OnListItemChanged()
{
    int row = -1;
    const PlantItemRecord* plant = SelectedPlant(&row);
    if (!plant)
        return;
    EnableItem(kEditData, true);
    if (pickMode)
        EnableItem(kConfirm, true);
    group_->ShowRowSummary(&summary_, &list_, row);
    SetItemText(kNewFamily, FieldText(plant->Class));
}

void CDlgFindPlant::OnEditData()
{
    int row = -1;
    if (SelectedPlant(&row))
        group_->EditItemFile(&list_, row);
}

void CDlgFindPlant::OnConfirm()
{
    int row = -1;
    const PlantItemRecord* plant = pickMode ? SelectedPlant(&row) : nullptr;
    if (!plant)
        return;
    resultName = FieldText(plant->Name);
    resultFamily = FieldText(plant->Class);
    accept();
}

// A new plant's name and family become its item file's name and its photo folder: blanks
// around them are dropped, and texts that would name another file or folder are refused.
void CDlgFindPlant::OnAddPlant()
{
    if (!group_)
        return;
    const QString name = ItemText(kNewName).trimmed();
    const QString family = ItemText(kNewFamily).trimmed();
    if (!IsUsableFileName(name) || !IsUsableFileName(family))
        return;
    resultName = name;
    resultFamily = family;
    accept();
}

bool CDlgFindPlant::IsUsableFileName(const QString& text)
{
    if (text.isEmpty() || text == u"." || text == u"..")
        return false;
    for (const QChar c : text)
        if (c == u'/' || c == u'\\' || c.category() == QChar::Other_Control)
            return false;
    return true;
}
