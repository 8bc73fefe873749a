#pragma once
// The 岫禾圖集 index file, "山友\岫禾圖集.txt" of the data folder: section "Guide", keys Quill%d
// ("十五045-雪山") and QuillLink%d in that order, as ReadQuillAtlasFile reads them (UTF-16LE
// with byte-order mark, CR LF line ends). The reader ignores sections: an owner's file may keep
// its keys anywhere.
#include "catalog/text/GuideEntry.h"

#include <QList>
#include <QString>

inline constexpr QStringView kQuillAtlasSection = u"Guide";

// "%s%03d-%s": the volume text, the page in three digits, the title.
QString FormatQuillValue(const GuideEntry& entry);

// The whole index of entries: the section header, then Quill1, QuillLink1, Quill2, ... each
// line ended by CR LF. Empty when a value holds a line break or NUL (it would break the key order).
QString BuildQuillAtlasText(const QList<GuideEntry>& entries);

// A file that is missing, has no bytes, or holds only a byte-order mark: one that may be rebuilt.
bool IsMissingOrEmptyFile(const QString& path);

// Writes the whole index in one write, UTF-16LE with byte-order mark, the folder created when
// missing; false (nothing written) when the text cannot be built or written.
bool WriteQuillAtlasFile(const QString& path, const QList<GuideEntry>& entries);

// Adds entry as the profile-string layer writes keys, under the n that ReadQuillAtlasFile looks
// for next (one past the entries it reads), in the section of the last entry it reads or else
// in "Guide", wherever the reader then finds it. False, the index unchanged, when the reader
// would find it in neither (keys out of order, a value without its link), when a key of that n
// already holds text, when the index is full or when the write fails. *number (may be null)
// receives n.
bool AddQuillAtlasEntry(const QString& path, const GuideEntry& entry, int* number = nullptr);
