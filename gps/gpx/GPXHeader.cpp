#include "gps/gpx/GPXHeader.h"

#include "gps/gpx/GPXText.h"

using namespace gps::gpx;

namespace {

constexpr QByteArrayView kDeclarationOpen = "<?xml";
constexpr QByteArrayView kInstructionOpen = "<?";
constexpr QByteArrayView kInstructionClose = "?>";
constexpr QByteArrayView kCommentOpen = "<!--";
constexpr QByteArrayView kCommentClose = "-->";
constexpr QByteArrayView kDocumentTypeOpen = "<!DOCTYPE";
constexpr QByteArrayView kRoot = "gpx";
constexpr QByteArrayView kMetadata = "metadata";

qsizetype SkipBlanks(QByteArrayView text, qsizetype at)
{
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    return at;
}

// Whether text at position at is "<" + name followed by a blank, '>' or '/'.
bool StartsTag(QByteArrayView text, qsizetype at, QByteArrayView name)
{
    const qsizetype after = at + 1 + name.size();
    return after < text.size() && text[at] == '<' && text.sliced(at + 1, name.size()) == name
        && (IsBlank(text[after]) || text[after] == '>' || text[after] == '/');
}

// Position after the prologue item (comment, processing instruction, document type) at at;
// -1 when it does not end.
qsizetype SkipPrologueItem(QByteArrayView text, qsizetype at)
{
    const QByteArrayView rest = text.sliced(at);
    QByteArrayView close;
    if (rest.startsWith(kCommentOpen))
        close = kCommentClose;
    else if (rest.startsWith(kInstructionOpen))
        close = kInstructionClose;
    else if (rest.startsWith(kDocumentTypeOpen))
        close = ">";
    else
        return -1;
    qsizetype from = at + 2;
    if (close == ">") {
        // A document type's internal subset in brackets may hold '>'.
        const qsizetype end = text.indexOf('>', at);
        const qsizetype bracket = end < 0 ? -1 : text.first(end).indexOf('[', at);
        if (bracket >= 0)
            from = text.indexOf(']', bracket);
    }
    const qsizetype closeAt = from < 0 ? -1 : text.indexOf(close, from);
    return closeAt < 0 ? -1 : closeAt + close.size();
}

} // namespace

qsizetype CGPXHeader::RootStart(QByteArrayView text)
{
    qsizetype at = SkipBlanks(text, 0);
    if (StartsTag(text, at, kDeclarationOpen.sliced(1))) {
        const qsizetype attributes = at + kDeclarationOpen.size();
        const qsizetype close = text.indexOf(kInstructionClose, attributes);
        if (close < 0 || !DeclaresUtf8(text.sliced(attributes, close - attributes)))
            return -1;
        at = close + kInstructionClose.size();
    }
    for (;;) {
        at = SkipBlanks(text, at);
        if (at >= text.size() || text[at] != '<')
            return -1;
        const qsizetype next = SkipPrologueItem(text, at);
        if (next < 0)
            return at;
        at = next;
    }
}

bool CGPXHeader::ParseMetadata(QByteArrayView text, qsizetype* bodyStart)
{
    qsizetype at = SkipBlanks(text, *bodyStart);
    while (text.sliced(at).startsWith(kCommentOpen)) {
        const qsizetype close = text.indexOf(kCommentClose, at);
        if (close < 0)
            return true;
        at = SkipBlanks(text, close + kCommentClose.size());
    }
    if (!StartsTag(text, at, kMetadata))
        return true;
    GPXElement metadata;
    if (FindElement(text, kMetadata, at, &metadata) != GPXFind::Found)
        return false;
    const QByteArrayView content = metadata.content(text);
    bool damaged = false;
    ElementText(content, "time", &time, &damaged);
    GPXElement bounds;
    if (FindElement(content, "bounds", 0, &bounds) == GPXFind::Found) {
        const QByteArrayView attributes = bounds.attributes(content);
        QByteArray value;
        for (auto [name, field] : {std::pair{"maxlat", &maxlat}, {"maxlon", &maxlon}, {"minlat", &minlat},
                                   {"minlon", &minlon}}) {
            if (AttributeValue(attributes, name, &value))
                ParseNumber(value, field);
        }
    }
    *bodyStart = metadata.end;
    return !damaged;
}

bool CGPXHeader::Parse(QByteArrayView text, QByteArrayView* body)
{
    const qsizetype root = RootStart(text);
    if (root < 0 || !StartsTag(text, root, kRoot))
        return false;
    const qsizetype attributes = root + 1 + kRoot.size();
    qsizetype rootEnd = TagEnd(text, attributes);
    if (rootEnd < 0)
        return false;
    const bool selfClosing = text[rootEnd - 2] == '/';
    QByteArray value;
    if (AttributeValue(text.sliced(attributes, rootEnd - 1 - attributes), "creator", &value))
        creator = value;
    if (selfClosing) {
        *body = QByteArrayView();
        return true;
    }
    if (!ParseMetadata(text, &rootEnd))
        return false;
    *body = text.sliced(rootEnd);
    return true;
}
