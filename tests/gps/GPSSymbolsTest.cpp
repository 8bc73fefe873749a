// The symbol and name tables: the rows the format descriptions give, look-ups of codes no row
// gives, and the conversions between the symbol sets.
#include "GpsTestSupport.h"
#include "TempDir.h"

#include "gps/GPSFileManager.h"
#include "gps/GPSSymbols.h"
#include "gps/gdb/GDBFile.h"
#include "gps/gtm/GTMFile.h"

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
        {GPSSymbols::MPSCodeOfGTM, 73, 106},    {GPSSymbols::MPSCodeOfGTM, 143, 117},
        {GPSSymbols::MPSCodeOfGTM, 144, 118},
        {GPSSymbols::MPSCodeOfGTM, 0, {}},      {GPSSymbols::MPSCodeOfGTM, 200, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.convert(c.code), c.result) << c.code;
}

TEST(GPSSymbols, SymbolNamesAsGpxFilesWriteThem)
{
    // The names this program's GPX writer gives MapSource codes, GPS TrackMaker's "Summit" and
    // "Waypoint" (山峰, 航點), in any case and with blanks around; a name no table gives has none.
    const struct {
        const char16_t* name;
        std::optional<int16_t> code;
    } cases[] = {
        {u"Navaid, Red", 28}, {u"Park", 46},  {u"Scenic Area", 48}, {u"City (Medium)", 70}, {u"School", 85},
        {u"Summit", 106},     {u"summit", 106}, {u" SUMMIT ", 106}, {u"Waypoint", 18},     {u"山", {}},
        {u"", {}},            {u"???", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GPSSymbols::MPSCodeOfName(QStringView(c.name)), c.code) << QString::fromUtf16(c.name).toStdString();
    EXPECT_EQ(GPSSymbols::MPSSymbolOr(std::nullopt), 18);
    EXPECT_EQ(GPSSymbols::MPSSymbolOr(0), 18);
    EXPECT_EQ(GPSSymbols::MPSSymbolOr(106), 106);
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

// Codes no row gives, on both sides of every table, and the rows fixed by hand, which hold
// exactly (even where gpsbabel names or numbers a symbol differently).
TEST(GPSSymbols, CodesOutsideTheTablesAndTheGivenRows)
{
    for (int code : {-1, -32768, INT32_MIN, 65536, INT32_MAX}) {
        EXPECT_EQ(GPSSymbols::DeviceSymbolName(code), u"???"_qs) << code;
        EXPECT_EQ(GPSSymbols::MPSSymbolName(code), u"???"_qs) << code;
        EXPECT_EQ(GPSSymbols::GTMSymbolName(code), u"???"_qs) << code;
        EXPECT_EQ(GPSSymbols::GridName(code), u"???"_qs) << code;
        EXPECT_EQ(GPSSymbols::DatumName(code), u"???"_qs) << code;
        EXPECT_FALSE(GPSSymbols::MPSCodeOfDevice(code)) << code;
        EXPECT_FALSE(GPSSymbols::DeviceCodeOfMPS(code)) << code;
        EXPECT_FALSE(GPSSymbols::GTMCodeOfMPS(code)) << code;
    }
    EXPECT_EQ(GPSSymbols::GTMSymbolName(102), u"???"_qs);
    EXPECT_EQ(GPSSymbols::GTMSymbolName(-1), u"???"_qs);

    const auto& device = GPSSymbols::DeviceSymbols();
    const struct {
        const char16_t* name;
        int16_t deviceCode, mpsCode;
    } given[] = {{u"機場", 16384, 107}, {u"山頂", 8246, 106}, {u"航點", 18, 18}, {u"Geocache", 8255, 117},
                 {u"緊急航點", 21, 0}};
    for (size_t i = 0; i < std::size(given); ++i) {
        EXPECT_EQ(QString::fromUtf16(device[i].name), QString::fromUtf16(given[i].name));
        EXPECT_EQ(device[i].deviceCode, given[i].deviceCode);
        EXPECT_EQ(device[i].mpsCode, given[i].mpsCode);
    }
    const auto& mps = GPSSymbols::MPSSymbols();
    EXPECT_EQ(QString::fromUtf16(mps[61].name), u"車道起點"_qs);
    EXPECT_EQ(mps[61].gtmCode, 11); // gpsbabel's Trail Head is 75
    EXPECT_EQ(GPSSymbols::MPSCodeOfDevice(21), 0);
}

// A device row and the MapSource row of its code tell the same pair of codes.
TEST(GPSSymbols, DeviceRowsAgreeWithTheMapSourceRows)
{
    for (const DeviceSymbolRow& row : GPSSymbols::DeviceSymbols()) {
        if (!row.name || row.mpsCode == 0)
            continue;
        EXPECT_EQ(GPSSymbols::DeviceCodeOfMPS(row.mpsCode), row.deviceCode) << row.mpsCode;
    }
}

// The English rows checked against gpsbabel: a GPX symbol name becomes, in gpsbabel's GDB
// file, the row's MapSource code, and in its GTM file the row's GPS TrackMaker icon, whose
// name in our table is the same name.
class GPSSymbolsAgainstGpsBabel : public ::testing::Test {
protected:
    struct Row {
        QString name;
        int mpsCode, gtmCode;
    };

    static std::vector<Row> EnglishRows()
    {
        std::vector<Row> rows;
        for (const MPSSymbolRow& row : GPSSymbols::MPSSymbols()) {
            const QString name = row.name ? QString::fromUtf16(row.name) : QString();
            if (!name.isEmpty() && name.at(0).unicode() < 0x80)
                rows.push_back({name, row.mpsCode, row.gtmCode});
        }
        return rows;
    }

    static QByteArray Gpx(const std::vector<Row>& rows)
    {
        QByteArray gpx = "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\" creator=\"t\" "
                         "xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
        for (size_t i = 0; i < rows.size(); ++i) {
            gpx += "<wpt lat=\"24.5\" lon=\"121.25\"><name>P" + QByteArray::number(qulonglong(i))
                + "</name><sym>" + rows[i].name.toHtmlEscaped().toUtf8() + "</sym></wpt>\n";
        }
        return gpx + "</gpx>\n";
    }

    std::unique_ptr<CGPSFile> Converted(const std::vector<Row>& rows, const char* format)
    {
        const QString out = dir.file(QStringLiteral("symbols.") + QLatin1String(format));
        EXPECT_TRUE(RunGpsBabel({"-i", "gpx", "-f", dir.write("symbols.gpx", Gpx(rows)), "-o", format, "-F", out}));
        return CGPSFileManager().OpenFile(out);
    }

    TempDir dir;
};

TEST_F(GPSSymbolsAgainstGpsBabel, NamesBecomeTheRowsMapSourceCodes)
{
    REQUIRE_GPSBABEL();
    const std::vector<Row> rows = EnglishRows();
    ASSERT_GT(rows.size(), 100u);
    auto file = Converted(rows, "gdb");
    const auto* gdb = dynamic_cast<const CGDBFile*>(file.get());
    ASSERT_TRUE(gdb);
    ASSERT_EQ(gdb->WayPoints().items.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(gdb->WayPoints().items[i]->Icon, rows[i].mpsCode) << rows[i].name.toStdString();
}

TEST_F(GPSSymbolsAgainstGpsBabel, NamesBecomeTheRowsTrackMakerIcons)
{
    REQUIRE_GPSBABEL();
    const std::vector<Row> rows = EnglishRows();
    auto file = Converted(rows, "gtm");
    const auto* gtm = dynamic_cast<const CGTMFile*>(file.get());
    ASSERT_TRUE(gtm);
    ASSERT_EQ(gtm->WayPoints().items.size(), rows.size());
    int withIcon = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const int icon = gtm->WayPoints().items[i].Icon;
        // A row without an icon is one whose name gpsbabel does not give back for its icon.
        if (rows[i].gtmCode == 0) {
            EXPECT_NE(GPSSymbols::GTMSymbolName(icon), rows[i].name) << rows[i].name.toStdString();
            continue;
        }
        ++withIcon;
        EXPECT_EQ(icon, rows[i].gtmCode) << rows[i].name.toStdString();
        EXPECT_EQ(GPSSymbols::GTMSymbolName(icon), rows[i].name);
    }
    EXPECT_GT(withIcon, 80);
}

TEST_F(GPSSymbolsAgainstGpsBabel, GpxSymbolsCopiedIntoGdbAsGpsbabelConvertsThem)
{
    REQUIRE_GPSBABEL();
    const std::vector<Row> rows = EnglishRows();
    auto ours = CGPSFileManager().OpenFile(dir.write("ours.gpx", Gpx(rows)));
    auto file = Converted(rows, "gdb");
    const auto* gdb = dynamic_cast<const CGDBFile*>(file.get());
    ASSERT_TRUE(ours && gdb);
    ASSERT_EQ(ours->GetWayPointCount(), int(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(ours->GetWayPointSymbol(int(i)), gdb->WayPoints().items[i]->Icon) << rows[i].name.toStdString();
}

} // namespace
