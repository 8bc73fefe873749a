// The GPS files of a peak's walks gathered into "~~TempMT.gdb" (walk files written by gpsbabel
// and the result read back by it), with the once-per-run notice of a lagging index page or a
// missing GPS file.
#include "PeakGpsTestSupport.h"

#include "catalog/text/WalkGpsNotice.h"

#include <QDir>

namespace {

using namespace peak_gps_test;

class GroupTalvaneWalkGpsTest : public PeakGpsFixture {
protected:
    void SetUp() override
    {
        PeakGpsFixture::SetUp();
        WalkGpsNotice::Reset();
    }
    void TearDown() override { WalkGpsNotice::Reset(); }
    QString InProgram(const char* relative) const
    {
        return root + u'/' + QString::fromUtf8(relative);
    }
};

QStringList Names(const GpxContent& content)
{
    QStringList names;
    for (const GpxWaypoint& w : content.waypoints)
        names << w.name;
    for (const GpxTrack& t : content.tracks)
        names << u"track "_qs + t.name + u' ' + QString::number(t.points.size());
    return names;
}

TEST_F(GroupTalvaneWalkGpsTest, GathersTheWalksThatHaveFilesUnderTheirNumbers)
{
    REQUIRE_GPSBABEL();
    EXPECT_TRUE(peaks->OpenWalkGps(Rows({Row("a_main")}), 0));
    // Walks newest first: 2001 is passed over; 88 through the file its page names (w87); 75 is
    // not on the index page (the one notice of the run); 60 has no file; 5's file is no GPS
    // file; walk 3's Summit lies where walk 12's does and is left out.
    EXPECT_EQ(box.ExclamationTexts(),
              QStringList{u"["_qs + InProgram("data/walk2.htm") + u"]檔案不夠新(75)！"_qs});
    EXPECT_EQ(window.openedGpsFiles,
              QStringList({InProgram("gps/2011/w87.gdb"), InProgram("gps/1993/w12.gdb"),
                           InProgram("gps/1992/w5.gdb"), InProgram("gps/1992/w3.gdb")}));
    EXPECT_EQ(shell.opened, QStringList{TempFile()});
    const GpxContent content = Written();
    EXPECT_EQ(Names(content), QStringList({u"w88-Hut"_qs, u"w12-Summit"_qs, u"w12-Saddle"_qs,
                                           u"w3-Camp"_qs, u"track w88-Day3 2"_qs,
                                           u"track w12-Day2 2"_qs, u"track w3-Day1 2"_qs}));
    ASSERT_EQ(content.waypoints.size(), 4u);
    EXPECT_NEAR(content.waypoints[3].position.lat, 23.4701, 1e-6);
    EXPECT_NEAR(content.waypoints[3].position.lon, 120.9434, 1e-6);
    EXPECT_DOUBLE_EQ(content.waypoints[3].position.ele.value_or(0), 3402);
}

TEST_F(GroupTalvaneWalkGpsTest, AMissingFileIsReportedOncePerRun)
{
    // Walk 60 has neither file nor page; walk 7 (below 51) is not looked up and not reported.
    EXPECT_TRUE(peaks->OpenWalkGps(Rows({Row("i_sixty")}), 0));
    const QStringList missing{u"[六十石山]GPS檔案找不到(60)！"_qs};
    EXPECT_EQ(box.ExclamationTexts(), missing);
    EXPECT_TRUE(WalkGpsNotice::Shown());
    // Later runs of the operation, of either message, stay silent.
    EXPECT_TRUE(peaks->OpenWalkGps(Rows({Row("i_sixty")}), 0));
    EXPECT_TRUE(peaks->OpenWalkGps(Rows({Row("a_main")}), 0));
    EXPECT_EQ(box.ExclamationTexts(), missing);
    // Nothing was found, but the empty collection is saved and opened each time.
    EXPECT_EQ(shell.opened.size(), 3);
}

TEST_F(GroupTalvaneWalkGpsTest, RowsWithoutWalksDoNothing)
{
    for (quint32 value : {Row("b_front"), quint32(60000), quint32(90000)})
        EXPECT_TRUE(peaks->OpenWalkGps(Rows({value}), 0)) << value;
    EXPECT_TRUE(peaks->OpenWalkGps(Rows({Row("a_main")}), 1));
    EXPECT_TRUE(peaks->OpenWalkGps(nullptr, 0));
    EXPECT_TRUE(window.openedGpsFiles.isEmpty());
    EXPECT_TRUE(shell.opened.isEmpty());
    EXPECT_TRUE(box.shown.isEmpty());
}

TEST_F(GroupTalvaneWalkGpsTest, GpsDirIsAFormatForTheYearOnly)
{
    REQUIRE_GPSBABEL();
    // "%s" and a second "%d" are no formats: only the first "%d" takes the year, so the folder
    // "gps/%s1992%d/" holds the walk files of 1992 here.
    ASSERT_TRUE(QDir().rename(InProgram("gps/1992"), InProgram("gps/%s1992%d")));
    ASSERT_TRUE(platform::WriteProfileString(InProgram("Local.txt"), u"Template"_qs, u"GPSDir"_qs,
                                             u"gps\\%s%d%d\\"_qs));
    EXPECT_TRUE(peaks->OpenWalkGps(Rows({Row("a_main")}), 0));
    EXPECT_TRUE(window.openedGpsFiles.contains(InProgram("gps/%s1992%d/w3.gdb")));
    EXPECT_TRUE(Names(Written()).contains(u"w3-Camp"_qs));
}

} // namespace
