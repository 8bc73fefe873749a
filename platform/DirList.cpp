#include "DirList.h"

#include "Paths.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace platform {

namespace {

QChar Fold(QChar c)
{
    return c.toUpper();
}

bool MatchFrom(QStringView name, QStringView pattern)
{
    // Iterative wildcard match with one back-track point for the last '*'.
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == u'?' || Fold(pattern[p]) == Fold(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == u'*') {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

QString SortKey(const QString& name)
{
    return name.toUpper();
}

} // namespace

bool MatchesWildcard(QStringView name, QStringView pattern)
{
    return MatchFrom(name, pattern);
}

QList<DirEntry> FindFiles(const QString& folder, const QString& pattern)
{
    QList<DirEntry> out;
    const QString dirPath = NormalizePath(folder);
    DIR* dir = ::opendir(QFile::encodeName(dirPath).constData());
    if (!dir)
        return out;
    while (const dirent* e = ::readdir(dir)) {
        const QString name = QFile::decodeName(e->d_name);
        if (name == QLatin1String(".") || name == QLatin1String("..") || !MatchFrom(name, pattern))
            continue;
        const QString path = JoinPath(dirPath, name);
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        DirEntry entry;
        entry.name = name;
        entry.path = path;
        entry.writeTime.ns = qint64(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
        entry.size = st.st_size;
        out.append(std::move(entry));
    }
    ::closedir(dir);
    std::sort(out.begin(), out.end(), [](const DirEntry& a, const DirEntry& b) {
        // Ordinal comparison of the upper-cased names, code unit by code unit.
        return SortKey(a.name) < SortKey(b.name);
    });
    return out;
}

} // namespace platform
