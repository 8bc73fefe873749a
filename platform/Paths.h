#pragma once
// Path handling. Stored values may use '\' or '/'; every path the program builds uses '/'.
#include <QString>
#include <QStringView>

namespace platform {

// Joins base and rest: '\' and '/' are both separators, "." and ".." are resolved, a rest
// that starts with '/' is absolute and replaces base; a leading '\' is only a separator, as in
// the literal suffixes "\~~Stone.bin" that the catalog appends to folders. Either side may be empty.
QString JoinPath(QStringView base, QStringView rest);
QString JoinPath(QStringView base, QStringView middle, QStringView rest);

// The same cleaning for one path.
QString NormalizePath(QStringView path);

// File name without folder; and without folder and extension (the item's "base name").
QString FileNameOf(QStringView path);
QString BaseNameOf(QStringView path);
// Folder part of a path, without the trailing separator.
QString FolderOf(QStringView path);

// The folder of the running program; tests may point it elsewhere.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);

// A folder where temporary files may be written when the preferred one is not writable.
QString FallbackTempFolder();
bool IsWritableFolder(const QString& folder);

} // namespace platform
