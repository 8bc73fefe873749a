#include "catalog/text/AtlasRef.h"

#include "TextPrinters.h"
#include <QString>
#include <climits>
#include <gtest/gtest.h>

namespace {

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

struct ParseCase {
    const char* text;
    int code;
    int volume; // checked only when the code is not 0
    int page;
};

} // namespace

TEST(AtlasRef, ParsesTheParenthesisedForm)
{
    const ParseCase cases[] = {
        {"(十五045)雪山", 14955, 15, 45},
        {"(十五045)", 14955, 15, 45},
        {"(一001)", 999, 1, 1},
        {"(三十999)x", 29001, 30, 999},
        {"(二十一100)", 20900, 21, 100},
        {"(拾五045)", -1045, -1, 45}, // unknown volume: negative, not 0
        {"(十五 45)", 14955, 15, 45},  // a page with a leading space
        {"(十五0x5)", 15000, 15, 0},   // conversion stops at the first non-digit
        {"(一04)", 0, 0, 0},          // ")" at position 4
        {"", 0, 0, 0},
        {" (十五045)", 0, 0, 0},       // "(" not at 0
        {"十五045)", 0, 0, 0},
        {"(十五045", 0, 0, 0},         // no ")"
        {"(十五045))", 14955, 15, 45}, // the first ")" counts
    };
    for (const ParseCase& c : cases) {
        int volume = -99, page = -99;
        EXPECT_EQ(ParseAtlasRefInParens(U(c.text), &volume, &page), c.code) << c.text;
        if (c.code != 0) {
            EXPECT_EQ(volume, c.volume) << c.text;
            EXPECT_EQ(page, c.page) << c.text;
        }
    }
    EXPECT_EQ(ParseAtlasRefInParens(U("(十五045)"), nullptr, nullptr), 14955);
}

TEST(AtlasRef, ParsesTheDashedForm)
{
    const ParseCase cases[] = {
        {"十五045-雪山", 114955, 15, 45},
        {"十五-045-雪山", 114955, 15, 45}, // trailing dash of the volume text removed
        {"一1-x", 100999, 1, 1},
        {"三十999", 129001, 30, 999},
        {"二十一-045-x", 0, 0, 0},         // first digit at position 4
        {"045-x", 0, 0, 0},                // first digit at position 0
        {"雪山", 0, 0, 0},
        {"", 0, 0, 0},
        {"四十五045-x", 98955, -1, 45},    // unknown volume: not 0, decodes as volume 99
        {"十五０45-x", 98955, -1, 45},      // a full-width digit is no page digit: it joins the name
    };
    for (const ParseCase& c : cases) {
        int volume = -99, page = -99;
        EXPECT_EQ(ParseAtlasRefDashed(U(c.text), &volume, &page), c.code) << c.text;
        if (c.code != 0) {
            EXPECT_EQ(volume, c.volume) << c.text;
            EXPECT_EQ(page, c.page) << c.text;
        }
    }
}

TEST(AtlasRef, LongDigitRunsSaturateInsteadOfOverflowing)
{
    int volume = 0, page = 0;
    const int code = ParseAtlasRefDashed(U("十五99999999999999999999999-x"), &volume, &page);
    EXPECT_EQ(page, INT_MAX);
    EXPECT_EQ(code, 115000 - INT_MAX);
    EXPECT_EQ(ParseAtlasRefDashed(U("拾五99999999999999999999-x"), &volume, &page), 99000 - INT_MAX);

    // Any int, as an untrusted cache file may hold, decodes and formats without overflow.
    QString text = U("kept");
    for (int code : {INT_MAX, INT_MIN, INT_MAX - 998, INT_MIN + 1, -1, 0}) {
        EXPECT_FALSE(FormatAtlasRefInParens(code, &text)) << code;
        EXPECT_FALSE(FormatAtlasRefDashed(code, &text)) << code;
    }
    EXPECT_EQ(text, U("kept"));
}

TEST(AtlasRef, FormatsBothFormsFromACodeOfEitherKind)
{
    QString text;
    ASSERT_TRUE(FormatAtlasRefInParens(14955, &text));
    EXPECT_EQ(text, U("(十五045)"));
    ASSERT_TRUE(FormatAtlasRefDashed(114955, &text));
    EXPECT_EQ(text, U("十五045-"));
    ASSERT_TRUE(FormatAtlasRefInParens(114955, &text));
    EXPECT_EQ(text, U("(十五045)"));
    ASSERT_TRUE(FormatAtlasRefDashed(14955, &text));
    EXPECT_EQ(text, U("十五045-"));

    // Page 0 is volume * 1000 and comes back as page 1000.
    ASSERT_TRUE(FormatAtlasRefInParens(AtlasRefCode(kAtlasKindBlueSky, 15, 0), &text));
    EXPECT_EQ(text, U("(十五1000)"));

    text = U("kept");
    EXPECT_FALSE(FormatAtlasRefInParens(0, &text));
    EXPECT_FALSE(FormatAtlasRefInParens(-1045, &text));
    EXPECT_FALSE(FormatAtlasRefInParens(98955, &text)); // volume 99
    EXPECT_FALSE(FormatAtlasRefDashed(98955, &text));
    EXPECT_EQ(text, U("kept"));
}

TEST(AtlasRef, EveryVolumeAndPageRoundTrips)
{
    for (int volume = 1; volume <= kAtlasVolumeCount; ++volume) {
        const QString name = AtlasVolumeName(volume).toString();
        ASSERT_FALSE(name.isEmpty());
        ASSERT_LE(name.size(), 3);
        EXPECT_EQ(AtlasVolumeIndex(name), volume);
        for (int page : {1, 7, 45, 100, 999}) {
            const int blueSky = AtlasRefCode(kAtlasKindBlueSky, volume, page);
            const int quill = AtlasRefCode(kAtlasKindQuill, volume, page);
            EXPECT_EQ(AtlasRefKind(quill), kAtlasKindQuill);
            EXPECT_EQ(AtlasRefVolume(blueSky), volume);
            EXPECT_EQ(AtlasRefPage(quill), page);

            QString parens, dashed;
            ASSERT_TRUE(FormatAtlasRefInParens(blueSky, &parens));
            ASSERT_TRUE(FormatAtlasRefDashed(quill, &dashed));
            int v = 0, p = 0;
            EXPECT_EQ(ParseAtlasRefInParens(parens + U("標題"), &v, &p), blueSky) << qPrintable(parens);
            EXPECT_EQ(v, volume);
            EXPECT_EQ(p, page);
            EXPECT_EQ(ParseAtlasRefDashed(dashed + U("標題"), &v, &p), quill) << qPrintable(dashed);
        }
    }
    EXPECT_TRUE(AtlasVolumeName(0).isEmpty());
    EXPECT_TRUE(AtlasVolumeName(31).isEmpty());
    // Names match exactly: surrounding spaces or dashes make them unequal.
    for (const char* text : {" 十", "十-", "", "三十一"})
        EXPECT_EQ(AtlasVolumeIndex(U(text)), -1) << text;
}
