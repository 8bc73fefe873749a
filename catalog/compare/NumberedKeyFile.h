#pragma once
// Adding one numbered entry, a value key and its link key, to a text file that a raw scan reads
// (岫禾圖集's index, a companion's itinerary). The scan looks for each key from where the
// previous line ended, whatever the section, so the new bytes are made first, as the profile
// layer makes them, for the caller to check against the scan; only bytes that pass are written.
#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

struct NumberedPair {
    QString section;
    QString key, value;
    QString linkKey, link;
};

// Whether the profile layer may write the pair's names and values at all.
bool IsWritablePair(const NumberedPair& pair);

// The file's bytes, empty for a missing file; false when it exists but cannot be read.
bool ReadNumberedFile(const QString& path, QByteArray* bytes);

// bytes with [section] key=value and linkKey=link set as WriteProfileString sets them (a new
// file is UTF-16LE with byte-order mark); nullopt when the pair is not writable or when either
// key already holds text.
std::optional<QByteArray> WithNumberedPair(const QByteArray& bytes, const NumberedPair& pair);

// The name of the section in force at position end of a file's text, as the profile layer reads
// the file: the last header line before end, "" when there is none.
QString SectionAt(QStringView text, qsizetype end);

// Replaces the file with bytes in one atomic write, its folder made when missing.
bool WriteNumberedFile(const QString& path, const QByteArray& bytes);
