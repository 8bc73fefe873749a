// The tolerant name search: a text split into terms at the configured separators, a term tried
// again with its first paired character swapped, every item listed once, and the settings read
// from files as the owner's Windows machine wrote them.
#include "ui/dialogs/find/FuzzySearch.h"

#include "platform/Profile.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

// 𠮷 (U+20BB7) and 𠮸 (U+20BB8) share their high surrogate.
const QString kExtB = QString::fromUcs4(U"\U00020BB7");
const QString kExtB2 = QString::fromUcs4(U"\U00020BB8");

struct SplitCase {
    const char* what;
    QString text;
    QString separators;
    QString namePairs;
    QStringList terms;
    // The term of the second pass for each term; none: the term is searched once.
    QList<std::optional<QString>> swapped;
};

std::optional<QString> None() { return std::nullopt; }
std::optional<QString> Some(const QString& s) { return s; }

QStringList Numbered(int from, int to)
{
    QStringList terms;
    for (int i = from; i <= to; ++i)
        terms << QString::number(i);
    return terms;
}

QList<std::optional<QString>> NoSwaps(qsizetype n) { return QList<std::optional<QString>>(n); }

const QList<SplitCase>& SplitCases()
{
    static const QList<SplitCase> cases = {
        {"space and full-width comma", u"烏來 十分，銀河"_s, u" ，"_s, {}, {u"烏來"_s, u"十分"_s, u"銀河"_s}, NoSwaps(3)},
        {"leading, trailing and doubled separators", u"，，烏來  十分， "_s, u" ，"_s, {}, {u"烏來"_s, u"十分"_s}, NoSwaps(2)},
        {"only separators", u" ，， "_s, u" ，"_s, {}, {}, {}},
        {"no separators configured: one term", u"烏來 十分"_s, {}, {}, {u"烏來 十分"_s}, NoSwaps(1)},
        {"a separator that the text lacks: one term", u"烏來十分"_s, u"，"_s, {}, {u"烏來十分"_s}, NoSwaps(1)},
        {"31 terms: the last is dropped", Numbered(1, 31).join(u','), u","_s, {}, Numbered(1, 30), NoSwaps(30)},
        {"30 terms all kept", Numbered(1, 30).join(u','), u","_s, {}, Numbered(1, 30), NoSwaps(30)},
        {"臺 swapped for 台", u"臺灣"_s, {}, u"台臺"_s, {u"臺灣"_s}, {Some(u"台灣"_s)}},
        {"台 swapped for 臺", u"台灣"_s, {}, u"台臺"_s, {u"台灣"_s}, {Some(u"臺灣"_s)}},
        {"the second pair", u"五峰旗"_s, {}, u"台臺峯峰"_s, {u"五峰旗"_s}, {Some(u"五峯旗"_s)}},
        {"only the first paired character is swapped", u"台臺"_s, {}, u"台臺"_s, {u"台臺"_s}, {Some(u"臺臺"_s)}},
        {"first paired character of the term decides", u"峰台"_s, {}, u"台臺峯峰"_s, {u"峰台"_s}, {Some(u"峯台"_s)}},
        {"first occurrence in the pairs decides", u"臺"_s, {}, u"台臺臺x"_s, {u"臺"_s}, {Some(u"台"_s)}},
        {"no paired character: one pass", u"烏來"_s, {}, u"台臺"_s, {u"烏來"_s}, {None()}},
        {"odd pairs, last character alone: one pass, nothing cut", u"峰頂"_s, {}, u"台臺峰"_s, {u"峰頂"_s}, {None()}},
        {"odd pairs, last character at the start of the term", u"峰"_s, {}, u"台臺峰"_s, {u"峰"_s}, {None()}},
        {"odd pairs, an earlier pair still swaps", u"台峰"_s, {}, u"台臺峰"_s, {u"台峰"_s}, {Some(u"臺峰"_s)}},
        {"Extension-B separator", u"甲"_s + kExtB + u"乙"_s, kExtB, {}, {u"甲"_s, u"乙"_s}, NoSwaps(2)},
        {"Extension-B separator does not split a character sharing its high surrogate",
         u"甲"_s + kExtB2 + u"乙"_s, kExtB, {}, {u"甲"_s + kExtB2 + u"乙"_s}, NoSwaps(1)},
        {"Extension-B character swapped for its partner", kExtB + u"野"_s, {}, kExtB + u"吉"_s,
         {kExtB + u"野"_s}, {Some(u"吉野"_s)}},
        {"partner swapped for the Extension-B character", u"吉野"_s, {}, kExtB + u"吉"_s,
         {u"吉野"_s}, {Some(kExtB + u"野"_s)}},
        {"pairs after an Extension-B pair are counted in characters", u"臺"_s, {}, kExtB + u"吉台臺"_s,
         {u"臺"_s}, {Some(u"台"_s)}},
        {"Extension-B character alone at the end of odd pairs", kExtB, {}, u"台臺"_s + kExtB, {kExtB}, {None()}},
        {"a character sharing the high surrogate is not paired", kExtB2, {}, kExtB + u"吉"_s, {kExtB2}, {None()}},
    };
    return cases;
}

TEST(FuzzySearchTest, SplitsTermsAndSwapsPartners)
{
    for (const SplitCase& c : SplitCases()) {
        SCOPED_TRACE(c.what);
        const QStringList terms = fuzzy::SplitTerms(c.text, c.separators);
        EXPECT_EQ(terms, c.terms);
        ASSERT_EQ(terms.size(), c.swapped.size());
        for (qsizetype i = 0; i < terms.size(); ++i)
            EXPECT_EQ(fuzzy::SwappedTerm(terms[i], c.namePairs), c.swapped[i]) << terms[i].toStdString();
    }
}

struct FindCase {
    const char* what;
    QStringList terms;
    QString namePairs;
    std::vector<fuzzy::ItemNames> items;
    QList<std::pair<int, int>> hits;  // item, via
};

TEST(FuzzySearchTest, ListsEachItemOnceInTheOrderFound)
{
    const QList<FindCase> cases = {
        {"two terms, one item each", {u"烏來"_s, u"十分"_s}, {},
         {{u"十分瀑布"_s, {}, {}}, {u"烏來瀑布"_s, {}, {}}}, {{1, 0}, {0, 0}}},
        {"an item found by two terms is listed once", {u"烏來"_s, u"瀑布"_s}, {},
         {{u"烏來瀑布"_s, {}, {}}, {u"十分瀑布"_s, {}, {}}}, {{0, 0}, {1, 0}}},
        {"first pass, then the swapped term", {u"臺灣"_s}, u"台臺"_s,
         {{u"台灣瀑布"_s, {}, {}}, {u"臺灣山"_s, {}, {}}, {u"烏來"_s, {}, {}}}, {{1, 0}, {0, 0}}},
        {"the reverse way", {u"台灣"_s}, u"台臺"_s,
         {{u"台灣瀑布"_s, {}, {}}, {u"臺灣山"_s, {}, {}}}, {{0, 0}, {1, 0}}},
        {"an item found by both passes is listed once", {u"台"_s}, u"台臺"_s,
         {{u"台臺"_s, {}, {}}}, {{0, 0}}},
        {"odd pairs: the unpartnered term matches only what holds it", {u"峰頂"_s}, u"台臺峰"_s,
         {{u"峰頂山"_s, {}, {}}, {u"山頂"_s, {}, {}}, {u"頂"_s, {}, {}}}, {{0, 0}}},
        {"hit by the first and the second alternative", {u"烏來"_s}, {},
         {{u"甲"_s, u"烏來大瀑布"_s, {}}, {u"乙"_s, {}, u"烏來"_s}, {u"烏來"_s, u"烏來"_s, u"烏來"_s}},
         {{0, 1}, {1, 2}, {2, 0}}},
        {"the swapped term through an alternative", {u"五峰旗"_s}, u"台臺峯峰"_s,
         {{u"五峰旗瀑布"_s, {}, {}}, {u"瀑布"_s, u"五峯旗"_s, {}}}, {{0, 0}, {1, 1}}},
        {"exact substring, case-sensitive", {u"ab"_s}, {},
         {{u"AB"_s, u"aB"_s, {}}, {u"xab"_s, {}, {}}}, {{1, 0}}},
        {"Extension-B pair found both ways", {kExtB + u"野"_s}, kExtB + u"吉"_s,
         {{u"吉野山"_s, {}, {}}, {kExtB + u"野"_s, {}, {}}, {kExtB2 + u"野"_s, {}, {}}}, {{1, 0}, {0, 0}}},
        {"no terms: nothing", {}, {}, {{u"烏來"_s, {}, {}}}, {}},
    };
    for (const FindCase& c : cases) {
        SCOPED_TRACE(c.what);
        QList<std::pair<int, int>> hits;
        for (const fuzzy::Hit& hit : fuzzy::FindByTerms(c.terms, c.namePairs, c.items))
            hits.append({hit.item, hit.via});
        EXPECT_EQ(hits, c.hits);
    }
}

const QString kSettingsFolder = QStringLiteral(TALVANE_TEST_DATA "/finditems/settings/");

// Settings read into 200 and 64 code units (the terminator included): 199 and 63 are kept,
// and a surrogate pair that does not fit whole is dropped whole.
TEST(FuzzySearchTest, ReadsSettingsCutWithoutSplittingAPair)
{
    platform::ClearProfileCache();
    const fuzzy::Settings cut = fuzzy::ReadSettings(kSettingsFolder + u"straddling.txt"_s);
    EXPECT_EQ(cut.separators, QString(198, u'，'));
    EXPECT_EQ(cut.namePairs, u"台臺"_s.repeated(31));

    const fuzzy::Settings fitting = fuzzy::ReadSettings(kSettingsFolder + u"fitting.txt"_s);
    EXPECT_EQ(fitting.separators, QString(197, u'，') + kExtB);
    EXPECT_EQ(fitting.separators.size(), fuzzy::kSeparatorsWidth - 1);
    EXPECT_EQ(fitting.namePairs, u"台臺"_s.repeated(30) + u"峯"_s + kExtB);
    EXPECT_EQ(fitting.namePairs.size(), fuzzy::kNamePairsWidth - 1);
    // The pair kept whole still splits the text as one character.
    EXPECT_EQ(fuzzy::SplitTerms(u"甲"_s + kExtB + u"乙"_s, fitting.separators), QStringList({u"甲"_s, u"乙"_s}));
}

TEST(FuzzySearchTest, ReadsSettingsOfACp950FileAndNoneOfAMissingOne)
{
    platform::ClearProfileCache();
    const fuzzy::Settings ansi = fuzzy::ReadSettings(kSettingsFolder + u"cp950.txt"_s);
    EXPECT_EQ(ansi.separators, u"， 、"_s);
    EXPECT_EQ(ansi.namePairs, u"台臺"_s);
    EXPECT_EQ(fuzzy::SplitTerms(u"烏來、十分 銀河"_s, ansi.separators),
              QStringList({u"烏來"_s, u"十分"_s, u"銀河"_s}));

    const fuzzy::Settings none = fuzzy::ReadSettings(kSettingsFolder + u"missing.txt"_s);
    EXPECT_TRUE(none.separators.isEmpty());
    EXPECT_TRUE(none.namePairs.isEmpty());
}

} // namespace
