#pragma once
// Directory search: the files of one folder whose names match a wildcard pattern.
#include "FileTime.h"

#include <QList>
#include <QString>

namespace platform {

struct DirEntry {
    QString name;        // file name without folder
    QString path;        // folder + '/' + name
    FileTime writeTime;  // last-write time
    qint64 size = 0;
};

// Regular files (and links to them) of folder whose names match pattern ('*' any run, '?' one
// character, letters compared without case), sorted by the name upper-cased per UTF-16 code
// unit. A missing folder gives an empty list.
QList<DirEntry> FindFiles(const QString& folder, const QString& pattern);

// The wildcard test used by FindFiles.
bool MatchesWildcard(QStringView name, QStringView pattern);

} // namespace platform
