#include "gps/wtr/WTRWayPoint.h"

#include "gps/wtr/WTRText.h"

namespace {

QByteArrayView View(const uint8_t* bytes, size_t n) { return QByteArrayView(reinterpret_cast<const char*>(bytes), qsizetype(n)); }

} // namespace

bool WTRWayPointRecord::Read(ByteCursor& cursor)
{
    if (cursor.remaining() < kSize)
        return false;
    return gps::wtr::ReadName(cursor, kNameSize, &Name) && cursor.ReadInt32(&Latitude)
        && cursor.ReadInt32(&Longitude) && cursor.ReadUInt32(&HeightBits)
        && cursor.ReadBytes(Held.data(), kHeldSize, true) && cursor.ReadInt16(&Icon)
        && cursor.ReadBytes(Tail.data(), kTailSize, true);
}

void WTRWayPointRecord::Write(ByteWriter& out) const
{
    gps::wtr::WriteName(out, kNameSize, Name);
    out.WriteInt32(Latitude);
    out.WriteInt32(Longitude);
    out.WriteUInt32(HeightBits);
    out.WriteBytes(View(Held.data(), kHeldSize));
    out.WriteInt16(Icon);
    out.WriteBytes(View(Tail.data(), kTailSize));
}

bool CWTRWayPoint::Read(ByteCursor& cursor)
{
    if (!marker.Read(cursor, WTRMarker::kWayPoint))
        return false;
    while (!WTRMarker::PeekIs(cursor, WTRMarker::kTrack)) {
        WTRWayPointRecord record;
        if (!record.Read(cursor))
            return false;
        items.push_back(std::move(record));
    }
    return true;
}

void CWTRWayPoint::Write(ByteWriter& out) const
{
    marker.Write(out);
    for (const WTRWayPointRecord& record : items)
        record.Write(out);
}
