#pragma once
// The fixed-width name fields of a WTR file: read up to the first zero byte and at most
// width - 1 bytes, written padded with zero bytes.
#include "gps/ByteCursor.h"

#include <QByteArray>
#include <QByteArrayView>
#include <algorithm>

namespace gps::wtr {

// Reads a name field of width bytes; false (nothing consumed) when fewer remain.
inline bool ReadName(ByteCursor& cursor, size_t width, QByteArray* name)
{
    QByteArrayView field;
    if (!cursor.ReadView(width, &field))
        return false;
    const qsizetype zero = field.indexOf('\0');
    const qsizetype limit = qsizetype(width) - 1;
    *name = field.first(std::min(zero < 0 ? field.size() : zero, limit)).toByteArray();
    return true;
}

// Writes name into a field of width bytes: at most width - 1 bytes, then zero bytes.
inline void WriteName(ByteWriter& out, size_t width, QByteArrayView name)
{
    const qsizetype n = std::min(name.size(), qsizetype(width) - 1);
    out.WriteBytes(name.first(n));
    out.WriteZeros(qsizetype(width) - n);
}

} // namespace gps::wtr
