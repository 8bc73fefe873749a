// Reading MPS files built byte by byte: every field of a waypoint and a track, Big5 texts,
// the exact track length, signatures and headers, record order, and opening through the
// format manager.
#include "GpsTestSupport.h"
#include "MpsBuilder.h"
#include "TempDir.h"

#include "gps/GPSAngle.h"
#include "gps/GPSFileManager.h"
#include "gps/GPSText.h"
#include "gps/mps/MPSFile.h"

#include <gtest/gtest.h>

namespace {

struct Opened {
    std::unique_ptr<CGPSFile> file;
    int recognised = 0;
    const CMPSFile* mps() const { return dynamic_cast<const CMPSFile*>(file.get()); }
};

Opened Load(const QByteArray& bytes)
{
    TempDir dir;
    Opened result;
    result.file = CMPSFile().LoadFile(dir.write("f.mps", bytes), &result.recognised);
    return result;
}

QByteArray Bytes(const char* text, int n) { return QByteArray(text, n); }

// A waypoint whose every field holds a value of its own.
MpsWayPointFields Snow()
{
    MpsWayPointFields w;
    w.name = Big5(u"雪山主峰"_qs);
    w.heldInt = 0x01020304;
    w.heldText = "held";
    w.block22 = QByteArray("abcdefghijklmnopqrstuv", 22);
    w.latitude = GPSAngle::FromDegrees(24.383333);
    w.longitude = GPSAngle::FromDegrees(121.233333);
    w.heightDefined = 1;
    w.height = 3886.25;
    w.description = Big5(u"百岳之一，三角點"_qs);
    w.warningDefined = 1;
    w.warning = 15.5;
    w.display = 2;
    w.color = 5;
    w.icon = 178;
    w.afterIcon = Bytes("\x07\x08\x09", 3);
    w.secondText = "city";
    w.afterText = Bytes("\x0a\x0b", 2);
    w.depthDefined = 1;
    w.depth = -12.25;
    w.afterDepth = Bytes("1234567", 7);
    return w;
}

// South and west, with a height that only its stored bytes hold (as an eTrex conversion
// leaves 1.0e25 there).
MpsWayPointFields Undefined()
{
    MpsWayPointFields w;
    w.name = "Sydney";
    w.latitude = GPSAngle::FromDegrees(-33.9);
    w.longitude = GPSAngle::FromDegrees(-10.5);
    w.height = 1.0e25;
    w.warning = 7;
    w.depth = 1.0e25;
    return w;
}

TEST(MPSRead, EveryFieldOfAWayPoint)
{
    auto opened = Load(MpsBuilder().WayPoint(Snow()).WayPoint(Undefined()).bytes);
    ASSERT_TRUE(opened.mps());
    EXPECT_EQ(opened.recognised, 1);
    EXPECT_EQ(opened.file->FormatCode(), CGPSFile::kMPS);
    ASSERT_EQ(opened.file->GetWayPointCount(), 2);

    const CMPSChunkWayPoint& w = *opened.mps()->WayPoints().items[0];
    const MpsWayPointFields s = Snow();
    EXPECT_EQ(w.Name, s.name);
    EXPECT_EQ(w.HeldInt, s.heldInt);
    EXPECT_EQ(w.HeldText, s.heldText);
    EXPECT_EQ(QByteArray(w.HeldBlock.data(), 22), s.block22);
    EXPECT_EQ(w.Latitude, s.latitude);
    EXPECT_EQ(w.Longitude, s.longitude);
    EXPECT_EQ(w.HeightDefined, 1);
    EXPECT_DOUBLE_EQ(w.Height, s.height);
    EXPECT_EQ(w.Description, s.description);
    EXPECT_EQ(w.WarningDefined, 1);
    EXPECT_DOUBLE_EQ(w.Warning, s.warning);
    EXPECT_EQ(w.Display, s.display);
    EXPECT_EQ(w.Color, s.color);
    EXPECT_EQ(w.Icon, s.icon);
    EXPECT_EQ(QByteArray(w.AfterIcon.data(), 3), s.afterIcon);
    EXPECT_EQ(w.SecondHeldText, s.secondText);
    EXPECT_EQ(QByteArray(w.AfterText.data(), 2), s.afterText);
    EXPECT_EQ(w.DepthDefined, 1);
    EXPECT_DOUBLE_EQ(w.Depth, s.depth);
    EXPECT_EQ(QByteArray(w.AfterDepth.data(), 7), s.afterDepth);

    GPSWayPointRecordW wide[2] = {};
    ASSERT_EQ(opened.file->GetWayPointsW(wide), 1);
    EXPECT_EQ(gps::FieldText(wide[0].name, 64), u"雪山主峰");
    EXPECT_EQ(gps::FieldText(wide[0].comment, 128), u"百岳之一，三角點");
    EXPECT_NEAR(GPSAngle::ToDegrees(wide[0].latitude), 24.383333, 1e-6);
    EXPECT_NEAR(GPSAngle::ToDegrees(wide[0].longitude), 121.233333, 1e-6);
    EXPECT_DOUBLE_EQ(wide[0].altitude, 3886.25);
    EXPECT_NEAR(GPSAngle::ToDegrees(wide[1].latitude), -33.9, 1e-6);
    EXPECT_NEAR(GPSAngle::ToDegrees(wide[1].longitude), -10.5, 1e-6);
    EXPECT_DOUBLE_EQ(wide[1].altitude, 0); // its defined byte is clear

    GPSWayPointRecordW one{};
    ASSERT_EQ(opened.file->GetWayPointW(1, &one), 1);
    EXPECT_EQ(gps::FieldText(one.name, 64), u"Sydney");
    EXPECT_EQ(opened.file->GetWayPointW(2, &one), 0);

    GPSWayPointRecord narrow[2] = {};
    ASSERT_EQ(opened.file->GetWayPoints(narrow), 1);
    EXPECT_EQ(QByteArray(narrow[0].name), s.name);
    EXPECT_EQ(QByteArray(narrow[0].comment), s.description);
    EXPECT_EQ(narrow[0].latitude, s.latitude);
    EXPECT_DOUBLE_EQ(narrow[0].altitude, 3886.25);
    EXPECT_DOUBLE_EQ(narrow[1].altitude, 0);
    EXPECT_EQ(opened.file->GetWayPoints(nullptr), 0);
}

TEST(MPSRead, EveryFieldOfATrackAndItsPoints)
{
    std::vector<MpsPointFields> points(3);
    points[0] = {GPSAngle::FromDegrees(25.16), GPSAngle::FromDegrees(121.54), 1, 800, 1, 1680307200,
                 QByteArray("ninebytes", 9)};
    points[1] = {GPSAngle::FromDegrees(25.165), GPSAngle::FromDegrees(121.545), 0, 1.0e25, 1, 1680309000};
    points[2] = {GPSAngle::FromDegrees(-25.17), GPSAngle::FromDegrees(-121.55), 1, 1120.5, 0, 99999};
    MpsBuilder mps;
    mps.Record('T', MpsBuilder::TrackPayload(Big5(u"七星山步道"_qs), 1, 7, points)).Track("Second", {points[0]});
    auto opened = Load(mps.bytes);
    ASSERT_TRUE(opened.mps());
    ASSERT_EQ(opened.file->GetTrackCount(), 2);
    EXPECT_EQ(opened.file->GetTrackPointTotal(), 4);

    const CMPSChunkTrack& t = *opened.mps()->Tracks().items[0];
    EXPECT_EQ(t.Name, Big5(u"七星山步道"_qs));
    EXPECT_EQ(t.ShowOnGPS, 1);
    EXPECT_EQ(t.Color, 7);
    ASSERT_EQ(t.points.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(t.points[i].Latitude, points[i].latitude);
        EXPECT_EQ(t.points[i].Longitude, points[i].longitude);
        EXPECT_EQ(t.points[i].HeightDefined, points[i].heightDefined);
        EXPECT_DOUBLE_EQ(t.points[i].Height, points[i].height);
        EXPECT_EQ(t.points[i].TimeDefined, points[i].timeDefined);
        EXPECT_EQ(t.points[i].Time, points[i].time);
        EXPECT_EQ(QByteArray(t.points[i].Held.data(), 9), points[i].held);
    }

    GPSTrackRecord narrow[2] = {};
    ASSERT_EQ(opened.file->GetTracks(narrow), 1);
    EXPECT_EQ(QByteArray(narrow[0].name), Big5(u"七星山步道"_qs));
    EXPECT_EQ(narrow[0].pointCount, 3);
    EXPECT_EQ(narrow[1].pointCount, 1);
    GPSTrackRecordW wide[2] = {};
    ASSERT_EQ(opened.file->GetTracksW(wide), 1);
    EXPECT_EQ(gps::FieldText(wide[0].name, 32), u"七星山步道");

    GPSTrackPointList list;
    ASSERT_EQ(opened.file->GetTrackPoints(&list, 0), 1);
    EXPECT_EQ(QByteArray(list.name), Big5(u"七星山步道"_qs));
    ASSERT_EQ(list.count, 3);
    EXPECT_EQ(list.points[0].longitude, points[0].longitude);
    EXPECT_EQ(list.points[0].latitude, points[0].latitude);
    EXPECT_DOUBLE_EQ(list.points[0].altitude, 800);
    EXPECT_EQ(list.points[0].time, 1680307200);
    EXPECT_DOUBLE_EQ(list.points[1].altitude, 0); // height not defined
    EXPECT_EQ(list.points[1].time, 1680309000);
    EXPECT_NEAR(GPSAngle::ToDegrees(list.points[2].latitude), -25.17, 1e-6);
    EXPECT_DOUBLE_EQ(list.points[2].altitude, 1120.5);
    EXPECT_EQ(list.points[2].time, 0); // time not defined
    GPSTrackPointList none;
    EXPECT_EQ(opened.file->GetTrackPoints(&none, 2), 1);
    EXPECT_EQ(none.count, 0);
}

TEST(MPSRead, ATrackHoldsExactlyItsPoints)
{
    const std::vector<MpsPointFields> two(2);
    struct Case {
        const char* what;
        QByteArray payload;
        bool reads;
    };
    const Case cases[] = {
        {"exact", MpsBuilder::TrackPayload("T", 1, 0, two), true},
        {"no points", MpsBuilder::TrackPayload("T", 1, 0, {}), true},
        {"one byte more", MpsBuilder::TrackPayload("T", 1, 0, two, -1, "x"), false},
        {"one byte less", MpsBuilder::TrackPayload("T", 1, 0, two).chopped(1), false},
        {"count one more", MpsBuilder::TrackPayload("T", 1, 0, two, 3), false},
        {"negative count", MpsBuilder::TrackPayload("T", 1, 0, {}, 0xFFFFFFFB), false},
        // 31 x 138547333 is 2^32 + 27: a 32-bit length check would take 27 bytes for it.
        {"count wrapping 32 bits", MpsBuilder::TrackPayload("T", 1, 0, {}, 138547333, QByteArray(27, '\0')), false},
        {"cut in the count", MpsBuilder::TrackPayload("T", 1, 0, {}).chopped(2), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto opened = Load(MpsBuilder().WayPoint(Undefined()).Record('T', c.payload).bytes);
        EXPECT_EQ(bool(opened.file), c.reads);
        EXPECT_EQ(opened.recognised, 1); // a damaged track fails a recognised file
    }
}

TEST(MPSRead, SignatureAndHeaderRecords)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        int recognised;
    };
    QByteArray gdb = MpsBuilder().WayPoint(Snow()).bytes;
    gdb[4] = 'f'; // "MsRcf": the GDB signature
    QByteArray noTexts = MpsBuilder().bytes;
    noTexts.truncate(6 + 7); // signature and 'D' record
    noTexts += QByteArray("\x06\0\0\0A\xf8\x01SQA\0", 11); // version and product, no texts
    QByteArray cutWayPoint = MpsBuilder().Record('W', MpsBuilder::WayPointPayload(Snow()).chopped(1)).bytes;
    const Case cases[] = {
        {"GDB signature", gdb, 0},
        {"five bytes", QByteArray("MsRcd", 5), 0},
        {"signature alone", QByteArray("MsRcd\0", 6), 0},
        {"'A' record without its texts", noTexts, 0},
        {"'A' before 'D'", QByteArray("MsRcd\0", 6) + MpsBuilder().bytes.mid(13) + MpsBuilder().bytes.mid(6, 7), 0},
        {"waypoint cut short", cutWayPoint, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto opened = Load(c.bytes);
        EXPECT_FALSE(opened.file);
        EXPECT_EQ(opened.recognised, c.recognised);
    }
}

TEST(MPSRead, ListsInTheirOrderAndFramesThatDoNotFit)
{
    // Waypoint, route, track, map: all read; a waypoint after the tracks is ignored.
    MpsBuilder mps(109);
    mps.WayPoint(Snow()).Route("R1").Route("R2").Track("T1", {{}}).Map("M").WayPoint(Undefined());
    auto opened = Load(mps.bytes);
    ASSERT_TRUE(opened.file);
    EXPECT_EQ(opened.file->GetWayPointCount(), 1);
    EXPECT_EQ(opened.file->GetRouteCount(), 2);
    EXPECT_EQ(opened.file->GetTrackCount(), 1);
    EXPECT_EQ(opened.file->GetMapCount(), 1);

    // A last frame longer than the bytes left ends the list; what came before is read.
    MpsBuilder cut;
    cut.WayPoint(Snow()).WayPoint(Undefined()).Record('W', MpsBuilder::WayPointPayload(Snow()), 5000);
    opened = Load(cut.bytes);
    ASSERT_TRUE(opened.file);
    EXPECT_EQ(opened.file->GetWayPointCount(), 2);
}

TEST(MPSRead, LongTextsAreCutAtCharacterBoundaries)
{
    MpsWayPointFields w;
    w.name = Big5(QString(70, QChar(u'嶺')));
    w.description = Big5(QString(100, QChar(u'峰')));
    MpsWayPointFields odd;
    odd.name = Big5(u"A"_qs + QString(40, QChar(u'嶺'))); // 'A' and 31 characters fill 63 bytes
    auto opened = Load(MpsBuilder().WayPoint(w).WayPoint(odd).bytes);
    ASSERT_TRUE(opened.file);
    GPSWayPointRecord narrow[2] = {};
    ASSERT_EQ(opened.file->GetWayPoints(narrow), 1);
    EXPECT_EQ(QByteArray(narrow[0].name), Big5(QString(31, QChar(u'嶺'))));
    EXPECT_EQ(QByteArray(narrow[0].comment), Big5(QString(63, QChar(u'峰'))));
    EXPECT_EQ(QByteArray(narrow[1].name), Big5(u"A"_qs + QString(31, QChar(u'嶺'))));
    GPSWayPointRecordW wide[2] = {};
    ASSERT_EQ(opened.file->GetWayPointsW(wide), 1);
    EXPECT_EQ(gps::FieldText(wide[0].name, 64), QString(63, QChar(u'嶺')));
    EXPECT_EQ(gps::FieldText(wide[0].comment, 128), QString(100, QChar(u'峰')));

    auto track = Load(MpsBuilder().Track(Big5(QString(20, QChar(u'徑'))), {}).bytes);
    ASSERT_TRUE(track.file);
    GPSTrackRecord record{};
    ASSERT_EQ(track.file->GetTracks(&record), 1);
    EXPECT_EQ(QByteArray(record.name), Big5(QString(15, QChar(u'徑'))));
}

TEST(MPSOpen, ByExtensionAndByContent)
{
    TempDir dir;
    CGPSFileManager manager;
    const QByteArray mps = MpsBuilder().WayPoint(Snow()).Track("T", {{}}).bytes;
    const QByteArray damaged =
        MpsBuilder().WayPoint(Snow()).Record('T', MpsBuilder::TrackPayload("T", 1, 0, {{}}, -1, "x")).bytes;
    const QByteArray gdb = ReadBytes(GpsFixture("gpsbabel_v3.gdb"));
    struct Case {
        const char* name;
        QByteArray bytes;
        int code; // 0: no file
    };
    const Case cases[] = {
        {"walk.mps", mps, CGPSFile::kMPS},
        {"walk.MPS", mps, CGPSFile::kMPS},
        {"walk.txt", mps, CGPSFile::kMPS},
        {"walk", mps, CGPSFile::kMPS},
        {"walk.gdb", mps, CGPSFile::kMPS},            // GDB does not recognise it, MPS reads it
        {"walk2.mps", gdb, CGPSFile::kGDB},           // MPS does not recognise it, GDB reads it
        {"walk2.txt", gdb, CGPSFile::kGDB},
        {"damaged.gdb", damaged, 0},                  // MPS recognises it, its track is damaged
        {"damaged.mps", damaged, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto file = manager.OpenFile(dir.write(c.name, c.bytes));
        EXPECT_EQ(file ? file->FormatCode() : 0, c.code);
    }
}

} // namespace
