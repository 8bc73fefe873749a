#include "gps/GPSSymbols.h"

#include "gps/symbols/GPSSymbolRows.inc"

#include <iterator>

namespace {

using DeviceTable = std::array<DeviceSymbolRow, GPSSymbols::kDeviceSymbolCount>;
using MPSTable = std::array<MPSSymbolRow, GPSSymbols::kMPSSymbolCount>;

constexpr DeviceTable kDeviceSymbols = [] {
    DeviceTable rows{};
    rows[0] = {u"機場", 16384, 107};
    rows[1] = {u"山頂", 8246, 106};
    rows[2] = {u"航點", 18, 18};
    rows[3] = {u"Geocache", 8255, 117};
    rows[4] = {u"緊急航點", 21, 0};
    // Further symbols whose device and MapSource codes are both known.
    constexpr DeviceSymbolRow further[] = {GPS_FURTHER_DEVICE_SYMBOL_ROWS};
    static_assert(5 + std::size(further) <= size_t(GPSSymbols::kDeviceSymbolCount));
    for (size_t i = 0; i < std::size(further); ++i)
        rows[5 + i] = further[i];
    return rows;
}();

// Rows by MapSource code; the custom symbols close the table.
constexpr MPSTable kMPSSymbols = [] {
    MPSTable rows{};
    constexpr MPSSymbolRow generated[] = {GPS_MPS_SYMBOL_ROWS};
    for (const MPSSymbolRow& row : generated)
        rows[size_t(row.mpsCode)] = row;
    rows[61] = {u"車道起點", 61, 175, 11};
    rows[106] = {u"山峰", 106, 8246, 73};
    rows[117] = {u"Geocache", 117, 8255, 143};
    rows[118] = {u"找到的Geocache", 118, 8256, 144};
    for (int i = 0; i < GPSSymbols::kCustomSymbolCount; ++i) {
        rows[size_t(GPSSymbols::kMPSSymbolCount - GPSSymbols::kCustomSymbolCount + i)] = {
            u"自訂符號", int16_t(GPSSymbols::kFirstCustomSymbol + i), 0, 0};
    }
    return rows;
}();

constexpr auto kGTMSymbolNames = [] {
    std::array<const char16_t*, GPSSymbols::kGTMSymbolCount> names{};
    struct IndexedName {
        int code;
        const char16_t* name;
    };
    constexpr IndexedName generated[] = {GPS_GTM_SYMBOL_NAMES};
    for (const IndexedName& entry : generated)
        names[size_t(entry.code)] = entry.name;
    names[0] = u"???";
    names[1] = u"Airport";
    names[2] = u"Ball Park";
    names[3] = u"Bank";
    names[4] = u"Bar";
    names[5] = u"Boat Ramp";
    names[48] = u"Waypoint";
    names[73] = u"Summit";
    names[192] = u"Libraries";
    return names;
}();

constexpr std::array<const char16_t*, GPSSymbols::kGridCount> kGridNames = {
    u"UTM",          u"User Grid",     u"New Zealand Grid",      u"Swiss Grid", u"Swedish Grid",
    u"British National Grid", u"Irish National Grid", u"German Grid", u"Finnish National Grid",
    u"RTM",          u"LTM",           u"Grid of Colombia",      u"British Uniform Grid", u"Taiwan 67 Grid"};

constexpr auto kDatumNames = [] {
    std::array<const char16_t*, GPSSymbols::kDatumCount> names{};
    names[0] = u"???";
    names[1] = u"Adindan Burkina Faso";
    names[2] = u"Adindan Cameroon";
    names[217] = u"WGS 1984 Global Definition";
    names[262] = u"Wake-Eniwetok 1960 (GPS) Marshall Islands";
    return names;
}();

QString NameOrUnknown(const char16_t* name)
{
    return QString::fromUtf16(name && *name ? name : GPSSymbols::kUnknownName);
}

template <size_t N>
QString IndexedName(const std::array<const char16_t*, N>& names, int code)
{
    return NameOrUnknown(code >= 0 && code < int(N) ? names[size_t(code)] : nullptr);
}

// The first filled row whose code (by member) equals code.
template <class Row, size_t N, class Code>
const Row* FindRow(const std::array<Row, N>& rows, Code Row::*member, int code)
{
    for (const Row& row : rows) {
        if (row.name && row.*member == code)
            return &row;
    }
    return nullptr;
}

} // namespace

const std::array<DeviceSymbolRow, GPSSymbols::kDeviceSymbolCount>& GPSSymbols::DeviceSymbols()
{
    return kDeviceSymbols;
}

const std::array<MPSSymbolRow, GPSSymbols::kMPSSymbolCount>& GPSSymbols::MPSSymbols() { return kMPSSymbols; }

const DeviceSymbolRow* GPSSymbols::FindDeviceSymbol(int code)
{
    return FindRow(kDeviceSymbols, &DeviceSymbolRow::deviceCode, code);
}

const MPSSymbolRow* GPSSymbols::FindMPSSymbol(int code)
{
    return FindRow(kMPSSymbols, &MPSSymbolRow::mpsCode, code);
}

QString GPSSymbols::DeviceSymbolName(int deviceCode)
{
    const DeviceSymbolRow* row = FindDeviceSymbol(deviceCode);
    return NameOrUnknown(row ? row->name : nullptr);
}

QString GPSSymbols::MPSSymbolName(int mpsCode)
{
    const MPSSymbolRow* row = FindMPSSymbol(mpsCode);
    return NameOrUnknown(row ? row->name : nullptr);
}

QString GPSSymbols::GTMSymbolName(int gtmCode) { return IndexedName(kGTMSymbolNames, gtmCode); }
QString GPSSymbols::GridName(int gridCode) { return IndexedName(kGridNames, gridCode); }
QString GPSSymbols::DatumName(int datumCode) { return IndexedName(kDatumNames, datumCode); }

std::optional<int16_t> GPSSymbols::MPSCodeOfDevice(int deviceCode)
{
    const DeviceSymbolRow* row = FindDeviceSymbol(deviceCode);
    return row ? std::optional<int16_t>(row->mpsCode) : std::nullopt;
}

std::optional<int16_t> GPSSymbols::DeviceCodeOfMPS(int mpsCode)
{
    const MPSSymbolRow* row = FindMPSSymbol(mpsCode);
    return row ? std::optional<int16_t>(row->deviceCode) : std::nullopt;
}

std::optional<int16_t> GPSSymbols::GTMCodeOfMPS(int mpsCode)
{
    const MPSSymbolRow* row = FindMPSSymbol(mpsCode);
    return row ? std::optional<int16_t>(row->gtmCode) : std::nullopt;
}

std::optional<int16_t> GPSSymbols::MPSCodeOfGTM(int gtmCode)
{
    const MPSSymbolRow* row = gtmCode > 0 ? FindRow(kMPSSymbols, &MPSSymbolRow::gtmCode, gtmCode) : nullptr;
    return row ? std::optional<int16_t>(row->mpsCode) : std::nullopt;
}

std::optional<int16_t> GPSSymbols::MPSCodeOfName(QStringView name)
{
    const QStringView wanted = name.trimmed();
    if (wanted.isEmpty())
        return std::nullopt;
    for (const MPSSymbolRow& row : kMPSSymbols) {
        if (row.name && wanted.compare(QStringView(row.name), Qt::CaseInsensitive) == 0)
            return row.mpsCode;
    }
    for (size_t code = 1; code < kGTMSymbolNames.size(); ++code) {
        const char16_t* gtmName = kGTMSymbolNames[code];
        if (gtmName && wanted.compare(QStringView(gtmName), Qt::CaseInsensitive) == 0)
            return MPSCodeOfGTM(int(code));
    }
    return std::nullopt;
}

int16_t GPSSymbols::MPSSymbolOr(std::optional<int16_t> mpsCode)
{
    return mpsCode && *mpsCode > 0 ? *mpsCode : kWayPointMPSCode;
}
