#pragma once
// The visit figures of a list of peaks for the status line: how many listed peaks the owner
// visited at least once, and how many each hiking companion visited.
#include "catalog/subsets/SubsetStatistics.h"

#include <cstdint>

class CGroupTalvane;

class PeakVisitTally {
public:
    explicit PeakVisitTally(CGroupTalvane& group) : group(group) {}

    // Adds the figures of a listed peak.
    void Count(int item);
    int Visited() const { return visited; }
    // Writes the visited count and the companions' counts into statistics (may be null).
    void WriteTo(SubsetStatistics* statistics) const;

private:
    CGroupTalvane& group;
    int32_t visited = 0;
    int32_t companions[SubsetStatistics::kMaxCompanions] = {};
};
