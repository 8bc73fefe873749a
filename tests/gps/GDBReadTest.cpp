// Reading GDB files written by gpsbabel (versions 107, 108, 109) and hand-made damaged ones.
#include "GpsTestSupport.h"
#include "TempDir.h"

#include "gps/gdb/GDBFile.h"
#include "gps/GPSAngle.h"
#include "gps/GPSFileManager.h"
#include "gps/GPSText.h"
#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

struct Expected {
    QString name;
    double latitude, longitude, altitude;
    QString description;
};

// The waypoints of source.gpx (gpsbabel writes the name as the description of a waypoint
// that has none).
const Expected kWaypoints[] = {
    {u"雪山主峰"_qs, 24.383333, 121.233333, 3886, u"百岳之一，三角點"_qs},
    {u"玉山"_qs, 23.47, 120.957222, 3952, u"台灣最高峰"_qs},
    {u"七星山1"_qs, 25.17, 121.55, 1120, u"七星山步道"_qs},
    {u"West"_qs, 22.75, -10.5, 0, u"West"_qs},
    {u"Sydney"_qs, -33.9, 151.2, 12.5, u"South"_qs},
};

QString Wide(const char16_t* field, int width) { return gps::FieldText(field, width).toString(); }

std::unique_ptr<CGPSFile> Open(const QString& path)
{
    CGPSFileManager manager;
    return manager.OpenFile(path);
}

void ExpectAngle(int32_t actual, double degrees)
{
    EXPECT_LE(std::llabs(int64_t(actual) - int64_t(GPSAngle::FromDegrees(degrees))), 1) << degrees;
}

void ExpectPosition(const GPSWayPointRecordW& record, const Expected& expected)
{
    ExpectAngle(record.latitude, expected.latitude);
    ExpectAngle(record.longitude, expected.longitude);
    EXPECT_NEAR(GPSAngle::ToDegrees(record.longitude), expected.longitude, 1e-6);
    EXPECT_NEAR(GPSAngle::ToDegrees(record.latitude), expected.latitude, 1e-6);
    EXPECT_DOUBLE_EQ(record.altitude, expected.altitude);
}

TEST(GDBRead, EveryWaypointFieldOfTheGpsbabelFiles)
{
    // Versions 107 and 108 hold 8-bit texts, where gpsbabel keeps only the ASCII ones.
    for (const char* name : {"gpsbabel_v1.gdb", "gpsbabel_v2.gdb", "gpsbabel_v3.gdb"}) {
        SCOPED_TRACE(name);
        const bool utf8 = QByteArray(name) == "gpsbabel_v3.gdb";
        auto file = Open(GpsFixture(name));
        ASSERT_TRUE(file);
        EXPECT_EQ(file->FormatCode(), CGPSFile::kGDB);
        ASSERT_EQ(file->GetWayPointCount(), 5);
        EXPECT_EQ(file->GetRouteCount(), 1);
        EXPECT_EQ(file->GetMapCount(), 0);
        auto records = file->NewWayPointArrayW();
        ASSERT_TRUE(records);
        for (int i = 0; i < 5; ++i) {
            SCOPED_TRACE(i);
            ExpectPosition(records[i], kWaypoints[i]); // west and south stay negative
            if (utf8 || i >= 3) {
                EXPECT_EQ(Wide(records[i].name, 64), kWaypoints[i].name);
                EXPECT_EQ(Wide(records[i].comment, 128), kWaypoints[i].description);
            }
        }
        // The 8-bit records convert UTF-8 texts to Big5.
        auto narrow = file->NewWayPointArray();
        ASSERT_TRUE(narrow);
        if (utf8) {
            EXPECT_EQ(QByteArray(narrow[0].name), platform::ToAnsi(kWaypoints[0].name));
            EXPECT_EQ(QByteArray(narrow[0].comment), platform::ToAnsi(kWaypoints[0].description));
        }
        EXPECT_EQ(QByteArray(narrow[4].name), "Sydney");
        EXPECT_DOUBLE_EQ(narrow[3].altitude, 0);
    }
}

TEST(GDBRead, TracksAndPointsFromGpsbabel)
{
    for (const char* name : {"gpsbabel_v1.gdb", "gpsbabel_v2.gdb", "gpsbabel_v3.gdb"}) {
        SCOPED_TRACE(name);
        auto file = Open(GpsFixture(name));
        ASSERT_TRUE(file);
        ASSERT_EQ(file->GetTrackCount(), 1);
        EXPECT_EQ(file->GetTrackPointTotal(), 3);
        GPSTrackRecordW track{};
        ASSERT_EQ(file->GetTracksW(&track), 1);
        EXPECT_EQ(track.pointCount, 3);
        if (QByteArray(name) == "gpsbabel_v3.gdb") { // decoded from UTF-8
            EXPECT_EQ(Wide(track.name, 32), u"七星山步道"_qs);
        }
        GPSTrackPointList list;
        ASSERT_EQ(file->GetTrackPoints(&list, 0), 1);
        ASSERT_EQ(list.count, 3);
        const double lat[] = {25.16, 25.165, 25.17}, lon[] = {121.54, 121.545, 121.55}, ele[] = {800, 950.5, 1120};
        const int32_t time[] = {1680307200, 1680309000, 1680311700};
        for (int i = 0; i < 3; ++i) {
            ExpectAngle(list.points[i].latitude, lat[i]);
            ExpectAngle(list.points[i].longitude, lon[i]);
            EXPECT_DOUBLE_EQ(list.points[i].altitude, ele[i]);
            EXPECT_EQ(list.points[i].time, time[i]);
        }
        // Past the end: success, nothing filled.
        GPSTrackPointList none;
        EXPECT_EQ(file->GetTrackPoints(&none, 1), 1);
        EXPECT_EQ(none.count, 0);
        EXPECT_EQ(file->GetTrackPoints(nullptr, 0), 0);
    }
}

} // namespace
