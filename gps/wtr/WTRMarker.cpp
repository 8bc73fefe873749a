#include "gps/wtr/WTRMarker.h"

#include <algorithm>

WTRMarker WTRMarker::Written(const Signature& signature)
{
    WTRMarker marker;
    std::copy(signature.begin(), signature.end(), marker.bytes.begin());
    return marker;
}

bool WTRMarker::PeekIs(const ByteCursor& cursor, const Signature& signature)
{
    return cursor.remaining() >= kComparedSize
        && std::equal(signature.begin(), signature.end(), reinterpret_cast<const uint8_t*>(cursor.position()));
}

bool WTRMarker::Read(ByteCursor& cursor, const Signature& signature)
{
    if (cursor.remaining() < kBlockSize || !PeekIs(cursor, signature))
        return false;
    return cursor.ReadBytes(bytes.data(), kBlockSize, true);
}

void WTRMarker::Write(ByteWriter& out) const
{
    out.WriteBytes(QByteArrayView(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
}
