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
    // The visit page; not written when visitTemplateFile is empty.
    QString visitTemplateFile;
    QString visitOutputFile;
    QString gpsDir;         // Local.txt [Template] GPSDir
    QString onlineGpsDir;   // [Template] OnlineGPSDir of the main settings file
    QString onlineDir;      // [Template] OnlineDir of the main settings file
};

// Writes the pages of a job; false when a page could not be written. The list-template writer
// is not part of this build yet: nothing is written and the result is false.
bool WriteListPages(const ListPageJob& job);

// Tests put a function in the writer's place to see the jobs it is given; an empty function
// restores the writer.
void SetListPageWriterForTests(std::function<bool(const ListPageJob&)> writer);
