// The peak group's row menu and the locating of a row's peak through the group's waypoint set.
#include "catalog/talvane/GroupTalvane.h"

#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/window/IItemList.h"
#include "catalog/window/IPopupMenu.h"
#include "catalog/window/WindowServices.h"

namespace {

using Menu = CGroupTalvane::RowMenu;

const QString kRegionEntry = QStringLiteral("跳至地區(%1)...");
const QString kStoneEntry = QStringLiteral("跳至基石(%1)...");

// The entries every row offers: the locate entries and the same-name search.
QList<MenuEntry> FixedEntries()
{
    QList<MenuEntry> entries = LocateMenuEntries(true);
    entries.append({Menu::kFindSameName, QStringLiteral("找同名山...")});
    return entries;
}

// One entry per region code of the peak, at most kRegions, shown through the display names.
void AppendRegionEntries(const TalvaneItemRecord& peak, QList<MenuEntry>* entries)
{
    QStringList regions;
    SplitList(FieldText(peak.Region), &regions, Menu::kRegions);
    for (int j = 0; j < regions.size() && j < Menu::kRegions; ++j)
        entries->append({Menu::kFirstRegion + j, kRegionEntry.arg(ConvertDisplayName(regions[j]))});
}

// The peak's stone fields in the order of the stone entries.
std::array<QString, Menu::kStones> StoneTexts(const TalvaneItemRecord& peak)
{
    return {FieldText(peak.Stone),      FieldText(peak.Stone2),      FieldText(peak.Stone3),
            FieldText(peak.StoneAlias), FieldText(peak.StoneAlias2), FieldText(peak.StoneAlias3)};
}

} // namespace

bool CGroupTalvane::LocateRow(IItemList* list, int row, int radius, bool online)
{
    if (!list || row < 0 || row >= list->RowCount())
        return false;
    const int peak = PeakOfRowValue(list->RowData(row));
    return peak >= 0 && LocateItem(peak, radius, online);
}

bool CGroupTalvane::PopupItemMenu(IItemList* list, int row)
{
    if (!list || row < 0 || row >= list->RowCount())
        return false;
    QList<MenuEntry> entries = FixedEntries();
    // A survey-stone row stands for no peak: it offers the fixed entries alone.
    if (const TalvaneItemRecord* peak = Record(PeakOfRowValue(list->RowData(row)))) {
        AppendRegionEntries(*peak, &entries);
        AppendStoneEntries(*peak, &entries);
    }
    // The choice reaches the owner as a command, after the menu has closed.
    const WindowServices* services = Services();
    if (services && services->popupMenu)
        services->popupMenu->ShowAtCursor(entries, MenuDelivery::ToOwner);
    return true;
}

// One entry per stone field that names a stone of a known level; the level word is kept for the
// jump the entry asks for.
void CGroupTalvane::AppendStoneEntries(const TalvaneItemRecord& peak, QList<MenuEntry>* entries)
{
    const CGroupTable* groups = Table();
    if (!groups)
        return;
    const std::array<QString, RowMenu::kStones> stones = StoneTexts(peak);
    for (int k = 0; k < RowMenu::kStones; ++k) {
        QString word;
        int number = 0;
        if (stones[std::size_t(k)].isEmpty() ||
            !groups->ParseStoneName(stones[std::size_t(k)], &word, &number))
            continue;
        jumpStones[std::size_t(k)] = word;
        entries->append({RowMenu::kFirstStone + k, kStoneEntry.arg(word)});
    }
}

QString CGroupTalvane::JumpStone(int slot) const
{
    if (slot < 0 || slot >= RowMenu::kStones)
        return QString();
    return jumpStones[std::size_t(slot)];
}
