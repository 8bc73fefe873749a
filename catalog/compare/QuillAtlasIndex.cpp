#include "catalog/compare/QuillAtlasIndex.h"

#include "catalog/compare/AtlasKeys.h"
#include "catalog/compare/NumberedKeyFile.h"
#include "catalog/text/TextFile.h"
#include "catalog/text/TextParsers.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"

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

// One entry as ReadQuillAtlasFile finds it, before its value is parsed.
struct RawPair {
    QString value, link;
    bool operator==(const RawPair&) const = default;
};

// The entries the reader finds in text, in its order: it looks for Quill<n>= and then
// QuillLink<n>= from where the previous line ended, whatever the section, and stops at the first
// it misses. *end receives the position just past the last entry found.
QList<RawPair> ScanQuillPairs(QStringView text, qsizetype* end = nullptr)
{
    QList<RawPair> pairs;
    qsizetype pos = 0;
    for (int n = 1; pairs.size() < GuideEntry::kMaxEntries; ++n) {
        RawPair pair;
        qsizetype next = pos;
        if (!ScanKeyValue(text, FormatNumberedKey(kQuillKeyPattern, n), &next, &pair.value)
            || !ScanKeyValue(text, FormatNumberedKey(kQuillLinkPattern, n), &next, &pair.link))
            break;
        pos = next;
        pairs.append(std::move(pair));
    }
    if (end)
        *end = pos;
    return pairs;
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
    QByteArray bytes;
    if (!ReadNumberedFile(path, &bytes))
        return false;
    const QString text = DecodeUtf16File(bytes);
    qsizetype end = 0;
    const QList<RawPair> read = ScanQuillPairs(text, &end);
    if (read.size() >= GuideEntry::kMaxEntries)
        return false;
    // The number the reader looks for next. The keys go to the section of the last entry read
    // or else to "Guide" (keys before any header are in a section the profile layer cannot
    // name), and only where the reader then finds what it found before and the new entry.
    const int n = int(read.size()) + 1;
    NumberedPair pair;
    pair.key = FormatNumberedKey(kQuillKeyPattern, n);
    pair.value = FormatQuillValue(entry);
    pair.linkKey = FormatNumberedKey(kQuillLinkPattern, n);
    pair.link = entry.link;
    const QList<RawPair> expected = read + QList{RawPair{pair.value, pair.link}};
    QStringList sections = {kQuillAtlasSection.toString()};
    if (!read.isEmpty())
        sections.prepend(SectionAt(text, end));
    for (const QString& section : sections) {
        pair.section = section;
        const std::optional<QByteArray> updated = WithNumberedPair(bytes, pair);
        if (!updated || ScanQuillPairs(DecodeUtf16File(*updated)) != expected)
            continue;
        if (!WriteNumberedFile(path, *updated))
            return false;
        if (number)
            *number = n;
        return true;
    }
    return false;
}
