#pragma once
// A name-ending subset: the peaks whose name holds a word after its first character, such as
// the peaks named ...大山.
#include "catalog/subsets/SubsetBase.h"

#include <QString>

class CGroupTalvane;

class CSubsetPostfix : public CSubsetBase {
public:
    CSubsetPostfix(const QString& word, CGroupTalvane* group);

    int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns) override;
    int MarkOnMap(IPointView* view) override;

    const QString& Word() const { return word; }

private:
    QString word;
    CGroupTalvane* group;
};
