#include "GpsTestSupport.h"

#include "gps/GPSAngle.h"
#include "gps/GPSText.h"

#include <QProcess>
#include <QStandardPaths>

QString GpsFixture(const QString& name)
{
    return QStringLiteral(TALVANE_TEST_DATA "/gps/") + name;
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
