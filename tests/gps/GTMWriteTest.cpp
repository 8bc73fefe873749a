// GPS TrackMaker files written: conversions of MPS files read back by gpsbabel, the writer
// checked byte by byte against gpsbabel's file and the layout builder, and GTM waypoints and
// tracks copied into GDB files as locating does.
#include "GpsTestSupport.h"
#include "GtmTestSupport.h"
#include "MpsBuilder.h"
#include "TempDir.h"

#include "gps/GPSAngle.h"
#include "gps/GPSFileManager.h"
#include "gps/GPSText.h"
#include "gps/mps/MPSFile.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t kGtmEpoch = 631065600; // 1989-12-31 00:00 UTC

QString Text(const char16_t* field, int width) { return gps::FieldText(field, width).toString(); }

MpsWayPointFields MpsWayPoint(const QByteArray& name, double latitude, double longitude, int16_t icon, int32_t display)
{
    MpsWayPointFields w;
    w.name = name;
    w.latitude = GPSAngle::FromDegrees(latitude);
    w.longitude = GPSAngle::FromDegrees(longitude);
    w.icon = icon;
    w.display = display;
    return w;
}

MpsPointFields MpsPoint(double latitude, double longitude, uint8_t heightDefined, double height, uint8_t timeDefined,
                        int32_t time)
{
    return {GPSAngle::FromDegrees(latitude), GPSAngle::FromDegrees(longitude), heightDefined, height, timeDefined, time};
}

// Waypoints of every symbol case, a name longer than 10 bytes in Big5, a height behind a clear
// byte; a track, a track without points, a track with Big5 name south and west.
QByteArray MpsSource()
{
    MpsWayPointFields summit = MpsWayPoint("SnowMainPeak", 24.383333, 121.233333, 106, 0);
    summit.heightDefined = 1;
    summit.height = 3886;
    summit.description = "Main peak";
    MpsWayPointFields big5 = MpsWayPoint(Big5(u"七星山主峰東峰"_qs), 25.17, 121.55, 61, 1);
    big5.height = 1.0e25; // not defined
    big5.description = Big5(u"步道"_qs);
    MpsBuilder mps;
    mps.WayPoint(summit).WayPoint(big5).WayPoint(MpsWayPoint("Custom", -33.9, -10.5, 500, 2));
    mps.WayPoint(MpsWayPoint("Odd", 1, 2, 9999, 7));
    mps.Track("Trail", {MpsPoint(25.16, 121.54, 1, 800, 1, 1680307200), MpsPoint(25.165, 121.545, 0, 1.0e25, 0, 0),
                        MpsPoint(25.17, 121.55, 1, 1120, 1, 1680311700)});
    mps.Track("Empty", {});
    mps.Track(Big5(u"夢幻湖"_qs), {MpsPoint(-1.5, -2.25, 1, 5, 1, 946684799), MpsPoint(26, 122, 1, 6, 1, 946684800)});
    return mps.bytes;
}

std::unique_ptr<CGPSFile> OpenBytes(const TempDir& dir, const QString& name, const QByteArray& bytes)
{
    return CGPSFileManager().OpenFile(dir.write(name, bytes));
}

TEST(GTMWrite, ConvertedMpsFileHoldsWhatTheFormatSays)
{
    TempDir dir;
    auto mps = OpenBytes(dir, "source.mps", MpsSource());
    ASSERT_TRUE(mps);
    // A filled object is cleared first: the map image and route points of the earlier file go.
    auto loaded = LoadGtmBytes(Big5Gtm().Build());
    ASSERT_TRUE(loaded);
    auto& gtm = static_cast<CGTMFile&>(*loaded);
    ASSERT_TRUE(gtm.CanConvertFrom(mps.get()));
    ASSERT_EQ(gtm.ConvertFrom(mps.get()), 1);
    ASSERT_EQ(gtm.SaveFile(dir.file("out.gtm")), 1);
    auto back = CGPSFileManager().OpenFile(dir.file("out.gtm"));
    ASSERT_TRUE(back);
    // Held in source order; written with the Big5-named waypoint first.
    EXPECT_EQ(QByteArrayView(gtm.WayPoints().items[0].Name.data(), 10), "SnowMainPe");
    {
        const CGTMFile* file = static_cast<const CGTMFile*>(back.get());
        const CGTMHeader& h = file->Header();
        EXPECT_EQ(h.Version, 211);
        EXPECT_EQ(QByteArrayView(h.ID.data(), 10), "TrackMaker");
        EXPECT_EQ(h.GridFontSize, 8);
        EXPECT_EQ(h.BackgroundColor, 0xFFFFFF);
        EXPECT_EQ(h.GridFont, "Times New Roman");
        EXPECT_EQ(h.MapImages, 0);
        EXPECT_EQ(h.RoutePoints, 0);
        EXPECT_EQ(h.Tracks, 2);
        EXPECT_NEAR(h.MaxLongitude, 122, 1e-4);
        EXPECT_NEAR(h.MinLongitude, -2.25, 1e-4);
        EXPECT_NEAR(h.MaxLatitude, 26, 1e-4);
        EXPECT_NEAR(h.MinLatitude, -1.5, 1e-4);
        EXPECT_EQ(file->GridDatum().Grid, 13);
        EXPECT_EQ(file->GridDatum().Datum, 217);
        EXPECT_EQ(file->Images().count(), 0);
        EXPECT_EQ(file->GetRouteCount(), 0);

        const auto& waypoints = file->WayPoints().items;
        ASSERT_EQ(waypoints.size(), 4u);
        // The Big5 name is written first and cut to 10 bytes at a character boundary.
        EXPECT_EQ(QByteArrayView(waypoints[0].Name.data(), 10), Big5(u"七星山主峰"_qs));
        EXPECT_EQ(waypoints[0].Comment, Big5(u"步道"_qs));
        EXPECT_EQ(QByteArrayView(waypoints[1].Name.data(), 10), "SnowMainPe");
        EXPECT_EQ(QByteArrayView(waypoints[2].Name.data(), 10), "Custom    ");
        const int16_t icons[] = {11, 73, 48, 9999};
        const uint8_t displays[] = {1, 2, 3, 1};
        const float heights[] = {0, 3886, 0, 0};
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(waypoints[i].Icon, icons[i]) << i;
            EXPECT_EQ(waypoints[i].Display, displays[i]) << i;
            EXPECT_EQ(waypoints[i].Height, heights[i]) << i;
        }
        EXPECT_NEAR(waypoints[2].Latitude, -33.9, 1e-7);
        EXPECT_NEAR(waypoints[2].Longitude, -10.5, 1e-7);

        const auto& styles = file->WayPointStyles().items;
        ASSERT_EQ(styles.size(), 4u);
        EXPECT_EQ(styles[2].FaceName, "Times New Roman");
        EXPECT_EQ(styles[2].Display, 2);
        EXPECT_EQ(styles[3].border, 0x8B);

        // The track without points has no style: the third source track keeps its own name.
        const auto& trackStyles = file->TrackStyles().items;
        ASSERT_EQ(trackStyles.size(), 2u);
        EXPECT_EQ(trackStyles[0].Name, "Trail");
        EXPECT_EQ(trackStyles[0].Color, 0xFF0000);
        EXPECT_EQ(trackStyles[1].Name, Big5(u"夢幻湖"_qs));
        EXPECT_EQ(trackStyles[1].Type, 2);
        const auto& points = file->TrackLog().points;
        ASSERT_EQ(points.size(), 5u);
        const int32_t dates[] = {int32_t(1680307200 - kGtmEpoch), 0, int32_t(1680311700 - kGtmEpoch),
                                 int32_t(946684799 - kGtmEpoch), int32_t(946684800 - kGtmEpoch)};
        const uint8_t flags[] = {1, 0, 0, 1, 0};
        for (size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(points[i].Date, dates[i]) << i;
            EXPECT_EQ(points[i].NewSegment, flags[i]) << i;
        }
        EXPECT_EQ(points[1].Height, 0);
    }
}

TEST(GTMWrite, GpsbabelReadsAConvertedMpsFile)
{
    REQUIRE_GPSBABEL();
    TempDir dir;
    auto mps = OpenBytes(dir, "source.mps", MpsSource());
    ASSERT_TRUE(mps);
    CGTMFile gtm;
    ASSERT_EQ(gtm.ConvertFrom(mps.get()), 1);
    const QString path = dir.file("out.gtm");
    ASSERT_EQ(gtm.SaveFile(path), 1);
    GpxContent read;
    ASSERT_TRUE(GpsbabelReads("gtm", path, &read));
    ASSERT_EQ(read.waypoints.size(), 4u);
    const GpxWaypoint& summit = read.waypoints[1];
    EXPECT_EQ(summit.name, "SnowMainPe");
    EXPECT_EQ(summit.sym, "Summit");
    EXPECT_EQ(summit.desc, "Main peak");
    EXPECT_NEAR(summit.position.lat, 24.383333, 1e-6);
    EXPECT_NEAR(summit.position.lon, 121.233333, 1e-6);
    EXPECT_EQ(summit.position.ele, 3886);
    EXPECT_NEAR(read.waypoints[2].position.lat, -33.9, 1e-6);
    EXPECT_NEAR(read.waypoints[2].position.lon, -10.5, 1e-6);
    ASSERT_EQ(read.tracks.size(), 2u);
    EXPECT_EQ(read.tracks[0].name, "Trail");
    ASSERT_EQ(read.tracks[0].points.size(), 3u);
    EXPECT_EQ(read.tracks[0].points[0].time, "2023-04-01T00:00:00Z");
    EXPECT_EQ(read.tracks[0].points[2].time, "2023-04-01T01:15:00Z");
    EXPECT_NEAR(read.tracks[0].points[2].lat, 25.17, 1e-6);
    ASSERT_EQ(read.tracks[1].points.size(), 2u);
    EXPECT_EQ(read.tracks[1].points[1].time, "2000-01-01T00:00:00Z");
    EXPECT_NEAR(read.tracks[1].points[0].lon, -2.25, 1e-6);
}

// A GDB file gpsbabel wrote, made MPS and then GTM by this program: gpsbabel finds in the GTM
// file the positions, heights and track times it finds in its own GDB file.
TEST(GTMWrite, GdbFixtureThroughMpsKeepsPositionsAndTimes)
{
    REQUIRE_GPSBABEL();
    const QString source = GpsFixture("gpsbabel_v3.gdb");
    auto gdb = CGPSFileManager().OpenFile(source);
    ASSERT_TRUE(gdb);
    CMPSFile mps;
    ASSERT_EQ(mps.ConvertFrom(gdb.get()), 1);
    CGTMFile gtm;
    EXPECT_FALSE(gtm.CanConvertFrom(gdb.get()));
    EXPECT_EQ(gtm.ConvertFrom(gdb.get()), 0);
    ASSERT_EQ(gtm.ConvertFrom(&mps), 1);
    TempDir dir;
    const QString path = dir.file("out.gtm");
    ASSERT_EQ(gtm.SaveFile(path), 1);
    GpxContent expected, read;
    ASSERT_TRUE(GpsbabelReads("gdb", source, &expected));
    ASSERT_TRUE(GpsbabelReads("gtm", path, &read));
    ASSERT_EQ(read.waypoints.size(), expected.waypoints.size());
    for (size_t i = 0; i < read.waypoints.size(); ++i) {
        EXPECT_NEAR(read.waypoints[i].position.lat, expected.waypoints[i].position.lat, 1e-6) << i;
        EXPECT_NEAR(read.waypoints[i].position.lon, expected.waypoints[i].position.lon, 1e-6) << i;
        EXPECT_NEAR(read.waypoints[i].position.ele.value_or(0), expected.waypoints[i].position.ele.value_or(0), 1e-3);
    }
    ASSERT_EQ(read.tracks.size(), expected.tracks.size());
    for (size_t t = 0; t < read.tracks.size(); ++t) {
        ASSERT_EQ(read.tracks[t].points.size(), expected.tracks[t].points.size());
        for (size_t i = 0; i < read.tracks[t].points.size(); ++i) {
            const GpxPoint &got = read.tracks[t].points[i], &want = expected.tracks[t].points[i];
            EXPECT_NEAR(got.lat, want.lat, 1e-6);
            EXPECT_NEAR(got.lon, want.lon, 1e-6);
            EXPECT_NEAR(got.ele.value_or(0), want.ele.value_or(0), 1e-3);
            EXPECT_EQ(SecondsOf(got.time), SecondsOf(want.time));
        }
    }
}

// Every byte of a file: gpsbabel's file comes back unchanged; the built file comes back without
// its map image and route points, its Big5-named waypoints first, as the builder lays it out.
TEST(GTMWrite, WrittenBytesFollowTheLayout)
{
    const QByteArray gpsbabel = ReadBytes(GpsFixture("gpsbabel.gtm"));
    auto file = LoadGtmBytes(gpsbabel);
    ASSERT_TRUE(file);
    EXPECT_EQ(static_cast<const CGTMFile&>(*file).ToBytes(), gpsbabel);

    GtmBuilder expected = Big5Gtm();
    expected.images.clear();
    expected.routes.clear();
    std::swap(expected.waypoints[1], expected.waypoints[2]);
    auto big5 = LoadGtmBytes(Big5Gtm().Build());
    ASSERT_TRUE(big5);
    TempDir dir;
    const QString path = dir.write("old.gtm", "earlier content");
    ASSERT_EQ(big5->SaveFile(path), 1);
    EXPECT_EQ(ReadBytes(path), expected.Build());
    EXPECT_EQ(big5->SaveFile(dir.file("missing/folder/x.gtm")), 0);
}

// A waypoint copied the way locating does it, and every track, into a GDB file that gpsbabel
// reads with names, positions and every track point.
TEST(GTMWrite, WayPointsAndTracksCopyIntoGdb)
{
    REQUIRE_GPSBABEL();
    for (const QByteArray& bytes : {ReadBytes(GpsFixture("gpsbabel.gtm")), Big5Gtm().Build()}) {
        auto gtm = LoadGtmBytes(bytes);
        ASSERT_TRUE(gtm);
        CGDBFile gdb;
        const auto waypoints = WayPointsOf(*gtm);
        for (int i = 0; i < gtm->GetWayPointCount(); ++i)
            ASSERT_EQ(gdb.AddWayPointFrom(gtm.get(), i, nullptr), 1);
        const auto tracks = TracksOf(*gtm);
        for (int i = 0; i < gtm->GetTrackCount(); ++i)
            ASSERT_EQ(gdb.AddTrackFrom(gtm.get(), i, nullptr), 1);
        TempDir dir;
        const QString path = dir.file("copy.gdb");
        ASSERT_EQ(gdb.SaveFile(path), 1);
        GpxContent read;
        ASSERT_TRUE(GpsbabelReads("gdb", path, &read));
        ASSERT_EQ(read.waypoints.size(), waypoints.size());
        for (size_t i = 0; i < waypoints.size(); ++i) {
            EXPECT_EQ(read.waypoints[i].name, Text(waypoints[i].name, 64));
            EXPECT_NEAR(read.waypoints[i].position.lat, GPSAngle::ToDegrees(waypoints[i].latitude), 1e-6);
            EXPECT_NEAR(read.waypoints[i].position.lon, GPSAngle::ToDegrees(waypoints[i].longitude), 1e-6);
        }
        ASSERT_EQ(read.tracks.size(), tracks.size());
        for (size_t t = 0; t < tracks.size(); ++t) {
            ASSERT_EQ(read.tracks[t].points.size(), size_t(tracks[t].count)) << t;
            for (int i = 0; i < tracks[t].count; ++i) {
                const GPSTrackPoint& want = tracks[t].points[i];
                const GpxPoint& got = read.tracks[t].points[size_t(i)];
                EXPECT_NEAR(got.lat, GPSAngle::ToDegrees(want.latitude), 1e-6);
                EXPECT_NEAR(got.lon, GPSAngle::ToDegrees(want.longitude), 1e-6);
                EXPECT_NEAR(got.ele.value_or(0), want.altitude, 1e-3);
                EXPECT_EQ(SecondsOf(got.time), want.time);
            }
        }
    }
}

} // namespace
