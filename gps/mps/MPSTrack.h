#pragma once
// 'T' track records of MPS files and the file's list of them. A record holds exactly its
// points: the payload is the name with its zero byte, 9 bytes and 31 bytes per point.
#include "gps/GPSRecordList.h"
#include "gps/mapsource/MPSChunk.h"

#include <QString>
#include <array>
#include <memory>
#include <vector>

class CGDBChunkTrack;
class CGDBTrack;
class CEVOTrack;

struct MPSTrackPoint {
    static constexpr size_t kSize = 31;     // bytes of one point on disk
    static constexpr size_t kHeldSize = 9;  // after the time, not interpreted

    int32_t Latitude = 0;
    int32_t Longitude = 0;
    uint8_t HeightDefined = 0;
    double Height = 0;
    uint8_t TimeDefined = 0;
    int32_t Time = 0; // seconds since 1970-01-01 00:00 UTC
    std::array<char, kHeldSize> Held{};
};

class CMPSChunkTrack : public CMPSChunk {
public:
    // Bytes besides the name and the points: name terminator, display flag, colour, count.
    static constexpr size_t kFixedSize = 1 + 1 + 4 + 4;

    // Decodes the record taken over from read; false unless the payload holds exactly the
    // points its count gives.
    bool Parse(CMPSChunk& read);
    // "Track" with the name and point count, its fields and one node per point.
    GPSTreeItem FillTree(IGPSInspectionTree* tree, GPSTreeItem parent) override;
    // Builds the payload from the fields.
    void BuildPayload();

    QString NameText() const;

    QByteArray Name;
    uint8_t ShowOnGPS = 0;
    int32_t Color = 0;
    std::vector<MPSTrackPoint> points;
};

class CMPSTrack : public CGPSRecordList<CMPSChunkTrack> {
public:
    // Reads the 'T' records that follow by the list rule.
    bool Read(ByteCursor& cursor);
    // Appends one track per GDB track: the name in the ANSI code page within 31 bytes (cut at
    // a character boundary), display flag, colour, and per point the position, height and
    // time with their defined bytes. Payloads are not built.
    bool ConvertFromGDB(const CGDBTrack& source);
    // Appends one track per EVO track: name, display flag 1, colour 0, and per point the
    // position, the height (defined unless missing or not finite) and the time (not defined
    // for an invalid stamp or a time past 2038). Payloads are not built.
    bool ConvertFromEVO(const CEVOTrack& source);
};
