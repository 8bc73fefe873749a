#pragma once
#include "catalog/window/IKeyboard.h"

class FakeKeyboard : public IKeyboard {
public:
    bool IsShiftDown() const override { return shiftDown; }
    bool shiftDown = false;
};
