// The peaks of an entry list and their map marks.
#include "catalog/subsets/titles/EntryMapping.h"

#include "catalog/subsets/titles/EntryListReader.h"
#include "catalog/talvane/GroupTalvane.h"

QList<int> MapPeakEntries(const CGroupTalvane& group, const QStringList& entries, int* replacing)
{
    QList<int> values(entries.size(), 0);
    if (replacing)
        *replacing = -1;
    for (int item = 0; item < group.ItemCount(); ++item) {
        const TalvaneItemRecord* record = group.Record(item);
        int entry = 0;
        if (!record || !MatchItemToEntries(*record, int(entries.size()), entries, &entry))
            continue;
        if (values[entry] != 0 && replacing && *replacing < 0)
            *replacing = item;
        values[entry] = item + 1;
    }
    return values;
}

int MarkPeakEntries(CGroupTalvane& group, IPointView* view, const QList<int>& map)
{
    int marked = 0;
    for (int value : map) {
        if (value == 0)
            continue;
        group.ShowItemOnMap(view, value - 1);
        ++marked;
    }
    return marked;
}
