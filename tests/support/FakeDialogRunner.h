#pragma once
// A dialog runner that records the requests and returns preset outcomes.
#include "catalog/window/IDialogRunner.h"

#include <QList>

class FakeDialogRunner : public IDialogRunner {
public:
    FindDialogResult RunFindDialog(const FindDialogRequest& request) override
    {
        finds.append(request);
        return findResult;
    }
    int RunWaypointPicker(const PickerRequest& request) override
    {
        waypointPicks.append(request);
        return pick;
    }
    int RunTrackPicker(const PickerRequest& request) override
    {
        trackPicks.append(request);
        return pick;
    }

    QList<FindDialogRequest> finds;
    QList<PickerRequest> waypointPicks, trackPicks;
    FindDialogResult findResult;
    int pick = -1;
};
