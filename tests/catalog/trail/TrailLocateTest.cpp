// Locating a trail by its track in the all-in-one file: the order in which the track is found,
// the track picker, the radius and online forms, a track without waypoints or points, the
// reload when the file changes, and the file handed to the GPS software as gpsbabel reads it.
#include "TrailGpsTestSupport.h"

#include "gps/GPSNameMatch.h"
#include "platform/FileTime.h"

#include <QFile>

namespace {

using namespace trail_test;

// The online map page carries the centre, latitude first, with six decimals.
const QString kCentreOnline = QStringLiteral("mlat=23.001000&mlon=121.001000");
const QString kLonelyOnline = QStringLiteral("mlat=23.700000&mlon=121.700000");

class TrailLocateTest : public TrailGpsFixture {
protected:
    int TrackIndex(const char* name)
    {
        trails->LoadWaypointFile(false);
        return trails->GetTrackSet()->FindTrackByName(QString::fromUtf8(name));
    }
};

TEST_F(TrailLocateTest, TrackIsFoundByTrackThenMappingThenSingleBaseName)
{
    REQUIRE_GPSBABEL();
    struct Case {
        const char* trail;
        bool shift;
        QStringList shown;  // empty: nothing handed over
        bool picker;
    } const cases[] = {
        // Track wins over the mapping the file also has.
        {"a_own", false, {QStringLiteral("Own_Track")}, false},
        {"b_mapped", false, {QStringLiteral("Mapped_Track")}, false},
        {"c_base", false, {QStringLiteral("合歡步道1")}, false},
        // Track longer than the record holds: the item file's whole value.
        {"g_long", false, {QStringLiteral("LongTrailTrackName")}, false},
        // Two base-name matches, and none: the picker, which picks nothing here.
        {"d_many", false, {}, true},
        {"h_nowhere", false, {}, true},
        // Shift skips only the base-name search.
        {"c_base", true, {}, true},
        {"b_mapped", true, {QStringLiteral("Mapped_Track")}, false},
        {"e_centre", true, {QStringLiteral("Centre"), QStringLiteral("CentreSpur")}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.trail << (c.shift ? " shift" : ""));
        shell.opened.clear();
        dialogs.trackPicks.clear();
        keyboard.shiftDown = c.shift;
        EXPECT_TRUE(Locate(c.trail, 0, false));
        EXPECT_EQ(ShownTracks(), c.shown);
        EXPECT_EQ(shell.opened.isEmpty(), c.shown.isEmpty());
        ASSERT_EQ(dialogs.trackPicks.size(), c.picker ? 1 : 0);
        if (c.picker) {
            const PickerRequest& request = dialogs.trackPicks.first();
            EXPECT_EQ(request.group, trails);
            EXPECT_EQ(request.item, Item(trails, c.trail));
            EXPECT_EQ(request.mappingFile, root + QStringLiteral("/data/Mapping.txt"));
            EXPECT_EQ(request.tracks, trails->GetTrackSet());
            EXPECT_EQ(request.waypoints, nullptr);
        }
    }
    EXPECT_TRUE(dialogs.waypointPicks.isEmpty());
}

TEST_F(TrailLocateTest, TrackPickedInThePickerIsLocatedWheneverReturned)
{
    REQUIRE_GPSBABEL();
    struct Case {
        const char* trail;
        bool shift;
        const char* picked;  // null: the picker returns -1
        QStringList shown;
    } const cases[] = {
        {"d_many", false, "向陽步道2", {QStringLiteral("向陽步道2")}},
        {"h_nowhere", false, "Mapped_Track", {QStringLiteral("Mapped_Track")}},
        {"c_base", true, "Lonely", {QStringLiteral("Lonely")}},
        {"d_many", false, nullptr, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.trail << " picks " << (c.picked ? c.picked : "nothing"));
        shell.opened.clear();
        keyboard.shiftDown = c.shift;
        dialogs.pick = c.picked ? TrackIndex(c.picked) : -1;
        ASSERT_TRUE(!c.picked || dialogs.pick >= 0);
        EXPECT_TRUE(Locate(c.trail, 0, false));
        EXPECT_EQ(ShownTracks(), c.shown);
    }
}

TEST_F(TrailLocateTest, PickBeyondTheSetOpensNothing)
{
    dialogs.pick = TrackIndex("Centre") + 1000;
    EXPECT_TRUE(Locate("h_nowhere", 0, false));
    EXPECT_TRUE(Locate("h_nowhere", 0, true));
    EXPECT_EQ(dialogs.trackPicks.size(), 2);
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(TrailLocateTest, RadiusAddsTracksWhoseCentresLieWithinIt)
{
    REQUIRE_GPSBABEL();
    // NearNE's centre lies about 0.041 degrees from Centre's, FarNE's about 0.055; the related
    // CentreSpur comes in once, with the track.
    struct Case {
        int radius;
        QStringList tracks, waypoints;
    } const cases[] = {
        {0, {"Centre", "CentreSpur"}, {"CentreHut", "CentreSpring"}},
        {5, {"Centre", "CentreSpur", "NearNE"}, {"CentreHut", "CentreSpring", "NearHut"}},
        {10, {"Centre", "CentreSpur", "NearNE", "FarNE"},
         {"CentreHut", "CentreSpring", "NearHut", "FarHut"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "radius " << c.radius);
        shell.opened.clear();
        EXPECT_TRUE(Locate("e_centre", c.radius, false));
        const std::optional<GpxContent> shown = Shown();
        ASSERT_TRUE(shown);
        EXPECT_EQ(TrackNames(*shown), c.tracks);
        EXPECT_EQ(WaypointNames(*shown), c.waypoints);
    }
    EXPECT_EQ(window.openedGpsFiles.size(), 1) << "the file read once for every locate";
}

TEST_F(TrailLocateTest, HandedOverFileHoldsTheWholeTrackAsGpsbabelReadsTheSource)
{
    REQUIRE_GPSBABEL();
    GpxContent source;
    ASSERT_TRUE(GpsbabelReading(AllInOneFile(), &source, QStringLiteral("gdb")));
    EXPECT_TRUE(Locate("e_centre", 0, false));
    const std::optional<GpxContent> shown = Shown();
    ASSERT_TRUE(shown);
    for (const char* name : {"Centre", "CentreSpur"}) {
        const GpxTrack* from = FindTrack(source, QString::fromUtf8(name));
        const GpxTrack* to = FindTrack(*shown, QString::fromUtf8(name));
        ASSERT_TRUE(from && to) << name;
        ExpectSamePoints(*to, *from);
    }
    for (const GpxWaypoint& w : shown->waypoints) {
        SCOPED_TRACE(qPrintable(w.name));
        const auto from = std::find_if(source.waypoints.begin(), source.waypoints.end(),
                                       [&](const GpxWaypoint& s) { return s.name == w.name; });
        ASSERT_NE(from, source.waypoints.end());
        EXPECT_NEAR(w.position.lat, from->position.lat, kDegreeTolerance);
        EXPECT_NEAR(w.position.lon, from->position.lon, kDegreeTolerance);
        EXPECT_EQ(w.cmt, from->cmt);
    }
}

TEST_F(TrailLocateTest, OnlineMapOpensAtTheTrackCentre)
{
    // Centre: the mean of the waypoints that name it; Lonely (named by none): of its points.
    EXPECT_TRUE(Locate("e_centre", 0, true));
    EXPECT_TRUE(Locate("f_lonely", 0, true));
    ASSERT_EQ(shell.opened.size(), 2);
    EXPECT_TRUE(shell.opened[0].contains(kCentreOnline)) << qPrintable(shell.opened[0]);
    EXPECT_TRUE(shell.opened[1].contains(kLonelyOnline)) << qPrintable(shell.opened[1]);
}

TEST_F(TrailLocateTest, TrackWithoutWaypointsIsLocatedByItsPoints)
{
    REQUIRE_GPSBABEL();
    // Lonely lies far from every other track: a radius adds nothing.
    EXPECT_TRUE(Locate("f_lonely", 10, false));
    EXPECT_EQ(ShownTracks(), QStringList{QStringLiteral("Lonely")});
}

TEST_F(TrailLocateTest, TrackWithoutPointsOrWaypointsOpensNoOnlineMap)
{
    ASSERT_TRUE(QFile::copy(Fixture(QStringLiteral("empty.gpx")), root + QStringLiteral("/empty.gpx")));
    UseAllInOneFile(trails->GpsKey(), QStringLiteral("empty.gpx"));
    dialogs.pick = TrackIndex("Empty");
    ASSERT_GE(dialogs.pick, 0);
    EXPECT_TRUE(Locate("h_nowhere", 0, true));
    EXPECT_TRUE(Locate("h_nowhere", 5, false));
    EXPECT_EQ(dialogs.trackPicks.size(), 2);
    for (const QString& opened : shell.opened)
        EXPECT_EQ(opened, TempFile()) << "no online page";
}

TEST_F(TrailLocateTest, TrackSetIsReloadedWhenTheFileTimeChanges)
{
    EXPECT_TRUE(Locate("e_centre", 0, true));
    EXPECT_TRUE(Locate("e_centre", 0, true));
    EXPECT_EQ(window.openedGpsFiles, QStringList{AllInOneFile()});
    platform::FileTime time;
    ASSERT_TRUE(platform::GetFileWriteTime(AllInOneFile(), &time));
    time.ns += platform::FileTime::kNsPerSecond;
    ASSERT_TRUE(platform::SetFileWriteTime(AllInOneFile(), time));
    EXPECT_TRUE(Locate("e_centre", 0, true));
    EXPECT_EQ(window.openedGpsFiles.size(), 2);
    EXPECT_EQ(shell.opened.size(), 3);
}

TEST_F(TrailLocateTest, TracksThatItemsNameAreTaken)
{
    ASSERT_NE(trails->LoadWaypointFile(true), nullptr);
    const GPSTrackSet& set = *trails->GetTrackSet();
    QStringList taken;
    for (int i = 0; i < set.trackCount; ++i)
        if (set.used[std::size_t(i)])
            taken << gps::NameOf(set.tracks[std::size_t(i)]).toString();
    taken.sort();
    EXPECT_EQ(taken, (QStringList{"Centre", "Lonely", "LongTrailTrackName", "NearNE", "Own_Track"}));
}

TEST_F(TrailLocateTest, WithoutAllInOneFileNothingHappens)
{
    UseAllInOneFile(trails->GpsKey(), QStringLiteral("data/missing.gdb"));
    EXPECT_TRUE(Locate("e_centre", 5, false));
    EXPECT_TRUE(Locate("h_nowhere", 0, true));
    EXPECT_EQ(window.openedGpsFiles.size(), 2) << "a file that did not open is tried again";
    EXPECT_TRUE(dialogs.trackPicks.isEmpty());
    EXPECT_TRUE(shell.opened.isEmpty());
    FakeItemList list;
    EXPECT_FALSE(trails->LocateRow(&list, 0, 0, false));
}

TEST_F(TrailLocateTest, AnUnreadableAllInOneFileIsReportedOnce)
{
    QFile file(AllInOneFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_TRUE(file.write(QByteArray(2048, '\x5A') + "no track here") > 0);
    file.close();
    EXPECT_TRUE(Locate("e_centre", 5, false));
    EXPECT_TRUE(Locate("h_nowhere", 0, true));
    EXPECT_EQ(window.openedGpsFiles.size(), 2);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(messages.shown[0].text.contains(AllInOneFile())) << qPrintable(messages.shown[0].text);
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(TrailLocateTest, AllInOneFilePathComesFromLocalSettings)
{
    EXPECT_EQ(trails->TrackFilePath(), AllInOneFile());
    UseAllInOneFile(trails->GpsKey(), QStringLiteral("gps\\all.gpx"));
    EXPECT_EQ(trails->TrackFilePath(), root + QStringLiteral("/gps/all.gpx"));
    UseAllInOneFile(trails->GpsKey(), QStringLiteral("/elsewhere/all.gdb"));
    EXPECT_EQ(trails->TrackFilePath(), QStringLiteral("/elsewhere/all.gdb"));
}

} // namespace
