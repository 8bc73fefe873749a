#pragma once
// 'W' waypoint records of MPS files and the file's list of them. Unlike GDB, every value is
// present whatever its defined byte says; texts are in the ANSI code page.
#include "gps/GPSRecordList.h"
#include "gps/mapsource/MPSChunk.h"

#include <QString>
#include <array>
#include <memory>
#include <vector>

class CGDBChunkWayPoint;
struct EVOWayPointRecord;

class CMPSChunkWayPoint : public CMPSChunk {
public:
    static constexpr size_t kHeldBlockSize = 22;  // before the latitude, not interpreted
    static constexpr size_t kAfterIconSize = 3;   // int16 and a byte, not interpreted
    static constexpr size_t kAfterTextSize = 2;   // int16 after the second held text
    static constexpr size_t kAfterDepthSize = 7;  // int32, int16 and a byte, not interpreted
    // What the held block holds in a waypoint converted from another format.
    static constexpr std::array<char, kHeldBlockSize> kHeldBlockWritten = {
        0, 0, 0, 0, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 0, 0, -1, -1, -1, -1};
    // Symbols of a GDB waypoint that the MPS symbol set lacks: 218 to 220 become 106, any
    // other code above 139 becomes 18.
    static constexpr int16_t kFirstMappedSymbol = 218;
    static constexpr int16_t kLastMappedSymbol = 220;
    static constexpr int16_t kMappedSymbol = 106;
    static constexpr int16_t kLastKnownSymbol = 139;
    static constexpr int16_t kDefaultSymbol = 18;

    // Decodes the record taken over from read; false when a field is cut short.
    bool Parse(CMPSChunk& read);
    // "WayPoint" with the name and whole metres, and every field.
    GPSTreeItem FillTree(IGPSInspectionTree* tree, GPSTreeItem parent) override;
    // Builds the payload from the fields.
    void BuildPayload();
    // A waypoint converted from a GDB record: texts in the ANSI code page (the name within
    // 63 bytes, the description within 127, cut at a character boundary), position, values
    // with their defined bytes, display, colour and the symbol mapped to the MPS set. The
    // payload is not built.
    static std::unique_ptr<CMPSChunkWayPoint> ConvertFromGDB(const CGDBChunkWayPoint& source);
    static int16_t SymbolFromGDB(int16_t icon);
    // A waypoint converted from an EVO record: identifier and comment as name and description,
    // position, height and depth (defined unless missing or not finite), display 1 and the
    // symbol mapped to the MPS set. The payload is not built.
    static std::unique_ptr<CMPSChunkWayPoint> ConvertFromEVO(const EVOWayPointRecord& source);
    // The MPS symbol of a device symbol: the table's MPS code, 18 for a symbol MapSource
    // lacks, the code itself when the table does not know it.
    static int16_t SymbolFromDevice(int16_t deviceCode);

    QString NameText() const;
    QString DescriptionText() const;

    QByteArray Name;
    int32_t HeldInt = 0;      // after the name, not interpreted
    QByteArray HeldText;      // after that integer, not interpreted
    std::array<char, kHeldBlockSize> HeldBlock{};
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
    std::array<char, kAfterIconSize> AfterIcon{};
    QByteArray SecondHeldText; // not interpreted
    std::array<char, kAfterTextSize> AfterText{};
    uint8_t DepthDefined = 0;
    double Depth = 0;
    std::array<char, kAfterDepthSize> AfterDepth{};
};

class CMPSWayPoint : public CGPSRecordList<CMPSChunkWayPoint> {
public:
    // Reads the 'W' records that follow by the list rule.
    bool Read(ByteCursor& cursor);
};
