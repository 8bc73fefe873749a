#include "gps/evo/EVOHeader.h"

#include <QtEndian>

namespace {

uint32_t CountAt(const std::array<uint8_t, CEVOHeader::kSize>& bytes, size_t at)
{
    return qFromLittleEndian<uint32_t>(bytes.data() + at);
}

void SetCountAt(std::array<uint8_t, CEVOHeader::kSize>& bytes, size_t at, uint32_t value)
{
    qToLittleEndian<uint32_t>(value, bytes.data() + at);
}

} // namespace

uint32_t CEVOHeader::WayPointCount() const { return CountAt(bytes, kWayPointCountAt); }
uint32_t CEVOHeader::TrackCount() const { return CountAt(bytes, kTrackCountAt); }
uint32_t CEVOHeader::RouteCount() const { return CountAt(bytes, kRouteCountAt); }

void CEVOHeader::SetCounts(uint32_t waypoints, uint32_t tracks, uint32_t routes)
{
    SetCountAt(bytes, kWayPointCountAt, waypoints);
    SetCountAt(bytes, kTrackCountAt, tracks);
    SetCountAt(bytes, kRouteCountAt, routes);
}
