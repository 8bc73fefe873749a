#pragma once
// What both walk report sets look up per region, gathered once per writing: each item's region
// text (asked of the group once per item, items sharing a text matched together) and the runs
// of the visit table that hold each item.
#include "catalog/compare/WalkReportWriter.h"

#include <QHash>

#include <memory>
#include <utility>
#include <vector>

class WalkReportIndex {
public:
    WalkReportIndex(CGroupBase& group, const WalkVisitTable& visits);

    // The items whose region text holds member (plain substring; an empty member holds none).
    std::vector<int> ItemsOf(const QString& member) const;
    // The runs (indexes into the visit table, in table order) that hold one of items.
    std::vector<int> RunsHolding(const std::vector<int>& items) const;
    // The items that are in some run, ordered by their first place in the table (the run, then
    // the place within it).
    std::vector<int> ByFirstVisit(const std::vector<int>& items) const;
    // The runs that hold item, in table order.
    const std::vector<int>& RunsOf(int item) const { return runsOfItem[std::size_t(item)]; }

    // The input's shared index, or one gathered for it.
    static std::shared_ptr<const WalkReportIndex> Of(const WalkReportInput& input);

private:
    // The distinct texts holding a member word: those holding the word's rarest pair of
    // adjacent characters, searched one by one.
    std::vector<int> TextsHolding(const QString& member) const;

    QStringList regionTexts;                       // the distinct region texts
    QHash<quint32, std::vector<int>> textsOfPair;  // character pair → the texts holding it
    std::vector<std::vector<int>> itemsOfRegion;   // by region text
    std::vector<std::vector<int>> runsOfItem;
    std::vector<std::pair<int, int>> firstVisit;   // (run, place) of each item's first visit
};
