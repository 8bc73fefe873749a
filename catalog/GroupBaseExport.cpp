// A group's waypoints written out for the GPS software, item files brought in line with their
// waypoints, and the HTML list pages of a group's rows.
#include "catalog/GroupBase.h"

#include "catalog/GroupTable.h"
#include "catalog/text/ListPageWriter.h"
#include "catalog/window/IItemList.h"
#include "catalog/window/IMessageBox.h"
#include "catalog/window/WindowServices.h"
#include "gps/GPSAngle.h"
#include "gps/GPSText.h"
#include "gps/gdb/GDBFile.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Shell.h"

#include <QHash>
#include <QLocale>

#include <vector>

namespace {

const QString kExportFileName = QStringLiteral("~~TempWP.gdb");
const QString kDuplicateMessage = QStringLiteral("航點[%1]重複使用(%2,%3)！");
// The name and comment of an exported waypoint, in UTF-8 buffers that hold the terminator.
constexpr qsizetype kExportNameBytes = 32;
constexpr qsizetype kExportCommentBytes = 128;

// The waypoint keys of an item file; item files spell the latitude "Attitude".
const QString kWaypointKey = QStringLiteral("Waypoint");
const QString kLongitudeKey = QStringLiteral("Longitude");
const QString kLatitudeKey = QStringLiteral("Attitude");
constexpr int kCoordinateDecimals = 6; // "%f"

const QString kTemplateSection = QStringLiteral("Template");
const QString kNoSortKey = QStringLiteral("%1NoSort");
const QString kVisitKey = QStringLiteral("%1Visit");
const QString kNumberSuffix = QStringLiteral("r%1");
const QString kTemplateFolder = QStringLiteral("\\Template\\");
const QString kTableFolder = QStringLiteral("\\TableMT\\");
const QString kPageEnd = QStringLiteral(".htm");
const QString kVisitPageEnd = QStringLiteral("v.htm");
const QString kWalkIndexKey = QStringLiteral("WalkIndexFile");
const QString kGpsDirKey = QStringLiteral("GPSDir");
const QString kOnlineGpsDirKey = QStringLiteral("OnlineGPSDir");
const QString kOnlineDirKey = QStringLiteral("OnlineDir");

using ResolvedWaypoint = CGroupBase::ResolvedWaypoint;
using WaypointMatch = CGroupBase::WaypointMatch;

struct RowWaypoint {
    int item = -1;
    ResolvedWaypoint found;
};

// The rows of the list, in list order, that name an item of the group, each with the waypoint
// it resolves to; none when the set holds no waypoints.
std::vector<RowWaypoint> ResolveRows(CGroupBase& group, const IItemList& list, bool hasWaypoints)
{
    std::vector<RowWaypoint> rows;
    for (int row = 0; hasWaypoints && row < list.RowCount(); ++row) {
        const quint32 value = list.RowData(row);
        if (value < quint32(group.ItemCount()))
            rows.push_back({int(value), group.ResolveWaypoint(int(value))});
    }
    return rows;
}

QString ItemName(CGroupBase& group, int item)
{
    QString name;
    group.GetItemNames(item, &name, nullptr);
    return name;
}

QString WaypointName(const GPSWayPointRecordW& waypoint)
{
    return gps::FieldText(waypoint.name, GPSWayPointRecordW::kNameSize).toString();
}

void ReportDuplicate(CGroupBase& group, const GPSWayPointRecordW& waypoint, int item, int firstItem)
{
    const WindowServices* services = group.Services();
    if (!services || !services->messageBox)
        return;
    services->messageBox->Show(kDuplicateMessage.arg(WaypointName(waypoint), ItemName(group, item),
                                                     ItemName(group, firstItem)),
                               MessageIcon::Exclamation);
}

// Adds a copy of each resolved row's waypoint under the item's name, description and height; a
// waypoint an earlier row took is reported and left out. Returns the number added.
int AddExportCopies(CGroupBase& group, const GPSWayPointSet& set,
                    const std::vector<RowWaypoint>& rows, CGDBFile* gdb)
{
    QHash<int, int> takenBy; // waypoint index -> the first item that took it
    int added = 0;
    for (const RowWaypoint& row : rows) {
        const int index = row.found.index;
        if (index < 0)
            continue;
        if (const auto first = takenBy.constFind(index); first != takenBy.cend()) {
            ReportDuplicate(group, set.items[std::size_t(index)], row.item, first.value());
            continue;
        }
        takenBy.insert(index, row.item);
        QString comment;
        group.FormatItemDescription(row.item, &comment);
        const QByteArray name = gps::Utf8ForField(ItemName(group, row.item), kExportNameBytes);
        added += gdb->AddWayPointCopy(set.file.get(), index, name,
                                      gps::Utf8ForField(comment, kExportCommentBytes),
                                      group.GetItemHeight(row.item));
    }
    return added;
}

// Saves the export beside the program and lets the shell open it; false when it was not saved.
bool SaveAndOpen(CGDBFile& gdb, const WindowServices* services)
{
    const QString path = TempGpsFilePath(kExportFileName);
    if (!gdb.SaveFile(path))
        return false;
    if (services && services->shell)
        services->shell->Open(path);
    return true;
}

// Only a waypoint the item names, its mapping names or the only free one of its base name
// belongs to the item; the last of several base-name matches is a guess.
bool IsSureMatch(WaypointMatch how)
{
    return how == WaypointMatch::OwnName || how == WaypointMatch::Mapping
        || how == WaypointMatch::SingleBaseName;
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

// Writes the waypoint's name and coordinates into [section] of the item file, each only where
// the stored value differs; false when a needed write failed.
bool WriteWaypointKeys(const QString& path, const QString& section,
                       const GPSWayPointRecordW& waypoint, double longitude, double latitude)
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
    const QString name = WaypointName(waypoint);
    const bool nameWritten = write(kWaypointKey, name, stored(kWaypointKey) == name);
    const bool longitudeWritten = writeCoordinate(kLongitudeKey, longitude);
    const bool latitudeWritten = writeCoordinate(kLatitudeKey, latitude);
    return nameWritten && longitudeWritten && latitudeWritten;
}

// [Template] key of a settings file; def when it is missing or empty.
QString TemplateSetting(const QString& file, const QString& key, const QString& def = QString())
{
    const QString value = key.isEmpty() ? QString()
                                         : platform::GetProfileString(file, kTemplateSection, key);
    return value.isEmpty() ? def : value;
}

QString InDataFolder(const QString& relative)
{
    return platform::JoinPath(DataFolder(), relative);
}

// The template file of a page: "<name>NoSort" or "<name>", by the template name and then by
// the group's key; empty when neither is set.
QString TemplateFileOf(const QString& name, const QString& groupKey, bool noSort)
{
    for (const QString& base : {name, groupKey}) {
        const QString file = TemplateSetting(MainSettingsPath(),
                                             noSort ? kNoSortKey.arg(base) : base);
        if (!file.isEmpty())
            return file;
    }
    return QString();
}

// The visit page of a list, when the template name has a visit template and Local.txt names a
// walk index page.
void AddVisitPage(const QString& name, const QString& outputName, ListPageJob* job)
{
    const QString visitTemplate = TemplateSetting(MainSettingsPath(), kVisitKey.arg(name));
    if (visitTemplate.isEmpty() || TemplateSetting(LocalSettingsPath(), kWalkIndexKey).isEmpty())
        return;
    job->visitTemplateFile = InDataFolder(kTemplateFolder + visitTemplate);
    job->visitOutputFile = InDataFolder(kTableFolder + outputName + kVisitPageEnd);
    job->gpsDir = TemplateSetting(LocalSettingsPath(), kGpsDirKey);
    job->onlineGpsDir = TemplateSetting(MainSettingsPath(), kOnlineGpsDirKey);
    job->onlineDir = TemplateSetting(MainSettingsPath(), kOnlineDirKey);
}

} // namespace

bool CGroupBase::ExportWaypoints(IItemList* list)
{
    if (!list || list->RowCount() <= 0)
        return false;
    LoadWaypointFile(false);
    const std::vector<RowWaypoint> rows = ResolveRows(*this, *list, waypointSet.count > 0);
    CGDBFile gdb;
    if (AddExportCopies(*this, waypointSet, rows, &gdb) == 0)
        return true;
    return SaveAndOpen(gdb, Services());
}

bool CGroupBase::SyncWaypoints(IItemList* list)
{
    if (!list || list->RowCount() <= 0)
        return false;
    LoadWaypointFile(false);
    bool written = true;
    for (const RowWaypoint& row : ResolveRows(*this, *list, waypointSet.count > 0)) {
        if (!IsSureMatch(row.found.how))
            continue;
        // A copy: the class's update must not depend on the set staying as it is.
        const GPSWayPointRecordW waypoint = waypointSet.items[std::size_t(row.found.index)];
        const double longitude = GPSAngle::ToDegrees(waypoint.longitude);
        const double latitude = GPSAngle::ToDegrees(waypoint.latitude);
        if (!WriteWaypointKeys(ItemPath(row.item), key, waypoint, longitude, latitude)) {
            written = false;
            continue;
        }
        SetItemWaypoint(row.item, &waypoint, longitude, latitude);
    }
    return written;
}

bool CGroupBase::WriteHtmlTable(IItemList* list, const QString& title, const QString& suffix,
                                int number, const QString& templateKey, bool flag)
{
    ListPageJob job;
    job.group = this;
    job.list = list;
    job.title = title.isEmpty() ? displayName : title;
    const QString name = TemplateSetting(MainSettingsPath(), number > 0 ? templateKey : job.title,
                                         job.title);
    const QString templateFile = TemplateFileOf(name, key, flag);
    if (templateFile.isEmpty())
        return false;
    const QString outputName = name + (number > 0 ? kNumberSuffix.arg(number) : QString()) + suffix;
    job.templateFile = InDataFolder(kTemplateFolder + templateFile);
    job.outputFile = InDataFolder(kTableFolder + outputName + kPageEnd);
    job.openAfter = suffix.isEmpty() && number <= 0;
    if (!flag)
        AddVisitPage(name, outputName, &job);
    return WriteListPages(job);
}
