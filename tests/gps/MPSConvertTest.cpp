// GDB records made from MPS files, and MPS records made from EVO files: every field the copy
// keeps, texts converted from Big5, tracks, and copies from other formats that convert only
// the record they take.
#include "EvoBuilder.h"
#include "GpsTestSupport.h"
#include "MpsBuilder.h"
#include "TempDir.h"

#include "gps/evo/EVOFile.h"
#include "gps/GPSAngle.h"
#include "gps/GPSFileManager.h"
#include "gps/GPSText.h"
#include "gps/mps/MPSFile.h"

#include <gtest/gtest.h>

#include <bit>

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
    EXPECT_EQ(one.latitude, 298261617); // 25 degrees
    EXPECT_EQ(plain.CGPSFile::GetWayPointW(2, &one), 0);
    EXPECT_EQ(plain.CGPSFile::GetWayPointW(-1, &one), 0);
    EXPECT_EQ(plain.CGPSFile::GetWayPointW(0, nullptr), 0);
}

// ---- MPS records from an eTrex Vista (EVO) file ----

constexpr uint32_t kMissing = 0x69045951;      // 1.0e25
constexpr uint32_t kOtherMissing = 0x69030681; // read as missing too
constexpr uint32_t kNaN = 0x7FC00000, kInfinity = 0x7F800000;
constexpr uint32_t kEvoEpoch = 631065600; // 1989-12-31 00:00 UTC in Unix seconds

uint32_t Bits(float value) { return std::bit_cast<uint32_t>(value); }

EvoWayPointFields EvoWayPoint(int16_t symbol, const QByteArray& identifier, uint32_t height, uint32_t depth)
{
    EvoWayPointFields w;
    w.symbol = symbol;
    w.latitude = GPSAngle::FromDegrees(24.383333);
    w.longitude = GPSAngle::FromDegrees(-121.25);
    w.heightBits = height;
    w.depthBits = depth;
    w.identifier = identifier;
    w.comment = Big5(u"百岳之一"_qs);
    w.shortTexts = {"a", "b", "c", "d"};
    return w;
}

EvoPointFields EvoPoint(int32_t i, uint32_t stamp, uint32_t height)
{
    return {GPSAngle::FromDegrees(24 + i * 0.001), GPSAngle::FromDegrees(121 - i * 0.001), stamp, height, Bits(5), i == 0};
}

QByteArray EvoFixture()
{
    EvoBuilder evo;
    evo.waypoints = {EvoWayPoint(8246, Big5(u"雪山主峰"_qs), Bits(3886.5f), kMissing), // 山頂 -> 106
                     EvoWayPoint(21, "MOB", kNaN, kOtherMissing),   // in the table without an MPS symbol -> 18
                     EvoWayPoint(12345, "X", kInfinity, Bits(2.5f)), // not in the table: kept
                     EvoWayPoint(16384, "APT", kOtherMissing, kNaN)}; // 機場 -> 107
    evo.tracks = {{7, Big5(u"七星山"_qs),
                   {EvoPoint(0, 1588302000 - kEvoEpoch, Bits(1120)),  // 2020-05-01 03:00:00 UTC
                    EvoPoint(1, 1588350600 - kEvoEpoch, kMissing),    // 16:30 UTC: the local date is the next day
                    EvoPoint(2, 0xFFFFFFFF, kInfinity),               // no time
                    EvoPoint(3, 2000000000, Bits(-12.25f))},          // past 2038
                   {}},
                  {0, "empty", {}, {}}};
    return evo.Build();
}

struct ExpectedWayPoint {
    QByteArray name;
    int16_t icon;
    uint8_t heightDefined;
    double height;
    uint8_t depthDefined;
    double depth;
};

const ExpectedWayPoint kExpectedWayPoints[] = {
    {Big5(u"雪山主峰"_qs), 106, 1, 3886.5, 0, 1.0e25},
    {"MOB", 18, 0, 1.0e25, 0, 1.0e25},
    {"X", 12345, 0, 1.0e25, 1, 2.5},
    {"APT", 107, 0, 1.0e25, 0, 1.0e25},
};

void ExpectWayPoint(const CMPSChunkWayPoint& w, const ExpectedWayPoint& e)
{
    SCOPED_TRACE(e.name.toStdString());
    const std::array<char, 22> block = {0, 0, 0, 0, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 0, 0, -1, -1, -1, -1};
    EXPECT_EQ(w.Name, e.name);
    EXPECT_EQ(w.Description, Big5(u"百岳之一"_qs));
    EXPECT_EQ(w.HeldInt, 0);
    EXPECT_EQ(w.HeldText, QByteArray());
    EXPECT_EQ(w.HeldBlock, block);
    EXPECT_EQ(w.Latitude, 290904493);    // 24.383333 x 4294967295 / 360, cut
    EXPECT_EQ(w.Longitude, -1446568845); // -121.25 degrees
    EXPECT_EQ(w.HeightDefined, e.heightDefined);
    EXPECT_FLOAT_EQ(float(w.Height), float(e.height));
    EXPECT_EQ(w.WarningDefined, 0);
    EXPECT_EQ(w.Warning, 0);
    EXPECT_EQ(w.Display, 1);
    EXPECT_EQ(w.Color, 0);
    EXPECT_EQ(w.Icon, e.icon);
    EXPECT_EQ(w.AfterIcon, (std::array<char, 3>{}));
    EXPECT_EQ(w.SecondHeldText, QByteArray());
    EXPECT_EQ(w.AfterText, (std::array<char, 2>{}));
    EXPECT_EQ(w.DepthDefined, e.depthDefined);
    EXPECT_FLOAT_EQ(float(w.Depth), float(e.depth));
    EXPECT_EQ(w.AfterDepth, (std::array<char, 7>{}));
}

void ExpectConvertedFromEvo(const CMPSFile& mps)
{
    ASSERT_EQ(mps.WayPoints().items.size(), std::size(kExpectedWayPoints));
    for (size_t i = 0; i < std::size(kExpectedWayPoints); ++i)
        ExpectWayPoint(*mps.WayPoints().items[i], kExpectedWayPoints[i]);
    ASSERT_EQ(mps.Tracks().items.size(), 2u);
    const CMPSChunkTrack& track = *mps.Tracks().items[0];
    EXPECT_EQ(track.Name, Big5(u"七星山"_qs));
    EXPECT_EQ(track.ShowOnGPS, 1);
    EXPECT_EQ(track.Color, 0);
    // Point i lies at 24 + i / 1000 degrees north, 121 - i / 1000 east (x 4294967295 / 360, cut).
    const struct {
        int32_t latitude, longitude;
        uint8_t heightDefined;
        double height;
        uint8_t timeDefined;
        int32_t time;
    } points[] = {{286331153, 1443586229, 1, 1120, 1, 1588302000},
                  {286343083, 1443574299, 0, 1.0e25, 1, 1588350600},
                  {286355013, 1443562368, 0, 1.0e25, 0, 0},
                  {286366944, 1443550438, 1, -12.25, 0, 0}};
    ASSERT_EQ(track.points.size(), std::size(points));
    for (size_t i = 0; i < std::size(points); ++i) {
        SCOPED_TRACE(i);
        const MPSTrackPoint& p = track.points[i];
        EXPECT_EQ(p.Latitude, points[i].latitude);
        EXPECT_EQ(p.Longitude, points[i].longitude);
        EXPECT_EQ(p.HeightDefined, points[i].heightDefined);
        EXPECT_FLOAT_EQ(float(p.Height), float(points[i].height));
        EXPECT_EQ(p.TimeDefined, points[i].timeDefined);
        EXPECT_EQ(p.Time, points[i].time);
        EXPECT_EQ(p.Held, (std::array<char, 9>{}));
    }
    EXPECT_EQ(mps.Tracks().items[1]->Name, "empty");
    EXPECT_TRUE(mps.Tracks().items[1]->points.empty());
}

class MPSFromEvo : public ::testing::Test {
protected:
    void SetUp() override
    {
        int recognised = 0;
        evo = CEVOFile().LoadFile(dir.write("a.evo", EvoFixture()), &recognised);
        ASSERT_TRUE(evo);
    }

    TempDir dir;
    std::unique_ptr<CGPSFile> evo;
};

TEST_F(MPSFromEvo, ConvertFromKeepsEveryFieldAndClearsWhatWasThere)
{
    auto mps = Open(dir.write("old.mps", MpsBuilder().WayPoint(Full()).bytes));
    ASSERT_TRUE(mps);
    ASSERT_TRUE(mps->CanConvertFrom(evo.get()));
    ASSERT_EQ(mps->ConvertFrom(evo.get()), 1);
    ExpectConvertedFromEvo(dynamic_cast<const CMPSFile&>(*mps));
}

TEST_F(MPSFromEvo, AMpsWrittenFromAnEvoReadsBackWithEveryField)
{
    CMPSFile mps;
    ASSERT_EQ(mps.ConvertFrom(evo.get()), 1);
    const QString path = dir.file("out.mps");
    ASSERT_EQ(mps.SaveFile(path), 1);
    auto back = Open(path);
    ASSERT_TRUE(back);
    ExpectConvertedFromEvo(dynamic_cast<const CMPSFile&>(*back));
}

TEST_F(MPSFromEvo, AddWayPointFromAppendsWithAndWithoutPrefix)
{
    auto mps = Open(dir.write("old.mps", MpsBuilder().WayPoint(Full()).bytes));
    ASSERT_TRUE(mps);
    ASSERT_EQ(mps->AddWayPointFrom(evo.get(), 0, nullptr), 1);
    ASSERT_EQ(mps->AddWayPointFrom(evo.get(), 2, "P1"), 1);
    EXPECT_EQ(mps->AddWayPointFrom(evo.get(), 4, nullptr), 0);
    EXPECT_EQ(mps->AddWayPointFrom(evo.get(), -1, nullptr), 0);
    const auto& items = dynamic_cast<const CMPSFile&>(*mps).WayPoints().items;
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0]->Name, Big5(u"雪山主峰"_qs)); // the record that was there
    EXPECT_EQ(items[0]->Icon, 178);
    ExpectWayPoint(*items[1], kExpectedWayPoints[0]);
    ExpectedWayPoint prefixed = kExpectedWayPoints[2];
    prefixed.name = "P1-X";
    ExpectWayPoint(*items[2], prefixed);

    const QString path = dir.file("added.mps");
    ASSERT_EQ(mps->SaveFile(path), 1);
    auto back = Open(path);
    ASSERT_TRUE(back);
    const auto& read = dynamic_cast<const CMPSFile&>(*back).WayPoints().items;
    ASSERT_EQ(read.size(), 3u);
    ExpectWayPoint(*read[2], prefixed);
}

} // namespace
