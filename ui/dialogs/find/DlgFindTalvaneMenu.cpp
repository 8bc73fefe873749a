// The peak popup of the search dialog (山岳功能...): locating the selected peak, and the jumps
// to its regions and survey stones that close the dialog for the opener to carry out. Its
// commands are this dialog's own, whatever ids the main dialog gives the same entries.
#include "ui/dialogs/find/DlgFindTalvane.h"

#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/subsets/regions/RegionServices.h"
#include "catalog/talvane/GroupTalvane.h"

namespace {

using Menu = RowMenuCommand;

const QString kRegionEntry = QStringLiteral("跳至地區(%1)...");
const QString kStoneEntry = QStringLiteral("跳至基石(%1)...");
// Radii of the locate entries, in hundredths of a degree.
constexpr int kRadius5K = 5;
constexpr int kRadius10K = 10;

// The peak's regions as the jumps name them, at most kRegions.
QStringList RegionsOf(const TalvaneItemRecord& peak)
{
    QStringList regions;
    SplitList(FieldText(peak.Region), &regions, Menu::kRegions);
    return regions.mid(0, Menu::kRegions);
}

// The stone fields in the order of the stone entries.
std::array<QString, Menu::kStones> StoneTexts(const TalvaneItemRecord& peak)
{
    return {FieldText(peak.Stone),      FieldText(peak.Stone2),      FieldText(peak.Stone3),
            FieldText(peak.StoneAlias), FieldText(peak.StoneAlias2), FieldText(peak.StoneAlias3)};
}

} // namespace

void CDlgFindTalvane::ConnectMenuCommands()
{
    Commands().On(Menu::kLocate, [this] { OnLocate(0, false, true); });
    Commands().On(Menu::kLocate5K, [this] { OnLocate(kRadius5K, false, false); });
    Commands().On(Menu::kLocate10K, [this] { OnLocate(kRadius10K, false, false); });
    Commands().On(Menu::kLocateOnline, [this] { OnLocate(0, true, false); });
    for (int i = 0; i < Menu::kRegions; ++i)
        Commands().On(Menu::kFirstRegion + i, [this, i] { OnGotoRegion(i); });
    for (int k = 0; k < Menu::kStones; ++k)
        Commands().On(Menu::kFirstStone + k, [this, k] { OnGotoStone(k); });
    Commands().On(kOpenWalkGps, [this] { OnOpenWalkGps(); });
}

void CDlgFindTalvane::OnPeakMenu()
{
    int row = -1;
    if (!SelectedRow(&row))
        return;
    const TalvaneItemRecord* peak = Peak(RowPeak(row));
    if (!peak)
        return;
    // The chosen command runs here once the menu has closed, never in the main dialog.
    const int id = menu_->ShowAtCursor(PeakMenuEntries(*peak), MenuDelivery::ReturnOnly);
    if (id != 0)
        Commands().Dispatch(id);
}

QList<MenuEntry> CDlgFindTalvane::PeakMenuEntries(const TalvaneItemRecord& peak)
{
    QList<MenuEntry> entries = {{Menu::kLocate, QStringLiteral("地圖定位...")},
                                {Menu::kLocate5K, QStringLiteral("地圖定位(5K)...")},
                                {Menu::kLocate10K, QStringLiteral("地圖定位(10K)...")},
                                {Menu::kLocateOnline, QStringLiteral("Google地圖定位...")}};
    // The jumps close the dialog; an opener that assigns walks or atlas pages gets none.
    if (walkNumber == 0 && atlasCode == 0 && mateVisitCode == 0)
        AppendJumpEntries(peak, &entries);
    return entries;
}

void CDlgFindTalvane::AppendJumpEntries(const TalvaneItemRecord& peak, QList<MenuEntry>* entries)
{
    const QStringList regions = RegionsOf(peak);
    for (int i = 0; i < regions.size(); ++i)
        entries->append({Menu::kFirstRegion + i, kRegionEntry.arg(ConvertDisplayName(regions[i]))});
    const CGroupTable* table = peaks_->Table();
    if (!table)
        return;
    const std::array<QString, Menu::kStones> stones = StoneTexts(peak);
    for (int k = 0; k < Menu::kStones; ++k) {
        QString name;
        int number = 0;
        if (stones[std::size_t(k)].isEmpty() || !table->ParseStoneName(stones[std::size_t(k)], &name, &number))
            continue;
        stoneChoices_[std::size_t(k)] = name;
        entries->append({Menu::kFirstStone + k, kStoneEntry.arg(name)});
    }
}

void CDlgFindTalvane::OnLocate(int radius, bool online, bool reloadWaypoints)
{
    int row = -1;
    if (!peaks_ || !SelectedRow(&row))
        return;
    if (reloadWaypoints)
        peaks_->LoadWaypointFile(true);
    peaks_->LocateRow(&list_, row, radius, online);
}

void CDlgFindTalvane::OnGotoRegion(int index)
{
    int row = -1;
    if (!SelectedRow(&row))
        return;
    const TalvaneItemRecord* peak = Peak(RowPeak(row));
    const QStringList regions = peak ? RegionsOf(*peak) : QStringList();
    if (index < 0 || index >= regions.size())
        return;
    resultRegion = regions[index];
    accept();
}

void CDlgFindTalvane::OnGotoStone(int slot)
{
    if (slot < 0 || slot >= Menu::kStones || stoneChoices_[std::size_t(slot)].isEmpty())
        return;
    resultStone = stoneChoices_[std::size_t(slot)];
    accept();
}

void CDlgFindTalvane::OnOpenWalkGps()
{
    int row = -1;
    if (peaks_ && SelectedRow(&row))
        peaks_->OpenWalkGps(&list_, row);
}
