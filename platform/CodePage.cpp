#include "CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

namespace {
// ICU's "cp950" is IBM's Big5 table, which differs from what Windows reads and writes for code
// page 950 (the euro sign, the full-width tilde, dashes, the ETEN rows F9D6-F9FE); its
// "windows-950" is Microsoft's table.
constexpr const char* kAnsiCodePage = "windows-950";
// Bytes from here up may begin a two-byte character.
constexpr unsigned char kFirstNonAscii = 0x80;
}

QString FromUtf8(QByteArrayView bytes)
{
    return QString::fromUtf8(bytes);
}

QByteArray ToUtf8(QStringView text)
{
    return text.toUtf8();
}

bool IsValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

QString FromAnsi(QByteArrayView bytes)
{
    // The decoder holds back a lead byte that ends the input, waiting for its trail byte. A
    // line end fed after the bytes makes it one U+FFFD like any other byte that is no
    // character (the line end is no trail byte and decodes as itself); then it is taken off.
    // Only bytes ending in a byte above ASCII can end in a lead byte.
    QStringDecoder decoder(kAnsiCodePage);
    QString text = decoder.decode(bytes);
    if (!bytes.isEmpty() && static_cast<unsigned char>(bytes.back()) >= kFirstNonAscii) {
        text += decoder.decode(QByteArrayView("\n", 1));
        text.chop(1);
    }
    return text;
}

QByteArray ToAnsi(QStringView text, bool* lossless)
{
    // Encode per character so that an unmappable one becomes exactly one '?', as the
    // Windows conversion does, and the rest stays intact.
    QStringEncoder encoder(kAnsiCodePage, QStringEncoder::Flag::Stateless);
    QByteArray whole = encoder.encode(text);
    if (!encoder.hasError()) {
        if (lossless)
            *lossless = true;
        return whole;
    }
    if (lossless)
        *lossless = false;
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
        QStringEncoder one(kAnsiCodePage, QStringEncoder::Flag::Stateless);
        QByteArray bytes = one.encode(text.mid(i, len));
        out += one.hasError() ? QByteArray("?") : bytes;
        i += len;
    }
    return out;
}

bool FitsAnsi(QStringView text)
{
    QStringEncoder encoder(kAnsiCodePage, QStringEncoder::Flag::Stateless);
    QByteArray bytes = encoder.encode(text);
    return !encoder.hasError();
}

QString FromUtf16Le(QByteArrayView bytes)
{
    const qsizetype units = bytes.size() / 2;
    QString text(units, Qt::Uninitialized);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0; i < units; ++i)
        text[i] = QChar(char16_t(p[2 * i] | (p[2 * i + 1] << 8)));
    return text;
}

QByteArray ToUtf16Le(QStringView text)
{
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        out[2 * i] = char(u & 0xff);
        out[2 * i + 1] = char(u >> 8);
    }
    return out;
}

QString FromUtf16Be(QByteArrayView bytes)
{
    const qsizetype units = bytes.size() / 2;
    QString text(units, Qt::Uninitialized);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0; i < units; ++i)
        text[i] = QChar(char16_t((p[2 * i] << 8) | p[2 * i + 1]));
    return text;
}

} // namespace platform
