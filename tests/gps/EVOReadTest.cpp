// EVO files read: files built byte by byte from the layout tables (Big5 texts, missing heights,
// cut texts, routes with link blocks), every hand-out, hostile counts and damaged files.
#include "EvoTestSupport.h"
#include "GpsTestSupport.h"

#include "gps/GPSFileManager.h"
#include "gps/GPSText.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

using namespace evo_test;

namespace {

QString Text(const char16_t* field, int width) { return gps::FieldText(field, width).toString(); }
QByteArray Narrow(const char* field, int width) { return gps::FieldText(field, width).toByteArray(); }

EvoBuilder Header(std::optional<uint32_t> waypoints, std::optional<uint32_t> tracks, std::optional<uint32_t> routes)
{
    EvoBuilder b;
    b.waypointCount = waypoints;
    b.trackCount = tracks;
    b.routeCount = routes;
    return b;
}

} // namespace

TEST(EVORead, AnEmptyHeaderLoadsWithNothingInIt)
{
    EvoBuilder b;
    b.headerHead = Pattern(32, 1);
    int recognised = 0;
    auto file = LoadEvoBytes(b.Build(), &recognised);
    ASSERT_TRUE(file);
    EXPECT_EQ(recognised, 1);
    EXPECT_EQ(file->FormatCode(), CGPSFile::kEVO);
    EXPECT_EQ(file->GetWayPointCount(), 0);
    EXPECT_EQ(file->GetTrackCount(), 0);
    EXPECT_EQ(file->GetRouteCount(), 0);
    EXPECT_EQ(file->GetTrackPointTotal(), 0);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(AsEvo(file).Header().bytes.data()), 48), b.Build());
}

TEST(EVORead, HeaderLimitsDecideRecognition)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        int recognised;
    };
    const Case cases[] = {
        {"47 bytes", EvoBuilder().Build().left(47), 0},
        {"100000 waypoints", Header(100000, 0, 0).Build() + QByteArray(100000 * 58, '\n'), 0},
        {"1000 tracks", Header(0, 1000, 0).Build() + QByteArray(7000, '\n'), 0},
        {"99999 waypoints, too little data", Header(99999, 0, 0).Build() + QByteArray(1000, '\n'), 1},
        {"999 tracks, too little data", Header(0, 999, 0).Build(), 1},
        {"0xFFFFFFFF waypoints", Header(0xFFFFFFFF, 0, 0).Build(), 0},
        {"0xFFFFFFFF routes", Header(0, 0, 0xFFFFFFFF).Build() + QByteArray(4096, '\n'), 1},
    };
    for (const Case& c : cases) {
        int recognised = -1;
        EXPECT_FALSE(LoadEvoBytes(c.bytes, &recognised)) << c.what;
        EXPECT_EQ(recognised, c.recognised == 0 ? -1 : 1) << c.what; // untouched when not recognised
    }
}

TEST(EVORead, HostilePointCountsFailWithoutAllocating)
{
    for (int32_t count : {INT32_MIN, -1, INT32_MAX, 1000}) {
        EvoBuilder b;
        EvoTrackFields t;
        t.name = "T";
        t.points = {{1, 2, 3, 4, 5, 6}};
        t.count = count;
        b.tracks = {t};
        int recognised = 0;
        EXPECT_FALSE(LoadEvoBytes(b.Build(), &recognised)) << count;
        EXPECT_EQ(recognised, 1);
        EvoBuilder r;
        auto routes = TwoRoutes();
        routes[0].count = count;
        r.routes = routes;
        EXPECT_FALSE(LoadEvoBytes(r.Build(), &recognised)) << count;
    }
}

TEST(EVORead, WayPointsHandOutEveryField)
{
    auto file = LoadEvoBytes(RichEvo().Build());
    ASSERT_TRUE(file);
    ASSERT_EQ(file->GetWayPointCount(), 2);
    GPSWayPointRecord narrow[2];
    EXPECT_EQ(file->GetWayPoints(nullptr), 0);
    ASSERT_EQ(file->GetWayPoints(narrow), 1);
    EXPECT_EQ(Narrow(narrow[0].name, 64), Big5(QStringLiteral("玉山主峰")));
    EXPECT_EQ(Narrow(narrow[0].comment, 128), Big5(QStringLiteral("台灣最高峰")));
    EXPECT_EQ(narrow[0].latitude, 0x10F5C28F);
    EXPECT_EQ(narrow[0].longitude, 0x5566AABB);
    EXPECT_DOUBLE_EQ(narrow[0].altitude, 3952.5);
    EXPECT_EQ(Narrow(narrow[1].name, 64), "HUT");
    EXPECT_EQ(narrow[1].latitude, -123456789);
    EXPECT_DOUBLE_EQ(narrow[1].altitude, 0); // the missing pattern

    GPSWayPointRecordW wide[2];
    ASSERT_EQ(file->GetWayPointsW(wide), 1);
    EXPECT_EQ(Text(wide[0].name, 64), QStringLiteral("玉山主峰"));
    EXPECT_EQ(Text(wide[0].comment, 128), QStringLiteral("台灣最高峰"));
    EXPECT_EQ(Text(wide[1].comment, 128), QStringLiteral("comment of HUT"));
    GPSWayPointRecordW one{};
    ASSERT_EQ(file->GetWayPointW(1, &one), 1);
    EXPECT_EQ(Text(one.name, 64), QStringLiteral("HUT"));
    EXPECT_EQ(one.longitude, 0x55000000);
    EXPECT_DOUBLE_EQ(one.altitude, 0);
    EXPECT_EQ(file->GetWayPointW(2, &one), 0);
    EXPECT_EQ(file->GetWayPointW(-1, &one), 0);
    EXPECT_EQ(file->GetWayPointW(0, nullptr), 0);

    const EVOWayPointRecord& held = AsEvo(file).WayPoints().items[0];
    EXPECT_EQ(held.Symbol, 8246);
    EXPECT_EQ(held.DepthBits, Bits(-3.25f));
    EXPECT_EQ(held.OpaqueFloatBits, Bits(7.5f));
    EXPECT_EQ(held.ShortTexts[1], "abcdefg");
    EXPECT_EQ(held.ShortTexts[3], "x");
}

TEST(EVORead, HeightsNoFloatHoldsHandOutZero)
{
    const uint32_t nan = 0x7FC00000, inf = 0x7F800000, negInf = 0xFF800000;
    EvoBuilder b;
    for (uint32_t bits : {kMissing, kOtherMissing, nan, inf, negInf})
        b.waypoints.push_back(WayPoint("W", 0, 0, bits));
    EvoTrackFields t;
    for (uint32_t bits : {kMissing, kOtherMissing, nan, inf, negInf})
        t.points.push_back({0, 0, 0, bits, 0, 0});
    b.tracks = {t};
    auto file = LoadEvoBytes(b.Build());
    ASSERT_TRUE(file);
    GPSWayPointRecordW wide[5];
    ASSERT_EQ(file->GetWayPointsW(wide), 1);
    GPSTrackPointList list;
    ASSERT_EQ(file->GetTrackPoints(&list, 0), 1);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(wide[i].altitude, 0) << i;
        EXPECT_EQ(list.points[i].altitude, 0) << i;
    }
}

TEST(EVORead, TracksHandOutNamesPointsAndTimes)
{
    auto file = LoadEvoBytes(RichEvo().Build());
    ASSERT_TRUE(file);
    ASSERT_EQ(file->GetTrackCount(), 2);
    EXPECT_EQ(file->GetTrackPointTotal(), 4);
    GPSTrackRecord narrow[2];
    ASSERT_EQ(file->GetTracks(narrow), 1);
    EXPECT_EQ(Narrow(narrow[0].name, 32), Big5(QStringLiteral("八通關古道")));
    EXPECT_EQ(narrow[0].pointCount, 3);
    EXPECT_EQ(narrow[1].pointCount, 1);
    GPSTrackRecordW wide[2];
    ASSERT_EQ(file->GetTracksW(wide), 1);
    EXPECT_EQ(Text(wide[0].name, 32), QStringLiteral("八通關古道"));
    EXPECT_EQ(Text(wide[1].name, 32), QStringLiteral("T2"));

    GPSTrackPointList list;
    ASSERT_EQ(file->GetTrackPoints(&list, 0), 1);
    EXPECT_EQ(QByteArray(list.name), Big5(QStringLiteral("八通關古道")));
    ASSERT_EQ(list.count, 3);
    EXPECT_EQ(list.points[0].latitude, 0x10000000);
    EXPECT_EQ(list.points[0].longitude, 0x55000000);
    EXPECT_DOUBLE_EQ(list.points[0].altitude, 100.5);
    EXPECT_EQ(list.points[0].time, 0); // stamp 0
    EXPECT_EQ(list.points[1].time, 0); // invalid stamp
    EXPECT_EQ(list.points[1].altitude, 0);
    EXPECT_EQ(list.points[2].latitude, -5);
    EXPECT_DOUBLE_EQ(list.points[2].altitude, -20.0);
    EXPECT_EQ(list.points[2].time, kEpoch + 1000000000);
    EXPECT_EQ(file->GetTrackPoints(nullptr, 0), 0);
    GPSTrackPointList none;
    EXPECT_EQ(file->GetTrackPoints(&none, 2), 1);
    EXPECT_EQ(none.count, 0);
}

TEST(EVORead, StampsPast2038HandOutZero)
{
    EvoBuilder b;
    EvoTrackFields t;
    const uint32_t last = uint32_t(INT32_MAX - kEpoch);
    t.points = {{0, 0, last, 0, 0, 1}, {0, 0, last + 1, 0, 0, 0}};
    b.tracks = {t};
    auto file = LoadEvoBytes(b.Build());
    ASSERT_TRUE(file);
    GPSTrackPointList list;
    ASSERT_EQ(file->GetTrackPoints(&list, 0), 1);
    EXPECT_EQ(list.points[0].time, INT32_MAX);
    EXPECT_EQ(list.points[1].time, 0);
}

TEST(EVORead, LongTextsKeepTheirFirstBytesAndLaterRecordsStayIntact)
{
    EvoBuilder b = RichEvo();
    const QString mountain = QStringLiteral("山").repeated(20); // 40 bytes in Big5
    b.waypoints[0].identifier = Big5(mountain);
    b.waypoints[0].comment = "C" + Big5(mountain);               // 41 bytes
    b.waypoints[0].shortTexts = {"12345678901", Big5(QStringLiteral("一二三四")), "ok", ""};
    b.tracks[0].name = "A" + Big5(mountain);                   // 41 bytes
    auto file = LoadEvoBytes(b.Build());
    ASSERT_TRUE(file);
    const EVOWayPointRecord& w = AsEvo(file).WayPoints().items[0];
    EXPECT_EQ(w.Identifier, Big5(QStringLiteral("山").repeated(15)));      // 30 of 31 bytes
    EXPECT_EQ(w.Comment, "C" + Big5(QStringLiteral("山").repeated(15)));   // 31 bytes
    EXPECT_EQ(w.ShortTexts[0], "1234567");
    EXPECT_EQ(w.ShortTexts[1], Big5(QStringLiteral("一二三")));             // 6 of 7 bytes
    EXPECT_EQ(w.ShortTexts[2], "ok");
    EXPECT_EQ(AsEvo(file).Tracks().items[0].Name, "A" + Big5(QStringLiteral("山").repeated(15)));
    // The records after the cut texts read as written.
    ASSERT_EQ(file->GetWayPointCount(), 2);
    EXPECT_EQ(AsEvo(file).WayPoints().items[1].Identifier, "HUT");
    EXPECT_EQ(AsEvo(file).WayPoints().items[1].Comment, "comment of HUT");
    ASSERT_EQ(file->GetTrackCount(), 2);
    EXPECT_EQ(AsEvo(file).Tracks().items[0].points.size(), 3u);
    EXPECT_EQ(AsEvo(file).Tracks().items[1].Name, "T2");
}

TEST(EVORead, RoutesReadWithLinkBlocksBetweenPoints)
{
    EvoBuilder b = RichEvo();
    auto routes = TwoRoutes();
    routes[0].points[1].identifier = "ROUTEPOINT-LONG-NAME"; // 20 bytes, 15 kept
    routes[1].name = "A-ROUTE-NAME-OF-24-BYTES";
    b.routes = routes;
    b.trailer = "tail bytes";
    auto file = LoadEvoBytes(b.Build());
    ASSERT_TRUE(file);
    ASSERT_EQ(file->GetRouteCount(), 2);
    const auto& read = AsEvo(file).Routes().items;
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(read[0].Held.data()), 21), Pattern(21, 0x30));
    EXPECT_EQ(read[0].Name, "ROUTE1");
    ASSERT_EQ(read[0].points.size(), 3u);
    EXPECT_EQ(read[0].points[1].point.Identifier, "ROUTEPOINT-LONG");
    EXPECT_EQ(read[0].points[1].point.Comment, "comment of R1P2");
    EXPECT_EQ(read[0].points[2].point.Latitude, 5);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(read[0].points[0].Link.data()), 20), Pattern(20, 0x80));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(read[0].points[1].Link.data()), 20), Pattern(20, 0xA0));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(read[0].points[2].Link.data()), 20), QByteArray(20, '\0'));
    EXPECT_EQ(read[1].Name, "A-ROUTE-NAME-OF");
    ASSERT_EQ(read[1].points.size(), 1u);
    EXPECT_EQ(read[1].points[0].point.Identifier, "R2P1");
    EXPECT_EQ(read[1].points[0].point.HeightBits, kMissing);
}

TEST(EVORead, EveryTruncationFailsCleanly)
{
    EvoBuilder b = RichEvo();
    b.routes = TwoRoutes();
    const QByteArray whole = b.Build();
    ASSERT_TRUE(LoadEvoBytes(whole));
    for (qsizetype n = EvoBuilder::kHeaderSize; n < whole.size(); ++n) {
        int recognised = 0;
        EXPECT_FALSE(LoadEvoBytes(whole.left(n), &recognised)) << n;
        EXPECT_EQ(recognised, 1) << n;
    }
}

TEST(EVORead, EveryBitFlipThroughTheManagerFailsOrHandsOutConsistentRecords)
{
    EvoBuilder b = RichEvo();
    b.routes = TwoRoutes();
    const QByteArray whole = b.Build();
    CGPSFileManager manager;
    TempDir dir;
    int opened = 0;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        QByteArray damaged = whole;
        damaged[i] = char(damaged[i] ^ (i < 48 ? 0x80 : 0xFF));
        const auto file = manager.OpenFile(dir.write(QStringLiteral("d.evo"), damaged));
        if (file) {
            SCOPED_TRACE(i);
            ++opened;
            ExpectConsistentHandOuts(*file);
            if (HasFailure())
                return; // one damaged file tells enough
        }
    }
    EXPECT_GT(opened, 0); // a flip in a name or a height still reads
}

TEST(EVORead, TheManagerOpensAnEvoFileByExtensionAndContent)
{
    TempDir dir;
    CGPSFileManager manager;
    for (const QString& name : {QStringLiteral("a.evo"), QStringLiteral("a.EVO"), QStringLiteral("a.dat")}) {
        const auto file = manager.OpenFile(dir.write(name, RichEvo().Build()));
        ASSERT_TRUE(file) << name.toStdString();
        EXPECT_EQ(file->FormatCode(), CGPSFile::kEVO);
        EXPECT_EQ(file->GetExtension(), QStringLiteral("evo"));
        EXPECT_EQ(file->GetDescription(), QStringLiteral("Garmin eTrex VistaT EVO 檔"));
    }
}
