// Whether a stone number belongs to the class of a word.
#include "catalog/subsets/stones/StonePrefix.h"

#include <QChar>
#include <QStringList>

#include <algorithm>
#include <climits>

namespace {

// The prefixes whose stone numbers carry a letter or two between the word and the digits.
const QStringList kLetteredPrefixes = {
    QStringLiteral("省府"),   QStringLiteral("台北縣"), QStringLiteral("高速圖根點"),
    QStringLiteral("航測"),   QStringLiteral("二等衛星控制點"),
};

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The decimal number at the start of text (which begins with a digit or is empty), saturating
// at INT_MAX.
int ReadNumber(QStringView text)
{
    qint64 value = 0;
    for (qsizetype i = 0; i < text.size() && IsDigit(text[i]); ++i)
        value = std::min<qint64>(value * 10 + (text[i].unicode() - u'0'), INT_MAX);
    return int(value);
}

// The length in code units of the letter at the start of text (a surrogate pair counts as one
// character); 0 when text does not begin with a letter.
qsizetype LetterLength(QStringView text)
{
    if (text.isEmpty())
        return 0;
    if (text.size() >= 2 && text[0].isHighSurrogate() && text[1].isLowSurrogate())
        return QChar::isLetter(QChar::surrogateToUcs4(text[0], text[1])) ? 2 : 0;
    return text[0].isLetter() ? 1 : 0;
}

// One or two letters and then a digit, more characters allowed after it.
bool LettersThenDigit(QStringView rest)
{
    const qsizetype first = LetterLength(rest);
    if (first == 0)
        return false;
    rest = rest.mid(first);
    if (!rest.isEmpty() && IsDigit(rest[0]))
        return true;
    const qsizetype second = LetterLength(rest);
    return second > 0 && rest.size() > second && IsDigit(rest[second]);
}

bool HasLetteredPrefix(QStringView text)
{
    return std::any_of(kLetteredPrefixes.begin(), kLetteredPrefixes.end(),
                       [&](const QString& prefix) { return text.startsWith(prefix); });
}

} // namespace

bool MatchStonePrefix(QStringView text, QStringView word, int* number)
{
    if (!text.startsWith(word))
        return false;
    const QStringView rest = text.mid(word.size());
    if (rest.isEmpty() || IsDigit(rest[0])) {
        if (number)
            *number = ReadNumber(rest);
        return true;
    }
    if (HasLetteredPrefix(text) && LettersThenDigit(rest)) {
        if (number)
            *number = 0;
        return true;
    }
    return false;
}
