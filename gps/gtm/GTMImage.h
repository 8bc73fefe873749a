#pragma once
// The map images of a GPS TrackMaker file: carried as read, never interpreted.
#include "gps/ByteCursor.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

struct GTMMapImage {
    static constexpr size_t kFixedSize = 30; // after the two strings
    static constexpr size_t kMinSize = 2 + 2 + kFixedSize;

    bool Parse(ByteCursor& cursor);
    void Write(ByteWriter& out) const;

    QByteArray MapName;
    QByteArray Comment;
    float gposx = 0;
    float gposy = 0;
    float gwidth = 0;
    float gheight = 0;
    int32_t ImageSize = 0;
    float metax = 0;
    float metay = 0;
    uint8_t metamapa = 0;
    uint8_t tnum = 0;
};

class CGTMImage {
public:
    bool Read(ByteCursor& cursor, int32_t count);
    void Write(ByteWriter& out) const;
    int count() const { return int(items.size()); }

    std::vector<GTMMapImage> items;
};
