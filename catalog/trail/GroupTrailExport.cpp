// The listed trails' tracks handed to the GPS software in one GDB file, and the item files'
// Track brought in line with the tracks found.
#include "catalog/trail/GroupTrail.h"

#include "catalog/WaypointExport.h"
#include "catalog/records/RecordText.h"
#include "catalog/trail/TrackExport.h"
#include "catalog/window/IItemList.h"
#include "catalog/window/IMessageBox.h"
#include "catalog/window/WindowServices.h"
#include "gps/GPSNameMatch.h"
#include "gps/gdb/GDBFile.h"
#include "platform/Profile.h"

#include <vector>

namespace {

const QString kTempTrackFile = QStringLiteral("~~TempOT.gdb");
const QString kDuplicateMessage = QStringLiteral("航跡[%1]重複使用(%2,%3)！");
const QString kSkipMapping = QStringLiteral("Skip");
const QString kTrackKey = QStringLiteral("Track");

struct RowTrack {
    int item = -1;
    int track = -1;
};

// How many free tracks of the item's base name the rule takes: any (the last of them), or only
// one that is alone.
enum class BaseNameRule { AnyMatch, SingleMatch };

// The track of an item: by its Track, else by its mapping unless that says "Skip" (any case),
// else by its name among the free tracks' base names; -1 when none.
int ResolveTrack(CGroupTrail& group, int item, BaseNameRule rule)
{
    const GPSTrackSet& set = *group.GetTrackSet();
    if (const int track = set.FindTrackByName(group.ItemTrackName(item)); track >= 0)
        return track;
    const QString mapped = group.MappedWaypointName(item);
    if (mapped.compare(kSkipMapping, Qt::CaseInsensitive) == 0)
        return -1;
    if (const int track = set.FindTrackByName(mapped); track >= 0)
        return track;
    const TrailItemRecord* record = group.Record(item);
    if (!record)
        return -1;
    int matches = 0;
    const int track = set.FindTrackByBaseName(FieldText(record->Name), &matches);
    const bool taken = rule == BaseNameRule::AnyMatch ? matches >= 1 : matches == 1;
    return taken ? track : -1;
}

// The rows, in list order, whose item was resolved to a track of the loaded set.
std::vector<RowTrack> ResolveRows(CGroupTrail& group, IItemList* list, BaseNameRule rule)
{
    std::vector<RowTrack> rows;
    for (int row = 0; row < list->RowCount(); ++row) {
        const int item = group.ItemOfRow(list, row);
        if (item < 0)
            continue;
        if (const int track = ResolveTrack(group, item, rule); track >= 0)
            rows.push_back({item, track});
    }
    return rows;
}

QString ItemName(const CGroupTrail& group, int item)
{
    const TrailItemRecord* record = group.Record(item);
    return record ? FieldText(record->Name) : QString();
}

// Reports row i's track once for every earlier row that resolved to the same track; true when
// there was one.
bool ReportDuplicates(const CGroupTrail& group, const GPSTrackSet& set,
                      const std::vector<RowTrack>& rows, std::size_t i)
{
    const WindowServices* services = group.Services();
    const QString trackName = gps::NameOf(set.tracks[std::size_t(rows[i].track)]).toString();
    bool duplicate = false;
    for (std::size_t earlier = 0; earlier < i; ++earlier) {
        if (rows[earlier].track != rows[i].track)
            continue;
        duplicate = true;
        if (services && services->messageBox)
            services->messageBox->Show(kDuplicateMessage.arg(trackName, ItemName(group, rows[i].item),
                                                             ItemName(group, rows[earlier].item)),
                                       MessageIcon::Exclamation);
    }
    return duplicate;
}

} // namespace

bool CGroupTrail::ExportWaypoints(IItemList* list)
{
    if (!list || list->RowCount() <= 0)
        return false;
    LoadWaypointFile(false);
    if (trackSet.trackCount <= 0)
        return true;
    const std::vector<RowTrack> rows = ResolveRows(*this, list, BaseNameRule::AnyMatch);
    if (rows.empty())
        return true;
    CGDBFile gdb;
    track_export::TrackIndexes present;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (!ReportDuplicates(*this, trackSet, rows, i))
            track_export::AddTrackWithRelated(&gdb, trackSet, rows[i].track, &present);
    return waypoint_export::SaveAndOpen(gdb, Services(), kTempTrackFile);
}

bool CGroupTrail::SyncWaypoints(IItemList* list)
{
    if (!list || list->RowCount() <= 0)
        return false;
    LoadWaypointFile(false);
    if (trackSet.trackCount <= 0)
        return true;
    bool written = true;
    for (const RowTrack& row : ResolveRows(*this, list, BaseNameRule::SingleMatch)) {
        const QString name = gps::NameOf(trackSet.tracks[std::size_t(row.track)]).toString();
        const QString path = ItemPath(row.item);
        if (ReadItemText(path, kTrackKey) == name)
            continue;
        // The file first: the record follows only what is on disk.
        if (!platform::WriteProfileString(path, key, kTrackKey, name)) {
            written = false;
            continue;
        }
        SetFieldText(ItemAs<TrailItemRecord>(row.item)->Track, name);
    }
    return written;
}
