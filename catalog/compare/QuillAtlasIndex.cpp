#include "catalog/compare/QuillAtlasIndex.h"

#include "catalog/compare/AtlasKeys.h"
#include "catalog/text/TextParsers.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

namespace {

constexpr int kPageDigits = 3;
constexpr qint64 kBomBytes = 2;
constexpr char kUtf16LeBom[] = "\xff\xfe";
constexpr QStringView kLineEnd = u"\r\n";
// Room reserved per entry for its two lines, in UTF-16 code units.
constexpr qsizetype kTypicalEntryLength = 64;

bool HoldsLineBreak(QStringView text)
{
    return text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(0));
}

// n >= 0 in decimal, at least width digits (zero-padded), without a temporary string.
void AppendDecimal(QString* text, int n, int width = 1)
{
    constexpr int kMaxDigits = 10;
    char16_t digits[kMaxDigits];
    int count = 0;
    do {
        digits[kMaxDigits - 1 - count++] = char16_t(u'0' + n % 10);
        n /= 10;
    } while (n > 0 && count < kMaxDigits);
    for (int pad = count; pad < width; ++pad)
        text->append(u'0');
    text->append(QStringView(digits + kMaxDigits - count, count));
}

// "%s%03d-%s" of an entry appended to text.
void AppendQuillValue(QString* text, const GuideEntry& entry)
{
    text->append(entry.volumeText);
    if (entry.page >= 0)
        AppendDecimal(text, entry.page, kPageDigits);
    else
        text->append(QString::number(entry.page));
    text->append(u'-');
    text->append(entry.title);
}

// "<prefix><n>=" for a key pattern's prefix (the pattern without its "%d").
void AppendKeyName(QString* text, QStringView prefix, int n)
{
    text->append(prefix);
    AppendDecimal(text, n);
    text->append(u'=');
}

QStringView KeyPrefix(QStringView pattern)
{
    return pattern.endsWith(u"%d") ? pattern.chopped(2) : pattern;
}

QByteArray Utf16LeWithBom(QStringView text)
{
    QByteArray bytes(kUtf16LeBom, kBomBytes);
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        bytes.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
        return bytes;
    }
    bytes.reserve(kBomBytes + text.size() * 2);
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xff));
        bytes.append(char(c.unicode() >> 8));
    }
    return bytes;
}

bool KeyIsEmpty(const QString& path, QStringView pattern, int n)
{
    return platform::GetProfileString(path, kQuillAtlasSection.toString(),
                                      FormatNumberedKey(pattern, n)).isEmpty();
}

} // namespace

QString FormatQuillValue(const GuideEntry& entry)
{
    QString value;
    AppendQuillValue(&value, entry);
    return value;
}

QString BuildQuillAtlasText(const QList<GuideEntry>& entries)
{
    QString text = u'[' + kQuillAtlasSection.toString() + u']' + kLineEnd.toString();
    text.reserve(entries.size() * kTypicalEntryLength);
    const QStringView valuePrefix = KeyPrefix(kQuillKeyPattern);
    const QStringView linkPrefix = KeyPrefix(kQuillLinkPattern);
    for (int i = 0; i < entries.size(); ++i) {
        const GuideEntry& e = entries[i];
        if (HoldsLineBreak(e.volumeText) || HoldsLineBreak(e.title) || HoldsLineBreak(e.link))
            return QString();
        AppendKeyName(&text, valuePrefix, i + 1);
        AppendQuillValue(&text, e);
        text.append(kLineEnd);
        AppendKeyName(&text, linkPrefix, i + 1);
        text.append(e.link);
        text.append(kLineEnd);
    }
    return text;
}

bool IsMissingOrEmptyFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return true;
    if (!info.isFile() || info.size() > kBomBytes)
        return false;
    QByteArray bytes;
    if (!platform::ReadWholeFile(path, &bytes, kBomBytes))
        return false;
    return bytes.isEmpty() || bytes == QByteArray(kUtf16LeBom, kBomBytes);
}

bool WriteQuillAtlasFile(const QString& path, const QList<GuideEntry>& entries)
{
    const QString text = BuildQuillAtlasText(entries);
    if (text.isEmpty() || !QDir().mkpath(platform::FolderOf(path)))
        return false;
    return platform::WriteFileAtomically(path, Utf16LeWithBom(text));
}

bool AddQuillAtlasEntry(const QString& path, const GuideEntry& entry, int* number)
{
    const QString section = kQuillAtlasSection.toString();
    // A free pair exists among the section's keys plus one.
    const int limit = int(platform::GetProfileKeys(path, section).size()) + 1;
    int n = 1;
    while (n <= limit && !(KeyIsEmpty(path, kQuillKeyPattern, n) && KeyIsEmpty(path, kQuillLinkPattern, n)))
        ++n;
    if (!QDir().mkpath(platform::FolderOf(path)))
        return false;
    if (!platform::WriteProfileString(path, section, FormatNumberedKey(kQuillKeyPattern, n),
                                      FormatQuillValue(entry)))
        return false;
    if (!platform::WriteProfileString(path, section, FormatNumberedKey(kQuillLinkPattern, n), entry.link)) {
        platform::WriteProfileString(path, section, FormatNumberedKey(kQuillKeyPattern, n), QString());
        return false;
    }
    if (number)
        *number = n;
    return true;
}
