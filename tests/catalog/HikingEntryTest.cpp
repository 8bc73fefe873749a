#include "catalog/text/HikingEntry.h"

#include "TempDir.h"
#include "TextPrinters.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

HikingEntry Dated(const char* date)
{
    HikingEntry e;
    e.dateText = U(date);
    return e;
}

} // namespace

TEST(HikingEntry, ParseTripForms)
{
    const struct {
        const char* trip;
        bool ok;
        const char* title;
        const char* date;
    } cases[] = {
        {"北大武山 [108/05/03]", true, "北大武山", "108/05/03"},
        {"北大武山  [108 / 05 / 03]", true, "北大武山", "108/05/03"},
        {"雪山 [5/3]", false, "", ""},                   // too short; no other form tried
        {"雪山 [5/3] (2019/05/03)", false, "", ""},
        {"【雪山】1080503-主東", true, "【雪山】-主東", "108/05/03"},
        {"【雪山】20190503-主東", true, "【雪山】-主東", "2019/05/03"},
        {"【雪山】1080503～0505-主東", true, "【雪山】-主東", "108/05/03"},
        {"【雪-山】1080503-a-b", true, "【雪-山】-a-b", "108/05/03"},
        {"【雪山】108-主東", false, "", ""},
        {"雪山 (2019/05/03)", true, "雪山", "2019/05/03"},
        {"雪山(19/5/3)", false, "", ""},                 // ASCII parentheses need more than 8
        {"雪山(19/5/3)（108/5/3）", true, "雪山(19/5/3)", "108/5/3"},
        {"合歡山（108/1/2）", true, "合歡山", "108/1/2"},
        {"合歡山（1/2）", false, "", ""},
        {"）（", false, "", ""},
        {"", false, "", ""},
        {"[", false, "", ""},
        {"-】", false, "", ""},
    };
    for (const auto& c : cases) {
        HikingEntry entry;
        EXPECT_EQ(entry.ParseTrip(U(c.trip)), c.ok) << c.trip;
        if (!c.ok)
            continue;
        EXPECT_EQ(entry.title, U(c.title)) << c.trip;
        EXPECT_EQ(entry.dateText, U(c.date)) << c.trip;
    }
}

TEST(HikingEntry, ShortCompactDatesGetSlashesWithoutGoingNegative)
{
    // The range cut leaves "108": the slashes go in at 1 and at 0 (not at -1).
    HikingEntry entry;
    ASSERT_TRUE(entry.ParseTrip(U("【a】108～050-x")));
    EXPECT_EQ(entry.dateText, U("/1/08"));
    EXPECT_EQ(entry.title, U("【a】-x"));

    // A "～" at the very start does not cut.
    ASSERT_TRUE(entry.ParseTrip(U("【a】～～～～～～1-x")));
    EXPECT_EQ(entry.dateText, U("～～～/～～/～1"));
}

TEST(HikingEntry, ReadsACompanionsItinerary)
{
    const QString path = QStringLiteral(TALVANE_TEST_DATA "/text/") + U("阿明.txt");
    const QList<HikingEntry> entries = ReadNumberedKeyPairs(path, U("阿明%d"), U("阿明連結%d"));
    // Trip 5 has no form that parses: the scan stops there, though trip 6 is well formed.
    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(entries[0].title, U("北大武山"));
    EXPECT_EQ(entries[0].dateText, U("108/05/03"));
    EXPECT_EQ(entries[0].link, U("http://example.org/m/1"));
    EXPECT_EQ(entries[1].title, U("【雪山】-主東"));
    EXPECT_EQ(entries[1].dateText, U("108/05/03"));
    EXPECT_EQ(entries[2].dateText, U("2019/12/31"));
    EXPECT_EQ(entries[3].title, U("合歡山"));
    EXPECT_EQ(entries[3].link, U("http://example.org/m/4"));

    TempDir dir;
    EXPECT_TRUE(ReadNumberedKeyPairs(dir.file("missing.txt"), U("阿明%d"), U("阿明連結%d")).isEmpty());
    QString many;
    for (int n = 1; n <= HikingEntry::kMaxEntries + 3; ++n)
        many += QStringLiteral("T%1=t [108/05/03]\r\nL%1=l\r\n").arg(n);
    EXPECT_EQ(ReadNumberedKeyPairs(dir.write("m.txt", Utf16LeWithBom(many)), u"T%d", u"L%d").size(),
              HikingEntry::kMaxEntries);
    // An empty trip text ends the scan.
    const QString empty = QStringLiteral("T1=\r\nL1=l\r\nT2=t [108/05/03]\r\nL2=l\r\n");
    EXPECT_TRUE(ReadNumberedKeyPairs(dir.write("e.txt", Utf16LeWithBom(empty)), u"T%d", u"L%d").isEmpty());
}

TEST(HikingEntry, LaterDatesSortFirst)
{
    QList<HikingEntry> entries = {Dated("108/05/03"), Dated("2019/12/31"), Dated("108/5/4"),
                                  Dated("80/1/1"), Dated("107/12/31")};
    std::sort(entries.begin(), entries.end(), [](const HikingEntry& a, const HikingEntry& b) {
        return CompareHikingEntries(a, b) < 0;
    });
    EXPECT_EQ(entries[0].dateText, U("2019/12/31")); // year 108 after the era shift
    EXPECT_EQ(entries[1].dateText, U("108/5/4"));
    EXPECT_EQ(entries[2].dateText, U("108/05/03"));
    EXPECT_EQ(entries[3].dateText, U("107/12/31"));
    EXPECT_EQ(entries[4].dateText, U("80/1/1"));     // rejected, compared by its raw year
    EXPECT_EQ(CompareHikingEntries(Dated("108/5/3"), Dated("2019.5.3")), 0);
}
