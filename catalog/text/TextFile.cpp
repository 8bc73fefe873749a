#include "catalog/text/TextFile.h"

#include "platform/CodePage.h"
#include "platform/FileIO.h"

#include <QByteArray>
#include <QStringDecoder>

// Windows opened these files without sharing, so a file held open elsewhere could not be
// read. Linux has no such lock, and nothing here emulates it.

namespace {

// The largest file read whole; anything bigger is no text file of this catalog and is refused
// cleanly rather than exhausting memory.
constexpr qint64 kMaxTextFileBytes = qint64(1) << 30;

bool ReadNonEmpty(const QString& path, QByteArray* bytes)
{
    return platform::ReadWholeFile(path, bytes, kMaxTextFileBytes) && !bytes->isEmpty();
}

QString DecodeUtf8KeepingBom(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

} // namespace

bool ReadTextFile(const QString& path, QString* text, bool utf8)
{
    QByteArray bytes;
    if (!ReadNonEmpty(path, &bytes))
        return false;
    const qsizetype zero = bytes.indexOf('\0');
    const QByteArrayView content = QByteArrayView(bytes).first(zero < 0 ? bytes.size() : zero);
    *text = utf8 ? DecodeUtf8KeepingBom(content) : platform::FromAnsi(content);
    return true;
}

bool ReadUtf16File(const QString& path, QString* text)
{
    QByteArray bytes;
    if (!ReadNonEmpty(path, &bytes))
        return false;
    *text = DecodeUtf16File(bytes);
    return true;
}

QString DecodeUtf16File(QByteArrayView bytes)
{
    QString decoded = platform::FromUtf16Le(bytes);
    const qsizetype zero = decoded.indexOf(QChar(u'\0'));
    if (zero >= 0)
        decoded.truncate(zero);
    return decoded;
}

bool WriteUtf8File(const QString& path, QStringView text)
{
    const QByteArray bytes = platform::ToUtf8(text);
    if (!platform::WriteFileAtomically(path, bytes))
        return false;
    // Nothing to write counts as a failure, though the file is now empty.
    return !bytes.isEmpty();
}

bool ExtractBetween(QStringView text, QStringView startMarker, QStringView endMarker,
                    QString* result, qsizetype from, qsizetype* endPos)
{
    if (startMarker.isNull() || from < 0 || from > text.size())
        return false;
    const qsizetype startAt = text.indexOf(startMarker, from);
    if (startAt < 0)
        return false;
    const qsizetype start = startAt + startMarker.size();
    if (endMarker.isNull())
        return false;
    const qsizetype end = text.indexOf(endMarker, start);
    if (end < 0)
        return false;
    *result = text.mid(start, end - start).toString();
    if (endPos)
        *endPos = end + endMarker.size();
    return true;
}
