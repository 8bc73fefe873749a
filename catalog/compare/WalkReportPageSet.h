#pragma once
// One set of walk report pages ("walk3" or "walk4"): where each city's page goes, its copy
// where the owner keeps his published pages, and the opening of the first page.
#include "catalog/compare/WalkReportWriter.h"
#include "catalog/text/HtmlListTemplate.h"

#include <functional>

class WalkReportPageSet {
public:
    // name: "walk3" or "walk4", the folder in the data folder and the start of each file name.
    WalkReportPageSet(const WalkReportInput& input, const QString& name, const QString& copyPattern);

    // "<data folder>/<name>/<name><letter>.htm".
    QString PagePath(QChar letter) const;
    // The copy path of a page: the pattern with its letter; empty without a pattern or when the
    // pattern has no "%c".
    QString CopyPath(QChar letter) const;
    // Writes the page of a city and, when the copy exists, holds text and differs, the copy.
    bool Write(int city, const QString& page) const;
    // "__Ref__" of a walk: its link with OnlineDir cut from the front; as read from the index.
    QString WalkLink(int walk) const;
    // "__Region__" (the member's display name) and "__Jump__" (its number in the city).
    static Placeholders RegionValues(const QString& member, int number);
    // Writes every city's page as cityPage makes it, then opens the first; false, and nothing
    // more written or opened, at the first write that fails.
    bool WriteAll(const std::function<QString(const QString& city)>& cityPage) const;

private:
    // Opens the first city's page with the shell; nothing without cities or a shell.
    void OpenFirst() const;

    const WalkReportInput& in;
    QString name;
    QString copyPattern;
};
