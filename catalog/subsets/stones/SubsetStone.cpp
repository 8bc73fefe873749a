// The subset of one stone class across the peak and survey-stone groups: its name and folder,
// its rows and map points, and the row commands it hands to the group whose rows are shown.
#include "catalog/subsets/stones/SubsetStone.h"

#include "catalog/GroupBase.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/StoneItemRecord.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/stone/GroupStone.h"
#include "catalog/subsets/stones/StonePrefix.h"
#include "catalog/talvane/GroupTalvane.h"

#include <QStringList>

#include <algorithm>

namespace {

const QString kStoneSection = QStringLiteral("Stone");
const QString kPeakSection = QStringLiteral("Talvane");
const QString kOneCharacterName = QStringLiteral("%1字基石");
const QString kClassName = QStringLiteral("%1基石");
// A word this long (in characters), or holding one of these, is a name of its own.
constexpr qsizetype kWholeNameLength = 5;
const QStringList kWholeNameMarks = {QStringLiteral("石"), QStringLiteral("點")};
// The words of the water-source agencies' stones.
const QStringList kWaterWords = {QStringLiteral("水源"), QStringLiteral("水資會"),
                                 QStringLiteral("水建會"), QStringLiteral("北水")};

bool ContainsAny(const QString& text, const QStringList& parts)
{
    return std::any_of(parts.begin(), parts.end(),
                       [&](const QString& part) { return text.contains(part); });
}

} // namespace

CSubsetStone::CSubsetStone(const QString& word, CGroupStone* stones)
    : CSubsetStoneRows(kTypeStone, FolderOf(word), DisplayNameOf(word), kStoneSection, nullptr,
                       stones),
      word(word)
{
}

CSubsetStone::CSubsetStone(const QString& word, CGroupTalvane* peaks)
    : CSubsetStoneRows(kTypeStone, kFolderBasic, DisplayNameOf(word), kPeakSection, peaks,
                       nullptr),
      word(word)
{
}

QString CSubsetStone::DisplayNameOf(const QString& word)
{
    const qsizetype characters = QStringView(word).toUcs4().size();
    if (characters == 1)
        return kOneCharacterName.arg(word);
    if (characters >= kWholeNameLength || ContainsAny(word, kWholeNameMarks))
        return word;
    return kClassName.arg(word);
}

int CSubsetStone::FolderOf(const QString& word)
{
    return ContainsAny(word, kWaterWords) ? kFolderWater : kFolderBasic;
}

std::optional<CSubsetStoneRows::StoneMatch> CSubsetStone::MatchPeak(const TalvaneItemRecord& peak) const
{
    const char16_t(*const texts[])[TalvaneItemRecord::kStoneWidth] = {
        &peak.Stone,      &peak.Stone2,      &peak.Stone3,
        &peak.StoneAlias, &peak.StoneAlias2, &peak.StoneAlias3,
    };
    constexpr int kSlots = 3;
    for (int k = 0; k < int(std::size(texts)); ++k) {
        int number = 0;
        if (MatchStonePrefix(FieldText(*texts[k]), word, &number))
            return StoneMatch{.slot = k % kSlots, .alias = k >= kSlots, .number = number};
    }
    return std::nullopt;
}

std::optional<CSubsetStoneRows::StoneMatch> CSubsetStone::MatchStone(const StoneItemRecord& stone) const
{
    int number = 0;
    if (MatchStonePrefix(FieldText(stone.Stone), word, &number))
        return StoneMatch{.number = number};
    if (MatchStonePrefix(FieldText(stone.StoneAlias), word, &number))
        return StoneMatch{.alias = true, .number = number};
    return std::nullopt;
}

int CSubsetStone::FillList(IItemList* list, SubsetStatistics*, const ColumnLayout* columns)
{
    const int rows = FillRows(list, columns, [this](const TalvaneItemRecord& r) { return MatchPeak(r); },
                              [this](const StoneItemRecord& r) { return MatchStone(r); });
    if (CGroupBase* group = RowGroup(); group && list)
        group->SortItemList(list, group->GetDefaultSortColumn());
    return rows;
}

int CSubsetStone::MarkOnMap(IPointView* view)
{
    return MarkRows(view, [this](const TalvaneItemRecord& r) { return MatchPeak(r); },
                    [this](const StoneItemRecord& r) { return MatchStone(r); });
}

bool CSubsetStone::MatchesKey(const QString& key) const { return key == word; }

bool CSubsetStone::HasRecordLinks(IItemList* list, int row)
{
    CGroupBase* group = RowGroup();
    return group && group->HasRecordLinks(list, row);
}

bool CSubsetStone::PopupRecordMenu(IItemList* list, int row)
{
    CGroupBase* group = RowGroup();
    return group && group->PopupRecordMenu(list, row);
}

bool CSubsetStone::OpenRecordLink(IItemList* list, int row, int commandId)
{
    CGroupBase* group = RowGroup();
    return group && group->OpenRecordLink(list, row, commandId);
}

bool CSubsetStone::LocateRow(IItemList* list, int row, int radius, bool online)
{
    CGroupBase* group = RowGroup();
    return group && group->LocateRow(list, row, radius, online);
}

bool CSubsetStone::OpenWalkGps(IItemList* list, int row)
{
    CGroupBase* group = RowGroup();
    return group && group->OpenWalkGps(list, row);
}

// Peak rows may hold stones in peak columns: each group takes its own rows, and the stone
// group's answer stands (the peak group's when there is no stone group).
template <class Operation>
bool CSubsetStone::ForBothGroups(Operation operation)
{
    bool answer = false;
    if (!rowsFromStoneGroup && peakGroup)
        answer = operation(static_cast<CGroupBase*>(peakGroup));
    if (stoneGroup)
        answer = operation(static_cast<CGroupBase*>(stoneGroup));
    return answer;
}

bool CSubsetStone::ExportWaypoints(IItemList* list)
{
    return ForBothGroups([list](CGroupBase* group) { return group->ExportWaypoints(list); });
}

bool CSubsetStone::SyncWaypoints(IItemList* list)
{
    return ForBothGroups([list](CGroupBase* group) { return group->SyncWaypoints(list); });
}

bool CSubsetStone::WriteHtmlTable(IItemList* list, const QString& title, const QString& suffix,
                                  int number, const QString& templateKey)
{
    CGroupBase* group = RowGroup();
    return group && group->WriteHtmlTable(list, title, suffix, number, templateKey, false);
}
