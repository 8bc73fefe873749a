#include "catalog/compare/ItemCodeIndex.h"

#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/talvane/GroupTalvane.h"

#include <typeinfo>

ItemCodeIndex::ItemCodeIndex(CGroupBase& base, CodeList codeList) : group(base), list(codeList)
{
    // Only the peak group itself: a class built on it may answer the look-ups its own way.
    if (typeid(group) == typeid(CGroupTalvane))
        Gather(static_cast<const CGroupTalvane&>(group));
}

void ItemCodeIndex::Gather(const CGroupTalvane& peaks)
{
    for (int i = 0; i < peaks.ItemCount(); ++i) {
        const TalvaneItemRecord* r = peaks.Record(i);
        if (!r)
            continue;
        const int32_t* codes = list == CodeList::Visits ? r->Visits : r->AtlasRefs;
        // A list ends at its first 0 unless it is full, as CodeListContains reads it.
        for (int c = 0; c < TalvaneItemRecord::kMaxCodes && codes[c] != 0; ++c) {
            QList<int>& items = itemsByCode[codes[c]];
            if (items.isEmpty() || items.back() != i)
                items.append(i);
        }
    }
    gathered = true;
}

QList<int> ItemCodeIndex::ItemsWith(int code) const
{
    if (gathered)
        return code == 0 ? QList<int>() : itemsByCode.value(code);
    QList<int> items;
    if (list == CodeList::Visits)
        group.FindItemsVisitedOn(code, nullptr, &items);
    else
        group.FindItemsByAtlasRef(code, nullptr, &items);
    return items;
}

QString ItemCodeIndex::NamesWith(int code) const
{
    QString names;
    if (gathered)
        static_cast<const CGroupTalvane&>(group).JoinItemNames(ItemsWith(code), &names);
    else if (list == CodeList::Visits)
        group.JoinNamesVisitedOn(code, &names);
    else
        group.JoinNamesByAtlasRef(code, &names);
    return names;
}
