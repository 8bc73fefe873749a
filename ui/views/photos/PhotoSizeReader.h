#pragma once
// Photo sizes read from the files' headers, without decoding a pixel. Each answer is kept for
// the file's path, size and last-write time, so a photo shown again is not reopened; a file
// that changed is read again.
#include "platform/FileTime.h"

#include <QHash>
#include <QSize>
#include <QString>

class PhotoSizeReader {
public:
    // The photo's size in pixels; an empty size for a file that holds no readable image.
    QSize Read(const QString& path, qint64 fileSize, platform::FileTime writeTime);

    // Files opened so far (answers from the kept ones not counted).
    int FilesOpened() const { return filesOpened_; }

private:
    struct Entry {
        qint64 fileSize = 0;
        platform::FileTime writeTime;
        QSize size;
    };
    QHash<QString, Entry> entries_;
    int filesOpened_ = 0;
};
