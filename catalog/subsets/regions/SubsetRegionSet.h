#pragma once
// A top-level region made of several regions ([Region] of the set's name lists them): the
// items whose region text holds one of those regions' names or member words.
#include "catalog/subsets/regions/SubsetRegion.h"

class CSubsetRegionSet : public CSubsetRegion {
public:
    // The most regions a set joins.
    static constexpr int kMaxSetRegions = 30;

    CSubsetRegionSet(const QString& name, CGroupBase* group);

protected:
    // The set's regions and every member word of each.
    QStringList ListedWords() const override;
};
