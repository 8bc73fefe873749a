#pragma once
// Waypoints of an EVO file. On disk a waypoint is 52 fixed bytes and six texts, each ended by
// a line feed; a route point has the same shape with a shorter identifier. The fixed bytes
// that the program does not interpret are held as read and written back unchanged.
#include "gps/ByteCursor.h"

#include <QByteArray>
#include <array>
#include <cstdint>
#include <vector>

struct EVOWayPointRecord {
    // The fixed block: opaque 4, symbol (int16), opaque 18, latitude, longitude, height,
    // depth, an opaque float, opaque 8 (52 bytes in all).
    static constexpr size_t kFixedSize = 52;
    static constexpr size_t kHeadSize = 4;
    static constexpr size_t kMiddleSize = 18;
    static constexpr size_t kTailSize = 8;
    static constexpr int kShortTextCount = 4;
    // The smallest waypoint on disk: the fixed block and six empty texts.
    static constexpr size_t kMinSize = kFixedSize + 2 + kShortTextCount;
    // Bytes kept of each text (the in-memory fields are one larger for the zero byte).
    static constexpr int kIdentifierLimit = 31;
    static constexpr int kRouteIdentifierLimit = 15;
    static constexpr int kCommentLimit = 31;
    static constexpr int kShortTextLimit = 7;
    static constexpr char kTextEnd = '\n';
    // What the converters write in the opaque bytes.
    static constexpr std::array<uint8_t, kHeadSize> kConvertedHead = {0x00, 0xFF, 0x00, 0x60};
    static constexpr std::array<uint8_t, kTailSize> kConvertedTail = {' ', ' ', ' ', ' ', 0, 0, 0, 0};

    // A waypoint with the converters' defaults in its opaque bytes: six zero bytes and three
    // int32 -1 in the middle block, 1.0e25 as the opaque float.
    static EVOWayPointRecord Converted();

    // Reads the fixed block and the six texts; identifierLimit is kIdentifierLimit for a
    // waypoint and kRouteIdentifierLimit for a route point. False when the data ends early.
    bool Read(ByteCursor& cursor, int identifierLimit);
    void Write(ByteWriter& out) const;

    std::array<uint8_t, kHeadSize> Head{};
    int16_t Symbol = 0; // device numbering
    std::array<uint8_t, kMiddleSize> Middle{};
    int32_t Latitude = 0;
    int32_t Longitude = 0;
    uint32_t HeightBits = 0; // float, metres
    uint32_t DepthBits = 0;  // float
    uint32_t OpaqueFloatBits = 0;
    std::array<uint8_t, kTailSize> Tail{};
    QByteArray Identifier; // ANSI code page
    QByteArray Comment;
    std::array<QByteArray, kShortTextCount> ShortTexts;
};

namespace gps::evo {

// A text ended by a line feed, which is consumed too. A longer text than limit keeps its first
// limit bytes, cut at a character boundary. False (cursor unchanged) when no line feed follows.
bool ReadText(ByteCursor& cursor, int limit, QByteArray* text);
void WriteText(ByteWriter& out, QByteArrayView text);
// A text from another format as a field holds it: a line feed (the field's end on disk)
// becomes a space, and the text is cut to limit bytes at a character boundary.
QByteArray TextForField(QByteArrayView text, int limit);
// Whether count records of at least minSize bytes each can lie in the bytes that remain.
bool CountFits(uint64_t count, size_t minSize, const ByteCursor& cursor);

} // namespace gps::evo

class CEVOWayPoint {
public:
    // Reads count waypoints; count x the fixed size must fit in the bytes that remain.
    bool Read(ByteCursor& cursor, uint32_t count);
    void Write(ByteWriter& out) const;
    int count() const { return int(items.size()); }

    std::vector<EVOWayPointRecord> items;
};
