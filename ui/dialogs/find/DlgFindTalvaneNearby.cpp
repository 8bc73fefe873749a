// The distance commands of the peak search dialog: 方圓十里 narrows the list to the peaks near
// one peak, 鄰近的山 lists the peaks nearest to it. A peak whose longitude and latitude are both
// 0 has no position: it is never near anything, and as the reference peak nothing happens.
#include "ui/dialogs/find/DlgFindTalvane.h"

#include "catalog/talvane/GroupTalvane.h"

#include <algorithm>
#include <cmath>

namespace {

bool HasPosition(const TalvaneItemRecord& peak)
{
    return peak.Longitude != 0 || peak.Attitude != 0;
}

// In hundredths of a degree.
double Distance(const TalvaneItemRecord& a, const TalvaneItemRecord& b)
{
    return CDlgFindTalvane::kDistanceScale * std::hypot(a.Longitude - b.Longitude, a.Attitude - b.Attitude);
}

// Distances that differ by less than the allowance are equal: a peak written 0.1 degree off in
// decimals lies at exactly 10.
bool AtMost(double distance, double limit)
{
    return distance <= limit + CDlgFindTalvane::kDistanceAllowance;
}

bool Below(double distance, double limit)
{
    return distance < limit - CDlgFindTalvane::kDistanceAllowance;
}

} // namespace

int CDlgFindTalvane::FirstRowMatchingFilter() const
{
    for (int row = 0; row < list_.RowCount(); ++row) {
        const int peak = RowPeak(row);
        if (peak >= 0 && MatchesFilter(peak))
            return row;
    }
    return -1;
}

std::optional<int> CDlgFindTalvane::ReferencePeak() const
{
    int row = -1;
    if (!SelectedRow(&row))
        row = FirstRowMatchingFilter();
    int peak = RowPeak(row);
    if (peak < 0)
        return std::nullopt;
    if (!MatchesFilter(peak)) {
        if (const int other = FirstRowMatchingFilter(); other >= 0)
            peak = RowPeak(other);
    }
    const TalvaneItemRecord* record = Peak(peak);
    if (!record || !HasPosition(*record))
        return std::nullopt;
    return peak;
}

void CDlgFindTalvane::OnWithinTenLi()
{
    const std::optional<int> reference = ReferencePeak();
    if (!reference)
        return;
    const TalvaneItemRecord& centre = *Peak(*reference);
    for (int row = list_.RowCount() - 1; row >= 0; --row) {
        const int item = RowPeak(row);
        if (item == *reference)
            continue;
        const TalvaneItemRecord* peak = Peak(item);
        if (!peak || !HasPosition(*peak) || !AtMost(Distance(*peak, centre), kTenLi))
            list_.DeleteRow(row);
    }
    ShowCount(list_.RowCount());
}

QList<CDlgFindTalvane::NearPeak> CDlgFindTalvane::CollectNear(int reference, double radius) const
{
    const TalvaneItemRecord& centre = *Peak(reference);
    QList<NearPeak> near;
    for (int i = 0; i < peaks_->ItemCount() && near.size() < kMaxNearby; ++i) {
        const TalvaneItemRecord* peak = Peak(i);
        if (!peak || !HasPosition(*peak))
            continue;
        const double distance = i == reference ? 0.0 : Distance(*peak, centre);
        if (Below(distance, radius))
            near.append({i, distance});
    }
    return near;
}

void CDlgFindTalvane::OnNearbyPeaks()
{
    const std::optional<int> reference = ReferencePeak();
    if (!reference)
        return;
    StartSearch();
    QList<NearPeak> near;
    for (double radius = kFirstRadius; radius <= kMaxRadius && near.size() <= kMinNearby; radius *= 2)
        near = CollectNear(*reference, radius);
    if (near.size() <= kMinNearby)
        near.clear();
    std::stable_sort(near.begin(), near.end(),
                     [](const NearPeak& a, const NearPeak& b) { return a.distance < b.distance; });
    QList<int> items;
    for (const NearPeak& peak : near)
        items.append(peak.item);
    ListPeaks(items);
}
