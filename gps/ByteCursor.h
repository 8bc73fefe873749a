#pragma once
// Bounded reading of a byte buffer: the next byte and the count of bytes that remain. Every
// read either consumes exactly what it reads or fails and leaves the cursor where it was.
// Integers are little-endian and read bytewise, so odd offsets are fine.
#include <QByteArray>
#include <QByteArrayView>
#include <cstddef>
#include <QtEndian>
#include <bit>
#include <cstdint>

class ByteCursor {
public:
    ByteCursor() = default;
    explicit ByteCursor(QByteArrayView bytes)
        : pos_(reinterpret_cast<const uint8_t*>(bytes.data())), remaining_(size_t(bytes.size())) {}

    size_t remaining() const { return remaining_; }
    const char* position() const { return reinterpret_cast<const char*>(pos_); }
    // The bytes that remain, from the cursor on.
    QByteArrayView rest() const { return QByteArrayView(position(), qsizetype(remaining_)); }

    // A text ended by a zero byte that lies within the remaining bytes; the result views the
    // buffer (no copy) and excludes the zero byte, which is consumed too.
    bool ReadCString(QByteArrayView* text);
    // An unsigned 16-bit length, then that many bytes (2 + length must remain). Length 0 gives a
    // null array.
    bool ReadLengthString(QByteArray* text);
    // Copies n bytes. With fewer remaining: fails when strict or when nothing remains; else the
    // destination is zero-filled, the remaining bytes copied and consumed.
    bool ReadBytes(void* destination, size_t n, bool strict);
    bool ReadByte(uint8_t* value);
    bool ReadInt16(int16_t* value);
    bool ReadInt32(int32_t* value);
    bool ReadUInt32(uint32_t* value);
    bool ReadDouble(double* value);
    bool ReadFloat(float* value);
    // A defined byte, then a double only when that byte is non-zero.
    bool ReadOptionalDouble(uint8_t* defined, double* value);
    // Views the next n bytes and consumes them.
    bool ReadView(size_t n, QByteArrayView* view);
    bool Skip(size_t n);

private:
    template <typename T> bool ReadLittleEndian(T* value);

    const uint8_t* pos_ = nullptr;
    size_t remaining_ = 0;
};

// The small reads are inline: they run once per field of every track point.
template <typename T> inline bool ByteCursor::ReadLittleEndian(T* value)
{
    if (remaining_ < sizeof(T))
        return false;
    *value = qFromLittleEndian<T>(pos_);
    pos_ += sizeof(T);
    remaining_ -= sizeof(T);
    return true;
}

inline bool ByteCursor::ReadByte(uint8_t* value) { return ReadLittleEndian(value); }
inline bool ByteCursor::ReadInt16(int16_t* value) { return ReadLittleEndian(value); }
inline bool ByteCursor::ReadInt32(int32_t* value) { return ReadLittleEndian(value); }
inline bool ByteCursor::ReadUInt32(uint32_t* value) { return ReadLittleEndian(value); }

inline bool ByteCursor::ReadDouble(double* value)
{
    uint64_t bits = 0;
    if (!ReadLittleEndian(&bits))
        return false;
    *value = std::bit_cast<double>(bits);
    return true;
}

inline bool ByteCursor::ReadFloat(float* value)
{
    uint32_t bits = 0;
    if (!ReadLittleEndian(&bits))
        return false;
    *value = std::bit_cast<float>(bits);
    return true;
}

inline bool ByteCursor::ReadOptionalDouble(uint8_t* defined, double* value)
{
    ByteCursor probe = *this;
    if (!probe.ReadByte(defined) || (*defined && !probe.ReadDouble(value)))
        return false;
    *this = probe;
    return true;
}

// Appends fields to a growing output buffer; the size is the buffer's size.
class ByteWriter {
public:
    explicit ByteWriter(QByteArray* out) : out_(out) {}

    qsizetype size() const { return out_->size(); }
    // The text and a zero byte (an empty or null text gives the single zero byte).
    void WriteCString(QByteArrayView text);
    // The text's length as 16 bits, then its bytes without a zero byte (at most 65535).
    void WriteLengthString(QByteArrayView text);
    void WriteBytes(QByteArrayView bytes);
    void WriteZeros(qsizetype n);
    void WriteByte(uint8_t value);
    void WriteInt16(int16_t value);
    void WriteInt32(int32_t value);
    void WriteUInt32(uint32_t value);
    void WriteDouble(double value);
    void WriteFloat(float value);
    // The defined byte, then the double only when defined is non-zero.
    void WriteOptionalDouble(uint8_t defined, double value);

private:
    template <typename T> void WriteLittleEndian(T value);

    QByteArray* out_;
};
