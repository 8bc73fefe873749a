#include "gps/gtm/GTMHeader.h"

bool CGTMHeader::Parse(ByteCursor& cursor)
{
    ByteCursor probe = cursor;
    if (probe.remaining() < kSize || !ParseBytes(probe))
        return false;
    if (QByteArrayView(ID.data(), qsizetype(kIdSize)) != kId)
        return false;
    cursor = probe;
    return true;
}

bool CGTMHeader::ParseBytes(ByteCursor& c)
{
    return c.ReadInt16(&Version) && c.ReadBytes(ID.data(), kIdSize, true) && c.ReadByte(&DrawThickLine)
        && c.ReadByte(&vwt) && c.ReadByte(&GridFontSize) && c.ReadByte(&wptnum) && c.ReadByte(&usernum)
        && c.ReadByte(&IconColor) && c.ReadByte(&Datum) && c.ReadInt32(&GridColor) && c.ReadInt32(&BackgroundColor)
        && c.ReadInt32(&WaypointStyles) && c.ReadInt32(&TextColor) && c.ReadInt32(&Waypoints)
        && c.ReadInt32(&TrackPoints) && c.ReadInt32(&RoutePoints) && c.ReadFloat(&MaxLongitude)
        && c.ReadFloat(&MinLongitude) && c.ReadFloat(&MaxLatitude) && c.ReadFloat(&MinLatitude)
        && c.ReadInt32(&MapImages) && c.ReadInt32(&Tracks) && c.ReadFloat(&Layers) && c.ReadFloat(&iconnum)
        && c.ReadInt16(&RectCoord) && c.ReadInt16(&TrueGridMode) && c.ReadInt16(&wptsublin)
        && c.ReadInt16(&wpttachado) && c.ReadInt16(&usernegrit) && c.ReadInt16(&useritalic)
        && c.ReadInt16(&usersublin) && c.ReadInt16(&usertachado) && c.ReadInt16(&HasMap) && c.ReadInt16(&reserval);
}

bool CGTMHeader::ParseStrings(ByteCursor& cursor)
{
    using gps::gtm::ReadString;
    return ReadString(cursor, &GridFont) && ReadString(cursor, &WayPointFont) && ReadString(cursor, &UserFont)
        && ReadString(cursor, &NewDatum);
}

void CGTMHeader::WriteBytes(ByteWriter& out) const
{
    out.WriteInt16(Version);
    out.WriteBytes(QByteArrayView(ID.data(), qsizetype(kIdSize)));
    for (uint8_t value : {DrawThickLine, vwt, GridFontSize, wptnum, usernum, IconColor, Datum})
        out.WriteByte(value);
    for (int32_t value : {GridColor, BackgroundColor, WaypointStyles, TextColor, Waypoints, TrackPoints, RoutePoints})
        out.WriteInt32(value);
    for (float value : {MaxLongitude, MinLongitude, MaxLatitude, MinLatitude})
        out.WriteFloat(value);
    out.WriteInt32(MapImages);
    out.WriteInt32(Tracks);
    out.WriteFloat(Layers);
    out.WriteFloat(iconnum);
    for (int16_t value : {RectCoord, TrueGridMode, wptsublin, wpttachado, usernegrit, useritalic, usersublin,
                          usertachado, HasMap, reserval})
        out.WriteInt16(value);
}

void CGTMHeader::Write(ByteWriter& out) const
{
    WriteBytes(out);
    for (const QByteArray* text : {&GridFont, &WayPointFont, &UserFont, &NewDatum})
        gps::gtm::WriteString(out, *text);
}
