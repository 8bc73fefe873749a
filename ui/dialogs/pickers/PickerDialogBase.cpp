#include "ui/dialogs/pickers/PickerDialogBase.h"

#include "catalog/GroupBase.h"
#include "catalog/GroupTable.h"
#include "catalog/window/IMessageBox.h"
#include "catalog/window/WindowServices.h"
#include "gps/gdb/GDBFile.h"
#include "platform/IniDocument.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Shell.h"
#include "ui/dialogs/pickers/SearchTermsFixed.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

const QString kMappingSection = QStringLiteral("GPS");
// A choice the mapping file could not take: the entry, the file, the reason.
const QString kMappingNotKept = QStringLiteral("所選的[%1]無法保存到[%2](%3)！");
const QString kNameNotWritable = QStringLiteral("名稱含有無法寫入的字元");
const QString kFolderInPlace = QStringLiteral("同名的資料夾佔用了檔名");
const QString kNoFolder = QStringLiteral("所在的資料夾不存在");
const QString kReadOnlyFile = QStringLiteral("檔案唯讀");
const QString kReadOnlyFolder = QStringLiteral("資料夾無法寫入");
const QString kWriteFailed = QStringLiteral("寫入失敗");

platform::IShell* ShellOf(const CGroupBase* group)
{
    const WindowServices* services = group ? group->Services() : nullptr;
    return services ? services->shell : nullptr;
}

// Why [GPS] key=value could not be written into the mapping file at path.
QString MappingFailure(const QString& path, const QString& key, const QString& value)
{
    if (!platform::IniDocument::IsWritableKeyName(key) || !platform::IniDocument::IsWritableValue(value))
        return kNameNotWritable;
    const QFileInfo file(path);
    if (file.isDir())
        return kFolderInPlace;
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return kNoFolder;
    if (file.exists() && !file.isWritable())
        return kReadOnlyFile;
    return folder.isWritable() ? kWriteFailed : kReadOnlyFolder;
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
    const QString key = platform::BaseNameOf(path);
    const QString name = EntryName(index);
    if (platform::WriteProfileString(mappingPath, kMappingSection, key, name))
        return true;
    // The choice still counts for this locate; the user learns it will not be remembered.
    const WindowServices* services = group->Services();
    if (services && services->messageBox)
        services->messageBox->Show(
            kMappingNotKept.arg(name, mappingPath, MappingFailure(mappingPath, key, name)),
            MessageIcon::Exclamation);
    return false;
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
