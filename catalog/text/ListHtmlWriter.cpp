#include "catalog/text/ListHtmlWriter.h"

#include "catalog/window/IItemList.h"

namespace {

const QString kFileKey = QStringLiteral("__File__");

} // namespace

bool WriteListHtml(const ListHtmlInput& input)
{
    QString head, row, tail;
    if (!input.list || !LoadHtmlTemplate(input.templatePath, &head, &row, &tail))
        return false;
    QString page = FillHead(head, input.texts);
    const QString fileText = HtmlEscape(input.texts.fileText);
    for (int r = 0; r < input.list->RowCount(); ++r) {
        Placeholders values = RowPlaceholders(*input.list, r);
        values.emplace_back(kFileKey, fileText);
        page += FillPlaceholders(row, values);
    }
    page += tail;
    return WriteHtmlPage(input.outPath, page);
}
