#pragma once
// 基石無法歸類 (type 18): the peaks and survey stones whose stone number begins with no word of
// any stone level (an empty number counts, "無" does not). Not sorted when filled, marks
// nothing; column clicks, the row summary and the item file go to the group whose rows are shown.
#include "catalog/subsets/stones/SubsetStoneRows.h"

class CSubsetNoStoneLevel : public CSubsetStoneRows {
public:
    explicit CSubsetNoStoneLevel(CGroupStone* stones);

    int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns) override;

private:
    // Whether a stone number belongs to no stone level of the group table (no table: no levels).
    bool HasNoLevel(const QString& stone) const;
};
