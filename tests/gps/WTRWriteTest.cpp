// WTR files written and converted: load -> save -> load keeps every byte, EVO -> WTR and
// WTR -> EVO -> WTR keep every field the formats share, and a WTR track copied into a GDB file
// reads back in gpsbabel with every point and time.
#include "EvoBuilder.h"
#include "GpsTestSupport.h"
#include "GpxTestSupport.h"
#include "WtrTestSupport.h"

#include "gps/evo/EVOFile.h"
#include "gps/gdb/GDBFile.h"
#include "gps/GPSAngle.h"
#include "gps/GPSFileManager.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace wtr_builder;

QByteArray Bytes(const auto& array)
{
    return QByteArray(reinterpret_cast<const char*>(array.data()), qsizetype(array.size()));
}

// GPSAngle units of a number of degrees (2^32 - 1 units to the circle).
int32_t Units(double degrees) { return int32_t(std::llround(degrees * 4294967295.0 / 360.0)); }

WtrBuilder WithoutRoutes(WtrBuilder b)
{
    b.routes.clear();
    b.trailer.clear();
    return b;
}

TEST(WTRWrite, SavedFileHasTheBytesItWasLoadedFrom)
{
    TempDir dir;
    const WtrBuilder b = WithoutRoutes(RichWtr());
    auto file = LoadWtrBytes(b.Build());
    ASSERT_TRUE(file);
    const QString path = dir.file("out.wtr");
    ASSERT_EQ(file->SaveFile(path), 1);
    // Every marker block, each track's own header block and every opaque byte as read.
    EXPECT_EQ(ReadBytes(path), b.Build());
    auto back = CGPSFileManager().OpenFile(path);
    ASSERT_TRUE(back);
    EXPECT_EQ(AsWtr(back).ToBytes(), b.Build());
    EXPECT_EQ(Bytes(AsWtr(back).Tracks().items[1].header.bytes), b.tracks[1].header);
}

TEST(WTRWrite, RoutesAreNotWrittenButTheRouteMarkerIs)
{
    WtrBuilder b = RichWtr();
    b.routeBlock = Block(kRte, "held route tail");
    b.trailer = "xyz";
    auto file = LoadWtrBytes(b.Build());
    ASSERT_TRUE(file);
    EXPECT_EQ(AsWtr(file).ToBytes(), WithoutRoutes(RichWtr()).Build());
}

TEST(WTRWrite, NewObjectSavesAFileThatLoadsEmpty)
{
    TempDir dir;
    CWTRFile wtr;
    ASSERT_EQ(wtr.SaveFile(dir.file("empty.wtr")), 1);
    EXPECT_EQ(ReadBytes(dir.file("empty.wtr")), WtrBuilder().Build());
    auto back = LoadWtrBytes(ReadBytes(dir.file("empty.wtr")));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->GetWayPointCount(), 0);
}

TEST(WTRWrite, FailedSaveReportsFailure)
{
    TempDir dir;
    auto file = LoadWtrBytes(RichWtr().Build());
    ASSERT_TRUE(file);
    EXPECT_EQ(file->SaveFile(dir.file("missing-folder/x.wtr") + "/"), 0);
    EXPECT_EQ(file->SaveFile(dir.path()), 0);
}

// An EVO file with every case of the shared fields: a long Big5 identifier, a missing height,
// a long track name, segment flags and the special times.
EvoBuilder EvoSource()
{
    EvoWayPointFields summit;
    summit.symbol = 8246;
    summit.latitude = Units(24.383333);
    summit.longitude = Units(121.233333);
    summit.heightBits = FloatBits(3886.0f);
    summit.depthBits = FloatBits(2.0f);
    summit.identifier = "ABCDEFGHIJKLMNOPQR\xA4\x43XYZ"; // a Big5 character on bytes 19 and 20
    summit.comment = "comment is dropped";
    EvoWayPointFields south;
    south.symbol = 18;
    south.latitude = Units(-33.9);
    south.longitude = Units(-10.5);
    south.heightBits = kMissingHeight;
    south.identifier = "\xA4\x43\xAC\x50\xA4\x73";
    EvoTrackFields track;
    track.name = "0123456789abcdefghij";
    track.points = {{Units(25.16), Units(121.54), 1, FloatBits(800.0f), kMissingHeight, 1},
                    {Units(25.165), Units(121.545), 0xFFFFFFFF, kOtherMissingHeight, FloatBits(1.5f), 0},
                    {Units(25.17), Units(121.55), 1000000000, FloatBits(1120.25f), 0, 256}};
    EvoTrackFields empty;
    empty.name = "\xB9\xDA\xA4\xDB\xB4\xF2";
    EvoBuilder evo;
    evo.waypoints = {summit, south};
    evo.tracks = {track, empty};
    return evo;
}

// What the conversion must write, from the layout tables: names cut to their fields at a
// character boundary, the other waypoint bytes zero, fresh marker blocks, ShowOnGPS 1 and
// 0xFF in the track's opaque byte, the segment flag kept set.
WtrBuilder ExpectedFromEvo()
{
    WtrBuilder b;
    b.waypoints = {{"ABCDEFGHIJKLMNOPQR", Units(24.383333), Units(121.233333), FloatBits(3886.0f), {}, 8246, {}},
                   {"\xA4\x43\xAC\x50\xA4\x73", Units(-33.9), Units(-10.5), kMissingHeight, {}, 18, {}}};
    WtrTrackFields track;
    track.held = 0xFF;
    track.name = "0123456789abcde";
    track.points = {{Units(25.16), Units(121.54), 1, FloatBits(800.0f), kMissingHeight, 1},
                    {Units(25.165), Units(121.545), 0xFFFFFFFF, kOtherMissingHeight, FloatBits(1.5f), 0},
                    {Units(25.17), Units(121.55), 1000000000, FloatBits(1120.25f), 0, 1}};
    WtrTrackFields empty;
    empty.held = 0xFF;
    empty.name = "\xB9\xDA\xA4\xDB\xB4\xF2";
    b.tracks = {track, empty};
    return b;
}

std::unique_ptr<CGPSFile> LoadEvo(const TempDir& dir, const QByteArray& bytes)
{
    return CEVOFile().LoadFile(dir.write("source.evo", bytes), nullptr);
}

TEST(WTRWrite, ConvertedFromEvo)
{
    TempDir dir;
    auto evo = LoadEvo(dir, EvoSource().Build());
    ASSERT_TRUE(evo);
    // A filled object is cleared first: its waypoints, tracks, routes and blocks go.
    auto loaded = LoadWtrBytes(RichWtr().Build());
    ASSERT_TRUE(loaded);
    auto& wtr = static_cast<CWTRFile&>(*loaded);
    ASSERT_TRUE(wtr.CanConvertFrom(evo.get()));
    ASSERT_EQ(wtr.ConvertFrom(evo.get()), 1);
    EXPECT_EQ(wtr.GetRouteCount(), 0);
    EXPECT_EQ(wtr.ToBytes(), ExpectedFromEvo().Build());
    ASSERT_EQ(wtr.SaveFile(dir.file("out.wtr")), 1);
    auto back = CGPSFileManager().OpenFile(dir.file("out.wtr"));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->FormatCode(), CGPSFile::kWTR);
    EXPECT_EQ(back->GetWayPointCount(), 2);
    EXPECT_EQ(back->GetTrackCount(), 2);
}

TEST(WTRWrite, ConvertsFromEvoOnly)
{
    CWTRFile wtr;
    auto other = LoadWtrBytes(RichWtr().Build());
    ASSERT_TRUE(other);
    EXPECT_FALSE(wtr.CanConvertFrom(other.get()));
    EXPECT_FALSE(wtr.CanConvertFrom(nullptr));
    EXPECT_EQ(wtr.ConvertFrom(other.get()), 0);
    EXPECT_EQ(wtr.ConvertFrom(nullptr), 0);
    EXPECT_EQ(wtr.AddWayPointFrom(other.get(), 0, nullptr), 0);
}

// WTR -> EVO -> file -> EVO -> WTR: every shared field survives, with the converters'
// defaults in the EVO waypoints' opaque bytes.
TEST(WTRWrite, ThroughEvoAndBack)
{
    TempDir dir;
    const WtrBuilder expected = ExpectedFromEvo();
    auto wtr = LoadWtrBytes(expected.Build());
    ASSERT_TRUE(wtr);
    CEVOFile evo;
    ASSERT_TRUE(evo.CanConvertFrom(wtr.get()));
    ASSERT_EQ(evo.ConvertFrom(wtr.get()), 1);
    ASSERT_EQ(evo.SaveFile(dir.file("mid.evo")), 1);
    auto evoBack = CGPSFileManager().OpenFile(dir.file("mid.evo"));
    ASSERT_TRUE(evoBack);
    ASSERT_EQ(evoBack->FormatCode(), CGPSFile::kEVO);
    const auto& evoFile = static_cast<const CEVOFile&>(*evoBack);
    ASSERT_EQ(evoFile.WayPoints().count(), 2);
    for (size_t i = 0; i < 2; ++i) {
        const EVOWayPointRecord& w = evoFile.WayPoints().items[i];
        EXPECT_EQ(w.Identifier, expected.waypoints[i].name);
        EXPECT_EQ(w.Symbol, expected.waypoints[i].icon);
        EXPECT_EQ(w.Latitude, expected.waypoints[i].latitude);
        EXPECT_EQ(w.Longitude, expected.waypoints[i].longitude);
        EXPECT_EQ(w.HeightBits, expected.waypoints[i].heightBits);
        EXPECT_EQ(Bytes(w.Head), QByteArray("\x00\xFF\x00\x60", 4));
        EXPECT_EQ(Bytes(w.Middle), QByteArray(6, '\0') + QByteArray(12, '\xFF'));
        EXPECT_EQ(w.OpaqueFloatBits, kMissingHeight);
        EXPECT_EQ(Bytes(w.Tail), QByteArray("    \0\0\0\0", 8));
    }
    ASSERT_EQ(evoFile.Tracks().count(), 2);
    EXPECT_EQ(evoFile.Tracks().items[0].Name, "0123456789abcde");
    const auto& points = evoFile.Tracks().items[0].points;
    ASSERT_EQ(points.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(points[i].Time, expected.tracks[0].points[i].time);
        EXPECT_EQ(points[i].DepthBits, expected.tracks[0].points[i].depthBits);
        EXPECT_EQ(points[i].NewSegment, expected.tracks[0].points[i].newSegment);
    }
    CWTRFile again;
    ASSERT_EQ(again.ConvertFrom(evoBack.get()), 1);
    EXPECT_EQ(again.ToBytes(), expected.Build());
}

// A WTR track copied into a GDB file as locating a trail does: gpsbabel reads every point,
// its height and its time (stamp + 1989-12-31), and none for a time or height not known.
TEST(WTRWrite, TrackCopiedIntoGdbReadsBackInGpsbabel)
{
    REQUIRE_GPSBABEL();
    WtrBuilder b;
    WtrTrackFields track;
    track.name = "Trail";
    track.points = {{Units(25.16), Units(121.54), 1000000000, FloatBits(800.0f), 0, 1},
                    {Units(25.165), Units(121.545), 0xFFFFFFFF, kMissingHeight, 0, 0},
                    {Units(-25.17), Units(-121.55), 1000003600, FloatBits(1120.5f), 0, 0}};
    b.tracks = {track};
    auto wtr = LoadWtrBytes(b.Build());
    ASSERT_TRUE(wtr);
    CGDBFile gdb;
    ASSERT_EQ(gdb.AddTrackFrom(wtr.get(), 0, nullptr), 1);
    TempDir dir;
    const QString path = dir.file("track.gdb");
    ASSERT_EQ(gdb.SaveFile(path), 1);
    GpxContent read;
    ASSERT_TRUE(GpsbabelReading(path, &read, "gdb"));
    ASSERT_EQ(read.tracks.size(), 1u);
    EXPECT_EQ(read.tracks[0].name, "Trail");
    const struct {
        double lat, lon;
        std::optional<double> ele;
        int64_t time;
    } want[] = {{25.16, 121.54, 800.0, kWtrEpoch + 1000000000},
                {25.165, 121.545, std::nullopt, 0},
                {-25.17, -121.55, 1120.5, kWtrEpoch + 1000003600}};
    ASSERT_EQ(read.tracks[0].points.size(), std::size(want));
    for (size_t i = 0; i < std::size(want); ++i) {
        const GpxPoint& got = read.tracks[0].points[i];
        EXPECT_NEAR(got.lat, want[i].lat, 1e-6) << i;
        EXPECT_NEAR(got.lon, want[i].lon, 1e-6) << i;
        EXPECT_EQ(got.ele.has_value(), want[i].ele.has_value()) << i;
        if (got.ele && want[i].ele) {
            EXPECT_NEAR(*got.ele, *want[i].ele, 1e-3) << i;
        }
        EXPECT_EQ(SecondsOf(got.time), want[i].time) << i;
    }
}

} // namespace
