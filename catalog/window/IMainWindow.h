#pragma once
// Services of the main window that groups call back into.
#include <QString>

class CGPSFile;
class IPointView;

class IMainWindow {
public:
    virtual ~IMainWindow() = default;

    // Opens a GPS file through the window's format manager: a new file object that the caller
    // owns (and deletes through its virtual destructor), null when no format reads it.
    // damagedFormat (may be null) receives the description of the format that recognised the
    // file but found it damaged; empty when none did.
    virtual CGPSFile* OpenGpsFile(const QString& path, QString* damagedFormat = nullptr) = 0;
    // Selects the region subset of that name in the current group, if there is one.
    virtual void SelectSubsetByName(const QString& name) = 0;
    // Shows the survey-stone group and selects its stone subset of that name.
    virtual void GotoStone(const QString& name) = 0;
    // The view that shows the current group's points (the map, or the photo view); may be null.
    virtual IPointView* CurrentView() = 0;
};
