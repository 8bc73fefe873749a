#include "gps/gpx/GPXText.h"

#include "gps/GPSScanCount.h"
#include "platform/CodePage.h"

#include <QDate>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace gps::gpx {

QByteArrayView TrimBlanks(QByteArrayView text)
{
    while (!text.isEmpty() && IsBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && IsBlank(text.back()))
        text.chop(1);
    return text;
}

namespace {

constexpr QByteArrayView kCommentOpen = "<!--";
constexpr QByteArrayView kCommentClose = "-->";
constexpr QByteArrayView kCdataOpen = "<![CDATA[";
constexpr QByteArrayView kCdataClose = "]]>";
// The longest reference worth reading: "&#x10FFFF;" and the named ones are shorter.
constexpr qsizetype kMaxReference = 10;
constexpr char32_t kMaxCodePoint = 0x10FFFF;
constexpr char32_t kSurrogateFirst = 0xD800, kSurrogateLast = 0xDFFF;

// Markup stands a few bytes apart, where a library search costs more than it saves: the first
// bytes are looked at one by one.
constexpr qsizetype kNearBytes = 16;

qsizetype SearchByte(QByteArrayView text, char c, qsizetype from)
{
    const qsizetype near = std::min(text.size(), from + kNearBytes);
    for (; from < near; ++from) {
        if (text[from] == c)
            return from;
    }
    if (from >= text.size())
        return -1;
    const void* at = std::memchr(text.data() + from, c, size_t(text.size() - from));
    return at ? static_cast<const char*>(at) - text.data() : -1;
}

// The next c at or after from; -1 when there is none.
qsizetype FindByte(QByteArrayView text, char c, qsizetype from)
{
    const qsizetype at = SearchByte(text, c, from);
    CountScanned(std::max<qsizetype>((at < 0 ? text.size() : at + 1) - from, 0));
    return at;
}

// Whether text holds a or b; for the short texts of numbers and times.
bool HasEither(QByteArrayView text, char a, char b)
{
    for (char c : text) {
        if (c == a || c == b)
            return true;
    }
    return false;
}

// Whether the bytes at at equal name (short names: compared inline, not by a library call).
bool NameAt(QByteArrayView text, qsizetype at, QByteArrayView name)
{
    if (at + name.size() > text.size())
        return false;
    const char* p = text.data() + at;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (p[i] != name[i])
            return false;
    }
    return true;
}

// Whether text at position at (a '<') starts a tag of that name: the name and then a blank,
// '>' or '/'.
bool IsStartTag(QByteArrayView text, qsizetype at, QByteArrayView name)
{
    const qsizetype after = at + 1 + name.size();
    if (after >= text.size() || !NameAt(text, at + 1, name))
        return false;
    const char c = text[after];
    return IsBlank(c) || c == '>' || c == '/';
}

// Reads the start tag of a wanted child at at, if it is one not yet met: *next receives the
// position after its start tag. False for a start tag without its end.
bool OpenChild(QByteArrayView text, qsizetype at, GPXChild* children, int count, int* open, qsizetype* next)
{
    for (GPXChild* child = children; child < children + count; ++child) {
        if (child->contentBegin >= 0 || !IsStartTag(text, at, child->name))
            continue;
        const qsizetype close = TagEnd(text, at + 1 + child->name.size());
        if (close < 0)
            return false;
        child->contentBegin = close;
        if (text[close - 2] == '/')
            child->contentEnd = close;
        else
            ++*open;
        *next = close;
        return true;
    }
    return true;
}

void CloseChild(QByteArrayView text, qsizetype at, GPXChild* children, int count, int* open)
{
    qsizetype end = 0;
    for (GPXChild* child = children; child < children + count; ++child) {
        if (child->contentBegin >= 0 && child->contentEnd < 0 && IsEndTag(text, at, child->name, &end)) {
            child->contentEnd = at;
            --*open;
        }
    }
}

bool IsAscii(QByteArrayView text)
{
    for (char c : text) {
        if (uchar(c) >= 0x80)
            return false;
    }
    return true;
}

QByteArray ValidUtf8(QByteArray text)
{
    if (IsAscii(text) || platform::IsValidUtf8(text))
        return text;
    return platform::ToUtf8(platform::FromUtf8(text));
}

void AppendCodePoint(QByteArray* out, char32_t code)
{
    *out += QString::fromUcs4(&code, 1).toUtf8();
}

// The character a reference body ("amp", "#38", "#x26") stands for; 0 when it is none.
char32_t ReferencedCharacter(QByteArrayView body)
{
    static constexpr struct {
        QByteArrayView name;
        char c;
    } kNamed[] = {{"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& entity : kNamed) {
        if (body == entity.name)
            return char32_t(entity.c);
    }
    if (body.size() < 2 || body[0] != '#')
        return 0;
    const bool hex = body[1] == 'x';
    const QByteArrayView digits = body.sliced(hex ? 2 : 1);
    uint32_t code = 0;
    const auto [end, error] = std::from_chars(digits.begin(), digits.end(), code, hex ? 16 : 10);
    if (digits.isEmpty() || error != std::errc() || end != digits.end() || code > kMaxCodePoint
        || (code >= kSurrogateFirst && code <= kSurrogateLast))
        return 0;
    return char32_t(code);
}

// Appends text with its references replaced; a '&' that starts no known reference stays.
void AppendDecodedReferences(QByteArrayView text, QByteArray* out)
{
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype amp = FindByte(text, '&', i);
        const qsizetype stop = amp < 0 ? text.size() : amp;
        out->append(text.data() + i, stop - i);
        if (amp < 0)
            return;
        const qsizetype semicolon = FindByte(text.first(std::min(text.size(), amp + kMaxReference + 1)), ';', amp);
        const char32_t code = semicolon < 0 ? 0 : ReferencedCharacter(text.sliced(amp + 1, semicolon - amp - 1));
        if (code == 0) {
            out->append('&');
            i = amp + 1;
            continue;
        }
        AppendCodePoint(out, code);
        i = semicolon + 1;
    }
}

int Digits(QByteArrayView text, qsizetype at, qsizetype count)
{
    int value = 0;
    for (qsizetype i = at; i < at + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// Whether year-month-day (year 1 to 9999) is a day of the Gregorian calendar.
bool IsCalendarDate(int year, int month, int day)
{
    static constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1)
        return false;
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return day <= kMonthDays[month - 1] + (leap && month == 2 ? 1 : 0);
}

// Days from 1970-01-01 to a Gregorian date of a year from 1: whole 400-year cycles of 146,097
// days counted from 0000-03-01, so that a leap day ends its year.
int64_t DaysSinceEpoch(int year, int month, int day)
{
    constexpr int64_t kCycleDays = 146097, kEpochFromMarchOfYear0 = 719468;
    const int64_t y = year - (month <= 2 ? 1 : 0);
    const int64_t era = y / 400; // y >= 0
    const int64_t yearOfEra = y - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * kCycleDays + dayOfEra - kEpochFromMarchOfYear0;
}

// Offset of a time-zone designator in seconds east of UTC: "" and "Z" are 0, else "+hh:mm" or
// "-hh:mm" within 14 hours. False for anything else.
bool ZoneOffset(QByteArrayView zone, int64_t* seconds)
{
    *seconds = 0;
    if (zone.isEmpty() || SameName(zone, "Z"))
        return true;
    constexpr qsizetype kZoneSize = 6;
    constexpr int kMaxZoneHours = 14;
    if (zone.size() != kZoneSize || (zone[0] != '+' && zone[0] != '-') || zone[3] != ':')
        return false;
    const int hours = Digits(zone, 1, 2), minutes = Digits(zone, 4, 2);
    if (hours < 0 || minutes < 0 || minutes > 59 || hours * 60 + minutes > kMaxZoneHours * 60)
        return false;
    *seconds = (zone[0] == '-' ? -1 : 1) * (int64_t(hours) * 3600 + minutes * 60);
    return true;
}

// The common case of a number, "-123.456789" with at most 15 digits and nothing after it, read
// exactly: the digits as an integer are exact in a double, and so is the power of ten that
// divides them, so the one division rounds correctly and the result equals from_chars's.
// False for anything else, which from_chars then reads.
bool ParsePlainDecimal(QByteArrayView text, double* value)
{
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    constexpr int kMaxDigits = 15;
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p < end && *p == '-';
    p += negative ? 1 : 0;
    uint64_t mantissa = 0;
    int digits = 0, decimals = 0;
    bool point = false;
    for (; p < end; ++p) {
        if (*p >= '0' && *p <= '9') {
            mantissa = mantissa * 10 + uint64_t(*p - '0');
            ++digits;
            decimals += point ? 1 : 0;
        } else if (*p == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (digits == 0 || digits > kMaxDigits)
        return false;
    const double number = double(mantissa) / kPowersOfTen[decimals];
    *value = negative ? -number : number;
    return true;
}

} // namespace

qsizetype TagEnd(QByteArrayView text, qsizetype from)
{
    char quote = 0;
    for (qsizetype i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i + 1;
        } else if (c == '<') {
            return -1; // another tag before this one ended
        }
    }
    return -1;
}

qsizetype NextMarkup(QByteArrayView text, qsizetype from)
{
    for (;;) {
        const qsizetype at = FindByte(text, '<', from);
        if (at < 0 || at + 1 >= text.size() || text[at + 1] != '!')
            return at;
        const QByteArrayView rest = text.sliced(at);
        QByteArrayView close;
        if (rest.startsWith(kCommentOpen))
            close = kCommentClose;
        else if (rest.startsWith(kCdataOpen))
            close = kCdataClose;
        else
            return at;
        const qsizetype closeAt = text.indexOf(close, at + 4);
        if (closeAt < 0)
            return -1;
        from = closeAt + close.size();
    }
}

QByteArrayView StartTagName(QByteArrayView text, qsizetype at)
{
    qsizetype end = at + 1;
    while (end < text.size() && !IsBlank(text[end]) && text[end] != '>' && text[end] != '/' && text[end] != '<')
        ++end;
    const QByteArrayView name = text.sliced(at + 1, end - at - 1);
    return name.isEmpty() || name[0] == '?' || name[0] == '!' ? QByteArrayView() : name;
}

bool IsEndTag(QByteArrayView text, qsizetype at, QByteArrayView name, qsizetype* end)
{
    qsizetype i = at + 2 + name.size();
    if (i > text.size() || text[at + 1] != '/' || !NameAt(text, at + 2, name))
        return false;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i >= text.size() || text[i] != '>')
        return false;
    *end = i + 1;
    return true;
}

GPXFind ReadElement(QByteArrayView text, qsizetype at, QByteArrayView name, GPXElement* element,
                    GPXChild* children, int childCount)
{
    const qsizetype nameEnd = at + 1 + name.size();
    const qsizetype close = TagEnd(text, nameEnd);
    if (close < 0)
        return GPXFind::Damaged;
    element->start = at;
    element->attributesBegin = nameEnd;
    if (close - 2 >= nameEnd && text[close - 2] == '/') {
        element->attributesEnd = close - 2;
        element->contentBegin = element->contentEnd = element->end = close;
        return GPXFind::Found;
    }
    element->attributesEnd = close - 1;
    element->contentBegin = close;
    int open = 0; // children met whose end tag is still to come
    for (qsizetype e = close;;) {
        e = NextMarkup(text, e);
        if (e < 0 || e + 1 >= text.size())
            return GPXFind::Damaged;
        qsizetype next = e + 1;
        if (text[e + 1] == '/') {
            if (IsEndTag(text, e, name, &element->end)) {
                element->contentEnd = e;
                return open ? GPXFind::Damaged : GPXFind::Found;
            }
            CloseChild(text, e, children, childCount, &open);
        } else if (!OpenChild(text, e, children, childCount, &open, &next)) {
            return GPXFind::Damaged;
        }
        e = next;
    }
}

GPXFind FindElement(QByteArrayView text, QByteArrayView name, qsizetype from, GPXElement* element)
{
    for (qsizetype at = from;; ++at) {
        at = NextMarkup(text, at);
        if (at < 0)
            return GPXFind::Missing;
        if (IsStartTag(text, at, name))
            return ReadElement(text, at, name, element);
    }
}

bool ElementText(QByteArrayView scope, QByteArrayView name, QByteArray* out, bool* damaged)
{
    GPXElement element;
    switch (FindElement(scope, name, 0, &element)) {
    case GPXFind::Found:
        *out = DecodeText(element.content(scope));
        return true;
    case GPXFind::Damaged:
        *damaged = true;
        return false;
    case GPXFind::Missing:
        break;
    }
    return false;
}

namespace {

// The raw value of the attribute called name, between its quotes.
bool AttributeText(QByteArrayView attributes, QByteArrayView name, QByteArrayView* raw)
{
    const qsizetype n = attributes.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && IsBlank(attributes[i]))
            ++i;
    };
    for (;;) {
        skipBlanks();
        if (i >= n)
            return false;
        const qsizetype nameBegin = i;
        while (i < n && !IsBlank(attributes[i]) && attributes[i] != '=')
            ++i;
        const QByteArrayView attribute = attributes.sliced(nameBegin, i - nameBegin);
        skipBlanks();
        if (i >= n || attributes[i] != '=')
            return false;
        ++i;
        skipBlanks();
        if (i >= n || (attributes[i] != '"' && attributes[i] != '\''))
            return false;
        const qsizetype valueEnd = FindByte(attributes, attributes[i], i + 1);
        if (valueEnd < 0)
            return false;
        if (SameName(attribute, name)) {
            *raw = attributes.sliced(i + 1, valueEnd - i - 1);
            return true;
        }
        i = valueEnd + 1;
    }
}

} // namespace

bool AttributeValue(QByteArrayView attributes, QByteArrayView name, QByteArray* out)
{
    QByteArrayView raw;
    if (!AttributeText(attributes, name, &raw))
        return false;
    QByteArray value;
    AppendDecodedReferences(raw, &value);
    *out = ValidUtf8(std::move(value));
    return true;
}

bool DeclaresUtf8(QByteArrayView attributes)
{
    constexpr QByteArrayView kEncoding = "encoding";
    QByteArray encoding;
    if (AttributeValue(attributes, kEncoding, &encoding))
        return encoding.compare("UTF-8", Qt::CaseInsensitive) == 0;
    return !attributes.contains(kEncoding); // an encoding that cannot be read is no UTF-8
}

bool AttributeNumber(QByteArrayView attributes, QByteArrayView name, double* value)
{
    QByteArrayView raw;
    if (!AttributeText(attributes, name, &raw))
        return false;
    if (!HasEither(raw, '&', '&')) // references only: an attribute value holds no markup
        return ParseNumber(raw, value);
    QByteArray decoded;
    AppendDecodedReferences(raw, &decoded);
    return ParseNumber(decoded, value);
}

bool ContentNumber(QByteArrayView raw, double* value)
{
    if (!HasEither(raw, '&', '<'))
        return ParseNumber(raw, value);
    return ParseNumber(DecodeText(raw), value);
}

QByteArray DecodeText(QByteArrayView raw)
{
    if (!HasEither(raw, '&', '<'))
        return ValidUtf8(raw.toByteArray());
    QByteArray out;
    out.reserve(raw.size());
    qsizetype i = 0;
    while (i < raw.size()) {
        const qsizetype lt = FindByte(raw, '<', i);
        AppendDecodedReferences(raw.sliced(i, (lt < 0 ? raw.size() : lt) - i), &out);
        if (lt < 0)
            break;
        const QByteArrayView rest = raw.sliced(lt);
        if (rest.startsWith(kCdataOpen)) {
            const qsizetype close = raw.indexOf(kCdataClose, lt + kCdataOpen.size());
            const qsizetype stop = close < 0 ? raw.size() : close;
            out.append(raw.data() + lt + kCdataOpen.size(), stop - lt - kCdataOpen.size());
            i = close < 0 ? raw.size() : close + kCdataClose.size();
        } else if (rest.startsWith(kCommentOpen)) {
            const qsizetype close = raw.indexOf(kCommentClose, lt + kCommentOpen.size());
            i = close < 0 ? raw.size() : close + kCommentClose.size();
        } else {
            out.append('<'); // markup inside a text stays as written
            i = lt + 1;
        }
    }
    return ValidUtf8(std::move(out));
}

bool ParseNumber(QByteArrayView text, double* value)
{
    *value = 0;
    text = TrimBlanks(text);
    if (text.size() >= 2 && text[0] == '+' && text[1] != '-')
        text = text.sliced(1);
    if (ParsePlainDecimal(text, value))
        return true;
    double number = 0;
    const auto [end, error] = std::from_chars(text.begin(), text.end(), number, std::chars_format::general);
    if (error != std::errc() || !std::isfinite(number))
        return false;
    *value = number;
    return true;
}

bool ParseTime(QByteArrayView text, int32_t* seconds)
{
    *seconds = 0;
    text = TrimBlanks(text);
    // "YYYY-MM-DDThh:mm:ss" at fixed places.
    constexpr qsizetype kFixedSize = 19;
    if (text.size() < kFixedSize || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':'
        || text[16] != ':')
        return false;
    const int year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
    const int hour = Digits(text, 11, 2), minute = Digits(text, 14, 2), second = Digits(text, 17, 2);
    if (!IsCalendarDate(year, month, day) || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0
        || second > 59)
        return false;
    qsizetype at = kFixedSize;
    if (at < text.size() && text[at] == '.') {
        const qsizetype digitsBegin = ++at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
        if (at == digitsBegin)
            return false;
    }
    int64_t offset = 0;
    if (!ZoneOffset(text.sliced(at), &offset))
        return false;
    const int64_t total = DaysSinceEpoch(year, month, day) * 86400 + hour * 3600 + minute * 60 + second - offset;
    if (total < std::numeric_limits<int32_t>::min() || total > std::numeric_limits<int32_t>::max())
        return false;
    *seconds = int32_t(total);
    return true;
}

QByteArray FormatTime(int64_t seconds)
{
    constexpr int64_t kDay = 86400;
    const int64_t days = seconds >= 0 ? seconds / kDay : -((-seconds + kDay - 1) / kDay);
    const int64_t time = seconds - days * kDay;
    const QDate date = QDate(1970, 1, 1).addDays(days);
    auto two = [](int64_t v) { return QByteArray::number(v).rightJustified(2, '0'); };
    return QByteArray::number(date.year()) + '-' + two(date.month()) + '-' + two(date.day()) + 'T'
        + two(time / 3600) + ':' + two(time / 60 % 60) + ':' + two(time % 60) + 'Z';
}

QByteArray FormatNumber(double value) { return QByteArray::number(value, 'f', 6); }

QByteArray Escape(QByteArrayView text)
{
    const QByteArray valid = ValidUtf8(text.toByteArray());
    QByteArray out;
    out.reserve(valid.size());
    for (qsizetype i = 0; i < valid.size(); ++i) {
        const char c = valid[i];
        switch (c) {
        case '&': out += "&amp;"; continue;
        case '<': out += "&lt;"; continue;
        case '>': out += "&gt;"; continue;
        case '"': out += "&quot;"; continue;
        case '\'': out += "&apos;"; continue;
        case '\r': out += "&#13;"; continue;
        default: break;
        }
        if (uchar(c) < 0x20 && c != '\t' && c != '\n')
            continue;
        // U+FFFE and U+FFFF are no XML characters either.
        const QByteArrayView rest = QByteArrayView(valid).sliced(i);
        if (rest.startsWith("\xEF\xBF\xBE") || rest.startsWith("\xEF\xBF\xBF")) {
            i += 2;
            continue;
        }
        out += c;
    }
    return out;
}

} // namespace gps::gpx
