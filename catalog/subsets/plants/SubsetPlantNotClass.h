#pragma once
// The plants named like a family without belonging to it: for the word 蘭, "蘭非蘭" lists the
// plants whose name ends in 蘭 (after its first character, the word nowhere earlier) and whose
// family is not 蘭科.
#include "catalog/subsets/SubsetBase.h"

class CGroupBase;

class CSubsetPlantNotClass : public CSubsetBase {
public:
    CSubsetPlantNotClass(const QString& word, CGroupBase* group);

    // The group's columns and its plants of the rule in item order; keeps no statistics.
    int FillList(IItemList* list, SubsetStatistics* statistics, const ColumnLayout* columns) override;

    // text is longer than word, ends in it, and holds it nowhere earlier.
    static bool EndsWithWordOnly(const QString& text, const QString& word);
    // The rule for one plant's Name, Name2 and Class.
    static bool Lists(const QString& word, const QString& name, const QString& name2,
                      const QString& family);

    const QString& Word() const { return word; }

private:
    QString word;
    CGroupBase* group;
};
