#pragma once
// The steps the groups share when they hand their waypoints to the GPS software or bring item
// files in line with them: the rows resolved to waypoints, the renamed copies written into a
// GDB file, the file saved beside the program and opened, and the waypoint keys of an item file.
#include "catalog/GroupBase.h"

#include <QString>

#include <functional>
#include <vector>

class CGDBFile;
class IItemList;
struct GPSWayPointRecordW;
struct WindowServices;

namespace waypoint_export {

struct RowWaypoint {
    int item = -1;
    CGroupBase::ResolvedWaypoint found;
};

// The item a row's value names; -1 for a row that names none.
using RowItem = std::function<int(quint32 value)>;

// The rows of the list, in list order, that name an item, each with the waypoint the group's
// loaded set resolves it to.
std::vector<RowWaypoint> ResolveRows(CGroupBase& group, const IItemList& list,
                                     const RowItem& itemOf);

// The name of a waypoint record.
QString WaypointName(const GPSWayPointRecordW& waypoint);

// How a row on a waypoint that earlier rows resolved to is reported before it is left out: once,
// against the first of them (the base group), or once against each of them (peaks, stones).
enum class DuplicateReport { AgainstFirst, AgainstEachEarlier };

// Adds a copy of each resolved row's waypoint under the item's export name (UTF-8, 31 bytes at
// most), description (127 bytes at most) and height, both cut at a character boundary; a row on
// a waypoint that earlier rows resolved to is reported as report says and left out. Returns the
// number added.
int AddExportCopies(CGroupBase& group, const GPSWayPointSet& set,
                    const std::vector<RowWaypoint>& rows, CGDBFile* gdb, DuplicateReport report);

// Saves gdb as fileName in the folder for temporary GPS files and lets the shell open it; false
// (nothing opened) when it was not saved.
bool SaveAndOpen(CGDBFile& gdb, const WindowServices* services, const QString& fileName);

// Only a waypoint the item names, its mapping names or the only free one of its base name
// belongs to the item; the last of several base-name matches is a guess.
bool IsSureMatch(CGroupBase::WaypointMatch how);

// Whether a synchronisation may write: at least one row resolved surely, and the sure rows and
// the rows mapped to "Skip" together number `required` (a guess, or an item found by nothing,
// stops the whole write).
bool AllRowsDecided(const std::vector<RowWaypoint>& rows, int required);

// Writes the waypoint's name and coordinates (degrees, six decimals) into [section] Waypoint,
// Longitude and Attitude of the item file, each only where the stored value differs (a
// coordinate that reads as the same number at six decimals does not); false when a needed
// write failed.
bool WriteWaypointKeys(const QString& path, const QString& section, const QString& name,
                       double longitude, double latitude);

// The export of a group: the listed rows' waypoints (from the group's loaded set) written as
// renamed copies into fileName and opened; true also when there was nothing to write, false
// when the file could not be saved.
bool ExportRows(CGroupBase& group, const IItemList& list, const RowItem& itemOf,
                const QString& fileName, DuplicateReport report);

// Writes each surely resolved row's waypoint into its item file and then its record
// (CGroupBase::SetItemWaypoint); false when a write failed (that record stays unchanged).
bool WriteSureRows(CGroupBase& group, const std::vector<RowWaypoint>& rows);

} // namespace waypoint_export
