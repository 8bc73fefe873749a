#pragma once
// The 32-bit value each row of an item list carries, and what it names. 0 to 19999: an item.
// In the peak list, 20000 + i and 40000 + i: the rows of peak i's second and third survey stone.
// 60000 + j: survey stone j of the survey-stone group, in its own list and among peaks. Every
// other value (80000 and above, the list's separator value) names nothing.
#include <QtGlobal>

struct ItemRowValue {
    static constexpr quint32 kBlock = 20000;  // values of one kind of row
    static constexpr quint32 kSecondStone = 20000;
    static constexpr quint32 kThirdStone = 40000;
    static constexpr quint32 kStoneGroup = 60000;
    static constexpr quint32 kEnd = 80000;    // the first value that names nothing

    enum class Kind { None, Item, SecondStone, ThirdStone, StoneGroup };

    Kind kind = Kind::None;
    int index = -1;  // the item (or the stone group's item) the row shows; -1 for None

    static constexpr ItemRowValue Decode(quint32 value)
    {
        if (value >= kEnd)
            return {};
        constexpr Kind kinds[] = {Kind::Item, Kind::SecondStone, Kind::ThirdStone,
                                  Kind::StoneGroup};
        return {kinds[value / kBlock], int(value % kBlock)};
    }
};

static_assert(ItemRowValue::Decode(19999).kind == ItemRowValue::Kind::Item);
static_assert(ItemRowValue::Decode(20000).kind == ItemRowValue::Kind::SecondStone);
static_assert(ItemRowValue::Decode(79999).index == 19999);
static_assert(ItemRowValue::Decode(0xFFFFFFFFu).kind == ItemRowValue::Kind::None);
