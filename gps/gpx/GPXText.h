#pragma once
// Byte-level scanning of GPX (XML) text: elements found by their tags, attributes, element
// texts with their entities and CDATA decoded, numbers and times, and escaping for writing.
// The text is UTF-8, so every search is a plain byte search: the markers are ASCII, and no
// byte of a multibyte character is ASCII. Every scan goes forward from a given position and
// stays within the bytes it is given, so walking a file's elements is one pass over it.
#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace gps::gpx {

// Positions of one element in the text it was found in. A self-closing element ("<trkpt .../>")
// has empty content.
struct GPXElement {
    qsizetype start = 0;         // the '<' of the start tag
    qsizetype attributesBegin = 0; // just after the element's name
    qsizetype attributesEnd = 0;   // the '>' (or the '/' of "/>") that ends the start tag
    qsizetype contentBegin = 0;
    qsizetype contentEnd = 0;      // the '<' of the end tag
    qsizetype end = 0;             // just after the end tag

    QByteArrayView attributes(QByteArrayView text) const
    {
        return text.sliced(attributesBegin, attributesEnd - attributesBegin);
    }
    QByteArrayView content(QByteArrayView text) const { return text.sliced(contentBegin, contentEnd - contentBegin); }
};

enum class GPXFind {
    Found,
    Missing, // no start tag of that name
    Damaged, // a start tag without its end
};

// A descendant element whose text is wanted while its ancestor is read: the first one of that
// name, found in the same pass that finds the ancestor's end.
struct GPXChild {
    QByteArrayView name;
    qsizetype contentBegin = -1; // -1: not met
    qsizetype contentEnd = -1;   // -1: not met or not yet ended

    bool found() const { return contentEnd >= 0; }
    QByteArrayView content(QByteArrayView text) const { return text.sliced(contentBegin, contentEnd - contentBegin); }
};

// Whether two short names (tags, attributes) are the same bytes; compared inline, as a library
// call costs more than the comparison.
inline bool SameName(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

// XML blanks: space, tab, CR, LF.
inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
// The text without the blanks at either end.
QByteArrayView TrimBlanks(QByteArrayView text);

// The next '<' at or after from that is not inside a comment or a CDATA section; -1 when there
// is none.
qsizetype NextMarkup(QByteArrayView text, qsizetype from);
// The name of the start tag at at ("<name" up to a blank, '>' or '/'); empty for an end tag, a
// declaration, a comment or a processing instruction.
QByteArrayView StartTagName(QByteArrayView text, qsizetype at);
// Whether the tag at at is the end tag of name ("</name", blanks, '>'); *end receives the
// position after it.
bool IsEndTag(QByteArrayView text, qsizetype at, QByteArrayView name, qsizetype* end);

// The element called name whose start tag begins at at: its start tag's end, then its end tag
// (the first one of that name after it), stepping over comments and CDATA sections. Each child
// receives the content of the first descendant of its name.
GPXFind ReadElement(QByteArrayView text, qsizetype at, QByteArrayView name, GPXElement* element,
                    GPXChild* children = nullptr, int childCount = 0);
// The first element called name (an exact, case-sensitive tag name such as "wpt" or
// "gpxx:DisplayColor") whose start tag lies at or after from, read as ReadElement does.
GPXFind FindElement(QByteArrayView text, QByteArrayView name, qsizetype from, GPXElement* element);

// Position just after the '>' that ends the tag (or declaration) whose name ends at from,
// stepping over quoted attribute values; -1 when there is none.
qsizetype TagEnd(QByteArrayView text, qsizetype from);

// The text of the first element called name in scope, decoded (see DecodeText). Missing gives
// false; a start tag without its end gives false and sets *damaged.
bool ElementText(QByteArrayView scope, QByteArrayView name, QByteArray* out, bool* damaged);

// The value of the attribute called name in the attribute text of a start tag ("a = 'x' b="y""),
// with its references decoded; false when the tag has no such attribute.
bool AttributeValue(QByteArrayView attributes, QByteArrayView name, QByteArray* out);

// Whether the pseudo-attributes of an XML declaration ("version='1.0' encoding='UTF-8'") leave
// the text UTF-8: an encoding, when named, must be UTF-8 (any case).
bool DeclaresUtf8(QByteArrayView attributes);

// The attribute's value, or an element's content, read as a number (see ParseNumber); false
// when the attribute is missing or holds no number.
bool AttributeNumber(QByteArrayView attributes, QByteArrayView name, double* value);
bool ContentNumber(QByteArrayView raw, double* value);

// Element content as text: the five predefined entities and numeric character references
// replaced, CDATA sections taken as they stand, comments dropped. Unknown or invalid references
// stay as written. Bytes that are not UTF-8 become U+FFFD, so the result is always valid UTF-8.
QByteArray DecodeText(QByteArrayView raw);

// A decimal number in the C locale, blanks around it allowed, read up to the first byte that
// cannot continue it (as scanf's "%lf" does). False, and *value 0, when there is no number or it
// is not finite.
bool ParseNumber(QByteArrayView text, double* value);

// An XML Schema dateTime ("2023-04-01T08:30:15.75+08:00") as seconds since 1970-01-01 00:00
// UTC: fractions of a second are dropped, an offset is taken off, no offset means UTC. False,
// and *seconds 0, for any other text, a field out of range, or a time outside 32 bits.
bool ParseTime(QByteArrayView text, int32_t* seconds);
// The dateTime text of seconds since 1970 UTC, "%d-%02d-%02dT%02d:%02d:%02dZ".
QByteArray FormatTime(int64_t seconds);

// A number as GPX writes it, "%lf" in the C locale: six decimals.
QByteArray FormatNumber(double value);

// UTF-8 text made safe as element content or a quoted attribute value: & < > " ' and CR
// escaped, bytes that are not UTF-8 replaced by U+FFFD, and the control characters that XML 1.0
// cannot hold dropped.
QByteArray Escape(QByteArrayView text);

} // namespace gps::gpx
