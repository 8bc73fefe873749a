// The commands of the buttons the dialog keeps disabled once a group is shown, the popup menus
// the dialog builds for them, and the commands no control issues.
#include "ui/maindlg/TalvaneDlg.h"

#include "catalog/GroupBase.h"
#include "catalog/GroupTable.h"
#include "catalog/subsets/SubsetBase.h"
#include "catalog/subsets/regions/SubsetRegion.h"
#include "catalog/talvane/GroupTalvane.h"
#include "platform/Profile.h"
#include "ui/framework/CommandDispatch.h"

#include <algorithm>

namespace {

// The route-map comparison's atlases: the BlueSky team's (mode 0) and 岫禾圖集 (mode 1).
constexpr int kFirstAtlasMode = 0;
constexpr int kSecondAtlasMode = 1;
// Local.txt [Hiking] <companion's title>: when the companion's itinerary was last opened.
const QString kHikingSection = QStringLiteral("Hiking");
// The list-output menu and the suffixes of the tables sorted by columns 1 and 2.
const QString kOutputListText = QStringLiteral("輸出列表...");
const QString kSortedHtmlText = QStringLiteral("輸出各種排序HTML...");
const QString kCurrentHtmlText = QStringLiteral("輸出現狀HTML...");
const QString kLocateAllText = QStringLiteral("定位全部...");
constexpr int kHeightColumn = 1;
constexpr int kStonesColumn = 2;
const QString kHeightSuffix = QStringLiteral("_h");
const QString kStonesSuffix = QStringLiteral("_s");

// A node's text without its leading "." characters (the sub-region marks of list texts).
QString WithoutLeadingDots(const QString& text)
{
    qsizetype n = 0;
    while (n < text.size() && text[n] == QLatin1Char('.'))
        ++n;
    return text.mid(n);
}

// A companion's entry: its title as it stands (the menu shows "&" itself), "...", and the date
// its itinerary was last opened, in brackets, when Local.txt keeps one.
QString CompanionEntryText(const HikingMate& mate)
{
    QString text = mate.title + QStringLiteral("...");
    if (mate.title.isEmpty())
        return text;
    const QString last = platform::GetProfileString(LocalSettingsPath(), kHikingSection, mate.title);
    if (!last.isEmpty())
        text += QLatin1Char('[') + last + QLatin1Char(']');
    return text;
}

} // namespace

void CTalvaneDlg::ConnectPopupCommands()
{
    Commands().On(kCompareWalks, [this] { OnBnClickedCompareWalks(); });
    Commands().On(kCompareAtlas, [this] { OnBnClickedCompareRouteMaps(); });
    Commands().On(kCompareFirstAtlas, [this] { OnCompareAtlas(kFirstAtlasMode); });
    Commands().On(kCompareSecondAtlas, [this] { OnCompareAtlas(kSecondAtlasMode); });
    Commands().On(kMateItinerary, [this] { OnBnClickedHikerWalks(); });
    for (int id = kFirstHikerWalks; id <= kLastHikerWalks; ++id)
        Commands().On(id, [this, id] { OnHikerWalksMenu(id); });
    Commands().On(kRegionStats, [this] { OnBnClickedRegionStatistics(); });
    Commands().On(kListCommands, [this] { OnBnClickedListFunctions(); });
    Commands().On(kOutputList, [this] { OnOutputList(); });
    Commands().On(kOutputSortedHtml, [this] { OnOutputSortedHtml(); });
    Commands().On(kOutputCurrentHtml, [this] { OnOutputCurrentHtml(); });
    Commands().On(kLocateAll, [this] { OnLocateAll(); });
    Commands().On(kOpenWalkGps, [this] { OnOpenWalkGps(); });
    Commands().On(kSyncWaypoints, [this] { OnSyncWaypoints(); });
}

void CTalvaneDlg::SetPopupMenu(IPopupMenu* menu)
{
    popup_ = menu ? menu : &popupMenu_;
    // The groups' menus go through it as well, whatever else the table's services hold.
    WindowServices services = groupTable_.Services();
    services.popupMenu = popup_;
    groupTable_.SetServices(services);
}

void CTalvaneDlg::OnBnClickedCompareWalks()
{
    if (currentGroup_ && dialogs_)
        dialogs_->CompareWalks(this, currentGroup_);
}

void CTalvaneDlg::OnBnClickedCompareRouteMaps()
{
    if (!currentGroup_)
        return;
    popup_->ShowAtCursor({{kCompareFirstAtlas, QStringLiteral("藍天圖集...")},
                          {kCompareSecondAtlas, QStringLiteral("岫禾圖集...")}});
}

void CTalvaneDlg::OnCompareAtlas(int mode)
{
    if (currentGroup_ && dialogs_)
        dialogs_->CompareGuide(this, currentGroup_, mode);
}

void CTalvaneDlg::OnBnClickedHikerWalks()
{
    const auto* peaks = dynamic_cast<const CGroupTalvane*>(currentGroup_);
    if (!peaks)
        return;
    QList<MenuEntry> entries;
    const int count = std::min(peaks->MateCount(), kLastHikerWalks - kFirstHikerWalks + 1);
    for (int companion = 0; companion < count; ++companion)
        if (const HikingMate* mate = peaks->Mate(companion))
            entries.append({kFirstHikerWalks + companion, CompanionEntryText(*mate)});
    popup_->ShowAtCursor(entries);
}

void CTalvaneDlg::OnHikerWalksMenu(int commandId)
{
    const auto* peaks = dynamic_cast<const CGroupTalvane*>(currentGroup_);
    const int companion = commandId - kFirstHikerWalks;
    if (peaks && dialogs_ && companion >= 0 && companion < peaks->MateCount())
        dialogs_->CompareHiking(this, currentGroup_, companion);
}

// The statistics count peaks and the companions' visits: the peak group's alone.
void CTalvaneDlg::OnBnClickedRegionStatistics()
{
    if (dynamic_cast<const CGroupTalvane*>(currentGroup_) && dialogs_)
        dialogs_->RegionStatistics(this, currentGroup_);
}

void CTalvaneDlg::OnBnClickedListFunctions()
{
    if (!currentGroup_)
        return;
    QList<MenuEntry> entries;
    if (currentSubset_ == -1)
        entries.append({kOutputList, kOutputListText});
    else
        entries << MenuEntry{kOutputSortedHtml, kSortedHtmlText}
                << MenuEntry{kOutputCurrentHtml, kCurrentHtmlText};
    if (currentGroup_->HasFeature(kFeatureLocateAll))
        entries.append({kLocateAll, kLocateAllText});
    popup_->ShowAtCursor(entries);
}

void CTalvaneDlg::OnOutputList()
{
    if (currentGroup_)
        currentGroup_->WriteHtmlTable(&itemList_, QString(), QString(), 0, QString(), true);
}

void CTalvaneDlg::OnOutputCurrentHtml()
{
    if (!currentGroup_ || !currentGroup_->Subset(currentSubset_))
        return;
    const QString title = WithoutLeadingDots(subsetTree_.NodeText(subsetTree_.SelectedNode()));
    currentGroup_->WriteHtmlTable(&itemList_, title, QString(), 0, QString(), true);
}

void CTalvaneDlg::OnOutputSortedHtml()
{
    if (!currentGroup_)
        return;
    const CSubsetBase* subset = currentGroup_->Subset(currentSubset_);
    if (!subset)
        return;
    const TreeNode node = subsetTree_.SelectedNode();
    const QString title = subsetTree_.NodeText(node);
    WriteSortedTables(title, currentSubset_, 0, QString());
    if (subset->TypeCode() == CSubsetBase::kTypeRegion)
        WriteRegionChildren(node, title);
}

void CTalvaneDlg::WriteSortedTables(const QString& title, int subset, int number,
                                    const QString& templateKey)
{
    currentGroup_->WriteHtmlTableFor(&itemList_, title, subset, QString(), number, templateKey);
    currentGroup_->SortItemListFor(&itemList_, kHeightColumn, subset);
    currentGroup_->WriteHtmlTableFor(&itemList_, title, subset, kHeightSuffix, number, templateKey);
    currentGroup_->SortItemListFor(&itemList_, kStonesColumn, subset);
    currentGroup_->WriteHtmlTableFor(&itemList_, title, subset, kStonesSuffix, number, templateKey);
}

void CTalvaneDlg::WriteRegionChildren(TreeNode node, const QString& title)
{
    const auto* region = dynamic_cast<const CSubsetRegion*>(currentGroup_->Subset(currentSubset_));
    if (!region)
        return;
    const bool topLevel = region->TopLevel();
    int number = 0;
    for (TreeNode child = subsetTree_.FirstChild(node); child != kNoTreeNode;
         child = subsetTree_.NextSibling(child)) {
        // Only region subsets of the selected one's level go on; a sub-region ends the run.
        const int index = int(subsetTree_.NodeData(child)) - 1;
        const auto* next = dynamic_cast<const CSubsetRegion*>(currentGroup_->Subset(index));
        if (!next || next->TypeCode() != CSubsetBase::kTypeRegion || next->TopLevel() != topLevel)
            return;
        subsetTree_.SelectNode(child);
        RefreshSubset();
        if (!currentGroup_ || currentSubset_ != index)
            return;
        WriteSortedTables(title, index, ++number, WithoutLeadingDots(subsetTree_.NodeText(child)));
    }
}

void CTalvaneDlg::OnLocateAll()
{
    if (currentGroup_)
        currentGroup_->ExportWaypointsFor(&itemList_, currentSubset_);
}

void CTalvaneDlg::OnOpenWalkGps()
{
    int row = -1;
    if (CommandRow(&row))
        currentGroup_->OpenWalkGpsFor(&itemList_, row, currentSubset_);
}

void CTalvaneDlg::OnSyncWaypoints()
{
    if (currentGroup_ && currentGroup_->Subset(currentSubset_))
        currentGroup_->SyncWaypointsFor(&itemList_, currentSubset_);
}
