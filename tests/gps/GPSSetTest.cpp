// Look-ups of the waypoint and track sets, filled from files as the groups fill them.
#include "GpsTestSupport.h"

#include "gps/GPSAngle.h"
#include "gps/GPSFileManager.h"
#include "gps/GPSTrackSet.h"
#include "gps/GPSWayPointSet.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CGPSFile> WayPoints(std::initializer_list<const char16_t*> names)
{
    auto file = std::make_unique<FakeGpsFile>();
    for (const char16_t* name : names)
        file->AddWayPoint(QString::fromUtf16(name), 121, 24, 0);
    return file;
}

TEST(GPSWayPointSet, FindByNameIsExactAndFindsUsedEntries)
{
    GPSWayPointSet set;
    set.Fill(WayPoints({u"Peak", u"peak", u"Peak"}));
    ASSERT_EQ(set.count, 3);
    set.used[0] = 1;
    EXPECT_EQ(set.FindByName(u"peak"), 1);
    EXPECT_EQ(set.FindByName(u"Peak"), 0);
    EXPECT_EQ(set.FindByName(u"Pea"), -1);
    EXPECT_EQ(set.FindByName(u""), -1);
    EXPECT_EQ(set.FindByName(QStringView()), -1);
    GPSWayPointSet empty;
    EXPECT_EQ(empty.FindByName(u"Peak"), -1);
}

TEST(GPSWayPointSet, BaseNameGivesTheLastFreeMatchAndTheirNumber)
{
    GPSWayPointSet set;
    set.Fill(WayPoints({u"Peak1", u"Peak", u"Peak2", u"Peaks", u"123"}));
    int matches = -1;
    EXPECT_EQ(set.FindByBaseName(u"Peak", &matches), 2);
    EXPECT_EQ(matches, 3);
    set.used[2] = 1;
    EXPECT_EQ(set.FindByBaseName(u"Peak", &matches), 1);
    EXPECT_EQ(matches, 2);
    // A name of digits only has the empty base name, which never matches.
    EXPECT_EQ(set.FindByBaseName(u"", &matches), -1);
    EXPECT_EQ(matches, 0);
    EXPECT_EQ(set.FindByBaseName(u"Peaks", &matches), 3);
    EXPECT_EQ(matches, 1);
}

TEST(GPSWayPointSet, FillsFromAGpsbabelFileAndRefills)
{
    GPSWayPointSet set;
    set.Fill(CGPSFileManager().OpenFile(GpsFixture("gpsbabel_v3.gdb")));
    ASSERT_EQ(set.count, 5);
    int matches = 0;
    EXPECT_EQ(set.FindByBaseName(u"七星山", &matches), 2);
    EXPECT_EQ(matches, 1);
    EXPECT_EQ(set.FindByName(u"玉山"), 1);
    set.Fill(nullptr);
    EXPECT_EQ(set.count, 0);
    EXPECT_FALSE(set.file);
}

class TrackSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto file = std::make_unique<FakeGpsFile>();
        for (const char16_t* name : {u"Trail", u"Trail1", u"Trail2", u"OldTrail", u"Tr"})
            file->tracks.push_back({QString::fromUtf16(name), {}});
        file->AddWayPoint(u"a"_qs, 121.0, 24.0, 0, u"Trail2 junction"_qs);
        file->AddWayPoint(u"b"_qs, 121.2, 24.2, 0, u"Trail1 junction"_qs);
        file->AddWayPoint(u"c"_qs, 121.4, 24.4, 0, u"Trail junction"_qs);
        file->AddWayPoint(u"d"_qs, 121.6, 24.6, 0, u"Trail2 or Trail"_qs);
        file->AddWayPoint(u"e"_qs, -10.0, -5.0, 0, u"Tr"_qs);
        set.Fill(std::move(file));
    }

    GPSTrackSet set;
};

TEST_F(TrackSetTest, WaypointsOfATrackTestOnlyTheFirstMention)
{
    ASSERT_EQ(set.trackCount, 5);
    ASSERT_EQ(set.waypointCount, 5);
    int out[GPSTrackSet::kMaxRelated];
    ASSERT_EQ(set.FindWayPointsOfTrack(0, out), 2);
    EXPECT_EQ(out[0], 1);
    EXPECT_EQ(out[1], 2);
    EXPECT_EQ(set.FindWayPointsOfTrack(99, out), 0);
    EXPECT_EQ(set.FindWayPointsOfTrack(-1, out), 0);
}

TEST_F(TrackSetTest, RelatedTracksSkipTheTrackItself)
{
    int out[GPSTrackSet::kMaxRelated];
    ASSERT_EQ(set.FindRelatedTracks(0, out), 2); // Trail1, OldTrail; not Trail2
    EXPECT_EQ(out[0], 1);
    EXPECT_EQ(out[1], 3);
    ASSERT_EQ(set.FindRelatedTracks(4, out), 4); // "Tr" is in every other name
}

TEST_F(TrackSetTest, CentreIsTheMeanOfTheTracksWaypoints)
{
    double lon = 7, lat = 7;
    ASSERT_TRUE(set.GetTrackCentre(0, &lon, &lat));
    EXPECT_NEAR(lon, 121.3, 1e-6);
    EXPECT_NEAR(lat, 24.3, 1e-6);
    lon = lat = 7;
    EXPECT_FALSE(set.GetTrackCentre(3, &lon, &lat));
    EXPECT_EQ(lon, 7);
    EXPECT_EQ(lat, 7);
}

TEST_F(TrackSetTest, BaseNameAndUsedFlagsOfTracks)
{
    int matches = 0;
    EXPECT_EQ(set.FindTrackByBaseName(u"Trail", &matches), 2);
    EXPECT_EQ(matches, 3);
    set.used[2] = 1;
    EXPECT_EQ(set.FindTrackByBaseName(u"Trail", &matches), 1);
    EXPECT_EQ(set.FindTrackByName(u"Trail2"), 2);
}

TEST(GPSTrackSet, AnEmptyTrackNameMatchesNothing)
{
    auto file = std::make_unique<FakeGpsFile>();
    file->tracks.push_back({QString(), {}});
    file->tracks.push_back({u"A"_qs, {}});
    file->AddWayPoint(u"w"_qs, 121, 24, 0, u"anything"_qs);
    GPSTrackSet set;
    set.Fill(std::move(file));
    int out[GPSTrackSet::kMaxRelated];
    EXPECT_EQ(set.FindWayPointsOfTrack(0, out), 0);
    EXPECT_EQ(set.FindRelatedTracks(0, out), 0);
}

TEST(GPSTrackSet, AtMost32Indexes)
{
    auto file = std::make_unique<FakeGpsFile>();
    file->tracks.push_back({u"T"_qs, {}});
    for (int i = 0; i < 40; ++i) {
        file->tracks.push_back({u"T-"_qs + QString::number(i), {}});
        file->AddWayPoint(u"w"_qs, 121, 24, 0, u"T"_qs);
    }
    GPSTrackSet set;
    set.Fill(std::move(file));
    int out[GPSTrackSet::kMaxRelated];
    EXPECT_EQ(set.FindWayPointsOfTrack(0, out), 32);
    EXPECT_EQ(set.FindRelatedTracks(0, out), 32);
    EXPECT_EQ(out[31], 32);
}

} // namespace
