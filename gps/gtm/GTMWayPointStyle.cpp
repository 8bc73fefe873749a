#include "gps/gtm/GTMWayPointStyle.h"

#include "gps/gtm/GTMHeader.h"
#include "gps/gtm/GTMSection.h"

using namespace gps::gtm;

bool GTMWayPointStyleEntry::Parse(ByteCursor& c)
{
    return c.ReadInt32(&Height) && ReadString(c, &FaceName) && c.ReadByte(&Display) && c.ReadInt32(&Color)
        && c.ReadInt32(&Weight) && c.ReadFloat(&scale1) && c.ReadByte(&border) && c.ReadInt16(&background)
        && c.ReadInt32(&BackgroundColor) && c.ReadByte(&italic) && c.ReadByte(&underline) && c.ReadByte(&strikeout)
        && c.ReadByte(&alignment);
}

void GTMWayPointStyleEntry::Write(ByteWriter& out) const
{
    out.WriteInt32(Height);
    WriteString(out, FaceName);
    out.WriteByte(Display);
    out.WriteInt32(Color);
    out.WriteInt32(Weight);
    out.WriteFloat(scale1);
    out.WriteByte(border);
    out.WriteInt16(background);
    out.WriteInt32(BackgroundColor);
    for (uint8_t value : {italic, underline, strikeout, alignment})
        out.WriteByte(value);
}

bool CGTMWayPointStyle::Read(ByteCursor& cursor, int32_t count) { return ReadSection(cursor, count, &items); }
void CGTMWayPointStyle::Write(ByteWriter& out) const { WriteSection(out, items); }

void CGTMWayPointStyle::MakeWritten()
{
    items.assign(kWrittenCount, GTMWayPointStyleEntry{});
    for (int i = 0; i < kWrittenCount; ++i) {
        GTMWayPointStyleEntry& style = items[size_t(i)];
        style.Height = kWrittenHeight;
        style.FaceName = CGTMHeader::kWrittenGridFont.toByteArray();
        style.Display = uint8_t(i);
        style.Weight = kWrittenWeight;
    }
    GTMWayPointStyleEntry& framed = items.back();
    framed.border = kFramedBorder;
    framed.background = kFramedBackground;
    framed.BackgroundColor = kFramedBackgroundColor;
    framed.alignment = kFramedAlignment;
}
