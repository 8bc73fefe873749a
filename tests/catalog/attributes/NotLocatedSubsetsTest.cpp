// The not-located subsets (尚未定位) of the peak, survey-stone, trail and old-trail groups
// against GPS files written by gpsbabel, as GDB and as GPX: the items without a name first,
// then those whose name the file lacks, each pass in item order; names longer than the record's
// field found by the item file's whole value; the file read once per filling and again only
// when it changed.
#include "AttributeCatalog.h"
#include "FakePointView.h"
#include "catalog/subsets/attributes/SubsetNoTrack.h"
#include "catalog/subsets/attributes/SubsetNoWaypoint.h"

#include <QDateTime>
#include <QFile>

namespace attribute_test {
namespace {

// The peaks' waypoints: p04's whole 20-character name, and for p10 only the first 15
// characters of its name; MISSING1 and MISSING2 are absent.
QByteArray PeakWaypoints(bool withMissing1)
{
    QByteArray gpx = R"(<?xml version="1.0" encoding="UTF-8"?>
<gpx version="1.1" creator="test" xmlns="http://www.topografix.com/GPX/1/1">
  <wpt lat="23.470000" lon="120.957200"><name>YUSHAN</name></wpt>
  <wpt lat="24.200000" lon="121.200000"><name>ABCDEFGHIJKLMNOPQRST</name></wpt>
  <wpt lat="24.400000" lon="121.400000"><name>P06</name></wpt>
  <wpt lat="24.600000" lon="121.600000"><name>P08</name></wpt>
  <wpt lat="24.700000" lon="121.700000"><name>P09</name></wpt>
  <wpt lat="24.800000" lon="121.800000"><name>ABCDEFGHIJKLMNO</name></wpt>
)";
    if (withMissing1)
        gpx += R"(  <wpt lat="24.100000" lon="121.100000"><name>MISSING1</name></wpt>
)";
    return gpx + "</gpx>\n";
}

const QByteArray kStoneWaypoints = R"(<?xml version="1.0" encoding="UTF-8"?>
<gpx version="1.1" creator="test" xmlns="http://www.topografix.com/GPX/1/1">
  <wpt lat="24.141900" lon="121.271100"><name>HEHUAN</name></wpt>
  <wpt lat="24.000000" lon="121.000000"><name>OTHER</name></wpt>
</gpx>
)";

// The trails' tracks: ZHUILU and the whole 20-character name of t04 (not its first 15
// characters); DANLAN is absent.
const QByteArray kTracks = R"(<?xml version="1.0" encoding="UTF-8"?>
<gpx version="1.1" creator="test" xmlns="http://www.topografix.com/GPX/1/1">
  <trk><name>ZHUILU</name><trkseg>
    <trkpt lat="24.170000" lon="121.560000"/><trkpt lat="24.175000" lon="121.565000"/>
  </trkseg></trk>
  <trk><name>BATONGGUAN-EAST-0001</name><trkseg>
    <trkpt lat="23.470000" lon="120.960000"/><trkpt lat="23.480000" lon="120.970000"/>
  </trkseg></trk>
  <trk><name>OTHER</name><trkseg>
    <trkpt lat="25.000000" lon="121.900000"/><trkpt lat="25.010000" lon="121.910000"/>
  </trkseg></trk>
</gpx>
)";

class NotLocatedTest : public AttributeCatalog, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        AttributeCatalog::SetUp();
        if (GpsBabel().isEmpty())
            GTEST_SKIP() << "gpsbabel is not installed; apt-get install gpsbabel";
    }
    QString Format() const { return QString::fromLatin1(GetParam()); }
    QString FileName(const char* base) const { return QString::fromLatin1(base) + u'.' + Format(); }
    // Names the group's file in Local.txt and writes it by gpsbabel.
    QString UseGpsFile(const char* key, const char* base, const QByteArray& gpx)
    {
        gpsLines << QString::fromLatin1(key) + QStringLiteral("=data/") + FileName(base);
        WriteGpsSettings(gpsLines);
        return WriteGpsFile(FileName(base), Format(), gpx);
    }
    int OpensOf(const QString& path) const { return int(window.openedGpsFiles.count(path)); }
    // Two fillings of a trail group's not-located subset list t02, t05, t03 and read the file
    // once.
    void ExpectTrailsNotLocated(CGroupTrail* trails, const QString& key, const QString& file)
    {
        ASSERT_NE(trails, nullptr);
        ASSERT_EQ(trails->Key(), key);
        CSubsetBase* subset = SubsetOf(trails, CSubsetBase::kTypeNoTrack);
        ASSERT_NE(subset, nullptr);
        EXPECT_EQ(subset->DisplayName(), QStringLiteral("尚未定位"));
        EXPECT_EQ(subset->Section(), key);
        for (int filling = 0; filling < 2; ++filling) {
            SCOPED_TRACE(filling);
            EXPECT_EQ(Fill(subset), 3);
            EXPECT_EQ(Listed(trails), QStringList({"t02", "t05", "t03"}));
            EXPECT_EQ(list.ColumnCount(), 5);
            EXPECT_EQ(OpensOf(file), 1);
        }
        FakePointView view;
        EXPECT_EQ(subset->MarkOnMap(&view), 0);
        EXPECT_TRUE(view.points.isEmpty());
    }

    QStringList gpsLines;
};

// Empty names (p02, p05) before missing ones (p03, p07, p10): p04's 20-character name is found
// whole, p10's is not found although its first 15 characters are.
TEST_P(NotLocatedTest, PeaksEmptyNamesFirstThenMissingOnes)
{
    const QString file = UseGpsFile("AllWPFile_Talvane", "peaks", PeakWaypoints(false));
    Open();
    CGroupTalvane* peaks = GroupAt<CGroupTalvane>(kPeaks);
    ASSERT_NE(peaks, nullptr);
    CSubsetBase* subset = SubsetOf(peaks, CSubsetBase::kTypeNoWaypoint);
    ASSERT_NE(subset, nullptr);
    const QStringList want = {"p02", "p05", "p03", "p07", "p10"};

    EXPECT_EQ(Fill(subset), 5);
    EXPECT_EQ(Listed(peaks), want);
    EXPECT_EQ(list.ColumnCount(), 5);
    EXPECT_EQ(OpensOf(file), 1);

    // An unchanged file is not read again.
    EXPECT_EQ(Fill(subset), 5);
    EXPECT_EQ(Listed(peaks), want);
    EXPECT_EQ(OpensOf(file), 1);

    // A rewritten file (newer) is read once more, and p03's waypoint is found in it.
    WriteGpsFile(FileName("peaks"), Format(), PeakWaypoints(true));
    QFile touched(file);
    ASSERT_TRUE(touched.open(QIODevice::ReadWrite));
    ASSERT_TRUE(touched.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                    QFileDevice::FileModificationTime));
    touched.close();
    EXPECT_EQ(Fill(subset), 4);
    EXPECT_EQ(Listed(peaks), QStringList({"p02", "p05", "p07", "p10"}));
    EXPECT_EQ(OpensOf(file), 2);
}

// The stones' rows carry 60000 + the item index.
TEST_P(NotLocatedTest, StonesEmptyNamesFirstThenMissingOnes)
{
    const QString file = UseGpsFile("AllWPFile_Stone", "stones", kStoneWaypoints);
    Open();
    CGroupStone* stones = GroupAt<CGroupStone>(kStones);
    ASSERT_NE(stones, nullptr);
    CSubsetBase* subset = SubsetOf(stones, CSubsetBase::kTypeNoWaypoint);
    ASSERT_NE(subset, nullptr);
    EXPECT_EQ(subset->Section(), QStringLiteral("Stone"));
    EXPECT_EQ(Fill(subset), 3);
    EXPECT_EQ(list.RowValues(), QList<quint32>({60001, 60003, 60002}));
    EXPECT_EQ(Listed(stones), QStringList({"s02", "s04", "s03"}));
    EXPECT_EQ(OpensOf(file), 1);
}

// Trails and old trails alike: t02 and t05 (an empty Track) first, then t03 whose track is
// absent; t04's 20-character track is found by its whole name. Nothing is marked.
TEST_P(NotLocatedTest, OldTrailsByTrack)
{
    const QString file = UseGpsFile("AllOTFile", "old", kTracks);
    Open();
    ExpectTrailsNotLocated(GroupAt<CGroupTrail>(kOldTrails), QStringLiteral("OldTrail"), file);
}

TEST_P(NotLocatedTest, TrailsByTrack)
{
    const QString file = UseGpsFile("AllTLFile", "trails", kTracks);
    Open(true);
    ExpectTrailsNotLocated(GroupAt<CGroupTrail>(kTrails), QStringLiteral("Trail"), file);
}

INSTANTIATE_TEST_SUITE_P(Formats, NotLocatedTest, ::testing::Values("gdb", "gpx"));

// Without a GPS file every named item counts as not located, after the unnamed ones.
TEST_F(AttributeCatalog, WithoutAGpsFileEveryNamedPeakFollowsTheUnnamed)
{
    Open();
    CGroupTalvane* peaks = GroupAt<CGroupTalvane>(kPeaks);
    ASSERT_NE(peaks, nullptr);
    CSubsetBase* subset = SubsetOf(peaks, CSubsetBase::kTypeNoWaypoint);
    ASSERT_NE(subset, nullptr);
    EXPECT_EQ(Fill(subset), 10);
    EXPECT_EQ(Listed(peaks), QStringList({"p02", "p05", "p01", "p03", "p04", "p06", "p07", "p08",
                                          "p09", "p10"}));
}

TEST(NotLocatedSubsets, WithoutAGroupNothingIsListed)
{
    FakeItemList list;
    SubsetStatistics statistics;
    CSubsetNoWaypoint noWaypoint(nullptr);
    CSubsetNoTrack noTrack(nullptr);
    EXPECT_EQ(noWaypoint.FillList(&list, &statistics, nullptr), 0);
    EXPECT_EQ(noTrack.FillList(&list, &statistics, nullptr), 0);
    EXPECT_EQ(noWaypoint.TypeCode(), CSubsetBase::kTypeNoWaypoint);
    EXPECT_EQ(noTrack.TypeCode(), CSubsetBase::kTypeNoTrack);
    EXPECT_EQ(list.RowCount(), 0);
}

} // namespace
} // namespace attribute_test
