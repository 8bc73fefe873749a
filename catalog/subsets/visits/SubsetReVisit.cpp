// The re-visit subsets: the window of each, whether it is shown, its list and its map marks.
#include "catalog/subsets/visits/SubsetReVisit.h"

#include "catalog/GroupTable.h"
#include "catalog/subsets/SubsetStatistics.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/window/IClock.h"

CSubsetReVisit::CSubsetReVisit(int years, CGroupTalvane* group)
    : CSubsetBase(kTypeReVisit, kFolderVisit, QStringLiteral("%1年未再爬的山").arg(years),
                  group ? group->Key() : QString()),
      years(years), group(group)
{
}

WalkDate CSubsetReVisit::YearsBack(const WalkDate& today, int years)
{
    return WalkDate{today.year - years, today.month, today.day};
}

bool CSubsetReVisit::InWindow(const WalkDate& date, const WalkDate& today, int years)
{
    return date.Known() && YearsBack(today, years + 1) < date && date <= YearsBack(today, years);
}

std::optional<WalkDate> CSubsetReVisit::Today() const
{
    const IClock* clock = group && group->Table() ? group->Table()->Services().clock : nullptr;
    if (!clock)
        return std::nullopt;
    const QDate date = clock->LocalNow().date();
    return WalkDate{date.year(), date.month(), date.day()};
}

int CSubsetReVisit::ForEach(const std::function<void(int item)>& visit) const
{
    const std::optional<WalkDate> today = Today();
    if (!today)
        return 0;
    WalkDates& dates = WalkDates::Program();
    if (dates.Ensure() == 0)
        return 0;
    int listed = 0;
    for (int item = 0; item < group->ItemCount(); ++item) {
        const TalvaneItemRecord* record = group->Record(item);
        if (!record || record->Visits[0] == 0)
            continue;
        if (!InWindow(dates.DateOf(record->Visits[0]), *today, years))
            continue;
        visit(item);
        ++listed;
    }
    return listed;
}

bool CSubsetReVisit::AddToListBox(IListBox* list)
{
    return ForEach([](int) {}) > 0 && CSubsetBase::AddToListBox(list);
}

TreeNode CSubsetReVisit::InsertTreeItem(ISubsetTree* tree, TreeNode parent)
{
    return ForEach([](int) {}) > 0 ? CSubsetBase::InsertTreeItem(tree, parent) : kNoTreeNode;
}

int CSubsetReVisit::FillList(IItemList* list, SubsetStatistics* statistics,
                             const ColumnLayout* columns)
{
    if (!group || !list)
        return 0;
    group->SetupItemColumns(list, columns);
    int rows = 0;
    ForEach([&](int item) { group->InsertItemRow(list, rows++, item); });
    if (statistics)
        statistics->visited = rows;
    return rows;
}

int CSubsetReVisit::MarkOnMap(IPointView* view)
{
    if (!group || !view)
        return 0;
    return ForEach([&](int item) { group->ShowItemOnMap(view, item); });
}
