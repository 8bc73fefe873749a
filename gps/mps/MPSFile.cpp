#include "gps/mps/MPSFile.h"

#include "gps/evo/EVOFile.h"
#include "gps/gdb/GDBFile.h"
#include "gps/GPSRecordList.h"
#include "gps/GPSText.h"
#include "gps/mapsource/MPSDefinedValues.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

namespace {

const CGDBFile* AsGDB(const CGPSFile* source)
{
    return source && source->FormatCode() == CGPSFile::kGDB ? dynamic_cast<const CGDBFile*>(source) : nullptr;
}

// A height or time is handed out only when its defined byte says it is there: a file
// converted from an eTrex one holds 1.0e25 behind a clear byte.
double DefinedHeight(uint8_t defined, double height) { return defined ? height : 0; }

const CEVOFile* AsEVO(const CGPSFile* source)
{
    return source && source->FormatCode() == CGPSFile::kEVO ? dynamic_cast<const CEVOFile*>(source) : nullptr;
}

} // namespace

CMPSFile::CMPSFile() : CGPSFile(kMPS) {}
CMPSFile::~CMPSFile() = default;

std::unique_ptr<CGPSFile> CMPSFile::NewFile() const { return std::make_unique<CMPSFile>(); }
QString CMPSFile::GetExtension() const { return QStringLiteral("mps"); }
QString CMPSFile::GetDescription() const { return QStringLiteral("Garmin MapSource MPS 檔"); }

std::unique_ptr<CGPSFile> CMPSFile::LoadFile(const QString& path, int* recognised) const
{
    return LoadWhole(path, recognised, &CMPSFile::Load);
}

bool CMPSFile::ReadHeader(ByteCursor& cursor)
{
    QByteArrayView signature;
    CMPSChunk first, second;
    return cursor.ReadView(kSignature.size(), &signature) && signature == kSignature && first.Read(cursor)
        && header_.header44.Parse(first) && second.Read(cursor) && header_.header41.Parse(second);
}

bool CMPSFile::Load(QByteArrayView bytes, int* recognised)
{
    ByteCursor cursor(bytes);
    if (!ReadHeader(cursor))
        return false;
    *recognised = 1;
    const int version = header_.header44.version();
    // The lists come in this order; what follows the maps is ignored.
    return waypoints_.Read(cursor) && routes_.Read(cursor, version) && tracks_.Read(cursor)
        && maps_.Read(cursor, version);
}

void CMPSFile::Clear()
{
    waypoints_.RemoveAll();
    tracks_.RemoveAll();
    routes_.RemoveAll();
    maps_.RemoveAll();
    header_.header44.Clear();
    header_.header41.Clear();
}

int CMPSFile::GetWayPointCount() const { return waypoints_.count(); }

int CMPSFile::GetWayPoints(GPSWayPointRecord* records) const
{
    return gps::FillEach(waypoints_.items, records, [](const CMPSChunkWayPoint& waypoint, GPSWayPointRecord& record) {
        gps::CopyAnsiToField(record.name, GPSWayPointRecord::kNameSize, waypoint.Name);
        gps::CopyAnsiToField(record.comment, GPSWayPointRecord::kCommentSize, waypoint.Description);
        record.longitude = waypoint.Longitude;
        record.latitude = waypoint.Latitude;
        record.altitude = DefinedHeight(waypoint.HeightDefined, waypoint.Height);
    });
}

int CMPSFile::GetWayPointsW(GPSWayPointRecordW* records) const
{
    return gps::FillEach(waypoints_.items, records, gps::mapsource::FillWayPointW<CMPSChunkWayPoint>);
}

int CMPSFile::GetWayPointW(int index, GPSWayPointRecordW* record) const
{
    return gps::FillAt(waypoints_.items, index, record, gps::mapsource::FillWayPointW<CMPSChunkWayPoint>);
}

int CMPSFile::GetTrackCount() const { return tracks_.count(); }
int CMPSFile::GetTrackPointTotal() const { return gps::PointTotal(tracks_.items); }

int CMPSFile::GetTracks(GPSTrackRecord* records) const
{
    return gps::FillTrackRecords(tracks_.items, records, [](const CMPSChunkTrack& track, char* name) {
        gps::CopyAnsiToField(name, GPSTrackRecord::kNameSize, track.Name);
    });
}

int CMPSFile::GetTrackPoints(GPSTrackPointList* out, int index) const
{
    return gps::FillTrackPoints(
        tracks_.items, index, out,
        [](const CMPSChunkTrack& track, char* name) {
            gps::CopyAnsiToField(name, GPSTrackPointList::kNameSize, track.Name);
        },
        gps::mapsource::FillTrackPoint<MPSTrackPoint>);
}

int CMPSFile::GetRouteCount() const { return routes_.count(); }
int CMPSFile::GetMapCount() const { return maps_.count(); }

// Sources: EVO and GDB.
bool CMPSFile::CanConvertFrom(const CGPSFile* source) const { return AsEVO(source) || AsGDB(source); }

int CMPSFile::ConvertFrom(const CGPSFile* source)
{
    const CEVOFile* evo = AsEVO(source);
    const CGDBFile* gdb = AsGDB(source);
    if (!evo && !gdb)
        return 0;
    Clear();
    if (evo) {
        for (const EVOWayPointRecord& from : evo->WayPoints().items)
            waypoints_.items.push_back(CMPSChunkWayPoint::ConvertFromEVO(from));
        tracks_.ConvertFromEVO(evo->Tracks());
    } else {
        for (const auto& from : gdb->WayPoints().items)
            waypoints_.items.push_back(CMPSChunkWayPoint::ConvertFromGDB(*from));
        tracks_.ConvertFromGDB(gdb->Tracks());
    }
    for (const auto& waypoint : waypoints_.items)
        waypoint->BuildPayload();
    for (const auto& track : tracks_.items)
        track->BuildPayload();
    return 1;
}

// Waypoint index of an EVO or GDB file, converted; null when there is none.
std::unique_ptr<CMPSChunkWayPoint> CMPSFile::ConvertedWayPoint(const CGPSFile* source, int index)
{
    if (!source || index < 0 || index >= source->GetWayPointCount())
        return nullptr;
    if (const CEVOFile* evo = AsEVO(source))
        return CMPSChunkWayPoint::ConvertFromEVO(evo->WayPoints().items[size_t(index)]);
    if (const CGDBFile* gdb = AsGDB(source))
        return CMPSChunkWayPoint::ConvertFromGDB(*gdb->WayPoints().items[size_t(index)]);
    return nullptr;
}

int CMPSFile::AddWayPointFrom(const CGPSFile* source, int index, const char* prefix)
{
    auto waypoint = ConvertedWayPoint(source, index);
    if (!waypoint)
        return 0;
    if (prefix) {
        // The whole name stays within what a waypoint record hands out.
        char name[GPSWayPointRecord::kNameSize];
        gps::CopyAnsiToField(name, GPSWayPointRecord::kNameSize, QByteArray(prefix) + '-' + waypoint->Name);
        waypoint->Name = gps::FieldText(name, GPSWayPointRecord::kNameSize).toByteArray();
    }
    waypoint->BuildPayload();
    waypoints_.items.push_back(std::move(waypoint));
    return 1;
}

QByteArray CMPSFile::ToBytes() const
{
    QByteArray bytes;
    ByteWriter out(&bytes);
    out.WriteBytes(kSignature);
    CMPSChunkHeader44::Write(out, kWrittenVersion);
    header_.header41.Write(out, kWrittenHeader41Version);
    for (const auto& waypoint : waypoints_.items)
        waypoint->Write(out);
    for (const auto& track : tracks_.items)
        track->Write(out);
    return bytes;
}

int CMPSFile::SaveFile(const QString& path)
{
    return platform::WriteFileAtomically(path, ToBytes()) ? 1 : 0;
}
