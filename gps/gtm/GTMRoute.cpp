#include "gps/gtm/GTMRoute.h"

#include <algorithm>

using namespace gps::gtm;

bool GTMRoutePoint::Parse(ByteCursor& c)
{
    return c.ReadDouble(&Latitude) && c.ReadDouble(&Longitude) && c.ReadBytes(Name.data(), Name.size(), true)
        && ReadString(c, &Comment) && ReadString(c, &RouteName) && c.ReadInt16(&Icon) && c.ReadByte(&Display)
        && c.ReadByte(&NewRoute) && c.ReadInt32(&Date) && c.ReadInt16(&RotateX10) && c.ReadFloat(&Height)
        && c.ReadInt16(&wlayer);
}

void GTMRoutePoint::Write(ByteWriter& out) const
{
    out.WriteDouble(Latitude);
    out.WriteDouble(Longitude);
    out.WriteBytes(QByteArrayView(Name.data(), qsizetype(Name.size())));
    WriteString(out, Comment);
    WriteString(out, RouteName);
    out.WriteInt16(Icon);
    out.WriteByte(Display);
    out.WriteByte(NewRoute);
    out.WriteInt32(Date);
    out.WriteInt16(RotateX10);
    out.WriteFloat(Height);
    out.WriteInt16(wlayer);
}

bool CGTMRoute::Read(ByteCursor& cursor, int32_t count)
{
    if (!ReadSection(cursor, count, &items))
        return false;
    routeCount_ = int(std::count_if(items.begin(), items.end(), [](const GTMRoutePoint& p) { return p.NewRoute; }));
    return true;
}

void CGTMRoute::Write(ByteWriter& out) const { WriteSection(out, items); }
