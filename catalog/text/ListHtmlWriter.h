#pragma once
// The HTML page of an item list: the list's rows, in list order, put into a list template.
#include "catalog/text/HtmlListTemplate.h"

#include <QString>

class IItemList;

struct ListHtmlInput {
    QString templatePath;
    const IItemList* list = nullptr;
    QString outPath;
    ListPageTexts texts;
};

// Fills the template's head, one copy of its row pattern per list row ("__File__", "__No__",
// "__Col<n>__") and its tail, unchanged, and writes the page. False, with nothing written, for
// a template that cannot be read or lacks the row markers, or when the page cannot be written.
bool WriteListHtml(const ListHtmlInput& input);
