#include "gps/mapsource/MPSChunkHeader.h"

#include "gps/GPSTreeWriters.h"
#include "gps/mapsource/MapSourceTree.h"

namespace {

QString VersionText(int version, int divisor)
{
    return QStringLiteral("Version = ") + QString::number(version / divisor) + u'.'
        + QString::number(version % divisor);
}

} // namespace

GPSTreeItem CMPSChunkHeader44::FillTree(IGPSInspectionTree* tree, GPSTreeItem parent)
{
    const GPSTreeItem item = tree->InsertItem(gps::mapsource::RecordCaption("Header1", *this), parent);
    gps::TreeAddText(tree, item, VersionText(version_, kVersionDivisor));
    tree->Expand(item);
    return item;
}

GPSTreeItem CMPSChunkHeader41::FillTree(IGPSInspectionTree* tree, GPSTreeItem parent)
{
    const GPSTreeItem item = tree->InsertItem(gps::mapsource::RecordCaption("Header2", *this), parent);
    gps::TreeAddText(tree, item, VersionText(version_, kVersionDivisor));
    for (const QByteArray* text : {&product_, &first_, &second_}) {
        if (!text->isEmpty())
            gps::TreeAddText(tree, item, gps::AnsiText(*text));
    }
    tree->Expand(item);
    return item;
}

bool CMPSChunkHeader44::Parse(CMPSChunk& read)
{
    if (read.type() != kHeader44)
        return false;
    TakeOver(read);
    ByteCursor cursor(payload());
    return cursor.ReadInt16(&version_);
}

void CMPSChunkHeader44::Clear()
{
    FreeData();
    version_ = 0;
}

void CMPSChunkHeader44::Write(ByteWriter& out, int16_t version)
{
    out.WriteUInt32(kVersionSize);
    out.WriteByte(uint8_t(kHeader44));
    out.WriteInt16(version ? version : kDefaultVersion);
}

bool CMPSChunkHeader41::Parse(CMPSChunk& read)
{
    if (read.type() != kHeader41)
        return false;
    TakeOver(read);
    ByteCursor cursor(payload());
    QByteArrayView product, first, second;
    if (!cursor.ReadInt16(&version_) || !cursor.ReadCString(&product) || !cursor.ReadCString(&first)
        || !cursor.ReadCString(&second))
        return false;
    product_ = product.toByteArray();
    first_ = first.toByteArray();
    second_ = second.toByteArray();
    return true;
}

void CMPSChunkHeader41::Clear()
{
    FreeData();
    version_ = 0;
    product_.clear();
    first_.clear();
    second_.clear();
}

void CMPSChunkHeader41::Write(ByteWriter& out, int16_t version) const
{
    QByteArray payload;
    ByteWriter fields(&payload);
    fields.WriteInt16(version ? version : kDefaultVersion);
    fields.WriteCString(kProduct);
    fields.WriteCString(first_);
    fields.WriteCString(second_);
    out.WriteUInt32(uint32_t(payload.size()));
    out.WriteByte(uint8_t(kHeader41));
    out.WriteBytes(payload);
}
