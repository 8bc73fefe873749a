// The peak group's waypoints handed to the GPS software in one GDB file, and the peaks' item
// files brought in line with the waypoints of the group's all-in-one GPS file.
#include "catalog/talvane/GroupTalvane.h"

#include "catalog/WaypointExport.h"
#include "catalog/records/ItemRowValue.h"
#include "catalog/records/RecordText.h"
#include "catalog/window/IItemList.h"

#include <vector>

namespace {

using namespace waypoint_export;

const QString kExportFileName = QStringLiteral("~~TempMT.gdb");

} // namespace

int CGroupTalvane::PeakOfRowValue(quint32 value)
{
    const ItemRowValue v = ItemRowValue::Decode(value);
    const bool peakRow = v.kind == ItemRowValue::Kind::Item ||
                         v.kind == ItemRowValue::Kind::SecondStone ||
                         v.kind == ItemRowValue::Kind::ThirdStone;
    return peakRow ? v.index : -1;
}

bool CGroupTalvane::ExportWaypoints(IItemList* list)
{
    if (!list || list->RowCount() <= 0)
        return false;
    LoadWaypointFile(true);
    return ExportRows(*this, *list, PeakOfRowValue, kExportFileName,
                      DuplicateReport::AgainstEachEarlier);
}

bool CGroupTalvane::SyncWaypoints(IItemList* list)
{
    if (!list || list->RowCount() <= 0)
        return false;
    LoadWaypointFile(true);
    if (waypointSet.count <= 0)
        return true;
    const std::vector<RowWaypoint> rows = ResolveRows(*this, *list, PeakOfRowValue);
    return !AllRowsDecided(rows, list->RowCount()) || WriteSureRows(*this, rows);
}

bool CGroupTalvane::SetItemWaypoint(int item, const GPSWayPointRecordW* waypoint,
                                    double longitude, double latitude)
{
    auto* record = ItemAs<TalvaneItemRecord>(item);
    if (!record || !waypoint)
        return false;
    SetFieldText(record->Waypoint, WaypointName(*waypoint));
    record->Longitude = longitude;
    record->Attitude = latitude;
    return true;
}
