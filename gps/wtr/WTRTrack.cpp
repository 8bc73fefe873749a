#include "gps/wtr/WTRTrack.h"

#include "gps/wtr/WTRText.h"

bool WTRTrackPoint::Read(ByteCursor& cursor)
{
    if (cursor.remaining() < kSize)
        return false;
    return cursor.ReadInt32(&Latitude) && cursor.ReadInt32(&Longitude) && cursor.ReadUInt32(&Time)
        && cursor.ReadUInt32(&HeightBits) && cursor.ReadUInt32(&DepthBits) && cursor.ReadByte(&NewSegment);
}

void WTRTrackPoint::Write(ByteWriter& out) const
{
    out.WriteInt32(Latitude);
    out.WriteInt32(Longitude);
    out.WriteUInt32(Time);
    out.WriteUInt32(HeightBits);
    out.WriteUInt32(DepthBits);
    out.WriteByte(NewSegment);
}

// The header marker block, the track header, then points up to the next header or route
// marker; the data ending anywhere else fails.
bool WTRTrackRecord::Read(ByteCursor& cursor)
{
    if (!header.Read(cursor, WTRMarker::kHeader) || cursor.remaining() < kHeaderSize)
        return false;
    if (!cursor.ReadByte(&ShowOnGPS) || !cursor.ReadByte(&Held) || !gps::wtr::ReadName(cursor, kNameSize, &Name))
        return false;
    while (!WTRMarker::PeekIs(cursor, WTRMarker::kHeader) && !WTRMarker::PeekIs(cursor, WTRMarker::kRoute)) {
        WTRTrackPoint point;
        if (!point.Read(cursor))
            return false;
        points.push_back(point);
    }
    return true;
}

void WTRTrackRecord::Write(ByteWriter& out) const
{
    header.Write(out);
    out.WriteByte(ShowOnGPS);
    out.WriteByte(Held);
    gps::wtr::WriteName(out, kNameSize, Name);
    for (const WTRTrackPoint& point : points)
        point.Write(out);
}

bool CWTRTrack::Read(ByteCursor& cursor)
{
    if (!marker.Read(cursor, WTRMarker::kTrack))
        return false;
    while (!WTRMarker::PeekIs(cursor, WTRMarker::kRoute)) {
        WTRTrackRecord track;
        if (!track.Read(cursor))
            return false;
        items.push_back(std::move(track));
    }
    return true;
}

void CWTRTrack::Write(ByteWriter& out) const
{
    marker.Write(out);
    for (const WTRTrackRecord& track : items)
        track.Write(out);
}
