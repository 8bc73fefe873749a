#pragma once
// Main-window services that record the calls; OpenGpsFile hands out files from a preset
// opener (none by default), or from a format manager.
#include "catalog/window/IMainWindow.h"
#include "catalog/window/IPointView.h"
#include "gps/GPSFileManager.h"

#include <QStringList>
#include <functional>

class FakeMainWindow : public IMainWindow {
public:
    CGPSFile* OpenGpsFile(const QString& path, QString* damagedFormat = nullptr) override
    {
        openedGpsFiles << path;
        if (damagedFormat)
            damagedFormat->clear();
        if (opener)
            return opener(path);
        return throughFormatManager ? CGPSFileManager().OpenFile(path, damagedFormat).release()
                                    : nullptr;
    }
    void SelectSubsetByName(const QString& name) override { selectedSubsets << name; }
    void GotoStone(const QString& name) override { stoneJumps << name; }
    IPointView* CurrentView() override { return view; }
    // Opens GPS files as the program does: through the format manager (a preset opener
    // still comes first).
    void OpenThroughFormatManager() { throughFormatManager = true; }

    QStringList openedGpsFiles, selectedSubsets, stoneJumps;
    std::function<CGPSFile*(const QString&)> opener;  // returns a new object or null
    IPointView* view = nullptr;
    bool throughFormatManager = false;
};
