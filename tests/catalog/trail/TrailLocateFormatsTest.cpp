// Locating an old trail through an all-in-one file in the formats a GPS receiver or its
// software leaves (GTM written by gpsbabel; EVO and WTR built from the formats' layout tables):
// the GDB file handed to the GPS software holds the whole track, as gpsbabel reads it back.
#include "TrailGpsTestSupport.h"

#include "EvoBuilder.h"
#include "WtrBuilder.h"

#include <bit>
#include <cmath>

namespace {

using namespace trail_test;

const QString kTrackName = QStringLiteral("FmtTrack");
const QString kOldTrailKey = QStringLiteral("AllOTFile");

// FmtTrack of formats.gpx, in degrees (latitude, longitude), and its height.
struct SourcePoint {
    double lat, lon;
    float height;
};
const SourcePoint kPoints[] = {
    {23.4, 121.3, 900.0f},
    {23.4012, 121.3021, 925.5f},
    {23.4035, 121.3044, 950.0f},
    {23.4051, 121.3080, 940.0f},
};
const SourcePoint kHut = {23.4, 121.3, 900.0f};

// The formats' angle unit: degrees x (2^32 - 1) / 360.
int32_t Angle(double degrees)
{
    return int32_t(std::llround(degrees * 4294967295.0 / 360.0));
}

GpxTrack SourceTrack()
{
    GpxTrack track;
    track.name = kTrackName;
    for (const SourcePoint& p : kPoints)
        track.points.push_back(GpxPoint{p.lat, p.lon, double(p.height), {}});
    return track;
}

QByteArray EvoFile()
{
    EvoBuilder b;
    EvoWayPointFields hut;
    hut.latitude = Angle(kHut.lat);
    hut.longitude = Angle(kHut.lon);
    hut.heightBits = std::bit_cast<uint32_t>(kHut.height);
    hut.identifier = "FmtHut";
    hut.comment = kTrackName.toLatin1() + " hut";
    b.waypoints = {hut};
    EvoTrackFields track;
    track.name = kTrackName.toLatin1();
    for (const SourcePoint& p : kPoints)
        track.points.push_back({Angle(p.lat), Angle(p.lon), 0, std::bit_cast<uint32_t>(p.height), 0,
                                &p == kPoints ? 1 : 0});
    b.tracks = {track};
    return b.Build();
}

// WTR waypoints carry no comment: no waypoint names the track.
QByteArray WtrFile()
{
    WtrBuilder b;
    b.waypoints = {WtrWayPointFields{"FmtHut", Angle(kHut.lat), Angle(kHut.lon),
                                     std::bit_cast<uint32_t>(kHut.height)}};
    WtrTrackFields track;
    track.name = kTrackName.toLatin1();
    for (const SourcePoint& p : kPoints)
        track.points.push_back({Angle(p.lat), Angle(p.lon), 0, std::bit_cast<uint32_t>(p.height), 0,
                                uint8_t(&p == kPoints ? 1 : 0)});
    b.tracks = {track};
    return b.Build();
}

QString Unpadded(QString name)
{
    while (name.endsWith(u' '))
        name.chop(1);
    return name;
}

class TrailLocateFormatsTest : public TrailGpsFixture {
protected:
    void SetUp() override
    {
        TrailGpsFixture::SetUp();
        oldTrails = dynamic_cast<CGroupTrail*>(table.GetGroup(1, nullptr));
        ASSERT_NE(oldTrails, nullptr);
        ASSERT_EQ(oldTrails->GpsKey(), kOldTrailKey);
    }

    // Locates the old trail through the file and checks what gpsbabel reads back: the whole
    // track and the waypoints that name it.
    void ExpectLocatedThrough(const QString& fileName, const GpxTrack& source,
                              const QStringList& waypoints)
    {
        UseAllInOneFile(kOldTrailKey, fileName);
        EXPECT_TRUE(Locate("x_format", 0, false, oldTrails));
        EXPECT_TRUE(dialogs.trackPicks.isEmpty());
        const std::optional<GpxContent> shown = Shown();
        ASSERT_TRUE(shown);
        ASSERT_EQ(TrackNames(*shown), QStringList{kTrackName});
        ExpectSamePoints(shown->tracks.front(), source);
        QStringList names;
        for (const GpxWaypoint& w : shown->waypoints) {
            names << Unpadded(w.name);
            EXPECT_NEAR(w.position.lat, kHut.lat, kDegreeTolerance);
            EXPECT_NEAR(w.position.lon, kHut.lon, kDegreeTolerance);
        }
        EXPECT_EQ(names, waypoints);
    }

    CGroupTrail* oldTrails = nullptr;
};

TEST_F(TrailLocateFormatsTest, GtmWrittenByGpsbabel)
{
    REQUIRE_GPSBABEL();
    ASSERT_TRUE(QFile::copy(Fixture(QStringLiteral("formats.gtm")), root + QStringLiteral("/formats.gtm")));
    GpxContent source;
    ASSERT_TRUE(GpsbabelReading(Fixture(QStringLiteral("formats.gtm")), &source, QStringLiteral("gtm")));
    const GpxTrack* track = FindTrack(source, kTrackName);
    ASSERT_NE(track, nullptr);
    ExpectSamePoints(*track, SourceTrack());
    ExpectLocatedThrough(QStringLiteral("formats.gtm"), *track, {QStringLiteral("FmtHut")});
}

TEST_F(TrailLocateFormatsTest, EvoBuiltFromTheLayout)
{
    REQUIRE_GPSBABEL();
    dir.write(QStringLiteral("program/formats.evo"), EvoFile());
    ExpectLocatedThrough(QStringLiteral("formats.evo"), SourceTrack(), {QStringLiteral("FmtHut")});
}

TEST_F(TrailLocateFormatsTest, WtrBuiltFromTheLayout)
{
    REQUIRE_GPSBABEL();
    dir.write(QStringLiteral("program/formats.wtr"), WtrFile());
    ExpectLocatedThrough(QStringLiteral("formats.wtr"), SourceTrack(), {});
}

} // namespace
