#include "catalog/text/GuideEntry.h"

#include "TempDir.h"
#include "TextPrinters.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QString QuillFixture()
{
    return QStringLiteral(TALVANE_TEST_DATA "/text/") + U("岫禾圖集.txt");
}

GuideEntry Entry(int volume, int page, const char* link = "")
{
    GuideEntry e;
    e.volume = volume;
    e.page = page;
    e.link = U(link);
    return e;
}

} // namespace

TEST(GuideEntry, ParseTitleSplitsVolumePageAndTitle)
{
    const struct {
        const char* in;
        bool ok;
        const char* volumeText;
        int volume, page;
        const char* title;
    } cases[] = {
        {"十五045-雪山", true, "十五", 15, 45, "雪山"},
        {"十五-045-雪山", true, "十五", 15, 45, "雪山"},
        {"二015-123 大霸", true, "二", 2, 15, "大霸"},  // leading "- 123" characters go
        {"十五０４５－雪山", true, "十五", 15, 45, "－雪山"}, // full-width digits become ASCII
        {"三１-x", true, "三", 3, 1, "x"},
        {"三１-2x", true, "三１", -1, 2, "x"}, // an ASCII digit at 1 to 3 wins: no conversion
        {"拾五045-x", true, "拾五", -1, 45, "x"},
        {"雪山", false, "", -1, 0, ""},
        {"二十一-045-x", false, "", -1, 0, ""},
    };
    for (const auto& c : cases) {
        GuideEntry entry;
        QString title = U(c.in);
        EXPECT_EQ(entry.ParseTitle(&title), c.ok) << c.in;
        EXPECT_EQ(entry.volume, c.volume) << c.in;
        if (!c.ok)
            continue;
        EXPECT_EQ(entry.volumeText, U(c.volumeText)) << c.in;
        EXPECT_EQ(entry.page, c.page) << c.in;
        EXPECT_EQ(entry.title, U(c.title)) << c.in;
        EXPECT_EQ(title, U(c.title)) << c.in;
    }
}

TEST(GuideEntry, ReadsTheQuillIndexAsWindowsWroteIt)
{
    const struct {
        const char* volumeText;
        int volume, page;
        const char* title;
        const char* link;
    } expected[] = {
        {"十五", 15, 45, "雪山主峰", "http://example.org/q/15-045.htm"},
        {"二", 2, 15, "大霸尖山", "D:\\山友\\二015.htm"},  // "123 " in front of the title is lost
        {"三十", 30, 999, "D步道", ""},                 // the volume text keeps no dash
        {"", 0, 0, "無頁碼的標題", "http://example.org/q/none.htm"}, // no page: all title, volume 0
        {"", 0, 0, "", "http://example.org/q/empty.htm"},         // an empty value still counts
        {"拾五", -1, 45, "未知卷", "http://example.org/q/unknown.htm"},
        {"七", 7, 7, "最後一筆", "http://example.org/q/7.htm"},     // last line without CR LF
    };
    const QList<GuideEntry> entries = ReadQuillAtlasFile(QuillFixture());
    ASSERT_EQ(entries.size(), qsizetype(std::size(expected)));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const auto& e = expected[i];
        EXPECT_EQ(entries[i].volumeText, U(e.volumeText)) << i;
        EXPECT_EQ(entries[i].volume, e.volume) << i;
        EXPECT_EQ(entries[i].page, e.page) << i;
        EXPECT_EQ(entries[i].title, U(e.title)) << i;
        EXPECT_EQ(entries[i].link, U(e.link)) << i;
    }
}

TEST(GuideEntry, QuillScanStopsEarlyAndStaysBounded)
{
    TempDir dir;
    const QString crlf = QStringLiteral("\r\n");
    // Keys out of order: QuillLink1 is found past Quill2, which is then behind the scan.
    const QString outOfOrder = U("Quill1=一001-a") + crlf + U("Quill2=一002-b") + crlf +
                               U("QuillLink1=l1") + crlf + U("QuillLink2=l2") + crlf;
    const auto early = ReadQuillAtlasFile(dir.write("o.txt", Utf16LeWithBom(outOfOrder)));
    ASSERT_EQ(early.size(), 1);
    EXPECT_EQ(early[0].link, U("l1"));

    QString many;
    for (int n = 1; n <= 3000 + 5; ++n)
        many += QStringLiteral("Quill%1=一%2-x\r\nQuillLink%1=l\r\n").arg(n).arg(n % 1000, 3, 10, QChar(u'0'));
    EXPECT_EQ(ReadQuillAtlasFile(dir.write("m.txt", Utf16LeWithBom(many))).size(), 3000);

    // Malformed files: missing, empty, odd byte counts, cut in the middle of a line, a lone
    // CR, bytes that are no text at all.
    EXPECT_TRUE(ReadQuillAtlasFile(dir.file("missing.txt")).isEmpty());
    EXPECT_TRUE(ReadQuillAtlasFile(dir.write("e.txt", QByteArray())).isEmpty());
    const QByteArray good = Utf16LeWithBom(U("Quill1=十五045-雪山\r\nQuillLink1=x\r\n"));
    // A cut file holds entry 1 once "QuillLink1=" is whole (the link runs to the end).
    const QByteArray linkKey = Utf16LeWithBom(U("QuillLink1=")).mid(2);
    const qsizetype linkKeyEnd = good.indexOf(linkKey) + linkKey.size();
    for (qsizetype cut = 0; cut <= good.size(); ++cut) {
        const auto entries = ReadQuillAtlasFile(dir.write("cut.txt", good.first(cut)));
        EXPECT_EQ(entries.size(), cut >= linkKeyEnd ? 1 : 0) << cut;
    }
    EXPECT_TRUE(ReadQuillAtlasFile(dir.write("cr.txt", Utf16LeWithBom(U("Quill1=a\rQuillLink1=b\r")))).isEmpty());
    QByteArray noise(4099, '\0');
    for (qsizetype i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 7919) % 251);
    EXPECT_LE(ReadQuillAtlasFile(dir.write("noise.txt", noise)).size(), 3000);
}

TEST(GuideEntry, SortOrders)
{
    QList<GuideEntry> entries = {Entry(3, 10, "b"), Entry(30, 999, "z"), Entry(3, 2, "c"),
                                 Entry(-1, 1, "a"), Entry(3, 2, "a")};
    std::sort(entries.begin(), entries.end(),
              [](const GuideEntry& a, const GuideEntry& b) { return CompareGuideEntries(a, b) < 0; });
    EXPECT_EQ(entries[0].volume, 30);
    EXPECT_EQ(entries[1].page, 2);
    EXPECT_EQ(entries[2].page, 2);
    EXPECT_EQ(entries[3].page, 10);
    EXPECT_EQ(entries[4].volume, -1);
    EXPECT_EQ(CompareGuideEntries(Entry(3, 2, "x"), Entry(3, 2, "y")), 0);

    std::sort(entries.begin(), entries.end(), [](const GuideEntry& a, const GuideEntry& b) {
        return CompareGuideEntriesByText(a, b) < 0;
    });
    EXPECT_EQ(entries[1].link, U("a"));
    EXPECT_EQ(entries[2].link, U("b"));
    EXPECT_EQ(entries[3].link, U("c"));
    // Code units, not letters: upper case comes before lower case.
    EXPECT_LT(CompareGuideEntriesByText(Entry(1, 1, "B"), Entry(1, 1, "a")), 0);
}
