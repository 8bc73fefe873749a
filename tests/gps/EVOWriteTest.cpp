// EVO files written and converted: load -> save round trips, a file with routes saved without
// them, conversions from MPS and WTR files built from their layouts with the expected bytes
// built from the EVO layout, and an EVO track copied into a GDB file that gpsbabel reads.
#include "EvoTestSupport.h"
#include "GpsTestSupport.h"
#include "GpxTestSupport.h"
#include "MpsBuilder.h"
#include "WtrTestSupport.h"

#include "gps/GPSAngle.h"
#include "gps/gdb/GDBFile.h"
#include "gps/mps/MPSFile.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace evo_test;

namespace {

std::unique_ptr<CGPSFile> LoadMpsBytes(const QByteArray& bytes)
{
    TempDir dir;
    int recognised = 0;
    return CMPSFile().LoadFile(dir.write(QStringLiteral("f.mps"), bytes), &recognised);
}

// A waypoint as the converters write it, with the given fields.
EvoWayPointFields Converted(int16_t symbol, int32_t latitude, int32_t longitude, uint32_t heightBits,
                            uint32_t depthBits, const QByteArray& identifier, const QByteArray& comment = {})
{
    EvoWayPointFields w;
    w.head = QByteArray("\x00\xFF\x00\x60", 4);
    w.symbol = symbol;
    w.middle = QByteArray(6, '\0') + QByteArray(12, '\xFF');
    w.latitude = latitude;
    w.longitude = longitude;
    w.heightBits = heightBits;
    w.depthBits = depthBits;
    w.opaqueFloatBits = kMissing;
    w.tail = QByteArray("    \0\0\0\0", 8);
    w.identifier = identifier;
    w.comment = comment;
    return w;
}

MpsWayPointFields MpsWayPoint(const QByteArray& name, int16_t icon, uint8_t heightDefined, double height)
{
    MpsWayPointFields w;
    w.name = name;
    w.icon = icon;
    w.latitude = 0x11223344;
    w.longitude = -0x11223344;
    w.heightDefined = heightDefined;
    w.height = height;
    return w;
}

MpsPointFields MpsPoint(int32_t latitude, int32_t longitude, uint8_t heightDefined, double height,
                        uint8_t timeDefined, int32_t time)
{
    MpsPointFields p;
    p.latitude = latitude;
    p.longitude = longitude;
    p.heightDefined = heightDefined;
    p.height = height;
    p.timeDefined = timeDefined;
    p.time = time;
    return p;
}

constexpr int32_t kUnixTime = 1700000000; // 2023-11-14 22:13:20 UTC

// MPS waypoints with telling symbols, long Big5 names, heights and depths a float cannot hold;
// two tracks whose points have times defined and not.
QByteArray ConversionMps()
{
    MpsBuilder mps;
    MpsWayPointFields summit = MpsWayPoint(Big5(QStringLiteral("山").repeated(20)), 106, 1, 3952.25);
    summit.description = "line one\nline two, longer than the comment's thirty-one bytes";
    summit.depthDefined = 1;
    summit.depth = 12.5;
    mps.WayPoint(summit);
    MpsWayPointFields trailhead = MpsWayPoint("TRAILHEAD", 61, 1, 1e40);
    trailhead.depthDefined = 1;
    trailhead.depth = std::nan("");
    mps.WayPoint(trailhead);
    mps.WayPoint(MpsWayPoint("NOHEIGHT", 61, 0, 500));
    mps.Track("TRACK-ONE", {MpsPoint(1, 2, 1, 100.5, 1, kUnixTime), MpsPoint(3, 4, 0, 200, 0, kUnixTime + 60),
                            MpsPoint(5, 6, 1, -5, 1, -1)});
    mps.Track("TRACK-TWO", {MpsPoint(7, 8, 1, 1e39, 1, kUnixTime + 120)});
    return mps.bytes;
}

EvoBuilder ExpectedFromMps()
{
    EvoBuilder b;
    b.waypoints.push_back(Converted(8246, 0x11223344, -0x11223344, Bits(3952.25f), Bits(12.5f),
                                    Big5(QStringLiteral("山").repeated(15)), "line one line two, longer than "));
    b.waypoints.push_back(Converted(175, 0x11223344, -0x11223344, kMissing, kMissing, "TRAILHEAD"));
    b.waypoints.push_back(Converted(175, 0x11223344, -0x11223344, kMissing, kMissing, "NOHEIGHT"));
    EvoTrackFields one;
    one.name = "TRACK-ONE";
    one.points = {{1, 2, uint32_t(kUnixTime - kEpoch), Bits(100.5f), kMissing, 1},
                  {3, 4, 0xFFFFFFFF, kMissing, kMissing, 0},
                  {5, 6, 0xFFFFFFFF, Bits(-5.0f), kMissing, 0}};
    EvoTrackFields two;
    two.name = "TRACK-TWO";
    two.points = {{7, 8, uint32_t(kUnixTime + 120 - kEpoch), kMissing, kMissing, 1}};
    b.tracks = {one, two};
    return b;
}

} // namespace

TEST(EVOWrite, AFileWithoutRoutesSavesByteForByte)
{
    const QByteArray original = RichEvo().Build();
    auto file = LoadEvoBytes(original);
    ASSERT_TRUE(file);
    TempDir dir;
    const QString path = dir.file("copy.evo");
    ASSERT_EQ(file->SaveFile(path), 1);
    EXPECT_EQ(ReadBytes(path), original);
    auto again = CEVOFile().LoadFile(path, nullptr);
    ASSERT_TRUE(again);
    EXPECT_EQ(static_cast<CEVOFile&>(*again).ToBytes(), original);
}

TEST(EVOWrite, AFileWithRoutesSavesWithoutThemAndReloads)
{
    EvoBuilder b = RichEvo();
    b.routes = TwoRoutes();
    auto file = LoadEvoBytes(b.Build());
    ASSERT_TRUE(file);
    ASSERT_EQ(file->GetRouteCount(), 2);
    TempDir dir;
    const QString path = dir.write("earlier.evo", "an earlier file");
    ASSERT_EQ(file->SaveFile(path), 1);
    EvoBuilder expected = RichEvo();
    expected.routeCount = 0;
    EXPECT_EQ(ReadBytes(path), expected.Build());
    auto again = CEVOFile().LoadFile(path, nullptr);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->GetRouteCount(), 0);
    EXPECT_EQ(again->GetWayPointCount(), 2);
    EXPECT_EQ(again->GetTrackPointTotal(), 4);
}

TEST(EVOWrite, AFailedWriteReturnsZeroAndLeavesTheFolderAsItWas)
{
    auto file = LoadEvoBytes(RichEvo().Build());
    ASSERT_TRUE(file);
    TempDir dir;
    EXPECT_EQ(file->SaveFile(dir.file("no/such/folder/x.evo")), 0);
    const QString folder = dir.file("folder.evo");
    dir.write("folder.evo/inside.txt", "kept");
    EXPECT_EQ(file->SaveFile(folder), 0);
    EXPECT_EQ(ReadBytes(dir.file("folder.evo/inside.txt")), "kept");
}

TEST(EVOConvert, FromMpsGivesTheConvertersBytes)
{
    auto mps = LoadMpsBytes(ConversionMps());
    ASSERT_TRUE(mps);
    CEVOFile evo;
    ASSERT_TRUE(evo.CanConvertFrom(mps.get()));
    ASSERT_EQ(evo.ConvertFrom(mps.get()), 1);
    EXPECT_EQ(evo.ToBytes(), ExpectedFromMps().Build());
    EXPECT_EQ(evo.Header().WayPointCount(), 3u);
    EXPECT_EQ(evo.Header().TrackCount(), 2u);
    EXPECT_EQ(evo.Header().RouteCount(), 0u);
}

TEST(EVOConvert, ConvertFromClearsAndAddWayPointFromAppends)
{
    auto mps = LoadMpsBytes(ConversionMps());
    ASSERT_TRUE(mps);
    EvoBuilder filled = RichEvo();
    filled.routes = TwoRoutes();
    auto loaded = LoadEvoBytes(filled.Build());
    ASSERT_TRUE(loaded);
    CEVOFile& evo = static_cast<CEVOFile&>(*loaded);
    ASSERT_EQ(evo.ConvertFrom(mps.get()), 1);
    EXPECT_EQ(evo.GetRouteCount(), 0);
    EXPECT_EQ(evo.ToBytes(), ExpectedFromMps().Build());

    ASSERT_EQ(evo.AddWayPointFrom(mps.get(), 1, "PRE"), 1);
    ASSERT_EQ(evo.AddWayPointFrom(mps.get(), 0, Big5(QStringLiteral("前綴")).constData()), 1);
    EXPECT_EQ(evo.AddWayPointFrom(mps.get(), 3, nullptr), 0);
    EXPECT_EQ(evo.AddWayPointFrom(&evo, 0, nullptr), 0);
    EvoBuilder expected = ExpectedFromMps();
    expected.waypoints.push_back(Converted(175, 0x11223344, -0x11223344, kMissing, kMissing, "PRE-TRAILHEAD"));
    expected.waypoints.push_back(Converted(8246, 0x11223344, -0x11223344, Bits(3952.25f), Bits(12.5f),
                                           Big5(QStringLiteral("前綴-") + QStringLiteral("山").repeated(13)),
                                           "line one line two, longer than "));
    EXPECT_EQ(evo.ToBytes(), expected.Build());
    EXPECT_EQ(evo.GetWayPointCount(), 5);
}

TEST(EVOConvert, TellingSymbolsMapToDeviceCodes)
{
    EXPECT_EQ(CEVOFile::SymbolFromMPS(106), 8246);
    EXPECT_EQ(CEVOFile::SymbolFromMPS(61), 175);
    EXPECT_EQ(CEVOFile::SymbolFromMPS(117), 8255);
    EXPECT_EQ(CEVOFile::SymbolFromMPS(500), 18); // a custom symbol the device lacks
    EXPECT_EQ(CEVOFile::SymbolFromMPS(0x7123), 0x7123); // unknown: kept
}

TEST(EVOConvert, FromWtrKeepsFieldsAndSavesAndReloads)
{
    auto wtr = LoadWtrBytes(RichWtr().Build());
    ASSERT_TRUE(wtr);
    const CWTRFile& source = AsWtr(wtr);
    CEVOFile evo;
    ASSERT_TRUE(evo.CanConvertFrom(wtr.get()));
    ASSERT_EQ(evo.ConvertFrom(wtr.get()), 1);
    EvoBuilder expected;
    for (const WTRWayPointRecord& w : source.WayPoints().items)
        expected.waypoints.push_back(Converted(w.Icon, w.Latitude, w.Longitude, w.HeightBits, 0, w.Name));
    for (const WTRTrackRecord& t : source.Tracks().items) {
        EvoTrackFields track;
        track.name = t.Name;
        for (const WTRTrackPoint& p : t.points)
            track.points.push_back({p.Latitude, p.Longitude, p.Time, p.HeightBits, p.DepthBits, p.NewSegment});
        expected.tracks.push_back(track);
    }
    ASSERT_FALSE(expected.waypoints.empty());
    ASSERT_FALSE(expected.tracks.empty());
    EXPECT_EQ(evo.ToBytes(), expected.Build());
    TempDir dir;
    ASSERT_EQ(evo.SaveFile(dir.file("w.evo")), 1);
    auto again = CEVOFile().LoadFile(dir.file("w.evo"), nullptr);
    ASSERT_TRUE(again);
    EXPECT_EQ(static_cast<CEVOFile&>(*again).ToBytes(), expected.Build());
    ASSERT_EQ(evo.AddWayPointFrom(wtr.get(), 0, nullptr), 1);
    EXPECT_EQ(evo.WayPoints().items.back().Identifier, source.WayPoints().items[0].Name);
}

TEST(EVOConvert, AnEvoTrackCopiedIntoGdbReadsBackInGpsbabel)
{
    REQUIRE_GPSBABEL();
    EvoBuilder b;
    EvoTrackFields t;
    t.name = "EVO-TRACK";
    const int32_t lat = GPSAngle::FromDegrees(23.47), lon = GPSAngle::FromDegrees(120.957);
    for (int i = 0; i < 5; ++i)
        t.points.push_back({lat + i * 1000, lon - i * 1000, uint32_t(1000000000 + i * 30), Bits(3000.0f + i), kMissing, i == 0});
    b.tracks = {t};
    auto evo = LoadEvoBytes(b.Build());
    ASSERT_TRUE(evo);
    CGDBFile gdb;
    ASSERT_EQ(gdb.AddTrackFrom(evo.get(), 0, nullptr), 1);
    TempDir dir;
    const QString path = dir.file("copy.gdb");
    ASSERT_EQ(gdb.SaveFile(path), 1);
    GpxContent read;
    ASSERT_TRUE(GpsbabelReading(path, &read, QStringLiteral("gdb")));
    ASSERT_EQ(read.tracks.size(), 1u);
    ASSERT_EQ(read.tracks[0].points.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        const GpxPoint& p = read.tracks[0].points[size_t(i)];
        EXPECT_NEAR(p.lat, GPSAngle::ToDegrees(lat + i * 1000), 1e-6);
        EXPECT_NEAR(p.lon, GPSAngle::ToDegrees(lon - i * 1000), 1e-6);
        EXPECT_NEAR(p.ele.value_or(0), 3000.0 + i, 1e-3);
        EXPECT_EQ(SecondsOf(p.time), kEpoch + 1000000000 + i * 30);
    }
}
