#include "gps/gdb/GDBFile.h"

#include "gps/GPSRecordList.h"
#include "gps/GPSText.h"
#include "gps/mapsource/MPSDefinedValues.h"
#include "gps/mps/MPSFile.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

#include <vector>

namespace {

QByteArray Prefixed(const char* prefix, const QByteArray& name)
{
    return prefix ? QByteArray(prefix) + '-' + name : name;
}

const CGDBFile* AsGDB(const CGPSFile* source)
{
    return source && source->FormatCode() == CGPSFile::kGDB ? dynamic_cast<const CGDBFile*>(source) : nullptr;
}

const CMPSFile* AsMPS(const CGPSFile* source)
{
    return source && source->FormatCode() == CGPSFile::kMPS ? dynamic_cast<const CMPSFile*>(source) : nullptr;
}

// A waypoint of another format through its wide exchange record (that one record alone) and
// its symbol; it shows its name, as the GPS software would hide it otherwise. The other
// fields take the values of a new waypoint, and a height of 0 counts as absent.
std::unique_ptr<CGDBChunkWayPoint> WayPointFromExchange(const CGPSFile& source, int index)
{
    GPSWayPointRecordW record{};
    if (!source.GetWayPointW(index, &record))
        return nullptr;
    auto waypoint = std::make_unique<CGDBChunkWayPoint>();
    waypoint->Name = platform::ToUtf8(gps::FieldText(record.name, GPSWayPointRecordW::kNameSize));
    waypoint->Description = platform::ToUtf8(gps::FieldText(record.comment, GPSWayPointRecordW::kCommentSize));
    waypoint->Longitude = record.longitude;
    waypoint->Latitude = record.latitude;
    waypoint->HeightDefined = record.altitude != 0;
    waypoint->Height = record.altitude;
    waypoint->Display = CGDBChunkWayPoint::kDisplaySymbolAndName;
    waypoint->Icon = source.GetWayPointSymbol(index);
    return waypoint;
}

// A copy of a GDB track: name (in UTF-8), display flag, colour and every point; the
// uninterpreted point byte and the URL are not copied.
std::unique_ptr<CGDBChunkTrack> CopyOfTrack(const CGDBChunkTrack& from)
{
    auto track = std::make_unique<CGDBChunkTrack>();
    track->Name = from.isUtf8 ? from.Name
                              : platform::ToUtf8(gps::CutText(from.NameText(), GPSWayPointRecordW::kNameSize - 1));
    track->ShowOnGPS = from.ShowOnGPS;
    track->Color = from.Color;
    track->points = from.points;
    for (GDBTrackPoint& point : track->points)
        point.Unknown = 0;
    return track;
}

// A track of another format through its wide track name and its exchange points; a height or
// time of 0 counts as absent.
std::unique_ptr<CGDBChunkTrack> TrackFromExchange(const CGPSFile& source, int index)
{
    std::vector<GPSTrackRecordW> names(size_t(source.GetTrackCount()), GPSTrackRecordW{});
    GPSTrackPointList list;
    if (!source.GetTracksW(names.data()) || !source.GetTrackPoints(&list, index) || list.count < 0
        || (list.count > 0 && !list.points))
        return nullptr;
    auto track = std::make_unique<CGDBChunkTrack>();
    track->Name = platform::ToUtf8(gps::FieldText(names[size_t(index)].name, GPSTrackRecordW::kNameSize));
    track->points.resize(size_t(list.count));
    for (int i = 0; i < list.count; ++i) {
        const GPSTrackPoint& from = list.points[i];
        GDBTrackPoint& point = track->points[size_t(i)];
        point.Latitude = from.latitude;
        point.Longitude = from.longitude;
        point.HeightDefined = from.altitude != 0;
        point.Height = from.altitude;
        point.TimeDefined = from.time != 0;
        point.Time = from.time;
    }
    return track;
}

} // namespace

CGDBFile::CGDBFile() : CGPSFile(kGDB) {}
CGDBFile::~CGDBFile() = default;

std::unique_ptr<CGPSFile> CGDBFile::NewFile() const { return std::make_unique<CGDBFile>(); }
QString CGDBFile::GetExtension() const { return QStringLiteral("gdb"); }
QString CGDBFile::GetDescription() const { return QStringLiteral("Garmin MapSource GDB 檔"); }

std::unique_ptr<CGPSFile> CGDBFile::LoadFile(const QString& path, int* recognised) const
{
    return LoadWhole(path, recognised, &CGDBFile::Load);
}

bool CGDBFile::ReadHeader(ByteCursor& cursor)
{
    QByteArrayView signature, marker;
    CMPSChunk first, second;
    return cursor.ReadView(kSignature.size(), &signature) && signature == kSignature && first.Read(cursor)
        && header_.header44.Parse(first) && second.Read(cursor) && header_.header41.Parse(second)
        && cursor.ReadView(kMarker.size(), &marker) && marker == kMarker;
}

bool CGDBFile::Load(QByteArrayView bytes, int* recognised)
{
    ByteCursor cursor(bytes);
    if (!ReadHeader(cursor))
        return false;
    *recognised = 1;
    const int version = header_.header44.version();
    // The lists come in this order; what follows the maps is ignored.
    return waypoints_.Read(cursor, version) && routes_.Read(cursor, version) && tracks_.Read(cursor, version)
        && maps_.Read(cursor, version);
}

int CGDBFile::GetWayPointCount() const { return waypoints_.count(); }

int CGDBFile::GetWayPoints(GPSWayPointRecord* records) const
{
    return gps::FillEach(waypoints_.items, records, [](const CGDBChunkWayPoint& waypoint, GPSWayPointRecord& record) {
        gps::Utf8ToAnsi(record.name, GPSWayPointRecord::kNameSize, waypoint.Name, waypoint.isUtf8);
        gps::Utf8ToAnsi(record.comment, GPSWayPointRecord::kCommentSize, waypoint.Description, waypoint.isUtf8);
        record.longitude = waypoint.Longitude;
        record.latitude = waypoint.Latitude;
        record.altitude = waypoint.HeightDefined ? waypoint.Height : 0;
    });
}

int CGDBFile::GetWayPointsW(GPSWayPointRecordW* records) const
{
    return gps::FillEach(waypoints_.items, records, gps::mapsource::FillWayPointW<CGDBChunkWayPoint>);
}

int CGDBFile::GetWayPointW(int index, GPSWayPointRecordW* record) const
{
    return gps::FillAt(waypoints_.items, index, record, gps::mapsource::FillWayPointW<CGDBChunkWayPoint>);
}

int CGDBFile::GetTrackCount() const { return tracks_.count(); }
int CGDBFile::GetTrackPointTotal() const { return gps::PointTotal(tracks_.items); }

int CGDBFile::GetTracks(GPSTrackRecord* records) const
{
    return gps::FillTrackRecords(tracks_.items, records, [](const CGDBChunkTrack& track, char* name) {
        gps::Utf8ToAnsi(name, GPSTrackRecord::kNameSize, track.Name, track.isUtf8);
    });
}

int CGDBFile::GetTracksW(GPSTrackRecordW* records) const
{
    if (tracks_.items.empty())
        return 0;
    return gps::FillTrackRecords(tracks_.items, records, [](const CGDBChunkTrack& track, char16_t* name) {
        gps::CopyToField(name, GPSTrackRecordW::kNameSize, track.NameText());
    });
}

int CGDBFile::GetTrackPoints(GPSTrackPointList* out, int index) const
{
    return gps::FillTrackPoints(
        tracks_.items, index, out,
        [](const CGDBChunkTrack& track, char* name) {
            gps::Utf8ToAnsi(name, GPSTrackPointList::kNameSize, track.Name, track.isUtf8);
        },
        gps::mapsource::FillTrackPoint<GDBTrackPoint>);
}

int CGDBFile::GetRouteCount() const { return routes_.count(); }
int CGDBFile::GetMapCount() const { return maps_.count(); }

bool CGDBFile::CanConvertFrom(const CGPSFile* source) const { return AsMPS(source) != nullptr; }

int CGDBFile::ConvertFrom(const CGPSFile* source)
{
    const CMPSFile* mps = AsMPS(source);
    if (!mps)
        return 0;
    Clear();
    for (const auto& from : mps->WayPoints().items) {
        auto waypoint = CGDBChunkWayPoint::ConvertFromMPS(*from);
        waypoint->BuildPayload();
        waypoints_.items.push_back(std::move(waypoint));
    }
    for (const auto& from : mps->Tracks().items) {
        auto track = CGDBChunkTrack::ConvertFromMPS(*from);
        track->BuildPayload();
        tracks_.items.push_back(std::move(track));
    }
    return 1;
}

void CGDBFile::Clear()
{
    waypoints_.RemoveAll();
    tracks_.RemoveAll();
    routes_.RemoveAll();
    maps_.RemoveAll();
    header_.header44.Clear();
    header_.header41.Clear();
}

QByteArray CGDBFile::ToBytes() const
{
    QByteArray bytes;
    ByteWriter out(&bytes);
    out.WriteBytes(kSignature);
    CMPSChunkHeader44::Write(out, kWrittenVersion);
    header_.header41.Write(out, kWrittenHeader41Version);
    out.WriteBytes(kMarker);
    // Records read from an 8-bit file (version 108 or below) are rebuilt in the layout and
    // encoding of the version written here; all others are written as they are.
    for (const auto& waypoint : waypoints_.items)
        (waypoint->isUtf8 ? *waypoint : *waypoint->Rewritten()).Write(out);
    for (const auto& track : tracks_.items)
        (track->isUtf8 ? *track : *track->Rewritten()).Write(out);
    out.WriteBytes(kEndRecord);
    return bytes;
}

int CGDBFile::SaveFile(const QString& path)
{
    return platform::WriteFileAtomically(path, ToBytes()) ? 1 : 0;
}

std::unique_ptr<CGDBChunkWayPoint> CGDBFile::NewWayPointFrom(const CGPSFile* source, int index) const
{
    if (!source || index < 0 || index >= source->GetWayPointCount())
        return nullptr;
    if (const CGDBFile* gdb = AsGDB(source))
        return CGDBChunkWayPoint::CopyOf(*gdb->waypoints_.items[size_t(index)]);
    if (const CMPSFile* mps = AsMPS(source))
        return CGDBChunkWayPoint::ConvertFromMPS(*mps->WayPoints().items[size_t(index)]);
    return WayPointFromExchange(*source, index);
}

int CGDBFile::AddWayPointFrom(const CGPSFile* source, int index, const char* prefix)
{
    auto waypoint = NewWayPointFrom(source, index);
    if (!waypoint)
        return 0;
    waypoint->Name = Prefixed(prefix, waypoint->Name);
    if (waypoints_.Find(waypoint->Name) >= 0)
        return 0;
    waypoint->BuildPayload();
    waypoints_.items.push_back(std::move(waypoint));
    return 1;
}

QByteArray CGDBFile::UniqueWayPointName(QByteArrayView name) const
{
    QByteArray candidate = name.toByteArray();
    for (int counter = 2; waypoints_.Find(candidate) >= 0; ++counter)
        candidate = name.toByteArray() + QByteArray::number(counter);
    return candidate;
}

int CGDBFile::AddWayPointCopy(const CGPSFile* source, int index, QByteArrayView name, QByteArrayView comment,
                              double altitude)
{
    auto waypoint = NewWayPointFrom(source, index);
    if (!waypoint)
        return 0;
    waypoint->Name = UniqueWayPointName(name);
    waypoint->Description = comment.toByteArray();
    // GDB and MPS sources say whether their height is defined; for the others a given
    // altitude is.
    if (!AsGDB(source) && !AsMPS(source))
        waypoint->HeightDefined = altitude != 0;
    waypoint->Height = waypoint->HeightDefined ? altitude : 0;
    waypoint->BuildPayload();
    waypoints_.items.push_back(std::move(waypoint));
    return 1;
}

std::unique_ptr<CGDBChunkTrack> CGDBFile::NewTrackFrom(const CGPSFile* source, int index) const
{
    if (!source || index < 0 || index >= source->GetTrackCount())
        return nullptr;
    if (const CGDBFile* gdb = AsGDB(source))
        return CopyOfTrack(*gdb->tracks_.items[size_t(index)]);
    if (const CMPSFile* mps = AsMPS(source))
        return CGDBChunkTrack::ConvertFromMPS(*mps->Tracks().items[size_t(index)]);
    return TrackFromExchange(*source, index);
}

int CGDBFile::AddTrackFrom(const CGPSFile* source, int index, const char* prefix)
{
    auto track = NewTrackFrom(source, index);
    if (!track)
        return 0;
    track->Name = Prefixed(prefix, track->Name);
    // A track of an MPS file is added even when one of its name is here already.
    if (!AsMPS(source) && tracks_.Find(track->Name) >= 0)
        return 0;
    track->BuildPayload();
    tracks_.items.push_back(std::move(track));
    return 1;
}
