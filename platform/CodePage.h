#pragma once
// Conversions between the program's UTF-16 text and the encodings met at file boundaries:
// UTF-8, UTF-16LE and the ANSI code page of the owner's Windows machine (CP950, Big5).
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace platform {

// Invalid UTF-8 sequences decode to U+FFFD.
QString FromUtf8(QByteArrayView bytes);
QByteArray ToUtf8(QStringView text);
bool IsValidUtf8(QByteArrayView bytes);

// The ANSI code page. Bytes that are no CP950 character decode to U+FFFD; characters that
// CP950 cannot hold encode as '?', and *lossless (when given) tells whether that happened.
QString FromAnsi(QByteArrayView bytes);
QByteArray ToAnsi(QStringView text, bool* lossless = nullptr);
bool FitsAnsi(QStringView text);

// UTF-16 little-endian without any byte-order handling; an odd last byte is dropped.
QString FromUtf16Le(QByteArrayView bytes);
QByteArray ToUtf16Le(QStringView text);
QString FromUtf16Be(QByteArrayView bytes);

} // namespace platform
