#pragma once
// The track styles of a GPS TrackMaker file: style k names the k-th track.
#include "gps/ByteCursor.h"

#include <QByteArray>
#include <cstdint>
#include <vector>

struct GTMTrackStyleEntry {
    static constexpr size_t kFixedSize = 12; // after the name
    static constexpr size_t kMinSize = 2 + kFixedSize;

    bool Parse(ByteCursor& cursor);
    void Write(ByteWriter& out) const;

    QByteArray Name;
    uint8_t Type = 0;
    int32_t Color = 0; // 0x00BBGGRR
    float tscale = 0;
    uint8_t tlabel = 0;
    int16_t tlayer = 0;
};

class CGTMTrackStyle {
public:
    // The style of a converted track: type 2 and a colour of this list by the track's index.
    static constexpr uint8_t kWrittenType = 2;
    static constexpr int32_t kWrittenColors[] = {0xFF0000, 0x0000FF, 0x00FF00, 0x008000, 0xFF00FF,
                                                 0x800000, 0x000080, 0x800080, 0xFFFF00, 0x808080};

    bool Read(ByteCursor& cursor, int32_t count);
    void Write(ByteWriter& out) const;
    int count() const { return int(items.size()); }
    // The name of style index, empty when there is no such style.
    QByteArrayView NameOf(int index) const;
    // Appends the style of converted track index named name.
    void AddWritten(const QByteArray& name, int index);

    std::vector<GTMTrackStyleEntry> items;
};
