#pragma once
// Code lists of the item records (visits, atlas references, companion visits): at most
// kMaxCodes codes, ended by the first 0 unless full, kept in descending runs.
#include <cstdint>

// Code lists hold at most this many codes.
inline constexpr int kMaxCodes = 30;

// The number of leading non-zero codes of a list.
inline int LeadingCodes(const int32_t (&list)[kMaxCodes])
{
    int n = 0;
    while (n < kMaxCodes && list[n] != 0)
        ++n;
    return n;
}

// Moves list[pos] towards first past every smaller code before it (one insertion step), so that
// list[first..pos] stays descending; equal codes keep their order.
inline void MoveCodeForward(int32_t* list, int first, int pos)
{
    const int32_t value = list[pos];
    while (pos > first && list[pos - 1] < value) {
        list[pos] = list[pos - 1];
        --pos;
    }
    list[pos] = value;
}
