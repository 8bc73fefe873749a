// A named-list subset: its entries, their peaks in list order, and the map marks.
#include "catalog/subsets/names/SubsetTalvanes.h"

#include "catalog/subsets/titles/EntryListReader.h"
#include "catalog/subsets/titles/EntryMapping.h"
#include "catalog/subsets/PeakVisitTally.h"
#include "catalog/talvane/GroupTalvane.h"

CSubsetTalvanes::CSubsetTalvanes(const QString& key, CGroupTalvane* group)
    : CSubsetBase(kTypeTalvanes, kFolderBasic, key, group ? group->Key() : QString()), key(key),
      group(group)
{
}

int CSubsetTalvanes::ReadEntries(QStringList* entries) const
{
    if (!group) {
        if (entries)
            entries->clear();
        return 0;
    }
    return EntryListReader::Talvanes().Read(group->SettingsFile(), key, entries);
}

int CSubsetTalvanes::ResolveEntries(QList<int>* map) const
{
    QStringList entries;
    const int count = ReadEntries(&entries);
    if (map)
        *map = group ? MapPeakEntries(*group, entries) : QList<int>(count, 0);
    return count;
}

int CSubsetTalvanes::FillList(IItemList* list, SubsetStatistics* statistics,
                              const ColumnLayout* columns)
{
    if (!list || !group)
        return 0;
    QList<int> map;
    ResolveEntries(&map);
    group->SetupItemColumns(list, columns);
    PeakVisitTally tally(*group);
    int rows = 0;
    for (int value : map) {
        if (value == 0 || !group->InsertItemRow(list, rows, value - 1))
            continue;
        tally.Count(value - 1);
        ++rows;
    }
    tally.WriteTo(statistics);
    return rows;
}

int CSubsetTalvanes::MarkOnMap(IPointView* view)
{
    QList<int> map;
    ResolveEntries(&map);
    return group ? MarkPeakEntries(*group, view, map) : 0;
}
