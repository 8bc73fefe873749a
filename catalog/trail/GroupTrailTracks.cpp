// The trail group's all-in-one GPS file: its path, the track set reloaded when the file changes,
// the track an item names, and the centre of a track.
#include "catalog/trail/GroupTrail.h"

#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "gps/GPSAngle.h"
#include "gps/GPSNameMatch.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QSet>

namespace {

const QString kGpsSection = QStringLiteral("GPS");
const QString kTrackKey = QStringLiteral("Track");


// Mean position in degrees of the points of a track; false when it has none.
bool MeanOfPoints(const CGPSFile& file, int track, double* longitude, double* latitude)
{
    GPSTrackPointList list;
    if (!file.GetTrackPoints(&list, track) || list.count <= 0 || !list.points)
        return false;
    double sumLongitude = 0, sumLatitude = 0;
    for (int i = 0; i < list.count; ++i) {
        sumLongitude += GPSAngle::ToDegrees(list.points[std::size_t(i)].longitude);
        sumLatitude += GPSAngle::ToDegrees(list.points[std::size_t(i)].latitude);
    }
    *longitude = sumLongitude / list.count;
    *latitude = sumLatitude / list.count;
    return true;
}

} // namespace

QString CGroupTrail::ItemTrackName(int item) const
{
    const TrailItemRecord* record = Record(item);
    return record ? WholeItemText(FieldText(record->path), record->Track, kTrackKey) : QString();
}

QString CGroupTrail::TrackFilePath() const
{
    QString path = platform::GetProfileString(LocalSettingsPath(), kGpsSection, gpsKey);
    if (path.isEmpty())
        path = platform::JoinPath(DataFolder(), QStringLiteral("\\") + defaultGpsFile);
    return platform::JoinPath(platform::ProgramFolder(), path);
}

CGPSFile* CGroupTrail::LoadWaypointFile(bool)
{
    const QString path = TrackFilePath();
    platform::FileTime time;
    if (!platform::GetFileWriteTime(path, &time))
        time = {};
    // Local.txt may name another file with the same time: the path counts too.
    const bool sameFile = time == trackFileTime && path == trackFilePath;
    if (trackSet.file && sameFile)
        return trackSet.file.get();
    trackFileTime = time;
    trackFilePath = path;
    trackSet.Free();
    // A file that did not open is tried at every call, and reported only when it changed.
    trackSet.Fill(OpenAllInOneFile(path, !sameFile));
    // Every track an item names is taken: the base-name look-up offers only the others.
    QSet<QString> named;
    for (int item = 0; item < ItemCount(); ++item)
        if (const TrailItemRecord* record = Record(item); record && record->Track[0] != 0)
            named.insert(ItemTrackName(item));
    for (int track = 0; track < trackSet.trackCount; ++track)
        if (named.contains(gps::NameOf(trackSet.tracks[std::size_t(track)]).toString()))
            trackSet.used[std::size_t(track)] = 1;
    return trackSet.file.get();
}

int CGroupTrail::FindItemTrack(int item)
{
    if (item < 0 || item >= ItemCount())
        return -1;
    if (const int track = trackSet.FindTrackByName(ItemTrackName(item)); track >= 0)
        return track;
    return trackSet.FindTrackByName(MappedWaypointName(item));
}

bool CGroupTrail::TrackCentre(int track, double* longitude, double* latitude) const
{
    if (!trackSet.file || track < 0 || track >= trackSet.trackCount)
        return false;
    return trackSet.GetTrackCentre(track, longitude, latitude)
           || MeanOfPoints(*trackSet.file, track, longitude, latitude);
}
