#pragma once
// Profile strings: reading and writing keys of INI-style files with the semantics of the
// Windows profile-string functions that the catalog's files were made with (see
// IniDocument.h for the rules). Parsed files are cached by path, size and write time.
#include <QString>
#include <QStringList>

namespace platform {

// [section] key of file, or def when the file, section or key is missing. A present but
// empty value gives "".
QString GetProfileString(const QString& file, const QString& section, const QString& key,
                         const QString& def = QString());

// The integer reading of the same value: def when missing or empty, else optional blanks and
// sign, decimal digits up to the first non-digit (or hexadecimal after "0x"), clamped to 32 bits.
int GetProfileInt(const QString& file, const QString& section, const QString& key, int def = 0);

// Writes [section] key=value, changing nothing else in the file. False (and the file
// untouched) for a refused name or value or when the file cannot be replaced.
bool WriteProfileString(const QString& file, const QString& section, const QString& key,
                        const QString& value);

// The key names of a section in file order (first of each name), empty when missing.
QStringList GetProfileKeys(const QString& file, const QString& section);

// Forgets every parsed file (tests that rewrite files behind the cache's back use it).
void ClearProfileCache();

} // namespace platform
