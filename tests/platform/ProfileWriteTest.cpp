// Writing keys through the profile functions: byte for byte on copies of the fixture files.
#include "platform/CodePage.h"
#include "platform/FileTime.h"
#include "platform/IniCache.h"
#include "platform/Profile.h"

#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QFileInfo>
#include <gtest/gtest.h>


using namespace platform;

namespace {

QByteArray FixtureBytes(const char* name)
{
    return ReadBytes(QString::fromUtf8(TALVANE_TEST_DATA "/ini/") + QString::fromUtf8(name));
}

// The bytes with one run replaced; the run must stand there exactly once.
QByteArray Replaced(const QByteArray& bytes, const QByteArray& from, const QByteArray& to)
{
    EXPECT_EQ(bytes.count(from), 1) << from.toHex().constData();
    QByteArray out = bytes;
    return out.replace(from, to);
}

QByteArray Le(const QString& text)
{
    return ToUtf16Le(text);
}

QByteArray Be(const QString& text)
{
    QByteArray out = ToUtf16Le(text);
    for (qsizetype i = 0; i + 1 < out.size(); i += 2)
        std::swap(out[i], out[i + 1]);
    return out;
}

class ProfileWrite : public ::testing::Test {
protected:
    void SetUp() override { ClearProfileCache(); }
    QString copy(const char* name) { return dir.write(QString::fromUtf8(name), FixtureBytes(name)); }
    TempDir dir;
};

} // namespace

TEST_F(ProfileWrite, ReplacingAValueChangesOnlyItsLine)
{
    const QString path = copy("item_utf16le.txt");
    const QByteArray original = ReadBytes(path);
    ASSERT_TRUE(WriteProfileString(path, "talvane", "HEIGHT", "3953"));
    EXPECT_EQ(ReadBytes(path), Replaced(original, Le("Height=3952"), Le("Height=3953")));
    EXPECT_EQ(GetProfileInt(path, "Talvane", "Height"), 3953);

    // The line becomes key=value with the key spelled as it stood, its spacing gone.
    const QString comments = copy("comments.txt");
    const QByteArray before = ReadBytes(comments);
    ASSERT_TRUE(WriteProfileString(comments, "main", "spaced key", "new"));
    EXPECT_EQ(ReadBytes(comments),
              Replaced(before, Le("  \tSpaced Key \t=  \tspaced value\t  "), Le("Spaced Key=new")));
    // The first of repeated keys is the one written; the repeated section stays as it was.
    const QString dups = copy("duplicates.txt");
    const QByteArray dupsBefore = ReadBytes(dups);
    ASSERT_TRUE(WriteProfileString(dups, "DUP", "key", "changed"));
    EXPECT_EQ(ReadBytes(dups), Replaced(dupsBefore, Le("Key=first"), Le("Key=changed")));
}

TEST_F(ProfileWrite, NewKeysAndSectionsGoWhereAHandWouldPutThem)
{
    // After the last non-blank line of the section, before its blank line.
    const QString path = copy("item_utf16le.txt");
    const QByteArray original = ReadBytes(path);
    ASSERT_TRUE(WriteProfileString(path, "Talvane", "Visited", "2018-0503"));
    EXPECT_EQ(ReadBytes(path), Replaced(original, Le("Empty=\r\n"), Le("Empty=\r\nVisited=2018-0503\r\n")));
    // A key missing from the first [Dup] goes there, though the repeated [dup] has it.
    const QString dups = copy("duplicates.txt");
    const QByteArray dupsBefore = ReadBytes(dups);
    ASSERT_TRUE(WriteProfileString(dups, "Dup", "Late", "now"));
    EXPECT_EQ(ReadBytes(dups), Replaced(dupsBefore, Le("key=third\r\n"), Le("key=third\r\nLate=now\r\n")));
    EXPECT_EQ(GetProfileString(dups, "Dup", "Late"), QStringLiteral("now"));

    // A new section at the end.
    ASSERT_TRUE(WriteProfileString(path, "Hiking", "玉山", "2019-1001"));
    const QByteArray withKey = Replaced(original, Le("Empty=\r\n"), Le("Empty=\r\nVisited=2018-0503\r\n"));
    EXPECT_EQ(ReadBytes(path), withKey + Le("[Hiking]\r\n玉山=2019-1001\r\n"));
}

TEST_F(ProfileWrite, WritesLandInTheSectionAReadFinds)
{
    // A line with '[' but no ']' does not end [First]: its keys are written where they stand,
    // and a new key goes after them.
    const QString path = copy("headers.txt");
    QByteArray expected = ReadBytes(path);
    ASSERT_TRUE(WriteProfileString(path, "First", "c", "30"));
    expected = Replaced(expected, Le("c=3\r\n"), Le("c=30\r\n"));
    EXPECT_EQ(ReadBytes(path), expected);
    ASSERT_TRUE(WriteProfileString(path, "First", "z", "9"));
    expected = Replaced(expected, Le("c=30\r\n"), Le("c=30\r\nz=9\r\n"));
    EXPECT_EQ(ReadBytes(path), expected);
    // No header names [Unclosed]: it is added at the end.
    ASSERT_TRUE(WriteProfileString(path, "Unclosed", "k", "v"));
    expected += Le("[Unclosed]\r\nk=v\r\n");
    EXPECT_EQ(ReadBytes(path), expected);
    ClearProfileCache();
    EXPECT_EQ(GetProfileString(path, "First", "c"), QStringLiteral("30"));
    EXPECT_EQ(GetProfileString(path, "First", "z"), QStringLiteral("9"));
    EXPECT_EQ(GetProfileString(path, "Unclosed", "k"), QStringLiteral("v"));
    EXPECT_EQ(GetProfileString(path, "Two]]tail", "d"), QStringLiteral("4"));

    // A Big5 file: [山] is the closed header, not the "[山" line before it.
    const QString big5 = copy("headers_cp950.txt");
    const QByteArray before = ReadBytes(big5);
    ASSERT_TRUE(WriteProfileString(big5, "山", "mid", "上"));
    EXPECT_EQ(ReadBytes(big5), before + Big5("mid=上\r\n"));
    EXPECT_EQ(GetProfileString(big5, "", "mid"), QStringLiteral("中"));
    EXPECT_EQ(GetProfileString(big5, "山", "mid"), QStringLiteral("上"));
}

TEST_F(ProfileWrite, MixedLineEndsTakeTheFirstAndAFinalLineEndIsAdded)
{
    // The file's first line end is LF; its last line has none.
    const QString path = copy("mixed_endings.txt");
    const QByteArray original = ReadBytes(path);
    ASSERT_TRUE(WriteProfileString(path, "A", "k4", "四"));
    QByteArray expected = Replaced(original, Big5("k3=三\r\n"), Big5("k3=三\r\nk4=四\n"));
    EXPECT_EQ(ReadBytes(path), expected);
    // After a last line without line end: the line end goes before the new key.
    ASSERT_TRUE(WriteProfileString(path, "B", "y", "2"));
    expected += "\ny=2";
    EXPECT_EQ(ReadBytes(path), expected);
    ASSERT_TRUE(WriteProfileString(path, "C", "z", "3"));
    expected += "\n[C]\nz=3\n";
    EXPECT_EQ(ReadBytes(path), expected);
    EXPECT_EQ(GetProfileString(path, "B", "x"), QStringLiteral("1"));
    EXPECT_EQ(GetProfileString(path, "B", "y"), QStringLiteral("2"));
    EXPECT_EQ(GetProfileString(path, "A", "k4"), QStringLiteral("四"));

    // A file without any line end takes CR LF.
    const QString single = dir.write("single.txt", "[S]");
    ASSERT_TRUE(WriteProfileString(single, "S", "k", "v"));
    EXPECT_EQ(ReadBytes(single), QByteArray("[S]\r\nk=v"));
}

TEST_F(ProfileWrite, EachEncodingIsKept)
{
    const QString cp950 = copy("item_cp950.txt");
    const QByteArray cp950Before = ReadBytes(cp950);
    ASSERT_TRUE(WriteProfileString(cp950, "Talvane", "山名", "雪山北峰"));
    EXPECT_EQ(ReadBytes(cp950), Replaced(cp950Before, Big5("山名=雪山主峰"), Big5("山名=雪山北峰")));

    const QString bom = copy("utf8_bom.txt");
    const QByteArray bomBefore = ReadBytes(bom);
    ASSERT_TRUE(WriteProfileString(bom, "Talvane", "Name", "合歡山北峰"));
    EXPECT_EQ(ReadBytes(bom), Replaced(bomBefore, ToUtf8(u"Name=合歡山東峰"), ToUtf8(u"Name=合歡山北峰")));
    EXPECT_TRUE(ReadBytes(bom).startsWith("\xef\xbb\xbf"));

    const QString plain = copy("utf8_plain.txt");
    const QByteArray plainBefore = ReadBytes(plain);
    ASSERT_TRUE(WriteProfileString(plain, "Talvane", "Region", "南投"));
    EXPECT_EQ(ReadBytes(plain), plainBefore + ToUtf8(u"Region=南投\n"));

    const QString be = copy("utf16be.txt");
    const QByteArray beBefore = ReadBytes(be);
    ASSERT_TRUE(WriteProfileString(be, "Talvane", "Height", "3090"));
    EXPECT_EQ(ReadBytes(be), Replaced(beBefore, Be("Height=3092"), Be("Height=3090")));
    EXPECT_EQ(GetProfileString(be, "Talvane", "Name"), QStringLiteral("北大武山"));
}

TEST_F(ProfileWrite, Cp950FileThatCannotHoldAValueBecomesUtf16Le)
{
    const QString path = copy("item_cp950.txt");
    const QString text = FromAnsi(ReadBytes(path));
    const QString value = QStringLiteral("𩸽 and ☃ and 山");  // none of the first two is in CP950
    ASSERT_TRUE(WriteProfileString(path, "Talvane", "Name", value));
    QString expected = text;
    expected.replace(QStringLiteral("Name=雪山"), "Name=" + value);
    EXPECT_EQ(ReadBytes(path), Utf16LeWithBom(expected));
    ClearProfileCache();
    EXPECT_EQ(GetProfileString(path, "Talvane", "Name"), value);
    EXPECT_EQ(GetProfileString(path, "Talvane", "Note"), QStringLiteral("許多功課 蓋章"));

    // A CP950 file whose only undecodable-as-UTF-8 line is replaced would pass for UTF-8 and
    // misread its other Chinese text; it becomes UTF-16LE instead.
    const QByteArray ambiguous = Big5(QStringLiteral("[S]\r\na=雪山\r\n")) + QByteArray("b=\xc4\xa1\r\n");
    const QString other = dir.write("ambiguous.txt", ambiguous);
    const QString b = FromAnsi("\xc4\xa1");
    ASSERT_EQ(GetProfileString(other, "S", "b"), b);
    ASSERT_TRUE(WriteProfileString(other, "S", "a", "x"));
    EXPECT_EQ(ReadBytes(other), Utf16LeWithBom("[S]\r\na=x\r\nb=" + b + "\r\n"));
    ClearProfileCache();
    EXPECT_EQ(GetProfileString(other, "S", "b"), b);
}

TEST_F(ProfileWrite, ValuesWithOuterBlanksOrQuotesReadBackExactly)
{
    const QString path = copy("quoted.txt");
    const QString values[] = {"  padded  ", "\"quoted\"", "'single'", "\"", "'", "a\"b", " ", "\t tab",
                              "end\"", "\"open", "plain value", "", "=", "[x]", "; not a comment"};
    int i = 0;
    for (const QString& value : values) {
        const QString key = QString("v%1").arg(i++);
        ASSERT_TRUE(WriteProfileString(path, "Q", key, value)) << key.toStdString();
        ClearProfileCache();
        EXPECT_EQ(GetProfileString(path, "Q", key, "<default>"), value) << key.toStdString();
    }
    EXPECT_TRUE(ReadBytes(path).contains(Le("v0=\"  padded  \"\r\n")));
    EXPECT_TRUE(ReadBytes(path).contains(Le("v10=plain value\r\n")));
    // Overwriting an existing quoted value.
    ASSERT_TRUE(WriteProfileString(path, "Q", "padded", " x "));
    EXPECT_TRUE(ReadBytes(path).contains(Le("padded=\" x \"\r\n")));
}

TEST_F(ProfileWrite, IdenticalValueIsNotRewritten)
{
    const QString path = copy("quoted.txt");
    const QByteArray original = ReadBytes(path);
    const FileTime old{1500000000LL * 1000000000LL};
    ASSERT_TRUE(SetFileWriteTime(path, old));
    EXPECT_TRUE(WriteProfileString(path, "q", "DOUBLE", "in double"));
    EXPECT_TRUE(WriteProfileString(path, "Q", "padded", "  padded  "));
    EXPECT_TRUE(WriteProfileString(path, "Q", "outside", "kept blanks inside"));
    FileTime now;
    ASSERT_TRUE(GetFileWriteTime(path, &now));
    EXPECT_EQ(now, old);
    EXPECT_EQ(ReadBytes(path), original);
}

TEST_F(ProfileWrite, RefusedNamesAndValuesChangeNothing)
{
    const QString path = copy("item_utf16le.txt");
    const QByteArray original = ReadBytes(path);
    const QString nul = QString(QChar(u'\0'));
    const QStringList badSections = {"", "  ", "a=b", "a]b", "a\rb", "a\nb", "a" + nul, "[a", ";a", " ;a"};
    const QStringList badKeys = {"", "\t", "a=b", "a\rb", "a\nb", nul + "a", "[a", ";a"};
    const QStringList badValues = {"a\rb", "a\nb", "a" + nul + "b", "\r\n"};
    for (const QString& s : badSections)
        EXPECT_FALSE(WriteProfileString(path, s, "Name", "x")) << s.toStdString();
    for (const QString& k : badKeys)
        EXPECT_FALSE(WriteProfileString(path, "Talvane", k, "x")) << k.toStdString();
    for (const QString& v : badValues)
        EXPECT_FALSE(WriteProfileString(path, "Talvane", "Name", v)) << v.toStdString();
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_FALSE(WriteProfileString(dir.file("never.txt"), "", "k", "v"));
    EXPECT_FALSE(QFileInfo::exists(dir.file("never.txt")));
    // A key may hold ']'.
    EXPECT_TRUE(WriteProfileString(path, "Talvane", "a]b", "1"));
    EXPECT_EQ(GetProfileString(path, "Talvane", "a]b"), QStringLiteral("1"));
}

TEST_F(ProfileWrite, MissingFileIsCreatedAsUtf16LeWithBom)
{
    const QString path = dir.file("峰嵐錄.txt");
    ASSERT_TRUE(WriteProfileString(path, "DataGroup", "Group1", "山岳"));
    ASSERT_TRUE(WriteProfileString(path, "DataGroup", "Group2", "基石"));
    EXPECT_EQ(ReadBytes(path), Utf16LeWithBom("[DataGroup]\r\nGroup1=山岳\r\nGroup2=基石\r\n"));
    // An empty file is taken as a new one.
    const QString empty = dir.write("empty.txt", QByteArray());
    ASSERT_TRUE(WriteProfileString(empty, "S", "k", "v"));
    EXPECT_EQ(ReadBytes(empty), Utf16LeWithBom("[S]\r\nk=v\r\n"));
    // A missing folder is not created.
    EXPECT_FALSE(WriteProfileString(dir.file("no/such/folder.txt"), "S", "k", "v"));
    EXPECT_FALSE(QFileInfo::exists(dir.file("no")));
}

TEST_F(ProfileWrite, FailedReplaceChangesNothing)
{
    // A folder where no one, root included, can create a file.
    const QString proc = QStringLiteral("/proc/version");
    if (QFileInfo(proc).isFile()) {
        const QByteArray before = ReadBytes(proc);
        EXPECT_FALSE(WriteProfileString(proc, "S", "k", "v"));
        EXPECT_EQ(ReadBytes(proc), before);
    }
    // A folder in the file's place is no INI file.
    QDir().mkpath(dir.file("folder.txt"));
    EXPECT_FALSE(WriteProfileString(dir.file("folder.txt"), "S", "k", "v"));
    EXPECT_TRUE(QFileInfo(dir.file("folder.txt")).isDir());
}

namespace {

// Makes folder unwritable even for root: permission bits first, the immutable attribute where
// they do not stop this user. False when neither works here.
bool MakeReadOnly(const QString& folder)
{
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(folder + "/probe");
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.remove();
    return QProcess::execute("chattr", {"+i", folder}) == 0 && !probe.open(QIODevice::WriteOnly);
}

void MakeWritable(const QString& folder)
{
    QProcess::execute("chattr", {"-i", folder});
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

TEST_F(ProfileWrite, ReadOnlyFolderRefusesTheWrite)
{
    const QString folder = dir.file("readonly");
    QDir().mkpath(folder);
    const QString path = dir.write("readonly/item.txt", FixtureBytes("item_utf16le.txt"));
    const QByteArray original = ReadBytes(path);
    if (!MakeReadOnly(folder)) {
        MakeWritable(folder);
        GTEST_SKIP() << "neither permission bits nor the immutable attribute stop writes here";
    }
    EXPECT_FALSE(WriteProfileString(path, "Talvane", "Height", "1"));
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList({"item.txt"}));
    MakeWritable(folder);
}

TEST_F(ProfileWrite, OwnWriteUpdatesTheCacheWithoutAParse)
{
    const QString path = copy("item_utf16le.txt");
    EXPECT_EQ(GetProfileString(path, "Talvane", "Name"), QStringLiteral("玉山主峰"));
    const qint64 parses = IniCache::Instance().parses();
    ASSERT_TRUE(WriteProfileString(path, "Talvane", "Name", "玉山北峰"));
    EXPECT_EQ(GetProfileString(path, "Talvane", "Name"), QStringLiteral("玉山北峰"));
    EXPECT_EQ(GetProfileString(path, "Talvane", "Height"), QStringLiteral("3952"));
    EXPECT_EQ(IniCache::Instance().parses(), parses);
}

TEST_F(ProfileWrite, NamesFoldOnlyTheLettersAToZ)
{
    // Letters at both ends of the alphabet match their other case, in reading and in writing;
    // the characters beside them, 32 apart as a letter's two cases are, stay different names.
    // A matching write changes the stored line and keeps its spelling; a different name is a
    // new key after it, or a new section at the end.
    const struct {
        const char* stored;
        const char* asked;
        bool same;
    } cases[] = {
        {"A", "a", true},    {"a", "A", true},    {"Z", "z", true},    {"z", "Z", true},
        {"Az", "aZ", true},  {"@", "`", false},   {"`", "@", false},   {"x[", "x{", false},
        {"x{", "x[", false}, {"\\", "|", false},  {"|", "\\", false},  {"^", "~", false},
        {"~", "^", false},   {"@", "A", false},   {"_", "\x7f", false},
    };
    int n = 0;
    for (const auto& c : cases) {
        const QByteArray stored = c.stored;
        const QString asked = QString::fromLatin1(c.asked);
        const QString want = c.same ? QStringLiteral("1") : QStringLiteral("<default>");
        const QByteArray section = "[" + stored + "]\r\nk=1\r\n";
        const QString sectionFile = dir.write(QString("section%1.txt").arg(n), section);
        EXPECT_EQ(GetProfileString(sectionFile, asked, "k", "<default>"), want) << c.stored << " " << c.asked;
        ASSERT_TRUE(WriteProfileString(sectionFile, asked, "k", "2"));
        EXPECT_EQ(ReadBytes(sectionFile),
                  c.same ? "[" + stored + "]\r\nk=2\r\n" : section + "[" + c.asked + "]\r\nk=2\r\n")
            << c.stored << " " << c.asked;

        const QByteArray key = "[S]\r\n" + stored + "=1\r\n";
        const QString keyFile = dir.write(QString("key%1.txt").arg(n++), key);
        EXPECT_EQ(GetProfileString(keyFile, "S", asked, "<default>"), want) << c.stored << " " << c.asked;
        ASSERT_TRUE(WriteProfileString(keyFile, "S", asked, "2"));
        EXPECT_EQ(ReadBytes(keyFile), c.same ? "[S]\r\n" + stored + "=2\r\n" : key + c.asked + "=2\r\n")
            << c.stored << " " << c.asked;
    }
    // ']' cannot stand in a section name, but a key may hold it.
    const QString keys = dir.write("brackets.txt", "[S]\r\nx]=1\r\n");
    EXPECT_EQ(GetProfileString(keys, "S", "x}", "<default>"), QStringLiteral("<default>"));
    ASSERT_TRUE(WriteProfileString(keys, "s", "x}", "2"));
    EXPECT_EQ(ReadBytes(keys), QByteArray("[S]\r\nx]=1\r\nx}=2\r\n"));
    EXPECT_EQ(GetProfileString(keys, "S", "x]"), QStringLiteral("1"));
}
