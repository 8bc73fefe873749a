#include "gps/kml/KMLFile.h"

#include "gps/GPSAngle.h"
#include "gps/GPSRecordList.h"
#include "gps/GPSText.h"
#include "gps/kml/KMLHeader.h"
#include "platform/CodePage.h"

namespace {

void FillPoint(GPSTrackPoint* out, const gps::kml::KMLPoint& point)
{
    out->longitude = GPSAngle::FromDegrees(point.longitude);
    out->latitude = GPSAngle::FromDegrees(point.latitude);
    out->altitude = point.altitude;
    out->time = 0;
}

// Name and description decoded from UTF-8; the angles in the exchange unit.
void FillWayPointW(const CKMLTagWayPoint& waypoint, GPSWayPointRecordW& record)
{
    gps::CopyToField(record.name, GPSWayPointRecordW::kNameSize, platform::FromUtf8(waypoint.name));
    gps::CopyToField(record.comment, GPSWayPointRecordW::kCommentSize, platform::FromUtf8(waypoint.description));
    record.longitude = GPSAngle::FromDegrees(waypoint.longitude);
    record.latitude = GPSAngle::FromDegrees(waypoint.latitude);
    record.altitude = waypoint.altitude;
}

} // namespace

CKMLFile::CKMLFile() : CGPSFile(kKML) {}
CKMLFile::~CKMLFile() = default;

std::unique_ptr<CGPSFile> CKMLFile::NewFile() const { return std::make_unique<CKMLFile>(); }
QString CKMLFile::GetExtension() const { return QStringLiteral("kml"); }
QString CKMLFile::GetDescription() const { return QStringLiteral("Keyhole Markup 檔"); }

std::unique_ptr<CGPSFile> CKMLFile::LoadFile(const QString& path, int* recognised) const
{
    return LoadWhole(path, recognised, &CKMLFile::Load);
}

bool CKMLFile::Load(QByteArrayView bytes, int* recognised)
{
    if (bytes.startsWith(kByteOrderMark))
        bytes = bytes.sliced(kByteOrderMark.size());
    QByteArrayView body;
    if (!CKMLHeader::Parse(bytes, &body))
        return false;
    *recognised = 1;
    return waypoints_.Parse(body) && tracks_.Parse(body);
}

int CKMLFile::GetWayPointCount() const { return waypoints_.count(); }

int CKMLFile::GetWayPoints(GPSWayPointRecord* records) const
{
    return gps::FillEach(waypoints_.items, records, [](const CKMLTagWayPoint& waypoint, GPSWayPointRecord& record) {
        gps::Utf8ToAnsi(record.name, GPSWayPointRecord::kNameSize, waypoint.name, true);
        gps::Utf8ToAnsi(record.comment, GPSWayPointRecord::kCommentSize, waypoint.description, true);
        record.longitude = GPSAngle::FromDegrees(waypoint.longitude);
        record.latitude = GPSAngle::FromDegrees(waypoint.latitude);
        record.altitude = waypoint.altitude;
    });
}

int CKMLFile::GetWayPointsW(GPSWayPointRecordW* records) const
{
    return gps::FillEach(waypoints_.items, records, FillWayPointW);
}

int CKMLFile::GetWayPointW(int index, GPSWayPointRecordW* record) const
{
    return gps::FillAt(waypoints_.items, index, record, FillWayPointW);
}

int CKMLFile::GetTrackCount() const { return tracks_.count(); }
int CKMLFile::GetTrackPointTotal() const { return gps::PointTotal(tracks_.items); }

int CKMLFile::GetTracks(GPSTrackRecord* records) const
{
    return gps::FillTrackRecords(tracks_.items, records, [](const CKMLTagTrack& track, char* name) {
        gps::Utf8ToAnsi(name, GPSTrackRecord::kNameSize, track.name, true);
    });
}

int CKMLFile::GetTracksW(GPSTrackRecordW* records) const
{
    if (tracks_.items.empty())
        return 0;
    return gps::FillTrackRecords(tracks_.items, records, [](const CKMLTagTrack& track, char16_t* name) {
        gps::CopyToField(name, GPSTrackRecordW::kNameSize, platform::FromUtf8(track.name));
    });
}

int CKMLFile::GetTrackPoints(GPSTrackPointList* out, int index) const
{
    return gps::FillTrackPoints(
        tracks_.items, index, out,
        [](const CKMLTagTrack& track, char* name) {
            gps::Utf8ToAnsi(name, GPSTrackPointList::kNameSize, track.name, true);
        },
        FillPoint);
}
