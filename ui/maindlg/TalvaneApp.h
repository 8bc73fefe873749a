#pragma once
// The application: sets up the per-user profile and runs the main dialog modally; the program
// ends when the dialog closes. The command line is not read.
class CTalvaneApp {
public:
    // Runs the main dialog; returns the process's exit code.
    int InitInstance();
};
