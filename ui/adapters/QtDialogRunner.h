#pragma once
// The modal dialogs groups open, over Qt. The search dialogs and the waypoint and track pickers
// are not part of this build yet: a search finds nothing, and a picker tells the user that no
// waypoint (or track) was found for the item and picks nothing.
#include "catalog/window/IDialogRunner.h"

class QWidget;

class QtDialogRunner : public IDialogRunner {
public:
    explicit QtDialogRunner(QWidget* owner) : owner_(owner) {}

    FindDialogResult RunFindDialog(const FindDialogRequest& request) override;
    int RunWaypointPicker(const PickerRequest& request) override;
    int RunTrackPicker(const PickerRequest& request) override;

private:
    QWidget* owner_;
};
