// The survey-stone group: the one-line summary of a stone and the queries of its record. An
// index outside the items answers false, empty texts or 0; an item of -1 asks the visit count
// for the number of stones touched.
#include "catalog/stone/GroupStone.h"

#include "catalog/records/CodeList.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/StoneNumber.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/window/IStatusText.h"

namespace {

const QString kSummary = QStringLiteral("%1，%2m，%3 [%4]");
const QString kWaypointKey = QStringLiteral("Waypoint");

void SetText(QString* out, const QString& text)
{
    if (out)
        *out = text;
}

} // namespace

QString CGroupStone::SummaryLine(int item) const
{
    const StoneItemRecord* r = Record(item);
    if (!r)
        return QString();
    return kSummary.arg(FieldText(r->Name), QString::number(r->Height), FormatStoneNumber(FieldText(r->Stone)),
                        ConvertDisplayName(FieldText(r->Region)));
}

bool CGroupStone::ShowItemSummary(IStatusText* window, int item)
{
    if (!window || !Record(item))
        return false;
    window->SetText(SummaryLine(item));
    return true;
}

bool CGroupStone::ShowRowSummary(IStatusText* window, IItemList* list, int row)
{
    if (!window)
        return false;
    const int stone = StoneOfRow(list, row);
    window->SetText(SummaryLine(stone));
    return stone >= 0;
}

QString CGroupStone::ExportItemName(int item)
{
    const StoneItemRecord* r = Record(item);
    return r ? FieldText(r->Name) : QString();
}

bool CGroupStone::GetItemStones(int item, QString* stone, QString* stone2, QString* stone3)
{
    const StoneItemRecord* r = Record(item);
    SetText(stone, r ? FieldText(r->Stone) : QString());
    SetText(stone2, QString());
    SetText(stone3, QString());
    return false;
}

// A full record field may hold a longer name cut short, which finds no waypoint: the item file
// then gives the whole name.
bool CGroupStone::GetItemWaypointName(int item, QString* text)
{
    const StoneItemRecord* r = Record(item);
    SetText(text, r ? WholeItemText(FieldText(r->path), r->Waypoint, kWaypointKey) : QString());
    return false;
}

int CGroupStone::GetItemHeight(int item)
{
    const StoneItemRecord* r = Record(item);
    return r ? r->Height : 0;
}

int CGroupStone::CountVisits(int item)
{
    if (item == -1) {
        int touched = 0;
        for (int i = 0; i < ItemCount(); ++i)
            touched += Record(i)->Visits[0] != 0 ? 1 : 0;
        return touched;
    }
    const StoneItemRecord* r = Record(item);
    return r ? LeadingCodes(r->Visits) : 0;
}
