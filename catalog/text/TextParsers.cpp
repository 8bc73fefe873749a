#include "catalog/text/TextParsers.h"

#include "catalog/text/TextFile.h"

#include <climits>

namespace {

// Years of the ROC era start at 1912; a year above this is taken as Gregorian.
constexpr int kLastRocYearWritten = 999;
constexpr int kRocEraOffset = 1911;
// A year of 80 or less is no trip date.
constexpr int kMinYear = 81;

constexpr QStringView kLineEnd = u"\r\n";

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

bool IsAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// The profile layer writes a value with outer blanks or quotes inside double quotes; such a
// value is read as the profile reader reads it: trimmed of spaces and tabs, one pair of outer
// double quotes removed. Any other value stays as it stands.
QString Unquoted(QStringView raw)
{
    QStringView value = raw;
    while (!value.isEmpty() && (value.front() == u' ' || value.front() == u'\t'))
        value = value.sliced(1);
    while (!value.isEmpty() && (value.back() == u' ' || value.back() == u'\t'))
        value.chop(1);
    if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
        return value.sliced(1, value.size() - 2).toString();
    return raw.toString();
}

} // namespace

int ParseDecimalPrefix(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && IsBlank(text[i].unicode()))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Accumulate towards the sign so that INT_MIN itself is reachable, and stop growing at
    // the limit: no input overflows.
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long value = 0;
    for (; i < text.size() && IsAsciiDigit(text[i].unicode()); ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value >= limit) {
            value = limit;
            break;
        }
    }
    return int(negative ? -value : value);
}

qsizetype FindAsciiDigit(QStringView text, qsizetype from)
{
    for (qsizetype i = qMax<qsizetype>(from, 0); i < text.size(); ++i) {
        if (IsAsciiDigit(text[i].unicode()))
            return i;
    }
    return -1;
}

qsizetype DigitRunEnd(QStringView text, qsizetype from)
{
    qsizetype i = qMax<qsizetype>(from, 0);
    while (i < text.size() && text[i].isDigit())
        ++i;
    return qMin(i, text.size());
}

bool ParseDateText(QStringView text, int* year, int* month, int* day)
{
    int y = ParseDecimalPrefix(text);
    int m = 0;
    int d = 0;
    auto store = [&](bool result) {
        if (year)
            *year = y;
        if (month)
            *month = m;
        if (day)
            *day = d;
        return result;
    };
    if (y < kMinYear)
        return store(false);
    if (y > kLastRocYearWritten)
        y -= kRocEraOffset;
    char16_t separator = u'/';
    qsizetype first = text.indexOf(separator);
    if (first < 1) {
        separator = u'.';
        first = text.indexOf(separator);
        if (first < 1)
            return store(false);
    }
    m = ParseDecimalPrefix(text.mid(first + 1));
    if (m < 1)
        return store(false);
    const qsizetype second = text.indexOf(separator, first + 1);
    if (second < 0)
        return store(false);
    d = ParseDecimalPrefix(text.mid(second + 1));
    return store(true);
}

// Only a trailing "%d" is the number's place: a "%d" inside a companion's title is text.
QString FormatNumberedKey(QStringView pattern, int n)
{
    const QString number = QString::number(n);
    if (pattern.endsWith(u"%d"))
        return pattern.chopped(2).toString() + number;
    return pattern.toString() + number;
}

bool ScanKeyValue(QStringView text, QStringView key, qsizetype* pos, QString* value)
{
    const QString start = key.toString() + u'=';
    qsizetype end = 0;
    QString raw;
    if (ExtractBetween(text, start, kLineEnd, &raw, *pos, &end)) {
        *pos = end;
        *value = Unquoted(raw);
        return true;
    }
    // The last line of a file may lack its line end (a hand-kept file, or a key the INI layer
    // appended to one): its value runs to the end of the text rather than being lost.
    const qsizetype at = *pos >= 0 && *pos <= text.size() ? text.indexOf(start, *pos) : -1;
    if (at < 0)
        return false;
    QStringView rest = text.mid(at + start.size());
    while (rest.endsWith(u'\r') || rest.endsWith(u'\n'))
        rest.chop(1);
    *value = Unquoted(rest);
    *pos = text.size();
    return true;
}
