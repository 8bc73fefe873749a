// WTR files read: the layout as the builder lays it out, the section boundaries, recognition,
// damaged files, and every field the format hands out.
#include "WtrTestSupport.h"

#include "gps/GPSFileManager.h"
#include "gps/GPSText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace wtr_builder;

QString Text(const char16_t* field, int width) { return gps::FieldText(field, width).toString(); }

TEST(WTRRead, FileOfTheThreeMarkerBlocksLoadsEmpty)
{
    const QByteArray bytes = WtrBuilder().Build();
    ASSERT_EQ(bytes.size(), 48);
    int recognised = 0;
    auto file = LoadWtrBytes(bytes, &recognised);
    ASSERT_TRUE(file);
    EXPECT_EQ(recognised, 1);
    EXPECT_EQ(file->FormatCode(), CGPSFile::kWTR);
    EXPECT_EQ(file->GetWayPointCount(), 0);
    EXPECT_EQ(file->GetTrackCount(), 0);
    EXPECT_EQ(file->GetRouteCount(), 0);
    EXPECT_EQ(file->GetTrackPointTotal(), 0);
}

TEST(WTRRead, FormatIdentity)
{
    CWTRFile wtr;
    EXPECT_EQ(wtr.GetExtension(), "wtr");
    EXPECT_EQ(wtr.GetDescription(), QString::fromUtf8("Garmin eTrex LegendT WTR 檔"));
    EXPECT_EQ(wtr.NewFile()->FormatCode(), CGPSFile::kWTR);
}

// Recognition: the waypoint section decides; a fault after it is a damaged WTR file.
TEST(WTRRead, RecognisedAsTheWaypointSectionSays)
{
    const QByteArray good = RichWtr().Build();
    const QByteArray oneWayPoint = Block(kWpt) + WtrBuilder::WayPoint({"P"});
    struct Case {
        const char* what;
        QByteArray bytes;
        int recognised;
    };
    const Case cases[] = {
        {"no waypoint marker", Block(kTrk) + Block(kTrk) + Block(kRte), 0},
        {"marker only five bytes", QByteArray(kWpt, 5), 0},
        {"marker block cut at 15", Block(kWpt).left(15), 0},
        {"waypoint cut short", oneWayPoint.left(16 + 63), 0},
        {"waypoints not followed by the track marker", oneWayPoint, 0},
        {"waypoint section then four bytes of the track marker", oneWayPoint + QByteArray(kTrk, 4), 0},
        {"route marker missing after the tracks", Block(kWpt) + WtrBuilder::WayPoint({"P"}) + Block(kTrk), 1},
        {"track marker block cut", oneWayPoint + Block(kTrk).left(10), 1},
        {"track header cut", oneWayPoint + Block(kTrk) + Block(kHdr) + QByteArray(17, 'x'), 1},
        {"track point cut", good.left(16 + 2 * 64 + 16 + 16 + 18 + 20), 1},
        {"wrong block in the track section", oneWayPoint + Block(kTrk) + Block(kWpt) + Block(kRte), 1},
        {"route marker block cut", oneWayPoint + Block(kTrk) + Block(kRte).left(12), 1},
        {"route name cut", oneWayPoint + Block(kTrk) + Block(kRte) + Block(kHdr) + "Name", 1},
        {"route without header marker", oneWayPoint + Block(kTrk) + Block(kRte) + QByteArray(16, 'x'), 1},
        {"route point cut", good.chopped(64 - 20), 1},
    };
    for (const Case& c : cases) {
        int recognised = 0;
        EXPECT_FALSE(LoadWtrBytes(c.bytes, &recognised)) << c.what;
        EXPECT_EQ(recognised, c.recognised) << c.what;
    }
}

// Cut one to four bytes into a marker, or in the middle of a point: a clean failure.
TEST(WTRRead, FileCutInsideAMarkerFails)
{
    const QByteArray good = RichWtr().Build();
    const qsizetype markers[] = {good.indexOf(QByteArray(kTrk, 5)), good.indexOf(QByteArray(kHdr, 5)),
                                 good.lastIndexOf(QByteArray(kHdr, 5), good.indexOf(QByteArray(kRte, 5))),
                                 good.indexOf(QByteArray(kRte, 5))};
    for (qsizetype at : markers) {
        ASSERT_GT(at, 0);
        for (int left = 1; left <= 4; ++left)
            EXPECT_FALSE(LoadWtrBytes(good.left(at + left))) << at << " + " << left;
    }
    for (qsizetype size = 0; size < good.size(); ++size) {
        auto file = LoadWtrBytes(good.left(size));
        // Only a cut that leaves fewer than 16 bytes after the route's last point, or drops
        // the whole route section after its marker, still loads.
        if (file) {
            EXPECT_GE(size, good.indexOf(QByteArray(kRte, 5)) + 16) << size;
        }
    }
}

TEST(WTRRead, TrailingBytesAfterTheLastRoutePointAreIgnored)
{
    for (int extra = 0; extra < 16; ++extra) {
        WtrBuilder b = RichWtr();
        b.trailer = QByteArray(extra, '\x7F');
        auto file = LoadWtrBytes(b.Build());
        ASSERT_TRUE(file) << extra;
        const CWTRRoute& routes = AsWtr(file).Routes();
        ASSERT_EQ(routes.count(), 1);
        EXPECT_EQ(routes.items[0].points.size(), 2u) << extra;
    }
    WtrBuilder sixteen = RichWtr();
    sixteen.trailer = QByteArray(16, '\x7F');
    EXPECT_FALSE(LoadWtrBytes(sixteen.Build()));
}

TEST(WTRRead, RouteSectionWithFewerThanSixteenBytesHasNoRoutes)
{
    WtrBuilder b;
    b.trailer = QByteArray(15, '\x01');
    auto file = LoadWtrBytes(b.Build());
    ASSERT_TRUE(file);
    EXPECT_EQ(file->GetRouteCount(), 0);
}

TEST(WTRRead, NamesAreReadUpToTheirZeroByteAndTheirLimit)
{
    WtrBuilder b;
    b.waypoints = {{"ABCDEFGHIJKLMNOPQRST"}, {QByteArray("Short\0junk", 10)}};
    WtrTrackFields track;
    track.name = "0123456789abcdefXYZ"; // fills the 16-byte field
    b.tracks = {track};
    WtrRouteFields route;
    route.name = "RRRRRRRRRRRRRRRR";
    WtrRoutePointFields point;
    point.name = "PPPPPPPPPPPPPPPP";
    route.points = {point};
    b.routes = {route};
    auto file = LoadWtrBytes(b.Build());
    ASSERT_TRUE(file);
    const CWTRFile& wtr = AsWtr(file);
    EXPECT_EQ(wtr.WayPoints().items[0].Name, "ABCDEFGHIJKLMNOPQRS");
    EXPECT_EQ(wtr.WayPoints().items[1].Name, "Short");
    EXPECT_EQ(wtr.Tracks().items[0].Name, "0123456789abcde");
    EXPECT_EQ(wtr.Routes().items[0].Name, "RRRRRRRRRRRRRRR");
    EXPECT_EQ(wtr.Routes().items[0].points[0].Name, "PPPPPPPPPPPPPPP");
    // The waypoints still line up: the second record's position follows the first.
    EXPECT_EQ(wtr.GetWayPointCount(), 2);
}

TEST(WTRRead, TrackBoundaries)
{
    WtrBuilder b;
    WtrTrackFields empty;
    empty.name = "Empty";
    WtrTrackFields first;
    first.name = "First";
    first.points = {{1, 2, 3, 0, 0, 1}, {4, 5, 6, 0, 0, 0}};
    WtrTrackFields second;
    second.name = "Second";
    second.points = {{7, 8, 9, 0, 0, 1}};
    WtrTrackFields last;
    last.name = "Last";
    b.tracks = {empty, first, second, last};
    auto file = LoadWtrBytes(b.Build());
    ASSERT_TRUE(file);
    const auto& tracks = AsWtr(file).Tracks().items;
    ASSERT_EQ(tracks.size(), 4u);
    EXPECT_EQ(tracks[0].points.size(), 0u); // followed by a header marker
    EXPECT_EQ(tracks[1].points.size(), 2u); // ends at the next track's header marker
    EXPECT_EQ(tracks[2].points.size(), 1u);
    EXPECT_EQ(tracks[3].points.size(), 0u); // followed directly by the route marker
    EXPECT_EQ(tracks[1].points[1].Latitude, 4);
    EXPECT_EQ(tracks[2].points[0].Time, 9u);
    EXPECT_EQ(file->GetTrackPointTotal(), 3);
}

TEST(WTRRead, EveryStoredFieldAndOpaqueByte)
{
    const WtrBuilder b = RichWtr();
    auto file = LoadWtrBytes(b.Build());
    ASSERT_TRUE(file);
    const CWTRFile& wtr = AsWtr(file);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(wtr.WayPoints().marker.bytes.data()), 16), b.waypointBlock);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(wtr.Tracks().marker.bytes.data()), 16), b.trackBlock);
    ASSERT_EQ(wtr.GetWayPointCount(), 2);
    for (size_t i = 0; i < 2; ++i) {
        const WTRWayPointRecord& w = wtr.WayPoints().items[i];
        const WtrWayPointFields& e = b.waypoints[i];
        EXPECT_EQ(w.Name, e.name);
        EXPECT_EQ(w.Latitude, e.latitude);
        EXPECT_EQ(w.Longitude, e.longitude);
        EXPECT_EQ(w.HeightBits, e.heightBits);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(w.Held.data()), 8), e.held);
        EXPECT_EQ(w.Icon, e.icon);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(w.Tail.data()), 22), e.tail);
    }
    ASSERT_EQ(wtr.GetTrackCount(), 2);
    for (size_t t = 0; t < 2; ++t) {
        const WTRTrackRecord& track = wtr.Tracks().items[t];
        const WtrTrackFields& e = b.tracks[t];
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(track.header.bytes.data()), 16), e.header);
        EXPECT_EQ(track.ShowOnGPS, e.showOnGPS);
        EXPECT_EQ(track.Held, e.held);
        EXPECT_EQ(track.Name, e.name);
        ASSERT_EQ(track.points.size(), e.points.size());
        for (size_t i = 0; i < e.points.size(); ++i) {
            const WTRTrackPoint& p = track.points[i];
            EXPECT_EQ(p.Latitude, e.points[i].latitude);
            EXPECT_EQ(p.Longitude, e.points[i].longitude);
            EXPECT_EQ(p.Time, e.points[i].time);
            EXPECT_EQ(p.HeightBits, e.points[i].heightBits);
            EXPECT_EQ(p.DepthBits, e.points[i].depthBits);
            EXPECT_EQ(p.NewSegment, e.points[i].newSegment);
        }
    }
    ASSERT_EQ(wtr.GetRouteCount(), 1);
    const WTRRouteRecord& route = wtr.Routes().items[0];
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(route.header.bytes.data()), 16), b.routes[0].header);
    EXPECT_EQ(route.Name, "Loop");
    ASSERT_EQ(route.points.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        const WTRRoutePoint& p = route.points[i];
        const WtrRoutePointFields& e = b.routes[0].points[i];
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(p.Head.data()), 4), e.head);
        EXPECT_EQ(p.Icon, e.icon);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(p.Middle.data()), 18), e.middle);
        EXPECT_EQ(p.Latitude, e.latitude);
        EXPECT_EQ(p.Longitude, e.longitude);
        EXPECT_EQ(p.HeightBits, e.heightBits);
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(p.Tail.data()), 12), e.tail);
        EXPECT_EQ(p.Name, e.name);
    }
}

TEST(WTRRead, WaypointsHandedOutNarrowAndWide)
{
    auto file = LoadWtrBytes(RichWtr().Build());
    ASSERT_TRUE(file);
    auto narrow = file->NewWayPointArray();
    ASSERT_TRUE(narrow);
    EXPECT_STREQ(narrow[0].name, "SnowMainPeak");
    EXPECT_EQ(narrow[0].latitude, 0x11223344);
    EXPECT_EQ(narrow[0].longitude, 0x55667788);
    EXPECT_EQ(narrow[0].altitude, 3886.0);
    EXPECT_STREQ(narrow[0].comment, "");
    EXPECT_STREQ(narrow[1].name, "\xA4\x43\xAC\x50\xA4\x73");
    EXPECT_EQ(narrow[1].altitude, 0.0); // missing height
    EXPECT_STREQ(narrow[1].comment, "");

    auto wide = file->NewWayPointArrayW();
    ASSERT_TRUE(wide);
    EXPECT_EQ(Text(wide[1].name, 64), QString::fromUtf8("七星山"));
    EXPECT_EQ(wide[1].latitude, -1000);
    EXPECT_EQ(wide[1].longitude, -2000);
    EXPECT_EQ(Text(wide[0].comment, 128), QString());

    GPSWayPointRecordW one;
    std::fill(std::begin(one.comment), std::end(one.comment), u'x');
    ASSERT_EQ(file->GetWayPointW(1, &one), 1);
    EXPECT_EQ(Text(one.name, 64), QString::fromUtf8("七星山"));
    EXPECT_EQ(Text(one.comment, 128), QString());
    EXPECT_EQ(one.altitude, 0.0);
    EXPECT_EQ(file->GetWayPointW(2, &one), 0);
    EXPECT_EQ(file->GetWayPointW(-1, &one), 0);
    EXPECT_EQ(file->GetWayPointW(0, nullptr), 0);
    EXPECT_EQ(file->GetWayPoints(nullptr), 0);
    EXPECT_EQ(file->GetWayPointsW(nullptr), 0);
}

TEST(WTRRead, HeightsThatAreMissingOrNotFiniteAreHandedOutAsZero)
{
    const uint32_t heights[] = {kMissingHeight, kOtherMissingHeight,
                                FloatBits(std::numeric_limits<float>::infinity()),
                                FloatBits(-std::numeric_limits<float>::infinity()), 0x7FC00000u, FloatBits(-12.5f)};
    const double expected[] = {0, 0, 0, 0, 0, -12.5};
    WtrBuilder b;
    WtrTrackFields track;
    for (uint32_t bits : heights) {
        b.waypoints.push_back({"W", 0, 0, bits});
        track.points.push_back({0, 0, 0, bits, 0, 0});
    }
    b.tracks = {track};
    auto file = LoadWtrBytes(b.Build());
    ASSERT_TRUE(file);
    auto records = file->NewWayPointArrayW();
    GPSTrackPointList list;
    ASSERT_EQ(file->GetTrackPoints(&list, 0), 1);
    for (size_t i = 0; i < std::size(heights); ++i) {
        EXPECT_EQ(records[i].altitude, expected[i]) << i;
        EXPECT_EQ(list.points[i].altitude, expected[i]) << i;
    }
}

TEST(WTRRead, TracksAndTheirPointsHandedOut)
{
    auto file = LoadWtrBytes(RichWtr().Build());
    ASSERT_TRUE(file);
    ASSERT_EQ(file->GetTrackCount(), 2);
    EXPECT_EQ(file->GetTrackPointTotal(), 5);
    GPSTrackRecord narrow[2];
    ASSERT_EQ(file->GetTracks(narrow), 1);
    EXPECT_STREQ(narrow[0].name, "Trail");
    EXPECT_EQ(narrow[0].pointCount, 4);
    EXPECT_EQ(narrow[0].reserved, 0);
    EXPECT_STREQ(narrow[1].name, "\xB9\xDA\xA4\xDB\xB4\xF2");
    EXPECT_EQ(narrow[1].pointCount, 1);
    GPSTrackRecordW wide[2];
    ASSERT_EQ(file->GetTracksW(wide), 1);
    EXPECT_EQ(Text(wide[1].name, 32), QString::fromUtf8("夢幻湖"));

    GPSTrackPointList list;
    ASSERT_EQ(file->GetTrackPoints(&list, 0), 1);
    EXPECT_STREQ(list.name, "Trail");
    ASSERT_EQ(list.count, 4);
    // Times: stamp 1 is one second after the epoch; 0 and 0xFFFFFFFF are not known.
    const GPSTrackPoint expected[] = {{200, 100, 800.5, int32_t(kWtrEpoch + 1)},
                                      {201, 101, 0, 0},
                                      {202, 102, 1120.0, 0},
                                      {-204, -103, 1121.0, int32_t(kWtrEpoch + 1000000000)}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list.points[i].longitude, expected[i].longitude) << i;
        EXPECT_EQ(list.points[i].latitude, expected[i].latitude) << i;
        EXPECT_EQ(list.points[i].altitude, expected[i].altitude) << i;
        EXPECT_EQ(list.points[i].time, expected[i].time) << i;
    }
    ASSERT_EQ(file->GetTrackPoints(&list, 1), 1);
    ASSERT_EQ(list.count, 1);
    EXPECT_EQ(list.points[0].time, 0); // 0x80000000 lies past 2038
    GPSTrackPointList untouched;
    EXPECT_EQ(file->GetTrackPoints(&untouched, 2), 1);
    EXPECT_EQ(untouched.count, 0);
    EXPECT_EQ(file->GetTrackPoints(nullptr, 0), 0);
}

TEST(WTRRead, FoundByTheManagerWhateverTheExtension)
{
    TempDir dir;
    const QByteArray bytes = RichWtr().Build();
    for (const char* name : {"a.wtr", "a.WTR", "a.bin", "noextension"}) {
        auto file = CGPSFileManager().OpenFile(dir.write(QString::fromLatin1(name), bytes));
        ASSERT_TRUE(file) << name;
        EXPECT_EQ(file->FormatCode(), CGPSFile::kWTR) << name;
        EXPECT_EQ(file->GetWayPointCount(), 2) << name;
    }
    // A damaged WTR file is not handed to the later formats.
    EXPECT_FALSE(CGPSFileManager().OpenFile(dir.write("cut.wtr", bytes.left(bytes.size() - 100))));
}

// Every byte flipped in turn: the file loads or fails, and whatever loads hands out, lists and
// writes all it holds (the sanitizer build watches every read).
TEST(WTRRead, FlippedBytesNeverReadPastTheData)
{
    const QByteArray good = RichWtr().Build();
    for (qsizetype i = 0; i < good.size(); ++i) {
        QByteArray bytes = good;
        bytes[i] = char(bytes[i] ^ 0xFF);
        auto file = LoadWtrBytes(bytes);
        if (!file)
            continue;
        auto waypoints = file->NewWayPointArrayW();
        GPSTrackPointList list;
        for (int t = 0; t < file->GetTrackCount(); ++t)
            file->GetTrackPoints(&list, t);
        EXPECT_FALSE(AsWtr(file).ToBytes().isEmpty());
    }
}

} // namespace
