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

TEST(QuillAtlasIndex, AddGoesUnderTheFirstFreeKeys)
{
    TempDir dir;
    platform::ClearProfileCache();
    const QString path = dir.write(u"q.txt"_s, Utf16LeWithBom(
        u"[Guide]\r\nQuill1=十五012-雪山北稜\r\nQuillLink1=a\r\nQuill2=\r\nQuillLink2=b\r\n"
        u"Quill3=\r\nQuillLink3=\r\nQuill4=三101-北插天山\r\nQuillLink4=c\r\n"_s));
    int number = 0;
    ASSERT_TRUE(AddQuillAtlasEntry(path, Entry(u"十五"_s, 15, 50, u"志佳陽"_s, u"d"_s), &number));
    EXPECT_EQ(number, 3);  // 2 still holds a link
    EXPECT_EQ(ReadBytes(path), Utf16LeWithBom(
        u"[Guide]\r\nQuill1=十五012-雪山北稜\r\nQuillLink1=a\r\nQuill2=\r\nQuillLink2=b\r\n"
        u"Quill3=十五050-志佳陽\r\nQuillLink3=d\r\nQuill4=三101-北插天山\r\nQuillLink4=c\r\n"_s));
    ASSERT_TRUE(AddQuillAtlasEntry(path, Entry(u"三"_s, 3, 20, u"拉拉山"_s, {}), &number));
    EXPECT_EQ(number, 5);
    EXPECT_EQ(ReadQuillAtlasFile(path).size(), 5);
    // A new file is made by the profile layer in UTF-16LE, readable by the reader.
    const QString fresh = dir.file(u"new/q.txt"_s);
    ASSERT_TRUE(AddQuillAtlasEntry(fresh, Entry(u"三"_s, 3, 20, u"拉拉山"_s, u"e"_s), &number));
    EXPECT_EQ(number, 1);
    const QList<GuideEntry> read = ReadQuillAtlasFile(fresh);
    ASSERT_EQ(read.size(), 1);
    EXPECT_EQ(read[0].page, 20);
    EXPECT_EQ(read[0].link, u"e"_s);
}

} // namespace
