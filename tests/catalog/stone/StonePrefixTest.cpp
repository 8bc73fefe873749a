// Stone-class membership of a stone number, and the names and tree folders of the class subsets.
#include "catalog/subsets/stones/StonePrefix.h"
#include "catalog/subsets/stones/SubsetStone.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(MatchStonePrefixTest, WordAtTheStartThenDigitsOrLettersAfterTheProvincialPrefixes)
{
    constexpr int kUntouched = -7;
    const struct {
        const char* text;
        const char* word;
        bool matches;
        int number;  // kUntouched when no match
    } cases[] = {
        {"一等123", "一等", true, 123},
        {"一等", "一等", true, 0},
        {"一等12A", "一等", true, 12},
        {"一等A12", "一等", false, kUntouched},
        {"省府一等", "一等", false, kUntouched},
        {"", "一等", false, kUntouched},
        {"一", "一等", false, kUntouched},
        {"省府A12", "省府", true, 0},
        {"省府AB12", "省府", true, 0},
        {"省府A", "省府", false, kUntouched},
        {"省府AB", "省府", false, kUntouched},
        {"省府ABC1", "省府", false, kUntouched},
        {"省府A-1", "省府", false, kUntouched},
        {"台北縣乙5", "台北縣", true, 0},
        {"高速圖根點K3", "高速圖根點", true, 0},
        {"二等衛星控制點AB3", "二等衛星控制點", true, 0},
        // The prefix is the text's, not the word's: after 航 come the letters 測 and X.
        {"航測X1", "航", true, 0},
        {"森林A12", "森林", false, kUntouched},
        // Numbers saturate at the largest int.
        {"三等2147483647", "三等", true, INT_MAX},
        {"三等2147483648", "三等", true, INT_MAX},
        {"三等999999999999", "三等", true, INT_MAX},
        // A letter outside the basic plane is one letter (two UTF-16 code units).
        {"省府\U00020000" "12", "省府", true, 0},
        {"省府\U00020000\U00020001" "3", "省府", true, 0},
        {"省府\U00020000", "省府", false, kUntouched},
        {"省府\U00020000\U00020001", "省府", false, kUntouched},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        int number = kUntouched;
        EXPECT_EQ(MatchStonePrefix(text, QString::fromUtf8(c.word), &number), c.matches)
            << c.text << " / " << c.word;
        EXPECT_EQ(number, c.number) << c.text << " / " << c.word;
    }
}

TEST(MatchStonePrefixTest, ATextCutBeforeTheDigitIsNeverReadPastItsEnd)
{
    // The view ends after the letter; the character after it in memory is a digit.
    const QString whole = QStringLiteral("省府A1");
    int number = -1;
    EXPECT_FALSE(MatchStonePrefix(QStringView(whole).first(3), u"省府", &number));
    EXPECT_EQ(number, -1);
    EXPECT_TRUE(MatchStonePrefix(QStringView(whole), u"省府", &number));
}

TEST(StoneClassNameTest, DisplayNameAndFolderFollowTheWord)
{
    const struct {
        const char* word;
        const char* name;
        int folder;
    } cases[] = {
        {"一", "一字基石", CSubsetBase::kFolderBasic},
        {"\U00020000", "\U00020000字基石", CSubsetBase::kFolderBasic},
        {"三等", "三等基石", CSubsetBase::kFolderBasic},
        {"台北縣", "台北縣基石", CSubsetBase::kFolderBasic},
        {"都計四等", "都計四等基石", CSubsetBase::kFolderBasic},
        {"高速圖根點", "高速圖根點", CSubsetBase::kFolderBasic},
        {"二等衛星控制點", "二等衛星控制點", CSubsetBase::kFolderBasic},
        {"圖根點", "圖根點", CSubsetBase::kFolderBasic},
        {"石門", "石門", CSubsetBase::kFolderBasic},
        {"水源", "水源基石", CSubsetBase::kFolderWater},
        {"水資會", "水資會基石", CSubsetBase::kFolderWater},
        {"水建會A", "水建會A基石", CSubsetBase::kFolderWater},
        {"北水局", "北水局基石", CSubsetBase::kFolderWater},
        {"台北水源處", "台北水源處", CSubsetBase::kFolderWater},
        {"水", "水字基石", CSubsetBase::kFolderBasic},
    };
    for (const auto& c : cases) {
        const QString word = QString::fromUtf8(c.word);
        EXPECT_EQ(CSubsetStone::DisplayNameOf(word), QString::fromUtf8(c.name)) << c.word;
        EXPECT_EQ(CSubsetStone::FolderOf(word), c.folder) << c.word;
    }
}

TEST(StoneClassNameTest, TheStoneGroupsSubsetsTakeTheFolderThePeakGroupsBasic)
{
    const CSubsetStone ofStones(QStringLiteral("水源"), static_cast<CGroupStone*>(nullptr));
    EXPECT_EQ(ofStones.TypeCode(), CSubsetBase::kTypeStone);
    EXPECT_EQ(ofStones.FolderCode(), CSubsetBase::kFolderWater);
    EXPECT_EQ(ofStones.DisplayName(), QStringLiteral("水源基石"));
    EXPECT_EQ(ofStones.Section(), QStringLiteral("Stone"));

    const CSubsetStone ofPeaks(QStringLiteral("水源"), static_cast<CGroupTalvane*>(nullptr));
    EXPECT_EQ(ofPeaks.TypeCode(), CSubsetBase::kTypeStone);
    EXPECT_EQ(ofPeaks.FolderCode(), CSubsetBase::kFolderBasic);
    EXPECT_EQ(ofPeaks.DisplayName(), QStringLiteral("水源基石"));
    EXPECT_EQ(ofPeaks.Section(), QStringLiteral("Talvane"));

    EXPECT_TRUE(ofPeaks.MatchesKey(QStringLiteral("水源")));
    EXPECT_FALSE(ofPeaks.MatchesKey(QStringLiteral("水")));
    EXPECT_FALSE(ofPeaks.MatchesKey(QString()));
}

} // namespace
