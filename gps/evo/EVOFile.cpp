#include "gps/evo/EVOFile.h"

#include "gps/GPSDate.h"
#include "gps/GPSFloat.h"
#include "gps/GPSRecordList.h"
#include "gps/GPSSymbols.h"
#include "gps/GPSText.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"


namespace {

void FillWayPoint(const EVOWayPointRecord& waypoint, GPSWayPointRecord& record)
{
    gps::CopyAnsiToField(record.name, GPSWayPointRecord::kNameSize, waypoint.Identifier);
    gps::CopyAnsiToField(record.comment, GPSWayPointRecord::kCommentSize, waypoint.Comment);
    record.longitude = waypoint.Longitude;
    record.latitude = waypoint.Latitude;
    record.altitude = gps::HeightOfBits(waypoint.HeightBits);
}

void FillWayPointW(const EVOWayPointRecord& waypoint, GPSWayPointRecordW& record)
{
    gps::CopyToField(record.name, GPSWayPointRecordW::kNameSize, platform::FromAnsi(waypoint.Identifier));
    gps::CopyToField(record.comment, GPSWayPointRecordW::kCommentSize, platform::FromAnsi(waypoint.Comment));
    record.longitude = waypoint.Longitude;
    record.latitude = waypoint.Latitude;
    record.altitude = gps::HeightOfBits(waypoint.HeightBits);
}

} // namespace

CEVOFile::CEVOFile() : CGPSFile(kEVO) {}
CEVOFile::~CEVOFile() = default;

std::unique_ptr<CGPSFile> CEVOFile::NewFile() const { return std::make_unique<CEVOFile>(); }
QString CEVOFile::GetExtension() const { return QStringLiteral("evo"); }
QString CEVOFile::GetDescription() const { return QStringLiteral("Garmin eTrex VistaT EVO 檔"); }

std::unique_ptr<CGPSFile> CEVOFile::LoadFile(const QString& path, int* recognised) const
{
    return LoadWhole(path, recognised, &CEVOFile::Load);
}

bool CEVOFile::Load(QByteArrayView bytes, int* recognised)
{
    ByteCursor cursor(bytes);
    if (!cursor.ReadBytes(header_.bytes.data(), CEVOHeader::kSize, true))
        return false;
    if (header_.WayPointCount() > CEVOHeader::kMaxWayPoints || header_.TrackCount() > CEVOHeader::kMaxTracks)
        return false;
    *recognised = 1;
    // What follows the last route is ignored.
    return waypoints_.Read(cursor, header_.WayPointCount()) && tracks_.Read(cursor, header_.TrackCount())
        && routes_.Read(cursor, header_.RouteCount());
}

void CEVOFile::Clear()
{
    header_ = CEVOHeader();
    waypoints_.items.clear();
    tracks_.items.clear();
    routes_.items.clear();
}

void CEVOFile::UpdateCounts()
{
    header_.SetCounts(uint32_t(waypoints_.items.size()), uint32_t(tracks_.items.size()),
                      uint32_t(routes_.items.size()));
}

int CEVOFile::GetWayPointCount() const { return waypoints_.count(); }

int CEVOFile::GetWayPoints(GPSWayPointRecord* records) const
{
    return gps::FillEach(waypoints_.items, records, FillWayPoint);
}

int CEVOFile::GetWayPointsW(GPSWayPointRecordW* records) const
{
    return gps::FillEach(waypoints_.items, records, FillWayPointW);
}

int CEVOFile::GetWayPointW(int index, GPSWayPointRecordW* record) const
{
    return gps::FillAt(waypoints_.items, index, record, FillWayPointW);
}

int16_t CEVOFile::GetWayPointSymbol(int index) const
{
    return gps::SymbolAt(waypoints_.items, index, [](const EVOWayPointRecord& waypoint) {
        return GPSSymbols::MPSCodeOfDevice(waypoint.Symbol);
    });
}

int CEVOFile::GetTrackCount() const { return tracks_.count(); }

int CEVOFile::GetTrackPointTotal() const { return gps::PointTotal(tracks_.items); }

int CEVOFile::GetTracks(GPSTrackRecord* records) const
{
    return gps::FillTrackRecords(tracks_.items, records, [](const EVOTrackRecord& track, char* name) {
        gps::CopyAnsiToField(name, GPSTrackRecord::kNameSize, track.Name);
    });
}

int CEVOFile::GetTrackPoints(GPSTrackPointList* out, int index) const
{
    return gps::FillTrackPoints(
        tracks_.items, index, out,
        [](const EVOTrackRecord& track, char* name) {
            gps::CopyAnsiToField(name, GPSTrackPointList::kNameSize, track.Name);
        },
        [](GPSTrackPoint* to, const EVOTrackPoint& from) {
            *to = {from.Longitude, from.Latitude, gps::HeightOfBits(from.HeightBits),
                   gps::UnixTimeOfEVOStamp(from.Time)};
        });
}

int CEVOFile::GetRouteCount() const { return routes_.count(); }

QByteArray CEVOFile::ToBytes() const
{
    // Routes are not written, so the header counts none.
    CEVOHeader header = header_;
    header.SetCounts(uint32_t(waypoints_.items.size()), uint32_t(tracks_.items.size()), 0);
    QByteArray bytes;
    ByteWriter out(&bytes);
    out.WriteBytes(QByteArrayView(header.bytes.data(), CEVOHeader::kSize));
    waypoints_.Write(out);
    tracks_.Write(out);
    return bytes;
}

int CEVOFile::SaveFile(const QString& path)
{
    return platform::WriteFileAtomically(path, ToBytes()) ? 1 : 0;
}
