#pragma once
// The lines of an INI file's bytes or text, each with its line end, for comparing a file
// before and after one key was written.
#include "platform/IniDocument.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace fuzz {

struct IniLines {
    QByteArray head;                 // the byte-order mark
    std::vector<QByteArray> lines;   // each line's bytes with its line end (CR LF, LF or CR)
    QByteArray tail;                 // an odd last byte of a UTF-16 file

    // The lines of bytes in encoding, split in its code units.
    static IniLines OfBytes(const QByteArray& bytes, platform::IniEncoding encoding);
    // The lines of the text the document reads: 8-bit files decoded line by line.
    static QStringList TextOf(const QByteArray& bytes, platform::IniEncoding encoding);
};

// "" when after is before with one line changed, one line added, or one section (header and
// key line) added at the end; a line that lacked its end may gain one. Else what differs.
std::string CompareOneLineChanged(const std::vector<QByteArray>& before,
                                  const std::vector<QByteArray>& after);

// The same over decoded text lines (each with its line end).
std::string CompareOneLineChanged(const QStringList& before, const QStringList& after);

} // namespace fuzz
