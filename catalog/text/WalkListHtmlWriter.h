#pragma once
// The visit page of a peak list: the list page's rows, each with one copy of the template's visit
// pattern per walk on which the row's peak was visited, with the walk's title, date, report link
// and GPS-file link.
#include "catalog/text/HtmlListTemplate.h"

#include <QString>

class CGroupTalvane;
class IItemList;
class IMessageBox;

struct WalkListHtmlInput {
    QString templatePath;
    const IItemList* list = nullptr;
    QString outPath;
    ListPageTexts texts;
    const CGroupTalvane* peaks = nullptr;  // the visits of the rows; none without the group
    QString walkIndexPath;                 // the walk index page
    QString reportPrefix;                  // goes before relative report links
    QString gpsFolder;                     // the local folder of the walks' GPS files
    QString onlineGpsFolder;               // the GPS links point here
    IMessageBox* messageBox = nullptr;     // missing titles and GPS files, once per run
};

// Writes the visit page. A row shows visits only when its value names a peak of the group (a
// peak row or the row of its second or third stone); a walk outside 1 to 1999 fills only
// "__VisitNo__". False, with nothing written, for a template that cannot be read or whose row
// pattern lacks "<!__VisitStart__>" … "<!__VisitEnd__>", or when the page cannot be written.
bool WriteWalkListHtml(const WalkListHtmlInput& input);
