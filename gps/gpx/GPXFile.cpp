#include "gps/gpx/GPXFile.h"

#include "gps/GPSAngle.h"
#include "gps/GPSRecordList.h"
#include "gps/GPSSymbols.h"
#include "gps/GPSText.h"
#include "gps/gpx/GPXText.h"
#include "platform/CodePage.h"

namespace {

void FillPoint(GPSTrackPoint* out, const GPXTrackPoint& point)
{
    out->longitude = GPSAngle::FromDegrees(point.longitude);
    out->latitude = GPSAngle::FromDegrees(point.latitude);
    out->altitude = point.elevation;
    gps::gpx::ParseTime(point.time, &out->time);
}

// Name and desc decoded from UTF-8; the angles in the exchange unit.
void FillWayPointW(const CGPXTagWayPoint& waypoint, GPSWayPointRecordW& record)
{
    gps::CopyToField(record.name, GPSWayPointRecordW::kNameSize, platform::FromUtf8(waypoint.name));
    gps::CopyToField(record.comment, GPSWayPointRecordW::kCommentSize, platform::FromUtf8(waypoint.desc));
    record.longitude = GPSAngle::FromDegrees(waypoint.longitude);
    record.latitude = GPSAngle::FromDegrees(waypoint.latitude);
    record.altitude = waypoint.elevation;
}

} // namespace

CGPXFile::CGPXFile() : CGPSFile(kGPX) {}
CGPXFile::~CGPXFile() = default;

std::unique_ptr<CGPSFile> CGPXFile::NewFile() const { return std::make_unique<CGPXFile>(); }
QString CGPXFile::GetExtension() const { return QStringLiteral("gpx"); }
QString CGPXFile::GetDescription() const { return QStringLiteral("GPS Exchange 檔"); }

std::unique_ptr<CGPSFile> CGPXFile::LoadFile(const QString& path, int* recognised) const
{
    return LoadWhole(path, recognised, &CGPXFile::Load);
}

bool CGPXFile::Load(QByteArrayView bytes, int* recognised)
{
    if (bytes.startsWith(kByteOrderMark))
        bytes = bytes.sliced(kByteOrderMark.size());
    QByteArrayView body;
    if (!header_.Parse(bytes, &body))
        return false;
    *recognised = 1;
    return ParseBody(body);
}

bool CGPXFile::ParseBody(QByteArrayView body)
{
    using namespace gps::gpx;
    for (qsizetype at = 0;;) {
        at = NextMarkup(body, at);
        qsizetype end = 0;
        if (at < 0 || at + 1 >= body.size() || IsEndTag(body, at, "gpx", &end))
            return true;
        const QByteArrayView name = StartTagName(body, at);
        bool read = true;
        if (name == CGPXTagWayPoint::kTag) {
            read = waypoints_.Parse(body, at, &end);
        } else if (name == CGPXTagTrack::kTag) {
            read = tracks_.Parse(body, at, &end);
        } else if (!name.isEmpty()) {
            GPXElement element; // metadata out of place, routes, extensions
            read = ReadElement(body, at, name, &element) == GPXFind::Found;
            end = element.end;
        } else {
            end = at + 1; // a stray end tag, a processing instruction
        }
        if (!read)
            return false;
        at = end;
    }
}

int CGPXFile::GetWayPointCount() const { return waypoints_.count(); }

int CGPXFile::GetWayPoints(GPSWayPointRecord* records) const
{
    return gps::FillEach(waypoints_.items, records, [](const CGPXTagWayPoint& waypoint, GPSWayPointRecord& record) {
        gps::Utf8ToAnsi(record.name, GPSWayPointRecord::kNameSize, waypoint.name, true);
        gps::Utf8ToAnsi(record.comment, GPSWayPointRecord::kCommentSize, waypoint.desc, true);
        record.longitude = GPSAngle::FromDegrees(waypoint.longitude);
        record.latitude = GPSAngle::FromDegrees(waypoint.latitude);
        record.altitude = waypoint.elevation;
    });
}

int CGPXFile::GetWayPointsW(GPSWayPointRecordW* records) const
{
    return gps::FillEach(waypoints_.items, records, FillWayPointW);
}

int CGPXFile::GetWayPointW(int index, GPSWayPointRecordW* record) const
{
    return gps::FillAt(waypoints_.items, index, record, FillWayPointW);
}

// The sym element names the symbol ("Summit").
int16_t CGPXFile::GetWayPointSymbol(int index) const
{
    return gps::SymbolAt(waypoints_.items, index, [](const CGPXTagWayPoint& waypoint) {
        return GPSSymbols::MPSCodeOfName(platform::FromUtf8(waypoint.sym));
    });
}

int CGPXFile::GetTrackCount() const { return tracks_.count(); }
int CGPXFile::GetTrackPointTotal() const { return gps::PointTotal(tracks_.items); }

int CGPXFile::GetTracks(GPSTrackRecord* records) const
{
    return gps::FillTrackRecords(tracks_.items, records, [](const CGPXTagTrack& track, char* name) {
        gps::Utf8ToAnsi(name, GPSTrackRecord::kNameSize, track.name, true);
    });
}

int CGPXFile::GetTracksW(GPSTrackRecordW* records) const
{
    if (tracks_.items.empty())
        return 0;
    return gps::FillTrackRecords(tracks_.items, records, [](const CGPXTagTrack& track, char16_t* name) {
        gps::CopyToField(name, GPSTrackRecordW::kNameSize, platform::FromUtf8(track.name));
    });
}

int CGPXFile::GetTrackPoints(GPSTrackPointList* out, int index) const
{
    return gps::FillTrackPoints(
        tracks_.items, index, out,
        [](const CGPXTagTrack& track, char* name) {
            gps::Utf8ToAnsi(name, GPSTrackPointList::kNameSize, track.name, true);
        },
        FillPoint);
}
