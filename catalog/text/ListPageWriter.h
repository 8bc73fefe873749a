#pragma once
// The HTML pages of an item list, written from the owner's list templates: the list page and,
// for groups with walk visits, the visit page. The group resolves names and paths; the writers
// fill the templates.
#include <QString>

#include <functional>

class CGroupBase;
class IItemList;

struct ListPageJob {
    CGroupBase* group = nullptr;
    IItemList* list = nullptr;
    QString title;          // the page title
    QString templateFile;   // the list template
    QString outputFile;     // the list page
    bool openAfter = false; // the shell opens the list page once written
    // The head's "__FileBase__", "__FileExt__" and "__SubRegion__", and the rows' "__File__".
    QString fileBase;
    QString fileExt;
    QString subRegion;
    QString fileText;
    // The visit page; not written when visitTemplateFile is empty.
    QString visitTemplateFile;
    QString visitOutputFile;
    QString walkIndexFile;  // Local.txt [Template] WalkIndexFile
    QString gpsDir;         // Local.txt [Template] GPSDir, as a folder path
    QString onlineGpsDir;   // [Template] OnlineGPSDir of the main settings file
    QString onlineDir;      // [Template] OnlineDir of the main settings file: the reports' prefix
};

// Writes the list page and then, when the job names one, the visit page, and opens the list
// page through the group's shell when asked; true when every page was written. "__Date__" is
// the date of the group's clock, or the system's without one.
bool WriteListPages(const ListPageJob& job);

// Tests put a function in the writer's place to see the jobs it is given; an empty function
// restores the writer.
void SetListPageWriterForTests(std::function<bool(const ListPageJob&)> writer);
