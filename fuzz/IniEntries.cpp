#include "IniEntries.h"

#include "FuzzScratch.h"
#include "IniLines.h"
#include "catalog/subsets/titles/EntryListReader.h"
#include "catalog/text/HikingEntry.h"
#include "catalog/text/TextParsers.h"
#include "platform/CodePage.h"
#include "platform/IniDocument.h"
#include "platform/Profile.h"

#include <array>
#include <climits>
#include <optional>
#include <vector>

namespace fuzz {

namespace {

using platform::IniDocument;
using platform::IniEncoding;

// Values a write may choose: plain, blank-edged, quoted, Chinese, outside CP950, INI syntax.
const std::array<QString, 10> kValues = {
    QString(), QStringLiteral("plain"), QStringLiteral(" blank "), QStringLiteral("\"quoted\""),
    QStringLiteral("'x'"), QStringLiteral("玉山主峰"), QStringLiteral("😀 é"), QStringLiteral("a=b"),
    QStringLiteral("[x]"), QStringLiteral("\t"),
};
const std::array<QString, 3> kNewSections = {QStringLiteral("Extra"), QStringLiteral("新區"),
                                             QStringLiteral("TALVANE")};
const std::array<QString, 3> kNewKeys = {QStringLiteral("NewKey"), QStringLiteral("名稱"),
                                         QStringLiteral("name")};

std::uint64_t Hash(Bytes input)
{
    std::uint64_t h = 14695981039346656037ull;
    for (std::uint8_t b : input)
        h = (h ^ b) * 1099511628211ull;
    return h;
}

// Names are trimmed of spaces and tabs only.
QStringView TrimBlanks(QStringView s)
{
    while (!s.isEmpty() && (s.front() == u' ' || s.front() == u'\t'))
        s = s.sliced(1);
    while (!s.isEmpty() && (s.back() == u' ' || s.back() == u'\t'))
        s.chop(1);
    return s;
}

QStringView WithoutLineEnd(QStringView line)
{
    while (line.endsWith(u'\r') || line.endsWith(u'\n'))
        line.chop(1);
    return line;
}

// The section names of the decoded text: "[name]" lines as IniDocument.h defines them, and "".
QStringList SectionNames(const QByteArray& bytes)
{
    QStringList names{QString()};
    const IniEncoding encoding = IniDocument::DetectEncoding(bytes);
    for (const QString& line : IniLines::TextOf(bytes, encoding)) {
        const QStringView content = TrimBlanks(WithoutLineEnd(line));
        const qsizetype close = content.lastIndexOf(u']');
        if (content.startsWith(u'[') && close > 0)
            names.append(TrimBlanks(content.sliced(1, close - 1)).toString());
    }
    names.removeDuplicates();
    return names;
}

struct Read {
    QString section, key, value;
};

std::string ReadAll(const IniDocument& doc, const QStringList& sections, std::vector<Read>* out)
{
    for (const QString& section : sections) {
        for (const QString& key : doc.keys(section)) {
            const std::optional<QStringView> value = doc.value(section, key);
            if (!value)
                return "a key that keys() lists has no value";
            out->push_back({section, key, value->toString()});
        }
    }
    return {};
}

bool SameName(const QString& a, const QString& b)
{
    return TrimBlanks(a).compare(TrimBlanks(b), Qt::CaseInsensitive) == 0;
}

// The write an input makes: mostly an existing key, sometimes a new key or section.
Read ChooseWrite(std::uint64_t h, const QStringList& sections, const std::vector<Read>& reads)
{
    Read w;
    w.value = kValues[h % kValues.size()];
    h /= kValues.size();
    if (!reads.empty() && h % 4 == 0)
        w.value = reads[(h / 4) % reads.size()].value;
    h /= 4;
    if (!reads.empty() && h % 3 != 0) {
        const Read& r = reads[(h / 3) % reads.size()];
        w.section = r.section;
        w.key = r.key;
        return w;
    }
    h /= 3;
    w.section = h % 2 == 0 ? sections[(h / 2) % sections.size()] : kNewSections[(h / 2) % kNewSections.size()];
    h /= 2;
    w.key = kNewKeys[h % kNewKeys.size()];
    return w;
}

std::string CheckLines(const QByteArray& before, IniEncoding encoding, const QByteArray& after)
{
    const IniEncoding now = IniDocument::DetectEncoding(after);
    if (now == IniEncoding::Utf16Le && encoding != IniEncoding::Utf16Le) {
        // The file became UTF-16LE: its text lines are compared instead of its bytes.
        return CompareOneLineChanged(IniLines::TextOf(before, encoding), IniLines::TextOf(after, now));
    }
    const IniLines a = IniLines::OfBytes(before, encoding), b = IniLines::OfBytes(after, encoding);
    if (a.head != b.head || a.tail != b.tail)
        return "the byte-order mark or the odd last byte changed";
    return CompareOneLineChanged(a.lines, b.lines);
}

std::string CheckWrite(const IniDocument& doc, const QByteArray& bytes, const Read& w,
                       const std::vector<Read>& reads)
{
    const std::optional<QByteArray> out = doc.withValue(w.section, w.key, w.value);
    if (!out)
        return doc.value(w.section, w.key) == w.value ? std::string() : "no bytes for a changed value";
    const IniDocument after(*out);
    if (after.value(w.section, w.key) != w.value)
        return "the written key does not read back";
    for (const Read& r : reads) {
        if (SameName(r.section, w.section) && SameName(r.key, w.key))
            continue;
        if (after.value(r.section, r.key) != r.value)
            return "another key reads differently after the write";
    }
    return CheckLines(bytes, doc.encoding(), *out);
}

} // namespace

std::string IniDocumentEntry(Bytes input)
{
    const QByteArray bytes(reinterpret_cast<const char*>(input.data()), qsizetype(input.size()));
    const IniDocument doc(bytes, true);
    const QStringList sections = SectionNames(bytes);
    std::vector<Read> reads;
    if (std::string failure = ReadAll(doc, sections, &reads); !failure.empty())
        return failure;
    // A document made only for reading reads the same.
    const IniDocument readOnly(bytes);
    for (const Read& r : reads) {
        if (readOnly.value(r.section, r.key) != r.value)
            return "a document without its bytes reads a key differently";
    }
    const Read w = ChooseWrite(Hash(input), sections, reads);
    if (!IniDocument::IsWritableSectionName(w.section) || !IniDocument::IsWritableKeyName(w.key)
        || !IniDocument::IsWritableValue(w.value))
        return {};
    return CheckWrite(doc, bytes, w, reads);
}

namespace {

// The pattern's numbered keys as the header of FormatNumberedKey describes them.
std::string CheckFormat(const QString& pattern)
{
    for (int n : {1, 12, -1, INT_MAX}) {
        const QString base = pattern.endsWith(QStringLiteral("%d")) ? pattern.chopped(2) : pattern;
        if (FormatNumberedKey(pattern, n) != base + QString::number(n))
            return "FormatNumberedKey put the number elsewhere";
    }
    return {};
}

std::string CheckScanners(QStringView line)
{
    int year = 0, month = 0, day = 0;
    if (ParseDateText(line, &year, &month, &day) && month < 1)
        return "ParseDateText accepted a month below 1";
    ParseDecimalPrefix(line);
    const qsizetype digit = FindAsciiDigit(line, 0);
    if (digit >= 0 && (line[digit] < u'0' || line[digit] > u'9'))
        return "FindAsciiDigit found no digit";
    const qsizetype end = DigitRunEnd(line, digit);
    if (end < std::max<qsizetype>(digit, 0) || end > line.size())
        return "DigitRunEnd outside the text";
    return {};
}

std::string ScanAll(const QString& text, const QString& pattern)
{
    qsizetype pos = 0;
    for (int n = 1; n <= HikingEntry::kMaxEntries; ++n) {
        QString value;
        const qsizetype from = pos;
        if (!ScanKeyValue(text, FormatNumberedKey(pattern, n), &pos, &value))
            break;
        if (pos <= from || pos > text.size())
            return "ScanKeyValue did not move forward within the text";
        if (value.contains(QStringLiteral("\r\n")))
            return "ScanKeyValue's value runs past a line end";
        if (std::string failure = CheckScanners(value); !failure.empty())
            return failure;
    }
    return {};
}

std::string ReadFiles(const QString& pattern, const QString& linkPattern, Bytes file)
{
    const QString path = ScratchFile(QStringLiteral("mate.txt"), file);
    if (ReadNumberedKeyPairs(path, pattern, linkPattern).size() > HikingEntry::kMaxEntries)
        return "ReadNumberedKeyPairs gave more than kMaxEntries";
    platform::ClearProfileCache();
    for (const EntryListReader& reader : {EntryListReader::Titles(), EntryListReader::Talvanes()}) {
        QStringList entries;
        const int count = reader.Read(path, pattern, &entries);
        if (count != entries.size() || count > reader.maxEntries)
            return "EntryListReader gave a count other than its entries";
    }
    for (int n = 1; n <= 3; ++n)
        platform::GetProfileString(path, QStringLiteral("Talvane"), FormatNumberedKey(pattern, n));
    platform::GetProfileKeys(path, pattern);
    platform::ClearProfileCache();
    return {};
}

} // namespace

// The input: the key patterns (entry, tab, link) on the first line as UTF-8, then the bytes of
// a companion's or settings file.
std::string NumberedKeys(Bytes input)
{
    std::size_t eol = 0;
    while (eol < input.size() && input[eol] != '\n')
        ++eol;
    const QString first = QString::fromUtf8(reinterpret_cast<const char*>(input.data()), qsizetype(eol));
    const Bytes file = input.subspan(std::min(eol + 1, input.size()));
    const qsizetype tab = first.indexOf(u'\t');
    const QString pattern = tab < 0 ? first : first.first(tab);
    const QString linkPattern = tab < 0 ? QStringLiteral("Link%d") : first.sliced(tab + 1);
    for (const QString& p : {pattern, linkPattern}) {
        if (std::string failure = CheckFormat(p); !failure.empty())
            return failure;
    }
    if (std::string failure = CheckScanners(first); !failure.empty())
        return failure;
    const QString text = platform::FromUtf16Le(
        QByteArrayView(reinterpret_cast<const char*>(file.data()), qsizetype(file.size())));
    if (std::string failure = ScanAll(text, pattern); !failure.empty())
        return failure;
    return ReadFiles(pattern, linkPattern, file);
}

} // namespace fuzz
