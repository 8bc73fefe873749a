#pragma once
// The modal dialogs that groups open: the search dialogs and the waypoint and track pickers.
// The window builds and runs them; the catalog only states what to open and reads the outcome.
#include <QString>

class CGroupBase;
class CSubsetBase;
class GPSWayPointSet;
class GPSTrackSet;

// Which search dialog a group opens.
enum class FindDialogKind {
    Items,   // the item search over a group or one of its subsets
    Stones,  // the item search in its survey-stone mode
    Peaks,   // the peak search
    Plants,  // the plant search
};

struct FindDialogRequest {
    FindDialogKind kind = FindDialogKind::Items;
    CGroupBase* group = nullptr;
    CSubsetBase* subset = nullptr;  // null: the whole group
    QString searchText;
    int walkNumber = 0;  // the walk whose visits the dialog may write, 0 for none
    int atlasCode = 0;   // the atlas page whose references the dialog may write, 0 for none
    int mateVisitCode = 0;      // the companion visit the dialog may write, 0 for none
    int defaultTripNumber = 0;  // the trip number its assign button shows with a companion visit
};

struct FindDialogResult {
    QString chosenRegion;     // a region the user asked to jump to
    QString chosenStone;      // a survey stone the user asked to jump to
    bool wroteVisit = false;  // a walk or companion visit was written
    bool wroteAtlasRef = false;
};

// What a search opened for a walk, a companion visit or an atlas page tells its caller: whether
// it wrote one; true when it was opened for none of them.
inline bool WroteWhatWasAsked(const FindDialogResult& result, int walkNumber, int atlasCode,
                              int mateVisitCode = 0)
{
    if (walkNumber > 0 || mateVisitCode > 0)
        return result.wroteVisit;
    if (atlasCode > 0)
        return result.wroteAtlasRef;
    return true;
}

// The waypoint (or track) picker for one item of a group: it lists the set's entries, records a
// confirmed choice in the mapping file and may export it itself.
struct PickerRequest {
    CGroupBase* group = nullptr;
    int item = -1;
    QString mappingFile;
    GPSWayPointSet* waypoints = nullptr;  // for the waypoint picker
    GPSTrackSet* tracks = nullptr;        // for the track picker
};

class IDialogRunner {
public:
    virtual ~IDialogRunner() = default;

    virtual FindDialogResult RunFindDialog(const FindDialogRequest& request) = 0;
    // The index of the picked entry, -1 when nothing was picked.
    virtual int RunWaypointPicker(const PickerRequest& request) = 0;
    virtual int RunTrackPicker(const PickerRequest& request) = 0;
};
