// Visit figures of a list of peaks.
#include "catalog/subsets/PeakVisitTally.h"

#include "catalog/records/CodeList.h"
#include "catalog/talvane/GroupTalvane.h"

#include <algorithm>
#include <iterator>

void PeakVisitTally::Count(int item)
{
    const TalvaneItemRecord* record = group.Record(item);
    const bool counts = record && (rule == VisitedRule::AnyVisit ? LeadingCodes(record->Visits) > 0
                                                                 : record->Visits[0] > 0);
    if (counts)
        ++visited;
    const int mates = qMin(group.MateCount(), SubsetStatistics::kMaxCompanions);
    for (int j = 0; j < mates; ++j)
        if (group.CountMateVisitsOf(item, j) > 0)
            ++companions[j];
}

void PeakVisitTally::WriteTo(SubsetStatistics* statistics) const
{
    if (!statistics)
        return;
    statistics->visited = visited;
    std::copy(std::begin(companions), std::end(companions), statistics->companions);
}
