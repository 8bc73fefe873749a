#include "FileIO.h"

#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// Buffers at least this large are backed by huge pages where the kernel allows it.
constexpr qsizetype kHugePageBufferBytes = qsizetype(4) << 20;

// A large buffer freshly taken from the system costs one page fault per 4 KB as the read fills
// it, which dominates reading a file of tens of MB; huge pages cut that 500-fold. Only a hint:
// the pages stay ordinary ones where the kernel declines.
void AdviseHugePages(QByteArray* buffer)
{
    if (buffer->size() < kHugePageBufferBytes)
        return;
    const auto page = uintptr_t(::sysconf(_SC_PAGESIZE));
    const auto begin = reinterpret_cast<uintptr_t>(buffer->data());
    const uintptr_t first = (begin + page - 1) & ~(page - 1);
    const uintptr_t last = (begin + uintptr_t(buffer->size())) & ~(page - 1);
    ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

} // namespace

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
        AdviseHugePages(&data);
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
