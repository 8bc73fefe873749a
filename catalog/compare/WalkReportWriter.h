#pragma once
// The peak group's two sets of walk reports, one page per city of the region list: "walk3" (the
// walks that reached each region) and "walk4" (each peak of each region with all its walks and
// BlueSky atlas pages), written from the owner's UTF-8 templates in the data folder's Template
// folder, with a copy where the owner keeps his published pages.
#include "catalog/text/HtmlTableReader.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class CGroupBase;
class WalkReportIndex;
namespace platform {
class IShell;
}

// The items of the group visited on one walk.
struct WalkVisitRun {
    int walk = 0;
    QList<int> items;
};
// One run per walk that has a link, highest walk number first.
using WalkVisitTable = std::vector<WalkVisitRun>;

WalkVisitTable BuildWalkVisitTable(CGroupBase& group, const WalkIndex& walks);

// What both report sets are written from.
struct WalkReportInput {
    CGroupBase* group = nullptr;            // the peak group (not owned)
    const WalkIndex* walks = nullptr;       // the walk index as the dialog read it
    const WalkVisitTable* visits = nullptr; // BuildWalkVisitTable of those walks
    QStringList cities;                     // the region list, at most 25
    QString dataFolder;                     // pages go to its walk3/ and walk4/ folders
    QString onlineDir;                      // [Template] OnlineDir, cut from the front of links
    QString walk3CopyPattern;               // [Template] WalkIndexFile3, "%c" = the page letter
    QString walk4CopyPattern;               // [Template] WalkIndexFile4
    QString atlasFile;                      // the BlueSky atlas page (walk4)
    platform::IShell* shell = nullptr;      // opens each set's first page; null: none opened
    // The items of each region and the runs of each item, shared by both sets; a writer given
    // none gathers its own.
    std::shared_ptr<const WalkReportIndex> regionIndex;
};

// The input with the settings read as the reports read them: OnlineDir from the main settings
// file, WalkIndexFile3/4 and BlueSkyFile (empty: the data folder's guide2.htm) from Local.txt,
// relative paths taken from the program folder; the cities from the region list; the shell from
// the group's window services; the region index gathered once for both sets.
WalkReportInput MakeWalkReportInput(CGroupBase* group, const WalkIndex* walks,
                                    const WalkVisitTable* visits);

// Each writes one page per city and its changed copy, then opens the first page; false (and
// nothing more written) when the template or a marker is missing or a write fails.
bool WriteWalk3Pages(const WalkReportInput& input);
bool WriteWalk4Pages(const WalkReportInput& input);
