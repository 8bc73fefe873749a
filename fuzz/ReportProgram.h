#pragma once
// A small program folder built once per process in its own temporary folder, for the writers
// that read the peak group and the region list: two counties (甲縣 with 甲鄉; 乙縣 with 乙鄉 and
// A&B), three peaks, walks 3, 5 and 7 on the walk index page (7 without a link), two atlas
// rows, a GPS file of walk 3, and the published copy of walk3b.htm.
#include "catalog/compare/WalkReportWriter.h"
#include "catalog/text/HtmlTableReader.h"

#include <QByteArrayView>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class CGroupTable;
class CGroupBase;

namespace fuzz {

class ReportProgram {
public:
    // The process's program; built and loaded on first use.
    static ReportProgram& Get();

    // Makes this the program folder again (other targets may have moved it), puts the published
    // copies back and removes the written pages, so that every input starts alike.
    void Prepare();

    CGroupBase* Peaks() const { return peaks; }
    const WalkIndex& Walks() const { return walks; }
    const WalkVisitTable& Visits() const { return visits; }
    // A path inside the program folder.
    QString In(const QString& relative) const;
    // Writes bytes to a file inside the program folder and returns its path.
    QString WriteFile(const QString& relative, QByteArrayView bytes) const;
    // The input of both report sets, with the templates in data/Template.
    WalkReportInput ReportInput() const;

    ~ReportProgram();

private:
    ReportProgram();
    void WriteFiles() const;
    void Activate();

    QTemporaryDir dir;
    // The program folder and the main settings file as the catalog names them once set.
    QString programFolder;
    QString settingsPath;
    std::unique_ptr<CGroupTable> table;
    CGroupBase* peaks = nullptr;
    WalkIndex walks;
    WalkVisitTable visits;
    std::shared_ptr<const WalkReportIndex> regionIndex;
};

} // namespace fuzz
