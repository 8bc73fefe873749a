#include "catalog/text/TextParsers.h"

#include "TextPrinters.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TEST(TextParsers, DecimalPrefixSaturatesOnAnyInput)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"45", 45},
        {"  \t-12abc", -12},
        {"+7", 7},
        {"045", 45},
        {"", 0},
        {"abc", 0},
        {"- 5", 0},
        {"０１", 0}, // full-width digits are not converted
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {"99999999999999999999999999999999", INT_MAX},
        {"-99999999999999999999999999999999", INT_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDecimalPrefix(U(c.text)), c.value) << c.text;
}

TEST(TextParsers, DateTextEdgeCases)
{
    const struct {
        const char* text;
        bool ok;
        int year, month, day;
    } cases[] = {
        {"2019/5/3", true, 108, 5, 3},
        {"108/5/3", true, 108, 5, 3},
        {"1980.1.2", true, 69, 1, 2},
        {"108.5.3", true, 108, 5, 3},
        {"81/1/1", true, 81, 1, 1},
        {"1911/1/1", true, 0, 1, 1},
        {"108/5/", true, 108, 5, 0},     // the day is not checked
        {"108/13/45", true, 108, 13, 45}, // nor the month against 12
        {"80/1/1", false, 80, 0, 0},     // the year keeps its raw value
        {"108-5-3", false, 108, 0, 0},
        {"108/5", false, 108, 5, 0},
        {"108/0/3", false, 108, 0, 0},
        {"108/-5/3", false, 108, -5, 0},
        {"", false, 0, 0, 0},
        {"/108/5/3", false, 0, 0, 0},
        {"108/5.3", false, 108, 5, 0},   // the second separator must be the first's
        {"108./5.3", false, 108, 5, 0},  // a "/" anywhere wins over an earlier "."
        {"99999999999999/99999999999999/99999999999999", true, INT_MAX - 1911, INT_MAX, INT_MAX},
    };
    for (const auto& c : cases) {
        int year = -1, month = -1, day = -1;
        EXPECT_EQ(ParseDateText(U(c.text), &year, &month, &day), c.ok) << c.text;
        EXPECT_EQ(year, c.year) << c.text;
        EXPECT_EQ(month, c.month) << c.text;
        EXPECT_EQ(day, c.day) << c.text;
    }
}

TEST(TextParsers, NumberedKeysAndRawKeyScans)
{
    EXPECT_EQ(FormatNumberedKey(u"Quill%d", 12), QStringLiteral("Quill12"));
    EXPECT_EQ(FormatNumberedKey(U("阿明%d"), 1), U("阿明1"));
    EXPECT_EQ(FormatNumberedKey(u"Visit", 3), QStringLiteral("Visit3"));
    // Only a trailing "%d" takes the number; one inside a title stays text.
    EXPECT_EQ(FormatNumberedKey(u"%d%", 3), QStringLiteral("%d%3"));
    EXPECT_EQ(FormatNumberedKey(U("A%dB&C%d"), 2), U("A%dB&C2"));

    const QString text = QStringLiteral("[S]\r\nA1=x\r\nB1=\r\nA2=y");
    qsizetype pos = 0;
    QString value;
    ASSERT_TRUE(ScanKeyValue(text, u"A1", &pos, &value));
    EXPECT_EQ(value, QStringLiteral("x"));
    ASSERT_TRUE(ScanKeyValue(text, u"B1", &pos, &value));
    EXPECT_EQ(value, QString());
    const qsizetype before = pos;
    EXPECT_FALSE(ScanKeyValue(text, u"A1", &pos, &value)); // behind the position
    EXPECT_EQ(pos, before);
    // The last line needs no line end.
    ASSERT_TRUE(ScanKeyValue(text, u"A2", &pos, &value));
    EXPECT_EQ(value, QStringLiteral("y"));
    EXPECT_EQ(pos, text.size());
    pos = 0;
    ASSERT_TRUE(ScanKeyValue(u"k=v\r", u"k", &pos, &value));
    EXPECT_EQ(value, QStringLiteral("v"));
}
