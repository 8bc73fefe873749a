// The symbol and name tables: the rows the format descriptions give, look-ups of codes no row
// gives, and the conversions between the symbol sets.
#include "TempDir.h"

#include "gps/GPSSymbols.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(GPSSymbols, NamesByCode)
{
    const struct {
        QString (*lookUp)(int);
        int code;
        const char16_t* name;
    } cases[] = {
        {GPSSymbols::GTMSymbolName, 0, u"???"},         {GPSSymbols::GTMSymbolName, 1, u"Airport"},
        {GPSSymbols::GTMSymbolName, 5, u"Boat Ramp"},   {GPSSymbols::GTMSymbolName, 48, u"Waypoint"},
        {GPSSymbols::GTMSymbolName, 73, u"Summit"},     {GPSSymbols::GTMSymbolName, 192, u"Libraries"},
        {GPSSymbols::GTMSymbolName, 193, u"???"},       {GPSSymbols::GTMSymbolName, 200, u"???"},
        {GPSSymbols::GTMSymbolName, -1, u"???"},        {GPSSymbols::GridName, 0, u"UTM"},
        {GPSSymbols::GridName, 9, u"RTM"},              {GPSSymbols::GridName, 13, u"Taiwan 67 Grid"},
        {GPSSymbols::GridName, 14, u"???"},             {GPSSymbols::DatumName, 0, u"???"},
        {GPSSymbols::DatumName, 2, u"Adindan Cameroon"}, {GPSSymbols::DatumName, 217, u"WGS 1984 Global Definition"},
        {GPSSymbols::DatumName, 262, u"Wake-Eniwetok 1960 (GPS) Marshall Islands"},
        {GPSSymbols::DatumName, 263, u"???"},           {GPSSymbols::DeviceSymbolName, 16384, u"機場"},
        {GPSSymbols::DeviceSymbolName, 8246, u"山頂"},   {GPSSymbols::DeviceSymbolName, 0, u"???"},
        {GPSSymbols::MPSSymbolName, 106, u"山峰"},       {GPSSymbols::MPSSymbolName, 118, u"找到的Geocache"},
        {GPSSymbols::MPSSymbolName, 507, u"自訂符號"},   {GPSSymbols::MPSSymbolName, 0, u"???"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.lookUp(c.code), QString::fromUtf16(c.name)) << c.code;
}

TEST(GPSSymbols, ConversionsBetweenSymbolSets)
{
    using Convert = std::optional<int16_t> (*)(int);
    const struct {
        Convert convert;
        int code;
        std::optional<int16_t> result;
    } cases[] = {
        {GPSSymbols::GTMCodeOfMPS, 106, 73},    {GPSSymbols::GTMCodeOfMPS, 61, 11},
        {GPSSymbols::GTMCodeOfMPS, 117, 143},   {GPSSymbols::GTMCodeOfMPS, 118, 144},
        {GPSSymbols::GTMCodeOfMPS, 500, 0},     {GPSSymbols::GTMCodeOfMPS, 507, 0},
        {GPSSymbols::GTMCodeOfMPS, 9999, {}},   {GPSSymbols::DeviceCodeOfMPS, 106, 8246},
        {GPSSymbols::DeviceCodeOfMPS, 61, 175}, {GPSSymbols::DeviceCodeOfMPS, 503, 0},
        {GPSSymbols::MPSCodeOfDevice, 16384, 107}, {GPSSymbols::MPSCodeOfDevice, 8246, 106},
        {GPSSymbols::MPSCodeOfDevice, 18, 18},  {GPSSymbols::MPSCodeOfDevice, 8255, 117},
        {GPSSymbols::MPSCodeOfDevice, 21, 0},   {GPSSymbols::MPSCodeOfDevice, 12345, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.convert(c.code), c.result) << c.code;
}

// Each name fits its 18-byte field in Big5 with the terminator; the custom symbols close the
// MapSource table.
TEST(GPSSymbols, TablesKeepTheirShape)
{
    for (const DeviceSymbolRow& row : GPSSymbols::DeviceSymbols()) {
        if (row.name) {
            EXPECT_LT(Big5(QString::fromUtf16(row.name)).size(), DeviceSymbolRow::kNameBytes);
        }
    }
    for (const MPSSymbolRow& row : GPSSymbols::MPSSymbols()) {
        if (row.name) {
            EXPECT_LT(Big5(QString::fromUtf16(row.name)).size(), MPSSymbolRow::kNameBytes);
        }
    }
    const auto& rows = GPSSymbols::MPSSymbols();
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(rows[size_t(GPSSymbols::kMPSSymbolCount - 8 + i)].mpsCode, 500 + i);
}

} // namespace
