// Reading INI files through the profile functions, on files as Windows and hand editing
// leave them (tests/data/ini, made by make_fixtures.py).
#include "platform/FileTime.h"
#include "platform/IniCache.h"
#include "platform/ProfileSnapshot.h"
#include "platform/Profile.h"

#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cstdio>

using namespace platform;

namespace {

// The bytes of a literal, NUL bytes included.
template <qsizetype N>
QByteArray Bytes(const char (&literal)[N])
{
    return QByteArray(literal, N - 1);
}

QString Fixture(const char* name)
{
    return QString::fromUtf8(TALVANE_TEST_DATA "/ini/") + QString::fromUtf8(name);
}

class ProfileRead : public ::testing::Test {
protected:
    void SetUp() override { ClearProfileCache(); }
    static QString Get(const char* file, const QString& section, const QString& key,
                       const QString& def = QStringLiteral("<default>"))
    {
        return GetProfileString(Fixture(file), section, key, def);
    }
};

} // namespace

TEST_F(ProfileRead, ItemFileInUtf16LeWithBom)
{
    EXPECT_EQ(Get("item_utf16le.txt", "Talvane", "Name"), QStringLiteral("玉山主峰"));
    EXPECT_EQ(GetProfileInt(Fixture("item_utf16le.txt"), "Talvane", "Height", -1), 3952);
    // Split at the first '=' only.
    EXPECT_EQ(Get("item_utf16le.txt", "Talvane", "URL"), QStringLiteral("https://example.org/peak?id=12&name=玉山"));
    // A present but empty value is "", not the default.
    EXPECT_EQ(Get("item_utf16le.txt", "Talvane", "Empty"), QString(""));
    EXPECT_EQ(GetProfileInt(Fixture("item_utf16le.txt"), "Talvane", "Empty", 77), 77);
    EXPECT_EQ(Get("item_utf16le.txt", "Stone", "Number"), QStringLiteral("1"));
    EXPECT_EQ(Get("item_utf16le.txt", "Talvane", "Number"), QStringLiteral("<default>"));
    EXPECT_EQ(Get("item_utf16le.txt", "Missing", "Name"), QStringLiteral("<default>"));
    EXPECT_EQ(Get("no_such_file.txt", "Talvane", "Name"), QStringLiteral("<default>"));
    EXPECT_EQ(GetProfileInt(Fixture("no_such_file.txt"), "Talvane", "Height", 5), 5);
    EXPECT_EQ(GetProfileKeys(Fixture("item_utf16le.txt"), "Talvane"),
              QStringList({"Name", "Height", "Latitude", "Longitude", "URL", "Empty"}));
    EXPECT_TRUE(GetProfileKeys(Fixture("item_utf16le.txt"), "Missing").isEmpty());
}

TEST_F(ProfileRead, OtherEncodingsReadTheSame)
{
    // CP950 without byte-order mark, with characters whose second byte is '\' and a Chinese key.
    EXPECT_EQ(Get("item_cp950.txt", "Talvane", "Name"), QStringLiteral("雪山"));
    EXPECT_EQ(Get("item_cp950.txt", "Talvane", "山名"), QStringLiteral("雪山主峰"));
    EXPECT_EQ(Get("item_cp950.txt", "Talvane", "Note"), QStringLiteral("許多功課 蓋章"));
    EXPECT_EQ(GetProfileInt(Fixture("item_cp950.txt"), "Talvane", "Height"), 3886);
    for (const char* file : {"utf8_bom.txt", "utf8_plain.txt"}) {
        EXPECT_EQ(Get(file, "Talvane", "Name"), QStringLiteral("合歡山東峰")) << file;
        EXPECT_EQ(GetProfileInt(Fixture(file), "Talvane", "Height"), 3421) << file;
    }
    EXPECT_EQ(Get("utf16be.txt", "talvane", "name"), QStringLiteral("北大武山"));
    EXPECT_EQ(GetProfileInt(Fixture("utf16be.txt"), "Talvane", "Height"), 3092);
}

TEST_F(ProfileRead, AllLineEndsAndNoFinalLineEnd)
{
    EXPECT_EQ(Get("mixed_endings.txt", "A", "k1"), QStringLiteral("一"));
    EXPECT_EQ(Get("mixed_endings.txt", "A", "k2"), QStringLiteral("二"));
    EXPECT_EQ(Get("mixed_endings.txt", "A", "k3"), QStringLiteral("三"));
    EXPECT_EQ(Get("mixed_endings.txt", "B", "x"), QStringLiteral("1"));
    EXPECT_EQ(GetProfileKeys(Fixture("mixed_endings.txt"), "A"), QStringList({"k1", "k2", "k3"}));
}

TEST_F(ProfileRead, NoCommentSyntaxAndHeaderForms)
{
    EXPECT_EQ(Get("comments.txt", "", "top"), QStringLiteral("before any header"));
    EXPECT_EQ(Get("comments.txt", "Main", "top"), QStringLiteral("<default>"));
    EXPECT_EQ(Get("comments.txt", "Main", "; note"), QStringLiteral("semicolon key"));
    EXPECT_EQ(Get("comments.txt", "Main", "# hash"), QStringLiteral("hash key"));
    EXPECT_EQ(Get("comments.txt", "main", "spaced key"), QStringLiteral("spaced value"));
    EXPECT_EQ(Get("comments.txt", " Main\t", " Spaced Key "), QStringLiteral("spaced value"));
    EXPECT_EQ(Get("comments.txt", "Main", "url"), QStringLiteral("http://x/?a=1&b=2"));
    EXPECT_EQ(Get("comments.txt", "Main", "a line without equals sign"), QStringLiteral("<default>"));
    EXPECT_EQ(Get("comments.txt", "Main", ""), QStringLiteral("<default>"));
    EXPECT_EQ(Get("comments.txt", "Second", "k"), QStringLiteral("v"));
    EXPECT_EQ(GetProfileKeys(Fixture("comments.txt"), "Main"),
              QStringList({"; note", "# hash", "Spaced Key", "url"}));
}

TEST_F(ProfileRead, FirstSectionAndFirstKeyOfANameWin)
{
    EXPECT_EQ(Get("duplicates.txt", "Dup", "key"), QStringLiteral("first"));
    EXPECT_EQ(Get("duplicates.txt", "DUP", "KEY"), QStringLiteral("first"));
    // The repeated section is not merged into the first.
    EXPECT_EQ(Get("duplicates.txt", "Dup", "Late"), QStringLiteral("<default>"));
    EXPECT_EQ(Get("duplicates.txt", "Other", "Key"), QStringLiteral("other"));
    EXPECT_EQ(GetProfileKeys(Fixture("duplicates.txt"), "dup"), QStringList({"Key"}));

    EXPECT_EQ(Get("case.txt", "settings", "DATAFOLDER"), QStringLiteral("D:\\峰嵐錄\\data"));
    EXPECT_EQ(Get("case.txt", "Settings", "αβγ"), QStringLiteral("greek capitals"));
    EXPECT_EQ(Get("case.txt", "Settings", "Other"), QStringLiteral("<default>"));
}

TEST_F(ProfileRead, SectionHeaderRules)
{
    const struct {
        const char* file;
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        // A line with '[' but no ']' is neither header nor key.
        {"headers.txt", "First", "a", "1"},
        {"headers.txt", "First", "b", "2"},
        {"headers.txt", "First", "c", "3"},
        {"headers.txt", "Unclosed", "b", "<default>"},
        {"headers.txt", "First", "[ also unclosed", "<default>"},
        {"headers.txt", "also unclosed = x", "c", "<default>"},
        // The name ends at the last ']'.
        {"headers.txt", "Two]]tail", "d", "4"},
        {"headers.txt", "Two", "d", "<default>"},
        {"headers.txt", "x ]", "e", "5"},
        {"headers.txt", "峰] 嵐", "f", "6"},
        // The file begins in section "": a later "[]" repeats it, as [first] repeats [First].
        {"headers.txt", "", "g", "<default>"},
        {"headers.txt", "First", "h", "<default>"},
        {"headers_cp950.txt", "", "top", "前"},
        {"headers_cp950.txt", "", "more", "<default>"},
        {"headers_cp950.txt", "", "mid", "中"},
        {"headers_cp950.txt", "山", "mid", "<default>"},
        {"headers_cp950.txt", "山", "k", "v"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Get(c.file, QString::fromUtf8(c.section), QString::fromUtf8(c.key)), QString::fromUtf8(c.value))
            << c.file << " [" << c.section << "] " << c.key;
    }
    EXPECT_EQ(GetProfileKeys(Fixture("headers.txt"), "first"), QStringList({"a", "b", "c"}));
    EXPECT_TRUE(GetProfileKeys(Fixture("headers.txt"), "").isEmpty());
    EXPECT_EQ(GetProfileKeys(Fixture("headers_cp950.txt"), ""), QStringList({"top", "mid"}));
}

TEST_F(ProfileRead, OnePairOfMatchingOuterQuotesGoes)
{
    EXPECT_EQ(Get("quoted.txt", "Q", "double"), QStringLiteral("in double"));
    EXPECT_EQ(Get("quoted.txt", "Q", "single"), QStringLiteral("in single"));
    EXPECT_EQ(Get("quoted.txt", "Q", "inner"), QStringLiteral("a\"b"));
    EXPECT_EQ(Get("quoted.txt", "Q", "open"), QStringLiteral("\"unbalanced"));
    EXPECT_EQ(Get("quoted.txt", "Q", "mixed"), QStringLiteral("\"mixed'"));
    EXPECT_EQ(Get("quoted.txt", "Q", "padded"), QStringLiteral("  padded  "));
    EXPECT_EQ(Get("quoted.txt", "Q", "emptyquotes"), QString(""));
    EXPECT_EQ(Get("quoted.txt", "Q", "lone"), QStringLiteral("\""));
    EXPECT_EQ(Get("quoted.txt", "Q", "outside"), QStringLiteral("kept blanks inside"));
}

TEST_F(ProfileRead, IntegerReadings)
{
    // The value as the file holds it (trimmed, unquoted), then the integer rule; an empty or
    // blank value and a missing key give the default.
    const struct {
        const char* key;
        int value;
    } cases[] = {
        {"plain", 42}, {"negative", -17}, {"trailing", 12}, {"fraction", 3}, {"letters", 0},
        {"hex", 16}, {"hexupper", 255}, {"fullwidth", 0}, {"huge", 2147483647},
        {"hugeneg", -2147483647 - 1}, {"empty", -1}, {"blank", -1}, {"quoted", 7}, {"plus", 8},
        {"missing", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetProfileInt(Fixture("numbers.txt"), "N", c.key, -1), c.value) << c.key;
}

TEST_F(ProfileRead, MalformedFilesReadCleanly)
{
    TempDir dir;
    const QByteArray cases[] = {
        Bytes("\xff\xfe"),                                       // only a byte-order mark
        Bytes("\xff\xfe[\0S\0]\0\n\0k\0=\0v\0\n"),                 // odd last byte
        Bytes("\xff\xfe[\0S\0]\0\n\0k\0=\0\x00\xd8\n\0"),           // lone surrogate
        Bytes("\xfe\xff\0[\0S\0]\0\n\0k\0=\0v"),                    // UTF-16BE, no line end
        QByteArray("[S\r\nk=\xa5\r\n\x80\xff=\xa5=\r\n"),            // unfinished header, broken CP950
        QByteArray("\xef\xbb\xbf[S]\nk=\xc3\n"),                     // broken UTF-8 after a mark
        QByteArray("\r\r\n\n[\n=\n]=\n[]\nk=v"),
        QByteArray(),
    };
    int n = 0;
    for (const QByteArray& bytes : cases) {
        const QString path = dir.write(QString("bad%1.txt").arg(n++), bytes);
        GetProfileString(path, "S", "k");
        GetProfileKeys(path, "S");
        GetProfileKeys(path, "");
        GetProfileInt(path, "", "k");
    }
    EXPECT_EQ(GetProfileString(dir.file("bad1.txt"), "S", "k"), QStringLiteral("v"));
    EXPECT_EQ(GetProfileString(dir.file("bad3.txt"), "S", "k"), QStringLiteral("v"));
    // "[S" is no header: its keys stay in section "".
    EXPECT_EQ(GetProfileString(dir.file("bad4.txt"), "", "k"), QString(QChar::ReplacementCharacter));
    EXPECT_EQ(GetProfileString(dir.file("bad4.txt"), "S", "k", "d"), QStringLiteral("d"));
    // "[" is no header, "]=" a key of section ""; the later "[]" repeats that section.
    EXPECT_EQ(GetProfileString(dir.file("bad6.txt"), "", "]", "d"), QString(""));
    EXPECT_EQ(GetProfileString(dir.file("bad6.txt"), "", "k", "d"), QStringLiteral("d"));
    // A folder is no INI file.
    EXPECT_EQ(GetProfileString(dir.path(), "S", "k", "d"), QStringLiteral("d"));
}

TEST_F(ProfileRead, CacheParsesOnceAndSeesChangesOnDisk)
{
    TempDir dir;
    QString text = "[Item]\r\n";
    for (int i = 0; i < 40; ++i)
        text += QString("Key%1=%2\r\n").arg(i).arg(i * 3);
    const QString path = dir.write("data/item.txt", Utf16LeWithBom(text));
    const qint64 before = IniCache::Instance().parses();
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(GetProfileInt(path, "Item", QString("key%1").arg(i)), i * 3);
    EXPECT_EQ(IniCache::Instance().parses() - before, 1);

    // Changed behind the cache's back: a new size is seen at once...
    dir.write("data/item.txt", Utf16LeWithBom("[Item]\r\nKey0=100\r\n"));
    EXPECT_EQ(GetProfileInt(path, "Item", "Key0"), 100);
    // ...and so is the same size with another write time.
    FileTime time;
    ASSERT_TRUE(GetFileWriteTime(path, &time));
    dir.write("data/item.txt", Utf16LeWithBom("[Item]\r\nKey0=200\r\n"));
    time.ns += 2000000000LL;
    ASSERT_TRUE(SetFileWriteTime(path, time));
    EXPECT_EQ(GetProfileInt(path, "Item", "Key0"), 200);
    // Replaced by a rename, as editors save.
    const QString beside = dir.write("data/item.txt.new", Utf16LeWithBom("[Item]\r\nKey0=3000\r\n"));
    ASSERT_EQ(::rename(QFile::encodeName(beside).constData(), QFile::encodeName(path).constData()), 0);
    EXPECT_EQ(GetProfileInt(path, "Item", "Key0"), 3000);

    // A linked file changes where its target lies.
    const QString target = dir.write("elsewhere/target.txt", Utf16LeWithBom("[S]\r\nk=1\r\n"));
    ASSERT_TRUE(QFile::link(target, dir.file("data/link.txt")));
    EXPECT_EQ(GetProfileInt(dir.file("data/link.txt"), "S", "k"), 1);
    dir.write("elsewhere/target.txt", Utf16LeWithBom("[S]\r\nk=22\r\n"));
    EXPECT_EQ(GetProfileInt(dir.file("data/link.txt"), "S", "k"), 22);
    // A relative path names another file once the working folder changes.
    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.file("data")));
    EXPECT_EQ(GetProfileInt("link.txt", "S", "k"), 22);
    ASSERT_TRUE(QDir::setCurrent(dir.file("elsewhere")));
    EXPECT_EQ(GetProfileInt("link.txt", "S", "k", -1), -1);
    QDir::setCurrent(cwd);

    // A file that went away reads as missing.
    QFile::remove(path);
    EXPECT_EQ(GetProfileInt(path, "Item", "Key0", -5), -5);
}

TEST_F(ProfileRead, SnapshotReadsOneParseAndStillSeesOwnWrites)
{
    TempDir dir;
    const QString path = dir.write("item.txt", Utf16LeWithBom("[Item]\r\nA=1\r\nB=2\r\n"));
    const qint64 before = IniCache::Instance().parses();
    {
        const platform::ProfileSnapshot snapshot(path);
        EXPECT_EQ(GetProfileInt(path, "Item", "A"), 1);
        // Another writer's change is not looked for while the snapshot lives...
        dir.write("item.txt", Utf16LeWithBom("[Item]\r\nA=7\r\nB=8\r\n"));
        EXPECT_EQ(GetProfileInt(path, "Item", "B"), 2);
        EXPECT_EQ(IniCache::Instance().parses() - before, 1);
        // ...but a write through the profile functions is seen at once.
        ASSERT_TRUE(WriteProfileString(path, "Item", "B", "9"));
        EXPECT_EQ(GetProfileInt(path, "Item", "A"), 7);
        EXPECT_EQ(GetProfileInt(path, "Item", "B"), 9);
    }
    dir.write("item.txt", Utf16LeWithBom("[Item]\r\nA=5\r\nB=6\r\n"));
    FileTime time;
    ASSERT_TRUE(GetFileWriteTime(path, &time));
    time.ns += 2000000000LL;
    ASSERT_TRUE(SetFileWriteTime(path, time));
    EXPECT_EQ(GetProfileInt(path, "Item", "A"), 5);
}

TEST_F(ProfileRead, SnapshotOfAFileChangedSinceItWasReadSeesTheChange)
{
    TempDir dir;
    const QString path = dir.write("item.txt", Utf16LeWithBom("[Item]\r\nName=雪山主峰\r\n"));
    EXPECT_EQ(GetProfileString(path, "Item", "Name"), QString::fromUtf8("雪山主峰"));
    // Same size, a later write time: the file as reloaded by the next group load.
    dir.write("item.txt", Utf16LeWithBom("[Item]\r\nName=雪山北峰\r\n"));
    FileTime time;
    ASSERT_TRUE(GetFileWriteTime(path, &time));
    time.ns += 2000000000LL;
    ASSERT_TRUE(SetFileWriteTime(path, time));
    const platform::ProfileSnapshot snapshot(path);
    EXPECT_EQ(GetProfileString(path, "Item", "Name"), QString::fromUtf8("雪山北峰"));
}
