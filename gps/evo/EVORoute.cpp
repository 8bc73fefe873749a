#include "gps/evo/EVORoute.h"

bool EVORouteRecord::Read(ByteCursor& cursor)
{
    int32_t count = 0;
    if (!cursor.ReadBytes(Held.data(), kHeldSize, true) || !gps::evo::ReadText(cursor, kNameLimit, &Name)
        || !cursor.ReadInt32(&count) || count < 0
        || !gps::evo::CountFits(uint64_t(count), EVOWayPointRecord::kMinSize, cursor))
        return false;
    points.assign(size_t(count), EVORoutePoint());
    for (size_t i = 0; i < points.size(); ++i) {
        EVORoutePoint& point = points[i];
        if (!point.point.Read(cursor, EVOWayPointRecord::kRouteIdentifierLimit))
            return false;
        // Every point but the route's last is followed by its link block.
        if (i + 1 < points.size() && !cursor.ReadBytes(point.Link.data(), EVORoutePoint::kLinkSize, true))
            return false;
    }
    return true;
}

bool CEVORoute::Read(ByteCursor& cursor, uint32_t count)
{
    if (!gps::evo::CountFits(count, EVORouteRecord::kMinSize, cursor))
        return false;
    items.assign(count, EVORouteRecord());
    for (EVORouteRecord& record : items) {
        if (!record.Read(cursor))
            return false;
    }
    return true;
}
