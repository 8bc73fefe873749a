#include "catalog/compare/NumberedKeyFile.h"

#include "platform/FileIO.h"
#include "platform/IniCache.h"
#include "platform/IniDocument.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace {

using platform::TrimBlanks;

constexpr char16_t kByteOrderMark = u'\xFEFF';

bool KeyIsEmpty(const platform::IniDocument& document, const NumberedPair& pair, const QString& key)
{
    const std::optional<QStringView> value = document.value(pair.section, key);
    return !value || value->isEmpty();
}

// One key set in bytes; the bytes as they are when the key already holds that value.
std::optional<QByteArray> WithValue(const QByteArray& bytes, const NumberedPair& pair,
                                    const QString& key, const QString& value)
{
    const platform::IniDocument document =
        bytes.isEmpty() ? platform::IniDocument() : platform::IniDocument(bytes, true);
    if (!KeyIsEmpty(document, pair, key))
        return std::nullopt;
    return document.withValue(pair.section, key, value).value_or(bytes);
}

} // namespace

bool ReadNumberedFile(const QString& path, QByteArray* bytes)
{
    bytes->clear();
    // No bigger than the profile layer reads.
    return !QFileInfo::exists(path)
           || platform::ReadWholeFile(path, bytes, platform::IniCache::kMaxFileBytes);
}

bool IsWritablePair(const NumberedPair& pair)
{
    using platform::IniDocument;
    return IniDocument::IsWritableSectionName(pair.section) && IniDocument::IsWritableKeyName(pair.key)
           && IniDocument::IsWritableKeyName(pair.linkKey) && IniDocument::IsWritableValue(pair.value)
           && IniDocument::IsWritableValue(pair.link);
}

std::optional<QByteArray> WithNumberedPair(const QByteArray& bytes, const NumberedPair& pair)
{
    if (!IsWritablePair(pair))
        return std::nullopt;
    const std::optional<QByteArray> withValue = WithValue(bytes, pair, pair.key, pair.value);
    return withValue ? WithValue(*withValue, pair, pair.linkKey, pair.link) : std::nullopt;
}

QString SectionAt(QStringView text, qsizetype end)
{
    QStringView rest = text.first(qBound(qsizetype(0), end, text.size()));
    if (rest.startsWith(kByteOrderMark))
        rest = rest.sliced(1);
    QString section;
    while (!rest.isEmpty()) {
        qsizetype lineEnd = 0;
        while (lineEnd < rest.size() && rest[lineEnd] != u'\r' && rest[lineEnd] != u'\n')
            ++lineEnd;
        const QStringView line = TrimBlanks(rest.first(lineEnd));
        // "[name]": the name ends at the last ']'; a line with '[' but no ']' is no header.
        const qsizetype close = line.startsWith(u'[') ? line.lastIndexOf(u']') : -1;
        if (close > 0)
            section = TrimBlanks(line.sliced(1, close - 1)).toString();
        if (lineEnd + 1 < rest.size() && rest[lineEnd] == u'\r' && rest[lineEnd + 1] == u'\n')
            ++lineEnd;
        rest = rest.sliced(qMin(lineEnd + 1, rest.size()));
    }
    return section;
}

bool WriteNumberedFile(const QString& path, const QByteArray& bytes)
{
    return QDir().mkpath(platform::FolderOf(path)) && platform::WriteFileAtomically(path, bytes);
}
