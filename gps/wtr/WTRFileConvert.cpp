#include "gps/evo/EVOFile.h"
#include "gps/GPSText.h"
#include "gps/wtr/WTRFile.h"

namespace {

const CEVOFile* AsEVO(const CGPSFile* source)
{
    return source && source->FormatCode() == CGPSFile::kEVO ? dynamic_cast<const CEVOFile*>(source) : nullptr;
}

// The one-byte segment flag of a 32-bit one: its low byte, but never 0 for a set flag.
uint8_t SegmentFlag(int32_t newSegment)
{
    const auto low = uint8_t(uint32_t(newSegment) & 0xFF);
    return newSegment != 0 && low == 0 ? 1 : low;
}

} // namespace

bool CWTRFile::CanConvertFrom(const CGPSFile* source) const { return AsEVO(source) != nullptr; }

int CWTRFile::ConvertFrom(const CGPSFile* source)
{
    const CEVOFile* evo = AsEVO(source);
    if (!evo)
        return 0;
    Clear();
    for (const EVOWayPointRecord& waypoint : evo->WayPoints().items)
        waypoints_.items.push_back(WayPointFromEVO(waypoint));
    for (const EVOTrackRecord& track : evo->Tracks().items)
        tracks_.items.push_back(WTRTrackRecord::ConvertFromEVO(track));
    return 1;
}

// Symbol, position and height; the name cut to what the field holds; every other byte zero.
WTRWayPointRecord CWTRFile::WayPointFromEVO(const EVOWayPointRecord& source)
{
    WTRWayPointRecord waypoint;
    waypoint.Icon = source.Symbol;
    waypoint.Latitude = source.Latitude;
    waypoint.Longitude = source.Longitude;
    waypoint.HeightBits = source.HeightBits;
    waypoint.Name = gps::CutAnsi(source.Identifier, WTRWayPointRecord::kNameLimit);
    return waypoint;
}

WTRTrackRecord WTRTrackRecord::ConvertFromEVO(const EVOTrackRecord& source)
{
    WTRTrackRecord track;
    track.header = WTRMarker::Written(WTRMarker::kHeader);
    track.ShowOnGPS = 1;
    track.Held = kConvertedHeld;
    track.Name = gps::CutAnsi(source.Name, kNameLimit);
    track.points.reserve(source.points.size());
    for (const EVOTrackPoint& from : source.points) {
        track.points.push_back({from.Latitude, from.Longitude, from.Time, from.HeightBits, from.DepthBits,
                                SegmentFlag(from.NewSegment)});
    }
    return track;
}
