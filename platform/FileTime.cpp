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
    time->ns = qint64(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return true;
}

bool SetFileWriteTime(const QString& path, FileTime time)
{
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = time.ns / 1000000000LL;
    times[1].tv_nsec = time.ns % 1000000000LL;
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

} // namespace platform
