#include "gps/gdb/GDBTrack.h"

#include "gps/GPSRecords.h"
#include "gps/GPSText.h"
#include "gps/mapsource/MPSDefinedValues.h"
#include "gps/mps/MPSTrack.h"
#include "platform/CodePage.h"

namespace {

bool ReadPoint(ByteCursor& cursor, GDBTrackPoint* point)
{
    if (!cursor.ReadInt32(&point->Latitude) || !cursor.ReadInt32(&point->Longitude)
        || !cursor.ReadOptionalDouble(&point->HeightDefined, &point->Height) || !cursor.ReadByte(&point->TimeDefined))
        return false;
    if (point->TimeDefined && !cursor.ReadInt32(&point->Time))
        return false;
    return cursor.ReadByte(&point->Unknown) && cursor.ReadOptionalDouble(&point->TempatureDefined, &point->Tempature);
}

void WritePoint(ByteWriter& out, const GDBTrackPoint& point)
{
    out.WriteInt32(point.Latitude);
    out.WriteInt32(point.Longitude);
    out.WriteByte(point.HeightDefined);
    if (point.HeightDefined)
        out.WriteDouble(point.Height);
    out.WriteByte(point.TimeDefined);
    if (point.TimeDefined)
        out.WriteInt32(point.Time);
    out.WriteByte(point.Unknown);
    out.WriteByte(point.TempatureDefined);
    if (point.TempatureDefined)
        out.WriteDouble(point.Tempature);
}

} // namespace

bool CGDBChunkTrack::ParsePoints(ByteCursor& cursor)
{
    int32_t count = 0;
    if (!cursor.ReadInt32(&count) || count < 0 || size_t(count) > cursor.remaining() / GDBTrackPoint::kMinSize)
        return false;
    points.clear();
    points.reserve(size_t(count));
    for (int32_t i = 0; i < count; ++i) {
        GDBTrackPoint point;
        if (!ReadPoint(cursor, &point))
            return false;
        points.push_back(point);
    }
    return true;
}

bool CGDBChunkTrack::Parse(CMPSChunk& read, int version)
{
    TakeOver(read);
    isUtf8 = version >= kFirstHasUrlVersion;
    ByteCursor cursor(payload());
    QByteArrayView name, url;
    if (!cursor.ReadCString(&name) || !cursor.ReadByte(&ShowOnGPS) || !cursor.ReadInt32(&Color)
        || !ParsePoints(cursor))
        return false;
    Name = name.toByteArray();
    if (version >= kFirstHasUrlVersion) {
        if (!cursor.ReadInt32(&HasURL))
            return false;
        if (HasURL == 0)
            return true;
    }
    if (!cursor.ReadCString(&url))
        return false;
    URL = url.toByteArray();
    return true;
}

void CGDBChunkTrack::BuildPayload()
{
    QByteArray bytes;
    bytes.reserve(qsizetype(Name.size() + kFixedSize + points.size() * GDBTrackPoint::kMaxSize));
    ByteWriter out(&bytes);
    out.WriteCString(Name);
    out.WriteByte(ShowOnGPS);
    out.WriteInt32(Color);
    out.WriteInt32(int32_t(points.size()));
    for (const GDBTrackPoint& point : points)
        WritePoint(out, point);
    out.WriteInt32(HasURL);
    if (HasURL)
        out.WriteCString(URL);
    SetPayload(kTrack, std::move(bytes));
}

std::unique_ptr<CGDBChunkTrack> CGDBChunkTrack::Rewritten() const
{
    auto copy = std::make_unique<CGDBChunkTrack>();
    copy->Name = isUtf8 ? Name : platform::ToUtf8(platform::FromAnsi(Name));
    copy->ShowOnGPS = ShowOnGPS;
    copy->Color = Color;
    copy->points = points;
    copy->URL = isUtf8 ? URL : platform::ToUtf8(platform::FromAnsi(URL));
    copy->HasURL = copy->URL.isEmpty() ? 0 : 1;
    copy->BuildPayload();
    return copy;
}

std::unique_ptr<CGDBChunkTrack> CGDBChunkTrack::ConvertFromMPS(const CMPSChunkTrack& source)
{
    auto track = std::make_unique<CGDBChunkTrack>();
    track->Name = platform::ToUtf8(gps::CutText(source.NameText(), GPSWayPointRecordW::kNameSize - 1));
    track->ShowOnGPS = source.ShowOnGPS;
    track->Color = source.Color;
    track->points.reserve(source.points.size());
    for (const MPSTrackPoint& from : source.points)
        gps::mapsource::CopyTrackPointValues(track->points.emplace_back(), from);
    return track;
}

QString CGDBChunkTrack::NameText() const
{
    return isUtf8 ? platform::FromUtf8(Name) : platform::FromAnsi(Name);
}

bool CGDBTrack::Read(ByteCursor& cursor, int version)
{
    return ReadRecordsInto(cursor, CMPSChunk::kTrack, &items, version);
}
