#include "IniLines.h"

namespace fuzz {

namespace {

using platform::IniDocument;
using platform::IniEncoding;

constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';
// A line end is at most CR LF, two code units of at most two bytes.
constexpr qsizetype kMaxLineEndBytes = 4;

struct UnitLayout {
    qsizetype bom = 0;
    qsizetype size = 1;      // bytes per code unit
    bool bigEndian = false;
};

UnitLayout LayoutOf(IniEncoding encoding)
{
    switch (encoding) {
    case IniEncoding::Utf16Le:
        return {2, 2, false};
    case IniEncoding::Utf16Be:
        return {2, 2, true};
    case IniEncoding::Utf8Bom:
        return {3, 1, false};
    case IniEncoding::Utf8:
    case IniEncoding::Ansi:
        break;
    }
    return {};
}

char16_t UnitAt(const QByteArray& bytes, qsizetype at, const UnitLayout& layout)
{
    const auto byte = [&](qsizetype i) { return char16_t(static_cast<unsigned char>(bytes[i])); };
    if (layout.size == 1)
        return byte(at);
    return layout.bigEndian ? char16_t(byte(at) << 8 | byte(at + 1)) : char16_t(byte(at) | byte(at + 1) << 8);
}

// Bytes from the first unit of a line to the end of its line end, in units of layout.size.
std::vector<QByteArray> SplitLines(const QByteArray& bytes, qsizetype end, const UnitLayout& layout)
{
    std::vector<QByteArray> out;
    qsizetype start = layout.bom;
    for (qsizetype i = layout.bom; i < end; i += layout.size) {
        const char16_t u = UnitAt(bytes, i, layout);
        if (u != kCr && u != kLf)
            continue;
        if (u == kCr && i + layout.size < end && UnitAt(bytes, i + layout.size, layout) == kLf)
            i += layout.size;
        out.push_back(bytes.mid(start, i + layout.size - start));
        start = i + layout.size;
    }
    if (start < end)
        out.push_back(bytes.mid(start, end - start));
    return out;
}

QStringList SplitText(const QString& text)
{
    QStringList out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != kCr && text[i] != kLf)
            continue;
        if (text[i] == kCr && i + 1 < text.size() && text[i + 1] == kLf)
            ++i;
        out.append(text.mid(start, i + 1 - start));
        start = i + 1;
    }
    if (start < text.size())
        out.append(text.mid(start));
    return out;
}

qsizetype ContentBytes(const QByteArray& line)
{
    qsizetype n = line.size();
    while (n > 0 && (line[n - 1] == '\r' || line[n - 1] == '\n'))
        --n;
    return n;
}

template <class Line>
qsizetype Size(const Line& line)
{
    return line.size();
}

// after gained a line end that before (the last line) lacked.
template <class Line>
bool GainedLineEnd(const Line& before, const Line& after)
{
    return after.startsWith(before) && Size(after) > Size(before)
        && Size(after) - Size(before) <= kMaxLineEndBytes;
}

bool EndsWithLineEnd(const QByteArray& line)
{
    return line.endsWith('\n') || line.endsWith('\r')
        || line.endsWith(QByteArrayView("\n\0", 2)) || line.endsWith(QByteArrayView("\r\0", 2));
}

bool EndsWithLineEnd(const QString& line)
{
    return line.endsWith(kLf) || line.endsWith(kCr);
}

template <class Lines>
std::string Compare(const Lines& before, const Lines& after)
{
    const qsizetype nb = qsizetype(before.size()), na = qsizetype(after.size());
    qsizetype p = 0;
    while (p < nb && p < na && before[p] == after[p])
        ++p;
    qsizetype q = 0;
    while (q < nb - p && q < na - p && before[nb - 1 - q] == after[na - 1 - q])
        ++q;
    const qsizetype removed = nb - p - q, added = na - p - q;
    if (removed == 1 && added == 1)
        return {};  // the key's line
    if (removed == 0 && (added == 1 || added == 2))
        return EndsWithLineEnd(after[p + added - 1]) ? std::string() : "an added line lacks its line end";
    if (removed == 1 && (added == 2 || added == 3) && p + 1 == nb && GainedLineEnd(before[p], after[p]))
        return {};  // the last line gained its end, then the new line or section
    return "lines other than the written key's changed (" + std::to_string(removed) + " removed, "
        + std::to_string(added) + " added at line " + std::to_string(p) + ")";
}

} // namespace

IniLines IniLines::OfBytes(const QByteArray& bytes, IniEncoding encoding)
{
    const UnitLayout layout = LayoutOf(encoding);
    IniLines out;
    const qsizetype bom = std::min(layout.bom, bytes.size());
    const qsizetype end = bom + (bytes.size() - bom) / layout.size * layout.size;
    out.head = bytes.first(bom);
    out.lines = SplitLines(bytes, end, layout);
    out.tail = bytes.sliced(end);
    return out;
}

QStringList IniLines::TextOf(const QByteArray& bytes, IniEncoding encoding)
{
    if (encoding == IniEncoding::Utf16Le || encoding == IniEncoding::Utf16Be)
        return SplitText(IniDocument::Decode(bytes, encoding));
    const IniEncoding lines = encoding == IniEncoding::Ansi ? IniEncoding::Ansi : IniEncoding::Utf8;
    QStringList out;
    for (const QByteArray& line : OfBytes(bytes, encoding).lines) {
        const qsizetype content = ContentBytes(line);
        out.append(IniDocument::Decode(line.first(content), lines) + QString::fromLatin1(line.sliced(content)));
    }
    return out;
}

std::string CompareOneLineChanged(const std::vector<QByteArray>& before,
                                  const std::vector<QByteArray>& after)
{
    return Compare(before, after);
}

std::string CompareOneLineChanged(const QStringList& before, const QStringList& after)
{
    return Compare(before, after);
}

} // namespace fuzz
