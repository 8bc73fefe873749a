#include "ui/dialogs/find/DlgFind.h"

#include "catalog/GroupBase.h"
#include "catalog/GroupTable.h"
#include "catalog/subsets/SubsetBase.h"
#include "ui/dialogs/find/FindCaptions.h"

#include <QLabel>

#include <algorithm>

CDlgFind::CDlgFind(CGroupBase* group, CSubsetBase* subset, QWidget* parent)
    : CAssignFindDialog(kTemplateId, group, parent), subset_(subset)
{
    ConnectCommands();
}

void CDlgFind::ConnectCommands()
{
    Commands().On(kSearchName, [this] { OnSearchName(); });
    Commands().On(kSearchRegion, [this] { OnSearchRegion(); });
    Commands().On(kEditData, [this] { OnEditData(); });
}

void CDlgFind::OnInitDialog()
{
    if (!IsCreated() || !group_)
        return;
    if (CSubsetBase* subset = StoneSubset())
        subset->SetupAssignColumns(&list_);
    else
        group_->SetupAssignColumns(&list_);
    for (const int id : {kEditData, kSetTrip, kSetMap})
        EnableItem(id, false);
    SetCaptions();
    if (TakeInitialText())
        OnSearchName();
}

void CDlgFind::SetCaptions()
{
    setWindowTitle(find_captions::WithName(windowTitle(), group_->DisplayName()));
    if (auto* label = DlgItem<QLabel>(kNameLabel))
        label->setText(find_captions::WithName(label->text(), group_->DisplayName()));
    SetAssignCaptions();
}

// A subset without items stands for nothing: the group's own items and rows are used then.
CSubsetBase* CDlgFind::StoneSubset() const
{
    return stoneMode && subset_ && subset_->GetItemCount() > 0 ? subset_ : nullptr;
}

std::vector<fuzzy::ItemNames> CDlgFind::SearchedNames() const
{
    std::vector<fuzzy::ItemNames> names;
    if (const CSubsetBase* subset = StoneSubset()) {
        names.resize(std::size_t(subset->GetItemCount()));
        for (std::size_t i = 0; i < names.size(); ++i)
            subset->GetItemStones(int(i), &names[i].name, &names[i].alternative1, &names[i].alternative2);
        return names;
    }
    names.resize(std::size_t(std::max(group_->ItemCount(), 0)));
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (stoneMode)
            group_->GetItemStones(int(i), &names[i].name, &names[i].alternative1, &names[i].alternative2);
        else
            group_->GetItemNames(int(i), &names[i].name, &names[i].alternative1);
    }
    return names;
}

// The region search always goes through the group's items, also in stone mode.
std::vector<fuzzy::ItemNames> CDlgFind::SearchedRegions() const
{
    std::vector<fuzzy::ItemNames> regions(std::size_t(std::max(group_->ItemCount(), 0)));
    for (std::size_t i = 0; i < regions.size(); ++i)
        group_->GetItemRegion(int(i), &regions[i].name);
    return regions;
}

void CDlgFind::OnSearchName()
{
    const QString text = ItemText(kNameEdit);
    if (!group_ || text.isEmpty())
        return;
    const fuzzy::Settings settings = fuzzy::ReadSettings(MainSettingsPath());
    const QStringList terms = fuzzy::SplitTerms(text, settings.separators);
    ListHits(fuzzy::FindByTerms(terms, settings.namePairs, SearchedNames()), StoneSubset());
    lastSearchByRegion_ = false;
}

void CDlgFind::OnSearchRegion()
{
    const QString text = ItemText(kRegionEdit);
    if (!group_ || text.isEmpty())
        return;
    const QStringList terms = fuzzy::SplitTerms(text, fuzzy::ReadSettings(MainSettingsPath()).separators);
    // Regions are matched as written: no name pairs, no alternatives. The hits are items of the
    // group, so the group draws them (a subset counts its own positions).
    ListHits(fuzzy::FindByTerms(terms, QString(), SearchedRegions()), nullptr);
    lastSearchByRegion_ = true;
}

void CDlgFind::ListHits(const QList<fuzzy::Hit>& hits, CSubsetBase* drawing)
{
    list_.DeleteAllRows();
    for (const int id : {kEditData, kSetTrip, kSetMap})
        EnableItem(id, false);
    int row = 0;
    for (const fuzzy::Hit& hit : hits)
        if (AddResultRow(drawing, row, hit.item, hit.via == 1, hit.via == 2))
            ++row;
    ShowCount(row);
}

bool CDlgFind::AddResultRow(CSubsetBase* drawing, int row, int item, bool byAlternative1,
                            bool byAlternative2)
{
    if (drawing)
        return drawing->InsertItemRow(&list_, row, item, byAlternative1, byAlternative2);
    return group_->InsertItemRowEx(&list_, row, item, true, IsAssigned(item));
}

bool CDlgFind::IsAssigned(int item)
{
    if (walkNumber > 0)
        return group_->WasVisitedOn(item, walkNumber);
    if (atlasCode > 0)
        return group_->HasAtlasRef(item, atlasCode);
    if (mateVisitCode > 0)
        return group_->HasMateVisit(item, mateVisitCode);
    return false;
}

void CDlgFind::OnListItemChanged()
{
    int row = -1;
    if (!group_ || !SelectedRow(&row))
        return;
    EnableAssignButtons();
    if (CSubsetBase* subset = StoneSubset())
        subset->ShowRowSummary(&summary_, &list_, row);
    else
        group_->ShowRowSummary(&summary_, &list_, row);
    const quint32 data = list_.RowData(row);
    if (lastSearchByRegion_ || data >= kFirstNonItemRow)
        return;
    QString region;
    group_->GetItemRegion(int(data), &region);
    SetItemText(kRegionEdit, region);
}

void CDlgFind::OnEditData()
{
    int row = -1;
    if (!group_ || !SelectedRow(&row))
        return;
    if (CSubsetBase* subset = StoneSubset())
        subset->EditItemFile(&list_, row);
    else
        group_->EditItemFile(&list_, row);
}
