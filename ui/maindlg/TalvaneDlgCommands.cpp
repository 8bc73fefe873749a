// The main dialog's commands on the selected row and its search: the group's row menu, the
// locate entries, the same-name search, the region and stone jumps, and the list comparison.
#include "ui/maindlg/TalvaneDlg.h"

#include "catalog/GroupBase.h"
#include "catalog/records/ItemRowValue.h"
#include "catalog/subsets/SubsetBase.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/talvane/GroupTalvane.h"
#include "gps/GPSText.h"
#include "ui/framework/CommandDispatch.h"

namespace {

// The parts of a region text a row menu offers jumps to.
constexpr int kRegionParts = CTalvaneDlg::kLastGotoRegion - CTalvaneDlg::kFirstGotoRegion + 1;

} // namespace

void CTalvaneDlg::ConnectRowCommands()
{
    Commands().On(kSearch, [this] { OnBnClickedSearch(); });
    Commands().On(kOtherCommands, [this] { OnBnClickedOtherFunctions(); });
    Commands().On(kLocate, [this] { OnLocate(0, false); });
    Commands().On(kLocate5K, [this] { OnLocate(kRadius5K, false); });
    Commands().On(kLocate10K, [this] { OnLocate(kRadius10K, false); });
    Commands().On(kLocateOnline, [this] { OnLocate(0, true); });
    Commands().On(kFindSameName, [this] { OnFindSameName(); });
    for (int id = kFirstGotoRegion; id <= kLastGotoRegion; ++id)
        Commands().On(id, [this, id] { OnGotoRegion(id); });
    for (int id = kFirstGotoStone; id <= kLastGotoStone; ++id)
        Commands().On(id, [this, id] { OnGotoStone(id); });
    Commands().On(kCompareList, [this] { OnBnClickedCompareList(); });
}

void CTalvaneDlg::OnBnClickedSearch()
{
    if (!currentGroup_)
        return;
    QString text;
    currentGroup_->RunFindDialog(this, currentGroup_->Subset(currentSubset_), &text, 0, 0);
}

void CTalvaneDlg::OnBnClickedOtherFunctions()
{
    int row = -1;
    if (CommandRow(&row))
        currentGroup_->PopupItemMenu(&itemList_, row);
}

void CTalvaneDlg::OnLocate(int radius, bool online)
{
    int row = -1;
    if (CommandRow(&row))
        currentGroup_->LocateRowFor(&itemList_, row, currentSubset_, radius, online);
}

void CTalvaneDlg::OnFindSameName()
{
    int row = -1;
    if (!CommandRow(&row))
        return;
    QString text = gps::CutText(itemList_.CellText(row, 0), kMaxSearchText);
    currentGroup_->RunFindDialog(this, nullptr, &text, 0, 0);
}

int CTalvaneDlg::RowItem(int row) const
{
    // A second or third stone's row stands for its peak; a survey-stone row for no item here.
    const ItemRowValue value = ItemRowValue::Decode(itemList_.RowData(row));
    switch (value.kind) {
    case ItemRowValue::Kind::Item:
    case ItemRowValue::Kind::SecondStone:
    case ItemRowValue::Kind::ThirdStone:
        return value.index;
    default:
        return -1;
    }
}

void CTalvaneDlg::OnGotoRegion(int commandId)
{
    int row = -1;
    if (!CommandRow(&row))
        return;
    const int item = RowItem(row);
    if (item < 0)
        return;
    QString region;
    currentGroup_->GetItemRegion(item, &region);
    QStringList parts;
    SplitList(region, &parts, kRegionParts);
    const int part = commandId - kFirstGotoRegion;
    if (part >= 0 && part < parts.size())
        SelectSubsetByName(parts[part]);
}

void CTalvaneDlg::OnGotoStone(int commandId)
{
    int row = -1;
    if (!CommandRow(&row))
        return;
    // The jump texts are the peak group's, set by its row menu; a slot it never offered is empty.
    const auto* peaks = dynamic_cast<const CGroupTalvane*>(currentGroup_);
    if (!peaks)
        return;
    const QString stone = peaks->JumpStone(commandId - kFirstGotoStone);
    if (!stone.isEmpty())
        GotoStone(stone);
}

void CTalvaneDlg::OnBnClickedCompareList()
{
    if (!currentGroup_ || !dialogs_)
        return;
    CSubsetBase* subset = currentGroup_->Subset(currentSubset_);
    if (subset && subset->TypeCode() == CSubsetBase::kTypeTitle)
        dialogs_->CompareList(this, currentGroup_, subset);
}
