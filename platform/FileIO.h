#pragma once
// Whole-file reading and writing.
#include "FileTime.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace platform {

// Reads a whole regular file. False when it cannot be opened or read, or when it is larger
// than maxBytes (the caller's bound for what is sane to hold in memory).
bool ReadWholeFile(const QString& path, QByteArray* bytes, qint64 maxBytes = qint64(1) << 31);
// The same, also giving the write time of the file that was read (taken from the open file,
// so that it belongs to the bytes).
bool ReadWholeFile(const QString& path, QByteArray* bytes, qint64 maxBytes, FileTime* writeTime);

// Replaces the file's content atomically: the bytes go to a file beside it, which is then
// renamed over it, so a failure never leaves a truncated file. An existing file keeps its
// permissions. True only when the bytes are on disk.
bool WriteFileAtomically(const QString& path, QByteArrayView bytes);

} // namespace platform
