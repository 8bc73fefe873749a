// Reading KML files: the fixtures written by gpsbabel, by GDAL (KML and LIBKML drivers) and by
// hand, each against gpsbabel's own reading; opening through the format manager; copying KML
// waypoints and tracks into GDB files that gpsbabel reads back.
#include "GpsTestSupport.h"
#include "GpxTestSupport.h"
#include "TempDir.h"

#include "gps/GPSAngle.h"
#include "gps/GPSFileManager.h"
#include "gps/GPSText.h"
#include "gps/gdb/GDBFile.h"
#include "gps/kml/KMLFile.h"
#include "platform/CodePage.h"

#include <QFile>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {

QString Wide(const char16_t* field, int width) { return gps::FieldText(field, width).toString(); }


void ExpectAngle(int32_t actual, double degrees)
{
    EXPECT_LE(std::llabs(int64_t(actual) - int64_t(GPSAngle::FromDegrees(degrees))), 1) << degrees;
}

// What gpsbabel reads from a KML file, written out as GPX; false when gpsbabel fails.
bool GpsbabelKmlReading(const QString& path, GpxContent* content)
{
    QByteArray gpx;
    return RunGpsBabel({"-i", "kml", "-f", path, "-o", "gpx,gpxver=1.1", "-F", "-"}, &gpx)
        && ParseGpxText(gpx, content);
}

// The track points of a reading, each with the name of its track, in order. gpsbabel makes a
// track of every line string; this program one of every placemark.
struct NamedPoint {
    QString track;
    GpxPoint point;
};

std::vector<NamedPoint> Flatten(const std::vector<GpxTrack>& tracks)
{
    std::vector<NamedPoint> points;
    for (const GpxTrack& track : tracks) {
        for (const GpxPoint& point : track.points)
            points.push_back({track.name.isEmpty() ? u"Noname"_qs : track.name, point});
    }
    return points;
}

struct Fixture {
    const char* file;
    int tracks;                  // placemarks with line strings
    std::set<int> unnamed;       // waypoints without a name, which gpsbabel names itself
    std::set<int> noDescription; // waypoints without one, which gpsbabel describes by the name
};

class KMLFixture : public ::testing::TestWithParam<Fixture> {};

TEST_P(KMLFixture, EveryWaypointAndTrackPointAsGpsbabelReadsThem)
{
    REQUIRE_GPSBABEL();
    const Fixture& fixture = GetParam();
    const QString path = GpsFixture(fixture.file);
    GpxContent expected;
    ASSERT_TRUE(GpsbabelKmlReading(path, &expected));
    auto file = CGPSFileManager().OpenFile(path);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->FormatCode(), CGPSFile::kKML);

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
        const QString name = fixture.unnamed.count(int(i)) ? QString() : HeldInUtf8Field(want.name);
        const QString comment = fixture.noDescription.count(int(i)) ? QString() : HeldInUtf8Field(want.desc);
        EXPECT_EQ(Wide(wide[i].name, 64), name);
        EXPECT_EQ(Wide(wide[i].comment, 128), comment);
        EXPECT_EQ(QByteArray(narrow[i].name), platform::ToAnsi(name));
    }

    ASSERT_EQ(file->GetTrackCount(), fixture.tracks);
    std::vector<GPSTrackRecordW> tracks(size_t(fixture.tracks));
    ASSERT_EQ(file->GetTracksW(tracks.data()), 1);
    const std::vector<NamedPoint> points = Flatten(expected.tracks);
    size_t next = 0;
    for (int t = 0; t < fixture.tracks; ++t) {
        SCOPED_TRACE(t);
        GPSTrackPointList list;
        ASSERT_EQ(file->GetTrackPoints(&list, t), 1);
        EXPECT_EQ(tracks[size_t(t)].pointCount, list.count);
        for (int p = 0; p < list.count; ++p, ++next) {
            ASSERT_LT(next, points.size());
            EXPECT_EQ(Wide(tracks[size_t(t)].name, 32), points[next].track);
            ExpectAngle(list.points[p].latitude, points[next].point.lat);
            ExpectAngle(list.points[p].longitude, points[next].point.lon);
            EXPECT_DOUBLE_EQ(list.points[p].altitude, points[next].point.ele.value_or(0));
            EXPECT_EQ(list.points[p].time, 0);
        }
    }
    EXPECT_EQ(next, points.size());
    EXPECT_EQ(file->GetTrackPointTotal(), int(points.size()));
}

INSTANTIATE_TEST_SUITE_P(Files, KMLFixture,
                         ::testing::Values(Fixture{"gpsbabel_points0.kml", 3, {}, {1, 3}},
                                           Fixture{"gpsbabel.kml", 3, {}, {1, 3}},
                                           Fixture{"ogr.kml", 3, {}, {1, 3}},
                                           Fixture{"ogr_libkml.kml", 2, {}, {1, 3}},
                                           Fixture{"hand.kml", 3, {1}, {1}}));

struct SourceCase {
    const char* file;
    const char16_t* firstTrack; // the name of the first track's placemark
    bool heights;               // whether the file holds the heights of the track points
};

TEST(KMLRead, TheGeneratedFilesHoldWhatTheirSourceSays)
{
    // Independent of gpsbabel's reading: values taken from kml_source.gpx.
    const SourceCase cases[] = {{"gpsbabel_points0.kml", u"Path", true},
                                {"ogr.kml", u"大霸群峰 & 加利山", false},
                                {"ogr_libkml.kml", u"大霸群峰 & 加利山", false}};
    for (const SourceCase& c : cases) {
        SCOPED_TRACE(c.file);
        auto file = CGPSFileManager().OpenFile(GpsFixture(c.file));
        ASSERT_TRUE(file);
        ASSERT_EQ(file->GetWayPointCount(), 5);
        auto records = file->NewWayPointArrayW();
        EXPECT_EQ(Wide(records[0].name, 64), u"大霸尖山");
        EXPECT_EQ(Wide(records[0].comment, 128), u"世紀奇峰 & 聖山");
        EXPECT_EQ(Wide(records[1].name, 64), u"九九山莊 & 營地");
        EXPECT_EQ(Wide(records[2].comment, 128), u"<百岳> 第一 \"3952\"");
        EXPECT_DOUBLE_EQ(records[2].altitude, 0);
        EXPECT_NEAR(GPSAngle::ToDegrees(records[4].longitude), -72.5, 1e-6);
        EXPECT_NEAR(GPSAngle::ToDegrees(records[4].latitude), -41.25, 1e-6);
        ASSERT_GE(file->GetTrackCount(), 2);
        GPSTrackRecordW tracks[3] = {};
        ASSERT_EQ(file->GetTracksW(tracks), 1);
        EXPECT_EQ(Wide(tracks[0].name, 32), QString::fromUtf16(c.firstTrack));
        GPSTrackPointList list;
        ASSERT_EQ(file->GetTrackPoints(&list, 0), 1);
        ASSERT_EQ(list.count, 5); // both segments
        ExpectAngle(list.points[3].latitude, 24.43);
        const double heights[] = {1750, 0, 2000.5, 3100, 3492};
        for (int i = 0; i < 5; ++i)
            EXPECT_DOUBLE_EQ(list.points[i].altitude, c.heights ? heights[i] : 0) << i;
    }
}

TEST(KMLRead, TheHandWrittenFile)
{
    auto file = CGPSFileManager().OpenFile(GpsFixture("hand.kml"));
    const auto* kml = dynamic_cast<const CKMLFile*>(file.get());
    ASSERT_TRUE(kml);
    const auto& waypoints = kml->WayPoints().items;
    ASSERT_EQ(waypoints.size(), 2u); // the commented-out placemark is none
    EXPECT_EQ(waypoints[0]->name, QString(u"大霸尖山 山 <北>"_qs).toUtf8());
    // The CDATA section's text, cut at 127 bytes: 10 ASCII bytes and 39 characters of three.
    const QString description = u"<b>世紀奇峰</b> & 聖山：大霸尖山海拔三千四百九十二公尺，山形如酒桶，泰雅族與賽夏族視為聖"_qs;
    EXPECT_EQ(waypoints[0]->description, description.toUtf8());
    EXPECT_DOUBLE_EQ(waypoints[0]->altitude, 3492.5);
    EXPECT_EQ(waypoints[1]->name, "");
    EXPECT_EQ(waypoints[1]->description, "");

    const auto& tracks = kml->Tracks().items;
    ASSERT_EQ(tracks.size(), 3u);
    EXPECT_EQ(tracks[0]->name, QString(u"霸南 & 加利"_qs).toUtf8());
    ASSERT_EQ(tracks[0]->points.size(), 5u); // both line strings, split by tabs and newlines
    EXPECT_DOUBLE_EQ(tracks[0]->points[3].altitude, 0);
    EXPECT_DOUBLE_EQ(tracks[0]->points[4].longitude, 121.256111);
    EXPECT_EQ(tracks[2]->name, "Noname");
    ASSERT_EQ(tracks[2]->points.size(), 2u); // the last pair needs nothing after it
    EXPECT_DOUBLE_EQ(tracks[2]->points[1].latitude, -1.75);
}

TEST(KMLRead, OpenedByExtensionAndByContent)
{
    TempDir dir;
    const QByteArray bytes = ReadBytes(GpsFixture("hand.kml"));
    CGPSFileManager manager;
    for (const char* name : {"a.kml", "b.KML", "c.txt", "d.gpx", "e.gdb", "noextension"}) {
        SCOPED_TRACE(name);
        auto file = manager.OpenFile(dir.write(name, bytes));
        ASSERT_TRUE(file);
        EXPECT_EQ(file->FormatCode(), CGPSFile::kKML);
        EXPECT_EQ(file->GetWayPointCount(), 2);
    }
    // Recognised but damaged: no other format is tried, and nothing is read.
    EXPECT_FALSE(manager.OpenFile(dir.write("f.kml", "<kml><Placemark><Point><coordinates>1,2</Point></Placemark>")));
    // Another encoding is not KML.
    EXPECT_FALSE(manager.OpenFile(dir.write("g.kml", "<?xml version=\"1.0\" encoding=\"Big5\"?><kml/>")));
    EXPECT_EQ(CKMLFile().GetExtension(), u"kml");
    EXPECT_EQ(CKMLFile().GetDescription(), u"Keyhole Markup 檔");
    EXPECT_EQ(CKMLFile().NewFile()->FormatCode(), CGPSFile::kKML);
}

TEST(KMLRead, CopiesIntoAGdbFileReadByGpsbabel)
{
    REQUIRE_GPSBABEL();
    const QString path = GpsFixture("hand.kml");
    GpxContent kml;
    ASSERT_TRUE(GpsbabelKmlReading(path, &kml));
    auto source = CGPSFileManager().OpenFile(path);
    ASSERT_TRUE(source);
    // The first placemark's track (gpsbabel's first two line strings) and every waypoint, as
    // locating copies them.
    CGDBFile gdb;
    ASSERT_EQ(gdb.AddTrackFrom(source.get(), 0, nullptr), 1);
    ASSERT_EQ(gdb.AddWayPointFrom(source.get(), 0, nullptr), 1);
    ASSERT_EQ(gdb.AddWayPointCopy(source.get(), 1, "九九", "", 0), 1);
    TempDir dir;
    const QString saved = dir.file("copy.gdb");
    ASSERT_EQ(gdb.SaveFile(saved), 1);

    QByteArray gpx;
    ASSERT_TRUE(RunGpsBabel({"-i", "gdb", "-f", saved, "-o", "gpx,gpxver=1.1", "-F", "-"}, &gpx));
    GpxContent back;
    ASSERT_TRUE(ParseGpxText(gpx, &back));
    ASSERT_EQ(back.tracks.size(), 1u);
    EXPECT_EQ(back.tracks[0].name, kml.tracks[0].name);
    std::vector<GpxPoint> want = kml.tracks[0].points;
    want.insert(want.end(), kml.tracks[1].points.begin(), kml.tracks[1].points.end());
    ASSERT_EQ(back.tracks[0].points.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(back.tracks[0].points[i].lat, want[i].lat, 1e-6);
        EXPECT_NEAR(back.tracks[0].points[i].lon, want[i].lon, 1e-6);
        EXPECT_DOUBLE_EQ(back.tracks[0].points[i].ele.value_or(0), want[i].ele.value_or(0));
    }
    ASSERT_EQ(back.waypoints.size(), 2u);
    EXPECT_EQ(back.waypoints[0].name, kml.waypoints[0].name);
    EXPECT_NEAR(back.waypoints[0].position.lat, kml.waypoints[0].position.lat, 1e-6);
    EXPECT_NEAR(back.waypoints[0].position.lon, kml.waypoints[0].position.lon, 1e-6);
    EXPECT_EQ(back.waypoints[1].name, u"九九");
    EXPECT_NEAR(back.waypoints[1].position.lat, kml.waypoints[1].position.lat, 1e-6);
    EXPECT_NEAR(back.waypoints[1].position.lon, kml.waypoints[1].position.lon, 1e-6);
}

} // namespace
