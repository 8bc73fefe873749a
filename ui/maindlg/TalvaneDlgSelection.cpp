// Showing a group and a subset: the group list, the subset tree, the row handling, the column
// sort, the count refresh, the jumps that groups ask for, and the dialog's state in the profile.
#include "ui/maindlg/TalvaneDlg.h"

#include "catalog/GroupBase.h"
#include "catalog/subsets/SubsetBase.h"
#include "catalog/subsets/SubsetStatistics.h"
#include "ui/framework/CommandDispatch.h"
#include "ui/framework/UserProfile.h"
#include "ui/views/StaticMapView.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QTreeWidget>

#include <algorithm>
#include <utility>

namespace {

// Status texts: a subset's count with the visited share, a selected row, the visit totals.
const QString kVisitedCountFormat = QStringLiteral("%1 (%2%)");
const QString kRowFormat = QStringLiteral("%1 / %2");
const QString kTotalsFormat = QStringLiteral("總數:%1, 已爬:%2(%3%), 待爬:%4");

// The buttons a group enables by its features when it is shown.
constexpr std::pair<int, int> kFeatureButtons[] = {
    {CTalvaneDlg::kAddPlant, kFeatureAddPlant},
    {CTalvaneDlg::kSearch, kFeatureSearch},
    {CTalvaneDlg::kCompareWalks, kFeatureCompareWalks},
    {CTalvaneDlg::kCompareAtlas, kFeatureCompareRouteMaps},
    {CTalvaneDlg::kMateItinerary, kFeatureCompanionWalks},
    {CTalvaneDlg::kRegionStats, kFeatureRegionStatistics},
};
// The buttons that act on a selected row.
constexpr int kRowButtons[] = {CTalvaneDlg::kEditData, CTalvaneDlg::kOtherCommands,
                               CTalvaneDlg::kRecordMap};

QString Profile(const char* key)
{
    return QLatin1String(key);
}

QString ProfileSection()
{
    return QLatin1String(CTalvaneDlg::kProfileSection);
}

// A node text without the count the tree shows after it: a final " (n)" of decimal digits.
QString WithoutCount(const QString& text)
{
    if (!text.endsWith(QLatin1Char(')')))
        return text;
    const qsizetype open = text.lastIndexOf(QStringLiteral(" ("));
    if (open < 0)
        return text;
    const QStringView digits = QStringView(text).mid(open + 2, text.size() - open - 3);
    const bool isCount = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    return isCount ? text.left(open) : text;
}

} // namespace

void CTalvaneDlg::ConnectSelection()
{
    ConnectGroupList();
    Commands().On(kUpdateCounts, [this] { OnBnClickedUpdateCounts(); });
    connect(subsetTreeWidget_, &QTreeWidget::currentItemChanged, this, [this] { RefreshSubset(); });
    QHeaderView* header = itemListWidget_->header();
    header->setSectionsClickable(true);
    connect(header, &QHeaderView::sectionClicked, this, &CTalvaneDlg::OnLvnColumnclickItemList);
}

// The native list box reported every click on an entry and every Enter, also on the entry
// already selected; Qt reports only a change of the selection. A click that changed the selection
// was reported by that change already, so that each click selects the group once.
void CTalvaneDlg::ConnectGroupList()
{
    connect(groupListWidget_, &QListWidget::itemSelectionChanged, this,
            &CTalvaneDlg::OnLbnSelchangeGroupList);
    groupListWidget_->viewport()->installEventFilter(this);
    groupListWidget_->installEventFilter(this);
    connect(groupListWidget_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (groupListWidget_->row(item) == groupPressEntry_)
            OnLbnSelchangeGroupList();
    });
}

bool CTalvaneDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == groupListWidget_->viewport()
        && (event->type() == QEvent::MouseButtonPress
            || event->type() == QEvent::MouseButtonDblClick)) {
        // Taken before the list handles the press, which may change the selection.
        groupPressEntry_ = groupList_.CurrentSelection();
    } else if (watched == groupListWidget_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (groupList_.CurrentSelection() >= 0)
                OnLbnSelchangeGroupList();
            return true;
        }
    }
    return CTemplateDialog::eventFilter(watched, event);
}

void CTalvaneDlg::EnableItem(int id, bool enabled)
{
    if (QWidget* item = Item(id))
        item->setEnabled(enabled);
}

void CTalvaneDlg::OnLbnSelchangeGroupList()
{
    const SavedSubset saved = TakeSavedSubset();
    const int entry = groupList_.CurrentSelection();
    if (entry < 0) {
        DisableGroupButtons();
        return;
    }
    currentGroup_ = groupTable_.GetGroup(entry, &statusCount_);
    if (!currentGroup_)
        return;
    ForgetOtherGroupsPoints(currentGroup_);
    currentView_ = currentGroup_->HasFeature(kFeatureImageView) ? &imageView_ : &mapView_;
    mapControl_->SetListener(currentView_);
    // The tree comes first: the saved subset is restored only when its node still stands for it.
    currentGroup_->FillSubsetTree(&subsetTree_);
    const TreeNode restore = RestorableNode(saved);
    if (restore == kNoTreeNode)
        ShowWholeGroup(entry);
    EnableGroupButtons();
    currentSubset_ = -1;
    UserProfile::WriteInt(ProfileSection(), Profile(kSelGroupKey), entry);
    StoreColumnWidths();
    if (restore != kNoTreeNode) {
        // The tree's selection change shows the subset.
        subsetTree_.SelectNode(restore);
        subsetTreeWidget_->setFocus();
    }
}

CTalvaneDlg::SavedSubset CTalvaneDlg::TakeSavedSubset()
{
    SavedSubset saved;
    if (!restoreSubset_)
        return saved;
    restoreSubset_ = false;
    saved.data = UserProfile::GetInt(ProfileSection(), Profile(kSelSubsetDataKey), 0);
    saved.text = UserProfile::GetString(ProfileSection(), Profile(kSelSubsetTextKey));
    return saved;
}

TreeNode CTalvaneDlg::RestorableNode(const SavedSubset& saved)
{
    // The settings may have changed since: an index alone could name another subset now.
    if (saved.data < 1 || saved.data > currentGroup_->SubsetCount() || saved.text.isEmpty())
        return kNoTreeNode;
    const TreeNode node = currentGroup_->FindTreeItemBySubset(&subsetTree_, saved.data - 1);
    if (node == kNoTreeNode || WithoutCount(subsetTree_.NodeText(node)) != WithoutCount(saved.text))
        return kNoTreeNode;
    return node;
}

void CTalvaneDlg::ForgetOtherGroupsPoints(const CGroupBase* group)
{
    if (!markedView_ || markedGroup_ == group)
        return;
    markedView_->Reset();
    markedView_ = nullptr;
    markedGroup_ = nullptr;
}

void CTalvaneDlg::ShowWholeGroup(int entry)
{
    const int rows = currentGroup_->FillItemList(&itemList_);
    groupTable_.WriteItemCount(entry, rows);
    groupTable_.SetListEntryCount(&groupList_, entry, rows);
    currentGroup_->SetActiveView(currentView_);
    statusCount_.SetText(QString::number(rows));
    summary_.SetText(QString());
}

void CTalvaneDlg::EnableGroupButtons()
{
    for (int id : {kEditData, kOtherCommands, kRecordMap, kCompareList})
        EnableItem(id, false);
    if (auto* recordMap = DlgItem<QAbstractButton>(kRecordMap))
        recordMap->setText(currentGroup_->RecordMenuCaption());
    for (const auto& [id, feature] : kFeatureButtons)
        EnableItem(id, currentGroup_->HasFeature(feature));
    EnableItem(kShowMap, currentGroup_->HasFeature(kFeatureMap)
                             || currentGroup_->HasFeature(kFeatureImageView));
    if (IsMapShown()) {
        DlgItem<QAbstractButton>(kShowMap)->setChecked(false);
        OnBnClickedShowMap();
    }
    DisableGroupButtons();
}

void CTalvaneDlg::DisableGroupButtons()
{
    if (QWidget* addPlant = Item(kAddPlant))
        addPlant->hide();
    for (int id : {kCompareWalks, kCompareAtlas, kMateItinerary, kListCommands, kUpdateDatabase,
                   kRegionStats})
        EnableItem(id, false);
}

void CTalvaneDlg::RefreshSubset()
{
    const TreeNode node = subsetTree_.SelectedNode();
    const quint32 data = subsetTree_.NodeData(node);
    // Folder nodes carry 0; subset nodes their index + 1.
    if (node == kNoTreeNode || data == 0 || data > quint32(CGroupBase::kMaxSubsets) || !currentGroup_)
        return;
    currentSubset_ = int(data) - 1;
    UserProfile::WriteInt(ProfileSection(), Profile(kSelSubsetDataKey), int(data));
    UserProfile::WriteString(ProfileSection(), Profile(kSelSubsetTextKey), subsetTree_.NodeText(node));

    SubsetStatistics statistics;
    bool columnsChanged = false;
    const int rows = currentGroup_->ShowSubsetItems(currentSubset_, &itemList_, &statistics,
                                                    &columnsChanged);
    CSubsetBase* subset = currentGroup_->Subset(currentSubset_);
    if (subset) {
        subset->UpdateTreeItemCount(&subsetTree_, node, rows);
        MarkSubsetOnView(subset);
    }
    // After a restored start the list had no columns to compare with: nothing was stored yet.
    if (columnsChanged || columnWidths_[0] == 0)
        StoreColumnWidths();
    ShowSubsetStatus(rows, statistics.visited);
    for (int id : kRowButtons)
        EnableItem(id, false);
    EnableItem(kCompareList, subset && subset->TypeCode() == CSubsetBase::kTypeTitle);
}

void CTalvaneDlg::MarkSubsetOnView(CSubsetBase* subset)
{
    currentView_->Reset();
    subset->MarkOnMap(currentView_);
    markedView_ = currentView_;
    markedGroup_ = currentGroup_;
    if (IsMapShown())
        currentView_->Draw(mapControl_);
}

void CTalvaneDlg::ShowSubsetStatus(int rows, int visited)
{
    if (rows <= 0 || visited < 0) {
        statusCount_.SetText(QString::number(rows));
        summary_.SetText(QString());
        return;
    }
    // The share is rounded half up.
    const int percent = int((qint64(visited) * 100 + rows / 2) / rows);
    statusCount_.SetText(kVisitedCountFormat.arg(QString::number(rows), QString::number(percent)));
    summary_.SetText(kTotalsFormat.arg(QString::number(rows), QString::number(visited),
                                       QString::number(percent), QString::number(rows - visited)));
}

void CTalvaneDlg::OnLvnItemchangedItemList()
{
    // A change is first a deselection; the row commands come back when exactly one row is chosen.
    for (int id : kRowButtons)
        EnableItem(id, false);
    if (itemList_.SelectedCount() != 1)
        return;
    const int row = itemList_.NextSelectedRow(-1);
    statusCount_.SetText(kRowFormat.arg(QString::number(row + 1), QString::number(itemList_.RowCount())));
    if (!currentGroup_)
        return;
    EnableItem(kOtherCommands, currentGroup_->HasFeature(kFeatureRowMenu));
    currentGroup_->ShowRowSummaryFor(&summary_, &itemList_, row, currentSubset_);
    EnableItem(kRecordMap, currentGroup_->HasRecordLinksFor(&itemList_, row, currentSubset_));
}

void CTalvaneDlg::OnLvnColumnclickItemList(int column)
{
    if (currentGroup_)
        currentGroup_->SortItemListFor(&itemList_, column, currentSubset_);
}

void CTalvaneDlg::OnBnClickedUpdateCounts()
{
    if (!currentGroup_)
        return;
    const int count = std::min(currentGroup_->SubsetCount(), CGroupBase::kMaxSubsets);
    for (int index = 0; index < count && currentGroup_->Subset(index); ++index)
        ShowSubsetNode(index);
}

bool CTalvaneDlg::ShowSubsetNode(int subset)
{
    const TreeNode node = currentGroup_->FindTreeItemBySubset(&subsetTree_, subset);
    if (node == kNoTreeNode)
        return false;
    // A change of the tree's selection shows the subset already; it is shown once more so that
    // a subset that was selected before is refreshed too.
    subsetTree_.SelectNode(node);
    subsetTreeWidget_->setFocus();
    RefreshSubset();
    return true;
}

void CTalvaneDlg::SelectSubsetByName(const QString& name)
{
    if (!currentGroup_)
        return;
    const int index = currentGroup_->FindSubset(CSubsetBase::kTypeRegion, name);
    if (index >= 0)
        ShowSubsetNode(index);
}

void CTalvaneDlg::GotoStone(const QString& name)
{
    if (!currentGroup_)
        return;
    const int entry = StoneGroupEntry();
    if (entry < 0)
        return;
    if (groupList_.CurrentSelection() != entry) {
        groupList_.SetCurrentSelection(entry);
        OnLbnSelchangeGroupList();
    }
    if (!currentGroup_)
        return;
    const int index = currentGroup_->FindSubset(CSubsetBase::kTypeStone, name);
    if (index >= 0)
        ShowSubsetNode(index);
}

int CTalvaneDlg::StoneGroupEntry()
{
    for (int entry = 0; entry < groupTable_.GroupCount(); ++entry) {
        const CGroupBase* group = groupTable_.GetGroup(entry, nullptr);
        if (group && group->Key() == QLatin1String(kStoneGroupKey))
            return entry;
    }
    return groupTable_.GroupCount() > 0 ? 0 : -1;
}
