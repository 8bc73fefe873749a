// The waterfall group: the one-line summary of a waterfall and the queries of its record. An
// index outside the items answers false, empty texts or 0; an item of -1 asks the visit count
// for the number of waterfalls visited.
#include "catalog/waterfall/GroupWaterfall.h"

#include "catalog/records/CodeList.h"
#include "catalog/records/RecordText.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/window/IStatusText.h"

namespace {

const QString kLineWithHeight = QStringLiteral("%1, 高度%2m [%3]");
const QString kLineWithoutHeight = QStringLiteral("%1, 高度未知 [%2]");
const QString kNameSeparator = QStringLiteral(",");
const QString kWaypointKey = QStringLiteral("Waypoint");

void SetText(QString* out, const QString& text)
{
    if (out)
        *out = text;
}

} // namespace

QString CGroupWaterfall::SummaryLine(int item) const
{
    const WaterfallItemRecord* r = Record(item);
    if (!r)
        return QString();
    const QString name = FieldText(r->Name);
    const QString region = ConvertDisplayName(FieldText(r->Region));
    if (r->Height >= 1)
        return kLineWithHeight.arg(name, QString::number(r->Height), region);
    return kLineWithoutHeight.arg(name, region);
}

bool CGroupWaterfall::ShowItemSummary(IStatusText* window, int item)
{
    if (!window || !Record(item))
        return false;
    window->SetText(SummaryLine(item));
    return true;
}

bool CGroupWaterfall::ShowRowSummary(IStatusText* window, IItemList* list, int row)
{
    return ShowItemSummary(window, ItemOfRow(list, row));
}

void CGroupWaterfall::FormatItemDescription(int item, QString* text)
{
    const WaterfallItemRecord* r = Record(item);
    SetText(text, r ? FieldText(r->Name) : QString());
}

bool CGroupWaterfall::GetItemRegion(int item, QString* text)
{
    const WaterfallItemRecord* r = Record(item);
    SetText(text, r ? FieldText(r->Region) : QString());
    return r != nullptr;
}

// As the export and the subsets expect, the names are handed out with false.
bool CGroupWaterfall::GetItemNames(int item, QString* name, QString* name2)
{
    const WaterfallItemRecord* r = Record(item);
    SetText(name, r ? FieldText(r->Name) : QString());
    SetText(name2, r ? FieldText(r->Name2) : QString());
    return false;
}

// A full record field may hold a longer name cut short, which finds no waypoint: the item file
// then gives the whole name.
bool CGroupWaterfall::GetItemWaypointName(int item, QString* text)
{
    const WaterfallItemRecord* r = Record(item);
    SetText(text, r ? WholeItemText(FieldText(r->path), r->Waypoint, kWaypointKey) : QString());
    return false;
}

int CGroupWaterfall::GetItemHeight(int item)
{
    const WaterfallItemRecord* r = Record(item);
    return r ? r->Height : 0;
}

int CGroupWaterfall::CountVisits(int item)
{
    if (item == -1) {
        int visited = 0;
        for (int i = 0; i < ItemCount(); ++i)
            visited += Record(i)->Visits[0] != 0 ? 1 : 0;
        return visited;
    }
    const WaterfallItemRecord* r = Record(item);
    return r ? LeadingCodes(r->Visits) : 0;
}

bool CGroupWaterfall::WasVisitedOn(int item, int walkNumber)
{
    const WaterfallItemRecord* r = Record(item);
    return r && CodeListContains(r->Visits, walkNumber);
}

// Appends the names of the waterfalls visited on the walk, each after a "," when the text is
// not empty.
bool CGroupWaterfall::JoinNamesVisitedOn(int walkNumber, QString* text)
{
    if (!text)
        return false;
    for (int i = 0; i < ItemCount(); ++i) {
        const WaterfallItemRecord* r = Record(i);
        if (!CodeListContains(r->Visits, walkNumber))
            continue;
        if (!text->isEmpty())
            *text += kNameSeparator;
        *text += FieldText(r->Name);
    }
    return true;
}
