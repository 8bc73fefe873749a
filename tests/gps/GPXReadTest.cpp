// Reading GPX files: the fixtures written by gpsbabel (GPX 1.0 and 1.1) and by hand, each
// against gpsbabel's own reading; prologues, damaged files, texts and times.
#include "GpsTestSupport.h"
#include "GpxTestSupport.h"
#include "TempDir.h"

#include "gps/GPSAngle.h"
#include "gps/GPSFileManager.h"
#include "gps/GPSText.h"
#include "gps/gdb/GDBFile.h"
#include "gps/gpx/GPXFile.h"
#include "gps/gpx/GPXText.h"
#include "platform/CodePage.h"

#include <QFile>
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <random>
#include <set>
#include <string>

namespace {

QString Wide(const char16_t* field, int width) { return gps::FieldText(field, width).toString(); }

void ExpectAngle(int32_t actual, double degrees)
{
    EXPECT_LE(std::llabs(int64_t(actual) - int64_t(GPSAngle::FromDegrees(degrees))), 1) << degrees;
}

void ExpectPoint(const GPSTrackPoint& actual, const GpxPoint& expected)
{
    ExpectAngle(actual.latitude, expected.lat);
    ExpectAngle(actual.longitude, expected.lon);
    EXPECT_DOUBLE_EQ(actual.altitude, expected.ele.value_or(0));
    EXPECT_EQ(actual.time, SecondsOf(expected.time)) << expected.time.toStdString();
}

struct Fixture {
    const char* file;
    std::set<int> unnamed; // waypoints without name or desc, which gpsbabel names itself
};

class GPXFixture : public ::testing::TestWithParam<Fixture> {};

TEST_P(GPXFixture, EveryWaypointAndTrackPointAsGpsbabelReadsThem)
{
    REQUIRE_GPSBABEL();
    const QString path = GpsFixture(GetParam().file);
    GpxContent expected;
    ASSERT_TRUE(GpsbabelReading(path, &expected));
    auto file = CGPSFileManager().OpenFile(path);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->FormatCode(), CGPSFile::kGPX);

    ASSERT_EQ(file->GetWayPointCount(), int(expected.waypoints.size()));
    auto wide = file->NewWayPointArrayW();
    auto narrow = file->NewWayPointArray();
    ASSERT_TRUE(wide && narrow);
    for (size_t i = 0; i < expected.waypoints.size(); ++i) {
        SCOPED_TRACE(i);
        const GpxWaypoint& want = expected.waypoints[i];
        ExpectAngle(wide[i].latitude, want.position.lat); // west and south stay negative
        ExpectAngle(wide[i].longitude, want.position.lon);
        EXPECT_DOUBLE_EQ(wide[i].altitude, want.position.ele.value_or(0));
        if (GetParam().unnamed.count(int(i)))
            continue;
        EXPECT_EQ(Wide(wide[i].name, 64), HeldInUtf8Field(want.name));
        EXPECT_EQ(Wide(wide[i].comment, 128), HeldInUtf8Field(want.desc));
        EXPECT_EQ(QByteArray(narrow[i].name), platform::ToAnsi(HeldInUtf8Field(want.name)));
    }

    ASSERT_EQ(file->GetTrackCount(), int(expected.tracks.size()));
    std::vector<GPSTrackRecordW> tracks(expected.tracks.size());
    ASSERT_EQ(file->GetTracksW(tracks.data()), 1);
    int total = 0;
    for (size_t t = 0; t < expected.tracks.size(); ++t) {
        SCOPED_TRACE(t);
        const GpxTrack& want = expected.tracks[t];
        EXPECT_EQ(Wide(tracks[t].name, 32), want.name.isEmpty() ? u"Noname"_qs : want.name);
        GPSTrackPointList list;
        ASSERT_EQ(file->GetTrackPoints(&list, int(t)), 1);
        ASSERT_EQ(list.count, int(want.points.size()));
        EXPECT_EQ(tracks[t].pointCount, list.count);
        for (int p = 0; p < list.count; ++p)
            ExpectPoint(list.points[p], want.points[size_t(p)]);
        total += list.count;
    }
    EXPECT_EQ(file->GetTrackPointTotal(), total);
}

INSTANTIATE_TEST_SUITE_P(Files, GPXFixture,
                         ::testing::Values(Fixture{"gpsbabel_10.gpx", {}}, Fixture{"gpsbabel_11.gpx", {}},
                                           Fixture{"hand.gpx", {1, 2}}, Fixture{"pretty.gpx", {}}));

TEST(GPXRead, TheGpsbabelFilesHoldWhatTheirSourceSays)
{
    // Independent of gpsbabel's reading: values taken from gpx_source.gpx.
    for (const char* name : {"gpsbabel_10.gpx", "gpsbabel_11.gpx"}) {
        SCOPED_TRACE(name);
        auto file = CGPSFileManager().OpenFile(GpsFixture(name));
        ASSERT_TRUE(file);
        ASSERT_EQ(file->GetWayPointCount(), 4);
        auto records = file->NewWayPointArrayW();
        EXPECT_EQ(Wide(records[1].name, 64), u"三六九 & 山莊");
        EXPECT_EQ(Wide(records[1].comment, 128), u"<山屋> \"369\"");
        EXPECT_DOUBLE_EQ(records[1].altitude, 3100.5);
        // The first 42 characters: 126 of the 127 bytes a text holds.
        EXPECT_EQ(Wide(records[2].comment, 128),
                  u"台灣最高峰，海拔三千九百五十二公尺，東北亞第一高峰，日治時期稱新高山，為玉山國家公園"_qs);
        EXPECT_DOUBLE_EQ(records[2].altitude, 0);
        EXPECT_NEAR(GPSAngle::ToDegrees(records[3].longitude), -10.5, 1e-6);
        EXPECT_NEAR(GPSAngle::ToDegrees(records[3].latitude), -33.9, 1e-6);
        EXPECT_DOUBLE_EQ(records[3].altitude, -12.25);
        ASSERT_EQ(file->GetTrackCount(), 3);
        EXPECT_EQ(file->GetTrackPointTotal(), 5 + 2 + 1); // both segments of the first track
        GPSTrackPointList list;
        ASSERT_EQ(file->GetTrackPoints(&list, 0), 1);
        ASSERT_EQ(list.count, 5);
        const int32_t times[] = {1680307200, 0, 0, 1680309015, 1680311700};
        const double heights[] = {800, 0, 950.5, 0, 1120};
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(list.points[i].time, times[i]) << i;
            EXPECT_DOUBLE_EQ(list.points[i].altitude, heights[i]) << i;
        }
        ExpectAngle(list.points[1].latitude, 25.1625); // a self-closing point stays apart
        ASSERT_EQ(file->GetTrackPoints(&list, 2), 1);
        EXPECT_EQ(list.points[0].time, 946684799);
        GPSTrackRecordW tracks[3] = {};
        ASSERT_EQ(file->GetTracksW(tracks), 1);
        EXPECT_EQ(Wide(tracks[1].name, 32), u"夢幻湖 & 冷水坑");
    }
}

TEST(GPXRead, TheHandWrittenFile)
{
    auto file = CGPSFileManager().OpenFile(GpsFixture("hand.gpx"));
    ASSERT_TRUE(file);
    const auto* gpx = dynamic_cast<const CGPXFile*>(file.get());
    ASSERT_TRUE(gpx);
    EXPECT_EQ(gpx->Header().creator, "hand & made");
    const auto& waypoints = gpx->WayPoints().items;
    ASSERT_EQ(waypoints.size(), 3u); // the commented-out one is no waypoint
    EXPECT_EQ(waypoints[0]->name, QString(u"大霸<尖>山 & co"_qs).toUtf8());
    EXPECT_EQ(waypoints[0]->desc, QString(u"山山<>\"'&"_qs).toUtf8());
    EXPECT_EQ(waypoints[0]->sym, QString(u"山"_qs).toUtf8());
    EXPECT_DOUBLE_EQ(waypoints[0]->elevation, 3492.5);
    EXPECT_DOUBLE_EQ(waypoints[0]->latitude, 24.5);
    EXPECT_DOUBLE_EQ(waypoints[0]->longitude, 121.25);
    EXPECT_EQ(waypoints[1]->name, ""); // kept without a name
    EXPECT_DOUBLE_EQ(waypoints[1]->latitude, 23.25);
    EXPECT_DOUBLE_EQ(waypoints[2]->longitude, 120.75);
    EXPECT_FALSE(waypoints[2]->elevationDefined);

    const auto& tracks = gpx->Tracks().items;
    ASSERT_EQ(tracks.size(), 3u);
    EXPECT_EQ(tracks[1]->name, "Empty");
    EXPECT_TRUE(tracks[1]->points.empty()); // no segment, no points
    EXPECT_EQ(tracks[2]->name, "Noname");
    GPSTrackPointList list;
    ASSERT_EQ(file->GetTrackPoints(&list, 0), 1);
    ASSERT_EQ(list.count, 3);
    EXPECT_EQ(list.points[0].time, 1680309015); // 08:30:15.75 at +08:00
    EXPECT_EQ(list.points[1].time, 0);
    EXPECT_EQ(list.points[2].time, 1680312600); // 20:00 at -05:30, the next day in UTC
    ASSERT_EQ(file->GetTrackPoints(&list, 1), 1);
    EXPECT_EQ(list.count, 0);
}

TEST(GPXRead, TextsLoseTheBlanksAroundThem)
{
    auto file = CGPSFileManager().OpenFile(GpsFixture("pretty.gpx"));
    const auto* gpx = dynamic_cast<const CGPXFile*>(file.get());
    ASSERT_TRUE(gpx);
    const auto& waypoints = gpx->WayPoints().items;
    ASSERT_EQ(waypoints.size(), 2u);
    EXPECT_EQ(waypoints[0]->name, QString(u"南湖大山"_qs).toUtf8());
    EXPECT_EQ(waypoints[0]->cmt, QString(u"百岳"_qs).toUtf8());
    EXPECT_EQ(waypoints[0]->desc, QString(u"南湖群峰主峰"_qs).toUtf8());
    EXPECT_EQ(waypoints[1]->name, QString(u"南湖東峰"_qs).toUtf8());
    EXPECT_EQ(waypoints[1]->desc, QString(u"南湖群峰 東峰"_qs).toUtf8()); // blanks inside stay
    ASSERT_EQ(gpx->Tracks().items.size(), 1u);
    EXPECT_EQ(gpx->Tracks().items[0]->name, QString(u"南湖大山 登山步道"_qs).toUtf8());
}

TEST(GPXRead, HeaderOfAGpsbabelFile)
{
    auto file = CGPSFileManager().OpenFile(GpsFixture("gpsbabel_11.gpx"));
    const auto* gpx = dynamic_cast<const CGPXFile*>(file.get());
    ASSERT_TRUE(gpx);
    EXPECT_EQ(gpx->Header().creator, "GPSBabel - https://www.gpsbabel.org");
    EXPECT_FALSE(gpx->Header().time.isEmpty());
    EXPECT_DOUBLE_EQ(gpx->Header().minlat, -33.9);
    EXPECT_DOUBLE_EQ(gpx->Header().minlon, -10.5);
    EXPECT_DOUBLE_EQ(gpx->Header().maxlat, 25.1706);
    EXPECT_DOUBLE_EQ(gpx->Header().maxlon, 121.5625);
}

struct Prologue {
    const char* text;
    int recognised; // -1: not recognised; -2: recognised but damaged; else the waypoints read
};

TEST(GPXRead, ProloguesRootsAndDamage)
{
    const Prologue cases[] = {
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?><gpx><wpt lat=\"1\" lon=\"2\"/></gpx>", 1},
        {"<?xml version='1.0' encoding='utf-8' ?>\n<gpx version='1.1'><wpt lat='1' lon='2'/></gpx>", 1},
        {"<?xml version=\"1.0\" encoding = \"Utf-8\"?><gpx><wpt lat=\"1\" lon=\"2\"/></gpx>", 1},
        {"<?xml version=\"1.0\"?><gpx><wpt lat=\"1\" lon=\"2\"/></gpx>", 1}, // UTF-8 by default
        {"\xEF\xBB\xBF<gpx><wpt lat=\"1\" lon=\"2\"/></gpx>", 1},
        {"\n <!-- c --><?style x?><!DOCTYPE gpx [<!ENTITY a '>'>]>\n<gpx><wpt lat='1' lon='2'/></gpx>", 1},
        {"<gpx/>", 0}, // an empty file of the format
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><gpx><wpt lat=\"1\" lon=\"2\"/></gpx>", -1},
        {"<?xml version=\"1.0\" encoding=\"Big5\"?><gpx/>", -1},
        {"<?xml version=\"1.0\" encoding=UTF-8?><gpx/>", -1},
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"", -1},
        {"<kml><wpt lat=\"1\" lon=\"2\"/></kml>", -1},
        {"<gpxx/>", -1},
        {"text <gpx/>", -1},
        {"<gpx", -1},
        {"<gpx><wpt lat=\"1\" lon=\"2\"><name>A</name></gpx>", -2},   // a waypoint without its end
        {"<gpx><wpt lat=\"1\" lon=\"2\"><name>A</wpt></gpx>", -2},    // a name without its end
        {"<gpx><wpt lat=\"1\" lon=\"2\" <name>A</name></wpt></gpx>", -2},
        {"<gpx><trk><trkseg><trkpt lat=\"1\" lon=\"2\"><ele>1</ele></trkseg></trk></gpx>", -2},
        {"<gpx><trk><name>T</name><trkseg>", -2},
        {"<gpx><metadata><time>x</time>", -1},
    };
    for (const Prologue& c : cases) {
        SCOPED_TRACE(c.text);
        CGPXFile file;
        int recognised = 0;
        const bool loaded = file.Load(QByteArrayView(c.text), &recognised);
        EXPECT_EQ(loaded, c.recognised >= 0);
        EXPECT_EQ(recognised, c.recognised == -1 ? 0 : 1);
        if (loaded) {
            EXPECT_EQ(file.GetWayPointCount(), c.recognised);
        }
    }
}

TEST(GPXRead, ElementsAttributesAndTheirOrder)
{
    const QByteArray text = "<gpx>"
                            "<trk><name>Before</name><trkseg><trkpt lat=\"5\" lon=\"6\"><name>point</name></trkpt>"
                            "</trkseg></trk>"
                            "<wpt\tlat = '1.5'\nlon=\"-2.5\"><ele>+7e2</ele><name>&#x1F3D4;</name></wpt>"
                            "<wpt lat=\"x\" lon=\"\" ><ele>high</ele><name/></wpt>"
                            "<wptx lat=\"9\" lon=\"9\"></wptx>"
                            "<trk number=\"2\"><trkseg/><trkseg><trkpt lat=\"3\" lon=\"4\"/></trkseg></trk >"
                            "<trk><desc><![CDATA[</trk>]]></desc></trk>"
                            "</gpx>";
    CGPXFile file;
    int recognised = 0;
    ASSERT_TRUE(file.Load(text, &recognised));
    const auto& waypoints = file.WayPoints().items;
    ASSERT_EQ(waypoints.size(), 2u);
    EXPECT_DOUBLE_EQ(waypoints[0]->latitude, 1.5);
    EXPECT_DOUBLE_EQ(waypoints[0]->longitude, -2.5);
    EXPECT_DOUBLE_EQ(waypoints[0]->elevation, 700);
    EXPECT_EQ(waypoints[0]->name, "\xF0\x9F\x8F\x94");
    EXPECT_DOUBLE_EQ(waypoints[1]->latitude, 0); // unreadable values are 0
    EXPECT_DOUBLE_EQ(waypoints[1]->elevation, 0);
    EXPECT_FALSE(waypoints[1]->elevationDefined);
    const auto& tracks = file.Tracks().items;
    ASSERT_EQ(tracks.size(), 3u); // a track before the waypoints, one with attributes
    EXPECT_EQ(tracks[0]->name, "Before"); // not the name of its point
    ASSERT_EQ(tracks[1]->points.size(), 1u);
    EXPECT_EQ(tracks[1]->name, "Noname");
    EXPECT_DOUBLE_EQ(tracks[1]->points[0].longitude, 4);
    EXPECT_TRUE(tracks[2]->points.empty());
    GPSWayPointRecordW wide{};
    ASSERT_EQ(file.GetWayPointW(0, &wide), 1);
    EXPECT_EQ(Wide(wide.name, 64), u"🏔"_qs);
    EXPECT_EQ(file.GetWayPointW(2, &wide), 0);
}

struct TextCase {
    const char* raw;
    const char16_t* text;
};

TEST(GPXRead, TextsAreDecodedThenCutAtACharacter)
{
    const TextCase cases[] = {
        {"a &amp; b", u"a & b"},
        {"&lt;&gt;&quot;&apos;", u"<>\"'"},
        {"&#23665;&#x5C71;&#X5C71;", u"山山&#X5C71;"}, // the hexadecimal marker is a small x
        {"&unknown; &#0; &#xD800; &#1114112; & ;", u"&unknown; &#0; &#xD800; &#1114112; & ;"},
        {"<![CDATA[<b>&amp;</b>]]> and <![CDATA[x]]>", u"<b>&amp;</b> and x"},
        {"a<!-- note -->b", u"ab"},
        {"雪\xFF山", u"雪\uFFFD山"}, // not UTF-8
        {"山", u"山"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.raw);
        const QByteArray gpx = QByteArray("<gpx><wpt lat='1' lon='2'><name>") + c.raw + "</name><sym>" + c.raw
            + "</sym></wpt></gpx>";
        CGPXFile file;
        int recognised = 0;
        ASSERT_TRUE(file.Load(gpx, &recognised));
        ASSERT_EQ(file.GetWayPointCount(), 1);
        EXPECT_EQ(QString::fromUtf8(file.WayPoints().items[0]->name), QString::fromUtf16(c.text));
        EXPECT_EQ(QString::fromUtf8(file.WayPoints().items[0]->sym), QString::fromUtf16(c.text));
    }
    // 50 references of three bytes each: cut after decoding, at 42 whole characters.
    QByteArray many = "<gpx><wpt lat='1' lon='2'><desc>";
    for (int i = 0; i < 50; ++i)
        many += "&#23665;";
    CGPXFile file;
    int recognised = 0;
    ASSERT_TRUE(file.Load(many + "</desc></wpt></gpx>", &recognised));
    EXPECT_EQ(file.WayPoints().items[0]->desc, QString(42, QChar(u'山')).toUtf8());
}

struct TimeCase {
    const char* text;
    int64_t seconds;
};

TEST(GPXRead, TimesFromTheWholeText)
{
    // Expected values by date -u -d TEXT +%s.
    const TimeCase cases[] = {
        {"2023-04-01T00:00:00Z", 1680307200},
        {"2023-04-01T00:30:15.750Z", 1680309015},
        {"2023-04-01T08:30:15.75+08:00", 1680309015},
        {"2023-03-31T20:00:00-05:30", 1680312600},
        {" 2023-04-01T00:00:00-00:00 ", 1680307200},
        {"2023-04-01T00:00:00", 1680307200}, // no zone: UTC
        {"2000-02-29T12:00:00Z", 951825600},
        {"2024-02-29T00:00:00Z", 1709164800},
        {"1904-02-29T12:00:00Z", -2077704000},
        {"2023-03-01T00:00:00Z", 1677628800},
        {"2024-12-31T23:59:59Z", 1735689599},
        {"1969-12-31T23:59:59Z", -1},
        {"2038-01-19T03:14:07Z", 2147483647},
        {"1901-12-13T20:45:52Z", -2147483648LL},
        {"2038-01-19T03:14:08Z", 0},  // outside 32 bits
        {"1901-12-13T20:45:51Z", 0},
        {"2023-02-29T00:00:00Z", 0},  // no such day
        {"2023-04-01T24:00:00Z", 0},
        {"2023-04-01T00:60:00Z", 0},
        {"2023-04-01T00:00:60Z", 0},
        {"2023-13-01T00:00:00Z", 0},
        {"2023-04-01T00:00:00+15:00", 0},
        {"2023-04-01T00:00:00+0800", 0},
        {"2023-04-01T00:00:00.Z", 0},
        {"2023-04-01T00:00:00Zjunk", 0},
        {"2023-04-01", 0},
        {"2023-4-1T0:0:0Z", 0},
        {"", 0},
    };
    for (const TimeCase& c : cases) {
        SCOPED_TRACE(c.text);
        int32_t seconds = 12345;
        EXPECT_EQ(gps::gpx::ParseTime(c.text, &seconds), c.seconds != 0);
        EXPECT_EQ(seconds, c.seconds);
    }
}

TEST(GPXRead, NumbersAsTheCompilerReadsThem)
{
    // Expected values are the compiler's own reading of the literals; "ok" false means no number.
    const struct {
        const char* text;
        double value;
        bool ok;
    } cases[] = {
        {"24.383333", 24.383333, true},
        {"-121.000001", -121.000001, true},
        {"0.1", 0.1, true},
        {"3100.5", 3100.5, true},
        {"123456789012345", 123456789012345.0, true},
        {"1234567890123456789", 1234567890123456789.0, true},
        {"0.123456789012345678", 0.123456789012345678, true},
        {"0.000000000000001", 0.000000000000001, true},
        {".5", 0.5, true},
        {"5.", 5.0, true},
        {"+3.25", 3.25, true},
        {" \t7\n", 7.0, true},
        {"1e3", 1000.0, true},
        {"2.5E-2", 0.025, true},
        {"12abc", 12.0, true},
        {"1.2.3", 1.2, true},
        {"-", 0, false},
        {".", 0, false},
        {"+-1", 0, false},
        {"abc", 0, false},
        {"1e999", 0, false},
        {"", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        double value = 99;
        EXPECT_EQ(gps::gpx::ParseNumber(c.text, &value), c.ok);
        EXPECT_EQ(value, c.value);
    }
    double negativeZero = 1;
    ASSERT_TRUE(gps::gpx::ParseNumber("-0.0", &negativeZero));
    EXPECT_TRUE(negativeZero == 0 && std::signbit(negativeZero));
}

TEST(GPXRead, NumbersIgnoreTheProcessLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no de_DE.UTF-8 locale; tools/setup.sh makes one";
    auto file = CGPSFileManager().OpenFile(GpsFixture("gpsbabel_11.gpx"));
    std::setlocale(LC_ALL, saved.c_str());
    ASSERT_TRUE(file);
    auto records = file->NewWayPointArrayW();
    EXPECT_DOUBLE_EQ(records[1].altitude, 3100.5);
    ExpectAngle(records[0].latitude, 24.383333);
}

TEST(GPXRead, TrackNamesOutsideTheAnsiCodePage)
{
    CGPXFile file;
    int recognised = 0;
    ASSERT_TRUE(file.Load(QString(u"<gpx><trk><name>한山徑</name></trk></gpx>"_qs).toUtf8(), &recognised));
    GPSTrackRecordW wide{};
    ASSERT_EQ(file.GetTracksW(&wide), 1);
    EXPECT_EQ(Wide(wide.name, 32), u"한山徑"_qs);
    GPSTrackRecord narrow{};
    ASSERT_EQ(file.GetTracks(&narrow), 1);
    EXPECT_EQ(QByteArray(narrow.name), "?" + platform::ToAnsi(u"山徑"));
    EXPECT_EQ(CGPXFile().GetTracksW(&wide), 0); // no tracks
}

TEST(GPXRead, MarkupSoupFailsCleanly)
{
    // Random sequences of the fragments the scanner looks for; each must load or fail, never
    // crash or read outside the text (the sanitizer build checks).
    const char* fragments[] = {"<gpx>", "<gpx/>", "</gpx>", "<wpt lat='1' lon=\"2\">", "<wpt/>", "</wpt>", "<trk>",
                            "</trk>", "<trkseg>", "<trkseg/>", "</trkseg>", "<trkpt lat=\"1\" lon='2'>", "<trkpt/>", "</trkpt>",
                            "<name>", "</name>", "<ele>", "</ele >", "<time>", "</time>", "<![CDATA[", "]]>", "<!--",
                            "-->", "&amp;", "&#x", ";", "'", "\"", "=", "<", ">", "/", " ", "x", "\xE5\xB1\xB1",
                            "<?xml version='1.0'?>", "<metadata>", "</metadata>", "<bounds maxlat='1'/>"};
    std::mt19937 random(7);
    int loaded = 0;
    for (int i = 0; i < 20000; ++i) {
        QByteArray text = (i % 2) ? "<gpx>" : "";
        const int count = 1 + int(random() % 40);
        for (int p = 0; p < count; ++p)
            text += fragments[random() % std::size(fragments)];
        CGPXFile file;
        int recognised = 0;
        if (file.Load(text, &recognised)) {
            ++loaded;
            auto records = file.NewWayPointArrayW();
            for (int t = 0; t < file.GetTrackCount(); ++t) {
                GPSTrackPointList list;
                ASSERT_EQ(file.GetTrackPoints(&list, t), 1);
            }
            EXPECT_FALSE(file.ToBytes().isEmpty());
        }
    }
    EXPECT_GT(loaded, 0);
}

// The format manager with GPX files under other names, and GDB files under a GPX name.
TEST(GPXRead, OpenedByExtensionAndByContent)
{
    TempDir dir;
    const QByteArray gpx = ReadBytes(GpsFixture("gpsbabel_11.gpx"));
    const QByteArray gdb = ReadBytes(GpsFixture("gpsbabel_v3.gdb"));
    CGPSFileManager manager;
    for (const char* name : {"walk.GPX", "walk.txt", "walk", "walk.gdb", "walk.mps", "walk.kml"}) {
        SCOPED_TRACE(name);
        auto file = manager.OpenFile(dir.write(name, gpx));
        ASSERT_TRUE(file);
        EXPECT_EQ(file->FormatCode(), CGPSFile::kGPX);
        EXPECT_EQ(file->GetWayPointCount(), 4);
    }
    auto file = manager.OpenFile(dir.write("other.gpx", gdb));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->FormatCode(), CGPSFile::kGDB);

    // A GPX file cut inside a track: recognised, so the search ends with nothing.
    const QString cut = dir.write("cut.gpx", gpx.first(gpx.indexOf("<trkpt") + 40));
    int recognised = 0;
    EXPECT_FALSE(CGPXFile().LoadFile(cut, &recognised));
    EXPECT_EQ(recognised, 1);
    EXPECT_FALSE(manager.OpenFile(cut));
    // Another encoding is not read as GPX, and no other format reads it either.
    QByteArray latin = gpx;
    latin.replace("encoding=\"UTF-8\"", "encoding=\"ISO-8859-1\"");
    recognised = 0;
    EXPECT_FALSE(CGPXFile().LoadFile(dir.write("latin.gpx", latin), &recognised));
    EXPECT_EQ(recognised, 0);
    EXPECT_FALSE(manager.OpenFile(dir.file("latin.gpx")));
    EXPECT_FALSE(manager.OpenFile(dir.file("missing.gpx")));
    EXPECT_FALSE(manager.OpenFile(dir.write("empty.gpx", QByteArray())));
}

} // namespace
