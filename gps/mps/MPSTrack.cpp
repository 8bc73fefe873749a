#include "gps/mps/MPSTrack.h"

#include "gps/evo/EVOTrack.h"
#include "gps/gdb/GDBTrack.h"
#include "gps/GPSDate.h"
#include "gps/GPSFile.h"
#include "gps/GPSRecords.h"
#include "gps/GPSText.h"
#include "gps/mapsource/MPSDefinedValues.h"
#include "gps/mps/MPSFromEVO.h"
#include "platform/CodePage.h"

namespace {

bool ReadPoint(ByteCursor& cursor, MPSTrackPoint* point)
{
    return cursor.ReadInt32(&point->Latitude) && cursor.ReadInt32(&point->Longitude)
        && cursor.ReadByte(&point->HeightDefined) && cursor.ReadDouble(&point->Height)
        && cursor.ReadByte(&point->TimeDefined) && cursor.ReadInt32(&point->Time)
        && cursor.ReadBytes(point->Held.data(), MPSTrackPoint::kHeldSize, true);
}

void WritePoint(ByteWriter& out, const MPSTrackPoint& point)
{
    out.WriteInt32(point.Latitude);
    out.WriteInt32(point.Longitude);
    out.WriteByte(point.HeightDefined);
    out.WriteDouble(point.Height);
    out.WriteByte(point.TimeDefined);
    out.WriteInt32(point.Time);
    out.WriteBytes(QByteArrayView(point.Held.data(), qsizetype(MPSTrackPoint::kHeldSize)));
}

std::unique_ptr<CMPSChunkTrack> TrackFromGDB(const CGDBChunkTrack& source)
{
    auto track = std::make_unique<CMPSChunkTrack>();
    char name[GPSTrackRecord::kNameSize];
    gps::Utf8ToAnsi(name, GPSTrackRecord::kNameSize, source.Name, source.isUtf8);
    track->Name = gps::FieldText(name, GPSTrackRecord::kNameSize).toByteArray();
    track->ShowOnGPS = source.ShowOnGPS;
    track->Color = source.Color;
    track->points.reserve(source.points.size());
    for (const GDBTrackPoint& from : source.points)
        gps::mapsource::CopyTrackPointValues(track->points.emplace_back(), from);
    return track;
}

// The MPS time of an EVO stamp: its local date (eight hours added) back into seconds since
// 1970, which removes the eight hours again. An invalid stamp, or a date that int32 seconds
// cannot hold, stays not defined.
void SetTimeOfEVOStamp(MPSTrackPoint& point, uint32_t stamp)
{
    GPSDate date;
    int64_t seconds = 0;
    const bool defined = stamp != gps::kInvalidTimeStamp
        && gps::SecondsToLocalTime(stamp, &date, CGPSFile::kEVO, true) && date.year != 0
        && gps::LocalTimeToSeconds(date, &seconds, CGPSFile::kMPS) && seconds >= 0 && seconds <= INT32_MAX;
    point.TimeDefined = defined ? 1 : 0;
    point.Time = defined ? int32_t(seconds) : 0;
}

std::unique_ptr<CMPSChunkTrack> TrackFromEVO(const EVOTrackRecord& source)
{
    auto track = std::make_unique<CMPSChunkTrack>();
    track->Name = source.Name;
    track->ShowOnGPS = 1;
    track->Color = 0;
    track->points.reserve(source.points.size());
    for (const EVOTrackPoint& from : source.points) {
        MPSTrackPoint& point = track->points.emplace_back();
        point.Latitude = from.Latitude;
        point.Longitude = from.Longitude;
        gps::mps::ValueOfFloatBits(from.HeightBits, &point.HeightDefined, &point.Height);
        SetTimeOfEVOStamp(point, from.Time);
    }
    return track;
}

} // namespace

bool CMPSChunkTrack::Parse(CMPSChunk& read)
{
    TakeOver(read);
    ByteCursor cursor(payload());
    QByteArrayView name;
    int32_t count = 0;
    if (!cursor.ReadCString(&name) || !cursor.ReadByte(&ShowOnGPS) || !cursor.ReadInt32(&Color)
        || !cursor.ReadInt32(&count) || count < 0)
        return false;
    // In 64 bits: a count near 2^32 / 31 must not wrap around to a small size.
    const int64_t expected = int64_t(name.size()) + int64_t(kFixedSize) + int64_t(MPSTrackPoint::kSize) * count;
    if (expected != int64_t(payload().size()))
        return false;
    Name = name.toByteArray();
    points.resize(size_t(count));
    for (MPSTrackPoint& point : points) {
        if (!ReadPoint(cursor, &point))
            return false;
    }
    return true;
}

void CMPSChunkTrack::BuildPayload()
{
    QByteArray bytes;
    bytes.reserve(qsizetype(Name.size() + kFixedSize + points.size() * MPSTrackPoint::kSize));
    ByteWriter out(&bytes);
    out.WriteCString(Name);
    out.WriteByte(ShowOnGPS);
    out.WriteInt32(Color);
    out.WriteInt32(int32_t(points.size()));
    for (const MPSTrackPoint& point : points)
        WritePoint(out, point);
    SetPayload(kTrack, std::move(bytes));
}

QString CMPSChunkTrack::NameText() const { return platform::FromAnsi(Name); }

bool CMPSTrack::Read(ByteCursor& cursor)
{
    return ReadRecordsInto(cursor, CMPSChunk::kTrack, &items);
}

bool CMPSTrack::ConvertFromGDB(const CGDBTrack& source)
{
    for (const auto& track : source.items)
        items.push_back(TrackFromGDB(*track));
    return true;
}

bool CMPSTrack::ConvertFromEVO(const CEVOTrack& source)
{
    for (const EVOTrackRecord& track : source.items)
        items.push_back(TrackFromEVO(track));
    return true;
}
