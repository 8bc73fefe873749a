// Survey-stone number texts: display form and the comma list of stones with their notes.
#include "catalog/records/StoneNumber.h"

namespace {

// A prefix of a stone number and the display text that replaces it; the rest of the number
// follows the display text. digitAfter: the rule holds only when a decimal digit follows.
struct StonePrefix {
    const char16_t* prefix;
    const char16_t* display;
    bool digitAfter;
};

constexpr StonePrefix kPrefixes[] = {
    {u"都計四等", u"北市都市計劃處四等三角點NO.", false},
    {u"地測精幹點", u"北市地測精幹點‧市", true},
    {u"北市地測", u"北市府地測", true},
};

const QString kNoStone = QStringLiteral("無");
const QString kNoStoneText = QStringLiteral("無基石");

bool IsDecimalDigit(QChar c) { return c >= u'0' && c <= u'9'; }

QString InParens(const QString& text)
{
    return QLatin1Char('(') + text + QLatin1Char(')');
}

} // namespace

QString FormatStoneNumber(const QString& stone)
{
    for (const StonePrefix& rule : kPrefixes) {
        const QString prefix = QString::fromUtf16(rule.prefix);
        if (!stone.startsWith(prefix))
            continue;
        const QString rest = stone.mid(prefix.size());
        if (rule.digitAfter && (rest.isEmpty() || !IsDecimalDigit(rest.front())))
            continue;
        return QString::fromUtf16(rule.display) + rest;
    }
    return stone == kNoStone ? kNoStoneText : stone;
}

bool AppendNameWithNote(QString* text, const QString& stone, const QString& alias,
                        const QString& status, StoneNote note)
{
    if (!text || stone.isEmpty())
        return false;
    if (!text->isEmpty())
        text->append(QLatin1Char(','));
    if (note.aliasFirst && !alias.isEmpty())
        text->append(InParens(alias));
    text->append(note.formatNumber ? FormatStoneNumber(stone) : stone);
    if (!note.aliasFirst && !alias.isEmpty())
        text->append(InParens(alias));
    if (!status.isEmpty())
        text->append(InParens(status));
    return true;
}
