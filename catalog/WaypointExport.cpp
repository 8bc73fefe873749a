// Waypoint export and synchronisation steps shared by the groups.
#include "catalog/WaypointExport.h"

#include "catalog/GroupTable.h"
#include "catalog/window/IItemList.h"
#include "catalog/window/IMessageBox.h"
#include "catalog/window/WindowServices.h"
#include "gps/GPSAngle.h"
#include "gps/GPSText.h"
#include "gps/gdb/GDBFile.h"
#include "platform/Numbers.h"
#include "platform/Profile.h"
#include "platform/Shell.h"

#include <QHash>
#include <QLocale>

namespace waypoint_export {
namespace {

const QString kDuplicateMessage = QStringLiteral("航點[%1]重複使用(%2,%3)！");
// The name and comment of an exported waypoint, in UTF-8 buffers that hold the terminator.
constexpr qsizetype kExportNameBytes = 32;
constexpr qsizetype kExportCommentBytes = 128;

// The waypoint keys of an item file; item files spell the latitude "Attitude".
const QString kWaypointKey = QStringLiteral("Waypoint");
const QString kLongitudeKey = QStringLiteral("Longitude");
const QString kLatitudeKey = QStringLiteral("Attitude");
constexpr int kCoordinateDecimals = 6; // "%f"

void ReportDuplicate(CGroupBase& group, const GPSWayPointRecordW& waypoint, int item,
                     int earlierItem)
{
    const WindowServices* services = group.Services();
    if (!services || !services->messageBox)
        return;
    services->messageBox->Show(kDuplicateMessage.arg(WaypointName(waypoint),
                                                     group.ExportItemName(item),
                                                     group.ExportItemName(earlierItem)),
                               MessageIcon::Exclamation);
}

// A stored coordinate that reads as the same number at six decimals.
bool SameCoordinate(const QString& stored, double degrees)
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(stored.trimmed(), &ok);
    return ok && platform::FormatDouble(value, kCoordinateDecimals)
                     == platform::FormatDouble(degrees, kCoordinateDecimals);
}

} // namespace

std::vector<RowWaypoint> ResolveRows(CGroupBase& group, const IItemList& list,
                                     const RowItem& itemOf)
{
    std::vector<RowWaypoint> rows;
    for (int row = 0; row < list.RowCount(); ++row) {
        const int item = itemOf(list.RowData(row));
        if (item >= 0 && item < group.ItemCount())
            rows.push_back({item, group.ResolveWaypoint(item)});
    }
    return rows;
}

QString WaypointName(const GPSWayPointRecordW& waypoint)
{
    return gps::FieldText(waypoint.name, GPSWayPointRecordW::kNameSize).toString();
}

int AddExportCopies(CGroupBase& group, const GPSWayPointSet& set,
                    const std::vector<RowWaypoint>& rows, CGDBFile* gdb, DuplicateReport report)
{
    QHash<int, QList<int>> takenBy; // waypoint index -> the items of the rows on it, in row order
    int added = 0;
    for (const RowWaypoint& row : rows) {
        const int index = row.found.index;
        if (index < 0 || std::size_t(index) >= set.items.size())
            continue;
        QList<int>& earlier = takenBy[index];
        // Only the first row on a waypoint is written.
        const qsizetype against = report == DuplicateReport::AgainstFirst ? qMin(earlier.size(), 1)
                                                                           : earlier.size();
        for (qsizetype e = 0; e < against; ++e)
            ReportDuplicate(group, set.items[std::size_t(index)], row.item, earlier[e]);
        earlier.append(row.item);
        if (earlier.size() > 1)
            continue;
        QString comment;
        group.FormatItemDescription(row.item, &comment);
        const QByteArray name = gps::Utf8ForField(group.ExportItemName(row.item), kExportNameBytes);
        added += gdb->AddWayPointCopy(set.file.get(), index, name,
                                      gps::Utf8ForField(comment, kExportCommentBytes),
                                      group.GetItemHeight(row.item));
    }
    return added;
}

bool SaveAndOpen(CGDBFile& gdb, const WindowServices* services, const QString& fileName)
{
    const QString path = TempGpsFilePath(fileName);
    if (gdb.SaveFile(path) != 1)
        return false;
    if (services && services->shell)
        services->shell->Open(path);
    return true;
}

bool IsSureMatch(CGroupBase::WaypointMatch how)
{
    using Match = CGroupBase::WaypointMatch;
    return how == Match::OwnName || how == Match::Mapping || how == Match::SingleBaseName;
}

bool AllRowsDecided(const std::vector<RowWaypoint>& rows, int required)
{
    int resolved = 0;
    int skipped = 0;
    for (const RowWaypoint& row : rows) {
        resolved += IsSureMatch(row.found.how) ? 1 : 0;
        skipped += row.found.how == CGroupBase::WaypointMatch::Skipped ? 1 : 0;
    }
    return resolved > 0 && resolved + skipped == required;
}

bool WriteWaypointKeys(const QString& path, const QString& section, const QString& name,
                       double longitude, double latitude)
{
    const auto stored = [&](const QString& key) {
        return platform::GetProfileString(path, section, key);
    };
    const auto write = [&](const QString& key, const QString& value, bool unchanged) {
        return unchanged || platform::WriteProfileString(path, section, key, value);
    };
    const auto writeCoordinate = [&](const QString& key, double degrees) {
        return write(key, platform::FormatDouble(degrees, kCoordinateDecimals),
                     SameCoordinate(stored(key), degrees));
    };
    const bool nameWritten = write(kWaypointKey, name, stored(kWaypointKey) == name);
    const bool longitudeWritten = writeCoordinate(kLongitudeKey, longitude);
    const bool latitudeWritten = writeCoordinate(kLatitudeKey, latitude);
    return nameWritten && longitudeWritten && latitudeWritten;
}

bool ExportRows(CGroupBase& group, const IItemList& list, const RowItem& itemOf,
                const QString& fileName, DuplicateReport report)
{
    const GPSWayPointSet& set = *group.GetWaypointSet();
    if (set.count <= 0)
        return true;
    const std::vector<RowWaypoint> rows = ResolveRows(group, list, itemOf);
    CGDBFile gdb;
    if (AddExportCopies(group, set, rows, &gdb, report) == 0)
        return true;
    return SaveAndOpen(gdb, group.Services(), fileName);
}

bool WriteSureRows(CGroupBase& group, const std::vector<RowWaypoint>& rows)
{
    bool written = true;
    for (const RowWaypoint& row : rows) {
        if (!IsSureMatch(row.found.how))
            continue;
        // A copy: the record's update must not depend on the set staying as it is.
        const GPSWayPointRecordW waypoint = group.GetWaypointSet()->items[std::size_t(row.found.index)];
        const double longitude = GPSAngle::ToDegrees(waypoint.longitude);
        const double latitude = GPSAngle::ToDegrees(waypoint.latitude);
        // The item file takes the whole name; a record keeps what its field holds.
        if (!WriteWaypointKeys(group.ItemPath(row.item), group.Key(), WaypointName(waypoint),
                               longitude, latitude)) {
            written = false;
            continue;
        }
        group.SetItemWaypoint(row.item, &waypoint, longitude, latitude);
    }
    return written;
}

} // namespace waypoint_export
