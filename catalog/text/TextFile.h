#pragma once
// Whole text files read into a string and written from one, and cutting the text between two
// markers. A byte-order mark is not treated specially: it stays as U+FEFF at the start of the
// text (callers search for markers).
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Reads the file as UTF-8 (utf8) or as the ANSI code page; the text ends at the first zero
// byte. False (text untouched) for a missing, unreadable or empty file.
bool ReadTextFile(const QString& path, QString* text, bool utf8);

// Reads the file as UTF-16LE without any check; an odd last byte is dropped and the text ends
// at the first zero unit. False (text untouched) for a missing, unreadable or empty file.
bool ReadUtf16File(const QString& path, QString* text);
// The text ReadUtf16File makes of a file's bytes.
QString DecodeUtf16File(QByteArrayView bytes);

// Writes text as UTF-8 without byte-order mark, replacing the file atomically. An empty text
// leaves an empty file and gives false.
bool WriteUtf8File(const QString& path, QStringView text);

// Finds startMarker at or after from and endMarker after it; result = the text between them,
// *endPos (when given) = the position just past the end marker. False (result untouched) when
// a marker is null or missing, or from is outside 0 … text length. Exact, case-sensitive.
bool ExtractBetween(QStringView text, QStringView startMarker, QStringView endMarker,
                    QString* result, qsizetype from = 0, qsizetype* endPos = nullptr);
