#pragma once
// Readers of the owner's two HTML index pages, the walk index page (one table row per walk
// report) and the BlueSky atlas page (one row per atlas page), and the look-up of a walk's GPS
// file. The pages are not parsed as HTML: rows and cells are cut out by fixed markers, so the
// pages must keep the form the owner's editor writes.
#include "catalog/text/GuideEntry.h"

#include <QList>
#include <QString>

#include <vector>

// The walk index page's rows by walk number.
struct WalkIndex {
    // Walk numbers 1 to kMaxWalks - 1 are stored; a row numbered from kMaxWalks ends the reading.
    static constexpr int kMaxWalks = 2000;

    WalkIndex();
    // Whether a row of this walk number was stored (false outside 1 … kMaxWalks - 1).
    bool Holds(int walk) const;

    std::vector<QString> titles;   // link text, or the text after "</font>"
    std::vector<QString> links;    // the report's link; prefixed when relative and a prefix is given
    std::vector<QString> dates;    // the plain cell after the centred one
    std::vector<QString> centred;  // the centred cell (ReadHtmlTableRowsToList only)
    std::vector<bool> stored;
    int highestWalk = 0;           // the highest walk number stored, 0 when none
};

// Reads the walk index page (UTF-8) into index; returns the number of rows stored (a walk number
// seen twice counts twice, the later row winning), 0 when the page cannot be read. The reading
// ends at the first row that lacks a part. linkPrefix (may be empty) goes before relative links.
int ReadHtmlTableRows(const QString& path, WalkIndex* index, const QString& linkPrefix = {});
// The same, also keeping each row's centred cell.
int ReadHtmlTableRowsToList(const QString& path, WalkIndex* index, const QString& linkPrefix = {});

// Reads the atlas page (UTF-8): the distinct entries, highest volume first and pages ascending,
// at most GuideEntry::kMaxEntries (later rows are ignored). Returns their count; 0 when the
// page cannot be read.
int ReadHtmlTableCells(const QString& path, QList<GuideEntry>* entries);

// Removes note digits from a walk title: a digit 1 to 9 directly before "，" or "；", or at the
// end of the text.
void StripNoteDigits(QString* text);

// The GPS file of a walk in folder: w<walk>.gdb, .mps, .evo or .wtr, the first that can be
// opened for reading. False (path = the .wtr name) when none opens.
bool FindWalkGpsFile(const QString& folder, QString* path, int walk);
// The number of the GPS file a walk's index page (the folder with "gps" replaced by "w<walk>",
// followed by "index.htm") links to; 0 when there is none or the page cannot be read.
int GetWalkGpsNumber(const QString& folder, int walk);
