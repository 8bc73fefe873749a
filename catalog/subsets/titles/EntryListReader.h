#pragma once
// The peak lists kept in the main settings file: a list is one comma-separated value, or, when
// that is empty, the numbered keys key1, key2, ... joined by ",". Each entry names one peak as
// "name", "name(region)" or "name(region)(stone)". The title and named-list subsets read their
// lists through one reader each, differing only in section and limits.
#include <QString>
#include <QStringList>

struct TalvaneItemRecord;

struct EntryListReader {
    QString section;   // section of the settings file holding the lists
    int numberedKeys;  // numbered keys read when the whole-list key is empty
    int maxEntries;    // entries kept from a list

    // The entries of list key in settingsFile, values read whole; returns their count.
    int Read(const QString& settingsFile, const QString& key, QStringList* entries) const;

    // Lists of section [Title]: keys 1 to 15, at most 180 entries.
    static EntryListReader Titles();
    // Lists of section [Talvanes]: keys 1 to 12, at most 200 entries.
    static EntryListReader Talvanes();
};

// Whether the peak is named by one of the first count entries: by its exact Name, or by its
// Name followed by a region part its Region contains and, optionally, a stone part its Stone
// contains. *entry (may be null) receives the first matching entry. Name2 and the second and
// third stones take no part.
bool MatchItemToEntries(const TalvaneItemRecord& record, int count, const QStringList& entries,
                        int* entry = nullptr);
