#pragma once
// The modal dialogs groups open, over Qt. The search dialogs and the waypoint and track pickers
// (搜尋航點, 搜尋航跡) run over the active modal window (the main dialog when none is open); a
// picker returns the index of the entry confirmed, -1 for none.
#include "catalog/window/IDialogRunner.h"

class QWidget;

class QtDialogRunner : public IDialogRunner {
public:
    explicit QtDialogRunner(QWidget* owner) : owner_(owner) {}

    FindDialogResult RunFindDialog(const FindDialogRequest& request) override;
    int RunWaypointPicker(const PickerRequest& request) override;
    int RunTrackPicker(const PickerRequest& request) override;

private:
    // The window a search dialog opens over.
    QWidget* DialogParent() const;
    FindDialogResult RunPeakSearch(const FindDialogRequest& request);
    FindDialogResult RunItemSearch(const FindDialogRequest& request, bool stoneMode);
    FindDialogResult RunPlantSearch(const FindDialogRequest& request);

    QWidget* owner_;
};
