#pragma once
#include "catalog/IKeyboard.h"

class FakeKeyboard : public IKeyboard {
public:
    bool IsShiftDown() const override { return shiftDown; }
    bool shiftDown = false;
};
