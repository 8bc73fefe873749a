#include "catalog/text/HtmlListTemplate.h"

#include "catalog/text/TextFile.h"
#include "catalog/window/IItemList.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"

#include <QDir>

namespace {

constexpr QStringView kRowStart = u"<!__RowStart__>";
constexpr QStringView kRowEnd = u"<!__RowEnd__>";
constexpr QStringView kPlaceholderOpen = u"__";
const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
// Templates are small pages; a bigger file is no template and is refused cleanly.
constexpr qint64 kMaxTemplateBytes = qint64(64) << 20;

const QString kNoKey = QStringLiteral("__No__");
const QString kColumnKey = QStringLiteral("__Col%1__");

// The template's text: the bytes up to the first zero, decoded by the template rule.
bool ReadTemplateText(const QString& path, QString* text)
{
    QByteArray bytes;
    if (!platform::ReadWholeFile(path, &bytes, kMaxTemplateBytes) || bytes.isEmpty())
        return false;
    const qsizetype zero = bytes.indexOf('\0');
    QByteArrayView content = QByteArrayView(bytes).first(zero < 0 ? bytes.size() : zero);
    if (content.startsWith(kUtf8Bom))
        *text = platform::FromUtf8(content.sliced(kUtf8Bom.size()));
    else if (platform::IsValidUtf8(content))
        *text = platform::FromUtf8(content);
    else
        *text = platform::FromAnsi(content);
    return true;
}

// The placeholder of values that stands at pos of pattern; null when none does.
const std::pair<QString, QString>* PlaceholderAt(QStringView pattern, qsizetype pos,
                                                const Placeholders& values)
{
    const QStringView rest = pattern.sliced(pos);
    for (const auto& value : values)
        if (rest.startsWith(value.first))
            return &value;
    return nullptr;
}

} // namespace

bool LoadHtmlTemplate(const QString& path, QString* head, QString* row, QString* tail)
{
    QString text;
    if (!ReadTemplateText(path, &text))
        return false;
    const qsizetype start = text.indexOf(kRowStart);
    if (start < 0)
        return false;
    const qsizetype rowBegin = start + kRowStart.size();
    const qsizetype end = text.indexOf(kRowEnd, rowBegin);
    if (end < 0)
        return false;
    *head = text.first(start);
    *row = text.sliced(rowBegin, end - rowBegin);
    *tail = text.sliced(end + kRowEnd.size());
    return true;
}

QString HtmlEscape(QStringView text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'&': escaped += u"&amp;"; break;
        case u'<': escaped += u"&lt;"; break;
        case u'>': escaped += u"&gt;"; break;
        case u'"': escaped += u"&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

QString FillPlaceholders(QStringView pattern, const Placeholders& values)
{
    QString filled;
    filled.reserve(pattern.size());
    qsizetype pos = 0;
    while (pos < pattern.size()) {
        const qsizetype open = pattern.indexOf(kPlaceholderOpen, pos);
        if (open < 0)
            break;
        filled += pattern.sliced(pos, open - pos);
        if (const auto* value = PlaceholderAt(pattern, open, values)) {
            filled += value->second;
            pos = open + value->first.size();
        } else {
            // Only one character is passed, so "___Title__" still finds "__Title__".
            filled += pattern[open];
            pos = open + 1;
        }
    }
    filled += pattern.sliced(pos);
    return filled;
}

QString FillHead(QStringView head, const ListPageTexts& texts)
{
    const QDate& d = texts.today;
    const QString date = QStringLiteral("%1/%2/%3").arg(d.year()).arg(d.month()).arg(d.day());
    return FillPlaceholders(head, {
        {QStringLiteral("__Title__"), HtmlEscape(texts.title)},
        {QStringLiteral("__Date__"), date},
        {QStringLiteral("__FileBase__"), HtmlEscape(texts.fileBase)},
        {QStringLiteral("__FileExt__"), HtmlEscape(texts.fileExt)},
        {QStringLiteral("__SubRegion__"), HtmlEscape(texts.subRegion)},
    });
}

Placeholders RowPlaceholders(const IItemList& list, int row)
{
    Placeholders values;
    const int columns = list.ColumnCount();
    values.reserve(std::size_t(columns) + 1);
    values.emplace_back(kNoKey, QString::number(row + 1));
    for (int column = 0; column < columns; ++column)
        values.emplace_back(kColumnKey.arg(column + 1), HtmlEscape(list.CellText(row, column)));
    return values;
}

bool WriteHtmlPage(const QString& path, QStringView page)
{
    const QString folder = platform::FolderOf(path);
    if (!folder.isEmpty() && !QDir().mkpath(folder))
        return false;
    return WriteUtf8File(path, page);
}
