#include "gps/gtm/GTMTrackStyle.h"

#include "gps/gtm/GTMSection.h"

#include <iterator>

using namespace gps::gtm;

bool GTMTrackStyleEntry::Parse(ByteCursor& c)
{
    return ReadString(c, &Name) && c.ReadByte(&Type) && c.ReadInt32(&Color) && c.ReadFloat(&tscale)
        && c.ReadByte(&tlabel) && c.ReadInt16(&tlayer);
}

void GTMTrackStyleEntry::Write(ByteWriter& out) const
{
    WriteString(out, Name);
    out.WriteByte(Type);
    out.WriteInt32(Color);
    out.WriteFloat(tscale);
    out.WriteByte(tlabel);
    out.WriteInt16(tlayer);
}

bool CGTMTrackStyle::Read(ByteCursor& cursor, int32_t count) { return ReadSection(cursor, count, &items); }
void CGTMTrackStyle::Write(ByteWriter& out) const { WriteSection(out, items); }

QByteArrayView CGTMTrackStyle::NameOf(int index) const
{
    return index >= 0 && index < count() ? QByteArrayView(items[size_t(index)].Name) : QByteArrayView();
}

void CGTMTrackStyle::AddWritten(const QByteArray& name, int index)
{
    GTMTrackStyleEntry style;
    style.Name = name;
    style.Type = kWrittenType;
    style.Color = kWrittenColors[size_t(index) % std::size(kWrittenColors)];
    items.push_back(style);
}
