#include "gps/gtm/GTMFile.h"

#include "gps/GPSAngle.h"
#include "gps/GPSRecordList.h"
#include "gps/GPSSymbols.h"
#include "gps/GPSText.h"
#include "platform/CodePage.h"

using gps::gtm::HeightOf;

namespace {

void FillWayPoint(const GTMWayPointEntry& waypoint, GPSWayPointRecord& record)
{
    gps::CopyAnsiToField(record.name, GPSWayPointRecord::kNameSize, waypoint.NameText());
    gps::CopyAnsiToField(record.comment, GPSWayPointRecord::kCommentSize, waypoint.Comment);
    record.longitude = GPSAngle::FromDegrees(waypoint.Longitude);
    record.latitude = GPSAngle::FromDegrees(waypoint.Latitude);
    record.altitude = HeightOf(waypoint.Height);
}

void FillWayPointW(const GTMWayPointEntry& waypoint, GPSWayPointRecordW& record)
{
    gps::CopyToField(record.name, GPSWayPointRecordW::kNameSize, platform::FromAnsi(waypoint.NameText()));
    gps::CopyToField(record.comment, GPSWayPointRecordW::kCommentSize, platform::FromAnsi(waypoint.Comment));
    record.longitude = GPSAngle::FromDegrees(waypoint.Longitude);
    record.latitude = GPSAngle::FromDegrees(waypoint.Latitude);
    record.altitude = HeightOf(waypoint.Height);
}

template <class Items, class Out, class Fill>
int FillAll(const Items& items, Out* records, Fill fill)
{
    if (!records)
        return 0;
    for (const auto& item : items)
        fill(item, *records++);
    return 1;
}

} // namespace

CGTMFile::CGTMFile() : CGPSFile(kGTM) {}
CGTMFile::~CGTMFile() = default;

std::unique_ptr<CGPSFile> CGTMFile::NewFile() const { return std::make_unique<CGTMFile>(); }
QString CGTMFile::GetExtension() const { return QStringLiteral("gtm"); }
QString CGTMFile::GetDescription() const { return QStringLiteral("GPS TrackMaker 檔"); }

std::unique_ptr<CGPSFile> CGTMFile::LoadFile(const QString& path, int* recognised) const
{
    return LoadWhole(path, recognised, &CGTMFile::Load);
}

bool CGTMFile::Load(QByteArrayView bytes, int* recognised)
{
    ByteCursor cursor(bytes);
    if (!header_.Parse(cursor) || !header_.ParseStrings(cursor))
        return false;
    *recognised = 1;
    return ReadSections(cursor);
}

// The sections in file order, each by its header count; what follows the route points is
// ignored.
bool CGTMFile::ReadSections(ByteCursor& cursor)
{
    return gridDatum_.Parse(cursor) && images_.Read(cursor, header_.MapImages)
        && waypoints_.Read(cursor, header_.Waypoints) && waypointStyles_.Read(cursor, header_.WaypointStyles)
        && trackLog_.Read(cursor, header_.TrackPoints) && trackStyles_.Read(cursor, header_.Tracks)
        && routes_.Read(cursor, header_.RoutePoints);
}

void CGTMFile::Clear()
{
    header_ = CGTMHeader();
    gridDatum_ = CGTMGridDatum();
    images_ = CGTMImage();
    waypoints_ = CGTMWayPoint();
    waypointStyles_ = CGTMWayPointStyle();
    trackLog_ = CGTMTrackLog();
    trackStyles_ = CGTMTrackStyle();
    routes_ = CGTMRoute();
}

int CGTMFile::GetWayPointCount() const { return waypoints_.count(); }

int CGTMFile::GetWayPoints(GPSWayPointRecord* records) const
{
    return FillAll(waypoints_.items, records, FillWayPoint);
}

int CGTMFile::GetWayPointsW(GPSWayPointRecordW* records) const
{
    return FillAll(waypoints_.items, records, FillWayPointW);
}

int CGTMFile::GetWayPointW(int index, GPSWayPointRecordW* record) const
{
    if (!record || index < 0 || index >= waypoints_.count())
        return 0;
    FillWayPointW(waypoints_.items[size_t(index)], *record);
    return 1;
}

int16_t CGTMFile::GetWayPointSymbol(int index) const
{
    return gps::SymbolAt(waypoints_.items, index,
                         [](const GTMWayPointEntry& waypoint) { return GPSSymbols::MPSCodeOfGTM(waypoint.Icon); });
}

int CGTMFile::GetTrackCount() const { return trackLog_.trackCount(); }
int CGTMFile::GetTrackPointTotal() const { return trackLog_.pointCount(); }

QByteArrayView CGTMFile::TrackName(int index) const { return trackStyles_.NameOf(index); }

int CGTMFile::GetTracks(GPSTrackRecord* records) const
{
    if (!records)
        return 0;
    for (int k = 0; k < GetTrackCount(); ++k) {
        GPSTrackRecord& record = records[k];
        gps::CopyAnsiToField(record.name, GPSTrackRecord::kNameSize, TrackName(k));
        record.pointCount = trackLog_.runs[size_t(k)].count;
        record.reserved = 0;
    }
    return 1;
}

int CGTMFile::GetTrackPoints(GPSTrackPointList* out, int index) const
{
    if (!out)
        return 0;
    if (index < 0 || index >= GetTrackCount())
        return 1;
    const CGTMTrackLog::Run& run = trackLog_.runs[size_t(index)];
    gps::CopyAnsiToField(out->name, GPSTrackPointList::kNameSize, TrackName(index));
    out->count = run.count;
    out->points.reset(new GPSTrackPoint[size_t(run.count)]);
    for (int i = 0; i < run.count; ++i) {
        const GTMTrackPoint& point = trackLog_.points[size_t(run.start + i)];
        out->points[i] = {GPSAngle::FromDegrees(point.Longitude), GPSAngle::FromDegrees(point.Latitude),
                          HeightOf(point.Height), gps::gtm::UnixTimeOf(point.Date)};
    }
    return 1;
}

int CGTMFile::GetRouteCount() const { return routes_.routeCount(); }
