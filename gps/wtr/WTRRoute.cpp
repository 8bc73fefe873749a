#include "gps/wtr/WTRRoute.h"

#include "gps/wtr/WTRText.h"

bool WTRRoutePoint::Read(ByteCursor& cursor)
{
    if (cursor.remaining() < kSize)
        return false;
    return cursor.ReadBytes(Head.data(), kHeadSize, true) && cursor.ReadInt16(&Icon)
        && cursor.ReadBytes(Middle.data(), kMiddleSize, true) && cursor.ReadInt32(&Latitude)
        && cursor.ReadInt32(&Longitude) && cursor.ReadUInt32(&HeightBits)
        && cursor.ReadBytes(Tail.data(), kTailSize, true) && gps::wtr::ReadName(cursor, kNameSize, &Name);
}

// The header marker block, the name, then points up to the next header marker; fewer than a
// marker block's bytes left after a point end the route too (they are ignored).
bool WTRRouteRecord::Read(ByteCursor& cursor)
{
    if (!header.Read(cursor, WTRMarker::kHeader) || !gps::wtr::ReadName(cursor, kNameSize, &Name))
        return false;
    while (cursor.remaining() >= WTRMarker::kBlockSize && !WTRMarker::PeekIs(cursor, WTRMarker::kHeader)) {
        WTRRoutePoint point;
        if (!point.Read(cursor))
            return false;
        points.push_back(std::move(point));
    }
    return true;
}

bool CWTRRoute::Read(ByteCursor& cursor)
{
    if (!marker.Read(cursor, WTRMarker::kRoute))
        return false;
    while (cursor.remaining() >= WTRMarker::kBlockSize) {
        WTRRouteRecord route;
        if (!route.Read(cursor))
            return false;
        items.push_back(std::move(route));
    }
    return true;
}
