#pragma once
// The dialogs of the main dialog's commands: the list comparison (on a title list only), the
// walk table and atlas comparisons, a companion's itinerary (the peak group's companions only),
// the region statistics, the add-plant input and the plant search (run in pick mode over the
// parent, started with the text). The atlas, itinerary and add-plant dialogs take their typed
// input through the input dialogs.
#include "ui/maindlg/IMainDialogs.h"

#include <memory>

class CMainDialogs : public IMainDialogs {
public:
    // inputs: the input dialogs to run (not owned); null for the program's own.
    explicit CMainDialogs(IInputDialogs* inputs = nullptr);
    ~CMainDialogs() override;

    void CompareList(QWidget* parent, CGroupBase* group, CSubsetBase* subset) override;
    void CompareWalks(QWidget* parent, CGroupBase* group) override;
    void CompareGuide(QWidget* parent, CGroupBase* group, int mode) override;
    void CompareHiking(QWidget* parent, CGroupBase* group, int companion) override;
    void RegionStatistics(QWidget* parent, CGroupBase* group) override;
    bool AddPlant(QWidget* parent, AddPlantInput* input) override;
    bool FindPlant(QWidget* parent, CGroupBase* group, const QString& text, QString* family,
                   QString* name) override;

private:
    std::unique_ptr<IInputDialogs> ownInputs_;
    IInputDialogs* inputs_;
};
