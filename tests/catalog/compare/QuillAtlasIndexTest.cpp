// 岫禾圖集's index: the whole text written at once and read back by ReadQuillAtlasFile, which
// files may be rebuilt, and pages added through the profile layer under the first free keys.
#include "TempDir.h"
#include "catalog/compare/QuillAtlasIndex.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

GuideEntry Entry(const QString& volumeText, int volume, int page, const QString& title, const QString& link)
{
    GuideEntry e;
    e.volumeText = volumeText;
    e.volume = volume;
    e.page = page;
    e.title = title;
    e.link = link;
    return e;
}

TEST(QuillAtlasIndex, WrittenOnceAsUtf16AndReadBack)
{
    TempDir dir;
    const QString path = dir.file(u"data/山友/岫禾圖集.txt"_s);  // the folder does not exist yet
    const QList<GuideEntry> entries = {Entry(u"十五"_s, 15, 12, u"雪山北稜"_s, {}),
                                       Entry(u"三"_s, 3, 101, u"北插天山"_s, u"q/3-101.htm"_s)};
    ASSERT_TRUE(WriteQuillAtlasFile(path, entries));
    EXPECT_EQ(ReadBytes(path), Utf16LeWithBom(u"[Guide]\r\nQuill1=十五012-雪山北稜\r\nQuillLink1=\r\n"
                                              u"Quill2=三101-北插天山\r\nQuillLink2=q/3-101.htm\r\n"_s));
    const QList<GuideEntry> read = ReadQuillAtlasFile(path);
    ASSERT_EQ(read.size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(read[i].volume, entries[i].volume);
        EXPECT_EQ(read[i].page, entries[i].page);
        EXPECT_EQ(read[i].title, entries[i].title);
        EXPECT_EQ(read[i].link, entries[i].link);
    }
    // A value with a line break would break the key order: nothing is written.
    const QString other = dir.file(u"other.txt"_s);
    EXPECT_FALSE(WriteQuillAtlasFile(other, {Entry(u"三"_s, 3, 1, u"a\r\nQuill9=b"_s, {})}));
    EXPECT_TRUE(IsMissingOrEmptyFile(other));
}

TEST(QuillAtlasIndex, OnlyMissingOrEmptyFilesMayBeRebuilt)
{
    TempDir dir;
    EXPECT_TRUE(IsMissingOrEmptyFile(dir.file(u"missing.txt"_s)));
    EXPECT_TRUE(IsMissingOrEmptyFile(dir.write(u"empty.txt"_s, {})));
    EXPECT_TRUE(IsMissingOrEmptyFile(dir.write(u"bom.txt"_s, QByteArray("\xff\xfe", 2))));
    EXPECT_FALSE(IsMissingOrEmptyFile(dir.write(u"utf8.txt"_s, u"[Guide]\r\nQuill1=十五045-雪山\r\n"_s.toUtf8())));
    EXPECT_FALSE(IsMissingOrEmptyFile(dir.write(u"one.txt"_s, "x")));
    EXPECT_FALSE(IsMissingOrEmptyFile(dir.path()));
}

TEST(QuillAtlasIndex, AddGoesUnderTheNumberAfterTheEntriesRead)
{
    TempDir dir;
    platform::ClearProfileCache();
    // Pairs 2 and 3 have empty values, but the reader reads them as entries: 4 are read.
    const QString index = u"[Guide]\r\nQuill1=十五012-雪山北稜\r\nQuillLink1=a\r\nQuill2=\r\nQuillLink2=b\r\n"
                          u"Quill3=\r\nQuillLink3=\r\nQuill4=三101-北插天山\r\nQuillLink4=c\r\n"_s;
    const QString path = dir.write(u"q.txt"_s, Utf16LeWithBom(index));
    int number = 0;
    ASSERT_TRUE(AddQuillAtlasEntry(path, Entry(u"十五"_s, 15, 50, u"志佳陽"_s, u"d"_s), &number));
    EXPECT_EQ(number, 5);
    EXPECT_EQ(ReadBytes(path), Utf16LeWithBom(index + u"Quill5=十五050-志佳陽\r\nQuillLink5=d\r\n"_s));
    ASSERT_TRUE(AddQuillAtlasEntry(path, Entry(u"三"_s, 3, 20, u"拉拉山"_s, {}), &number));
    EXPECT_EQ(number, 6);
    EXPECT_EQ(ReadQuillAtlasFile(path).size(), 6);
    // A new file is made by the profile layer in UTF-16LE, readable by the reader.
    const QString fresh = dir.file(u"new/q.txt"_s);
    ASSERT_TRUE(AddQuillAtlasEntry(fresh, Entry(u"三"_s, 3, 20, u"拉拉山"_s, u"e"_s), &number));
    EXPECT_EQ(number, 1);
    const QList<GuideEntry> read = ReadQuillAtlasFile(fresh);
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(read[0].page, 20);
    EXPECT_EQ(read[0].link, u"e"_s);
}

// The reader looks for Quill<n>= from where the previous line ended, whatever the section: an
// added page goes where it will be found, in the section that holds the keys read or in [Guide],
// or is refused, the file untouched, when no such place exists.
TEST(QuillAtlasIndex, AnAddedPageIsReadBackWhereverTheKeysStand)
{
    const QString one = u"Quill1=十五012-雪山北稜\r\nQuillLink1=a\r\n"_s;
    const QString added = u"Quill2=十五050-志佳陽\r\nQuillLink2=d\r\n"_s;
    const struct {
        const char* name;
        QString before;
        QString after;  // empty: refused
    } cases[] = {
        // The profile layer cannot name the section before the first header: [Guide] follows.
        {"before any header", one + u"[Guide]\r\nx=1\r\n"_s, one + u"[Guide]\r\nx=1\r\n"_s + added},
        {"before any header, no [Guide]", one + u"[Other]\r\nx=1\r\n"_s,
         one + u"[Other]\r\nx=1\r\n[Guide]\r\n"_s + added},
        {"under another header", u"[Atlas]\r\n"_s + one + u"\r\n[Other]\r\nx=1\r\n"_s,
         u"[Atlas]\r\n"_s + one + added + u"\r\n[Other]\r\nx=1\r\n"_s},
        {"under [Guide]", u"[Guide]\r\n"_s + one, u"[Guide]\r\n"_s + one + added},
        {"under [guide] after another section", u"[Other]\r\nQuill2=x\r\n[guide]\r\n"_s + one,
         u"[Other]\r\nQuill2=x\r\n[guide]\r\n"_s + one + added},
        // Quill2 stands before Quill1: the reader never reaches it, and it holds text.
        {"keys out of order", u"[Guide]\r\nQuill2=三101-北插天山\r\nQuillLink2=c\r\n"_s + one, {}},
        // Quill1 without its link before the header: a new Quill1 under [Guide] is never read.
        {"a value without its link", u"Quill1=十五012-雪山北稜\r\n[Guide]\r\n"_s, {}},
        // A Quill2 without its link further on: the new pair at the end of [Guide] comes first.
        {"a later section's key", u"[Guide]\r\n"_s + one + u"[Other]\r\nQuill2=x\r\n"_s,
         u"[Guide]\r\n"_s + one + added + u"[Other]\r\nQuill2=x\r\n"_s},
    };
    const GuideEntry page = Entry(u"十五"_s, 15, 50, u"志佳陽"_s, u"d"_s);
    for (const auto& c : cases) {
        TempDir dir;
        platform::ClearProfileCache();
        const QString path = dir.write(u"q.txt"_s, Utf16LeWithBom(c.before));
        const qsizetype count = ReadQuillAtlasFile(path).size();
        int number = 0;
        const bool added = AddQuillAtlasEntry(path, page, &number);
        if (c.after.isEmpty()) {
            EXPECT_FALSE(added) << c.name;
            EXPECT_EQ(ReadBytes(path), Utf16LeWithBom(c.before)) << c.name;
            continue;
        }
        ASSERT_TRUE(added) << c.name;
        EXPECT_EQ(number, count + 1) << c.name;
        EXPECT_EQ(ReadBytes(path), Utf16LeWithBom(c.after)) << c.name;
        const QList<GuideEntry> read = ReadQuillAtlasFile(path);
        ASSERT_EQ(read.size(), count + 1) << c.name;
        EXPECT_EQ(read.last().volume, 15) << c.name;
        EXPECT_EQ(read.last().page, 50) << c.name;
        EXPECT_EQ(read.last().title, u"志佳陽"_s) << c.name;
        EXPECT_EQ(read.last().link, u"d"_s) << c.name;
    }
}

// The profile layer writes a value with outer blanks or quotes inside double quotes; the reader
// takes such a value as the profile reader does, without the quotes.
TEST(QuillAtlasIndex, QuotedValuesReadAsTheProfileReaderReadsThem)
{
    TempDir dir;
    const QString path = dir.write(u"q.txt"_s, Utf16LeWithBom(
        u"[Guide]\r\nQuill1=\"十二040-玉山西峰 \"\r\nQuillLink1=\" q/12-040.htm\"\r\n"
        u"Quill2=\"十二041-\"引號\"\"\r\nQuillLink2=\"\"\r\n"
        u"Quill3=\"十二042-單邊\r\nQuillLink3=\"\r\n"_s));
    const QList<GuideEntry> read = ReadQuillAtlasFile(path);
    ASSERT_EQ(read.size(), 3);
    EXPECT_EQ(read[0].volume, 12);
    EXPECT_EQ(read[0].page, 40);
    EXPECT_EQ(read[0].title, u"玉山西峰 "_s);
    EXPECT_EQ(read[0].link, u" q/12-040.htm"_s);
    EXPECT_EQ(read[1].title, u"\"引號\""_s);  // one pair of outer quotes removed
    EXPECT_EQ(read[1].link, QString());
    EXPECT_EQ(read[2].volumeText, u"\"十二"_s);  // an unbalanced quote stays
    EXPECT_EQ(read[2].link, u"\""_s);
    // What the profile layer writes reads back exactly.
    platform::ClearProfileCache();
    const QString written = dir.file(u"w.txt"_s);
    ASSERT_TRUE(AddQuillAtlasEntry(written, Entry(u"十二"_s, 12, 40, u"玉山西峰 "_s, u" q/12-040.htm "_s)));
    const QList<GuideEntry> back = ReadQuillAtlasFile(written);
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0].title, u"玉山西峰 "_s);
    EXPECT_EQ(back[0].link, u" q/12-040.htm "_s);
}

} // namespace
