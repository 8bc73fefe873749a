#pragma once
// 'W' waypoint records of GDB files and the file's list of them.
#include "gps/GPSRecordList.h"
#include "gps/mapsource/MPSChunk.h"

#include <QString>
#include <memory>
#include <vector>

class CMPSChunkWayPoint;

class CGDBChunkWayPoint : public CMPSChunk {
public:
    static constexpr size_t kMinAfterName = 4;  // the name must be followed by at least this much
    static constexpr size_t kClassSize = 4;     // int32 after the name, not interpreted
    static constexpr size_t kSubclassSize = 22; // not interpreted
    // What the subclass block holds in a waypoint this program writes.
    static constexpr char kSubclassWritten[kSubclassSize] = {
        0, 0, 0, 0, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 0, 0, -1, -1, -1, -1};
    static constexpr size_t kAfterIconSize = 3;   // int16 and a byte, not interpreted
    static constexpr size_t kAfterCitySize = 2;   // int16, not interpreted
    static constexpr size_t kAfterDepthSize = 7;  // int32, int16 and a byte, not interpreted
    static constexpr size_t kTrailingZeros = 5;   // written after the last field
    // Other readers take the URL text only when HasURL is set and then want one byte more.
    static constexpr size_t kTrailingZerosAfterUrl = kTrailingZeros + 1;
    static constexpr int kFirstHasUrlVersion = 109;
    // Display mode that shows the symbol with the name (0 shows the symbol alone).
    static constexpr int32_t kDisplaySymbolAndName = 1;

    // Decodes the record taken over from read; false when a field is cut short.
    bool Parse(CMPSChunk& read, int version);
    // "WayPoint" with the name and whole metres, and every field the record holds.
    GPSTreeItem FillTree(IGPSInspectionTree* tree, GPSTreeItem parent) override;
    // Builds the payload of a record this program writes (version 109 layout).
    void BuildPayload();
    // A new record for this program to write, copying the position, height, description,
    // warning, display, colour, symbol and depth of source. Texts of an ANSI source are
    // converted to UTF-8: the description whole, the name cut to what a waypoint record holds.
    static std::unique_ptr<CGDBChunkWayPoint> CopyOf(const CGDBChunkWayPoint& source);
    // The same copy of an MPS waypoint, its texts converted from the ANSI code page: the
    // description whole, the name cut to what a waypoint record holds.
    static std::unique_ptr<CGDBChunkWayPoint> ConvertFromMPS(const CMPSChunkWayPoint& source);
    // This record with every field, its texts in UTF-8, built in the layout this program
    // writes (for saving a record read from an older, 8-bit file).
    std::unique_ptr<CGDBChunkWayPoint> Rewritten() const;

    // The texts decoded to wide characters (UTF-8 or the ANSI code page by the file's version).
    QString NameText() const;
    QString DescriptionText() const;

    QByteArray Name;
    int32_t Latitude = 0;
    int32_t Longitude = 0;
    uint8_t HeightDefined = 0;
    double Height = 0;
    QByteArray Description;
    uint8_t WarningDefined = 0;
    double Warning = 0;
    int32_t Display = 0;
    int32_t Color = 0;
    int16_t Icon = 0;
    uint8_t DepthDefined = 0;
    double Depth = 0;
    int32_t HasURL = 0;
    QByteArray URL;
    int16_t Category = 0;
    uint8_t TempatureDefined = 0;
    double Tempature = 0;
    uint8_t TimeDefined = 0;
    int32_t Time = 0;
    bool isUtf8 = true;

private:
    bool ParseHead(ByteCursor& cursor);
    // The tree's fields after the depth: URL, category, temperature and time.
    void FillTail(IGPSInspectionTree* tree, GPSTreeItem item) const;
    bool ParseTail(ByteCursor& cursor, int version);
};

class CGDBWayPoint : public CGPSRecordList<CGDBChunkWayPoint> {
public:
    // Reads the 'W' records that follow by the list rule.
    bool Read(ByteCursor& cursor, int version);
};
