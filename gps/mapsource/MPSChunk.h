#pragma once
// One record of the Garmin MapSource formats (GDB and MPS): a 32-bit little-endian payload
// length (never 0), a type letter, then the payload. Subclasses decode the record types.
#include "gps/ByteCursor.h"
#include "gps/GPSInspection.h"

#include <QByteArray>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class CMPSChunk {
public:
    static constexpr size_t kFrameSize = 5; // length and type letter
    static constexpr char kHeader44 = 'D';
    static constexpr char kHeader41 = 'A';
    static constexpr char kWayPoint = 'W';
    static constexpr char kTrack = 'T';
    static constexpr char kRoute = 'R';
    static constexpr char kMap = 'L';
    static constexpr char kEnd = 'V';
    // Payload bytes that the inspection tree shows of a record it does not decode.
    static constexpr qsizetype kTreeBytes = 64;

    CMPSChunk() = default;
    CMPSChunk(const CMPSChunk&) = delete;
    CMPSChunk& operator=(const CMPSChunk&) = delete;
    virtual ~CMPSChunk();
    // Adds this record's node under parent with its fields and returns it.
    virtual GPSTreeItem FillTree(IGPSInspectionTree* tree, GPSTreeItem parent);

    // Reads one frame and copies its payload: the length must be non-zero and fit in what
    // remains after the frame. On failure the cursor stays.
    bool Read(ByteCursor& cursor);
    // Looks at the next frame without consuming it; false when fewer than 5 bytes remain.
    static bool Peek(const ByteCursor& cursor, uint32_t* length, char* type);
    void FreeData();
    // Appends the frame and the payload.
    void Write(ByteWriter& out) const;

    uint32_t length() const { return length_; }
    char type() const { return type_; }
    const QByteArray& payload() const { return payload_; }

protected:
    // Takes over the frame and the payload of a record that was read.
    void TakeOver(CMPSChunk& read);
    // Sets a new payload that this record has built.
    void SetPayload(char type, QByteArray payload);

private:
    uint32_t length_ = 0;
    char type_ = 0;
    QByteArray payload_;
};

// Reads a list of records of one type: while a whole frame of the type follows, it is
// consumed and handed to parse. A frame that does not fit, a zero length or another type ends
// the list successfully (the cursor stays before that frame); a failed parse fails the list.
bool ReadRecordList(ByteCursor& cursor, char type, const std::function<bool(CMPSChunk&)>& parse);

// ReadRecordList into items, which it replaces: each frame becomes a new Record decoded by
// its Parse(frame, args...).
template <class Record, class... Args>
bool ReadRecordsInto(ByteCursor& cursor, char type, std::vector<std::unique_ptr<Record>>* items, const Args&... args)
{
    items->clear();
    return ReadRecordList(cursor, type, [&](CMPSChunk& raw) {
        auto record = std::make_unique<Record>();
        if (!record->Parse(raw, args...))
            return false;
        items->push_back(std::move(record));
        return true;
    });
}
