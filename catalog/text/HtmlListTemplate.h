#pragma once
// The owner's list templates: a page head, a row pattern repeated once per list row and a page
// tail, cut apart at "<!__RowStart__>" and "<!__RowEnd__>". Placeholders ("__Title__",
// "__Col1__"...) are filled in one pass, so text put in is never taken for a placeholder again.
#include <QDate>
#include <QString>
#include <QStringView>

#include <utility>
#include <vector>

class IItemList;

// Reads a template; a file that is valid UTF-8 or starts with a UTF-8 byte-order mark is read as
// UTF-8 (the mark dropped), any other as the ANSI code page. False (outputs untouched) when the
// file cannot be read or lacks the row markers in order.
bool LoadHtmlTemplate(const QString& path, QString* head, QString* row, QString* tail);

// text with & < > " written as HTML entities.
QString HtmlEscape(QStringView text);

// Placeholder → the text put in its place (already escaped where it must be).
using Placeholders = std::vector<std::pair<QString, QString>>;

// pattern with every placeholder replaced, scanning it once from the start; text put in and text
// left over are not scanned again.
QString FillPlaceholders(QStringView pattern, const Placeholders& values);

// What the caller gives a page besides the list: the texts of the head, "__File__" of the rows,
// and today's date.
struct ListPageTexts {
    QString title;
    QString fileText;
    QString fileBase;
    QString fileExt;
    QString subRegion;
    QDate today;
};

// The head with "__Title__", "__Date__" ("%d/%d/%d", year/month/day), "__FileBase__",
// "__FileExt__" and "__SubRegion__" filled.
QString FillHead(QStringView head, const ListPageTexts& texts);

// The placeholders of one list row: "__No__" (row + 1) and "__Col<n>__" for every column of the
// list (n from 1), each cell whole and escaped.
Placeholders RowPlaceholders(const IItemList& list, int row);

// Writes a finished page as UTF-8, creating its folder when missing; true when it is on disk.
bool WriteHtmlPage(const QString& path, QStringView page);
