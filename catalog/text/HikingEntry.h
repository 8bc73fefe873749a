#pragma once
// One trip of a hiking companion's itinerary, and the reader of a companion's file.
#include <QList>
#include <QString>
#include <QStringView>

struct HikingEntry {
    static constexpr int kMaxEntries = 2000; // trips of one companion

    QString title;    // the trip's title
    QString dateText; // the trip's date as written, read with ParseDateText
    QString link;     // address of the trip's record

    // Splits a trip text into title and date text: "title [date]", "【title】date-rest" or
    // "title (date)" / "title （date）". False when no form applies.
    bool ParseTrip(QStringView trip);
};

// qsort-style order: the later date (as ParseDateText leaves it) first.
int CompareHikingEntries(const HikingEntry& a, const HikingEntry& b);

// Reads a companion's file (UTF-16LE): trips under entryKeyPattern with n = 1, 2, ... and
// their links under linkKeyPattern (each pattern a prefix and "%d"), in that order, each line
// ended by CR LF but the last; at most HikingEntry::kMaxEntries. Stops at the first trip text that does not
// parse. A file that cannot be read gives none.
QList<HikingEntry> ReadNumberedKeyPairs(const QString& path, QStringView entryKeyPattern,
                                        QStringView linkKeyPattern);
// The same reading of a file's text (as ReadUtf16File gives it). *stoppedAt (when given)
// receives the key at which the reading stopped short: the entry key of a trip text that is
// empty or does not parse, or the link key missing after a trip; empty when the reading ended
// at a missing entry key or at the maximum.
QList<HikingEntry> ReadNumberedKeyPairsText(QStringView text, QStringView entryKeyPattern,
                                            QStringView linkKeyPattern,
                                            QString* stoppedAt = nullptr);
