#include "gps/gtm/GTMWayPoint.h"

#include "gps/GPSAngle.h"
#include "gps/GPSSymbols.h"
#include "gps/mps/MPSWayPoint.h"

using namespace gps::gtm;

bool GTMWayPointEntry::Parse(ByteCursor& c)
{
    return c.ReadDouble(&Latitude) && c.ReadDouble(&Longitude) && c.ReadBytes(Name.data(), Name.size(), true)
        && ReadString(c, &Comment) && c.ReadInt16(&Icon) && c.ReadByte(&Display) && c.ReadInt32(&Date)
        && c.ReadInt16(&RotateX10) && c.ReadFloat(&Height) && c.ReadInt16(&wlayer);
}

void GTMWayPointEntry::Write(ByteWriter& out) const
{
    out.WriteDouble(Latitude);
    out.WriteDouble(Longitude);
    out.WriteBytes(QByteArrayView(Name.data(), qsizetype(Name.size())));
    WriteString(out, Comment);
    out.WriteInt16(Icon);
    out.WriteByte(Display);
    out.WriteInt32(Date);
    out.WriteInt16(RotateX10);
    out.WriteFloat(Height);
    out.WriteInt16(wlayer);
}

int16_t GTMWayPointEntry::IconFromMPS(int16_t mpsSymbol)
{
    const std::optional<int16_t> gtm = GPSSymbols::GTMCodeOfMPS(mpsSymbol);
    if (!gtm)
        return mpsSymbol;
    return *gtm == 0 && mpsSymbol != 0 ? kDefaultIcon : *gtm;
}

// MapSource display modes 0, 1, 2 (symbol and name, symbol, symbol and description) as GPS
// TrackMaker's 2, 1, 3; anything else as 1.
uint8_t GTMWayPointEntry::DisplayFromMPS(int32_t display)
{
    switch (display) {
    case 0: return 2;
    case 2: return 3;
    default: return 1;
    }
}

GTMWayPointEntry GTMWayPointEntry::ConvertFromMPS(const CMPSChunkWayPoint& source)
{
    GTMWayPointEntry waypoint;
    waypoint.Latitude = GPSAngle::ToDegrees(source.Latitude);
    waypoint.Longitude = GPSAngle::ToDegrees(source.Longitude);
    waypoint.Name = MakeName(source.Name);
    waypoint.Comment = source.Description;
    waypoint.Icon = IconFromMPS(source.Icon);
    waypoint.Display = DisplayFromMPS(source.Display);
    waypoint.Height = source.HeightDefined ? HeightField(source.Height) : 0.0f;
    return waypoint;
}

bool CGTMWayPoint::Read(ByteCursor& cursor, int32_t count) { return ReadSection(cursor, count, &items); }

void CGTMWayPoint::Write(ByteWriter& out) const
{
    const auto highFirst = [](const GTMWayPointEntry& waypoint) { return uint8_t(waypoint.Name[0]) >= 0x80; };
    for (bool high : {true, false}) {
        for (const GTMWayPointEntry& waypoint : items) {
            if (highFirst(waypoint) == high)
                waypoint.Write(out);
        }
    }
}
