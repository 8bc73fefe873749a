#include "ui/dialogs/compare/DlgCompareWalk.h"

#include "catalog/GroupBase.h"
#include "catalog/compare/ItemCodeIndex.h"
#include "catalog/GroupTable.h"
#include "catalog/text/LocalPages.h"
#include "catalog/window/WindowServices.h"
#include "platform/Profile.h"
#include "platform/Shell.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// Column widths in pixels.
constexpr int kNumberWidth = 40;
constexpr int kTitleWidth = 270;
constexpr int kDateWidth = 80;
constexpr int kVisitedWidth = 160;

const QString kPeakGroupKey = QStringLiteral("Talvane");
const QString kTemplateSection = QStringLiteral("Template");
const QString kOnlineDirKey = QStringLiteral("OnlineDir");

} // namespace

CDlgCompareWalk::CDlgCompareWalk(CGroupBase* group, QWidget* parent)
    : CTemplateDialog(kTemplateId, parent), group_(group)
{
    DialogBuilder builder;
    CreateFromTemplate(builder);
    listWidget_ = DlgItem<QTreeWidget>(kList);
    list_ = QtItemList(listWidget_);
    if (listWidget_)
        connect(listWidget_, &QTreeWidget::itemSelectionChanged, this,
                &CDlgCompareWalk::OnListItemChanged);
    Commands().On(kSearch, [this] { OnSearch(); });
    Commands().On(kOpenRecord, [this] { OnOpenRecord(); });
    Commands().On(kFilterTrips, [this] { OnFilterTrips(); });
    Commands().On(kWriteWebPages, [this] { OnWriteWebPages(); });
}

bool CDlgCompareWalk::OnInitDialog()
{
    if (!IsCreated() || !group_)
        return false;
    FillList();
    if (auto* filter = DlgItem<QLineEdit>(kFilter))
        filter->setText(group_->DisplayName());
    return true;
}

int CDlgCompareWalk::DoModal()
{
    OnInitDialog();
    return exec();
}

void CDlgCompareWalk::FillList()
{
    if (!group_ || !listWidget_)
        return;
    if (list_.ColumnCount() == 0)
        InsertColumns();
    ListWalks(QString());
    ShowVisitCount();
}

void CDlgCompareWalk::InsertColumns()
{
    list_.InsertColumn(kNumberColumn, QStringLiteral("編號"), kNumberWidth, ColumnAlign::Center);
    list_.InsertColumn(kTitleColumn, QStringLiteral("行程"), kTitleWidth, ColumnAlign::Left);
    list_.InsertColumn(kDateColumn, QStringLiteral("日期"), kDateWidth, ColumnAlign::Left);
    list_.InsertColumn(kVisitedColumn, QStringLiteral("造訪") + group_->DisplayName(),
                       kVisitedWidth, ColumnAlign::Left);
}

// The list runs from the highest walk number stored down, past numbers the page lacks: a page
// with gaps or repeated numbers has fewer rows than its highest number.
void CDlgCompareWalk::ListWalks(const QString& filter)
{
    list_.DeleteAllRows();
    walks_ = WalkIndex();
    const QString onlineDir =
        platform::GetProfileString(MainSettingsPath(), kTemplateSection, kOnlineDirKey);
    ReadHtmlTableRowsToList(WalkIndexFileOrDefault(), &walks_, onlineDir);
    // The visitors of every walk gathered in one pass over the items, not one pass per walk.
    const ItemCodeIndex visits(*group_, ItemCodeIndex::CodeList::Visits);
    for (int walk = walks_.highestWalk; walk >= 1; --walk) {
        if (!walks_.Holds(walk))
            continue;
        if (filter.isEmpty() || walks_.titles[std::size_t(walk)].contains(filter))
            AddWalkRow(walk, visits.NamesWith(walk));
    }
}

void CDlgCompareWalk::AddWalkRow(int walk, const QString& visitedNames)
{
    const auto n = std::size_t(walk);
    const int row = list_.InsertRow(list_.RowCount(), QString::number(walk), quint32(walk));
    if (row < 0)
        return;
    list_.SetCellText(row, kTitleColumn, walks_.titles[n]);
    list_.SetCellText(row, kDateColumn, walks_.dates[n]);
    list_.SetCellText(row, kVisitedColumn, visitedNames);
}

QString CDlgCompareWalk::VisitedNames(int walk) const
{
    QString names;
    group_->JoinNamesVisitedOn(walk, &names);
    return names;
}

void CDlgCompareWalk::ShowVisitCount()
{
    if (auto* count = DlgItem<QLabel>(kVisitCount))
        count->setText(QString::number(group_->CountVisits(-1)));
}

void CDlgCompareWalk::OnListItemChanged()
{
    int row = -1;
    if (SelectedWalk(&row) <= 0)
        return;
    if (auto* title = DlgItem<QLineEdit>(kTitle))
        title->setText(list_.CellText(row, kTitleColumn));
    EnableItem(kSearch, true);
    EnableItem(kOpenRecord, true);
}

void CDlgCompareWalk::OnSearch()
{
    int row = -1;
    const int walk = SelectedWalk(&row);
    if (walk <= 0 || !group_)
        return;
    QString title = list_.CellText(row, kTitleColumn);
    if (!group_->RunFindDialog(MainWindow(), nullptr, &title, walk, 0))
        return;
    list_.SetCellText(row, kVisitedColumn, VisitedNames(walk));
    ShowVisitCount();
}

void CDlgCompareWalk::OnOpenRecord()
{
    const int walk = SelectedWalk();
    if (walk <= 0 || !group_ || !walks_.Holds(walk))
        return;
    const QString& link = walks_.links[std::size_t(walk)];
    const WindowServices* services = group_->Services();
    if (!link.isEmpty() && services && services->shell)
        services->shell->Open(link);
}

void CDlgCompareWalk::OnFilterTrips()
{
    if (!group_ || !listWidget_)
        return;
    const auto* filter = DlgItem<QLineEdit>(kFilter);
    ListWalks(filter ? filter->text() : QString());
}

void CDlgCompareWalk::OnWriteWebPages()
{
    if (!group_ || group_->Key() != kPeakGroupKey)
        return;
    const WalkVisitTable visits = BuildWalkVisitTable(*group_, walks_);
    const WalkReportInput input = MakeWalkReportInput(group_, &walks_, &visits);
    if (WriteWalk3Pages(input))
        WriteWalk4Pages(input);
}

bool CDlgCompareWalk::WriteWalk3Pages(const WalkReportInput& input)
{
    return ::WriteWalk3Pages(input);
}

bool CDlgCompareWalk::WriteWalk4Pages(const WalkReportInput& input)
{
    return ::WriteWalk4Pages(input);
}

IMainWindow* CDlgCompareWalk::MainWindow() const
{
    const WindowServices* services = group_->Services();
    return services ? services->mainWindow : nullptr;
}

int CDlgCompareWalk::SelectedWalk(int* row) const
{
    if (!listWidget_ || list_.SelectedCount() != 1)
        return 0;
    const int selected = list_.NextSelectedRow(-1);
    if (row)
        *row = selected;
    return selected < 0 ? 0 : int(list_.RowData(selected));
}

void CDlgCompareWalk::EnableItem(int id, bool enabled)
{
    if (QWidget* item = GetDlgItem(id))
        item->setEnabled(enabled);
}
