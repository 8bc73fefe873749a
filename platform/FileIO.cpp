#include "FileIO.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

bool ReadWholeFile(const QString& path, QByteArray* bytes, qint64 maxBytes)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    if (size < 0 || size > maxBytes)
        return false;
    QByteArray data;
    data.resize(size);
    qint64 done = 0;
    while (done < size) {
        const qint64 n = file.read(data.data() + done, size - done);
        if (n <= 0)
            return false;
        done += n;
    }
    *bytes = std::move(data);
    return true;
}

bool WriteFileAtomically(const QString& path, QByteArrayView bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace platform
