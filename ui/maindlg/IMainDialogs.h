#pragma once
// The modal dialogs the main dialog's commands open: the comparisons, the region statistics,
// the add-plant input and the plant search. The main dialog reaches them only through this
// interface, so its commands are tested with a recording fake.
#include "ui/dialogs/input/IInputDialogs.h"

#include <QString>

class CGroupBase;
class CSubsetBase;
class QWidget;

class IMainDialogs {
public:
    virtual ~IMainDialogs() = default;

    // 比對列表... on a title subset.
    virtual void CompareList(QWidget* parent, CGroupBase* group, CSubsetBase* subset) = 0;
    // 比對行程表...
    virtual void CompareWalks(QWidget* parent, CGroupBase* group) = 0;
    // 藍天圖集... (mode 0) and 岫禾圖集... (mode 1) of 比對路線圖...
    virtual void CompareGuide(QWidget* parent, CGroupBase* group, int mode) = 0;
    // A companion's itinerary, companion 0 to 14.
    virtual void CompareHiking(QWidget* parent, CGroupBase* group, int companion) = 0;
    // 地區統計...
    virtual void RegionStatistics(QWidget* parent, CGroupBase* group) = 0;
    // The add-plant input; false when cancelled. *input holds what was entered before.
    virtual bool AddPlant(QWidget* parent, AddPlantInput* input) = 0;
    // The plant search started with text; on a confirmed choice true with its family and name.
    virtual bool FindPlant(QWidget* parent, CGroupBase* group, const QString& text,
                           QString* family, QString* name) = 0;
};
