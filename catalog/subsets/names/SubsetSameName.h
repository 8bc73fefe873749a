#pragma once
// A same-name subset: the peaks named like a base name or one of its aliases (section
// [NameAlias] of the main settings file), such as the many 加里山 of Taiwan.
#include "catalog/subsets/SubsetBase.h"

#include <QString>
#include <QStringList>

class CGroupTalvane;

class CSubsetSameName : public CSubsetBase {
public:
    // The aliases of a base name that are read; later ones are ignored.
    static constexpr int kMaxAliases = 10;

    CSubsetSameName(const QString& baseName, CGroupTalvane* group);

    int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns) override;
    int MarkOnMap(IPointView* view) override;

    // The aliases of the base name, read afresh from the settings file.
    QStringList ReadAliases() const;
    const QString& BaseName() const { return baseName; }

private:
    QString baseName;
    CGroupTalvane* group;
};
