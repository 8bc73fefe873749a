#pragma once
// 'T' track records of GDB files and the file's list of them.
#include "gps/GPSRecordList.h"
#include "gps/mapsource/MPSChunk.h"

#include <QString>
#include <memory>
#include <vector>

class CMPSChunkTrack;

struct GDBTrackPoint {
    // Smallest point on disk: two angles and the four flag bytes, no optional values.
    static constexpr size_t kMinSize = 12;
    // Largest point on disk: with height, time and temperature.
    static constexpr size_t kMaxSize = 32;

    int32_t Latitude = 0;
    int32_t Longitude = 0;
    uint8_t HeightDefined = 0;
    double Height = 0;
    uint8_t TimeDefined = 0;
    int32_t Time = 0;
    uint8_t Unknown = 0; // held, not interpreted
    uint8_t TempatureDefined = 0;
    double Tempature = 0;
};

class CGDBChunkTrack : public CMPSChunk {
public:
    static constexpr int kFirstHasUrlVersion = 109;
    // Bytes of a written track besides its name and points: name terminator, display flag,
    // colour, point count and the URL flag.
    static constexpr size_t kFixedSize = 1 + 1 + 4 + 4 + 4;

    // Decodes the record taken over from read; false when a field is cut short or the point
    // count cannot fit in the payload.
    bool Parse(CMPSChunk& read, int version);
    // "Track" with the name and point count, its fields and one node per point.
    GPSTreeItem FillTree(IGPSInspectionTree* tree, GPSTreeItem parent) override;
    // Builds the payload of a record this program writes (version 109 layout).
    void BuildPayload();

    // This track with its texts in UTF-8, built in the layout this program writes (for saving
    // a track read from an older, 8-bit file).
    std::unique_ptr<CGDBChunkTrack> Rewritten() const;
    // A track for this program to write from an MPS track: the name converted from the ANSI
    // code page (cut as a copied GDB track's), display flag, colour, and per point the
    // position, height and time with their defined bytes. The payload is not built.
    static std::unique_ptr<CGDBChunkTrack> ConvertFromMPS(const CMPSChunkTrack& source);

    QString NameText() const;

    QByteArray Name;
    uint8_t ShowOnGPS = 0;
    int32_t Color = 0;
    std::vector<GDBTrackPoint> points;
    int32_t HasURL = 0;
    QByteArray URL;
    bool isUtf8 = true;

private:
    bool ParsePoints(ByteCursor& cursor);
};

class CGDBTrack : public CGPSRecordList<CGDBChunkTrack> {
public:
    // Reads the 'T' records that follow by the list rule.
    bool Read(ByteCursor& cursor, int version);
};
