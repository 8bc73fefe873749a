#pragma once
// The dialogs of the main dialog's commands, as this build has them: the plant search (run in
// pick mode over the parent, started with the text). The comparison, region statistics and
// add-plant dialogs are not part of it yet: their commands open nothing.
#include "ui/maindlg/IMainDialogs.h"

class CMainDialogs : public IMainDialogs {
public:
    void CompareList(QWidget* parent, CGroupBase* group, CSubsetBase* subset) override;
    void CompareWalks(QWidget* parent, CGroupBase* group) override;
    void CompareGuide(QWidget* parent, CGroupBase* group, int mode) override;
    void CompareHiking(QWidget* parent, CGroupBase* group, int companion) override;
    void RegionStatistics(QWidget* parent, CGroupBase* group) override;
    bool AddPlant(QWidget* parent, AddPlantInput* input) override;
    bool FindPlant(QWidget* parent, CGroupBase* group, const QString& text, QString* family,
                   QString* name) override;
};
