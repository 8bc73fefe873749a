#include "ui/dialogs/find/DlgFindTalvane.h"

#include "catalog/records/ItemRowValue.h"
#include "catalog/records/RecordText.h"
#include "catalog/talvane/GroupTalvane.h"


CDlgFindTalvane::CDlgFindTalvane(CGroupTalvane* group, QWidget* parent, IPopupMenu* menu)
    : CAssignFindDialog(kTemplateId, group, parent), peaks_(group), menu_(menu)
{
    if (!menu_) {
        ownMenu_ = std::make_unique<QtPopupMenu>(this, &Commands());
        menu_ = ownMenu_.get();
    }
    ConnectCommands();
    ConnectMenuCommands();
}

CDlgFindTalvane::~CDlgFindTalvane() = default;

void CDlgFindTalvane::ConnectCommands()
{
    Commands().On(kSearchName, [this] { OnSearchName(); });
    Commands().On(kSearchRegion, [this] { OnSearchRegion(); });
    Commands().On(kSearchStone, [this] { OnSearchStone(); });
    Commands().On(kWithinTenLi, [this] { OnWithinTenLi(); });
    Commands().On(kNearbyPeaks, [this] { OnNearbyPeaks(); });
    Commands().On(kPeakMenu, [this] { OnPeakMenu(); });
    Commands().On(kEditData, [this] { OnEditData(); });
}

void CDlgFindTalvane::OnInitDialog()
{
    if (!IsCreated() || !peaks_)
        return;
    peaks_->SetupAssignColumns(&list_);
    for (const int id : {kEditData, kPeakMenu, kSetTrip, kSetMap})
        EnableItem(id, false);
    SetAssignCaptions();
    if (TakeInitialText())
        OnSearchName();
}

bool CDlgFindTalvane::MatchesFilter(int item) const
{
    const TalvaneItemRecord* peak = Peak(item);
    if (!peak)
        return false;
    return (walkNumber > 0 && peaks_->CodeListContains(peak->Visits, walkNumber)) ||
           (atlasCode > 0 && peaks_->CodeListContains(peak->AtlasRefs, atlasCode)) ||
           (mateVisitCode > 0 && peaks_->CodeListContains(peak->MateVisits, mateVisitCode));
}

const TalvaneItemRecord* CDlgFindTalvane::Peak(int item) const
{
    return peaks_ ? peaks_->Record(item) : nullptr;
}

int CDlgFindTalvane::RowPeak(int row) const
{
    if (row < 0 || row >= list_.RowCount())
        return -1;
    const int peak = CGroupTalvane::PeakOfRowValue(list_.RowData(row));
    return Peak(peak) ? peak : -1;
}

void CDlgFindTalvane::StartSearch()
{
    list_.DeleteAllRows();
    for (const int id : {kEditData, kPeakMenu, kSetTrip, kSetMap})
        EnableItem(id, false);
}

void CDlgFindTalvane::ListPeaks(const QList<int>& items)
{
    int row = 0;
    for (const int item : items) {
        CGroupTalvane::RowOptions options;
        options.markGiven = true;
        options.mark = MatchesFilter(item);
        if (peaks_->InsertItemRowAt(&list_, row, item, options))
            ++row;
    }
    ShowCount(row);
}

void CDlgFindTalvane::OnListItemChanged()
{
    int row = -1;
    if (!peaks_ || !SelectedRow(&row))
        return;
    for (const int id : {kPeakMenu, kWithinTenLi, kNearbyPeaks})
        EnableItem(id, true);
    EnableAssignButtons();
    peaks_->ShowRowSummary(&summary_, &list_, row);
    if (lastSearch_ == LastSearch::Region || lastSearch_ == LastSearch::Stone)
        return;
    const ItemRowValue value = ItemRowValue::Decode(list_.RowData(row));
    if (const TalvaneItemRecord* peak = value.kind == ItemRowValue::Kind::Item ? Peak(value.index) : nullptr) {
        SetItemText(kRegionEdit, FieldText(peak->Region));
        SetItemText(kStoneEdit, FieldText(peak->Stone));
    }
}

void CDlgFindTalvane::OnEditData()
{
    int row = -1;
    if (peaks_ && SelectedRow(&row))
        peaks_->EditItemFile(&list_, row);
}
