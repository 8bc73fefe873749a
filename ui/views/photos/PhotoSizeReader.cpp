#include "ui/views/photos/PhotoSizeReader.h"

#include <QImageReader>

QSize PhotoSizeReader::Read(const QString& path, qint64 fileSize, platform::FileTime writeTime)
{
    const auto kept = entries_.constFind(path);
    if (kept != entries_.cend() && kept->fileSize == fileSize && kept->writeTime == writeTime)
        return kept->size;
    ++filesOpened_;
    QImageReader reader(path);
    reader.setAutoTransform(false);
    QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        size = QSize(0, 0);
    entries_.insert(path, Entry{fileSize, writeTime, size});
    return size;
}
