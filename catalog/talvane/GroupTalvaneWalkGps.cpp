// The GPS files of a peak's walks gathered into one GDB file for the GPS software: each walk's
// file is found in the year's folder named by Local.txt [Template] GPSDir, its waypoints and
// tracks copied under the prefix "w<walk>".
#include "catalog/talvane/GroupTalvane.h"

#include "catalog/GroupTable.h"
#include "catalog/WaypointExport.h"
#include "catalog/text/HtmlTableReader.h"
#include "catalog/text/LocalPages.h"
#include "catalog/text/WalkGpsNotice.h"
#include "catalog/window/IItemList.h"
#include "catalog/window/IMainWindow.h"
#include "catalog/window/WindowServices.h"
#include "gps/GPSWayPointSet.h"
#include "gps/gdb/GDBFile.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <climits>
#include <memory>
#include <vector>

namespace {

const QString kExportFileName = QStringLiteral("~~TempMT.gdb");
const QString kTemplateSection = QStringLiteral("Template");
const QString kGpsDirKey = QStringLiteral("GPSDir");
// GPSDir names the folder of one year's files with this in the year's place.
const QString kYearPlace = QStringLiteral("%d");
const QString kIndexTooOld = QStringLiteral("[%1]檔案不夠新(%2)！");
const QString kNoGpsFile = QStringLiteral("[%1]GPS檔案找不到(%2)！");
const QByteArray kWalkPrefix = QByteArrayLiteral("w");
// m of a walk whose file is not looked up through its page: a missing file is not reported.
constexpr int kNotLookedUp = -1;
static_assert(CGroupTalvane::kMaxGpsWalk < WalkIndex::kMaxWalks);

// The decimal number a text begins with (after blanks); 0 when it begins otherwise.
int LeadingNumber(QStringView text)
{
    text = text.trimmed();
    qint64 number = 0;
    for (qsizetype i = 0; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        number = qMin<qint64>(number * 10 + (text[i].unicode() - u'0'), INT_MAX);
    return int(number);
}

// The folder of one year's walk files: GPSDir with its first "%d" replaced by the year; nothing
// else in it is a format. A relative folder lies in the program folder; the folder keeps its
// final separator, as the file names are appended to it.
QString WalkGpsFolder(QString gpsDir, int year)
{
    const qsizetype place = gpsDir.indexOf(kYearPlace);
    if (place >= 0)
        gpsDir.replace(place, kYearPlace.size(), QString::number(year));
    QString folder = platform::JoinPath(platform::ProgramFolder(), gpsDir);
    if (gpsDir.isEmpty() || gpsDir.endsWith(u'\\') || gpsDir.endsWith(u'/'))
        folder += u'/';
    return folder;
}

// What gathering the walks of one peak needs.
struct WalkCollection {
    WalkIndex index;
    QString indexPath;
    QString gpsDir;
    const WindowServices* services = nullptr;
    CGDBFile gdb;
};

IMessageBox* MessageBoxOf(const WalkCollection& c)
{
    return c.services ? c.services->messageBox : nullptr;
}

QString TitleOf(const WalkCollection& c, int walk)
{
    return c.index.titles[std::size_t(walk)];
}

// The GPS file of a walk: by its number, else, from kFirstLinkedGpsWalk on, by the number its
// page links to. Empty when none is found (reported once per run for a looked-up walk).
QString FindWalkFile(const WalkCollection& c, int walk)
{
    const QString folder = WalkGpsFolder(c.gpsDir, LeadingNumber(c.index.dates[std::size_t(walk)]));
    QString path;
    if (FindWalkGpsFile(folder, &path, walk))
        return path;
    int linked = kNotLookedUp;
    if (walk >= CGroupTalvane::kFirstLinkedGpsWalk) {
        linked = GetWalkGpsNumber(folder, walk);
        if (linked > 0 && FindWalkGpsFile(folder, &path, linked))
            return path;
    }
    if (linked != kNotLookedUp)
        WalkGpsNotice::Show(MessageBoxOf(c), kNoGpsFile.arg(TitleOf(c, walk), QString::number(walk)));
    return QString();
}

// Whether the collection holds a waypoint at the same position whose name contains this one's:
// the same place recorded on an earlier walk.
bool AlreadyHeld(const std::vector<GPSWayPointRecordW>& held, const GPSWayPointRecordW& waypoint)
{
    const QString name = waypoint_export::WaypointName(waypoint);
    for (const GPSWayPointRecordW& h : held)
        if (h.longitude == waypoint.longitude && h.latitude == waypoint.latitude
            && waypoint_export::WaypointName(h).contains(name))
            return true;
    return false;
}

// Copies the waypoints and tracks of one walk's file under its prefix.
void AddWalkFile(CGDBFile* gdb, const CGPSFile& file, int walk)
{
    const QByteArray prefix = kWalkPrefix + QByteArray::number(walk);
    std::vector<GPSWayPointRecordW> own;
    std::vector<GPSWayPointRecordW> held;
    ReadWayPoints(file, &own);
    ReadWayPoints(*gdb, &held);
    for (std::size_t i = 0; i < own.size(); ++i)
        if (!AlreadyHeld(held, own[i]))
            gdb->AddWayPointFrom(&file, int(i), prefix.constData());
    for (int t = 0; t < file.GetTrackCount(); ++t)
        gdb->AddTrackFrom(&file, t, prefix.constData());
}

void CollectWalk(WalkCollection* c, int walk)
{
    if (walk < 1 || walk > CGroupTalvane::kMaxGpsWalk)
        return;
    if (TitleOf(*c, walk).isEmpty())
        WalkGpsNotice::Show(MessageBoxOf(*c), kIndexTooOld.arg(c->indexPath, QString::number(walk)));
    const QString path = FindWalkFile(*c, walk);
    IMainWindow* window = c->services ? c->services->mainWindow : nullptr;
    if (path.isEmpty() || !window)
        return;
    const std::unique_ptr<CGPSFile> file(window->OpenGpsFile(path));
    if (file)
        AddWalkFile(&c->gdb, *file, walk);
}

} // namespace

bool CGroupTalvane::OpenWalkGps(IItemList* list, int row)
{
    if (!list || row < 0 || row >= list->RowCount())
        return true;
    const TalvaneItemRecord* peak = Record(PeakOfRowValue(list->RowData(row)));
    if (!peak || peak->Visits[0] == 0)
        return true;
    auto collection = std::make_unique<WalkCollection>();
    collection->indexPath = WalkIndexFileOrDefault();
    ReadHtmlTableRows(collection->indexPath, &collection->index);
    collection->gpsDir =
        platform::GetProfileString(LocalSettingsPath(), kTemplateSection, kGpsDirKey);
    collection->services = Services();
    for (int l = 0; l < kMaxCodes && peak->Visits[l] != 0; ++l)
        CollectWalk(collection.get(), peak->Visits[l]);
    waypoint_export::SaveAndOpen(collection->gdb, collection->services, kExportFileName);
    return true;
}
