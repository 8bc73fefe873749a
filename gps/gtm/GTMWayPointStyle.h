#pragma once
// The waypoint styles (label fonts) of a GPS TrackMaker file.
#include "gps/ByteCursor.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

struct GTMWayPointStyleEntry {
    static constexpr size_t kFixedSize = 24; // after the face name
    static constexpr size_t kMinSize = 4 + 2 + kFixedSize;

    bool Parse(ByteCursor& cursor);
    void Write(ByteWriter& out) const;

    int32_t Height = 0;
    QByteArray FaceName;
    uint8_t Display = 0;
    int32_t Color = 0;
    int32_t Weight = 0;
    float scale1 = 0;
    uint8_t border = 0;
    int16_t background = 0;
    int32_t BackgroundColor = 0;
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeout = 0;
    uint8_t alignment = 0;
};

class CGTMWayPointStyle {
public:
    // The styles of a converted file: one per display mode 0 to 3, the last with a frame.
    static constexpr int kWrittenCount = 4;
    static constexpr int32_t kWrittenHeight = -11;
    static constexpr int32_t kWrittenWeight = 400;
    static constexpr uint8_t kFramedBorder = 0x8B;
    static constexpr int16_t kFramedBackground = -1; // 0xFFFF
    static constexpr int32_t kFramedBackgroundColor = 0x0000FFFF;
    static constexpr uint8_t kFramedAlignment = 1;

    bool Read(ByteCursor& cursor, int32_t count);
    void Write(ByteWriter& out) const;
    int count() const { return int(items.size()); }
    // Replaces the styles with those of a converted file.
    void MakeWritten();

    std::vector<GTMWayPointStyleEntry> items;
};
