// Converting GDB files into GPX and writing GPX: the layout of the written elements, files that
// xmllint finds well-formed and gpsbabel reads back, and loaded files saved whole.
#include "GpsTestSupport.h"
#include "GpxTestSupport.h"
#include "TempDir.h"

#include "gps/GPSAngle.h"
#include "gps/GPSFileManager.h"
#include "gps/GPSText.h"
#include "gps/gdb/GDBFile.h"
#include "gps/gpx/GPXFile.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kGarmin = "http://www.garmin.com/xmlschemas/GpxExtensions/v3";

TEST(GPXWrite, WaypointAndTrackElementsAsWritten)
{
    CGDBChunkWayPoint waypoint;
    waypoint.Name = "A&B";
    waypoint.Description = "<x>";
    waypoint.Latitude = GPSAngle::FromDegrees(24.5);
    waypoint.Longitude = GPSAngle::FromDegrees(-10.5);
    waypoint.HeightDefined = 1;
    waypoint.Height = 3886;
    waypoint.Display = 1;
    waypoint.Icon = 106;
    EXPECT_EQ(CGPXTagWayPoint::FromGDB(waypoint).XmlText(),
              "  <wpt lat=\"24.500000\" lon=\"-10.500000\">\r\n"
              "    <ele>3886.000000</ele>\r\n"
              "    <name>A&amp;B</name>\r\n"
              "    <desc>&lt;x&gt;</desc>\r\n"
              "    <sym>Summit</sym>\r\n"
              "    <extensions>\r\n"
              "      <gpxx:WaypointExtension xmlns:gpxx=\"" + kGarmin + "\">\r\n"
              "        <gpxx:DisplayMode>SymbolAndName</gpxx:DisplayMode>\r\n"
              "      </gpxx:WaypointExtension>\r\n"
              "    </extensions>\r\n"
              "  </wpt>\r\n"
              "\r\n");

    CGDBChunkTrack track;
    track.Name = QString(u"步道"_qs).toUtf8();
    track.Color = 2;
    GDBTrackPoint point;
    point.Latitude = GPSAngle::FromDegrees(25.16);
    point.Longitude = GPSAngle::FromDegrees(121.54);
    point.HeightDefined = 1;
    point.Height = 800;
    point.TimeDefined = 1;
    point.Time = 1680307200;
    track.points.push_back(point);
    track.points.push_back({GPSAngle::FromDegrees(-1.5), GPSAngle::FromDegrees(-2.25)}); // no height, no time
    EXPECT_EQ(CGPXTagTrack::FromGDB(track).XmlText(),
              "  <trk>\r\n"
              "    <name>" + QString(u"步道"_qs).toUtf8() + "</name>\r\n"
              "    <extensions>\r\n"
              "      <gpxx:TrackExtension xmlns:gpxx=\"" + kGarmin + "\">\r\n"
              "        <gpxx:DisplayColor>DarkRed</gpxx:DisplayColor>\r\n"
              "      </gpxx:TrackExtension>\r\n"
              "    </extensions>\r\n"
              "  <trkseg>\r\n"
              "      <trkpt lat=\"25.160000\" lon=\"121.540000\">\r\n"
              "        <ele>800.000000</ele>\r\n"
              "        <time>2023-04-01T00:00:00Z</time>\r\n"
              "      </trkpt>\r\n"
              "      <trkpt lat=\"-1.500000\" lon=\"-2.250000\">\r\n"
              "      </trkpt>\r\n"
              "  </trkseg>\r\n"
              "  </trk>\r\n"
              "\r\n");
}

TEST(GPXWrite, PrologueAndEnd)
{
    CGPXFile empty;
    EXPECT_EQ(empty.ToBytes(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\r\n"
              "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" creator=\"Parvex\" version=\"1.1\" "
              "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xsi:schemaLocation=\"" + kGarmin
                  + " http://www.garmin.com/xmlschemas/GpxExtensionsv3.xsd http://www.topografix.com/GPX/1/1 "
                    "http://www.topografix.com/GPX/1/1/gpx.xsd\">\r\n"
                    "\r\n"
                    "</gpx>\r\n");
    TempDir dir;
    EXPECT_EQ(empty.SaveFile(dir.file("no/such/folder/x.gpx")), 0);
    EXPECT_EQ(empty.SaveFile(dir.path()), 0);
    ASSERT_EQ(empty.SaveFile(dir.file("empty.gpx")), 1);
    EXPECT_EQ(ReadBytes(dir.file("empty.gpx")), empty.ToBytes());
}

TEST(GPXWrite, ConvertsOnlyFromGdb)
{
    FakeGpsFile other;
    other.AddWayPoint("X", 121, 24, 0);
    CGPXFile gpx;
    EXPECT_FALSE(gpx.CanConvertFrom(&other));
    EXPECT_FALSE(gpx.CanConvertFrom(nullptr));
    EXPECT_EQ(gpx.ConvertFrom(&other), 0);
    EXPECT_EQ(gpx.ConvertFrom(nullptr), 0);
    auto source = CGPSFileManager().OpenFile(GpsFixture("gpsbabel_v3.gdb"));
    ASSERT_TRUE(source);
    EXPECT_TRUE(gpx.CanConvertFrom(source.get()));
    ASSERT_EQ(gpx.ConvertFrom(source.get()), 1);
    ASSERT_EQ(gpx.ConvertFrom(source.get()), 1); // replaces, does not append
    EXPECT_EQ(gpx.GetWayPointCount(), 5);
    EXPECT_EQ(gpx.GetTrackCount(), 1);
}

// A version-108 GDB file whose Big5 texts hold characters XML must escape.
QByteArray Big5Gdb()
{
    GdbBuilder gdb(108);
    gdb.WayPoint(Big5(u"雪山北峰 & <東峰>"_qs), Big5(u"許功蓋"_qs)).WayPoint("B", Big5(u"\"玉山\""_qs));
    gdb.Track(Big5(u"步道 & 山徑"_qs), 2, 2);
    return gdb.bytes;
}

// Saves source converted into GPX; xmllint must find it well-formed.
QString SaveConverted(const CGPSFile& source, const TempDir& dir)
{
    CGPXFile gpx;
    EXPECT_EQ(gpx.ConvertFrom(&source), 1);
    const QString path = dir.file("converted.gpx");
    EXPECT_EQ(gpx.SaveFile(path), 1);
    if (!XmlLint().isEmpty()) {
        QByteArray errors;
        EXPECT_TRUE(WellFormed(path, &errors)) << errors.constData();
    }
    return path;
}

// The waypoints and tracks of read (by gpsbabel or by this program) against the GDB source.
void ExpectSameContent(const GpxContent& read, const CGPSFile& source)
{
    auto waypoints = source.NewWayPointArrayW();
    ASSERT_EQ(int(read.waypoints.size()), source.GetWayPointCount());
    for (size_t i = 0; i < read.waypoints.size(); ++i) {
        SCOPED_TRACE(i);
        const GpxWaypoint& got = read.waypoints[i];
        EXPECT_EQ(got.name, gps::FieldText(waypoints[i].name, 64).toString());
        EXPECT_EQ(got.desc, gps::FieldText(waypoints[i].comment, 128).toString());
        EXPECT_NEAR(got.position.lat, GPSAngle::ToDegrees(waypoints[i].latitude), 1e-6);
        EXPECT_NEAR(got.position.lon, GPSAngle::ToDegrees(waypoints[i].longitude), 1e-6);
        EXPECT_DOUBLE_EQ(got.position.ele.value_or(0), waypoints[i].altitude);
    }
    ASSERT_EQ(int(read.tracks.size()), source.GetTrackCount());
    std::vector<GPSTrackRecordW> names(read.tracks.size());
    ASSERT_EQ(source.GetTracksW(names.data()), 1);
    for (size_t t = 0; t < read.tracks.size(); ++t) {
        EXPECT_EQ(read.tracks[t].name, gps::FieldText(names[t].name, 32).toString());
        GPSTrackPointList list;
        ASSERT_EQ(source.GetTrackPoints(&list, int(t)), 1);
        ASSERT_EQ(int(read.tracks[t].points.size()), list.count);
        for (int p = 0; p < list.count; ++p) {
            const GpxPoint& got = read.tracks[t].points[size_t(p)];
            EXPECT_NEAR(got.lat, GPSAngle::ToDegrees(list.points[p].latitude), 1e-6);
            EXPECT_NEAR(got.lon, GPSAngle::ToDegrees(list.points[p].longitude), 1e-6);
            EXPECT_DOUBLE_EQ(got.ele.value_or(0), list.points[p].altitude);
            EXPECT_EQ(SecondsOf(got.time), list.points[p].time);
        }
    }
}

TEST(GPXWrite, ConvertedGdbFilesAreReadBackWithTheirNamesPositionsAndTimes)
{
    TempDir dir;
    const QString big5 = dir.write("big5.gdb", Big5Gdb());
    for (const QString& path : {GpsFixture("gpsbabel_v3.gdb"), big5}) {
        SCOPED_TRACE(path.toStdString());
        auto source = CGPSFileManager().OpenFile(path);
        ASSERT_TRUE(source);
        const QString saved = SaveConverted(*source, dir);
        GpxContent content;
        ASSERT_TRUE(ParseGpxText(ReadBytes(saved), &content));
        ExpectSameContent(content, *source);
        if (!GpsBabel().isEmpty()) {
            ASSERT_TRUE(GpsbabelReading(saved, &content));
            ExpectSameContent(content, *source);
        }
        // This program reads it back too.
        auto back = CGPSFileManager().OpenFile(saved);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->FormatCode(), CGPSFile::kGPX);
        EXPECT_EQ(back->GetWayPointCount(), source->GetWayPointCount());
        EXPECT_EQ(back->GetTrackPointTotal(), source->GetTrackPointTotal());
    }
}

void ExpectSameFields(const CGPXFile& a, const CGPXFile& b)
{
    ASSERT_EQ(a.GetWayPointCount(), b.GetWayPointCount());
    for (int i = 0; i < a.GetWayPointCount(); ++i) {
        SCOPED_TRACE(i);
        const CGPXTagWayPoint& x = *a.WayPoints().items[size_t(i)];
        const CGPXTagWayPoint& y = *b.WayPoints().items[size_t(i)];
        EXPECT_EQ(x.name, y.name);
        EXPECT_EQ(x.cmt, y.cmt);
        EXPECT_EQ(x.desc, y.desc);
        EXPECT_EQ(x.sym, y.sym);
        EXPECT_EQ(x.DisplayMode, y.DisplayMode);
        EXPECT_NEAR(x.latitude, y.latitude, 5e-7);
        EXPECT_NEAR(x.longitude, y.longitude, 5e-7);
        EXPECT_EQ(x.elevationDefined, y.elevationDefined);
        EXPECT_NEAR(x.elevation, y.elevation, 5e-7);
    }
    ASSERT_EQ(a.GetTrackCount(), b.GetTrackCount());
    for (int t = 0; t < a.GetTrackCount(); ++t) {
        SCOPED_TRACE(t);
        const CGPXTagTrack& x = *a.Tracks().items[size_t(t)];
        const CGPXTagTrack& y = *b.Tracks().items[size_t(t)];
        EXPECT_EQ(x.name, y.name);
        EXPECT_EQ(x.DisplayColor, y.DisplayColor);
        ASSERT_EQ(x.points.size(), y.points.size());
        for (size_t p = 0; p < x.points.size(); ++p) {
            EXPECT_NEAR(x.points[p].latitude, y.points[p].latitude, 5e-7);
            EXPECT_NEAR(x.points[p].longitude, y.points[p].longitude, 5e-7);
            EXPECT_EQ(x.points[p].elevationDefined, y.points[p].elevationDefined);
            EXPECT_NEAR(x.points[p].elevation, y.points[p].elevation, 5e-7);
            EXPECT_EQ(x.points[p].time, y.points[p].time);
        }
    }
}

TEST(GPXWrite, LoadedFilesAreSavedWhole)
{
    TempDir dir;
    for (const char* name : {"gpsbabel_11.gpx", "hand.gpx"}) {
        SCOPED_TRACE(name);
        auto loaded = CGPSFileManager().OpenFile(GpsFixture(name));
        ASSERT_TRUE(loaded);
        const QString path = dir.file(name);
        ASSERT_EQ(loaded->SaveFile(path), 1);
        if (!XmlLint().isEmpty()) {
            QByteArray errors;
            EXPECT_TRUE(WellFormed(path, &errors)) << errors.constData();
        }
        auto back = CGPSFileManager().OpenFile(path);
        ASSERT_TRUE(back);
        ExpectSameFields(dynamic_cast<const CGPXFile&>(*loaded), dynamic_cast<const CGPXFile&>(*back));
    }
}

TEST(GPXWrite, TextsThatXmlCannotHoldAreMadeSafe)
{
    // A version-109 record holding Big5 bytes (not UTF-8) and control characters.
    GdbBuilder gdb(109);
    gdb.WayPoint(Big5(u"許"_qs) + "\x01\x0b" + "a\rb", "\xEF\xBF\xBE");
    TempDir dir;
    auto source = CGPSFileManager().OpenFile(dir.write("odd.gdb", gdb.bytes));
    ASSERT_TRUE(source);
    const QString saved = SaveConverted(*source, dir);
    auto back = CGPSFileManager().OpenFile(saved);
    ASSERT_TRUE(back);
    GPSWayPointRecordW record{};
    ASSERT_EQ(back->GetWayPointW(0, &record), 1);
    EXPECT_EQ(gps::FieldText(record.name, 64), u"\uFFFD\\a\rb"); // 0xB3 is no UTF-8; 0x5C is '\'
    EXPECT_EQ(gps::FieldText(record.comment, 128), u"");
}

} // namespace
