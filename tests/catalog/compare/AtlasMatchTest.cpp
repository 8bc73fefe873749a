// Pairing references with atlas pages: the score worked out by hand, ties, pages taken, volumes
// without pages, and the fixture's references against its atlas page.
#include "AtlasFixture.h"
#include "catalog/compare/AtlasKeys.h"
#include "catalog/compare/AtlasMatch.h"
#include "catalog/text/HtmlTableReader.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

GuideEntry Page(int volume, int page, const QString& title)
{
    GuideEntry e;
    e.volume = volume;
    e.page = page;
    e.title = title;
    return e;
}

TEST(AtlasMatchScore, CountsReferenceCharactersFoundInTheTitle)
{
    const struct {
        QString reference, title;
        int score;
    } cases[] = {
        {u"abc"_s, u"cab"_s, 100},
        {u"aab"_s, u"a"_s, 66},                   // both a's count: 2 * 100 / 3
        {u"雪山"_s, u"雪"_s, 50},
        {u"藍天圖集[15]雪山北稜線"_s, u"雪山北稜"_s, 30},  // 4 of 13
        {u"藍天圖集[15]雪山北稜線"_s, u"雪山主東"_s, 15},  // 2 of 13
        {u"藍天圖集[3]拉拉山"_s, u"北插天山"_s, 20},      // 天 and 山 of 10
        {u"藍天圖集[15]志佳陽線"_s, u"志佳陽"_s, 25},      // 3 of 12
        {u"abc"_s, u""_s, 0},
        {u""_s, u"abc"_s, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AtlasMatchScore(c.reference, c.title), c.score) << c.reference.toStdString();
}

TEST(MatchAtlasEntries, BestFirstOnTiesAndNoPageTwice)
{
    const QList<GuideEntry> atlas = {Page(15, 1, u"甲乙"_s), Page(15, 2, u"甲丙"_s), Page(3, 1, u"丁"_s)};
    const QList<GuideEntry> refs = {
        Page(15, 0, u"甲"_s),      // ties 50/50 over both pages: the first
        Page(15, 0, u"甲乙丁"_s),  // best is page 1 again, taken: unpaired
        Page(15, 0, u"丙"_s),      // page 2
        Page(9, 0, u"丁"_s),       // no pages of volume 9: unpaired
        Page(3, 0, u"戊"_s),       // score 0 everywhere: the first page of the volume
        Page(-1, 0, u"丁"_s),      // below 1 ends the walk
    };
    QList<int> match;
    EXPECT_EQ(MatchAtlasEntries(atlas, refs, &match), 3);
    EXPECT_EQ(match, (QList<int>{1, 3, 5}));
    EXPECT_EQ(MatchAtlasEntries({}, refs, &match), 0);
    EXPECT_TRUE(match.isEmpty());
}

TEST(MatchAtlasEntries, FixtureReferencesAgainstTheAtlasPage)
{
    AtlasProgram program;
    ASSERT_NE(program.group, nullptr);
    QList<GuideEntry> atlas;
    ASSERT_EQ(ReadHtmlTableCells(program.root + u"/data/guide2.htm"_s, &atlas), 5);
    QList<GuideEntry> refs;
    ASSERT_EQ(ReadAtlasKeys(*program.group, 0, atlas, kBlueSkyKeyPattern, kBlueSkyLinkPattern,
                            &refs, nullptr), 6);
    // Atlas: 十五012 雪山北稜, 十五045 雪山主東, 十五050 志佳陽, 三020 拉拉山, 三101 北插天山.
    // References: 0 [15]志佳陽線, 1 [15]雪山北稜線, 2 [9]無頁, 3 [3]拉拉山, then volume -1.
    QList<int> match;
    EXPECT_EQ(MatchAtlasEntries(atlas, refs, &match), 3);
    EXPECT_EQ(match, (QList<int>{2, 0, 1, 4, 0}));
}

} // namespace
