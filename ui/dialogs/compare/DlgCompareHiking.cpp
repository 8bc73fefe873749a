#include "ui/dialogs/compare/DlgCompareHiking.h"

#include "catalog/GroupTable.h"
#include "catalog/compare/Itinerary.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/text/TextParsers.h"
#include "catalog/window/IClock.h"
#include "catalog/window/IDialogRunner.h"
#include "catalog/window/IMessageBox.h"
#include "catalog/window/WindowServices.h"
#include "platform/Profile.h"
#include "platform/Shell.h"
#include "ui/dialogs/input/IInputDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include <algorithm>

namespace {

const QString kCaptionSeparator = QStringLiteral(" - ");
const QString kNumberedKey = QStringLiteral("%d");
// The itinerary is read up to the first trip that cannot be read: one added after it would be
// gone at the next opening.
const QString kUnreadableTrip =
    QStringLiteral("山友行程檔[%1]的[%2]無法讀取，之後的行程都不會列出！\n請先修正該筆資料，再新增行程。");

// Latest date first; trips of one date by title, then by link, so that the order is total.
bool TripBefore(const HikingEntry& a, const HikingEntry& b)
{
    if (const int order = CompareHikingEntries(a, b))
        return order < 0;
    if (const int order = a.title.compare(b.title))
        return order < 0;
    return a.link < b.link;
}

// "%04d-%02d%02d": 「2018-0503」.
QString OpeningDateText(const QDate& date)
{
    const QChar zero(u'0');
    return QStringLiteral("%1-%2%3")
        .arg(date.year(), 4, 10, zero)
        .arg(date.month(), 2, 10, zero)
        .arg(date.day(), 2, 10, zero);
}

} // namespace

CDlgCompareHiking::CDlgCompareHiking(CGroupTalvane* group, int companion, IInputDialogs* inputs,
                                     QWidget* parent)
    : CTemplateDialog(kTemplateId, parent), group_(group), companion_(companion), inputs_(inputs)
{
    DialogBuilder builder;
    CreateFromTemplate(builder);
    listWidget_ = DlgItem<QTreeWidget>(kList);
    list_ = QtItemList(listWidget_);
    if (listWidget_)
        connect(listWidget_, &QTreeWidget::itemSelectionChanged, this,
                &CDlgCompareHiking::OnListItemChanged);
    Commands().On(kFindPeaks, [this] { OnFindPeaks(); });
    Commands().On(kOpenRecord, [this] { OnOpenRecord(); });
    Commands().On(kAddTrip, [this] { OnAddTrip(); });
}

bool CDlgCompareHiking::OnInitDialog()
{
    const HikingMate* mate = Mate();
    if (!IsCreated() || !mate)
        return false;
    FillList();
    setWindowTitle(windowTitle() + kCaptionSeparator + mate->title);
    WriteOpeningDate();
    return true;
}

int CDlgCompareHiking::DoModal()
{
    if (!OnInitDialog())
        return Rejected;
    return exec();
}

void CDlgCompareHiking::FillList()
{
    const HikingMate* mate = Mate();
    if (!mate || !listWidget_)
        return;
    if (list_.ColumnCount() == 0) {
        list_.InsertColumn(kTitleColumn, QStringLiteral("行程"), kTitleWidth, ColumnAlign::Left);
        list_.InsertColumn(kDateColumn, QStringLiteral("日期"), kDateWidth, ColumnAlign::Left);
        list_.InsertColumn(kPeaksColumn, QStringLiteral("造訪山岳"), kPeaksWidth, ColumnAlign::Left);
    }
    entries_ = ReadNumberedKeyPairs(mate->path, mate->keyTitle + kNumberedKey,
                                    mate->keyLink + kNumberedKey);
    SortEntries();
    ShowRows(0);
}

void CDlgCompareHiking::OnListItemChanged()
{
    int row = -1;
    if (!SelectedEntry(&row))
        return;
    SetText(kTripTitle, list_.CellText(row, kTitleColumn).left(kMaxShownTitle));
    for (int id : {kFindPeaks, kOpenRecord})
        if (QWidget* button = GetDlgItem(id))
            button->setEnabled(true);
}

void CDlgCompareHiking::OnFindPeaks()
{
    int row = -1;
    const HikingEntry* entry = SelectedEntry(&row);
    const WindowServices* services = group_ ? group_->Services() : nullptr;
    if (!entry || !services || !services->dialogs)
        return;
    FindDialogRequest request;
    request.kind = FindDialogKind::Peaks;
    request.group = group_;
    request.searchText = list_.CellText(row, kTitleColumn);
    request.mateVisitCode = itinerary::TripVisitCode(companion_, entry->dateText);
    request.defaultTripNumber = row + 1;
    const FindDialogResult result = services->dialogs->RunFindDialog(request);
    if (request.mateVisitCode <= 0 || !WroteWhatWasAsked(result, 0, 0, request.mateVisitCode))
        return;
    list_.SetCellText(row, kPeaksColumn, itinerary::NamesOnTrip(*group_, request.mateVisitCode));
    ShowCounts();
}

void CDlgCompareHiking::OnOpenRecord()
{
    int row = -1;
    const HikingEntry* entry = SelectedEntry(&row);
    const WindowServices* services = group_ ? group_->Services() : nullptr;
    if (entry && !entry->link.isEmpty() && services && services->shell)
        services->shell->Open(entry->link);
}

void CDlgCompareHiking::OnAddTrip()
{
    const HikingMate* mate = Mate();
    // A full itinerary takes no trip; with one key pattern for trips and links the link would
    // overwrite the trip, so nothing is asked for.
    if (!inputs_ || !mate || EntryCount() >= HikingEntry::kMaxEntries ||
        mate->keyTitle.compare(mate->keyLink, Qt::CaseInsensitive) == 0)
        return;
    QString trip, link;
    HikingEntry entry;
    do {
        if (!inputs_->AddGuide(this, &trip, &link))
            return;
        // Blanks at either end are no part of what was meant; written, they would need quotes.
        trip = trip.trimmed();
        link = link.trimmed();
    } while (!AcceptTrip(trip, &entry));
    entry.link = link;
    QString unreadableKey;
    if (!itinerary::AppendTrip(*mate, trip, link, nullptr, &unreadableKey)) {
        if (!unreadableKey.isEmpty())
            ReportUnreadableTrip(*mate, unreadableKey);
        return;
    }
    entries_.append(entry);
    SortEntries();
    const auto added = std::find_if(entries_.cbegin(), entries_.cend(), [&](const HikingEntry& e) {
        return e.dateText == entry.dateText;
    });
    if (listWidget_)
        listWidget_->setFocus();
    ShowRows(int(added - entries_.cbegin()));
}

const HikingMate* CDlgCompareHiking::Mate() const
{
    return group_ ? group_->Mate(companion_) : nullptr;
}

const HikingEntry* CDlgCompareHiking::SelectedEntry(int* row) const
{
    if (!listWidget_ || list_.SelectedCount() != 1)
        return nullptr;
    *row = list_.NextSelectedRow(-1);
    const quint32 entry = list_.RowData(*row);
    return *row >= 0 && entry < quint32(entries_.size()) ? &entries_[qsizetype(entry)] : nullptr;
}

void CDlgCompareHiking::ShowRows(int select)
{
    const QHash<int, QString> peaks = itinerary::NamesByTripCode(*group_, companion_);
    list_.DeleteAllRows();
    for (int i = 0; i < EntryCount(); ++i) {
        const HikingEntry& entry = entries_[i];
        list_.InsertRow(i, entry.title, quint32(i));
        list_.SetCellText(i, kDateColumn, entry.dateText);
        list_.SetCellText(i, kPeaksColumn,
                          peaks.value(itinerary::TripVisitCode(companion_, entry.dateText)));
    }
    SetText(kTripCount, QString::number(EntryCount()));
    ShowCounts();
    if (select < 0 || select >= EntryCount())
        return;
    list_.SelectRow(select, true);
    list_.SetCurrentRow(select);
    list_.EnsureVisible(select);
    OnListItemChanged();
}

void CDlgCompareHiking::SortEntries()
{
    std::stable_sort(entries_.begin(), entries_.end(), TripBefore);
}

void CDlgCompareHiking::ShowCounts()
{
    SetText(kVisitedCount,
            QString::number(group_->CountMateVisitsOf(CGroupTalvane::kAllItems, companion_)));
}

void CDlgCompareHiking::WriteOpeningDate()
{
    const WindowServices* services = group_->Services();
    const QDate today = services && services->clock ? services->clock->LocalNow().date()
                                                    : QDate::currentDate();
    platform::WriteProfileString(LocalSettingsPath(), QString::fromUtf16(itinerary::kHikingSection),
                                 Mate()->title, OpeningDateText(today));
}

bool CDlgCompareHiking::AcceptTrip(const QString& trip, HikingEntry* entry) const
{
    int year = 0, month = 0, day = 0;
    if (!entry->ParseTrip(trip) || !ParseDateText(entry->dateText, &year, &month, &day))
        return false;
    return std::none_of(entries_.cbegin(), entries_.cend(),
                        [&](const HikingEntry& e) { return e.dateText == entry->dateText; });
}

void CDlgCompareHiking::ReportUnreadableTrip(const HikingMate& mate, const QString& key) const
{
    const WindowServices* services = group_->Services();
    if (services && services->messageBox)
        services->messageBox->Show(kUnreadableTrip.arg(mate.path, key), MessageIcon::Exclamation);
}

void CDlgCompareHiking::SetText(int id, const QString& text)
{
    QWidget* control = GetDlgItem(id);
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
}
