// The atlas index and the companions' files are written through the INI layer and scanned raw
// as UTF-16LE "key=value" CR LF lines: the two must meet.
#include "catalog/text/GuideEntry.h"
#include "catalog/text/HikingEntry.h"
#include "platform/Profile.h"

#include "TempDir.h"
#include "TextPrinters.h"

#include <gtest/gtest.h>

namespace {

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

const QString kGuide = QStringLiteral("Guide");

void WriteQuillEntry(const QString& path, int n, const QString& value, const QString& link)
{
    ASSERT_TRUE(platform::WriteProfileString(path, kGuide, QStringLiteral("Quill%1").arg(n), value));
    ASSERT_TRUE(platform::WriteProfileString(path, kGuide, QStringLiteral("QuillLink%1").arg(n), link));
}

} // namespace

TEST(NumberedKeysThroughProfile, QuillIndexWrittenByTheIniLayerReadsBack)
{
    TempDir dir;
    const QString path = dir.file(U("岫禾圖集.txt"));
    WriteQuillEntry(path, 1, U("十五045-雪山"), U("http://example.org/1"));
    WriteQuillEntry(path, 2, U("三十999-玉山"), U("D:\\山友\\玉山.htm"));
    ASSERT_TRUE(ReadBytes(path).startsWith("\xFF\xFE")); // a new file is UTF-16LE with a mark

    const QList<GuideEntry> entries = ReadQuillAtlasFile(path);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].volume, 15);
    EXPECT_EQ(entries[0].page, 45);
    EXPECT_EQ(entries[0].title, U("雪山"));
    EXPECT_EQ(entries[0].link, U("http://example.org/1"));
    EXPECT_EQ(entries[1].volume, 30);
    EXPECT_EQ(entries[1].link, U("D:\\山友\\玉山.htm"));
}

TEST(NumberedKeysThroughProfile, KeysAddedToAHandKeptFileWithoutFinalLineEndReadBack)
{
    TempDir dir;
    const QString path = dir.write(U("岫禾圖集.txt"),
                                   Utf16LeWithBom(U("[Guide]\r\nQuill1=一001-a\r\nQuillLink1=l1")));
    WriteQuillEntry(path, 2, U("二002-b"), U("l2"));

    const QList<GuideEntry> entries = ReadQuillAtlasFile(path);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].link, U("l1"));
    EXPECT_EQ(entries[1].title, U("b"));
    EXPECT_EQ(entries[1].link, U("l2"));
}

TEST(NumberedKeysThroughProfile, CompanionTripsWrittenByTheIniLayerReadBack)
{
    TempDir dir;
    const QString path = dir.copyTree(QStringLiteral(TALVANE_TEST_DATA "/text"), QStringLiteral("mates"))
                         + U("/阿明.txt");
    const QString section = QStringLiteral("Hiking");
    // Replace the trip that stops the scan, then the file reads through to trip 6.
    ASSERT_TRUE(platform::WriteProfileString(path, section, U("阿明5"), U("雪山 [108/08/01]")));
    ASSERT_TRUE(platform::WriteProfileString(path, section, U("阿明7"), U("嘉明湖（109/9/9）")));
    ASSERT_TRUE(platform::WriteProfileString(path, section, U("阿明連結7"), U("http://example.org/m/7")));

    const QList<HikingEntry> entries = ReadNumberedKeyPairs(path, U("阿明%d"), U("阿明連結%d"));
    ASSERT_EQ(entries.size(), 7);
    EXPECT_EQ(entries[4].dateText, U("108/08/01"));
    EXPECT_EQ(entries[5].title, U("南湖大山"));
    EXPECT_EQ(entries[6].title, U("嘉明湖"));
    EXPECT_EQ(entries[6].dateText, U("109/9/9"));
    EXPECT_EQ(entries[6].link, U("http://example.org/m/7"));
}
