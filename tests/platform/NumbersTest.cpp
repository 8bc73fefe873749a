// Numbers in the C locale, whatever locale the process and Qt run under.
#include "platform/Numbers.h"
#include "platform/Profile.h"

#include "TempDir.h"

#include <QLocale>
#include <clocale>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>

using namespace platform;

TEST(Numbers, ProfileIntegerRule)
{
    const struct {
        const char16_t* text;
        int value;
    } cases[] = {
        {u"42", 42}, {u" \t-17", -17}, {u"+8", 8}, {u"12abc", 12}, {u"3.9", 3}, {u"12 34", 12},
        {u"abc", 0}, {u"", 0}, {u"-", 0}, {u"+-1", 0}, {u"- 1", 0},
        {u"0x10", 16}, {u"0XfF", 255}, {u"-0x10", -16}, {u"0x", 0}, {u"0xg", 0}, {u"0x1g", 1},
        {u"１２３", 0}, {u"٣", 0},  // full-width and Arabic-Indic digits are no digits
        {u"2147483647", 2147483647}, {u"2147483648", 2147483647}, {u"99999999999999999999999", 2147483647},
        {u"-2147483648", -2147483647 - 1}, {u"-2147483649", -2147483647 - 1},
        {u"0xFFFFFFFF", 2147483647}, {u"-0x80000000", -2147483647 - 1}, {u"0x123456789abcdef01", 2147483647},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseProfileInteger(QStringView(c.text)), c.value) << QString::fromUtf16(c.text).toStdString();
}

TEST(Numbers, LeadingDoubleAsPercentLfReadsIt)
{
    const struct {
        const char16_t* text;
        std::optional<double> value;
    } cases[] = {
        {u"121.5", 121.5}, {u"  -3.25e2xyz", -325.0}, {u"\n\t 7", 7.0}, {u"+.5e-1", 0.05},
        {u".5", 0.5}, {u"5.", 5.0}, {u"1e", 1.0}, {u"1e+", 1.0}, {u"2E3", 2000.0}, {u"121,5", 121.0},
        {u"0x1p3", 0.0}, {u"23.4700N", 23.47}, {u"-0", -0.0},
        {u"", std::nullopt}, {u".", std::nullopt}, {u"-.e5", std::nullopt}, {u"abc", std::nullopt},
        {u"inf", std::nullopt}, {u"nan", std::nullopt}, {u"１２", std::nullopt}, {u"e5", std::nullopt},
        {u"1e400", std::numeric_limits<double>::max()}, {u"-1e400", -std::numeric_limits<double>::max()},
        {u"0.0001e99999999999999999999", std::numeric_limits<double>::max()},
        {u"1e-400", 0.0}, {u"123e-99999999999999", 0.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseLeadingDouble(QStringView(c.text)), c.value) << QString::fromUtf16(c.text).toStdString();
    // A very long run of digits is read whole and stays finite.
    const QString digits = QString(5000, u'9') + ".5";
    const std::optional<double> longValue = ParseLeadingDouble(digits);
    ASSERT_TRUE(longValue);
    EXPECT_EQ(*longValue, std::numeric_limits<double>::max());
    EXPECT_EQ(ParseLeadingDouble(QString(400, u'0') + "1.25"), 1.25);
}

TEST(Numbers, FormatsWithAPointAndExactRounding)
{
    constexpr int kShortest = std::numeric_limits<int>::min();
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {121.5, kShortest, "121.5"}, {0.1, kShortest, "0.1"}, {-120.9572, kShortest, "-120.9572"},
        {1e21, kShortest, "1000000000000000000000"},  // never an exponent
        // "%.*f": correctly rounded from the binary value (0.125 ties to even, 1.005 is below).
        {121.456, 2, "121.46"}, {0.125, 2, "0.12"}, {1.005, 2, "1.00"}, {-1.5, 0, "-2"},
        {3.0, 4, "3.0000"}, {3.14159, -1, "3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.decimals == kShortest ? FormatDouble(c.value) : FormatDouble(c.value, c.decimals),
                  QString::fromLatin1(c.text)) << c.text;
    // The longest fixed forms fit.
    EXPECT_EQ(FormatDouble(-std::numeric_limits<double>::max(), 100).size(), 309 + 1 + 100 + 1);
    EXPECT_EQ(FormatDouble(std::numeric_limits<double>::denorm_min()).left(6), QStringLiteral("0.0000"));
}

namespace {

// A decimal-comma locale for the process and for Qt, undone at the end of the test.
class GermanLocale {
public:
    GermanLocale()
    {
        const char* old = std::setlocale(LC_ALL, nullptr);
        saved_ = old ? old : "C";
        ok_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        savedQt_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    ~GermanLocale()
    {
        std::setlocale(LC_ALL, saved_.c_str());
        QLocale::setDefault(savedQt_);
    }
    bool ok() const { return ok_; }

private:
    std::string saved_;
    QLocale savedQt_;
    bool ok_ = false;
};

} // namespace

TEST(Numbers, DecimalCommaLocaleChangesNothing)
{
    GermanLocale german;
    if (!german.ok())
        GTEST_SKIP() << "locale de_DE.UTF-8 is not available; generate it with: "
                        "sed -i 's/^# *de_DE.UTF-8/de_DE.UTF-8/' /etc/locale.gen && locale-gen";
    // The locale is really in force: the C library and Qt write a decimal comma.
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.1f", 121.5);
    ASSERT_STREQ(buffer, "121,5");
    ASSERT_EQ(QLocale().toString(121.5), QStringLiteral("121,5"));

    EXPECT_EQ(FormatDouble(121.5), QStringLiteral("121.5"));
    EXPECT_EQ(FormatDouble(121.5, 1), QStringLiteral("121.5"));
    EXPECT_EQ(FormatDouble(1234567.25, 2), QStringLiteral("1234567.25"));
    EXPECT_EQ(ParseLeadingDouble(u"121.5"), 121.5);
    EXPECT_EQ(ParseLeadingDouble(u"121,5"), 121.0);
    EXPECT_EQ(ParseProfileInteger(u"1.234"), 1);

    TempDir dir;
    const QString path = dir.file("numbers.txt");
    ASSERT_TRUE(WriteProfileString(path, "N", "Latitude", FormatDouble(23.47, 4)));
    EXPECT_EQ(GetProfileString(path, "N", "Latitude"), QStringLiteral("23.4700"));
    EXPECT_EQ(ParseLeadingDouble(GetProfileString(path, "N", "Latitude")), 23.47);
    EXPECT_EQ(GetProfileInt(path, "N", "Latitude"), 23);
}
