#pragma once
// The input dialogs as the program runs them: modal over the parent.
#include "ui/dialogs/input/IInputDialogs.h"

class CInputDialogs : public IInputDialogs {
public:
    bool AddPlant(QWidget* parent, AddPlantInput* input) override;
    bool AddGuide(QWidget* parent, QString* title, QString* address) override;
};
