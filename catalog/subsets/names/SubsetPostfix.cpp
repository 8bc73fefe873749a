// A name-ending subset: its peaks.
#include "catalog/subsets/names/SubsetPostfix.h"

#include "catalog/subsets/names/NameMatch.h"
#include "catalog/subsets/names/PeakNameListing.h"
#include "catalog/talvane/GroupTalvane.h"

namespace {

// The display name: "各地" and the word, as a same-name subset of that base name has.
const QString kDisplayPrefix = QStringLiteral("各地");

PeakNameListing PostfixListing(CGroupTalvane* group, const QString& word)
{
    return PeakNameListing(group, [word](const QString& name) { return MatchPostfix(name, word); });
}

} // namespace

CSubsetPostfix::CSubsetPostfix(const QString& word, CGroupTalvane* group)
    : CSubsetBase(kTypePostfix, kFolderBasic, kDisplayPrefix + word,
                  group ? group->Key() : QString()),
      word(word), group(group)
{
}

int CSubsetPostfix::FillList(IItemList* list, SubsetStatistics*, const ColumnLayout* columns)
{
    return PostfixListing(group, word).Fill(list, columns);
}

int CSubsetPostfix::MarkOnMap(IPointView* view)
{
    return PostfixListing(group, word).Mark(view);
}
