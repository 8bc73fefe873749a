// Conversion of WTR and MPS files into an EVO file.
#include "gps/evo/EVOFile.h"

#include "gps/GPSDate.h"
#include "gps/GPSFloat.h"
#include "gps/GPSSymbols.h"
#include "gps/mps/MPSFile.h"
#include "gps/wtr/WTRFile.h"

#include <cfloat>
#include <cmath>

namespace {

constexpr int16_t kSymbolTheDeviceLacks = 18; // the device's plain waypoint

const CWTRFile* AsWTR(const CGPSFile* source)
{
    return source && source->FormatCode() == CGPSFile::kWTR ? dynamic_cast<const CWTRFile*>(source) : nullptr;
}

const CMPSFile* AsMPS(const CGPSFile* source)
{
    return source && source->FormatCode() == CGPSFile::kMPS ? dynamic_cast<const CMPSFile*>(source) : nullptr;
}

// An MPS height or depth as EVO float bits: the missing pattern when the defined byte is clear
// or no float holds the value.
uint32_t FloatBitsOfMPS(uint8_t defined, double value)
{
    if (!defined || !std::isfinite(value) || std::fabs(value) > double(FLT_MAX))
        return gps::kUndefinedFloatBits;
    return gps::BitsOfFloat(float(value));
}

// An MPS time (seconds since 1970 UTC) as an EVO stamp: turned into Taiwan's date and back in
// the EVO epoch. A time not defined, or outside what a stamp holds, gives the invalid stamp.
uint32_t StampOfMPS(uint8_t defined, int32_t time)
{
    if (!defined || time < 0)
        return gps::kInvalidTimeStamp;
    GPSDate date;
    int64_t seconds = 0;
    if (!gps::SecondsToLocalTime(uint32_t(time), &date, CGPSFile::kMPS, true)
        || !gps::LocalTimeToSeconds(date, &seconds, CGPSFile::kEVO) || seconds < 0
        || seconds >= int64_t(gps::kInvalidTimeStamp))
        return gps::kInvalidTimeStamp;
    return uint32_t(seconds);
}

} // namespace

int16_t CEVOFile::SymbolFromMPS(int16_t mpsCode)
{
    const std::optional<int16_t> device = GPSSymbols::DeviceCodeOfMPS(mpsCode);
    if (!device)
        return mpsCode;
    return *device == 0 && mpsCode != 0 ? kSymbolTheDeviceLacks : *device;
}

EVOWayPointRecord CEVOFile::WayPointFromWTR(const WTRWayPointRecord& source)
{
    EVOWayPointRecord waypoint = EVOWayPointRecord::Converted();
    waypoint.Symbol = source.Icon;
    waypoint.Latitude = source.Latitude;
    waypoint.Longitude = source.Longitude;
    waypoint.HeightBits = source.HeightBits;
    waypoint.Identifier = gps::evo::TextForField(source.Name, EVOWayPointRecord::kIdentifierLimit);
    return waypoint;
}

EVOWayPointRecord CEVOFile::WayPointFromMPS(const CMPSChunkWayPoint& source)
{
    EVOWayPointRecord waypoint = EVOWayPointRecord::Converted();
    waypoint.Symbol = SymbolFromMPS(source.Icon);
    waypoint.Latitude = source.Latitude;
    waypoint.Longitude = source.Longitude;
    waypoint.HeightBits = FloatBitsOfMPS(source.HeightDefined, source.Height);
    waypoint.DepthBits = FloatBitsOfMPS(source.DepthDefined, source.Depth);
    waypoint.Identifier = gps::evo::TextForField(source.Name, EVOWayPointRecord::kIdentifierLimit);
    waypoint.Comment = gps::evo::TextForField(source.Description, EVOWayPointRecord::kCommentLimit);
    return waypoint;
}

EVOTrackRecord EVOTrackRecord::ConvertFromWTR(const WTRTrackRecord& source)
{
    EVOTrackRecord track;
    track.Name = gps::evo::TextForField(source.Name, kNameLimit);
    track.points.reserve(source.points.size());
    for (const WTRTrackPoint& from : source.points) {
        track.points.push_back({from.Latitude, from.Longitude, from.Time, from.HeightBits, from.DepthBits,
                                int32_t(from.NewSegment)});
    }
    return track;
}

EVOTrackRecord EVOTrackRecord::ConvertFromMPS(const CMPSChunkTrack& source)
{
    EVOTrackRecord track;
    track.Name = gps::evo::TextForField(source.Name, kNameLimit);
    track.points.reserve(source.points.size());
    for (const MPSTrackPoint& from : source.points) {
        const int32_t newSegment = track.points.empty() ? 1 : 0;
        track.points.push_back({from.Latitude, from.Longitude, StampOfMPS(from.TimeDefined, from.Time),
                                FloatBitsOfMPS(from.HeightDefined, from.Height), gps::kUndefinedFloatBits,
                                newSegment});
    }
    return track;
}

bool CEVOFile::CanConvertFrom(const CGPSFile* source) const { return AsWTR(source) || AsMPS(source); }

int CEVOFile::ConvertFrom(const CGPSFile* source)
{
    if (const CWTRFile* wtr = AsWTR(source))
        ConvertFromWTR(*wtr);
    else if (const CMPSFile* mps = AsMPS(source))
        ConvertFromMPS(*mps);
    else
        return 0;
    UpdateCounts();
    return 1;
}

void CEVOFile::ConvertFromWTR(const CWTRFile& source)
{
    Clear();
    for (const WTRWayPointRecord& from : source.WayPoints().items)
        waypoints_.items.push_back(WayPointFromWTR(from));
    for (const WTRTrackRecord& from : source.Tracks().items)
        tracks_.items.push_back(EVOTrackRecord::ConvertFromWTR(from));
}

void CEVOFile::ConvertFromMPS(const CMPSFile& source)
{
    Clear();
    for (const auto& from : source.WayPoints().items)
        waypoints_.items.push_back(WayPointFromMPS(*from));
    for (const auto& from : source.Tracks().items)
        tracks_.items.push_back(EVOTrackRecord::ConvertFromMPS(*from));
}

int CEVOFile::AddWayPointFrom(const CGPSFile* source, int index, const char* prefix)
{
    EVOWayPointRecord waypoint;
    QByteArray name;
    if (const CWTRFile* wtr = AsWTR(source); wtr && index >= 0 && index < wtr->GetWayPointCount()) {
        const WTRWayPointRecord& from = wtr->WayPoints().items[size_t(index)];
        waypoint = WayPointFromWTR(from);
        name = from.Name;
    } else if (const CMPSFile* mps = AsMPS(source); mps && index >= 0 && index < mps->GetWayPointCount()) {
        const CMPSChunkWayPoint& from = *mps->WayPoints().items[size_t(index)];
        waypoint = WayPointFromMPS(from);
        name = from.Name;
    } else {
        return 0;
    }
    if (prefix)
        waypoint.Identifier = gps::evo::TextForField(QByteArray(prefix) + '-' + name, EVOWayPointRecord::kIdentifierLimit);
    waypoints_.items.push_back(std::move(waypoint));
    UpdateCounts();
    return 1;
}
