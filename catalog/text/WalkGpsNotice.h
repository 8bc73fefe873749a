#pragma once
// The owner hears once per run of the program that the walk index page lags behind or that a
// walk's GPS file is missing: after the first such message the others are kept back, as they
// would repeat for every walk that is collected.
#include <QString>

class IMessageBox;

class WalkGpsNotice {
public:
    // Shows text with an exclamation icon unless a notice was shown before in this run; true
    // when it was shown. Without a message box nothing is shown and nothing is remembered.
    static bool Show(IMessageBox* box, const QString& text);
    // Whether a notice was shown in this run.
    static bool Shown();
    // Starts over as if no notice had been shown (tests; each starts a new "run").
    static void Reset();
};
