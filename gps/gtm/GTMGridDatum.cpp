#include "gps/gtm/GTMGridDatum.h"

bool CGTMGridDatum::Parse(ByteCursor& cursor)
{
    ByteCursor c = cursor;
    if (c.remaining() < kSize)
        return false;
    if (!(c.ReadInt16(&Grid) && c.ReadDouble(&origin) && c.ReadDouble(&falseeast) && c.ReadDouble(&scale1)
          && c.ReadDouble(&falsenorthing) && c.ReadInt16(&Datum) && c.ReadDouble(&axis) && c.ReadDouble(&flatenig)
          && c.ReadInt16(&dx) && c.ReadInt16(&dy) && c.ReadInt16(&dz)))
        return false;
    cursor = c;
    return true;
}

void CGTMGridDatum::Write(ByteWriter& out) const
{
    out.WriteInt16(Grid);
    for (double value : {origin, falseeast, scale1, falsenorthing})
        out.WriteDouble(value);
    out.WriteInt16(Datum);
    out.WriteDouble(axis);
    out.WriteDouble(flatenig);
    for (int16_t value : {dx, dy, dz})
        out.WriteInt16(value);
}
