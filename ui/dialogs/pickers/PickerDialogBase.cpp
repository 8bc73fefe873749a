#include "ui/dialogs/pickers/PickerDialogBase.h"

#include "catalog/GroupBase.h"
#include "catalog/GroupTable.h"
#include "catalog/window/WindowServices.h"
#include "gps/gdb/GDBFile.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Shell.h"
#include "ui/dialogs/pickers/SearchTermsFixed.h"

#include <QLineEdit>
#include <QTreeWidget>

namespace {

const QString kMappingSection = QStringLiteral("GPS");

platform::IShell* ShellOf(const CGroupBase* group)
{
    const WindowServices* services = group ? group->Services() : nullptr;
    return services ? services->shell : nullptr;
}

} // namespace

CPickerDialogBase::CPickerDialogBase(int templateId, QWidget* parent)
    : CTemplateDialog(templateId, parent)
{
    DialogBuilder builder;
    CreateFromTemplate(builder);
    listWidget_ = DlgItem<QTreeWidget>(kList);
    list_ = QtItemList(listWidget_);
    summary_ = QtStatusText(GetDlgItem(kSummary));
    if (listWidget_)
        connect(listWidget_, &QTreeWidget::itemSelectionChanged, this, [this] { OnListItemChanged(); });
    ConnectCommands();
}

void CPickerDialogBase::ConnectCommands()
{
    Commands().On(kSearch, [this] { OnSearch(); });
    Commands().On(kConfirm, [this] { OnConfirm(); });
    Commands().On(kLocate, [this] { OnLocateOnMap(); });
    Commands().On(kEditData, [this] { OnEditData(); });
}

int CPickerDialogBase::DoModal()
{
    OnInitDialog();
    return exec();
}

void CPickerDialogBase::EnableItem(int id, bool enabled)
{
    if (QWidget* control = GetDlgItem(id))
        control->setEnabled(enabled);
}

void CPickerDialogBase::SetupColumns(const QList<Column>& columns)
{
    ClearListCtrl(&list_);
    for (const Column& column : columns)
        list_.InsertColumn(list_.ColumnCount(), column.title, column.width,
                           column.right ? ColumnAlign::Right : ColumnAlign::Left);
}

void CPickerDialogBase::StartSearch(const QString& name, const QString& name2)
{
    auto* edit = DlgItem<QLineEdit>(kSearchEdit);
    if (!edit)
        return;
    edit->setText(name2.isEmpty() ? name : name + u' ' + name2);
    edit->setFocus();
    OnSearch();
}

bool CPickerDialogBase::ExcludedFor(const QString&, const QString&) const
{
    return false;
}

void CPickerDialogBase::OnSearch()
{
    const auto* edit = DlgItem<QLineEdit>(kSearchEdit);
    const QString text = edit ? edit->text() : QString();
    if (text.isEmpty())
        return;
    QStringList terms;
    SplitSearchTermsFixed(text, &terms);
    list_.DeleteAllRows();
    EnableItem(kConfirm, false);
    EnableItem(kLocate, false);
    for (const QString& term : terms)
        ListMatches(term);
}

// An entry found by several terms gets a row for each.
void CPickerDialogBase::ListMatches(const QString& term)
{
    const int count = EntryCount();
    for (int index = 0; index < count; ++index) {
        if (EntryUsed(index))
            continue;
        const QString name = EntryName(index);
        if (!name.contains(term, Qt::CaseSensitive) || ExcludedFor(name, term))
            continue;
        const int row = list_.InsertRow(list_.RowCount(), name, quint32(index));
        if (row >= 0)
            SetEntryCells(row, index);
    }
}

void CPickerDialogBase::OnListItemChanged()
{
    if (list_.SelectedCount() != 1)
        return;
    EnableItem(kConfirm, true);
    EnableItem(kLocate, true);
}

int CPickerDialogBase::SelectedEntry() const
{
    if (!listWidget_ || list_.SelectedCount() != 1)
        return -1;
    const int row = list_.NextSelectedRow(-1);
    if (row < 0)
        return -1;
    const quint32 data = list_.RowData(row);
    if (data >= quint32(EntryCount()))
        return -1;
    const int index = int(data);
    // The set may have been reloaded since the search: the row must still show this entry.
    return EntryName(index) == list_.CellText(row, 0) ? index : -1;
}

bool CPickerDialogBase::WriteMapping(int index) const
{
    const CGroupBase* group = PickerGroup();
    const QString path = group ? group->ItemPath(item) : QString();
    if (path.isEmpty() || mappingPath.isEmpty())
        return false;
    return platform::WriteProfileString(mappingPath, kMappingSection, platform::BaseNameOf(path),
                                        EntryName(index));
}

void CPickerDialogBase::OnConfirm()
{
    const int index = SelectedEntry();
    if (index < 0)
        return;
    WriteMapping(index);
    result = index;
    accept();
}

// The dialog stays open; the mapping written here stays even when the dialog is cancelled.
void CPickerDialogBase::OnLocateOnMap()
{
    if (SelectedEntry() < 0 || !LoadGpsFile())
        return;
    // The load may have reloaded the set: the row is checked against it again.
    const int index = SelectedEntry();
    if (index < 0)
        return;
    WriteMapping(index);
    CGDBFile gdb;
    if (!AddToGdb(&gdb, index))
        return;
    const QString path = platform::JoinPath(DataFolder(), ExportFileName());
    // An older file left in place would show the wrong entry: open only what was written now.
    platform::IShell* shell = ShellOf(PickerGroup());
    if (gdb.SaveFile(path) == 1 && shell)
        shell->Open(path);
}

void CPickerDialogBase::OnEditData()
{
    if (const CGroupBase* group = PickerGroup())
        group->EditFile(group->ItemPath(item));
}
