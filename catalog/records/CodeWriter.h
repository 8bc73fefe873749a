#pragma once
// Appending a code (a walk, an atlas page, a companion's visit) to an item: the scan of the
// record's code list, the checks of the code, and the write into the item file before the
// record and the list row change. Shared by the groups that keep such lists.
#include "catalog/records/CodeList.h"

#include <QString>

#include <cstdint>

class CGroupBase;
class IItemList;

namespace code_writer {

// One pass over a code list: whether it holds the code, where its first free place is
// (kMaxCodes when full) and how many codes of the same kind as the new one it holds.
struct CodeScan {
    bool held = false;
    int length = 0;
    int sameKind = 0;
};

template <class SameKind>
CodeScan ScanCodes(const int32_t (&codes)[kMaxCodes], int code, SameKind sameKind)
{
    CodeScan scan;
    for (; scan.length < kMaxCodes && codes[scan.length] != 0; ++scan.length) {
        if (codes[scan.length] == code)
            scan.held = true;
        if (sameKind(codes[scan.length]))
            ++scan.sameKind;
    }
    return scan;
}

// A code that names a page of one of the two atlases (volume 1 to 30, page 1 to 999), as its
// reader gives it back.
bool IsAtlasCode(int code);

// The item-file value of an atlas code: "(%s%03d)" for the BlueSky atlas, the dashed form for
// 岫禾圖集; false for a code that names no page.
bool AtlasValueText(int code, QString* text);

// The date text "%d/%d/%d" of a companion visit code's date part; empty when the date reader
// would not read the same date back from it.
QString MateDateText(int code);

// Writes key=value into the item's file, then keeps the code at position of codes and marks the
// row's column with "V". The key must be free: a numbered entry never overwrites text already
// there. False, with nothing changed, when the key holds text or the write fails.
bool AppendCode(CGroupBase& group, IItemList* list, int row, int item,
                int32_t (&codes)[kMaxCodes], int position, int code, const QString& key,
                const QString& value, int column);

// Appends a walk number to the item's visits under the first Visit%d after them (see
// AppendCode). False, with nothing changed, for a walk number below 1, one already held, a full
// list, a taken key or a failed write.
bool AppendVisit(CGroupBase& group, IItemList* list, int row, int item,
                 int32_t (&visits)[kMaxCodes], int walkNumber, int column);

} // namespace code_writer
