#pragma once
// The keyboard state as the window system reports it now.
#include "catalog/window/IKeyboard.h"

class QtKeyboard : public IKeyboard {
public:
    bool IsShiftDown() const override;
};
