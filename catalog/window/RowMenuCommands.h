#pragma once
// Command ids of the entries the groups' row menus offer; the main dialog handles them.
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
