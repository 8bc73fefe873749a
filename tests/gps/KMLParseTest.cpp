// KML text: prologues, placemarks and their geometries, coordinates, texts, the records handed
// out, and large files.
#include "GpsTestSupport.h"
#include "TempDir.h"

#include "gps/GPSAngle.h"
#include "gps/GPSScanCount.h"
#include "gps/GPSText.h"
#include "gps/kml/KMLFile.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

QString Wide(const char16_t* field, int width) { return gps::FieldText(field, width).toString(); }

struct Prologue {
    const char* text;
    int recognised; // -1: not recognised; -2: recognised but damaged; else the waypoints read
};

constexpr const char* kOnePoint = "<Placemark><Point><coordinates>1,2,3</coordinates></Point></Placemark>";

TEST(KMLParse, ProloguesAndDamage)
{
    const QByteArray point = kOnePoint;
    const QByteArray cases[] = {
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><kml>" + point + "</kml>",
        "<?xml version='1.0' encoding='utf-8' ?>\n<kml xmlns='x'>" + point + "</kml>",
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?><kml>" + point + "</kml>",
        " \r\n<?xml version=\"1.0\"?><kml>" + point + "</kml>", // no encoding: UTF-8
        "<kml>" + point + "</kml>",                              // no declaration
        "<!-- c --><?xml version=\"1.0\" encoding=\"Big5\"?><kml>" + point, // not at the start
        "<kml/>",
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><kml>" + point + "</kml>",
        "<?xml version=\"1.0\" encoding=\"Big5\"?><kml/>",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"",
        "<gpx>" + point + "</gpx>",
        "<kml",
        "",
        "<kml><Placemark><Point><coordinates>1,2</Point></Placemark></kml>",
        "<kml><Placemark><name>A<Point><coordinates>1,2</coordinates></Point></Placemark></kml>",
        "<kml><Placemark><LineString><coordinates>1,2 3,4</LineString></Placemark></kml>",
        "<kml><Placemark><Point><coordinates>1,2</coordinates></Point>",        // cut off: nothing
        "<kml>" + point + "<Placemark><name>A</name><Point><coordinates>1,2", // the whole one read
    };
    const int expected[] = {1, 1, 1, 1, 1, 1, 0, -1, -1, -1, -1, -1, -1, -2, -2, -2, 0, 1};
    static_assert(std::size(cases) == std::size(expected));
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].constData());
        CKMLFile file;
        int recognised = 0;
        const bool loaded = file.Load(cases[i], &recognised);
        EXPECT_EQ(loaded, expected[i] >= 0);
        EXPECT_EQ(recognised, expected[i] == -1 ? 0 : 1);
        if (loaded) {
            EXPECT_EQ(file.GetWayPointCount(), expected[i]);
        }
    }
}

struct Geometry {
    const char* placemarks;
    std::vector<gps::kml::KMLPoint> waypoints; // latitude, longitude, altitude
    std::vector<int> trackPoints;              // the point count of each track
};

TEST(KMLParse, PlacemarksGeometriesAndCoordinates)
{
    const Geometry cases[] = {
        {"<Placemark id=\"a\"><Point><coordinates>1,2,3</coordinates></Point></Placemark>", {{2, 1, 3}}, {}},
        {"<Placemark\n><Point\tid='x'><coordinates >\n 1.5,-2.25 \n</coordinates></Point></Placemark >",
         {{-2.25, 1.5, 0}}, {}},
        {"<Placemarks><Point><coordinates>1,2</coordinates></Point></Placemarks>", {}, {}},
        {"<Placemark/><Placemark><Point><coordinates>1,2</coordinates></Point></Placemark>", {{2, 1, 0}}, {}},
        // A point without a position is no waypoint; the file still loads.
        {"<Placemark><name>A</name><Point/></Placemark>", {}, {}},
        {"<Placemark><Point><coordinates> </coordinates></Point></Placemark>", {}, {}},
        {"<Placemark><Point><coordinates>1 2,3,4,5</coordinates></Point></Placemark>", {}, {}},
        {"<Placemark><Point><coordinates>abc,2,x 9,9</coordinates></Point></Placemark>", {{2, 0, 0}}, {}},
        {"<Placemark><Point><coordinates>1e999,nan,-7e1</coordinates></Point></Placemark>", {{0, 0, -70}}, {}},
        {"<Placemark><Point><coordinates>1,<!-- x -->2</coordinates></Point></Placemark>", {{2, 1, 0}}, {}},
        // Every tuple counts, the last one needing nothing after it.
        {"<Placemark><LineString><coordinates>1,2,3 4,5,6</coordinates></LineString></Placemark>", {}, {2}},
        {"<Placemark><LineString><coordinates>\n1,2,3\n\t4,5\r\n7,8</coordinates></LineString></Placemark>", {}, {3}},
        {"<Placemark><LineString><tessellate>1</tessellate></LineString></Placemark>", {}, {0}},
        {"<Placemark><MultiGeometry><LineString><coordinates>1,2 3,4</coordinates></LineString>"
         "<LineString><coordinates>5,6</coordinates></LineString></MultiGeometry></Placemark>",
         {},
         {3}},
        // Each geometry reads its own coordinates.
        {"<Placemark><LineString><coordinates>9,9 8,8</coordinates></LineString>"
         "<Point><coordinates>1,2,3</coordinates></Point></Placemark>",
         {{2, 1, 3}},
         {2}},
        {"<!-- <Placemark><Point><coordinates>1,2</coordinates></Point></Placemark> -->", {}, {}},
        {"<Placemark><description><![CDATA[</Placemark>]]></description><Point><coordinates>1,2</coordinates>"
         "</Point></Placemark>",
         {{2, 1, 0}},
         {}},
    };
    for (const Geometry& c : cases) {
        SCOPED_TRACE(c.placemarks);
        CKMLFile file;
        int recognised = 0;
        ASSERT_TRUE(file.Load(QByteArray("<kml><Document>") + c.placemarks + "</Document></kml>", &recognised));
        const auto& waypoints = file.WayPoints().items;
        ASSERT_EQ(waypoints.size(), c.waypoints.size());
        for (size_t i = 0; i < waypoints.size(); ++i) {
            EXPECT_EQ(waypoints[i]->latitude, c.waypoints[i].latitude);
            EXPECT_EQ(waypoints[i]->longitude, c.waypoints[i].longitude);
            EXPECT_EQ(waypoints[i]->altitude, c.waypoints[i].altitude);
        }
        std::vector<int> counts;
        for (const auto& track : file.Tracks().items)
            counts.push_back(int(track->points.size()));
        EXPECT_EQ(counts, c.trackPoints);
    }
}

struct TextCase {
    const char* raw;
    const char16_t* text;
};

TEST(KMLParse, TextsAreDecodedTrimmedThenCutAtACharacter)
{
    const TextCase cases[] = {
        {"a &amp; b", u"a & b"},
        {"&lt;&gt;&quot;&apos;&#23665;&#x5C71;", u"<>\"'山山"},
        {"<![CDATA[x & <y>]]>", u"x & <y>"},
        {" \n <![CDATA[ ab ]]>\t\n", u"ab"},
        {"雪\xFF山", u"雪\uFFFD山"},
        {"", u""},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.raw);
        const QByteArray kml = QByteArray("<kml><Placemark><name>") + c.raw + "</name><description>" + c.raw
            + "</description><Point><coordinates>1,2</coordinates></Point><LineString/></Placemark></kml>";
        CKMLFile file;
        int recognised = 0;
        ASSERT_TRUE(file.Load(kml, &recognised));
        ASSERT_EQ(file.GetWayPointCount(), 1);
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(QString::fromUtf8(file.WayPoints().items[0]->name), text);
        EXPECT_EQ(QString::fromUtf8(file.WayPoints().items[0]->description), text);
        EXPECT_EQ(QString::fromUtf8(file.Tracks().items[0]->name), text);
    }
    // 50 characters of three bytes in a CDATA section: 42 whole ones, without the markers.
    CKMLFile file;
    int recognised = 0;
    const QString many(50, QChar(u'山'));
    ASSERT_TRUE(file.Load("<kml><Placemark><description><![CDATA[" + many.toUtf8()
                              + "]]></description><Point><coordinates>1,2</coordinates></Point></Placemark></kml>",
                          &recognised));
    EXPECT_EQ(file.WayPoints().items[0]->description, QString(42, QChar(u'山')).toUtf8());
}

TEST(KMLParse, RecordsHandedOut)
{
    const QByteArray kml = "<kml><Placemark><name>" + QString(u"𠀋山 & 雪"_qs).toUtf8()
        + "</name><description>desc</description><Point><coordinates>-10,121.5,3952.5</coordinates></Point>"
          "<LineString><coordinates>121.5,24,100 -10,-20</coordinates></LineString></Placemark>"
          "<Placemark><name>" + QString(u"雪山"_qs).toUtf8() + "</name><Point><coordinates>1,2</coordinates></Point>"
          "</Placemark></kml>";
    CKMLFile file;
    int recognised = 0;
    ASSERT_TRUE(file.Load(kml, &recognised));
    GPSWayPointRecordW wide[2] = {};
    ASSERT_EQ(file.GetWayPointsW(wide), 1);
    EXPECT_EQ(Wide(wide[0].name, 64), u"𠀋山 & 雪");
    EXPECT_EQ(Wide(wide[0].comment, 128), u"desc");
    EXPECT_EQ(wide[0].longitude, -119304647); // -10 degrees
    EXPECT_EQ(wide[0].latitude, 1449551462);  // 121.5 degrees
    EXPECT_DOUBLE_EQ(wide[0].altitude, 3952.5);
    GPSWayPointRecord narrow[2] = {};
    ASSERT_EQ(file.GetWayPoints(narrow), 1);
    EXPECT_EQ(QByteArray(narrow[1].name), Big5(u"雪山"_qs));
    EXPECT_EQ(QByteArray(narrow[0].comment), "desc");
    EXPECT_EQ(file.GetWayPointsW(nullptr), 0);

    GPSTrackRecordW tracks[1] = {};
    ASSERT_EQ(file.GetTracksW(tracks), 1);
    EXPECT_EQ(Wide(tracks[0].name, 32), u"𠀋山 & 雪"); // decoded directly, nothing lost
    EXPECT_EQ(tracks[0].pointCount, 2);
    GPSTrackPointList list;
    ASSERT_EQ(file.GetTrackPoints(&list, 0), 1);
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list.points[0].longitude, 1449551462);
    EXPECT_EQ(list.points[1].latitude, -238609294); // -20 degrees
    for (int index : {-1, 1}) {
        GPSTrackPointList none;
        EXPECT_EQ(file.GetTrackPoints(&none, index), 1);
        EXPECT_EQ(none.count, 0);
        EXPECT_FALSE(none.points);
    }
    EXPECT_EQ(file.GetTrackPoints(nullptr, 0), 0);
    EXPECT_EQ(CKMLFile().GetTracksW(tracks), 0); // no tracks
}

// Bytes the text searches step over while load runs.
template <typename Load>
qint64 ScannedBytes(Load load)
{
    qint64 scanned = 0;
    gps::scannedBytes = &scanned;
    load();
    gps::scannedBytes = nullptr;
    return scanned;
}

// A complete file, one whose placemarks never end, and one long coordinates text, each of n
// placemarks or n * 4 tuples (fixed widths, so that the text grows in proportion to n).
struct LargeKml {
    QByteArray complete = "<kml>", unfinished = "<kml>",
               longLine = "<kml><Placemark><LineString><coordinates>";

    explicit LargeKml(int n)
    {
        for (int i = 0; i < n; ++i) {
            complete += "<Placemark><name>P" + QByteArray::number(i).rightJustified(6, '0')
                + "</name><Point><coordinates>121,24,1</coordinates></Point>"
                  "<LineString><coordinates>1,2 3,4 5,6</coordinates></LineString></Placemark>\n";
            unfinished += "<Placemark><Point><coordinates>1,2 ";
        }
        for (int i = 0; i < n * 4; ++i)
            longLine += "121.123456,24.123456,1234.5\n";
        longLine += "</coordinates></LineString></Placemark></kml>";
    }
};

TEST(KMLParse, LargeAndBrokenFilesReadInOnePass)
{
    // A walk that rescans the text for each placemark, or each unfinished one, steps over
    // bytes in proportion to the square of the placemarks: doubling them would about
    // quadruple the bytes scanned, where a walk in one pass about doubles them.
    constexpr int kPlacemarks = 2000;
    const LargeKml once(kPlacemarks), twice(2 * kPlacemarks);
    CKMLFile file, cut, line;
    int recognised = 0;
    const qint64 scanned[] = {
        ScannedBytes([&] { ASSERT_TRUE(file.Load(once.complete, &recognised)); }),
        ScannedBytes([&] { ASSERT_TRUE(cut.Load(once.unfinished, &recognised)); }),
        ScannedBytes([&] { ASSERT_TRUE(line.Load(once.longLine, &recognised)); }),
    };
    EXPECT_EQ(file.GetWayPointCount(), kPlacemarks);
    EXPECT_EQ(file.GetTrackPointTotal(), kPlacemarks * 3);
    EXPECT_EQ(cut.GetWayPointCount(), 0);
    EXPECT_EQ(line.GetTrackPointTotal(), kPlacemarks * 4);
    const qint64 doubled[] = {
        ScannedBytes([&] { CKMLFile().Load(twice.complete, &recognised); }),
        ScannedBytes([&] { CKMLFile().Load(twice.unfinished, &recognised); }),
        ScannedBytes([&] { CKMLFile().Load(twice.longLine, &recognised); }),
    };
    const qsizetype sizes[] = {once.complete.size(), once.unfinished.size(), once.longLine.size()};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_GE(scanned[i], sizes[i]); // every byte looked at
        EXPECT_LT(doubled[i], 3 * scanned[i]);
    }
}

} // namespace
