#pragma once
// Command ids of the entries the groups' row menus offer; the main dialog handles them.
#include "catalog/window/IPopupMenu.h"

#include <QList>

struct RowMenuCommand {
    static constexpr int kLocate = 1013;
    static constexpr int kLocate5K = 1046;
    static constexpr int kLocate10K = 1047;
    static constexpr int kLocateOnline = 1065;
    static constexpr int kFindSameName = 1051;
    static constexpr int kFirstRegion = 1048;  // one per part of the item's region, at most kRegions
    static constexpr int kRegions = 3;
    static constexpr int kFirstStone = 1056;   // one per stone field of a peak
    static constexpr int kStones = 6;
};

// The locate entries of a row menu: on the map, with 5K and 10K around, and, where the group
// offers it, in the online map.
inline QList<MenuEntry> LocateMenuEntries(bool withOnline)
{
    QList<MenuEntry> entries = {{RowMenuCommand::kLocate, QStringLiteral("地圖定位...")},
                                {RowMenuCommand::kLocate5K, QStringLiteral("地圖定位(5K)...")},
                                {RowMenuCommand::kLocate10K, QStringLiteral("地圖定位(10K)...")}};
    if (withOnline)
        entries.append({RowMenuCommand::kLocateOnline, QStringLiteral("Google地圖定位...")});
    return entries;
}
