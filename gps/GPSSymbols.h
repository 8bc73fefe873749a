#pragma once
// Symbol and name tables of the formats: the device symbols of the Garmin eTrex formats (WTR,
// EVO) with their MapSource codes, the MapSource symbols (MPS, GDB) with their device and GPS
// TrackMaker codes, and GPS TrackMaker's icon, grid and datum names. A table keeps its size and
// indexing; a row not filled in yet is empty, and a look-up never finds it.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

struct DeviceSymbolRow {
    static constexpr int kNameBytes = 18; // of the name in the ANSI code page, with its zero byte

    const char16_t* name = nullptr; // null in an empty row
    int16_t deviceCode = 0;
    int16_t mpsCode = 0; // 0: MapSource has no such symbol
};

struct MPSSymbolRow {
    static constexpr int kNameBytes = 18;

    const char16_t* name = nullptr;
    int16_t mpsCode = 0;
    int16_t deviceCode = 0; // 0: the device has no such symbol
    int16_t gtmCode = 0;    // 0: GPS TrackMaker has no such symbol
};

class GPSSymbols {
public:
    static constexpr int kDeviceSymbolCount = 77;
    static constexpr int kMPSSymbolCount = 257;
    static constexpr int kGTMSymbolCount = 193; // icon codes 0 to 192
    static constexpr int kGridCount = 14;       // grid codes 0 to 13
    static constexpr int kDatumCount = 263;     // datum codes 0 to 262
    static constexpr int kCustomSymbolCount = 8;
    static constexpr int16_t kFirstCustomSymbol = 500; // MPS codes of the custom symbols
    // The name of a code that no row gives.
    static constexpr char16_t kUnknownName[] = u"???";
    // MapSource's plain waypoint symbol.
    static constexpr int16_t kWayPointMPSCode = 18;

    static const std::array<DeviceSymbolRow, kDeviceSymbolCount>& DeviceSymbols();
    static const std::array<MPSSymbolRow, kMPSSymbolCount>& MPSSymbols();

    // The first row with that code; null when none.
    static const DeviceSymbolRow* FindDeviceSymbol(int code);
    static const MPSSymbolRow* FindMPSSymbol(int code);

    // Names for display; "???" when no row gives the code.
    static QString DeviceSymbolName(int deviceCode);
    static QString MPSSymbolName(int mpsCode);
    static QString GTMSymbolName(int gtmCode);
    static QString GridName(int gridCode);
    static QString DatumName(int datumCode);

    // Conversions between the symbol sets; no value when the table lacks the code (a value
    // of 0 means the table has the symbol but the other set does not).
    static std::optional<int16_t> MPSCodeOfDevice(int deviceCode);
    static std::optional<int16_t> DeviceCodeOfMPS(int mpsCode);
    static std::optional<int16_t> GTMCodeOfMPS(int mpsCode);
    // The MapSource code of the first row with that GPS TrackMaker code (0 has none).
    static std::optional<int16_t> MPSCodeOfGTM(int gtmCode);
    // The MapSource code of a symbol by its English name, as GPX files and GPS TrackMaker name
    // symbols ("Summit", "Scenic Area"), compared without case: a MapSource row of that name,
    // else the GPS TrackMaker symbol of that name.
    static std::optional<int16_t> MPSCodeOfName(QStringView name);
    // A converted code as a MapSource symbol: the plain waypoint symbol when the code is
    // missing or 0 (the other set has no such symbol).
    static int16_t MPSSymbolOr(std::optional<int16_t> mpsCode);
};
