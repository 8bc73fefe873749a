#include "catalog/text/TextFile.h"

#include "TextPrinters.h"
#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QString DataFile(const char* name)
{
    return QStringLiteral(TALVANE_TEST_DATA "/text/") + QString::fromUtf8(name);
}

const QString kUntouched = QStringLiteral("untouched");

} // namespace

TEST(ReadTextFile, DecodesBig5AndUtf8PagesAsWindowsSavedThem)
{
    const QString expected = QString::fromUtf8(ReadBytes(DataFile("page.txt")));
    ASSERT_FALSE(expected.isEmpty());

    QString big5;
    ASSERT_TRUE(ReadTextFile(DataFile("page-big5.htm"), &big5, false));
    EXPECT_EQ(big5, expected);

    // The byte-order mark stays as U+FEFF in front of the text.
    QString utf8;
    ASSERT_TRUE(ReadTextFile(DataFile("page-utf8-bom.htm"), &utf8, true));
    EXPECT_EQ(utf8, QChar(0xFEFF) + expected);
}

TEST(ReadTextFile, AsciiReadsWholeAndAZeroByteEndsTheText)
{
    TempDir dir;
    const QByteArray ascii(5000, 'a');
    QString text;
    ASSERT_TRUE(ReadTextFile(dir.write("a.txt", ascii), &text, true));
    EXPECT_EQ(text.size(), ascii.size());

    const QString zero = dir.write("z.txt", QByteArray("ab\0cd", 5));
    ASSERT_TRUE(ReadTextFile(zero, &text, false));
    EXPECT_EQ(text, QStringLiteral("ab"));
    ASSERT_TRUE(ReadTextFile(zero, &text, true));
    EXPECT_EQ(text, QStringLiteral("ab"));

    // Invalid UTF-8 is replaced, not dropped, and never read past.
    ASSERT_TRUE(ReadTextFile(dir.write("bad.txt", QByteArray("x\xE9\xA6")), &text, true));
    EXPECT_TRUE(text.startsWith(u'x'));
    EXPECT_TRUE(text.contains(QChar(QChar::ReplacementCharacter)));
}

TEST(ReadTextFile, FailuresLeaveTheTextAlone)
{
    TempDir dir;
    const QString empty = dir.write("empty.txt", QByteArray());
    QString text = kUntouched;
    EXPECT_FALSE(ReadTextFile(empty, &text, true));
    EXPECT_FALSE(ReadTextFile(empty, &text, false));
    EXPECT_FALSE(ReadUtf16File(empty, &text));
    EXPECT_FALSE(ReadTextFile(dir.file("missing.txt"), &text, true));
    EXPECT_FALSE(ReadUtf16File(dir.file("missing.txt"), &text));
    EXPECT_FALSE(ReadTextFile(dir.path(), &text, true)); // a folder
    EXPECT_EQ(text, kUntouched);
}

TEST(ReadTextFile, AFileBeyondFourGigabytesIsNotReadAsItsLowBits)
{
    // A sparse file of 4 GiB + 3 bytes: its size's low 32 bits say 3. It must not come back
    // as a three-byte text; it is refused as a whole.
    TempDir dir;
    const QString path = dir.file("huge.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    if (!file.resize((qint64(1) << 32) + 3))
        GTEST_SKIP() << "the file system cannot hold a sparse 4 GiB file";
    file.close();
    QString text = kUntouched;
    EXPECT_FALSE(ReadTextFile(path, &text, true));
    EXPECT_FALSE(ReadUtf16File(path, &text));
    EXPECT_EQ(text, kUntouched);
}

TEST(ReadUtf16File, KeepsTheMarkDropsAnOddByteAndStopsAtAZeroUnit)
{
    TempDir dir;
    QString text;
    ASSERT_TRUE(ReadUtf16File(dir.write("w.txt", Utf16LeWithBom(QString::fromUtf8("雪山"))), &text));
    EXPECT_EQ(text, QChar(0xFEFF) + QString::fromUtf8("雪山"));

    ASSERT_TRUE(ReadUtf16File(dir.write("odd.txt", QByteArray("a\0b\0c", 5)), &text));
    EXPECT_EQ(text, QStringLiteral("ab"));

    ASSERT_TRUE(ReadUtf16File(dir.write("zero.txt", QByteArray("a\0\0\0b\0", 6)), &text));
    EXPECT_EQ(text, QStringLiteral("a"));

    // One byte is no character: the read succeeds with nothing in it.
    ASSERT_TRUE(ReadUtf16File(dir.write("one.txt", QByteArray("a")), &text));
    EXPECT_TRUE(text.isEmpty());
}

TEST(WriteUtf8File, WritesUtf8WithoutMarkAndReplacesWhole)
{
    TempDir dir;
    const QString path = dir.write("out.htm", QByteArray(100, 'x'));
    const QString text = QString::fromUtf8("<td>雪山 𠀀</td>\r\n");
    ASSERT_TRUE(WriteUtf8File(path, text));
    EXPECT_EQ(ReadBytes(path), text.toUtf8()); // no mark, nothing of the longer old content

    QString back;
    ASSERT_TRUE(ReadTextFile(path, &back, true));
    EXPECT_EQ(back, text);
}

TEST(WriteUtf8File, EmptyTextLeavesAnEmptyFileAndFails)
{
    TempDir dir;
    const QString path = dir.write("out.htm", QByteArray("old"));
    EXPECT_FALSE(WriteUtf8File(path, QString()));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(ReadBytes(path).isEmpty());

    EXPECT_FALSE(WriteUtf8File(dir.file("new.htm"), u""));
    EXPECT_TRUE(QFile::exists(dir.file("new.htm")));
}

TEST(WriteUtf8File, AFailedWriteLeavesNothingBehind)
{
    TempDir dir;
    EXPECT_FALSE(WriteUtf8File(dir.file("no/such/folder/out.htm"), u"x"));
    EXPECT_FALSE(QFile::exists(dir.file("no/such/folder/out.htm")));

    // A folder in the way cannot be replaced; it stays as it was.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken")));
    EXPECT_FALSE(WriteUtf8File(dir.file("taken"), u"x"));
    EXPECT_TRUE(QFileInfo(dir.file("taken")).isDir());
}

TEST(ExtractBetween, MarkersPositionsAndFailures)
{
    const QString text = QStringLiteral("<a>one</a><a></a><a>three</a>");
    QString result = kUntouched;
    qsizetype end = -1;

    ASSERT_TRUE(ExtractBetween(text, u"<a>", u"</a>", &result, 0, &end));
    EXPECT_EQ(result, QStringLiteral("one"));
    EXPECT_EQ(end, 10); // just past the first end marker

    // The next call from there finds the next pair; adjacent markers give an empty result.
    ASSERT_TRUE(ExtractBetween(text, u"<a>", u"</a>", &result, end, &end));
    EXPECT_EQ(result, QString());
    ASSERT_TRUE(ExtractBetween(text, u"<a>", u"</a>", &result, end, &end));
    EXPECT_EQ(result, QStringLiteral("three"));
    EXPECT_EQ(end, text.size());

    struct Case {
        const char16_t* start;
        const char16_t* endMarker;
        qsizetype from;
    };
    const Case failures[] = {
        {u"<a>", u"</a>", text.size()},   // nothing after the end
        {u"<a>", u"</a>", text.size() + 1}, // from past the end
        {u"<a>", u"</a>", -1},
        {u"</b>", u"</a>", 0},            // no start marker
        {u"three", u"one", 0},            // end marker only before the start marker
        {u"<A>", u"</a>", 0},             // case-sensitive
        {u"a.", u"</a>", 0},              // no patterns
        {nullptr, u"</a>", 0},
        {u"<a>", nullptr, 0},
    };
    for (const Case& c : failures) {
        result = kUntouched;
        end = -7;
        EXPECT_FALSE(ExtractBetween(text, c.start ? QStringView(c.start) : QStringView(),
                                    c.endMarker ? QStringView(c.endMarker) : QStringView(),
                                    &result, c.from, &end))
            << c.from;
        EXPECT_EQ(result, kUntouched);
        EXPECT_EQ(end, -7);
    }
    EXPECT_FALSE(ExtractBetween(QString(), u"a", u"b", &result));
}
