#pragma once
// Item cache files for tests: the bytes of "~~<key>.bin" in the layout the program reads.
#include <QByteArray>
#include <QList>

// Bytes of an item cache: the records back to back at their own size, then a tail of 32 bytes
// per record (filled with a marker that must never be read as a record).
template <class Record>
QByteArray CacheBytes(const QList<Record>& records)
{
    constexpr int kTail = 32;
    QByteArray bytes;
    for (const Record& r : records)
        bytes.append(reinterpret_cast<const char*>(&r), sizeof r);
    bytes.append(QByteArray(records.size() * kTail, '\xCC'));
    return bytes;
}
