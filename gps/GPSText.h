#pragma once
// Text helpers of the GPS formats: whole-file reading, UTF-8 to the ANSI code page, fixed
// record fields cut at character boundaries, and the text between two markers.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace gps {

// The whole file; false when it cannot be read or is empty.
bool ReadWholeFile(const QString& path, QByteArray* bytes);

// The text of a field up to its first zero byte (or its whole width when there is none).
QByteArrayView FieldText(const char* field, qsizetype width);
QStringView FieldText(const char16_t* field, qsizetype width);

// Copies text into a fixed field of width bytes, always ending with a zero byte. A longer
// text is cut after the last whole ANSI (Big5) character that fits.
void CopyAnsiToField(char* field, qsizetype width, QByteArrayView text);
// The same for UTF-8 text: cut after the last whole UTF-8 character that fits.
void CopyUtf8ToField(char* field, qsizetype width, QByteArrayView text);
// Copies text into a wide field of width code units, cut to width - 1 units without
// splitting a surrogate pair, always ending with a 0.
void CopyToField(char16_t* field, qsizetype width, QStringView text);

// ANSI (Big5) bytes cut to at most maxBytes without splitting a character.
QByteArray CutAnsi(QByteArrayView text, qsizetype maxBytes);
// Text cut to at most maxUnits UTF-16 code units without splitting a surrogate pair.
QString CutText(QStringView text, qsizetype maxUnits);
// UTF-8 bytes cut to at most maxBytes without splitting a character.
QByteArray CutUtf8(QByteArrayView text, qsizetype maxBytes);
// Text in UTF-8 as a field of fieldBytes holds it with its terminating zero: at most
// fieldBytes - 1 bytes, cut without splitting a character.
QByteArray Utf8ForField(QStringView text, qsizetype fieldBytes);

// Converts source (read up to its first zero byte) into the ANSI code page in a field of size
// bytes. With isUtf8 clear, the bytes are copied as they are. A source that is not UTF-8 by
// its lead bytes (a stray continuation byte or a four-byte lead) is copied as it is too.
// Characters the code page lacks become its default character. The field always ends with a
// zero byte, and a long text is cut at a character boundary.
void Utf8ToAnsi(char* destination, qsizetype size, QByteArrayView source, bool isUtf8);

// The text between the first open marker at or after start and the first close marker after
// it, found at ANSI character boundaries; *end (when given) receives the position just past
// the close marker. Start is taken as a character boundary (0 or an earlier *end), so walking
// repeated elements costs one pass over the text. False (out unchanged) when a marker is
// missing, empty or start is outside the text.
bool FindTagText(QByteArrayView text, QByteArrayView open, QByteArrayView close, QByteArray* out,
                 qsizetype start = 0, qsizetype* end = nullptr);
// The same search on UTF-8 text from its start; the result is UTF-8 of at most 127 bytes,
// cut at a character boundary.
bool FindTagTextUtf8(QByteArrayView text, QByteArrayView open, QByteArrayView close, QByteArray* out);

} // namespace gps
