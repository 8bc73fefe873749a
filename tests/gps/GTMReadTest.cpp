// GPS TrackMaker files read: a file gpsbabel wrote, compared with gpsbabel's own reading of it;
// files built byte by byte from the layout (Big5 texts, unflagged leading points, unknown
// heights); the track runs; damaged files.
#include "GpsTestSupport.h"
#include "GtmBuilder.h"
#include "GtmTestSupport.h"
#include "TempDir.h"

#include "gps/GPSAngle.h"
#include "gps/GPSFileManager.h"
#include "gps/GPSText.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int64_t kGtmEpoch = 631065600;       // 1989-12-31 00:00 UTC

QString Text(const char16_t* field, int width) { return gps::FieldText(field, width).toString(); }

GtmWayPointFields WayPoint(double latitude, double longitude, const QByteArray& name)
{
    GtmWayPointFields waypoint;
    waypoint.latitude = latitude;
    waypoint.longitude = longitude;
    waypoint.name = name;
    return waypoint;
}

// Every waypoint and track point of the file as gpsbabel reads it; the texts too where they
// are ASCII (gpsbabel takes Big5 for UTF-8).
void ExpectGpsbabelReading(const QString& path, bool asciiTexts)
{
    auto file = CGPSFileManager().OpenFile(path);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->FormatCode(), CGPSFile::kGTM);
    GpxContent oracle;
    ASSERT_TRUE(GpsbabelReads("gtm", path, &oracle));
    const auto waypoints = WayPointsOf(*file);
    ASSERT_EQ(waypoints.size(), oracle.waypoints.size());
    for (size_t i = 0; i < waypoints.size(); ++i) {
        const GpxWaypoint& expected = oracle.waypoints[i];
        // gpsbabel keeps the field's padding; it is no part of the name.
        QString name = expected.name;
        while (name.endsWith(u' '))
            name.chop(1);
        if (asciiTexts) {
            EXPECT_EQ(Text(waypoints[i].name, GPSWayPointRecordW::kNameSize), name);
            EXPECT_EQ(Text(waypoints[i].comment, GPSWayPointRecordW::kCommentSize), expected.desc);
        }
        EXPECT_NEAR(GPSAngle::ToDegrees(waypoints[i].latitude), expected.position.lat, 1e-6);
        EXPECT_NEAR(GPSAngle::ToDegrees(waypoints[i].longitude), expected.position.lon, 1e-6);
        EXPECT_DOUBLE_EQ(waypoints[i].altitude, expected.position.ele.value_or(0));
    }
    const auto tracks = TracksOf(*file);
    std::vector<GPSTrackRecordW> names(tracks.size() + 1);
    ASSERT_TRUE(file->GetTracksW(names.data()));
    ASSERT_EQ(tracks.size(), oracle.tracks.size());
    for (size_t t = 0; t < tracks.size(); ++t) {
        const GpxTrack& expected = oracle.tracks[t];
        if (asciiTexts) {
            EXPECT_EQ(Text(names[t].name, GPSTrackRecordW::kNameSize), expected.name);
        }
        ASSERT_EQ(size_t(tracks[t].count), expected.points.size());
        for (size_t i = 0; i < expected.points.size(); ++i) {
            const GPSTrackPoint& point = tracks[t].points[i];
            EXPECT_NEAR(GPSAngle::ToDegrees(point.latitude), expected.points[i].lat, 1e-6);
            EXPECT_NEAR(GPSAngle::ToDegrees(point.longitude), expected.points[i].lon, 1e-6);
            EXPECT_DOUBLE_EQ(point.altitude, expected.points[i].ele.value_or(0));
            EXPECT_EQ(point.time, SecondsOf(expected.points[i].time));
        }
    }
}

// gpsbabel's own file, and the built one: gpsbabel too takes the unflagged leading points for
// a track named after the first style.
TEST(GTMRead, FilesGiveWhatGpsbabelReads)
{
    REQUIRE_GPSBABEL();
    ExpectGpsbabelReading(GpsFixture("gpsbabel.gtm"), true);
    TempDir dir;
    ExpectGpsbabelReading(dir.write("built.gtm", Big5Gtm().Build()), false);
    auto file = CGPSFileManager().OpenFile(GpsFixture("gpsbabel.gtm"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->GetWayPointCount(), 5);
    EXPECT_EQ(file->GetTrackCount(), 3);
    EXPECT_EQ(static_cast<const CGTMFile&>(*file).WayPoints().items[0].Icon, 73); // Summit
}

TEST(GTMRead, Big5TextsUnknownHeightsAndAnUnflaggedFirstRun)
{
    int recognised = 0;
    auto file = LoadGtmBytes(Big5Gtm().Build(), &recognised);
    ASSERT_TRUE(file);
    EXPECT_EQ(recognised, 1);
    const auto waypoints = WayPointsOf(*file);
    ASSERT_EQ(waypoints.size(), 3u);
    EXPECT_EQ(Text(waypoints[0].name, 64), u"雪山主峰"_qs);
    EXPECT_EQ(Text(waypoints[0].comment, 128), u"百岳之一"_qs);
    EXPECT_EQ(waypoints[0].latitude, 290904493);   // 24.383333 x 4294967295 / 360, cut
    EXPECT_EQ(waypoints[0].longitude, 1446370000); // 121.233333 degrees
    EXPECT_EQ(waypoints[0].altitude, 3886.0);
    EXPECT_EQ(Text(waypoints[1].name, 64), u"Jade"_qs);
    EXPECT_EQ(waypoints[1].altitude, 0.0);
    EXPECT_EQ(Text(waypoints[2].name, 64), u"西南"_qs);
    EXPECT_EQ(waypoints[2].altitude, -12.25);
    EXPECT_NEAR(GPSAngle::ToDegrees(waypoints[2].longitude), -10.5, 1e-7);
    // The 8-bit records keep the Big5 bytes.
    auto narrow = file->NewWayPointArray();
    ASSERT_TRUE(narrow);
    EXPECT_EQ(gps::FieldText(narrow[0].name, 64), Big5(u"雪山主峰"_qs));
    EXPECT_EQ(gps::FieldText(narrow[2].comment, 128), Big5(u"南方"_qs));

    std::vector<GPSTrackRecordW> names(3);
    ASSERT_EQ(file->GetTrackCount(), 3);
    EXPECT_EQ(file->GetTrackPointTotal(), 5);
    ASSERT_TRUE(file->GetTracksW(names.data()));
    const auto tracks = TracksOf(*file);
    EXPECT_EQ(Text(names[0].name, 32), u"七星山步道"_qs);
    EXPECT_EQ(Text(names[1].name, 32), u"夢幻湖"_qs);
    EXPECT_EQ(Text(names[2].name, 32), u"Third"_qs);
    EXPECT_EQ(gps::FieldText(tracks[0].name, 32), Big5(u"七星山步道"_qs));
    ASSERT_EQ(tracks[0].count, 2);
    ASSERT_EQ(tracks[1].count, 2);
    ASSERT_EQ(tracks[2].count, 1);
    // 2023-04-01T00:00:00Z and 01:00:00Z; unknown heights as 0.
    EXPECT_EQ(tracks[0].points[0].time, 1680307200);
    EXPECT_EQ(tracks[0].points[0].altitude, 800.0);
    EXPECT_EQ(tracks[0].points[1].altitude, 0.0);
    EXPECT_EQ(tracks[0].points[1].time, 0);
    EXPECT_EQ(tracks[1].points[0].time, 1680310800);
    EXPECT_EQ(tracks[1].points[1].altitude, 0.0);
    EXPECT_NEAR(GPSAngle::ToDegrees(tracks[2].points[0].latitude), -1.5, 1e-7);
    EXPECT_EQ(file->GetRouteCount(), 2);
}

struct RunCase {
    const char* name;
    std::vector<uint8_t> flags;       // NewSegment of each point
    std::vector<QByteArray> styles;   // track style names
    std::vector<int> counts;          // points per track
    std::vector<QByteArray> names;    // track names
};

TEST(GTMRead, PointsAreCutIntoTracksAtTheirFlags)
{
    const RunCase cases[] = {
        {"flags at 0 and 3 of 5", {1, 0, 0, 1, 0}, {"A", "B"}, {3, 2}, {"A", "B"}},
        {"flag only at 2 of 4", {0, 0, 1, 0}, {"A", "B"}, {2, 2}, {"A", "B"}},
        {"three flags, two styles", {1, 1, 1}, {"A", "B"}, {1, 1, 1}, {"A", "B", ""}},
        {"no flag", {0, 0, 0}, {"A"}, {3}, {"A"}},
        {"no points", {}, {"A"}, {}, {}},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        GtmBuilder b;
        for (size_t i = 0; i < c.flags.size(); ++i)
            b.points.push_back({double(i), double(i), int32_t(i), c.flags[i], float(i)});
        for (const QByteArray& style : c.styles)
            b.trackStyles.push_back(TrackStyle(style));
        auto file = LoadGtmBytes(b.Build());
        ASSERT_TRUE(file);
        ASSERT_EQ(file->GetTrackCount(), int(c.counts.size()));
        EXPECT_EQ(file->GetTrackPointTotal(), int(c.flags.size()));
        std::vector<GPSTrackRecord> records(c.counts.size() + 1);
        ASSERT_TRUE(file->GetTracks(records.data()));
        int first = 0;
        const auto tracks = TracksOf(*file);
        for (size_t t = 0; t < c.counts.size(); ++t) {
            EXPECT_EQ(records[t].pointCount, c.counts[t]);
            EXPECT_EQ(gps::FieldText(records[t].name, 32), c.names[t]);
            ASSERT_EQ(tracks[t].count, c.counts[t]);
            // The run's first point, at `first` degrees: degrees x 4294967295 / 360, cut.
            EXPECT_EQ(tracks[t].points[0].latitude, int32_t(int64_t(first) * 4294967295LL / 360));
            first += c.counts[t];
        }
    }
}

TEST(GTMRead, DatesCountFromTheEndOf1989)
{
    constexpr int32_t kLastDate = std::numeric_limits<int32_t>::max() - kGtmEpoch;
    const struct {
        int32_t date;
        int32_t time;
    } cases[] = {{315619200, 946684800}, {1, int32_t(kGtmEpoch + 1)}, {0, 0}, {-86400, 0},
                 {kLastDate, std::numeric_limits<int32_t>::max()}, {kLastDate + 1, 0}};
    GtmBuilder b;
    for (const auto& c : cases)
        b.points.push_back({1, 1, c.date, 0, 0});
    auto file = LoadGtmBytes(b.Build());
    ASSERT_TRUE(file);
    const auto tracks = TracksOf(*file);
    ASSERT_EQ(tracks.size(), 1u);
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(tracks[0].points[i].time, cases[i].time) << cases[i].date;
}

TEST(GTMRead, EmptyFileAndPaddedNames)
{
    auto empty = LoadGtmBytes(GtmBuilder().Build());
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->GetWayPointCount(), 0);
    EXPECT_EQ(empty->GetTrackCount(), 0);
    EXPECT_EQ(empty->GetTrackPoints(nullptr, 0), 0);

    GtmBuilder b;
    b.waypoints = {WayPoint(24.25, 121.5, "Abcd      "), WayPoint(0, 0, QByteArray("Ab\0cd", 5))};
    auto file = LoadGtmBytes(b.Build());
    ASSERT_TRUE(file);
    GPSWayPointRecord narrow[2];
    ASSERT_TRUE(file->GetWayPoints(narrow));
    EXPECT_STREQ(narrow[0].name, "Abcd");
    EXPECT_STREQ(narrow[1].name, "Ab");
    EXPECT_EQ(narrow[0].longitude, 1449551462); // 121.5 degrees
    EXPECT_EQ(narrow[0].latitude, 289313769);   // 24.25 degrees
    const auto wide = WayPointsOf(*file);
    EXPECT_EQ(Text(wide[0].name, 64), u"Abcd"_qs);
    GPSWayPointRecordW one{};
    ASSERT_EQ(file->GetWayPointW(1, &one), 1);
    EXPECT_EQ(Text(one.name, 64), u"Ab"_qs);
    EXPECT_EQ(file->GetWayPointW(2, &one), 0);
}

TEST(GTMRead, DamagedFilesGiveNull)
{
    const QByteArray good = Big5Gtm().Build();
    const qsizetype afterStrings = GtmBuilder::kHeaderSize + 2 + 15 + 2 * 3;
    const auto withCounts = [](std::optional<int32_t> GtmBuilder::Counts::*count, int32_t value) {
        GtmBuilder b = Big5Gtm();
        b.counts.*count = value;
        return b.Build();
    };
    using C = GtmBuilder::Counts;
    QByteArray wrongId = good;
    wrongId[11] = 'R';
    const struct {
        const char* name;
        QByteArray bytes;
        int recognised;
    } cases[] = {
        {"shorter than the header", good.left(98), 0},
        {"wrong ID", wrongId, 0},
        {"strings cut", good.left(GtmBuilder::kHeaderSize + 6), 0},
        {"grid block cut", good.left(afterStrings + 57), 1},
        {"last route point cut", good.chopped(1), 1},
        {"negative waypoints", withCounts(&C::waypoints, -1), 1},
        {"waypoints near 2^31", withCounts(&C::waypoints, 0x7FFFFFFF), 1},
        {"one waypoint more", withCounts(&C::waypoints, 4), 1},
        {"track points near 2^31", withCounts(&C::trackPoints, 0x7FFFFFF0), 1},
        {"negative track points", withCounts(&C::trackPoints, -25), 1},
        {"images near 2^31", withCounts(&C::mapImages, 0x7FFFFFFF), 1},
        {"negative styles", withCounts(&C::waypointStyles, std::numeric_limits<int32_t>::min()), 1},
        {"track styles near 2^31", withCounts(&C::tracks, 0x7FFFFFFF), 1},
        {"route points near 2^31", withCounts(&C::routePoints, 0x7FFFFFFF), 1},
    };
    for (const auto& c : cases) {
        int recognised = 0;
        EXPECT_FALSE(LoadGtmBytes(c.bytes, &recognised)) << c.name;
        EXPECT_EQ(recognised, c.recognised) << c.name;
    }
    // Bytes after the last route point are ignored.
    EXPECT_TRUE(LoadGtmBytes(good + "junk"));
}

TEST(GTMRead, OpensThroughTheManagerByExtensionAndByContent)
{
    TempDir dir;
    const QByteArray bytes = Big5Gtm().Build();
    CGPSFileManager manager;
    for (const char* name : {"a.gtm", "b.GTM", "c.dat", "d.gdb", "e"}) {
        auto file = manager.OpenFile(dir.write(name, bytes));
        ASSERT_TRUE(file) << name;
        EXPECT_EQ(file->FormatCode(), CGPSFile::kGTM) << name;
        EXPECT_EQ(file->GetWayPointCount(), 3) << name;
    }
    // A damaged GTM file named .gtm is not handed to the other formats.
    EXPECT_FALSE(manager.OpenFile(dir.write("f.gtm", bytes.left(200))));
}

} // namespace

