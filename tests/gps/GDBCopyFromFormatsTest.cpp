// Waypoints copied into a GDB file from the other formats, as the GPS software shows them:
// gpsbabel reads the written file back with each waypoint's display mode and symbol; and
// texts of old 8-bit GDB files copied whole.
#include "EvoTestSupport.h"
#include "GpsTestSupport.h"
#include "GpxTestSupport.h"
#include "TempDir.h"
#include "WtrTestSupport.h"

#include "gps/GPSFileManager.h"
#include "gps/gdb/GDBFile.h"
#include "platform/CodePage.h"

#include <QHash>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int16_t kDeviceSummit = 8246;  // 山頂 in the device numbering of EVO and WTR files
constexpr int16_t kDeviceWayPoint = 18;  // 航點

struct Shown {
    QString display, symbol;
    bool operator==(const Shown&) const = default;
};

void PrintTo(const Shown& shown, std::ostream* os)
{
    *os << shown.display.toStdString() << " / " << shown.symbol.toStdString();
}

// What MapSource's text export, as gpsbabel writes it, shows of each waypoint: display mode
// and symbol by the ASCII start of the name ("s-", "w-"; gpsbabel writes other characters as
// '?').
QHash<QString, Shown> ShownByPrefix(const QString& gdbPath)
{
    QByteArray text;
    EXPECT_TRUE(RunGpsBabel({"-i", "gdb", "-f", gdbPath, "-o", "garmin_txt", "-F", "-"}, &text));
    QHash<QString, Shown> shown;
    QStringList header;
    for (const QByteArray& line : text.split('\n')) {
        const QStringList cells = QString::fromLatin1(line).remove(u'\r').split(u'\t');
        if (cells.value(0) == u"Header")
            header = cells;
        else if (cells.value(0) == u"Waypoint")
            shown.insert(cells.value(1).left(2), {cells.value(header.indexOf(u"Display Mode"_qs)),
                                                  cells.value(header.indexOf(u"Symbol"_qs))});
    }
    return shown;
}

struct SourceCase {
    const char* format;
    std::function<std::unique_ptr<CGPSFile>(TempDir&)> open;
    int summit; // index of a waypoint marked as a summit; -1 when the format has no symbols
    int plain;  // index of a waypoint with the plain symbol or none
};

std::unique_ptr<CGPSFile> OpenFixture(const char* name) { return CGPSFileManager().OpenFile(GpsFixture(name)); }

std::unique_ptr<CGPSFile> OpenEvo(TempDir& dir)
{
    EvoBuilder evo = evo_test::RichEvo();
    evo.waypoints[0].symbol = kDeviceSummit;
    evo.waypoints[1].symbol = kDeviceWayPoint;
    return CGPSFileManager().OpenFile(dir.write("s.evo", evo.Build()));
}

std::unique_ptr<CGPSFile> OpenWtr(TempDir& dir)
{
    WtrBuilder wtr = RichWtr();
    wtr.waypoints[0].icon = kDeviceSummit;
    wtr.waypoints[1].icon = kDeviceWayPoint;
    return CGPSFileManager().OpenFile(dir.write("s.wtr", wtr.Build()));
}

const SourceCase kSources[] = {
    // gpsbabel_11.gpx: 雪山主峰 with <sym>Summit</sym>, 三六九 & 山莊 without a symbol.
    {"GPX", [](TempDir&) { return OpenFixture("gpsbabel_11.gpx"); }, 0, 1},
    // gpsbabel.kml: no symbols in the format.
    {"KML", [](TempDir&) { return OpenFixture("gpsbabel.kml"); }, -1, 0},
    // gpsbabel.gtm: SnowMainPeak with the Summit icon, Jade without a symbol.
    {"GTM", [](TempDir&) { return OpenFixture("gpsbabel.gtm"); }, 0, 1},
    {"EVO", OpenEvo, 0, 1},
    {"WTR", OpenWtr, 0, 1},
};

TEST(GDBCopyFromFormats, CopiesShowTheirNameAndTheSymbolOfTheirSource)
{
    REQUIRE_GPSBABEL();
    const Shown summit{u"Symbol & Name"_qs, u"Summit"_qs}, plain{u"Symbol & Name"_qs, u"Waypoint"_qs};
    for (const SourceCase& source : kSources) {
        SCOPED_TRACE(source.format);
        TempDir dir;
        auto file = source.open(dir);
        ASSERT_TRUE(file);
        CGDBFile gdb;
        if (source.summit >= 0) {
            ASSERT_EQ(gdb.AddWayPointFrom(file.get(), source.summit, "s"), 1);
        }
        ASSERT_EQ(gdb.AddWayPointFrom(file.get(), source.plain, "w"), 1);
        const QString path = dir.file("copy.gdb");
        ASSERT_EQ(gdb.SaveFile(path), 1);
        const QHash<QString, Shown> shown = ShownByPrefix(path);
        if (source.summit >= 0) {
            EXPECT_EQ(shown.value(u"s-"_qs), summit);
        }
        EXPECT_EQ(shown.value(u"w-"_qs), plain);
    }
}

TEST(GDBCopyFromFormats, CopiesOfGdbWaypointsKeepTheirDisplayMode)
{
    REQUIRE_GPSBABEL();
    // The builder's waypoint has display mode 0 (the symbol alone) and symbol 18.
    TempDir dir;
    auto source = CGPSFileManager().OpenFile(dir.write("source.gdb", GdbBuilder(109).WayPoint("A", "").bytes));
    ASSERT_TRUE(source);
    CGDBFile gdb;
    ASSERT_EQ(gdb.AddWayPointFrom(source.get(), 0, "s"), 1);
    ASSERT_EQ(gdb.SaveFile(dir.file("copy.gdb")), 1);
    EXPECT_EQ(ShownByPrefix(dir.file("copy.gdb")).value(u"s-"_qs), (Shown{u"Symbol"_qs, u"Waypoint"_qs}));
}

TEST(GDBCopyFromFormats, ADescriptionOfAnOldFileIsCopiedWhole)
{
    REQUIRE_GPSBABEL();
    TempDir dir;
    QString description;
    for (int i = 0; description.size() < 300; ++i)
        description += QString::number(i % 10) + u"合歡山北峰西峰步道"_qs.mid(i % 9, 1);
    description.truncate(300);
    GdbBuilder old(108);
    old.WayPoint(platform::ToAnsi(u"合歡北峰"_qs), platform::ToAnsi(description));
    auto source = CGPSFileManager().OpenFile(dir.write("old.gdb", old.bytes));
    ASSERT_TRUE(source);
    CGDBFile gdb;
    ASSERT_EQ(gdb.AddWayPointFrom(source.get(), 0, nullptr), 1);
    ASSERT_EQ(gdb.SaveFile(dir.file("copy.gdb")), 1);
    GpxContent read;
    ASSERT_TRUE(GpsbabelReading(dir.file("copy.gdb"), &read, u"gdb"_qs));
    ASSERT_EQ(read.waypoints.size(), 1u);
    EXPECT_EQ(read.waypoints[0].name, u"合歡北峰"_qs);
    EXPECT_EQ(read.waypoints[0].desc, description);
}

} // namespace
