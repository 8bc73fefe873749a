#pragma once
// The plants of one family (their Class is the family exactly), named by the family.
#include "catalog/subsets/SubsetBase.h"

class CGroupBase;

class CSubsetPlantClass : public CSubsetBase {
public:
    CSubsetPlantClass(const QString& family, CGroupBase* group);

    // The group's columns, its plants of the family in item order; statistics: none (-1).
    int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns) override;
    // Hands each plant of the family to the view; the number handed.
    int MarkOnMap(IPointView* view) override;

    const QString& Family() const { return family; }

private:
    bool Lists(int item) const;

    QString family;
    CGroupBase* group;
};
