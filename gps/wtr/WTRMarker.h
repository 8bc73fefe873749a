#pragma once
// The 16-byte marker blocks of a WTR file. Only the first five bytes are compared; a block
// read from a file is held as read, and the system writes the five bytes and eleven zeros.
#include "gps/ByteCursor.h"

#include <array>
#include <cstdint>

struct WTRMarker {
    static constexpr size_t kBlockSize = 16;
    static constexpr size_t kComparedSize = 5;
    using Signature = std::array<uint8_t, kComparedSize>;

    static constexpr Signature kWayPoint = {0xFF, 'W', 'p', 't', 0xFF};
    static constexpr Signature kTrack = {0xFF, 'T', 'r', 'k', 0xFF};
    static constexpr Signature kRoute = {0xFF, 'R', 't', 'e', 0xFF};
    static constexpr Signature kHeader = {0xEE, 'h', 'd', 'r', 0xEE};

    // The block the system writes for a signature.
    static WTRMarker Written(const Signature& signature);
    // True when at least five bytes remain and they are the signature; nothing is consumed.
    static bool PeekIs(const ByteCursor& cursor, const Signature& signature);
    // Reads a whole block that starts with the signature; false (cursor unchanged) otherwise.
    bool Read(ByteCursor& cursor, const Signature& signature);
    void Write(ByteWriter& out) const;

    std::array<uint8_t, kBlockSize> bytes{};
};
