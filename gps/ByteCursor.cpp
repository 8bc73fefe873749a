#include "gps/ByteCursor.h"

#include <QtEndian>
#include <algorithm>
#include <bit>
#include <cstring>

bool ByteCursor::ReadCString(QByteArrayView* text)
{
    if (remaining_ == 0)
        return false;
    const void* zero = std::memchr(pos_, 0, remaining_);
    if (!zero)
        return false;
    const size_t length = size_t(static_cast<const uint8_t*>(zero) - pos_);
    *text = QByteArrayView(position(), qsizetype(length));
    pos_ += length + 1;
    remaining_ -= length + 1;
    return true;
}

bool ByteCursor::ReadLengthString(QByteArray* text)
{
    ByteCursor probe = *this;
    uint16_t length = 0;
    if (!probe.ReadLittleEndian(&length) || probe.remaining_ < length)
        return false;
    *text = length ? QByteArray(probe.position(), length) : QByteArray();
    *this = probe;
    return Skip(length);
}

bool ByteCursor::ReadBytes(void* destination, size_t n, bool strict)
{
    if (remaining_ >= n) {
        if (n)
            std::memcpy(destination, pos_, n);
        pos_ += n;
        remaining_ -= n;
        return true;
    }
    if (strict || remaining_ == 0)
        return false;
    std::memset(destination, 0, n);
    std::memcpy(destination, pos_, remaining_);
    pos_ += remaining_;
    remaining_ = 0;
    return true;
}

bool ByteCursor::ReadView(size_t n, QByteArrayView* view)
{
    if (remaining_ < n)
        return false;
    *view = QByteArrayView(position(), qsizetype(n));
    pos_ += n;
    remaining_ -= n;
    return true;
}

bool ByteCursor::Skip(size_t n)
{
    if (remaining_ < n)
        return false;
    pos_ += n;
    remaining_ -= n;
    return true;
}

template <typename T> void ByteWriter::WriteLittleEndian(T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian<T>(value, bytes);
    out_->append(bytes, qsizetype(sizeof(T)));
}

void ByteWriter::WriteCString(QByteArrayView text)
{
    out_->append(text.data(), text.size());
    out_->append('\0');
}

void ByteWriter::WriteLengthString(QByteArrayView text)
{
    // A longer text is cut to what the 16-bit length can say, so it reads back as written.
    const qsizetype length = std::min<qsizetype>(text.size(), 0xFFFF);
    WriteLittleEndian(static_cast<uint16_t>(length));
    out_->append(text.data(), length);
}

void ByteWriter::WriteBytes(QByteArrayView bytes) { out_->append(bytes.data(), bytes.size()); }
void ByteWriter::WriteZeros(qsizetype n) { out_->append(n, '\0'); }
void ByteWriter::WriteByte(uint8_t value) { out_->append(char(value)); }
void ByteWriter::WriteInt16(int16_t value) { WriteLittleEndian(value); }
void ByteWriter::WriteInt32(int32_t value) { WriteLittleEndian(value); }
void ByteWriter::WriteUInt32(uint32_t value) { WriteLittleEndian(value); }
void ByteWriter::WriteDouble(double value) { WriteLittleEndian(std::bit_cast<uint64_t>(value)); }
void ByteWriter::WriteFloat(float value) { WriteLittleEndian(std::bit_cast<uint32_t>(value)); }

void ByteWriter::WriteOptionalDouble(uint8_t defined, double value)
{
    WriteByte(defined);
    if (defined)
        WriteDouble(value);
}
