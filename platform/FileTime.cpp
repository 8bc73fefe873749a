#include "FileTime.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>

namespace platform {

bool GetFileWriteTime(const QString& path, FileTime* time)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    *time = FileTime::FromSeconds(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
    return true;
}

bool SetFileWriteTime(const QString& path, FileTime time)
{
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    // Floor division: a time before 1970 still has 0 <= tv_nsec < 10^9.
    qint64 seconds = time.ns / FileTime::kNsPerSecond;
    qint64 nanoseconds = time.ns % FileTime::kNsPerSecond;
    if (nanoseconds < 0) {
        nanoseconds += FileTime::kNsPerSecond;
        --seconds;
    }
    times[1].tv_sec = seconds;
    times[1].tv_nsec = nanoseconds;
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

} // namespace platform
