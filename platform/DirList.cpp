#include "DirList.h"

#include "Paths.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <utility>
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

// Each UTF-16 code unit upper-cased on its own, as the Windows file system orders names: no
// expansions such as 'ß' to "SS", and surrogates stay as they are.
QString SortKey(const QString& name)
{
    QString key = name;
    for (QChar& c : key)
        c = c.toUpper();
    return key;
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
        // The name is taken as it is: a backslash in a Linux file name is no separator.
        const QString path = dirPath.endsWith(u'/') ? dirPath + name : dirPath + u'/' + name;
        struct stat st {};
        if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        DirEntry entry;
        entry.name = name;
        entry.path = path;
        entry.writeTime = FileTime::FromSeconds(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
        entry.size = st.st_size;
        out.append(std::move(entry));
    }
    ::closedir(dir);
    // Ordinal comparison of the upper-cased names, code unit by code unit; names that differ
    // only in case (possible here, not on Windows) keep a fixed order by their own code units.
    QList<std::pair<QString, qsizetype>> keys;
    keys.reserve(out.size());
    for (qsizetype i = 0; i < out.size(); ++i)
        keys.append({SortKey(out[i].name), i});
    std::sort(keys.begin(), keys.end(), [&out](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return out[a.second].name < out[b.second].name;
    });
    QList<DirEntry> sorted;
    sorted.reserve(out.size());
    for (const auto& key : keys)
        sorted.append(std::move(out[key.second]));
    return sorted;
}

} // namespace platform
