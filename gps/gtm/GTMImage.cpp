#include "gps/gtm/GTMImage.h"

#include "gps/gtm/GTMSection.h"

using namespace gps::gtm;

bool GTMMapImage::Parse(ByteCursor& c)
{
    return ReadString(c, &MapName) && ReadString(c, &Comment) && c.ReadFloat(&gposx) && c.ReadFloat(&gposy)
        && c.ReadFloat(&gwidth) && c.ReadFloat(&gheight) && c.ReadInt32(&ImageSize) && c.ReadFloat(&metax)
        && c.ReadFloat(&metay) && c.ReadByte(&metamapa) && c.ReadByte(&tnum);
}

void GTMMapImage::Write(ByteWriter& out) const
{
    WriteString(out, MapName);
    WriteString(out, Comment);
    for (float value : {gposx, gposy, gwidth, gheight})
        out.WriteFloat(value);
    out.WriteInt32(ImageSize);
    out.WriteFloat(metax);
    out.WriteFloat(metay);
    out.WriteByte(metamapa);
    out.WriteByte(tnum);
}

bool CGTMImage::Read(ByteCursor& cursor, int32_t count) { return ReadSection(cursor, count, &items); }
void CGTMImage::Write(ByteWriter& out) const { WriteSection(out, items); }
