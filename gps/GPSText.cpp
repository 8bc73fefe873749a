#include "gps/GPSText.h"

#include "gps/GPSScanCount.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

#include <algorithm>
#include <cstring>

namespace gps {
namespace {

constexpr qsizetype kTagTextField = 128; // the field that FindTagTextUtf8 hands out

bool IsBig5Lead(uint8_t byte) { return byte >= 0x81 && byte <= 0xFE; }

// Length of the longest prefix of at most limit bytes that ends on an ANSI character boundary.
qsizetype AnsiCut(QByteArrayView text, qsizetype limit)
{
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype step = IsBig5Lead(uint8_t(text[at])) && at + 1 < text.size() ? 2 : 1;
        if (at + step > limit)
            break;
        at += step;
    }
    return at;
}

qsizetype Utf8Cut(QByteArrayView text, qsizetype limit)
{
    if (text.size() <= limit)
        return text.size();
    qsizetype at = limit;
    while (at > 0 && (uint8_t(text[at]) & 0xC0) == 0x80)
        --at;
    return at;
}

QByteArrayView UpToZero(QByteArrayView text)
{
    const qsizetype zero = text.indexOf('\0');
    return zero < 0 ? text : text.first(zero);
}

// Decodes by lead bytes: one byte below 0x80, two after 110xxxxx, three after 1110xxxx, the
// following bytes giving their low six bits. False for any other lead byte. A sequence cut
// short by the end of the text ends the decoding.
bool DecodeLeadBytes(QByteArrayView source, QString* text)
{
    text->reserve(source.size());
    qsizetype at = 0;
    while (at < source.size()) {
        const uint8_t lead = uint8_t(source[at]);
        int follow = 0;
        char16_t unit = 0;
        if (lead < 0x80) {
            unit = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            follow = 1;
            unit = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            follow = 2;
            unit = lead & 0x0F;
        } else {
            return false;
        }
        if (at + follow >= source.size() && follow > 0)
            break;
        for (int i = 1; i <= follow; ++i)
            unit = char16_t((unit << 6) | (uint8_t(source[at + i]) & 0x3F));
        text->append(QChar(unit));
        at += 1 + follow;
    }
    return true;
}

// Position of needle in hay at or after from, only at ANSI character boundaries. From is a
// character boundary (the start of the text or the end of an earlier match), so the walk
// starts there: walking repeated elements stays linear in the text's length.
qsizetype FindAnsi(QByteArrayView hay, QByteArrayView needle, qsizetype from)
{
    qsizetype compared = 0;
    qsizetype found = -1;
    for (qsizetype at = from; at + needle.size() <= hay.size(); at += IsBig5Lead(uint8_t(hay[at])) ? 2 : 1) {
        ++compared;
        if (hay.sliced(at, needle.size()) == needle) {
            found = at;
            break;
        }
    }
    CountScanned(compared);
    return found;
}

} // namespace

bool ReadWholeFile(const QString& path, QByteArray* bytes)
{
    QByteArray data;
    if (!platform::ReadWholeFile(path, &data) || data.isEmpty())
        return false;
    *bytes = std::move(data);
    return true;
}

QByteArrayView FieldText(const char* field, qsizetype width)
{
    const void* zero = std::memchr(field, 0, size_t(width));
    return QByteArrayView(field, zero ? static_cast<const char*>(zero) - field : width);
}

QStringView FieldText(const char16_t* field, qsizetype width)
{
    qsizetype length = 0;
    while (length < width && field[length])
        ++length;
    return QStringView(field, length);
}

void CopyAnsiToField(char* field, qsizetype width, QByteArrayView text)
{
    const qsizetype n = AnsiCut(text, width - 1);
    std::copy_n(text.data(), n, field); // a null text (n = 0) is fine here, unlike memcpy
    std::memset(field + n, 0, size_t(width - n));
}

QByteArray CutAnsi(QByteArrayView text, qsizetype maxBytes)
{
    return text.first(AnsiCut(text, maxBytes)).toByteArray();
}

void CopyUtf8ToField(char* field, qsizetype width, QByteArrayView text)
{
    const qsizetype n = Utf8Cut(text, width - 1);
    std::copy_n(text.data(), n, field); // a null text (n = 0) is fine here, unlike memcpy
    std::memset(field + n, 0, size_t(width - n));
}

void CopyToField(char16_t* field, qsizetype width, QStringView text)
{
    const QString cut = CutText(text, width - 1);
    std::copy(cut.utf16(), cut.utf16() + cut.size(), field);
    std::fill(field + cut.size(), field + width, char16_t(0));
}

QString CutText(QStringView text, qsizetype maxUnits)
{
    if (text.size() <= maxUnits)
        return text.toString();
    qsizetype n = maxUnits;
    if (n > 0 && text[n - 1].isHighSurrogate())
        --n;
    return text.first(n).toString();
}

QByteArray CutUtf8(QByteArrayView text, qsizetype maxBytes)
{
    return text.first(Utf8Cut(text, maxBytes)).toByteArray();
}

QByteArray Utf8ForField(QStringView text, qsizetype fieldBytes)
{
    return CutUtf8(platform::ToUtf8(text), std::max<qsizetype>(fieldBytes - 1, 0));
}

void Utf8ToAnsi(char* destination, qsizetype size, QByteArrayView source, bool isUtf8)
{
    const QByteArrayView text = UpToZero(source);
    QString decoded;
    if (!isUtf8 || !DecodeLeadBytes(text, &decoded)) {
        CopyAnsiToField(destination, size, text);
        return;
    }
    CopyAnsiToField(destination, size, platform::ToAnsi(decoded));
}

bool FindTagText(QByteArrayView text, QByteArrayView open, QByteArrayView close, QByteArray* out,
                 qsizetype start, qsizetype* end)
{
    if (open.isEmpty() || close.isEmpty() || start < 0 || start > text.size())
        return false;
    const qsizetype openAt = FindAnsi(text, open, start);
    if (openAt < 0)
        return false;
    const qsizetype inner = openAt + open.size();
    const qsizetype closeAt = FindAnsi(text, close, inner);
    if (closeAt < 0)
        return false;
    *out = text.sliced(inner, closeAt - inner).toByteArray();
    if (end)
        *end = closeAt + close.size();
    return true;
}

bool FindTagTextUtf8(QByteArrayView text, QByteArrayView open, QByteArrayView close, QByteArray* out)
{
    if (open.isEmpty() || close.isEmpty())
        return false;
    const QString wide = platform::FromUtf8(text);
    const QString wideOpen = platform::FromAnsi(open);
    const QString wideClose = platform::FromAnsi(close);
    const qsizetype openAt = wide.indexOf(wideOpen);
    if (openAt < 0)
        return false;
    const qsizetype inner = openAt + wideOpen.size();
    const qsizetype closeAt = wide.indexOf(wideClose, inner);
    if (closeAt < 0)
        return false;
    *out = CutUtf8(platform::ToUtf8(QStringView(wide).sliced(inner, closeAt - inner)), kTagTextField - 1);
    return true;
}

} // namespace gps
