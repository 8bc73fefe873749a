#include "gps/evo/EVOWayPoint.h"

#include "gps/GPSFloat.h"
#include "gps/GPSText.h"

#include <algorithm>

namespace gps::evo {

bool ReadText(ByteCursor& cursor, int limit, QByteArray* text)
{
    const QByteArrayView rest = cursor.rest();
    const qsizetype end = rest.indexOf(EVOWayPointRecord::kTextEnd);
    if (end < 0)
        return false;
    *text = CutAnsi(rest.first(end), limit);
    return cursor.Skip(size_t(end) + 1);
}

void WriteText(ByteWriter& out, QByteArrayView text)
{
    out.WriteBytes(text);
    out.WriteByte(uint8_t(EVOWayPointRecord::kTextEnd));
}

QByteArray TextForField(QByteArrayView text, int limit)
{
    QByteArray line = text.toByteArray();
    line.replace(EVOWayPointRecord::kTextEnd, ' ');
    return CutAnsi(line, limit);
}

bool CountFits(uint64_t count, size_t minSize, const ByteCursor& cursor)
{
    // Both factors stay below 2^32, so the product cannot wrap in 64 bits.
    return count <= UINT32_MAX && count * uint64_t(minSize) <= uint64_t(cursor.remaining());
}

} // namespace gps::evo

EVOWayPointRecord EVOWayPointRecord::Converted()
{
    constexpr size_t kZeroBytes = 6; // of the middle block; three int32 -1 follow
    EVOWayPointRecord record;
    record.Head = kConvertedHead;
    std::fill(record.Middle.begin() + kZeroBytes, record.Middle.end(), uint8_t(0xFF));
    record.OpaqueFloatBits = gps::kUndefinedFloatBits;
    record.Tail = kConvertedTail;
    return record;
}

bool EVOWayPointRecord::Read(ByteCursor& cursor, int identifierLimit)
{
    if (cursor.remaining() < kFixedSize)
        return false;
    cursor.ReadBytes(Head.data(), kHeadSize, true);
    cursor.ReadInt16(&Symbol);
    cursor.ReadBytes(Middle.data(), kMiddleSize, true);
    cursor.ReadInt32(&Latitude);
    cursor.ReadInt32(&Longitude);
    cursor.ReadUInt32(&HeightBits);
    cursor.ReadUInt32(&DepthBits);
    cursor.ReadUInt32(&OpaqueFloatBits);
    cursor.ReadBytes(Tail.data(), kTailSize, true);
    if (!gps::evo::ReadText(cursor, identifierLimit, &Identifier)
        || !gps::evo::ReadText(cursor, kCommentLimit, &Comment))
        return false;
    for (QByteArray& text : ShortTexts) {
        if (!gps::evo::ReadText(cursor, kShortTextLimit, &text))
            return false;
    }
    return true;
}

void EVOWayPointRecord::Write(ByteWriter& out) const
{
    out.WriteBytes(QByteArrayView(Head.data(), kHeadSize));
    out.WriteInt16(Symbol);
    out.WriteBytes(QByteArrayView(Middle.data(), kMiddleSize));
    out.WriteInt32(Latitude);
    out.WriteInt32(Longitude);
    out.WriteUInt32(HeightBits);
    out.WriteUInt32(DepthBits);
    out.WriteUInt32(OpaqueFloatBits);
    out.WriteBytes(QByteArrayView(Tail.data(), kTailSize));
    gps::evo::WriteText(out, Identifier);
    gps::evo::WriteText(out, Comment);
    for (const QByteArray& text : ShortTexts)
        gps::evo::WriteText(out, text);
}

bool CEVOWayPoint::Read(ByteCursor& cursor, uint32_t count)
{
    if (!gps::evo::CountFits(count, EVOWayPointRecord::kMinSize, cursor))
        return false;
    items.assign(count, EVOWayPointRecord());
    for (EVOWayPointRecord& record : items) {
        if (!record.Read(cursor, EVOWayPointRecord::kIdentifierLimit))
            return false;
    }
    return true;
}

void CEVOWayPoint::Write(ByteWriter& out) const
{
    for (const EVOWayPointRecord& record : items)
        record.Write(out);
}
