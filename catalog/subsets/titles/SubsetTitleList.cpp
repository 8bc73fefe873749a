// A title subset's item list: its peaks in list order with their visit figures, and the
// comparison of two titles side by side.
#include "catalog/subsets/titles/SubsetTitle.h"

#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/subsets/PeakVisitTally.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/window/IItemList.h"

#include <algorithm>

namespace {

const QString kSeparatorText = QStringLiteral("----------");

} // namespace

void InsertCompareColumns(IItemList* list)
{
    if (!list)
        return;
    using C = CompareColumns;
    list->InsertColumn(C::kName, QStringLiteral("山名"), C::kNameWidth);
    list->InsertColumn(C::kHeight, QStringLiteral("標高(m)"), C::kHeightWidth, ColumnAlign::Right);
    list->InsertColumn(C::kStones, QStringLiteral("基石"), C::kStonesWidth);
    list->InsertColumn(C::kRegion, QStringLiteral("地區"), C::kRegionWidth);
    list->InsertColumn(C::kOrder, QStringLiteral("列表序"), C::kOrderWidth);
}

int CSubsetTitle::FillList(IItemList* list, SubsetStatistics* statistics,
                           const ColumnLayout* columns)
{
    return FillListEx(list, statistics, columns, false);
}

int CSubsetTitle::FillListEx(IItemList* list, SubsetStatistics* statistics,
                             const ColumnLayout* columns, bool orderColumn)
{
    if (!list || !group)
        return 0;
    QList<int> map;
    const int count = MapEntries(&map);
    if (orderColumn)
        InsertCompareColumns(list);
    else
        group->SetupItemColumns(list, columns);
    int rows = 0;
    PeakVisitTally tally(*group);
    for (int entry = 0; entry < count; ++entry) {
        if (map[entry] == 0)
            continue;
        const int item = map[entry] - 1;
        InsertRow(list, rows, item, orderColumn ? key + QString::number(entry + 1) : QString());
        tally.Count(item);
        ++rows;
    }
    ShowCountWarning(count, rows, tally.Visited());
    tally.WriteTo(statistics);
    return rows;
}

int CSubsetTitle::FillCompareList(IItemList* list, const CSubsetTitle* other)
{
    if (!list || !group)
        return 0;
    QList<int> mine, theirs;
    MapEntries(&mine);
    if (other)
        other->MapEntries(&theirs);
    ClearListCtrl(list);
    InsertCompareColumns(list);
    int rows = 0;
    for (int x = 0; x < mine.size(); ++x) {
        const int y = mine[x] == 0 ? -1 : int(theirs.indexOf(mine[x]));
        if (y < 0)
            continue;
        InsertRow(list, rows, mine[x] - 1,
                  QStringLiteral("(") + QString::number(rows + 1) + QStringLiteral(")") + key +
                      QString::number(x + 1) + QStringLiteral(" ") + other->key +
                      QString::number(y + 1));
        mine[x] = theirs[y] = 0;
        ++rows;
    }
    rows += AppendOnlyIn(list, rows, mine);
    if (other)
        rows += other->AppendOnlyIn(list, rows, theirs);
    return rows;
}

int CSubsetTitle::AppendOnlyIn(IItemList* list, int row, const QList<int>& map) const
{
    if (std::all_of(map.begin(), map.end(), [](int value) { return value == 0; }))
        return 0;
    list->InsertRow(row, kSeparatorText, IItemList::kNoItemRow);
    int added = 1;
    for (int x = 0; x < map.size(); ++x) {
        if (map[x] == 0)
            continue;
        InsertRow(list, row + added, map[x] - 1,
                  QStringLiteral("(") + QString::number(added) + QStringLiteral(")") + key +
                      QString::number(x + 1));
        ++added;
    }
    return added;
}

void CSubsetTitle::InsertRow(IItemList* list, int row, int item, const QString& order) const
{
    group->InsertItemRow(list, row, item);
    if (!order.isEmpty())
        list->SetCellText(row, CompareColumns::kOrder, order);
}
