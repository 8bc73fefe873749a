#pragma once
// Last-write times of files, with nanoseconds.
#include <QString>
#include <QtGlobal>
#include <compare>

namespace platform {

struct FileTime {
    // Nanoseconds since 1970-01-01 UTC; 0 means "no time".
    qint64 ns = 0;

    // Offset of the Unix epoch in the Windows file-time scale (100 ns since 1601).
    static constexpr qint64 kEpochIn100ns = 116444736000000000LL;
    static constexpr qint64 kNsPerSecond = 1000000000LL;

    // From the seconds and nanoseconds of a struct timespec.
    static FileTime FromSeconds(qint64 seconds, qint64 nanoseconds) { return FileTime{seconds * kNsPerSecond + nanoseconds}; }

    bool isNull() const { return ns == 0; }
    // The value in the Windows scale, and its high 32 bits (about 7 minutes a step), which
    // the item rescan compares.
    quint64 windowsTicks() const { return quint64(ns / 100 + kEpochIn100ns); }
    quint32 highPart() const { return quint32(windowsTicks() >> 32); }

    friend auto operator<=>(const FileTime&, const FileTime&) = default;
};

// The file's last-write time; false (and *time untouched) when the file does not exist or is
// no regular file.
bool GetFileWriteTime(const QString& path, FileTime* time);

// Sets a file's last-write time (tests and tools use it to order files against caches).
bool SetFileWriteTime(const QString& path, FileTime time);

} // namespace platform
