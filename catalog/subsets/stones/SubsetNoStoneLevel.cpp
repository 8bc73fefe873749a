// The peaks and survey stones whose stone number fits no stone level.
#include "catalog/subsets/stones/SubsetNoStoneLevel.h"

#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/StoneItemRecord.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/stone/GroupStone.h"
#include "catalog/talvane/GroupTalvane.h"

namespace {

const QString kDisplayName = QStringLiteral("基石無法歸類");
const QString kSection = QStringLiteral("Stone");
const QString kNoStone = QStringLiteral("無");

} // namespace

CSubsetNoStoneLevel::CSubsetNoStoneLevel(CGroupStone* stones)
    : CSubsetStoneRows(kTypeNoStoneLevel, kFolderBasic, kDisplayName, kSection, nullptr, stones)
{
}

bool CSubsetNoStoneLevel::HasNoLevel(const QString& stone) const
{
    const CGroupBase* group = stoneGroup ? static_cast<const CGroupBase*>(stoneGroup) : peakGroup;
    const CGroupTable* table = group ? group->Table() : nullptr;
    if (!table)
        return stone != kNoStone;
    int word = 0, number = 0;
    return table->GetStoneLevel(stone, &word, &number) == CGroupTable::kLevelUnknown;
}

// A peak by its first stone (an empty one counts), else by a second or third stone that is
// given and fits no level; never by an alias. The rows keep the item order.
int CSubsetNoStoneLevel::FillList(IItemList* list, SubsetStatistics*, const ColumnLayout* columns)
{
    const auto peakTest = [this](const TalvaneItemRecord& r) -> std::optional<StoneMatch> {
        if (HasNoLevel(FieldText(r.Stone)))
            return StoneMatch{};
        const QString second = FieldText(r.Stone2);
        if (!second.isEmpty() && HasNoLevel(second))
            return StoneMatch{.slot = 1};
        const QString third = FieldText(r.Stone3);
        if (!third.isEmpty() && HasNoLevel(third))
            return StoneMatch{.slot = 2};
        return std::nullopt;
    };
    const auto stoneTest = [this](const StoneItemRecord& r) -> std::optional<StoneMatch> {
        if (HasNoLevel(FieldText(r.Stone)))
            return StoneMatch{};
        return std::nullopt;
    };
    return FillRows(list, columns, peakTest, stoneTest);
}
