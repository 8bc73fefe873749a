#include "ui/dialogs/compare/DlgCompareGuideData.h"

#include "catalog/GroupBase.h"
#include "catalog/compare/AtlasMatch.h"
#include "catalog/compare/AtlasProgress.h"
#include "catalog/compare/AtlasRewrite.h"

#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

constexpr int kVolumeColumn = 0;
constexpr int kPageColumn = 1;
constexpr int kTitleColumn = 2;
constexpr int kReferenceColumn = 3;
const QString kRewritten = QStringLiteral("v");

} // namespace

CDlgCompareGuideData::CDlgCompareGuideData(CGroupBase* group, const QList<GuideEntry>* atlas,
                                           const QList<GuideEntry>* references, QWidget* parent)
    : CTemplateDialog(kTemplateId, parent), group_(group), atlas_(atlas), references_(references)
{
    DialogBuilder builder;
    CreateFromTemplate(builder);
    auto* listWidget = DlgItem<QTreeWidget>(kList);
    list_ = QtItemList(listWidget);
    progressText_ = QtStatusText(GetDlgItem(kProgress));
    if (listWidget)
        connect(listWidget, &QTreeWidget::itemSelectionChanged, this,
                &CDlgCompareGuideData::OnListItemChanged);
    Commands().On(kCheckData, [this] { OnCheckData(); });
}

bool CDlgCompareGuideData::OnInitDialog()
{
    if (!IsCreated() || !group_ || !atlas_ || !references_)
        return false;
    MatchEntry();
    FillList();
    return true;
}

int CDlgCompareGuideData::DoModal()
{
    OnInitDialog();
    return exec();
}

int CDlgCompareGuideData::MatchEntry()
{
    return MatchAtlasEntries(*atlas_, *references_, &match_);
}

void CDlgCompareGuideData::FillList()
{
    list_.InsertColumn(kVolumeColumn, QStringLiteral("冊"), kVolumeWidth, ColumnAlign::Center);
    list_.InsertColumn(kPageColumn, QStringLiteral("頁"), kPageWidth, ColumnAlign::Center);
    list_.InsertColumn(kTitleColumn, QStringLiteral("行程"), kTitleWidth, ColumnAlign::Left);
    list_.InsertColumn(kReferenceColumn, QStringLiteral("行程二"), kReferenceWidth, ColumnAlign::Left);
    if (references_->isEmpty())
        return;
    auto* count = DlgItem<QLabel>(kMatchedCount);
    if (atlas_->isEmpty()) {
        if (count)
            count->setText(QStringLiteral("0"));
        return;
    }
    // References run from the highest volume to the lowest.
    const int highest = references_->first().volume;
    const int lowest = references_->last().volume;
    int matched = 0;
    for (int i = 0; i < atlas_->size(); ++i) {
        const GuideEntry& page = (*atlas_)[i];
        if (page.volume < lowest || page.volume > highest)
            continue;
        const int row = list_.InsertRow(list_.RowCount(), page.volumeText, quint32(i));
        list_.SetCellText(row, kPageColumn, QString::number(page.page));
        list_.SetCellText(row, kTitleColumn, page.title);
        if (i < match_.size() && match_[i] > 0) {
            list_.SetCellText(row, kReferenceColumn, (*references_)[match_[i] - 1].title);
            ++matched;
        }
    }
    if (count)
        count->setText(QString::number(matched));
}

void CDlgCompareGuideData::OnListItemChanged()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    if (auto* edit = DlgItem<QLineEdit>(kPageTitle))
        edit->setText(list_.CellText(row, kTitleColumn));
    if (auto* edit = DlgItem<QLineEdit>(kReference))
        edit->setText(list_.CellText(row, kReferenceColumn));
    if (QWidget* button = GetDlgItem(kCheckData))
        button->setEnabled(true);
}

// A failed write leaves the row as it was: the reference is not marked as rewritten.
void CDlgCompareGuideData::OnCheckData()
{
    const int row = SelectedRow();
    if (row < 0)
        return;
    const quint32 a = list_.RowData(row);
    if (a >= quint32(match_.size()) || match_[a] <= 0)
        return;
    const GuideEntry& page = (*atlas_)[a];
    const QString& reference = (*references_)[match_[a] - 1].title;
    AtlasProgress progress(&progressText_);
    if (RewriteAtlasKeys(*group_, reference, RewriteOldStyleReference(reference, page), &progress).failed)
        return;
    if (auto* listWidget = DlgItem<QTreeWidget>(kList))
        listWidget->setFocus();
    list_.SetCellText(row, kReferenceColumn, kRewritten);
    list_.SelectRow(row, false);
    for (int next = row + 1; next < list_.RowCount(); ++next) {
        const quint32 entry = list_.RowData(next);
        if (entry < quint32(match_.size()) && match_[entry] > 0) {
            SelectRow(next);
            return;
        }
    }
}

int CDlgCompareGuideData::SelectedRow() const
{
    return list_.SelectedCount() == 1 ? list_.NextSelectedRow(-1) : -1;
}

void CDlgCompareGuideData::SelectRow(int row)
{
    list_.SelectRow(row, true);
    list_.SetCurrentRow(row);
    list_.EnsureVisible(row);
    OnListItemChanged();
}
