// GDB records made from MPS files: every field the copy keeps, texts converted from Big5,
// tracks, and copies from other formats that convert only the record they take.
#include "GpsTestSupport.h"
#include "MpsBuilder.h"
#include "TempDir.h"

#include "gps/GPSAngle.h"
#include "gps/GPSFileManager.h"
#include "gps/GPSText.h"
#include "gps/mps/MPSFile.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CGPSFile> Open(const QString& path) { return CGPSFileManager().OpenFile(path); }

MpsWayPointFields Full()
{
    MpsWayPointFields w;
    w.name = Big5(u"雪山主峰"_qs);
    w.latitude = GPSAngle::FromDegrees(24.383333);
    w.longitude = GPSAngle::FromDegrees(121.233333);
    w.heightDefined = 1;
    w.height = 3886;
    w.description = Big5(u"百岳之一"_qs);
    w.warningDefined = 1;
    w.warning = 20;
    w.display = 2;
    w.color = 5;
    w.icon = 178;
    w.depthDefined = 1;
    w.depth = 3.5;
    return w;
}

// Values stored behind clear defined bytes, as an eTrex conversion leaves them.
MpsWayPointFields Undefined()
{
    MpsWayPointFields w;
    w.name = "West";
    w.longitude = GPSAngle::FromDegrees(-10.5);
    w.height = 1.0e25;
    w.warning = 9;
    w.depth = 1.0e25;
    w.display = 1;
    w.icon = 18;
    return w;
}

TEST(MPSToGdb, AWayPointKeepsItsSymbolDisplayColourAndDefinedValues)
{
    TempDir dir;
    auto mps = Open(dir.write("a.mps", MpsBuilder().WayPoint(Full()).WayPoint(Undefined()).bytes));
    ASSERT_TRUE(mps);
    CGDBFile gdb;
    ASSERT_EQ(gdb.AddWayPointFrom(mps.get(), 0, nullptr), 1);
    ASSERT_EQ(gdb.AddWayPointFrom(mps.get(), 1, "w2"), 1);
    EXPECT_EQ(gdb.AddWayPointFrom(mps.get(), 0, nullptr), 0); // the same name again
    EXPECT_EQ(gdb.AddWayPointFrom(mps.get(), 2, nullptr), 0);

    const CGDBChunkWayPoint& a = *gdb.WayPoints().items[0];
    EXPECT_EQ(a.Name, QString(u"雪山主峰"_qs).toUtf8());
    EXPECT_EQ(a.Description, QString(u"百岳之一"_qs).toUtf8());
    EXPECT_EQ(a.Latitude, Full().latitude);
    EXPECT_EQ(a.Longitude, Full().longitude);
    EXPECT_EQ(a.HeightDefined, 1);
    EXPECT_DOUBLE_EQ(a.Height, 3886);
    EXPECT_EQ(a.WarningDefined, 1);
    EXPECT_DOUBLE_EQ(a.Warning, 20);
    EXPECT_EQ(a.Display, 2);
    EXPECT_EQ(a.Color, 5);
    EXPECT_EQ(a.Icon, 178);
    EXPECT_EQ(a.DepthDefined, 1);
    EXPECT_DOUBLE_EQ(a.Depth, 3.5);
    EXPECT_EQ(a.TimeDefined, 0);

    const CGDBChunkWayPoint& b = *gdb.WayPoints().items[1];
    EXPECT_EQ(b.Name, "w2-West");
    EXPECT_EQ(b.HeightDefined, 0);
    EXPECT_EQ(b.WarningDefined, 0);
    EXPECT_EQ(b.DepthDefined, 0);

    // Saved and read back: the height stays absent (not 1.0e25).
    ASSERT_EQ(gdb.SaveFile(dir.file("out.gdb")), 1);
    auto back = Open(dir.file("out.gdb"));
    ASSERT_TRUE(back);
    GPSWayPointRecordW records[2] = {};
    ASSERT_EQ(back->GetWayPointsW(records), 1);
    EXPECT_DOUBLE_EQ(records[0].altitude, 3886);
    EXPECT_DOUBLE_EQ(records[1].altitude, 0);
    EXPECT_NEAR(GPSAngle::ToDegrees(records[1].longitude), -10.5, 1e-6);
}

TEST(MPSToGdb, TextsFromBig5)
{
    MpsWayPointFields longer;
    longer.name = Big5(QString(70, QChar(u'嶺')));
    longer.description = Big5(QString(40, QChar(u'峰'))); // 80 bytes of Big5, 120 of UTF-8
    TempDir dir;
    auto mps = Open(dir.write("a.mps", MpsBuilder().WayPoint(longer).bytes));
    ASSERT_TRUE(mps);
    CGDBFile gdb;
    ASSERT_EQ(gdb.AddWayPointFrom(mps.get(), 0, nullptr), 1);
    // The name is cut where the wide waypoint record would cut it; the description is whole.
    EXPECT_EQ(gdb.WayPoints().items[0]->Name, QString(63, QChar(u'嶺')).toUtf8());
    EXPECT_EQ(gdb.WayPoints().items[0]->Description, QString(40, QChar(u'峰')).toUtf8());
    // The copy with its own name and comment keeps the source's height flag.
    ASSERT_EQ(gdb.AddWayPointCopy(mps.get(), 0, "P", "c", 1234), 1);
    EXPECT_EQ(gdb.WayPoints().items[1]->HeightDefined, 0);
}

TEST(MPSToGdb, TracksAreCopiedEvenUnderANameAlreadyThere)
{
    std::vector<MpsPointFields> points(2);
    points[0] = {GPSAngle::FromDegrees(25.16), GPSAngle::FromDegrees(121.54), 1, 800, 1, 1680307200,
                 QByteArray(9, '\x7f')};
    points[1] = {GPSAngle::FromDegrees(25.17), GPSAngle::FromDegrees(121.55), 0, 1.0e25, 0, 1680311700};
    TempDir dir;
    MpsBuilder builder;
    builder.Record('T', MpsBuilder::TrackPayload(Big5(u"七星山步道"_qs), 0, 9, points));
    auto mps = Open(dir.write("t.mps", builder.bytes));
    ASSERT_TRUE(mps);
    CGDBFile gdb;
    ASSERT_EQ(gdb.AddTrackFrom(mps.get(), 0, nullptr), 1);
    ASSERT_EQ(gdb.AddTrackFrom(mps.get(), 0, nullptr), 1);
    ASSERT_EQ(gdb.AddTrackFrom(mps.get(), 0, "w1"), 1);
    EXPECT_EQ(gdb.AddTrackFrom(mps.get(), 1, nullptr), 0);
    ASSERT_EQ(gdb.GetTrackCount(), 3);

    const CGDBChunkTrack& t = *gdb.Tracks().items[0];
    EXPECT_EQ(t.Name, QString(u"七星山步道"_qs).toUtf8());
    EXPECT_EQ(gdb.Tracks().items[2]->Name, QString(u"w1-七星山步道"_qs).toUtf8());
    EXPECT_EQ(t.ShowOnGPS, 0);
    EXPECT_EQ(t.Color, 9);
    ASSERT_EQ(t.points.size(), 2u);
    EXPECT_EQ(t.points[0].Latitude, points[0].latitude);
    EXPECT_EQ(t.points[0].Longitude, points[0].longitude);
    EXPECT_EQ(t.points[0].HeightDefined, 1);
    EXPECT_DOUBLE_EQ(t.points[0].Height, 800);
    EXPECT_EQ(t.points[0].TimeDefined, 1);
    EXPECT_EQ(t.points[0].Time, 1680307200);
    EXPECT_EQ(t.points[0].Unknown, 0);
    EXPECT_EQ(t.points[0].TempatureDefined, 0);
    EXPECT_EQ(t.points[1].HeightDefined, 0);
    EXPECT_EQ(t.points[1].TimeDefined, 0);

    ASSERT_EQ(gdb.SaveFile(dir.file("out.gdb")), 1);
    auto back = Open(dir.file("out.gdb"));
    ASSERT_TRUE(back);
    GPSTrackPointList list;
    ASSERT_EQ(back->GetTrackPoints(&list, 0), 1);
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list.points[0].time, 1680307200);
    EXPECT_DOUBLE_EQ(list.points[1].altitude, 0);
    EXPECT_EQ(list.points[1].time, 0);
}

// A file of another format that counts how often all its waypoints are converted.
class CountingFile : public FakeGpsFile {
public:
    int GetWayPointsW(GPSWayPointRecordW* records) const override
    {
        ++wholeConversions;
        return FakeGpsFile::GetWayPointsW(records);
    }
    int GetWayPointW(int index, GPSWayPointRecordW* record) const override
    {
        if (!record || index < 0 || index >= GetWayPointCount())
            return 0;
        *record = waypoints[size_t(index)];
        return 1;
    }
    mutable int wholeConversions = 0;
};

TEST(MPSToGdb, CopiesFromOtherFormatsTakeOneRecordEach)
{
    CountingFile source;
    for (int i = 0; i < 500; ++i)
        source.AddWayPoint(QStringLiteral("P%1").arg(i), 121 + i / 1000.0, 24, i);
    CGDBFile gdb;
    for (int i = 0; i < 500; i += 50)
        ASSERT_EQ(gdb.AddWayPointFrom(&source, i, nullptr), 1);
    ASSERT_EQ(gdb.AddWayPointCopy(&source, 499, "Q", "", 5), 1);
    EXPECT_EQ(source.wholeConversions, 0);
    EXPECT_EQ(gdb.WayPoints().items[3]->Name, "P150");
    EXPECT_DOUBLE_EQ(gdb.WayPoints().items[3]->Height, 150);

    // The base's single record is the one the whole array holds at that index.
    FakeGpsFile plain;
    plain.AddWayPoint("A", 121, 24, 1);
    plain.AddWayPoint("B", 122, 25, 2);
    GPSWayPointRecordW one{};
    ASSERT_EQ(plain.CGPSFile::GetWayPointW(1, &one), 1);
    EXPECT_EQ(gps::FieldText(one.name, 64), u"B");
    EXPECT_EQ(one.latitude, GPSAngle::FromDegrees(25));
    EXPECT_EQ(plain.CGPSFile::GetWayPointW(2, &one), 0);
    EXPECT_EQ(plain.CGPSFile::GetWayPointW(-1, &one), 0);
    EXPECT_EQ(plain.CGPSFile::GetWayPointW(0, nullptr), 0);
}

} // namespace
