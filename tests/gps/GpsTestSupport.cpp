#include "GpsTestSupport.h"

#include "gps/GPSAngle.h"
#include "gps/GPSText.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <vector>

QString GpsFixture(const QString& name)
{
    return QStringLiteral(TALVANE_TEST_DATA "/gps/") + name;
}

QString HeldInUtf8Field(const QString& text)
{
    constexpr int kMaxBytes = 127;
    QString held;
    int bytes = 0;
    for (const char32_t c : text.toUcs4()) {
        bytes += c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        if (bytes > kMaxBytes)
            break;
        held += QString::fromUcs4(&c, 1);
    }
    return held;
}

void ExpectConsistentHandOuts(const CGPSFile& file)
{
    const int count = file.GetWayPointCount();
    ASSERT_GE(count, 0);
    EXPECT_EQ(bool(file.NewWayPointArrayW()), count > 0);
    EXPECT_EQ(bool(file.NewWayPointArray()), count > 0);
    GPSWayPointRecordW one{};
    for (int i = 0; i < count; ++i)
        EXPECT_EQ(file.GetWayPointW(i, &one), 1) << i;
    EXPECT_EQ(file.GetWayPointW(-1, &one), 0);
    EXPECT_EQ(file.GetWayPointW(count, &one), 0);

    const int tracks = file.GetTrackCount();
    ASSERT_GE(tracks, 0);
    std::vector<GPSTrackRecordW> wide(size_t(tracks) + 1);
    std::vector<GPSTrackRecord> narrow(size_t(tracks) + 1);
    if (tracks > 0) {
        EXPECT_NE(file.GetTracksW(wide.data()), 0);
        EXPECT_NE(file.GetTracks(narrow.data()), 0);
    }
    int64_t total = 0;
    for (int i = 0; i < tracks; ++i) {
        GPSTrackPointList list;
        ASSERT_EQ(file.GetTrackPoints(&list, i), 1) << i;
        EXPECT_EQ(list.count, wide[size_t(i)].pointCount) << i;
        EXPECT_EQ(list.count, narrow[size_t(i)].pointCount) << i;
        EXPECT_TRUE(list.count == 0 || list.points) << i;
        total += list.count;
    }
    EXPECT_EQ(total, file.GetTrackPointTotal());
    for (int outside : {-1, tracks}) {
        GPSTrackPointList list;
        EXPECT_EQ(file.GetTrackPoints(&list, outside), 1);
        EXPECT_EQ(list.count, 0);
        EXPECT_FALSE(list.points);
    }
}

void FakeGpsFile::AddWayPoint(const QString& name, double longitude, double latitude, double altitude,
                              const QString& comment)
{
    GPSWayPointRecordW record{};
    gps::CopyToField(record.name, GPSWayPointRecordW::kNameSize, name);
    gps::CopyToField(record.comment, GPSWayPointRecordW::kCommentSize, comment);
    record.longitude = GPSAngle::FromDegrees(longitude);
    record.latitude = GPSAngle::FromDegrees(latitude);
    record.altitude = altitude;
    waypoints.push_back(record);
}

int FakeGpsFile::GetWayPointsW(GPSWayPointRecordW* records) const
{
    if (!records)
        return 0;
    std::copy(waypoints.begin(), waypoints.end(), records);
    return 1;
}

int FakeGpsFile::GetTracksW(GPSTrackRecordW* records) const
{
    if (!records || tracks.empty())
        return 0;
    for (const Track& track : tracks) {
        gps::CopyToField(records->name, GPSTrackRecordW::kNameSize, track.name);
        records->pointCount = int32_t(track.points.size());
        records->reserved = 0;
        ++records;
    }
    return 1;
}

int FakeGpsFile::GetTrackPoints(GPSTrackPointList* out, int index) const
{
    if (!out)
        return 0;
    if (index < 0 || index >= int(tracks.size()))
        return 1;
    const Track& track = tracks[size_t(index)];
    out->count = int32_t(track.points.size());
    out->points.reset(new GPSTrackPoint[track.points.size()]);
    std::copy(track.points.begin(), track.points.end(), out->points.get());
    return 1;
}
