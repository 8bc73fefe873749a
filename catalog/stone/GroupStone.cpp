// The survey-stone group: identity, records, features, and the subsets of Init.
#include "catalog/stone/GroupStone.h"

#include "catalog/GroupTable.h"
#include "catalog/subsets/attributes/SubsetNoWaypoint.h"
#include "catalog/subsets/stones/SubsetNoStoneLevel.h"
#include "catalog/subsets/stones/SubsetStone.h"
#include "platform/Profile.h"

namespace {

const QString kKey = QStringLiteral("Stone");
const QString kDisplayName = QStringLiteral("基石");
const QString kRelatedKey = QStringLiteral("Talvane");
// A stone file is known by its stone number: the name is optional.
const QString kRequiredKey = QStringLiteral("Stone");
const QString kClassSection = QStringLiteral("Stone");
const QString kClassKey = QStringLiteral("Stone");

} // namespace

CGroupStone::CGroupStone()
{
    key = kKey;
    displayName = kDisplayName;
    relatedKey = kRelatedKey;
    requiredKey = kRequiredKey;
}

CGroupStone::~CGroupStone() = default;

const StoneItemRecord* CGroupStone::Record(int item) const
{
    return ItemAs<StoneItemRecord>(item);
}

const std::byte* CGroupStone::GetItemRecord(int item) const
{
    return reinterpret_cast<const std::byte*>(Record(item));
}

// The class subsets in the order of the subset tree: the settings file's stone words, the
// words of the stone levels, the stones of no level, then the attribute subsets.
bool CGroupStone::Init(const QString& settings, CGroupTable* owner, const QString& itemFolder)
{
    CGroupBase::Init(settings, owner, itemFolder);
    AddClassWords();
    AddLevelWords();
    AddNoStoneLevel();
    AddNoWaypoint();
    return true;
}

// [Stone] Stone1, Stone2, ... up to the first empty value.
void CGroupStone::AddClassWords()
{
    for (int n = 1; n <= kMaxClassKeys; ++n) {
        const QString word = platform::GetProfileString(settingsFile, kClassSection,
                                                        kClassKey + QString::number(n));
        if (word.isEmpty())
            return;
        AddSubset(new CSubsetStone(word, this));
    }
}

// The words of each stone level in turn; a level's words end at its first missing one, and
// the levels end at the first that has no word at all.
void CGroupStone::AddLevelWords()
{
    if (!table)
        return;
    for (int level = 0; level < kMaxLevels; ++level) {
        int words = 0;
        QString word;
        while (words < kMaxLevelWords && table->MatchStoneLevel(level, words, &word)) {
            AddSubset(new CSubsetStone(word, this));
            ++words;
        }
        if (words == 0)
            return;
    }
}

void CGroupStone::AddNoStoneLevel()
{
    AddSubset(new CSubsetNoStoneLevel(this));
}

// The stones not located in the group's GPS file.
void CGroupStone::AddNoWaypoint()
{
    AddSubset(new CSubsetNoWaypoint(this));
}

bool CGroupStone::HasFeature(int feature)
{
    return feature == kFeatureSearch || feature == kFeatureRowMenu
           || feature == kFeatureLocateAll || feature == kFeatureMap;
}

int CGroupStone::FillItemList(IItemList* list, int)
{
    return FillAllItems(list);
}
