// A GDB file written by gpsbabel, taken through every conversion of the eTrex formats and
// back: GDB -> MPS -> EVO -> WTR (saved and loaded) -> EVO -> MPS -> GDB. gpsbabel reads the
// first and the last file; names (all within the 15 bytes every step holds), positions,
// heights and track times must agree.
#include "GpsTestSupport.h"
#include "GpxTestSupport.h"
#include "TempDir.h"

#include "gps/evo/EVOFile.h"
#include "gps/gdb/GDBFile.h"
#include "gps/GPSFileManager.h"
#include "gps/mps/MPSFile.h"
#include "gps/wtr/WTRFile.h"

#include <gtest/gtest.h>

namespace {

// target.ConvertFrom(source), or null when it fails.
template <class Format>
std::unique_ptr<CGPSFile> Converted(const CGPSFile* source)
{
    auto target = std::make_unique<Format>();
    if (!source || !target->CanConvertFrom(source) || target->ConvertFrom(source) != 1)
        return nullptr;
    return target;
}

void ExpectSamePoint(const GpxPoint& got, const GpxPoint& want, const std::string& where)
{
    EXPECT_NEAR(got.lat, want.lat, 1e-6) << where;
    EXPECT_NEAR(got.lon, want.lon, 1e-6) << where;
    EXPECT_EQ(got.ele.has_value(), want.ele.has_value()) << where;
    if (got.ele && want.ele) {
        EXPECT_NEAR(*got.ele, *want.ele, 1e-3) << where;
    }
}

TEST(FormatChain, GdbThroughMpsEvoWtrAndBack)
{
    REQUIRE_GPSBABEL();
    const QString source = GpsFixture("gpsbabel_v3.gdb");
    GpxContent original;
    ASSERT_TRUE(GpsbabelReading(source, &original, "gdb"));
    ASSERT_FALSE(original.waypoints.empty());
    ASSERT_FALSE(original.tracks.empty());

    TempDir dir;
    auto gdb = CGPSFileManager().OpenFile(source);
    ASSERT_TRUE(gdb);
    auto mps = Converted<CMPSFile>(gdb.get());
    auto evo = Converted<CEVOFile>(mps.get());
    auto wtr = Converted<CWTRFile>(evo.get());
    ASSERT_TRUE(wtr);
    ASSERT_EQ(wtr->SaveFile(dir.file("chain.wtr")), 1);
    auto wtrBack = CGPSFileManager().OpenFile(dir.file("chain.wtr"));
    ASSERT_TRUE(wtrBack);
    ASSERT_EQ(wtrBack->FormatCode(), CGPSFile::kWTR);
    auto evoBack = Converted<CEVOFile>(wtrBack.get());
    auto mpsBack = Converted<CMPSFile>(evoBack.get());
    auto gdbBack = Converted<CGDBFile>(mpsBack.get());
    ASSERT_TRUE(gdbBack);
    const QString path = dir.file("chain.gdb");
    ASSERT_EQ(gdbBack->SaveFile(path), 1);

    GpxContent read;
    ASSERT_TRUE(GpsbabelReading(path, &read, "gdb"));
    ASSERT_EQ(read.waypoints.size(), original.waypoints.size());
    for (size_t i = 0; i < read.waypoints.size(); ++i) {
        EXPECT_EQ(read.waypoints[i].name, original.waypoints[i].name) << i;
        ExpectSamePoint(read.waypoints[i].position, original.waypoints[i].position, "waypoint " + std::to_string(i));
    }
    ASSERT_EQ(read.tracks.size(), original.tracks.size());
    for (size_t t = 0; t < read.tracks.size(); ++t) {
        EXPECT_EQ(read.tracks[t].name, original.tracks[t].name) << t;
        ASSERT_EQ(read.tracks[t].points.size(), original.tracks[t].points.size()) << t;
        for (size_t i = 0; i < read.tracks[t].points.size(); ++i) {
            const std::string where = "track " + std::to_string(t) + " point " + std::to_string(i);
            ExpectSamePoint(read.tracks[t].points[i], original.tracks[t].points[i], where);
            EXPECT_EQ(SecondsOf(read.tracks[t].points[i].time), SecondsOf(original.tracks[t].points[i].time))
                << where;
        }
    }
}

} // namespace
