#include "gps/mapsource/MPSChunk.h"

#include "gps/GPSTreeWriters.h"
#include "gps/mapsource/MapSourceTree.h"

#include <algorithm>

CMPSChunk::~CMPSChunk() = default;

GPSTreeItem CMPSChunk::FillTree(IGPSInspectionTree* tree, GPSTreeItem parent)
{
    const GPSTreeItem item = tree->InsertItem(gps::mapsource::RecordCaption("Chunk", *this), parent);
    gps::TreeAddBytes(tree, item, "Bytes", QByteArrayView(payload_).first(std::min(payload_.size(), kTreeBytes)));
    return item;
}

bool CMPSChunk::Peek(const ByteCursor& cursor, uint32_t* length, char* type)
{
    ByteCursor probe = cursor;
    uint8_t letter = 0;
    if (!probe.ReadUInt32(length) || !probe.ReadByte(&letter))
        return false;
    *type = char(letter);
    return true;
}

bool CMPSChunk::Read(ByteCursor& cursor)
{
    uint32_t length = 0;
    char type = 0;
    if (!Peek(cursor, &length, &type) || length == 0 || length > cursor.remaining() - kFrameSize)
        return false;
    cursor.Skip(kFrameSize);
    QByteArrayView payload;
    cursor.ReadView(length, &payload);
    length_ = length;
    type_ = type;
    payload_ = payload.toByteArray();
    return true;
}

void CMPSChunk::FreeData()
{
    payload_ = QByteArray();
    length_ = 0;
}

void CMPSChunk::Write(ByteWriter& out) const
{
    out.WriteUInt32(uint32_t(payload_.size()));
    out.WriteByte(uint8_t(type_));
    out.WriteBytes(payload_);
}

void CMPSChunk::TakeOver(CMPSChunk& read)
{
    length_ = read.length_;
    type_ = read.type_;
    payload_ = std::move(read.payload_);
    read.FreeData();
}

void CMPSChunk::SetPayload(char type, QByteArray payload)
{
    type_ = type;
    length_ = uint32_t(payload.size());
    payload_ = std::move(payload);
}

bool ReadRecordList(ByteCursor& cursor, char type, const std::function<bool(CMPSChunk&)>& parse)
{
    uint32_t length = 0;
    char next = 0;
    while (CMPSChunk::Peek(cursor, &length, &next)) {
        if (length == 0 || length > cursor.remaining() - CMPSChunk::kFrameSize || next != type)
            return true;
        CMPSChunk raw;
        raw.Read(cursor);
        if (!parse(raw))
            return false;
    }
    return true;
}
