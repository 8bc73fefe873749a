#pragma once
// The keyboard state the catalog asks about.
class IKeyboard {
public:
    virtual ~IKeyboard() = default;

    // The Shift key is held down now.
    virtual bool IsShiftDown() const = 0;
};
