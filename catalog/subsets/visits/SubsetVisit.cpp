// The visit subsets: their names, whether they are shown, their lists and their map marks.
#include "catalog/subsets/visits/SubsetVisit.h"

#include "catalog/records/CodeList.h"
#include "catalog/records/RecordText.h"
#include "catalog/subsets/PeakVisitTally.h"
#include "catalog/subsets/SubsetStatistics.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/talvane/GroupTalvane.h"

namespace {

QString VisitName(int times, bool variant)
{
    if (times == 0)
        return variant ? QStringLiteral("待爬的山-大台北") : QStringLiteral("待爬的山");
    if (times == 1 && variant)
        return QStringLiteral("爬過的山");
    return QStringLiteral("爬過%1次的山").arg(times);
}

// The member words of the first regions of the region list, in order.
QStringList TaipeiWords()
{
    QStringList regions, words;
    ReadRegionList(&regions, CSubsetVisit::kTaipeiRegions);
    for (const QString& region : regions) {
        QStringList members;
        ReadRegionMembers(region, &members);
        words += members;
    }
    return words;
}

} // namespace

CSubsetVisit::CSubsetVisit(int times, CGroupTalvane* group, bool variant)
    : CSubsetBase(kTypeVisit, kFolderVisit, VisitName(times, variant),
                  group ? group->Key() : QString()),
      times(times), group(group), variant(variant)
{
}

bool CSubsetVisit::Shown() const
{
    if (times <= 0 || variant)
        return true;
    for (int item = 0; group && item < group->ItemCount(); ++item)
        if (group->CountVisits(item) == times)
            return true;
    return false;
}

bool CSubsetVisit::AddToListBox(IListBox* list)
{
    return Shown() && CSubsetBase::AddToListBox(list);
}

TreeNode CSubsetVisit::InsertTreeItem(ISubsetTree* tree, TreeNode parent)
{
    return Shown() ? CSubsetBase::InsertTreeItem(tree, parent) : kNoTreeNode;
}

bool CSubsetVisit::Lists(int item, const QStringList& taipeiWords) const
{
    const TalvaneItemRecord* record = group->Record(item);
    if (!record)
        return false;
    const int visits = LeadingCodes(record->Visits);
    if (IsTaipei())
        return visits == 0 && record->IgnoreVisit == 0 &&
               HoldsAnyWord(FieldText(record->Region), taipeiWords);
    if (IsAllClimbed())
        return visits >= 1;
    return visits == times;
}

int CSubsetVisit::ForEach(const std::function<void(int item)>& visit) const
{
    if (!group)
        return 0;
    const QStringList words = IsTaipei() ? TaipeiWords() : QStringList();
    int listed = 0;
    for (int item = 0; item < group->ItemCount(); ++item) {
        if (!Lists(item, words))
            continue;
        visit(item);
        ++listed;
    }
    return listed;
}

int CSubsetVisit::FillList(IItemList* list, SubsetStatistics* statistics,
                           const ColumnLayout* columns)
{
    if (!group || !list)
        return 0;
    group->SetupItemColumns(list, columns);
    PeakVisitTally tally(*group, PeakVisitTally::VisitedRule::AnyVisit);
    int rows = 0;
    ForEach([&](int item) {
        group->InsertItemRow(list, rows++, item);
        tally.Count(item);
    });
    tally.WriteTo(statistics);
    return rows;
}

int CSubsetVisit::MarkOnMap(IPointView* view)
{
    if (!group || !view)
        return 0;
    return ForEach([&](int item) { group->ShowItemOnMap(view, item); });
}
