#pragma once
// A one-line status text (the progress while a group loads, counts of the selected subset).
#include <QString>

class IStatusText {
public:
    virtual ~IStatusText() = default;

    virtual QString Text() const = 0;
    // Shows text at once: loading runs on the window's own thread, so the window repaints the
    // text before returning.
    virtual void SetText(const QString& text) = 0;
};
