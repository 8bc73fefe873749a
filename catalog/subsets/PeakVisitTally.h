#pragma once
// The visit figures of a list of peaks for the status line: how many listed peaks the owner
// visited at least once, and how many each hiking companion visited.
#include "catalog/subsets/SubsetStatistics.h"

#include <cstdint>

class CGroupTalvane;

class PeakVisitTally {
public:
    // Which listed peaks count as visited: those whose newest visit code is above 0 (title,
    // named and height lists), or those with any visit code at all (the visit subsets, which
    // list a peak by its number of visits).
    enum class VisitedRule { NewestCodeAboveZero, AnyVisit };

    explicit PeakVisitTally(CGroupTalvane& group,
                            VisitedRule rule = VisitedRule::NewestCodeAboveZero)
        : group(group), rule(rule)
    {
    }

    // Adds the figures of a listed peak.
    void Count(int item);
    int Visited() const { return visited; }
    // Writes the visited count and the companions' counts into statistics (may be null).
    void WriteTo(SubsetStatistics* statistics) const;

private:
    CGroupTalvane& group;
    VisitedRule rule;
    int32_t visited = 0;
    int32_t companions[SubsetStatistics::kMaxCompanions] = {};
};
