// Writing GDB files: the bytes of the header and of a copied waypoint, the add operations, and
// gpsbabel reading what was written.
#include "GpsTestSupport.h"
#include "TempDir.h"

#include "gps/gdb/GDBFile.h"
#include "gps/GPSAngle.h"
#include "gps/GPSFileManager.h"
#include "gps/GPSText.h"
#include "platform/CodePage.h"

#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <bit>
#include <vector>

namespace {

const QByteArray kHeader("MsRcf\0"                        // signature
                         "\x02\0\0\0D\x6d\0"              // 'D' version 109
                         "\x08\0\0\0A\x65\x02SQA\0\0\0"   // 'A' version 613, "SQA", two empty texts
                         "MapSource\0",
                         6 + 7 + 13 + 10);
const QByteArray kEnd("\x02\0\0\0V\0\x01", 7);

std::unique_ptr<CGPSFile> Reopen(const CGDBFile& gdb, TempDir& dir)
{
    const QString path = dir.file("saved.gdb");
    EXPECT_EQ(const_cast<CGDBFile&>(gdb).SaveFile(path), 1);
    return CGPSFileManager().OpenFile(path);
}

TEST(GDBWrite, HeaderAndEndRecordBytes)
{
    CGDBFile empty;
    EXPECT_EQ(empty.ToBytes(), kHeader + kEnd);

    QByteArray bytes;
    ByteWriter out(&bytes);
    CMPSChunkHeader41().Write(out, 0);
    EXPECT_EQ(bytes, QByteArray("\x08\0\0\0A\xf8\x01SQA\0\0\0", 13));
}

TEST(GDBWrite, WaypointWithoutOptionalFieldsHasThe78BytePayload)
{
    FakeGpsFile source;
    source.AddWayPoint("A", 121.5, 24.25, 0);
    CGDBFile gdb;
    ASSERT_EQ(gdb.AddWayPointFrom(&source, 0, nullptr), 1);

    QByteArray payload;
    ByteWriter out(&payload);
    out.WriteBytes(QByteArray("A\0\0\0\0\0\0", 7)); // name, int32, empty text
    out.WriteBytes(QByteArray("\0\0\0\0\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\xff\0\0\xff\xff\xff\xff", 22));
    out.WriteInt32(GPSAngle::FromDegrees(24.25));
    out.WriteInt32(1449551462); // 121.5 degrees
    out.WriteZeros(3);          // no height, empty description, no warning
    out.WriteInt32(1);          // display: symbol and name
    out.WriteInt32(0);          // colour
    out.WriteInt16(18);         // symbol: the plain waypoint, as a format without symbols has none
    out.WriteZeros(3 + 1 + 2 + 1 + 7 + 4 + 1 + 2 + 1 + 1 + 5);
    ASSERT_EQ(payload.size(), 78);

    QByteArray record;
    ByteWriter frame(&record);
    frame.WriteUInt32(78);
    frame.WriteByte('W');
    frame.WriteBytes(payload);
    EXPECT_EQ(gdb.ToBytes(), kHeader + record + kEnd);

    TempDir dir;
    auto back = Reopen(gdb, dir);
    ASSERT_TRUE(back);
    GPSWayPointRecordW wide{};
    ASSERT_EQ(back->GetWayPointsW(&wide), 1);
    EXPECT_EQ(gps::FieldText(wide.name, 64), u"A");
    EXPECT_DOUBLE_EQ(wide.altitude, 0);
    EXPECT_EQ(wide.longitude, 1449551462);
    EXPECT_NEAR(GPSAngle::ToDegrees(wide.longitude), 121.4999999948, 1e-9);
}

TEST(GDBWrite, AddWayPointFromRefusesADuplicateName)
{
    auto source = CGPSFileManager().OpenFile(GpsFixture("gpsbabel_v3.gdb"));
    ASSERT_TRUE(source);
    CGDBFile gdb;
    EXPECT_EQ(gdb.AddWayPointFrom(source.get(), 1, nullptr), 1);
    EXPECT_EQ(gdb.AddWayPointFrom(source.get(), 1, nullptr), 0);
    EXPECT_EQ(gdb.GetWayPointCount(), 1);
    // A prefix makes another name.
    EXPECT_EQ(gdb.AddWayPointFrom(source.get(), 1, "w3"), 1);
    EXPECT_EQ(gdb.WayPoints().items[1]->Name, QByteArray("w3-") + QString(u"玉山"_qs).toUtf8());
    // Out of range and null sources.
    EXPECT_EQ(gdb.AddWayPointFrom(source.get(), 5, nullptr), 0);
    EXPECT_EQ(gdb.AddWayPointFrom(source.get(), -1, nullptr), 0);
    EXPECT_EQ(gdb.AddWayPointFrom(nullptr, 0, nullptr), 0);
    EXPECT_EQ(gdb.GetWayPointCount(), 2);
}

TEST(GDBWrite, AddWayPointCopyMakesNamesUnique)
{
    FakeGpsFile source;
    source.AddWayPoint("X", 121, 24, 100);
    // "P2" before "P" must not give a second "P2".
    const std::vector<std::vector<QByteArray>> cases = {{"P", "P2", "P", "P3"}, {"P2", "P", "P", "P3"}};
    for (const auto& names : cases) {
        CGDBFile gdb;
        for (size_t i = 0; i + 1 < names.size(); ++i)
            ASSERT_EQ(gdb.AddWayPointCopy(&source, 0, names[i], "c", 3000), 1);
        EXPECT_EQ(gdb.WayPoints().items.back()->Name, names.back());
        EXPECT_EQ(gdb.WayPoints().items[0]->Description, "c");
        EXPECT_DOUBLE_EQ(gdb.WayPoints().items[0]->Height, 3000);
    }
    CGDBFile noHeight;
    ASSERT_EQ(noHeight.AddWayPointCopy(&source, 0, "P", "", 0), 1);
    EXPECT_EQ(noHeight.WayPoints().items[0]->HeightDefined, 0);
}

TEST(GDBWrite, AddWayPointCopyFromGdbKeepsTheHeightFlagOfItsSource)
{
    auto source = CGPSFileManager().OpenFile(GpsFixture("gpsbabel_v3.gdb"));
    ASSERT_TRUE(source);
    CGDBFile gdb;
    ASSERT_EQ(gdb.AddWayPointCopy(source.get(), 0, QString(u"雪山"_qs).toUtf8(), "主峰", 3886), 1);
    ASSERT_EQ(gdb.AddWayPointCopy(source.get(), 3, "West", "", 55), 1); // no height in the source
    TempDir dir;
    auto back = Reopen(gdb, dir);
    ASSERT_TRUE(back);
    auto records = back->NewWayPointArrayW();
    ASSERT_TRUE(records);
    EXPECT_EQ(gps::FieldText(records[0].name, 64), u"雪山");
    EXPECT_EQ(gps::FieldText(records[0].comment, 128), u"主峰");
    EXPECT_DOUBLE_EQ(records[0].altitude, 3886);
    EXPECT_DOUBLE_EQ(records[1].altitude, 0);
}

TEST(GDBWrite, TextsOfABig5SourceAreWrittenAsUtf8AndCutToWhatARecordHolds)
{
    TempDir dir;
    const QString name = u"雪山北峰"_qs, description = u"志佳陽線"_qs;
    const QString forty(40, QChar(u'峰')), seventy(70, QChar(u'嶺'));
    GdbBuilder old(108);
    old.WayPoint(platform::ToAnsi(name), platform::ToAnsi(description));
    old.WayPoint(platform::ToAnsi(forty), "").WayPoint(platform::ToAnsi(seventy), "");
    auto source = CGPSFileManager().OpenFile(dir.write("old.gdb", old.bytes));
    ASSERT_TRUE(source);
    CGDBFile gdb;
    ASSERT_EQ(gdb.AddWayPointFrom(source.get(), 0, "w1"), 1);
    ASSERT_EQ(gdb.AddWayPointFrom(source.get(), 1, nullptr), 1);
    ASSERT_EQ(gdb.AddWayPointFrom(source.get(), 2, nullptr), 1);
    const auto& items = gdb.WayPoints().items;
    EXPECT_EQ(items[0]->Name, ("w1-" + name).toUtf8());
    EXPECT_EQ(items[0]->Description, description.toUtf8());
    EXPECT_EQ(items[1]->Name, forty.toUtf8()); // 120 bytes of UTF-8, whole
    EXPECT_EQ(items[2]->Name, seventy.left(63).toUtf8());
}

TEST(GDBWrite, TracksFromGdbAndOtherFormats)
{
    auto gdbSource = CGPSFileManager().OpenFile(GpsFixture("gpsbabel_v3.gdb"));
    ASSERT_TRUE(gdbSource);
    FakeGpsFile other;
    // A name outside CP950 must survive: it goes through the wide track record.
    other.tracks.push_back({u"𠀋山徑"_qs, {{GPSAngle::FromDegrees(121), GPSAngle::FromDegrees(24), 10, 1000},
                                         {GPSAngle::FromDegrees(121.1), GPSAngle::FromDegrees(24.1), 0, 0}}});
    CGDBFile gdb;
    ASSERT_EQ(gdb.AddTrackFrom(gdbSource.get(), 0, nullptr), 1);
    EXPECT_EQ(gdb.AddTrackFrom(gdbSource.get(), 0, nullptr), 0);
    ASSERT_EQ(gdb.AddTrackFrom(gdbSource.get(), 0, "w2"), 1);
    ASSERT_EQ(gdb.AddTrackFrom(&other, 0, nullptr), 1);
    EXPECT_EQ(gdb.AddTrackFrom(&other, 1, nullptr), 0);

    TempDir dir;
    auto back = Reopen(gdb, dir);
    ASSERT_TRUE(back);
    ASSERT_EQ(back->GetTrackCount(), 3);
    GPSTrackRecordW tracks[3] = {};
    ASSERT_EQ(back->GetTracksW(tracks), 1);
    EXPECT_EQ(gps::FieldText(tracks[0].name, 32), u"七星山步道");
    EXPECT_EQ(gps::FieldText(tracks[1].name, 32), u"w2-七星山步道");
    EXPECT_EQ(gps::FieldText(tracks[2].name, 32), u"𠀋山徑");
    GPSTrackPointList list;
    ASSERT_EQ(back->GetTrackPoints(&list, 2), 1);
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list.points[0].time, 1000);
    EXPECT_DOUBLE_EQ(list.points[0].altitude, 10);
    EXPECT_EQ(list.points[1].latitude, 287524199); // 24.1 degrees
    ASSERT_EQ(back->GetTrackPoints(&list, 0), 1);
    EXPECT_EQ(list.points[2].time, 1680311700);
}

// Little-endian fields appended one by one, as the record tables lay them out; written here
// byte by byte so that neither the program's writer nor its reader decides the expected bytes.
struct LittleEndian {
    QByteArray bytes;

    LittleEndian& Int(int64_t value, int width)
    {
        for (int i = 0; i < width; ++i)
            bytes += char(uint64_t(value) >> (8 * i) & 0xFF);
        return *this;
    }
    LittleEndian& Double(double value) { return Int(int64_t(std::bit_cast<uint64_t>(value)), 8); }
    LittleEndian& Optional(uint8_t defined, double value) { return defined ? Int(1, 1).Double(value) : Int(0, 1); }
    LittleEndian& Text(const QByteArray& text)
    {
        bytes += text;
        bytes += '\0';
        return *this;
    }
    LittleEndian& Record(char type, const QByteArray& payload)
    {
        Int(payload.size(), 4);
        bytes += type;
        bytes += payload;
        return *this;
    }
};

// The interpreted fields of a 'W' record.
struct GdbWayPointFields {
    QByteArray name, description, url;
    int32_t latitude, longitude;
    uint8_t heightDefined;
    double height;
    uint8_t warningDefined;
    double warning;
    int32_t display, color;
    int16_t icon;
    uint8_t depthDefined;
    double depth;
    int16_t category;
    uint8_t temperatureDefined;
    double temperature;
    uint8_t timeDefined;
    int32_t time;
};

// A version-109 'W' payload. The uninterpreted blocks hold what this program writes, or with
// foreign set other bytes, as another program may leave there.
QByteArray WayPointPayload(const GdbWayPointFields& w, bool foreign)
{
    const auto pick = [foreign](int64_t other) { return foreign ? other : 0; };
    LittleEndian out;
    out.Text(w.name).Int(pick(0x71727374), 4).Text(foreign ? "class" : "");
    out.bytes += foreign ? QByteArray(22, '\x5A') : QByteArray::fromHex("00000000ffffffffffffffffffffffff0000ffffffff");
    out.Int(w.latitude, 4).Int(w.longitude, 4).Optional(w.heightDefined, w.height).Text(w.description);
    out.Optional(w.warningDefined, w.warning).Int(w.display, 4).Int(w.color, 4).Int(w.icon, 2);
    out.Int(pick(0x0102), 2).Int(pick(3), 1).Text(foreign ? "city" : "").Int(pick(0x0405), 2);
    out.Optional(w.depthDefined, w.depth).Int(pick(0x06070809), 4).Int(pick(0x0A0B), 2).Int(pick(0x0C), 1);
    out.Int(w.url.isEmpty() ? 0 : 1, 4).Text(w.url).Int(w.category, 2).Optional(w.temperatureDefined, w.temperature);
    out.Int(w.timeDefined, 1);
    if (w.timeDefined)
        out.Int(w.time, 4);
    out.bytes += QByteArray(5, '\0');
    return out.bytes;
}

struct GdbPointFields {
    int32_t latitude, longitude;
    uint8_t heightDefined;
    double height;
    uint8_t timeDefined;
    int32_t time;
    uint8_t unknown;
    uint8_t temperatureDefined;
    double temperature;
};

// A version-109 'T' payload.
QByteArray TrackPayload(const QByteArray& name, uint8_t showOnGps, int32_t color,
                        const std::vector<GdbPointFields>& points, const QByteArray& url)
{
    LittleEndian out;
    out.Text(name).Int(showOnGps, 1).Int(color, 4).Int(qsizetype(points.size()), 4);
    for (const GdbPointFields& p : points) {
        out.Int(p.latitude, 4).Int(p.longitude, 4).Optional(p.heightDefined, p.height).Int(p.timeDefined, 1);
        if (p.timeDefined)
            out.Int(p.time, 4);
        out.Int(p.unknown, 1).Optional(p.temperatureDefined, p.temperature);
    }
    out.Int(url.isEmpty() ? 0 : 1, 4);
    if (!url.isEmpty())
        out.Text(url);
    return out.bytes;
}

TEST(GDBWrite, CopiesOfGdbRecordsKeepEveryFieldInItsPlace)
{
    // Every field a value of its own, so that two fields written in each other's place show;
    // the two waypoints set the defined bytes the other way round.
    const GdbWayPointFields first{"First", "Desc one", "http://one", 0x01020304, -0x05060708, 1, 3886.25, 0, 0,
                                  2, 0x00336699, 178, 1, -45.5, 7, 1, 18.75, 1, 1680307200};
    const GdbWayPointFields second{"Second", "", "", -0x0A0B0C0D, 0x0E0F1011, 0, 0, 1, 0.125,
                                   0, 0x00FF8800, 8196, 0, 0, 9, 0, 0, 0, 0};
    const std::vector<GdbPointFields> points{{0x11121314, -0x15161718, 1, 1234.5, 1, 1680307260, 0x77, 1, 21.5},
                                             {0x21222324, -0x25262728, 0, 0, 1, 1680307320, 0x66, 1, -3.25},
                                             {0x31323334, -0x35363738, 1, 2345.75, 0, 0, 0x55, 0, 0}};
    LittleEndian source;
    source.bytes = kHeader;
    source.Record('W', WayPointPayload(first, true)).Record('W', WayPointPayload(second, true));
    source.Record('T', TrackPayload("Trail", 1, 0x00C0FFEE, points, "http://trail"));
    TempDir dir;
    auto loaded = CGPSFileManager().OpenFile(dir.write("source.gdb", source.bytes));
    ASSERT_TRUE(loaded);
    CGDBFile gdb;
    ASSERT_EQ(gdb.AddWayPointFrom(loaded.get(), 0, nullptr), 1);
    ASSERT_EQ(gdb.AddWayPointFrom(loaded.get(), 1, nullptr), 1);
    ASSERT_EQ(gdb.AddWayPointCopy(loaded.get(), 0, "Copy", "Comment", 3952.5), 1);
    ASSERT_EQ(gdb.AddTrackFrom(loaded.get(), 0, nullptr), 1);

    // Copies keep the position, height, description, warning, display, colour, symbol and
    // depth; URL, category, temperature and time take what this program writes.
    const auto copied = [](GdbWayPointFields w) {
        w.url.clear();
        w.category = 0;
        w.temperatureDefined = w.timeDefined = 0;
        w.temperature = w.time = 0;
        return w;
    };
    GdbWayPointFields renamed = copied(first);
    renamed.name = "Copy";
    renamed.description = "Comment";
    renamed.height = 3952.5;
    std::vector<GdbPointFields> copiedPoints = points;
    for (GdbPointFields& p : copiedPoints)
        p.unknown = 0;
    LittleEndian expected;
    expected.bytes = kHeader;
    expected.Record('W', WayPointPayload(copied(first), false)).Record('W', WayPointPayload(copied(second), false));
    expected.Record('W', WayPointPayload(renamed, false));
    expected.Record('T', TrackPayload("Trail", 1, 0x00C0FFEE, copiedPoints, {}));
    EXPECT_EQ(gdb.ToBytes().toHex(' '), (expected.bytes + kEnd).toHex(' '));
}

TEST(GDBWrite, AFailedWriteReturnsZero)
{
    TempDir dir;
    CGDBFile gdb;
    EXPECT_EQ(gdb.SaveFile(dir.file("no/such/folder/x.gdb")), 0);
    EXPECT_EQ(gdb.SaveFile(dir.path()), 0); // a folder
}

// Waypoints and track points of a GPX text, by name.
struct GpxContent {
    struct Point {
        double lat = 0, lon = 0, ele = 0;
        QString name, desc, time;
    };
    std::vector<Point> waypoints, trackPoints;
    QStringList trackNames;
};

GpxContent ParseGpx(const QByteArray& gpx)
{
    GpxContent content;
    QXmlStreamReader xml(gpx);
    GpxContent::Point* point = nullptr; // the wpt or trkpt being read
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
        const QStringView element = xml.name();
        if (xml.isEndElement() && (element == u"wpt" || element == u"trkpt"))
            point = nullptr;
        if (!xml.isStartElement())
            continue;
        if (element == u"wpt" || element == u"trkpt") {
            auto& list = element == u"wpt" ? content.waypoints : content.trackPoints;
            point = &list.emplace_back();
            point->lat = xml.attributes().value("lat").toDouble();
            point->lon = xml.attributes().value("lon").toDouble();
        } else if (element == u"name" && !point) {
            content.trackNames << xml.readElementText();
        } else if (point && (element == u"name" || element == u"desc" || element == u"ele" || element == u"time")) {
            const QString tag = element.toString(), text = xml.readElementText();
            if (tag == u"name")
                point->name = text;
            else if (tag == u"desc")
                point->desc = text;
            else if (tag == u"time")
                point->time = text;
            else
                point->ele = text.toDouble();
        }
    }
    return content;
}

TEST(GDBWrite, GpsbabelReadsWhatWasSaved)
{
    REQUIRE_GPSBABEL();
    FakeGpsFile source;
    source.AddWayPoint(u"雪山主峰"_qs, 121.233333, 24.383333, 3886, u"百岳"_qs);
    source.AddWayPoint(u"雪山北峰"_qs, 121.2, 24.43, 3703);
    source.AddWayPoint(u"West"_qs, -10.5, 22.75, 0);
    source.tracks.push_back({u"𠀋山徑"_qs, {{GPSAngle::FromDegrees(121.54), GPSAngle::FromDegrees(25.16), 800, 1680307200},
                                         {GPSAngle::FromDegrees(121.55), GPSAngle::FromDegrees(25.17), 1120, 1680311700}}});
    CGDBFile gdb;
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(gdb.AddWayPointFrom(&source, i, nullptr), 1);
    ASSERT_EQ(gdb.AddTrackFrom(&source, 0, nullptr), 1);
    TempDir dir;
    const QString path = dir.file("out.gdb");
    ASSERT_EQ(gdb.SaveFile(path), 1);

    QByteArray gpx;
    ASSERT_TRUE(RunGpsBabel({"-i", "gdb", "-f", path, "-o", "gpx", "-F", "-"}, &gpx)) << gpx.constData();
    const GpxContent content = ParseGpx(gpx);
    ASSERT_EQ(content.waypoints.size(), 3u);
    EXPECT_EQ(content.waypoints[0].name, u"雪山主峰"_qs);
    EXPECT_EQ(content.waypoints[0].desc, u"百岳"_qs);
    EXPECT_NEAR(content.waypoints[0].lat, 24.383333, 1e-6);
    EXPECT_NEAR(content.waypoints[0].lon, 121.233333, 1e-6);
    EXPECT_DOUBLE_EQ(content.waypoints[0].ele, 3886);
    EXPECT_EQ(content.waypoints[1].name, u"雪山北峰"_qs);
    EXPECT_DOUBLE_EQ(content.waypoints[1].ele, 3703);
    EXPECT_NEAR(content.waypoints[2].lon, -10.5, 1e-6);
    ASSERT_EQ(content.trackNames, QStringList{u"𠀋山徑"_qs});
    ASSERT_EQ(content.trackPoints.size(), 2u);
    EXPECT_NEAR(content.trackPoints[1].lat, 25.17, 1e-6);
    EXPECT_DOUBLE_EQ(content.trackPoints[1].ele, 1120);
    EXPECT_EQ(content.trackPoints[0].time, u"2023-04-01T00:00:00Z"_qs);
}

// What gpsbabel reads from a GDB file as CSV lines; from its own fixtures without their
// routes, which this program does not write.
QStringList Unicsv(const QString& path, bool withoutRoutes)
{
    QStringList args{"-i", "gdb", "-f", path};
    if (withoutRoutes)
        args << "-x" << "nuketypes,routes";
    QByteArray csv;
    EXPECT_TRUE(RunGpsBabel(args << "-o" << "unicsv" << "-F" << "-", &csv));
    return QString::fromUtf8(csv).remove(u'\r').split(u'\n');
}

// Only the named columns of CSV lines (the fixtures' texts hold no ASCII comma).
QStringList Columns(const QStringList& lines, const QStringList& wanted)
{
    const QStringList header = lines.value(0).split(u',');
    QStringList out;
    for (const QString& line : lines) {
        const QStringList cells = line.split(u',');
        QStringList kept;
        for (const QString& name : wanted)
            kept << cells.value(header.indexOf(name));
        out << kept.join(u',');
    }
    return out;
}

TEST(GDBWrite, GpsbabelReadsCopiesAndResavedFilesAsItsOwn)
{
    REQUIRE_GPSBABEL();
    TempDir dir;
    // Every waypoint and the track copied out of the version-109 file.
    auto source = CGPSFileManager().OpenFile(GpsFixture("gpsbabel_v3.gdb"));
    ASSERT_TRUE(source);
    CGDBFile gdb;
    for (int i = 0; i < source->GetWayPointCount(); ++i)
        ASSERT_EQ(gdb.AddWayPointFrom(source.get(), i, nullptr), 1);
    ASSERT_EQ(gdb.AddTrackFrom(source.get(), 0, nullptr), 1);
    ASSERT_EQ(gdb.SaveFile(dir.file("copy.gdb")), 1);
    // Copies leave waypoint times and URLs behind.
    const QStringList copied{"Latitude", "Longitude", "Name", "Altitude", "Description", "Symbol"};
    EXPECT_EQ(Columns(Unicsv(dir.file("copy.gdb"), false), copied),
              Columns(Unicsv(GpsFixture("gpsbabel_v3.gdb"), true), copied));
    // Older 8-bit files saved whole are rewritten in the version this program writes.
    for (const char* name : {"gpsbabel_v1.gdb", "gpsbabel_v2.gdb"}) {
        SCOPED_TRACE(name);
        auto loaded = CGPSFileManager().OpenFile(GpsFixture(name));
        ASSERT_TRUE(loaded);
        ASSERT_EQ(loaded->SaveFile(dir.file(name)), 1);
        EXPECT_EQ(Unicsv(dir.file(name), false), Unicsv(GpsFixture(name), true));
        // The URLs of the waypoint and the track come back here too.
        auto back = CGPSFileManager().OpenFile(dir.file(name));
        const auto* gdb = dynamic_cast<const CGDBFile*>(back.get());
        ASSERT_TRUE(gdb);
        EXPECT_EQ(gdb->WayPoints().items[0]->URL, "https://example.org/snow");
        EXPECT_EQ(gdb->WayPoints().items[0]->TimeDefined, 0);
        EXPECT_EQ(gdb->Tracks().items[0]->URL, "https://example.org/trail");
    }
}

} // namespace
