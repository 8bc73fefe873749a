// The waterfall group's writers: a walk appended to a waterfall's item file, then to its
// record, then marked in the row; and the waypoint the synchronisation found, kept in memory.
#include "catalog/waterfall/GroupWaterfall.h"

#include "catalog/WaypointExport.h"
#include "catalog/records/CodeWriter.h"
#include "catalog/records/RecordText.h"
#include "catalog/text/TextParsers.h"

namespace {

using namespace code_writer;

constexpr int kMarkColumn = CGroupWaterfall::ListColumn::kVisited;

} // namespace

bool CGroupWaterfall::AddVisit(IItemList* list, int row, int walkNumber)
{
    const int item = ItemOfRow(list, row);
    if (item < 0)
        return false;
    return AppendVisit(*this, list, row, item, ItemAs<WaterfallItemRecord>(item)->Visits, walkNumber,
                       kMarkColumn);
}

// A name cut to the field would name another waypoint, or none: such a name is refused.
bool CGroupWaterfall::SetItemWaypoint(int item, const GPSWayPointRecordW* waypoint,
                                      double longitude, double latitude)
{
    auto* record = ItemAs<WaterfallItemRecord>(item);
    if (!record || !waypoint)
        return false;
    const QString name = waypoint_export::WaypointName(*waypoint);
    if (name.size() >= WaterfallItemRecord::kWaypointWidth)
        return false;
    SetFieldText(record->Waypoint, name);
    record->Longitude = longitude;
    record->Attitude = latitude;
    return true;
}
