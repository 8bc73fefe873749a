// The group's all-in-one GPS file: its path, the waypoint set reloaded when the file changes,
// the look-ups by which an item finds its waypoint (own name, Mapping.txt, base name), and
// locating an item: its waypoint handed to the GPS software in a GDB file, or an online map.
#include "catalog/GroupBase.h"

#include "catalog/GroupTable.h"
#include "catalog/OnlineMap.h"
#include "catalog/window/IDialogRunner.h"
#include "catalog/window/IKeyboard.h"
#include "catalog/window/IMainWindow.h"
#include "catalog/window/IMessageBox.h"
#include "catalog/window/WindowServices.h"
#include "gps/GPSAngle.h"
#include "gps/gdb/GDBFile.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "platform/Shell.h"

#include <QFileInfo>

#include <cmath>

namespace {

const QString kGpsSection = QStringLiteral("GPS");
const QString kAllWaypointFileKey = QStringLiteral("AllWPFile_%1");
const QString kDefaultFileFormat = QStringLiteral("\\!台灣的%1.gdb");
const QString kGpsFolderFileFormat = QStringLiteral("\\gps\\%1.gdb");
const QString kSkipMapping = QStringLiteral("Skip");
// An all-in-one file that is there but that no format reads, with the reason.
const QString kUnreadableGpsFile = QStringLiteral("[%1]無法讀取為GPS檔案(%2)！");
const QString kCannotOpen = QStringLiteral("檔案無法開啟");
const QString kDamagedFormat = QStringLiteral("%1內容有誤");
const QString kUnknownFormat = QStringLiteral("不是已知的GPS檔案格式");

// Locating: the file handed to the GPS software.
const QString kTempWaypointFile = QStringLiteral("~~TempWP.gdb");
// A locate radius counts hundredths of a degree.
constexpr double kRadiusUnitsPerDegree = 100.0;

// Whether a waypoint index names an entry of the set as it stands now.
bool HoldsWaypoint(const GPSWayPointSet& set, int index)
{
    return set.file && index >= 0 && index < set.count && std::size_t(index) < set.items.size();
}

// Distance of two waypoints in degrees, longitude and latitude taken alike.
double DistanceDegrees(const GPSWayPointRecordW& a, const GPSWayPointRecordW& b)
{
    const double dLon = GPSAngle::ToDegrees(a.longitude) - GPSAngle::ToDegrees(b.longitude);
    const double dLat = GPSAngle::ToDegrees(a.latitude) - GPSAngle::ToDegrees(b.latitude);
    return std::sqrt(dLon * dLon + dLat * dLat);
}

// Adds every other waypoint of the set within radius hundredths of a degree of waypoint index.
void AddNeighbours(CGDBFile* gdb, const GPSWayPointSet& set, int index, int radius)
{
    const GPSWayPointRecordW& centre = set.items[std::size_t(index)];
    for (std::size_t i = 0; i < set.items.size(); ++i) {
        const double distance = DistanceDegrees(centre, set.items[i]) * kRadiusUnitsPerDegree;
        if (int(i) != index && distance <= radius)
            gdb->AddWayPointFrom(set.file.get(), int(i), nullptr);
    }
}

// Writes waypoint index, with its neighbours for a radius above 0, into a new GDB file at
// path; true only when the waypoint went in and the whole file is on disk.
bool SaveWaypointFile(const GPSWayPointSet& set, int index, int radius, const QString& path)
{
    CGDBFile gdb;
    if (!gdb.AddWayPointFrom(set.file.get(), index, nullptr))
        return false;
    if (radius > 0)
        AddNeighbours(&gdb, set, index, radius);
    return gdb.SaveFile(path) == 1;
}

// The waypoint of an item by its own waypoint name, by its Mapping.txt entry, or, unless Shift
// is held, as the only free waypoint whose base name is the item's name; -1 when none decides.
int FindLocateWaypoint(CGroupBase& group, int item)
{
    const GPSWayPointSet& set = *group.GetWaypointSet();
    QString own;
    group.GetItemWaypointName(item, &own);
    if (const int index = set.FindByName(own); index >= 0)
        return index;
    if (const int index = set.FindByName(group.MappedWaypointName(item)); index >= 0)
        return index;
    const WindowServices* services = group.Services();
    if (services && services->keyboard && services->keyboard->IsShiftDown())
        return -1;
    QString name;
    group.GetItemNames(item, &name, nullptr);
    int matches = 0;
    const int index = set.FindByBaseName(name, &matches);
    return matches == 1 ? index : -1;
}

// The waypoint the user picks for the item; -1 when none is picked or there is no picker.
int PickWaypoint(CGroupBase& group, int item)
{
    const WindowServices* services = group.Services();
    if (!services || !services->dialogs)
        return -1;
    return services->dialogs->RunWaypointPicker(
        PickerRequest{&group, item, MappingFilePath(), group.GetWaypointSet()});
}

// Opens the online map at waypoint index, or writes it (with its neighbours) for the GPS
// software and opens that file.
void ShowWaypoint(const GPSWayPointSet& set, const WindowServices* services, int index,
                  int radius, bool online)
{
    platform::IShell* shell = services ? services->shell : nullptr;
    if (online) {
        const GPSWayPointRecordW& waypoint = set.items[std::size_t(index)];
        if (shell)
            shell->Open(OnlineMapAddress(GPSAngle::ToDegrees(waypoint.latitude),
                                         GPSAngle::ToDegrees(waypoint.longitude)));
        return;
    }
    // An older file left in place would show the wrong point: open only what was written now.
    const QString path = TempGpsFilePath(kTempWaypointFile);
    if (SaveWaypointFile(set, index, radius, path) && shell)
        shell->Open(path);
}

} // namespace

const WindowServices* CGroupBase::Services() const
{
    return table ? &table->Services() : nullptr;
}

void CGroupBase::EditFile(const QString& path) const
{
    const WindowServices* services = Services();
    if (!path.isEmpty() && services && services->shell && !services->shell->Edit(path))
        services->shell->Open(path);
}

std::optional<FindDialogResult> CGroupBase::RunSearch(FindDialogKind kind, CSubsetBase* subset,
                                                      const QString* searchText, int walkNumber,
                                                      int atlasCode)
{
    const WindowServices* services = Services();
    if (!services || !services->dialogs)
        return std::nullopt;
    FindDialogRequest request;
    request.kind = kind;
    request.group = this;
    request.subset = subset;
    request.searchText = searchText ? *searchText : QString();
    request.walkNumber = walkNumber;
    request.atlasCode = atlasCode;
    return services->dialogs->RunFindDialog(request);
}

QString CGroupBase::WaypointFilePath(bool defaultName) const
{
    QString path = platform::GetProfileString(LocalSettingsPath(), kGpsSection,
                                              kAllWaypointFileKey.arg(key));
    if (path.isEmpty())
        path = platform::JoinPath(DataFolder(), (defaultName ? kDefaultFileFormat
                                                             : kGpsFolderFileFormat).arg(displayName));
    return platform::JoinPath(platform::ProgramFolder(), path);
}

std::unique_ptr<CGPSFile> CGroupBase::OpenAllInOneFile(const QString& path, bool report) const
{
    const WindowServices* services = Services();
    IMainWindow* window = services ? services->mainWindow : nullptr;
    if (!window)
        return nullptr;
    QString damagedFormat;
    std::unique_ptr<CGPSFile> file(window->OpenGpsFile(path, &damagedFormat));
    // A missing file is the owner's choice: only a file that is there is reported.
    const QFileInfo info(path);
    if (file || !report || !services->messageBox || !(info.exists() || info.isSymLink()))
        return file;
    const QString reason = !info.isFile() || !info.isReadable() ? kCannotOpen
                           : damagedFormat.isEmpty()             ? kUnknownFormat
                                                                 : kDamagedFormat.arg(damagedFormat);
    services->messageBox->Show(kUnreadableGpsFile.arg(path, reason), MessageIcon::Exclamation);
    return nullptr;
}

CGPSFile* CGroupBase::LoadWaypointFile(bool defaultName)
{
    const QString path = WaypointFilePath(defaultName);
    platform::FileTime time;
    if (!platform::GetFileWriteTime(path, &time))
        time = {};
    // The flag or Local.txt may name another file with the same time: the path counts too.
    const bool sameFile = time == waypointFileTime && path == waypointFilePath;
    if (waypointSet.file && sameFile)
        return waypointSet.file.get();
    waypointFileTime = time;
    waypointFilePath = path;
    waypointSet.Free();
    // A file that did not open is tried at every call, and reported only when it changed.
    waypointSet.Fill(OpenAllInOneFile(path, !sameFile));
    // Each item's own waypoint is taken: the base-name look-up offers only the others.
    for (int item = 0; item < itemCount && waypointSet.count > 0; ++item) {
        QString name;
        GetItemWaypointName(item, &name);
        const int index = waypointSet.FindByName(name);
        if (index >= 0)
            waypointSet.used[std::size_t(index)] = 1;
    }
    return waypointSet.file.get();
}

QString CGroupBase::MappedWaypointName(int item) const
{
    const QString path = ItemPath(item);
    if (path.isEmpty())
        return QString();
    return platform::GetProfileString(MappingFilePath(), kGpsSection, platform::BaseNameOf(path));
}

CGroupBase::ResolvedWaypoint CGroupBase::ResolveWaypoint(int item)
{
    QString own;
    GetItemWaypointName(item, &own);
    if (const int index = waypointSet.FindByName(own); index >= 0)
        return {index, WaypointMatch::OwnName};
    const QString mapped = MappedWaypointName(item);
    if (mapped.compare(kSkipMapping, Qt::CaseInsensitive) == 0)
        return {-1, WaypointMatch::Skipped};
    if (const int index = waypointSet.FindByName(mapped); index >= 0)
        return {index, WaypointMatch::Mapping};
    int matches = 0;
    const int index = waypointSet.FindByBaseName(ExportItemName(item), &matches);
    if (index < 0 || matches < 1)
        return {};
    return {index, matches == 1 ? WaypointMatch::SingleBaseName : WaypointMatch::GuessedBaseName};
}

bool CGroupBase::LocateItem(int item, int radius, bool online)
{
    if (item < 0 || item >= itemCount)
        return false;
    LoadWaypointFile(true);
    if (waypointSet.count <= 0)
        return true;
    int index = FindLocateWaypoint(*this, item);
    if (index < 0)
        index = PickWaypoint(*this, item);
    // The picker may have reloaded the set: only the set as it stands now is trusted.
    if (HoldsWaypoint(waypointSet, index))
        ShowWaypoint(waypointSet, Services(), index, radius, online);
    return true;
}
