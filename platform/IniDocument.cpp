#include "IniDocument.h"

#include "CodePage.h"

#include <cstring>

namespace platform {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView TrimBlanks(QStringView s)
{
    while (!s.isEmpty() && IsBlank(s.front()))
        s = s.sliced(1);
    while (!s.isEmpty() && IsBlank(s.back()))
        s.chop(1);
    return s;
}

namespace {

constexpr char16_t kCr = u'\r';
constexpr char16_t kFirstNonAscii = 0x80;
constexpr char16_t kLf = u'\n';

struct ByteOrderMark {
    static constexpr char kUtf16Le[] = "\xff\xfe";
    static constexpr char kUtf16Be[] = "\xfe\xff";
    static constexpr char kUtf8[] = "\xef\xbb\xbf";
    static constexpr qsizetype kUtf16Size = 2;
    static constexpr qsizetype kUtf8Size = 3;
};

bool IsQuote(QChar c)
{
    return c == u'"' || c == u'\'';
}

// A line of code units: content [pos, pos + len), then a line end of endUnits units.
struct RawLine {
    qsizetype pos = 0;
    qsizetype len = 0;
    qsizetype endUnits = 0;
};

// Splits n code units at CR LF, LF and CR; the last line needs no end.
template <typename Unit>
std::vector<RawLine> SplitUnits(const Unit* units, qsizetype n)
{
    std::vector<RawLine> out;
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const Unit u = units[i];
        if (u != kCr && u != kLf)
            continue;
        const qsizetype endUnits = (u == kCr && i + 1 < n && units[i + 1] == kLf) ? 2 : 1;
        out.push_back({start, i - start, endUnits});
        i += endUnits - 1;
        start = i + 1;
    }
    if (start < n)
        out.push_back({start, n - start, 0});
    return out;
}

qsizetype BomSize(IniEncoding encoding)
{
    switch (encoding) {
    case IniEncoding::Utf16Le:
    case IniEncoding::Utf16Be:
        return ByteOrderMark::kUtf16Size;
    case IniEncoding::Utf8Bom:
        return ByteOrderMark::kUtf8Size;
    case IniEncoding::Utf8:
    case IniEncoding::Ansi:
        break;
    }
    return 0;
}

QByteArray ToUtf16BeBytes(QStringView text)
{
    QByteArray out = ToUtf16Le(text);
    for (qsizetype i = 0; i + 1 < out.size(); i += 2)
        std::swap(out[i], out[i + 1]);
    return out;
}

// Case-insensitive equality; ASCII names, the usual ones, without the library's folding.
bool EqualFolded(QStringView a, QStringView b)
{
    if (a.size() == b.size()) {
        qsizetype i = 0;
        for (; i < a.size(); ++i) {
            char16_t x = a[i].unicode(), y = b[i].unicode();
            if (x >= kFirstNonAscii || y >= kFirstNonAscii)
                break;
            x = (x >= u'A' && x <= u'Z') ? char16_t(x + (u'a' - u'A')) : x;
            y = (y >= u'A' && y <= u'Z') ? char16_t(y + (u'a' - u'A')) : y;
            if (x != y)
                return false;
        }
        if (i == a.size())
            return true;
    }
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

std::size_t FoldedHash(QStringView name)
{
    // FNV-1a over the case-folded code points.
    constexpr std::size_t kOffset = 14695981039346656037ull;
    constexpr std::size_t kPrime = 1099511628211ull;
    std::size_t h = kOffset;
    for (qsizetype i = 0; i < name.size(); ++i) {
        char32_t cp = name[i].unicode();
        if (cp < kFirstNonAscii) {
            h = (h ^ (cp >= u'A' && cp <= u'Z' ? cp + (u'a' - u'A') : cp)) * kPrime;
            continue;
        }
        if (name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(name[i], name[i + 1]);
            ++i;
        }
        h = (h ^ QChar::toCaseFolded(cp)) * kPrime;
    }
    return h;
}

IniDocument::IniDocument()
    : bytes_(ByteOrderMark::kUtf16Le, ByteOrderMark::kUtf16Size), dataEnd_(bytes_.size())
{
    sections_.push_back(Section{});
}

IniDocument::IniDocument(QByteArray bytes, bool keepBytes)
    : encoding_(DetectEncoding(bytes)), bytes_(std::move(bytes))
{
    splitLines(keepBytes);
    index();
    if (!keepBytes)
        bytes_ = QByteArray();
}

IniEncoding IniDocument::DetectEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith(QByteArrayView(ByteOrderMark::kUtf16Le, ByteOrderMark::kUtf16Size)))
        return IniEncoding::Utf16Le;
    if (bytes.startsWith(QByteArrayView(ByteOrderMark::kUtf16Be, ByteOrderMark::kUtf16Size)))
        return IniEncoding::Utf16Be;
    if (bytes.startsWith(QByteArrayView(ByteOrderMark::kUtf8, ByteOrderMark::kUtf8Size)))
        return IniEncoding::Utf8Bom;
    return IsValidUtf8(bytes) ? IniEncoding::Utf8 : IniEncoding::Ansi;
}

QString IniDocument::Decode(QByteArrayView bytes, IniEncoding encoding)
{
    const QByteArrayView body = bytes.sliced(std::min(BomSize(encoding), bytes.size()));
    switch (encoding) {
    case IniEncoding::Utf16Le:
        return FromUtf16Le(body);
    case IniEncoding::Utf16Be:
        return FromUtf16Be(body);
    case IniEncoding::Utf8Bom:
    case IniEncoding::Utf8:
        return FromUtf8(body);
    case IniEncoding::Ansi:
        break;
    }
    return FromAnsi(body);
}

void IniDocument::splitLines(bool withBytes)
{
    const qsizetype bom = BomSize(encoding_);
    text_ = Decode(bytes_, encoding_);
    if (encoding_ == IniEncoding::Utf16Le || encoding_ == IniEncoding::Utf16Be) {
        // Code unit i of the text is bytes bom + 2i and bom + 2i + 1; an odd last byte is no unit.
        dataEnd_ = bom + 2 * text_.size();
        takeTextLines(bom, 2);
    } else if (withBytes) {
        split8BitLines(bom);
    } else {
        // A document that only answers reads needs no byte positions.
        takeTextLines(0, 0);
    }
}

void IniDocument::takeTextLines(qsizetype bom, qsizetype unitBytes)
{
    const std::vector<RawLine> raw = SplitUnits(reinterpret_cast<const char16_t*>(text_.constData()), text_.size());
    lines_.reserve(raw.size());
    for (const RawLine& r : raw) {
        const LineEnd end = r.endUnits == 2 ? LineEnd::CrLf
            : r.endUnits == 0              ? LineEnd::None
            : text_[r.pos + r.len] == kCr ? LineEnd::Cr : LineEnd::Lf;
        lines_.push_back({r.pos, r.len, bom + unitBytes * r.pos, unitBytes * r.len, unitBytes * r.endUnits, end});
    }
}

void IniDocument::split8BitLines(qsizetype bom)
{
    // CR and LF are never part of a multi-byte character in UTF-8 or CP950, so the lines of
    // the bytes are the lines of the text. The whole text is decoded at once; should the
    // decoder disagree about the lines of a malformed file, each line is decoded on its own.
    dataEnd_ = bytes_.size();
    const QByteArrayView body = QByteArrayView(bytes_).sliced(bom);
    const std::vector<RawLine> byteLines = SplitUnits(reinterpret_cast<const uchar*>(body.data()), body.size());
    const std::vector<RawLine> textLines = SplitUnits(reinterpret_cast<const char16_t*>(text_.constData()), text_.size());
    bool paired = byteLines.size() == textLines.size();
    for (std::size_t i = 0; paired && i < byteLines.size(); ++i)
        paired = byteLines[i].endUnits == textLines[i].endUnits;
    if (!paired)
        text_.clear();
    lines_.reserve(byteLines.size());
    for (std::size_t i = 0; i < byteLines.size(); ++i) {
        const RawLine& b = byteLines[i];
        qsizetype pos = 0, len = 0;
        if (paired) {
            pos = textLines[i].pos;
            len = textLines[i].len;
        } else {
            pos = text_.size();
            text_ += Decode(body.sliced(b.pos, b.len), encoding_ == IniEncoding::Ansi ? IniEncoding::Ansi : IniEncoding::Utf8);
            len = text_.size() - pos;
        }
        const LineEnd end = b.endUnits == 2 ? LineEnd::CrLf
            : b.endUnits == 0              ? LineEnd::None
            : body[b.pos + b.len] == '\r'  ? LineEnd::Cr : LineEnd::Lf;
        lines_.push_back({pos, len, bom + b.pos, b.len, b.endUnits, end});
    }
}

void IniDocument::index()
{
    sections_.push_back(Section{});
    for (int i = 0; i < int(lines_.size()); ++i) {
        const QStringView content = TrimBlanks(lineText(lines_[i]));
        if (!content.startsWith(u'[')) {
            indexKey(i, content);
            continue;
        }
        // "[name]": the name ends at the last ']', anything after it is ignored. A line with
        // '[' but no ']' is neither header nor key: the section before it goes on.
        const qsizetype close = content.lastIndexOf(u']');
        if (close < 0)
            continue;
        Section& previous = sections_.back();
        previous.endLine = i;
        previous.endEntry = int(entries_.size());
        const QStringView name = TrimBlanks(content.sliced(1, close - 1));
        Section section;
        section.header = i;
        section.name = name.data() - text_.constData();
        section.nameLen = name.size();
        section.hash = FoldedHash(name);
        section.firstEntry = int(entries_.size());
        sections_.push_back(section);
    }
    sections_.back().endLine = int(lines_.size());
    sections_.back().endEntry = int(entries_.size());
}

void IniDocument::indexKey(int line, QStringView content)
{
    const qsizetype eq = content.indexOf(u'=');
    if (eq < 0)
        return;
    const QStringView key = TrimBlanks(content.first(eq));
    if (key.isEmpty())
        return;
    QStringView value = TrimBlanks(content.sliced(eq + 1));
    if (value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    Entry entry;
    entry.hash = FoldedHash(key);
    entry.line = line;
    entry.key = key.data() - text_.constData();
    entry.keyLen = key.size();
    // An empty view may point anywhere; anchor it in the line.
    entry.value = value.isEmpty() ? content.data() + content.size() - text_.constData()
                                  : value.data() - text_.constData();
    entry.valueLen = value.size();
    entries_.push_back(entry);
}

const IniDocument::Section* IniDocument::findSection(QStringView name) const
{
    name = TrimBlanks(name);
    const std::size_t hash = FoldedHash(name);
    // The file begins in section "", so a later "[]" header is a repeat and never found.
    for (const Section& section : sections_) {
        if (section.hash == hash && EqualFolded(textOf(section.name, section.nameLen), name))
            return &section;
    }
    return nullptr;
}

const IniDocument::Entry* IniDocument::findEntry(const Section& section, QStringView key) const
{
    key = TrimBlanks(key);
    const std::size_t hash = FoldedHash(key);
    for (int i = section.firstEntry; i < section.endEntry; ++i) {
        const Entry& e = entries_[i];
        if (e.hash == hash && EqualFolded(textOf(e.key, e.keyLen), key))
            return &e;
    }
    return nullptr;
}

std::optional<QStringView> IniDocument::value(QStringView section, QStringView key) const
{
    const Section* s = findSection(section);
    if (!s)
        return std::nullopt;
    const Entry* e = findEntry(*s, key);
    if (!e)
        return std::nullopt;
    return textOf(e->value, e->valueLen);
}

QStringList IniDocument::keys(QStringView section) const
{
    QStringList out;
    const Section* s = findSection(section);
    if (!s)
        return out;
    for (int i = s->firstEntry; i < s->endEntry; ++i) {
        const Entry& e = entries_[i];
        if (findEntry(*s, textOf(e.key, e.keyLen)) == &e)
            out.append(textOf(e.key, e.keyLen).toString());
    }
    return out;
}

namespace {

// Names: not blank; no CR, LF or NUL; not starting with '[' (a header) or ';'; no '=' (it
// would end a key); a section name without ']' (it would end the header).
bool IsWritableName(QStringView name, bool section)
{
    name = TrimBlanks(name);
    if (name.isEmpty() || name.startsWith(u'[') || name.startsWith(u';'))
        return false;
    for (QChar c : name) {
        if (c == kCr || c == kLf || c == u'\0' || c == u'=' || (section && c == u']'))
            return false;
    }
    return true;
}

} // namespace

bool IniDocument::IsWritableSectionName(QStringView name)
{
    return IsWritableName(name, true);
}

bool IniDocument::IsWritableKeyName(QStringView name)
{
    return IsWritableName(name, false);
}

bool IniDocument::IsWritableValue(QStringView value)
{
    for (QChar c : value) {
        if (c == kCr || c == kLf || c == u'\0')
            return false;
    }
    return true;
}

QString IniDocument::QuotedValue(QStringView value)
{
    if (value.isEmpty())
        return QString();
    const bool outer = IsBlank(value.front()) || IsBlank(value.back()) || IsQuote(value.front())
        || IsQuote(value.back());
    return outer ? u'"' + value.toString() + u'"' : value.toString();
}

bool IniDocument::encode(QStringView text, QByteArray* out) const
{
    bool lossless = true;
    switch (encoding_) {
    case IniEncoding::Utf16Le:
        *out = ToUtf16Le(text);
        break;
    case IniEncoding::Utf16Be:
        *out = ToUtf16BeBytes(text);
        break;
    case IniEncoding::Utf8Bom:
    case IniEncoding::Utf8:
        *out = ToUtf8(text);
        break;
    case IniEncoding::Ansi:
        *out = ToAnsi(text, &lossless);
        break;
    }
    return lossless;
}

QByteArray IniDocument::lineEndBytes() const
{
    // The file's line end is the first one it has; CR LF when it has none.
    LineEnd end = LineEnd::CrLf;
    for (const Line& line : lines_) {
        if (line.end != LineEnd::None) {
            end = line.end;
            break;
        }
    }
    QByteArray out;
    encode(end == LineEnd::Cr ? u"\r" : end == LineEnd::Lf ? u"\n" : u"\r\n", &out);
    return out;
}

QByteArray IniDocument::keyBytes(const Entry& entry) const
{
    const Line& line = lines_[entry.line];
    if (encoding_ == IniEncoding::Utf16Le || encoding_ == IniEncoding::Utf16Be)
        return bytes_.mid(line.byte + 2 * (entry.key - line.text), 2 * entry.keyLen);
    // The key's own bytes, so that a key the decoder could not read stays as it was; '=',
    // space and tab are never part of a multi-byte character.
    const QByteArrayView bytes = QByteArrayView(bytes_).sliced(line.byte, line.byteLen);
    const qsizetype eq = bytes.indexOf('=');
    QByteArrayView key = bytes.first(eq < 0 ? 0 : eq);
    while (!key.isEmpty() && (key.front() == ' ' || key.front() == '\t'))
        key = key.sliced(1);
    while (!key.isEmpty() && (key.back() == ' ' || key.back() == '\t'))
        key.chop(1);
    if (key.isEmpty()) {
        QByteArray encoded;
        encode(textOf(entry.key, entry.keyLen), &encoded);
        return encoded;
    }
    return key.toByteArray();
}

std::optional<QByteArray> IniDocument::apply(QStringView section, QStringView key,
                                             QStringView value, bool* lossy) const
{
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    const QString quoted = QuotedValue(value);
    const QByteArray eol = lineEndBytes();
    QByteArray added;
    bool lossless = true;
    QByteArray out;
    const Section* s = findSection(section);
    if (const Entry* e = s ? findEntry(*s, key) : nullptr) {
        if (textOf(e->value, e->valueLen) == value)
            return std::nullopt;
        // The key's line becomes key=value, the key spelled as it stood.
        lossless = encode(u'=' + quoted, &added);
        const Line& line = lines_[e->line];
        out = bytes_.first(line.byte) + keyBytes(*e) + added + bytes_.sliced(line.byte + line.byteLen);
    } else if (s) {
        // A new key goes right after the last non-blank line of the section.
        int last = s->header;
        for (int i = s->header + 1; i < s->endLine; ++i) {
            if (!TrimBlanks(lineText(lines_[i])).isEmpty())
                last = i;
        }
        lossless = encode(key.toString() + u'=' + quoted, &added);
        const Line& line = lines_[last];
        const qsizetype at = line.byte + line.byteLen + line.endBytes;
        added = line.end == LineEnd::None ? eol + added : added + eol;
        out = bytes_.first(at) + added + bytes_.sliced(at);
    } else {
        // A new section goes at the end, after a line end if the file lacks a final one.
        QByteArray header;
        lossless = encode(u'[' + section.toString() + u']', &header);
        lossless = encode(key.toString() + u'=' + quoted, &added) && lossless;
        const bool needsEnd = !lines_.empty() && lines_.back().end == LineEnd::None;
        out = bytes_.first(dataEnd_) + (needsEnd ? eol : QByteArray()) + header + eol + added + eol
            + bytes_.sliced(dataEnd_);
    }
    *lossy = !lossless;
    return out;
}

QString IniDocument::wholeText() const
{
    QString out;
    out.reserve(text_.size() + qsizetype(lines_.size()) * 2);
    for (const Line& line : lines_) {
        out += lineText(line);
        out += line.end == LineEnd::CrLf ? u"\r\n" : line.end == LineEnd::Cr ? u"\r"
            : line.end == LineEnd::Lf ? u"\n" : u"";
    }
    return out;
}

std::optional<QByteArray> IniDocument::withValue(QStringView section, QStringView key,
                                                 QStringView value) const
{
    bool lossy = false;
    std::optional<QByteArray> out = apply(section, key, value, &lossy);
    if (!out)
        return out;
    if (!lossy) {
        // The new bytes must read back as meant: a CP950 file whose last non-ASCII line was
        // replaced may now pass for UTF-8, which is harmless only when both read the same.
        const IniEncoding read = DetectEncoding(*out);
        const IniDocument check(*out);
        if (check.value(section, key) == value
            && (read == encoding_ || Decode(*out, read) == Decode(*out, encoding_)))
            return out;
    }
    // The file cannot hold the value in its encoding: it becomes UTF-16LE with a byte-order
    // mark, all of its text kept.
    const IniDocument wide(QByteArray(ByteOrderMark::kUtf16Le, ByteOrderMark::kUtf16Size)
                               + ToUtf16Le(wholeText()),
                           true);
    std::optional<QByteArray> wideOut = wide.apply(section, key, value, &lossy);
    return wideOut ? wideOut : wide.bytes_;
}

} // namespace platform
