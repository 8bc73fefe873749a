// The survey-stone group's waypoints handed to the GPS software in one GDB file, and the
// stones' item files brought in line with the waypoints of the group's all-in-one GPS file.
#include "catalog/stone/GroupStone.h"

#include "catalog/WaypointExport.h"
#include "catalog/records/RecordText.h"
#include "catalog/window/IItemList.h"

#include <vector>

namespace {

using namespace waypoint_export;

const QString kExportFileName = QStringLiteral("~~TempST.gdb");

} // namespace

bool CGroupStone::ExportWaypoints(IItemList* list)
{
    if (!list || list->RowCount() <= 0)
        return false;
    LoadWaypointFile(false);
    const auto stoneOf = [this](quint32 value) { return StoneOfRowValue(value); };
    return ExportRows(*this, *list, stoneOf, kExportFileName, DuplicateReport::AgainstEachEarlier);
}

bool CGroupStone::SyncWaypoints(IItemList* list)
{
    if (!list || list->RowCount() <= 0)
        return false;
    LoadWaypointFile(false);
    if (waypointSet.count <= 0)
        return true;
    const auto stoneOf = [this](quint32 value) { return StoneOfRowValue(value); };
    const std::vector<RowWaypoint> rows = ResolveRows(*this, *list, stoneOf);
    return !AllRowsDecided(rows, int(rows.size())) || WriteSureRows(*this, rows);
}

bool CGroupStone::SetItemWaypoint(int item, const GPSWayPointRecordW* waypoint, double longitude,
                                  double latitude)
{
    auto* record = ItemAs<StoneItemRecord>(item);
    if (!record || !waypoint)
        return false;
    SetFieldText(record->Waypoint, WaypointName(*waypoint));
    record->Longitude = longitude;
    record->Attitude = latitude;
    return true;
}
