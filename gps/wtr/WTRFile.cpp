#include "gps/wtr/WTRFile.h"

#include "gps/GPSDate.h"
#include "gps/GPSFloat.h"
#include "gps/GPSRecordList.h"
#include "gps/GPSSymbols.h"
#include "gps/GPSText.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"


namespace {

void FillWayPoint(const WTRWayPointRecord& waypoint, GPSWayPointRecord& record)
{
    gps::CopyAnsiToField(record.name, GPSWayPointRecord::kNameSize, waypoint.Name);
    record.longitude = waypoint.Longitude;
    record.latitude = waypoint.Latitude;
    record.altitude = gps::HeightOfBits(waypoint.HeightBits);
    record.comment[0] = '\0';
}

void FillWayPointW(const WTRWayPointRecord& waypoint, GPSWayPointRecordW& record)
{
    gps::CopyToField(record.name, GPSWayPointRecordW::kNameSize, platform::FromAnsi(waypoint.Name));
    record.longitude = waypoint.Longitude;
    record.latitude = waypoint.Latitude;
    record.altitude = gps::HeightOfBits(waypoint.HeightBits);
    record.comment[0] = u'\0';
}

} // namespace

CWTRFile::CWTRFile() : CGPSFile(kWTR) { Clear(); }
CWTRFile::~CWTRFile() = default;

std::unique_ptr<CGPSFile> CWTRFile::NewFile() const { return std::make_unique<CWTRFile>(); }
QString CWTRFile::GetExtension() const { return QStringLiteral("wtr"); }
QString CWTRFile::GetDescription() const { return QStringLiteral("Garmin eTrex LegendT WTR 檔"); }

std::unique_ptr<CGPSFile> CWTRFile::LoadFile(const QString& path, int* recognised) const
{
    return LoadWhole(path, recognised, &CWTRFile::Load);
}

// A file whose waypoint section reads up to the track marker is a WTR file; any later fault
// makes it a damaged one.
bool CWTRFile::Load(QByteArrayView bytes, int* recognised)
{
    ByteCursor cursor(bytes);
    if (!waypoints_.Read(cursor))
        return false;
    *recognised = 1;
    return tracks_.Read(cursor) && routes_.Read(cursor);
}

// Empty lists behind the blocks the system writes, so that even an empty object saves as a
// file that loads again.
void CWTRFile::Clear()
{
    waypoints_ = CWTRWayPoint();
    tracks_ = CWTRTrack();
    routes_ = CWTRRoute();
    waypoints_.marker = WTRMarker::Written(WTRMarker::kWayPoint);
    tracks_.marker = WTRMarker::Written(WTRMarker::kTrack);
    routes_.marker = WTRMarker::Written(WTRMarker::kRoute);
}

int CWTRFile::GetWayPointCount() const { return waypoints_.count(); }

int CWTRFile::GetWayPoints(GPSWayPointRecord* records) const
{
    return gps::FillEach(waypoints_.items, records, FillWayPoint);
}

int CWTRFile::GetWayPointsW(GPSWayPointRecordW* records) const
{
    return gps::FillEach(waypoints_.items, records, FillWayPointW);
}

int CWTRFile::GetWayPointW(int index, GPSWayPointRecordW* record) const
{
    return gps::FillAt(waypoints_.items, index, record, FillWayPointW);
}

int16_t CWTRFile::GetWayPointSymbol(int index) const
{
    return gps::SymbolAt(waypoints_.items, index,
                         [](const WTRWayPointRecord& waypoint) { return GPSSymbols::MPSCodeOfDevice(waypoint.Icon); });
}

int CWTRFile::GetTrackCount() const { return tracks_.count(); }

int CWTRFile::GetTrackPointTotal() const { return gps::PointTotal(tracks_.items); }

int CWTRFile::GetTracks(GPSTrackRecord* records) const
{
    return gps::FillTrackRecords(tracks_.items, records, [](const WTRTrackRecord& track, char* name) {
        gps::CopyAnsiToField(name, GPSTrackRecord::kNameSize, track.Name);
    });
}

// Angles as stored, a missing height as 0, the time in Unix seconds (0 when not known).
int CWTRFile::GetTrackPoints(GPSTrackPointList* out, int index) const
{
    return gps::FillTrackPoints(
        tracks_.items, index, out,
        [](const WTRTrackRecord& track, char* name) {
            gps::CopyAnsiToField(name, GPSTrackPointList::kNameSize, track.Name);
        },
        [](GPSTrackPoint* to, const WTRTrackPoint& from) {
            *to = {from.Longitude, from.Latitude, gps::HeightOfBits(from.HeightBits),
                   gps::UnixTimeOfEVOStamp(from.Time)};
        });
}

int CWTRFile::GetRouteCount() const { return routes_.count(); }

QByteArray CWTRFile::ToBytes() const
{
    QByteArray bytes;
    ByteWriter out(&bytes);
    waypoints_.Write(out);
    tracks_.Write(out);
    WTRMarker::Written(WTRMarker::kRoute).Write(out);
    return bytes;
}

int CWTRFile::SaveFile(const QString& path)
{
    return platform::WriteFileAtomically(path, ToBytes()) ? 1 : 0;
}
