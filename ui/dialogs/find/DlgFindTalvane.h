#pragma once
// 搜尋山岳, the peak group's search dialog: peaks by name (tolerant, with the configured
// separators and name pairs), by region or by survey-stone number; the peaks within ten li of
// one peak, or the peaks nearest to it; and a popup of row commands that locate the peak or ask
// the opener to jump to one of its regions or stones.
#include "catalog/window/RowMenuCommands.h"
#include "ui/adapters/QtPopupMenu.h"
#include "ui/dialogs/find/AssignFindDialog.h"

#include <array>
#include <memory>
#include <optional>

class CGroupTalvane;
struct MenuEntry;
struct TalvaneItemRecord;

class CDlgFindTalvane : public CAssignFindDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 131;

    // Control ids beside the shared ones.
    static constexpr int kSearchName = 1070;
    static constexpr int kRegionEdit = 1029;
    static constexpr int kSearchRegion = 1028;
    static constexpr int kStoneEdit = 1055;
    static constexpr int kSearchStone = 1054;
    static constexpr int kPeakMenu = 1045;
    static constexpr int kWithinTenLi = 1064;
    static constexpr int kNearbyPeaks = 1081;
    // Commands of the peak popup, and the one no control issues.
    using Menu = RowMenuCommand;
    static constexpr int kOpenWalkGps = 1063;

    // Distances are in hundredths of a degree, longitude and latitude weighted alike.
    static constexpr double kDistanceScale = 100.0;
    // Two distances closer than this count as equal (coordinates written as decimals).
    static constexpr double kDistanceAllowance = 1e-9;
    // 方圓十里 keeps the peaks up to this distance of the reference peak.
    static constexpr double kTenLi = 10.0;
    // 鄰近的山: the first radius, doubled while kMinNearby or fewer peaks lie within it, up to
    // kMaxRadius; at most kMaxNearby peaks are collected.
    static constexpr double kFirstRadius = 3.0;
    static constexpr double kMaxRadius = 48.0;
    static constexpr int kMinNearby = 5;
    static constexpr int kMaxNearby = 100;

    // menu: where the peak popup shows (not owned); null: the dialog's own popup menu, whose
    // commands reach this dialog's command dispatch.
    explicit CDlgFindTalvane(CGroupTalvane* group, QWidget* parent = nullptr,
                             IPopupMenu* menu = nullptr);
    ~CDlgFindTalvane() override;

    // The outcome: a region or stone the user asked to jump to.
    QString resultRegion;
    QString resultStone;

    void OnInitDialog() override;

    // The searches and the distance commands.
    void OnSearchName();
    void OnSearchRegion();
    void OnSearchStone();
    void OnWithinTenLi();
    void OnNearbyPeaks();
    // The row commands, each on the single selected row.
    void OnPeakMenu();
    void OnEditData();
    void OnListItemChanged() override;

    // The row's mark: the peak holds the walk, atlas code or companion visit the opener gave.
    bool MatchesFilter(int item) const;

private:
    // Which search filled the list last.
    enum class LastSearch { Name, Region, Stone };
    // A peak and its distance from the reference peak.
    struct NearPeak {
        int item = -1;
        double distance = 0;
    };

    void ConnectCommands();
    void ConnectMenuCommands();

    // Clears the list and disables the row commands before a search lists its hits.
    void StartSearch();
    // Lists the items in order, each marked by MatchesFilter; shows their number.
    void ListPeaks(const QList<int>& items);
    const TalvaneItemRecord* Peak(int item) const;
    // The peak a row stands for (its own row or the row of its second or third stone); -1 for none.
    int RowPeak(int row) const;

    // The reference peak of the distance commands; none when no row qualifies or the peak has no
    // position.
    std::optional<int> ReferencePeak() const;
    int FirstRowMatchingFilter() const;
    // The peaks of the group within radius of the reference, in group order, at most kMaxNearby.
    QList<NearPeak> CollectNear(int reference, double radius) const;

    // The popup's entries for a peak; the stone names offered are kept in stoneChoices.
    QList<MenuEntry> PeakMenuEntries(const TalvaneItemRecord& peak);
    void AppendJumpEntries(const TalvaneItemRecord& peak, QList<MenuEntry>* entries);
    void OnLocate(int radius, bool online, bool reloadWaypoints);
    void OnGotoRegion(int index);
    void OnGotoStone(int slot);
    void OnOpenWalkGps();

    CGroupTalvane* peaks_;
    std::unique_ptr<QtPopupMenu> ownMenu_;
    IPopupMenu* menu_;
    std::optional<LastSearch> lastSearch_;
    std::array<QString, Menu::kStones> stoneChoices_;
};
