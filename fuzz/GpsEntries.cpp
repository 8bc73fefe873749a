#include "GpsEntries.h"

#include "FuzzScratch.h"
#include "RecordingTree.h"
#include "gps/GPSFileManager.h"

#include <memory>
#include <vector>

namespace fuzz {

namespace {

// Reading every waypoint one at a time stops here, so that a large file stays quick.
constexpr int kMaxSingleReads = 64;
// Waypoints copied into a new file of each format.
constexpr int kMaxCopies = 4;

class CountingList : public IListBoxSink {
public:
    void Clear() override { count = 0; }
    void AddString(const QString&) override { ++count; }
    int count = 0;
};

const CGPSFileManager& Manager()
{
    static const CGPSFileManager manager;
    return manager;
}

std::string ReadWayPoints(const CGPSFile& file)
{
    const int count = file.GetWayPointCount();
    if (count < 0)
        return "negative waypoint count";
    std::vector<GPSWayPointRecord> narrow(count);
    std::vector<GPSWayPointRecordW> wide(count);
    if (count > 0 && (!file.GetWayPoints(narrow.data()) || !file.GetWayPointsW(wide.data())))
        return "GetWayPoints failed on an array of the count";
    const auto copy = file.NewWayPointArray();
    const auto copyW = file.NewWayPointArrayW();
    if (count > 0 && (!copy || !copyW))
        return "NewWayPointArray gave no array for waypoints";
    GPSWayPointRecordW one{};
    for (int i = 0; i < count && i < kMaxSingleReads; ++i) {
        if (!file.GetWayPointW(i, &one))
            return "GetWayPointW refused an index in range";
    }
    if (file.GetWayPointW(-1, &one) || file.GetWayPointW(count, &one))
        return "GetWayPointW took an index out of range";
    CountingList list;
    if (file.FillWayPointList(&list) != count || list.count != count)
        return "FillWayPointList did not give one line per waypoint";
    return {};
}

std::string ReadTracks(const CGPSFile& file)
{
    const int count = file.GetTrackCount();
    if (count < 0)
        return "negative track count";
    std::vector<GPSTrackRecord> narrow(count);
    std::vector<GPSTrackRecordW> wide(count);
    if (count > 0 && (!file.GetTracks(narrow.data()) || !file.GetTracksW(wide.data())))
        return "GetTracks failed on an array of the count";
    long long total = 0;
    for (int i = 0; i < count; ++i) {
        GPSTrackPointList points;
        if (!file.GetTrackPoints(&points, i))
            return "GetTrackPoints refused an index in range";
        if (points.count != narrow[i].pointCount || points.count != wide[i].pointCount)
            return "a track's points differ from its record's count";
        if (points.count > 0 && !points.points)
            return "a track with points handed out no array";
        total += points.count;
    }
    if (total != file.GetTrackPointTotal())
        return "the track point total is not the sum of the tracks";
    GPSTrackPointList outside;
    if (!file.GetTrackPoints(&outside, count) || outside.count != 0 || outside.points)
        return "GetTrackPoints filled something for an index out of range";
    file.GetRouteCount();
    file.GetMapCount();
    return {};
}

std::string Inspect(CGPSFile& file)
{
    RecordingTree tree;
    file.FillTree(&tree);
    for (std::size_t i = 0; i < tree.items.size(); ++i) {
        if (tree.items[i].parent > i)  // handles are 1-based: a parent comes before its child
            return "a tree item under an item not yet made";
    }
    for (GPSTreeItem item : tree.expanded) {
        if (item == 0 || item > tree.items.size())
            return "expanded an item that does not exist";
    }
    return {};
}

// Copies a few waypoints into, and converts the whole file to, a new file of each format.
void CopyAndConvert(const CGPSFile& file)
{
    const CGPSFileManager& manager = Manager();
    for (int f = 0; f < manager.count(); ++f) {
        std::unique_ptr<CGPSFile> copy = manager.format(f)->NewFile();
        for (int i = 0; i < file.GetWayPointCount() && i < kMaxCopies; ++i)
            copy->AddWayPointFrom(&file, i, i % 2 ? "F" : nullptr);
        std::unique_ptr<CGPSFile> converted = manager.format(f)->NewFile();
        if (converted->CanConvertFrom(&file))
            converted->ConvertFrom(&file);
    }
}

// Saves the file and opens what was saved: it must open, with the same waypoints and tracks.
std::string SaveAndReload(CGPSFile& file)
{
    const QString path = ScratchDir() + QStringLiteral("/saved.") + file.GetExtension();
    if (file.SaveFile(path) != 1)
        return {};
    const std::unique_ptr<CGPSFile> again = Manager().OpenFile(path);
    if (!again)
        return "a saved file does not open again";
    if (again->GetWayPointCount() != file.GetWayPointCount())
        return "a saved file reopens with another waypoint count";
    if (again->GetTrackCount() != file.GetTrackCount())
        return "a saved file reopens with another track count";
    return {};
}

std::string RunGpsFile(Bytes input, const char* extension)
{
    ClearScratch();
    const QString path = ScratchFile(QStringLiteral("input.") + QLatin1String(extension), input);
    const std::unique_ptr<CGPSFile> file = Manager().OpenFile(path);
    if (!file)
        return {};
    for (auto step : {ReadWayPoints, ReadTracks}) {
        if (std::string broken = step(*file); !broken.empty())
            return broken;
    }
    if (std::string broken = Inspect(*file); !broken.empty())
        return broken;
    CopyAndConvert(*file);
    return SaveAndReload(*file);
}

} // namespace

std::string GpsGpx(Bytes input) { return RunGpsFile(input, "gpx"); }
std::string GpsKml(Bytes input) { return RunGpsFile(input, "kml"); }
std::string GpsGdb(Bytes input) { return RunGpsFile(input, "gdb"); }
std::string GpsMps(Bytes input) { return RunGpsFile(input, "mps"); }
std::string GpsEvo(Bytes input) { return RunGpsFile(input, "evo"); }
std::string GpsWtr(Bytes input) { return RunGpsFile(input, "wtr"); }
std::string GpsGtm(Bytes input) { return RunGpsFile(input, "gtm"); }

} // namespace fuzz
