#pragma once
// The figures a subset's list filling writes for the status line: how many listed items were
// visited at least once, and how many each hiking companion visited.
#include <cstdint>

struct SubsetStatistics {
    // The most companions a peak group keeps.
    static constexpr int kMaxCompanions = 15;
    // The value of visited before a subset that keeps statistics has filled it.
    static constexpr int32_t kNone = -1;

    int32_t visited = kNone;                  // listed items visited at least once
    int32_t companions[kMaxCompanions] = {};  // listed items companion j visited
};
