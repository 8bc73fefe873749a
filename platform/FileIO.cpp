#include "FileIO.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool ReadWholeFile(const QString& path, QByteArray* bytes, qint64 maxBytes)
{
    FileTime writeTime;
    return ReadWholeFile(path, bytes, maxBytes, &writeTime);
}

bool ReadWholeFile(const QString& path, QByteArray* bytes, qint64 maxBytes, FileTime* writeTime)
{
    // The type and size are checked on the open file itself, so nothing can be swapped in
    // between; O_NONBLOCK keeps a FIFO from waiting for a writer before it is refused.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= maxBytes;
    QByteArray data;
    if (ok) {
        data.resize(qsizetype(st.st_size));
        qint64 done = 0;
        while (ok && done < data.size()) {
            const ssize_t n = ::read(fd, data.data() + done, size_t(data.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            ok = n > 0;
            done += ok ? n : 0;
        }
    }
    ::close(fd);
    if (!ok)
        return false;
    *bytes = std::move(data);
    *writeTime = FileTime::FromSeconds(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
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
