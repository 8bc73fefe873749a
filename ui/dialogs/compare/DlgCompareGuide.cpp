#include "ui/dialogs/compare/DlgCompareGuide.h"

#include "catalog/GroupBase.h"
#include "catalog/compare/AtlasKeys.h"
#include "catalog/compare/ItemCodeIndex.h"
#include "catalog/compare/QuillAtlasIndex.h"
#include "catalog/text/AtlasRef.h"
#include "catalog/text/HtmlTableReader.h"
#include "catalog/text/LocalPages.h"
#include "catalog/window/WindowServices.h"
#include "platform/Shell.h"
#include "ui/dialogs/compare/DlgCompareGuideData.h"
#include "ui/dialogs/input/IInputDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include <algorithm>

namespace {

constexpr int kVolumeColumn = 0;
constexpr int kPageColumn = 1;
constexpr int kTitleColumn = 2;
constexpr int kNamesColumn = 3;

const QString kCaptionSuffix[] = {QStringLiteral(" - 藍天圖集"), QStringLiteral(" - 岫禾圖集")};

// A page that forms an atlas code: volume 1 to 30, page 1 to 999.
bool IsValidPage(const GuideEntry& entry)
{
    int code = 0;
    return AtlasEntryCode(kAtlasKindBlueSky, entry, &code);
}

} // namespace

CDlgCompareGuide::CDlgCompareGuide(CGroupBase* group, IInputDialogs* inputs, QWidget* parent)
    : CTemplateDialog(kTemplateId, parent), group_(group), inputs_(inputs)
{
    DialogBuilder builder;
    CreateFromTemplate(builder);
    auto* listWidget = DlgItem<QTreeWidget>(kList);
    list_ = QtItemList(listWidget);
    progressText_ = QtStatusText(GetDlgItem(kProgress));
    if (listWidget)
        connect(listWidget, &QTreeWidget::itemSelectionChanged, this,
                &CDlgCompareGuide::OnGuideListItemChanged);
    Commands().On(kSearch, [this] { OnSearch(); });
    Commands().On(kOpenGuide, [this] { OnOpenGuide(); });
    Commands().On(kCompareData, [this] { OnCompareData(); });
    Commands().On(kAddGuide, [this] { OnAddGuide(); });
    Commands().On(kFilterTrips, [this] { OnFilterTrips(); });
}

bool CDlgCompareGuide::OnInitDialog()
{
    if (!IsCreated() || !group_)
        return false;
    LoadAtlas();
    Enable(kCompareData, mode == kAtlasKindBlueSky);
    Enable(kAddGuide, mode == kAtlasKindQuill);
    SetText(kItemsWithRef, QString::number(group_->CountAtlasRefsOfKind(-1, mode)));
    setWindowTitle(windowTitle() + kCaptionSuffix[mode == kAtlasKindQuill ? 1 : 0]);
    SetText(kFilter, group_->DisplayName());
    return true;
}

int CDlgCompareGuide::DoModal()
{
    OnInitDialog();
    return exec();
}

void CDlgCompareGuide::LoadAtlas()
{
    InsertColumns();
    entries_.clear();
    if (mode == kAtlasKindQuill) {
        const QString path = QuillAtlasFile();
        entries_ = ReadQuillAtlasFile(path);
        if (!entries_.isEmpty())
            SortGuideEntries(&entries_, false);
        // Only a missing or empty index is rebuilt: one with content is the owner's.
        else if (IsMissingOrEmptyFile(path)
                 && ReadAtlasKeys(&entries_, kQuillKeyPattern, kQuillLinkPattern) > 0)
            WriteQuillAtlasFile(path, entries_);
    } else {
        ReadHtmlTableCells(BlueSkyFile(), &entries_);
    }
    SetText(kEntryCount, QString::number(entries_.size()));
    FillRows();
}

int CDlgCompareGuide::ReadAtlasKeys(QList<GuideEntry>* entries, QStringView keyPattern,
                                    QStringView linkPattern)
{
    AtlasProgress progress(&progressText_);
    return ::ReadAtlasKeys(*group_, mode, entries_, keyPattern, linkPattern, entries, &progress);
}

void CDlgCompareGuide::OnGuideListItemChanged()
{
    int row = -1;
    const int entry = SelectedEntry(&row);
    if (entry < 0)
        return;
    SetText(kPageTitle, list_.CellText(row, kTitleColumn));
    Enable(kSearch, IsValidPage(entries_[entry]));
    Enable(kOpenGuide, true);
}

void CDlgCompareGuide::OnSearch()
{
    int row = -1;
    const int entry = SelectedEntry(&row);
    int code = 0;
    if (entry < 0 || !AtlasEntryCode(mode, entries_[entry], &code))
        return;
    QString text = entries_[entry].title;
    if (!group_->RunFindDialog(MainWindow(), nullptr, &text, 0, code))
        return;
    list_.SetCellText(row, kNamesColumn, ReferringNames(entries_[entry]));
    if (auto* listWidget = DlgItem<QTreeWidget>(kList))
        listWidget->setFocus();
    list_.SelectRow(row, false);
    if (row + 1 < list_.RowCount())
        SelectRow(row + 1);
}

void CDlgCompareGuide::OnOpenGuide()
{
    const int entry = SelectedEntry();
    if (entry < 0 || entries_[entry].link.isEmpty())
        return;
    const WindowServices* services = group_->Services();
    if (services && services->shell)
        services->shell->Open(entries_[entry].link);
}

void CDlgCompareGuide::OnCompareData()
{
    if (mode != kAtlasKindBlueSky)
        return;
    QList<GuideEntry> references;
    if (ReadAtlasKeys(&references, kBlueSkyKeyPattern, kBlueSkyLinkPattern) <= 0)
        return;
    CDlgCompareGuideData dialog(group_, &entries_, &references, this);
    dialog.DoModal();
}

// The new page goes to the index first; the list changes only when it is on disk.
void CDlgCompareGuide::OnAddGuide()
{
    if (mode != kAtlasKindQuill || !inputs_ || entries_.size() >= GuideEntry::kMaxEntries)
        return;
    QString title;
    QString address;
    if (!inputs_->AddGuide(this, &title, &address))
        return;
    // Blanks at either end are no part of what was meant; written, they would need quotes.
    title = title.trimmed();
    address = address.trimmed();
    GuideEntry entry;
    if (!entry.ParseTitle(&title) || !IsValidPage(entry))
        return;
    entry.link = address;
    if (!AddQuillAtlasEntry(QuillAtlasFile(), entry))
        return;
    entries_.append(entry);
    SortGuideEntries(&entries_, false);
    SetText(kEntryCount, QString::number(entries_.size()));
    FillRows();
    const int index = int(std::find_if(entries_.cbegin(), entries_.cend(), [&](const GuideEntry& e) {
                              return e.volume == entry.volume && e.page == entry.page
                                     && e.title == entry.title && e.link == entry.link;
                          }) - entries_.cbegin());
    const int row = list_.FindRow(quint32(index));
    if (auto* listWidget = DlgItem<QTreeWidget>(kList))
        listWidget->setFocus();
    for (int selected = list_.NextSelectedRow(-1); selected >= 0; selected = list_.NextSelectedRow(selected))
        list_.SelectRow(selected, false);
    if (row >= 0)
        SelectRow(row);
}

void CDlgCompareGuide::OnFilterTrips()
{
    if (auto* edit = DlgItem<QLineEdit>(kFilter))
        filter_ = edit->text();
    FillRows();
}

void CDlgCompareGuide::InsertColumns()
{
    list_.InsertColumn(kVolumeColumn, QStringLiteral("冊"), kVolumeWidth, ColumnAlign::Center);
    list_.InsertColumn(kPageColumn, QStringLiteral("頁"), kPageWidth, ColumnAlign::Center);
    list_.InsertColumn(kTitleColumn, QStringLiteral("行程"), kTitleWidth, ColumnAlign::Left);
    list_.InsertColumn(kNamesColumn, QStringLiteral("造訪%1").arg(group_->DisplayName()), kNamesWidth, ColumnAlign::Left);
}

void CDlgCompareGuide::FillRows()
{
    list_.DeleteAllRows();
    // The holders of every page gathered in one pass over the items, not one pass per page.
    const ItemCodeIndex holders(*group_, ItemCodeIndex::CodeList::AtlasRefs);
    for (int i = 0; i < entries_.size(); ++i) {
        if (filter_.isEmpty() || entries_[i].title.contains(filter_, Qt::CaseSensitive))
            InsertEntryRow(i, holders);
    }
}

void CDlgCompareGuide::InsertEntryRow(int entry, const ItemCodeIndex& holders)
{
    const GuideEntry& e = entries_[entry];
    const int row = list_.InsertRow(list_.RowCount(), e.volumeText, quint32(entry));
    if (row < 0)
        return;
    list_.SetCellText(row, kPageColumn, QString::number(e.page));
    list_.SetCellText(row, kTitleColumn, e.title);
    int code = 0;
    if (AtlasEntryCode(mode, e, &code))
        list_.SetCellText(row, kNamesColumn, holders.NamesWith(code));
}

QString CDlgCompareGuide::ReferringNames(const GuideEntry& entry) const
{
    int code = 0;
    QString names;
    if (AtlasEntryCode(mode, entry, &code))
        group_->JoinNamesByAtlasRef(code, &names);
    return names;
}

IMainWindow* CDlgCompareGuide::MainWindow() const
{
    const WindowServices* services = group_->Services();
    return services ? services->mainWindow : nullptr;
}

int CDlgCompareGuide::SelectedEntry(int* row) const
{
    if (list_.SelectedCount() != 1)
        return -1;
    const int selected = list_.NextSelectedRow(-1);
    const quint32 entry = list_.RowData(selected);
    if (entry >= quint32(entries_.size()))
        return -1;
    if (row)
        *row = selected;
    return int(entry);
}

void CDlgCompareGuide::SelectRow(int row)
{
    list_.SelectRow(row, true);
    list_.SetCurrentRow(row);
    list_.EnsureVisible(row);
    OnGuideListItemChanged();
}

void CDlgCompareGuide::SetText(int id, const QString& text)
{
    if (auto* label = DlgItem<QLabel>(id))
        label->setText(text);
    else if (auto* edit = DlgItem<QLineEdit>(id))
        edit->setText(text);
}

void CDlgCompareGuide::Enable(int id, bool enabled)
{
    if (QWidget* control = GetDlgItem(id))
        control->setEnabled(enabled);
}
