#pragma once
// A count of the bytes the text searches step over, kept only while a caller points
// scannedBytes at a counter: tests use it to check that reading a file is a bounded number of
// passes over its text. Unset, the normal case, it costs one test per search.
#include <QtGlobal>

namespace gps {

inline thread_local qint64* scannedBytes = nullptr;

inline void CountScanned(qsizetype bytes)
{
    if (scannedBytes) [[unlikely]]
        *scannedBytes += bytes;
}

} // namespace gps
