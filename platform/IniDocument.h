#pragma once
// One parsed INI file: its encoding, its lines and an index of its sections and keys.
//
// Reading follows the Windows profile-string functions: sections and keys match without case
// after trimming spaces and tabs; only the first section of a name counts and the first key
// of a name in it wins. A header is "[name]", the name ending at the last ']' of the line; a
// line with '[' but no ']' is neither header nor key. The file begins in the section "" (the
// lines before the first header), so a later "[]" repeats it and is not read. There is no
// comment syntax; a key line is split at its first '=' and its value is trimmed, then loses
// one pair of matching outer quotes. Lines end at CR LF, LF or CR.
//
// Writing one key produces the file's new bytes with only that key's line changed (or one
// line, or one section, added); every other byte stays as it was.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstddef>
#include <optional>
#include <vector>

namespace platform {

// The blanks of INI lines: spaces and tabs.
bool IsBlank(QChar c);
// The text without the blanks at either end.
QStringView TrimBlanks(QStringView s);

enum class IniEncoding {
    Utf16Le,  // FF FE
    Utf16Be,  // FE FF
    Utf8Bom,  // EF BB BF
    Utf8,     // no mark, the whole file valid UTF-8
    Ansi,     // no mark, anything else: CP950
};

// Hash of a name folded to case, consistent with case-insensitive comparison.
std::size_t FoldedHash(QStringView name);

class IniDocument {
public:
    // An empty document: what a missing file reads as, and the start of a new file
    // (UTF-16LE with byte-order mark, CR LF line ends).
    IniDocument();
    // Parses bytes; never fails (undecodable bytes read as replacement characters). With
    // keepBytes the bytes are kept for writing; a document that only answers reads drops them.
    explicit IniDocument(QByteArray bytes, bool keepBytes = false);

    static IniEncoding DetectEncoding(QByteArrayView bytes);
    // The text of bytes in encoding, without its byte-order mark.
    static QString Decode(QByteArrayView bytes, IniEncoding encoding);

    IniEncoding encoding() const { return encoding_; }

    // The value of key in the first section named section; nullopt when either is missing.
    std::optional<QStringView> value(QStringView section, QStringView key) const;
    // The key names of the first section named section, first of each name, in file order.
    QStringList keys(QStringView section) const;

    // Names and values that a write may use (see IsWritable* in the .cpp for the rules).
    static bool IsWritableSectionName(QStringView name);
    static bool IsWritableKeyName(QStringView name);
    static bool IsWritableValue(QStringView value);
    // value as it is written after "key=": inside double quotes when it has outer blanks or
    // quotes, so that it reads back exactly.
    static QString QuotedValue(QStringView value);

    // The new bytes of the file (needs a document made with keepBytes) with [section] key set
    // to value; nullopt when that value is already there. Names must be writable. A CP950
    // file that cannot hold the value becomes UTF-16LE with byte-order mark.
    std::optional<QByteArray> withValue(QStringView section, QStringView key,
                                        QStringView value) const;

private:
    enum class LineEnd : unsigned char { None, Cr, Lf, CrLf };

    struct Line {
        qsizetype text = 0;      // content (without line end) in text_
        qsizetype textLen = 0;
        qsizetype byte = 0;      // content in bytes_
        qsizetype byteLen = 0;
        qsizetype endBytes = 0;  // the line end in bytes_
        LineEnd end = LineEnd::None;
    };
    struct Entry {
        std::size_t hash = 0;    // of the case-folded key
        int line = 0;
        qsizetype key = 0, keyLen = 0;      // trimmed key in text_
        qsizetype value = 0, valueLen = 0;  // trimmed, unquoted value in text_
    };
    struct Section {
        std::size_t hash = FoldedHash(u"");  // of the case-folded name
        int header = -1;          // line of "[name]"; -1 for the lines before the first header
        qsizetype name = 0, nameLen = 0;
        int endLine = 0;          // first line after the section
        int firstEntry = 0, endEntry = 0;
    };
    void splitLines(bool withBytes);
    void takeTextLines(qsizetype bom, qsizetype unitBytes);
    void split8BitLines(qsizetype bom);
    void index();
    void indexKey(int line, QStringView content);

    QStringView textOf(qsizetype pos, qsizetype len) const { return QStringView(text_).mid(pos, len); }
    QStringView lineText(const Line& line) const { return textOf(line.text, line.textLen); }
    const Section* findSection(QStringView name) const;
    const Entry* findEntry(const Section& section, QStringView key) const;
    qsizetype unitBytes() const;
    QByteArray keyBytes(const Entry& entry) const;
    QByteArray lineEndBytes() const;
    bool encode(QStringView text, QByteArray* out) const;
    std::optional<QByteArray> apply(QStringView section, QStringView key, QStringView value,
                                    bool* lossy) const;
    QString wholeText() const;

    IniEncoding encoding_ = IniEncoding::Utf16Le;
    QByteArray bytes_;            // kept for writing only
    qsizetype dataEnd_ = 0;       // end of the last whole code unit in bytes_
    QString text_;
    std::vector<Line> lines_;
    std::vector<Section> sections_;
    std::vector<Entry> entries_;
};

} // namespace platform
