// Locating a trail by its track: the track with its waypoints, related tracks and, within a
// radius, the tracks nearby, handed to the GPS software in a GDB file; or an online map at the
// track's centre.
#include "catalog/trail/GroupTrail.h"

#include "catalog/GroupTable.h"
#include "catalog/OnlineMap.h"
#include "catalog/WaypointExport.h"
#include "catalog/records/RecordText.h"
#include "catalog/trail/TrackExport.h"
#include "catalog/window/IDialogRunner.h"
#include "catalog/window/IKeyboard.h"
#include "catalog/window/WindowServices.h"
#include "gps/gdb/GDBFile.h"
#include "platform/Shell.h"

#include <cmath>

namespace {

const QString kTempTrackFile = QStringLiteral("~~TempOT.gdb");
// A locate radius counts hundredths of a degree.
constexpr double kRadiusUnitsPerDegree = 100.0;

bool ShiftHeld(const WindowServices* services)
{
    return services && services->keyboard && services->keyboard->IsShiftDown();
}

platform::IShell* ShellOf(const WindowServices* services)
{
    return services ? services->shell : nullptr;
}

// Adds every track not in the file yet whose centre lies within radius hundredths of a degree
// of the track's centre, with its waypoints; a track without a centre is not compared.
void AddNearbyTracks(const CGroupTrail& group, const GPSTrackSet& set, CGDBFile* gdb, int track,
                     int radius, track_export::TrackIndexes* present)
{
    double longitude = 0, latitude = 0;
    if (!group.TrackCentre(track, &longitude, &latitude))
        return;
    for (int other = 0; other < set.trackCount; ++other) {
        double otherLongitude = 0, otherLatitude = 0;
        if (present->count(other) || !group.TrackCentre(other, &otherLongitude, &otherLatitude))
            continue;
        const double distance = std::hypot(otherLongitude - longitude, otherLatitude - latitude);
        if (radius >= kRadiusUnitsPerDegree * distance)
            track_export::AddTrackWithWaypoints(gdb, set, other, present);
    }
}

// The track with its waypoints and related tracks (and those nearby for a radius above 0)
// written for the GPS software, which opens the file when it was saved.
void ShowTrackFile(const CGroupTrail& group, const GPSTrackSet& set, int track, int radius)
{
    CGDBFile gdb;
    track_export::TrackIndexes present;
    if (!track_export::AddTrackWithRelated(&gdb, set, track, &present))
        return;
    if (radius > 0)
        AddNearbyTracks(group, set, &gdb, track, radius, &present);
    // An older file left in place would show the wrong track: open only what was written now.
    waypoint_export::SaveAndOpen(gdb, group.Services(), kTempTrackFile);
}

// The online map at the track's centre; nothing for a track without one.
void ShowTrackOnline(const CGroupTrail& group, int track)
{
    double longitude = 0, latitude = 0;
    platform::IShell* shell = ShellOf(group.Services());
    if (shell && group.TrackCentre(track, &longitude, &latitude))
        shell->Open(OnlineMapAddress(latitude, longitude));
}

// The track of an item by its Track or Mapping.txt entry, else, unless Shift is held, the only
// free track whose base name is the item's name; -1 when none decides.
int ChooseTrack(CGroupTrail& group, int item)
{
    if (const int track = group.FindItemTrack(item); track >= 0)
        return track;
    const TrailItemRecord* record = group.Record(item);
    if (!record || ShiftHeld(group.Services()))
        return -1;
    int matches = 0;
    const int track = group.GetTrackSet()->FindTrackByBaseName(FieldText(record->Name), &matches);
    return matches == 1 ? track : -1;
}

} // namespace

bool CGroupTrail::LocateRow(IItemList* list, int row, int radius, bool online)
{
    const int item = ItemOfRow(list, row);
    if (item < 0)
        return false;
    LoadWaypointFile(false);
    if (trackSet.trackCount <= 0)
        return true;
    int track = ChooseTrack(*this, item);
    const WindowServices* services = Services();
    if (track < 0 && services && services->dialogs)
        track = services->dialogs->RunTrackPicker(
            PickerRequest{this, item, MappingFilePath(), nullptr, &trackSet});
    // The picker may have reloaded the set: only the set as it stands now is trusted.
    if (!trackSet.file || track < 0 || track >= trackSet.trackCount)
        return true;
    if (online)
        ShowTrackOnline(*this, track);
    else
        ShowTrackFile(*this, trackSet, track, radius);
    return true;
}
