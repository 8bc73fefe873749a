// The peak group: identity, the companion table, the item list and the features it offers.
#include "catalog/talvane/GroupTalvane.h"

#include "catalog/records/TalvaneItemRecord.h"

namespace {

const QString kKey = QStringLiteral("Talvane");
const QString kDisplayName = QStringLiteral("山");
const QString kRelatedKey = QStringLiteral("Stone");

} // namespace

CGroupTalvane::CGroupTalvane()
{
    key = kKey;
    displayName = kDisplayName;
    relatedKey = kRelatedKey;
}

CGroupTalvane::~CGroupTalvane() = default;

const TalvaneItemRecord* CGroupTalvane::Record(int item) const
{
    return ItemAs<TalvaneItemRecord>(item);
}

const std::byte* CGroupTalvane::GetItemRecord(int item) const
{
    return reinterpret_cast<const std::byte*>(Record(item));
}

int CGroupTalvane::FillItemList(IItemList* list, int)
{
    return FillAllItems(list);
}

// Every control of the main dialog but the plant group's: search, row menu, locate all,
// walk and route-map comparisons, region statistics, companions' walks and the map.
bool CGroupTalvane::HasFeature(int feature)
{
    return feature >= kFeatureSearch && feature <= kFeatureMap;
}

bool CGroupTalvane::AddMate(std::unique_ptr<HikingMate> mate)
{
    if (!mate || mateCount >= kMaxMates)
        return false;
    mates[std::size_t(mateCount++)] = std::move(mate);
    return true;
}

const HikingMate* CGroupTalvane::Mate(int companion) const
{
    if (companion < 0 || companion >= mateCount)
        return nullptr;
    return mates[std::size_t(companion)].get();
}
