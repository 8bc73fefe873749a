#include "gps/evo/EVOTrack.h"

#include "gps/evo/EVOWayPoint.h"

bool EVOTrackPoint::Read(ByteCursor& cursor)
{
    if (cursor.remaining() < kSize)
        return false;
    cursor.ReadInt32(&Latitude);
    cursor.ReadInt32(&Longitude);
    cursor.ReadUInt32(&Time);
    cursor.ReadUInt32(&HeightBits);
    cursor.ReadUInt32(&DepthBits);
    cursor.ReadInt32(&NewSegment);
    return true;
}

void EVOTrackPoint::Write(ByteWriter& out) const
{
    out.WriteInt32(Latitude);
    out.WriteInt32(Longitude);
    out.WriteUInt32(Time);
    out.WriteUInt32(HeightBits);
    out.WriteUInt32(DepthBits);
    out.WriteInt32(NewSegment);
}

bool EVOTrackRecord::Read(ByteCursor& cursor)
{
    int32_t count = 0;
    if (!cursor.ReadInt16(&Held) || !gps::evo::ReadText(cursor, kNameLimit, &Name) || !cursor.ReadInt32(&count)
        || count < 0 || !gps::evo::CountFits(uint64_t(count), EVOTrackPoint::kSize, cursor))
        return false;
    points.assign(size_t(count), EVOTrackPoint());
    for (EVOTrackPoint& point : points)
        point.Read(cursor);
    return true;
}

void EVOTrackRecord::Write(ByteWriter& out) const
{
    out.WriteInt16(Held);
    gps::evo::WriteText(out, Name);
    out.WriteInt32(int32_t(points.size()));
    for (const EVOTrackPoint& point : points)
        point.Write(out);
}

bool CEVOTrack::Read(ByteCursor& cursor, uint32_t count)
{
    if (!gps::evo::CountFits(count, EVOTrackRecord::kMinSize, cursor))
        return false;
    items.assign(count, EVOTrackRecord());
    for (EVOTrackRecord& record : items) {
        if (!record.Read(cursor))
            return false;
    }
    return true;
}

void CEVOTrack::Write(ByteWriter& out) const
{
    for (const EVOTrackRecord& record : items)
        record.Write(out);
}
