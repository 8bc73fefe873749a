// The peak group: queries of the peak records. Every index is checked against the items (after
// masking where the item may come from a row's data); an index outside them answers false,
// empty texts or 0. An item of -1 asks the counts for the number of items with an entry.
#include "catalog/talvane/GroupTalvane.h"

#include "catalog/records/RecordText.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/text/AtlasRef.h"

namespace {

void SetText(QString* out, const QString& text)
{
    if (out)
        *out = text;
}

const QString kWaypointKey = QStringLiteral("Waypoint");

} // namespace

bool CGroupTalvane::GetItemRegion(int item, QString* text)
{
    const TalvaneItemRecord* r = Record(item & kItemIndexMask);
    SetText(text, r ? FieldText(r->Region) : QString());
    return r != nullptr;
}

// As the other groups' callers expect, the names and stones are handed out with false.
bool CGroupTalvane::GetItemNames(int item, QString* name, QString* name2)
{
    const TalvaneItemRecord* r = Record(item & kItemIndexMask);
    SetText(name, r ? FieldText(r->Name) : QString());
    SetText(name2, r ? FieldText(r->Name2) : QString());
    return false;
}

bool CGroupTalvane::GetItemStones(int item, QString* stone, QString* stone2, QString* stone3)
{
    const TalvaneItemRecord* r = Record(item & kItemIndexMask);
    SetText(stone, r ? FieldText(r->Stone) : QString());
    SetText(stone2, r ? FieldText(r->Stone2) : QString());
    SetText(stone3, r ? FieldText(r->Stone3) : QString());
    return false;
}

bool CGroupTalvane::GetItemWaypointName(int item, QString* text)
{
    const TalvaneItemRecord* r = Record(item & kItemIndexMask);
    SetText(text, r ? WholeItemText(FieldText(r->path), r->Waypoint, kWaypointKey) : QString());
    return false;
}

int CGroupTalvane::GetItemHeight(int item)
{
    const TalvaneItemRecord* r = Record(item);
    return r ? r->Height : 0;
}

template <class Counted>
int CGroupTalvane::CountEntries(int item, const int32_t (TalvaneItemRecord::*list)[kMaxCodes],
                                Counted counted) const
{
    auto countOf = [&](const TalvaneItemRecord& r) {
        int n = 0;
        for (int i = 0; i < kMaxCodes && (r.*list)[i] != 0; ++i)
            n += counted((r.*list)[i]) ? 1 : 0;
        return n;
    };
    if (item != kAllItems) {
        const TalvaneItemRecord* r = Record(item);
        return r ? countOf(*r) : 0;
    }
    int items = 0;
    for (int i = 0; i < ItemCount(); ++i)
        items += countOf(*Record(i)) > 0 ? 1 : 0;
    return items;
}

int CGroupTalvane::CountVisits(int item)
{
    return CountEntries(item, &TalvaneItemRecord::Visits, [](int32_t) { return true; });
}

int CGroupTalvane::CountAtlasRefsOfKind(int item, int atlas)
{
    return CountEntries(item, &TalvaneItemRecord::AtlasRefs,
                        [atlas](int32_t code) { return AtlasRefKind(code) == atlas; });
}

int CGroupTalvane::CountAtlasRefs(int item)
{
    return CountEntries(item, &TalvaneItemRecord::AtlasRefs, [](int32_t) { return true; });
}

int CGroupTalvane::CountMateVisitsOf(int item, int companion)
{
    return CountEntries(item, &TalvaneItemRecord::MateVisits,
                        [companion](int32_t code) { return code / kMateCodeFactor == companion; });
}

int CGroupTalvane::CountMateVisits(int item)
{
    return CountEntries(item, &TalvaneItemRecord::MateVisits, [](int32_t) { return true; });
}

bool CGroupTalvane::WasVisitedOn(int item, int walkNumber)
{
    const TalvaneItemRecord* r = Record(item & kItemIndexMask);
    return r && CodeListContains(r->Visits, walkNumber);
}

QList<int> CGroupTalvane::ItemsWithCode(const int32_t (TalvaneItemRecord::*list)[kMaxCodes],
                                        int value) const
{
    QList<int> found;
    for (int i = 0; i < ItemCount(); ++i) {
        if (CodeListContains(Record(i)->*list, value))
            found.append(i);
    }
    return found;
}

bool CGroupTalvane::FindItemsVisitedOn(int walkNumber, int* count, QList<int>* indices)
{
    const QList<int> found = ItemsWithCode(&TalvaneItemRecord::Visits, walkNumber);
    if (count)
        *count = int(found.size());
    if (indices)
        *indices = found;
    return true;
}

bool CGroupTalvane::FindItemsByAtlasRef(int code, int* count, QList<int>* indices)
{
    const QList<int> found = ItemsWithCode(&TalvaneItemRecord::AtlasRefs, code);
    if (count)
        *count = int(found.size());
    if (indices)
        *indices = found;
    return true;
}

void CGroupTalvane::JoinItemNames(const QList<int>& items, QString* text) const
{
    if (!text)
        return;
    for (int i : items) {
        const TalvaneItemRecord* r = Record(i);
        if (!r)
            continue;
        if (!text->isEmpty())
            text->append(QLatin1Char(','));
        text->append(FieldText(r->Name));
    }
}

bool CGroupTalvane::JoinNamesVisitedOn(int walkNumber, QString* text)
{
    JoinItemNames(ItemsWithCode(&TalvaneItemRecord::Visits, walkNumber), text);
    return true;
}

bool CGroupTalvane::JoinNamesByAtlasRef(int code, QString* text)
{
    JoinItemNames(ItemsWithCode(&TalvaneItemRecord::AtlasRefs, code), text);
    return true;
}
