// Queries of the trail records. An index outside the items answers false, empty texts or 0; an
// item of -1 asks the counts for the number of items with an entry.
#include "catalog/trail/GroupTrail.h"

#include "catalog/records/RecordText.h"
#include "catalog/text/AtlasRef.h"
#include "catalog/window/IItemList.h"

namespace {

constexpr int kAllItems = -1;

using CodeList = int32_t[kMaxCodes];
using CodeMember = CodeList TrailItemRecord::*;

void SetText(QString* out, const QString& text)
{
    if (out)
        *out = text;
}

// The leading codes of a list that counted accepts.
template <class Counted>
int CountCodes(const CodeList& list, Counted counted)
{
    int n = 0;
    for (int i = 0; i < kMaxCodes && list[i] != 0; ++i)
        n += counted(list[i]) ? 1 : 0;
    return n;
}

// The count of one item, or with kAllItems the number of items whose count is not 0.
template <class Counted>
int CountEntries(const CGroupTrail& group, int item, CodeMember member, Counted counted)
{
    if (item != kAllItems) {
        const TrailItemRecord* r = group.Record(item);
        return r ? CountCodes(r->*member, counted) : 0;
    }
    int items = 0;
    for (int i = 0; i < group.ItemCount(); ++i)
        items += CountCodes(group.Record(i)->*member, counted) > 0 ? 1 : 0;
    return items;
}

bool Any(int32_t) { return true; }

// Appends the name of every item whose list holds value, each after a "," unless the text is
// still empty.
void JoinNames(const CGroupTrail& group, CodeMember member, int value, QString* text)
{
    if (!text)
        return;
    for (int i = 0; i < group.ItemCount(); ++i) {
        const TrailItemRecord* r = group.Record(i);
        if (!group.CodeListContains(r->*member, value))
            continue;
        if (!text->isEmpty())
            text->append(QLatin1Char(','));
        text->append(FieldText(r->Name));
    }
}

} // namespace

int CGroupTrail::ItemOfRow(IItemList* list, int row) const
{
    if (!list || row < 0 || row >= list->RowCount())
        return -1;
    const quint32 value = list->RowData(row);
    return value < quint32(ItemCount()) ? int(value) : -1;
}

bool CGroupTrail::GetItemRegion(int item, QString* text)
{
    const TrailItemRecord* r = Record(item);
    SetText(text, r ? FieldText(r->Region) : QString());
    return r != nullptr;
}

// As for the other groups, the names are handed out with false.
bool CGroupTrail::GetItemNames(int item, QString* name, QString* name2)
{
    const TrailItemRecord* r = Record(item);
    SetText(name, r ? FieldText(r->Name) : QString());
    SetText(name2, r ? FieldText(r->Name2) : QString());
    return false;
}

int CGroupTrail::CountVisits(int item)
{
    return CountEntries(*this, item, &TrailItemRecord::Visits, Any);
}

int CGroupTrail::CountAtlasRefsOfKind(int item, int atlas)
{
    return CountEntries(*this, item, &TrailItemRecord::AtlasRefs,
                        [atlas](int32_t code) { return AtlasRefKind(code) == atlas; });
}

int CGroupTrail::CountAtlasRefs(int item)
{
    return CountEntries(*this, item, &TrailItemRecord::AtlasRefs, Any);
}

int CGroupTrail::CountMateVisits(int item)
{
    return CountEntries(*this, item, &TrailItemRecord::MateVisits, Any);
}

bool CGroupTrail::WasVisitedOn(int item, int walkNumber)
{
    const TrailItemRecord* r = Record(item);
    return r && CodeListContains(r->Visits, walkNumber);
}

bool CGroupTrail::HasAtlasRef(int item, int code)
{
    const TrailItemRecord* r = Record(item);
    return r && CodeListContains(r->AtlasRefs, code);
}

bool CGroupTrail::HasMateVisit(int item, int code)
{
    const TrailItemRecord* r = Record(item);
    return r && CodeListContains(r->MateVisits, code);
}

bool CGroupTrail::JoinNamesVisitedOn(int walkNumber, QString* text)
{
    JoinNames(*this, &TrailItemRecord::Visits, walkNumber, text);
    return true;
}

bool CGroupTrail::JoinNamesByAtlasRef(int code, QString* text)
{
    JoinNames(*this, &TrailItemRecord::AtlasRefs, code, text);
    return true;
}
