// Named-list and name-pattern subsets over peak files and a main settings file as a Windows
// machine saved them (UTF-16LE with byte-order mark, CR LF): the free name tests, the sort
// values of series names, the series sort, the lists with their visit figures and the map marks.
#include "catalog/subsets/names/NameMatch.h"
#include "catalog/subsets/names/SubsetPostfix.h"
#include "catalog/subsets/names/SubsetSameName.h"
#include "catalog/subsets/names/SubsetSerial.h"
#include "catalog/subsets/names/SubsetTalvanes.h"

#include "BarePeakGroup.h"
#include "FakeItemList.h"
#include "FakeMessageBox.h"
#include "FakePointView.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/records/ItemRowValue.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/window/IItemList.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(MatchSameName, BaseNameAliasesAndSummits)
{
    const QStringList aliases = {"加里山", "西丘", "東丘"};
    const struct {
        const char* name;
        int aliasCount;
        bool match;
    } cases[] = {
        {"北加里山", 3, true},   // holds the base name
        {"加里", 0, true},
        {"加里峰", 3, false},    // a summit
        {"北加里山峰", 3, false},
        {"大西丘", 3, true},     // the alias ends the name
        {"西丘斯山", 3, false},  // the alias neither ends in 山 nor ends the name
        {"小東丘", 2, false},    // only the first two aliases
        {"小東丘", 3, true},
        {"鳥嘴山", 3, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchSameName(QString::fromUtf8(c.name), "加里", c.aliasCount, aliases), c.match)
            << c.name;
    }
    // An alias ending in 山 counts wherever it stands.
    EXPECT_TRUE(MatchSameName("石門山北", "霞喀羅", 1, {"石門山"}));
    EXPECT_FALSE(MatchSameName("石門北", "霞喀羅", 5, {"石門山"}));
}

TEST(MatchPostfix, WordAfterTheFirstCharacter)
{
    const struct {
        const char *name, *word;
        bool match;
    } cases[] = {
        {"大山", "山", true},  {"山", "山", false},      {"福大山", "山", false},
        {"福大山", "大山", false}, {"南大山", "大山", true}, {"大山", "大山", false},
        {"大山峰", "山", false}, {"大山大山", "大山", false},  // its first occurrence is at the start
        {"南湖大山", "大山", true}, {"南山", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MatchPostfix(QString::fromUtf8(c.name), QString::fromUtf8(c.word)), c.match)
            << c.name << " " << c.word;
    }
}

class SubsetNamesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        group.SetUpIn(dir, &table, &box);
    }
    void Settings(const QString& text)
    {
        const QString crlf = QString(text).replace(u'\n', QStringLiteral("\r\n"));
        dir.write(QStringLiteral("峰嵐錄.txt"), Utf16LeWithBom(crlf));
        platform::ClearProfileCache();
    }
    // Adds a peak; lines are further keys of its file, each ended by CR LF.
    void AddPeak(const QString& name, const QString& lines = {})
    {
        const QString path =
            dir.write(QStringLiteral("山/%1.txt").arg(group.ItemCount()),
                      Utf16LeWithBom("[Talvane]\r\nName=" + name + "\r\n" + lines));
        ASSERT_TRUE(group.LoadItemFile(path, platform::FileTime{1}));
    }
    template <class Subset>
    Subset* Add(Subset* subset)
    {
        group.AddSubset(subset);
        return subset;
    }
    QList<quint32> Marked(CSubsetBase* subset)
    {
        FakePointView view;
        const int count = subset->MarkOnMap(&view);
        QList<quint32> keys;
        for (const auto& p : view.points)
            keys << p.key;
        EXPECT_EQ(count, keys.size());
        return keys;
    }

    TempDir dir;
    CGroupTable table;
    FakeMessageBox box;
    BarePeakGroup group;
};

// The numeral series with a fourteenth word, 零, which has no numeral value.
const QString kNumerals = QStringLiteral("[Serial]\n數字=一,二,三,四,五,六,七,八,九,十,百,千,萬,零\n");

TEST_F(SubsetNamesTest, NumeralNamesValuedByTheNumberTheySpell)
{
    Settings(kNumerals);
    CSubsetSerial* serial = Add(new CSubsetSerial("數字", &group));
    ASSERT_EQ(serial->ReadWords(), 14);
    const struct {
        const char* name;
        bool second;
        int value;
    } cases[] = {
        {"二十", false, 80},    {"二十三", false, 92}, {"三百", false, 1200},
        {"十三", false, 54},    {"五十一", false, 206}, {"二十", true, 81},
        {"二十一", false, 86},  // 一 found after 十, 二 before that: 21, not at the start
        {"大十一", false, 46},  // no numeral before 十: 11
        {"北二", false, 10},
        {"三十", false, 120},   // 十 ends the name: nothing is read past it
        {"零", false, 0},       // only the first thirteen words are numerals
        {"零五", false, 22},    // 零 is no neighbour either
        {"五零", false, 20},
        {"雪山", false, 0},     {"", true, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(serial->WordValue(QString::fromUtf8(c.name), c.second), c.value)
            << c.name << (c.second ? " (Name2)" : "");
    }
}

// The numbers are those ICU 72.1's Traditional Chinese spell-out (RuleBasedNumberFormat,
// URBNF_SPELLOUT, locale zh_Hant_TW) writes for these texts and parses from them. A value is 4 ×
// the number, + 2 where the first numeral in list order is not at the start of the name.
TEST_F(SubsetNamesTest, NumeralFixtureMatchesIcuSpellOut)
{
    Settings(kNumerals);
    CSubsetSerial* serial = Add(new CSubsetSerial("數字", &group));
    serial->ReadWords();
    const struct {
        const char* text;
        int number;  // ICU spell-out
        bool notAtStart;
    } fixture[] = {
        {"十", 10, false},     {"十一", 11, true},    {"二十三", 23, false}, {"三十五", 35, false},
        {"九十九", 99, false}, {"三百", 300, false},  {"五千", 5000, false},
    };
    for (const auto& f : fixture) {
        EXPECT_EQ(serial->WordValue(QString::fromUtf8(f.text), false),
                  4 * f.number + (f.notAtStart ? 2 : 0))
            << f.text;
    }
}

TEST_F(SubsetNamesTest, OtherSeriesValuedByListPosition)
{
    Settings("[Serial]\n五嶽=玉山,雪山,秀姑巒山,北大武山,南湖大山\n數=一,二,三\n");
    CSubsetSerial* five = Add(new CSubsetSerial("五嶽", &group));
    CSubsetSerial* plain = Add(new CSubsetSerial("數", &group));
    EXPECT_EQ(five->DisplayName(), "五嶽山");
    EXPECT_EQ(five->TypeCode(), CSubsetBase::kTypeSerial);
    EXPECT_EQ(five->FolderCode(), CSubsetBase::kFolderBasic);
    EXPECT_EQ(five->Section(), "Talvane");
    five->ReadWords();
    plain->ReadWords();
    EXPECT_EQ(five->WordValue("玉山北峰", false), 4);
    EXPECT_EQ(five->WordValue("北大武山", false), 16);
    EXPECT_EQ(five->WordValue("大雪山", true), 11);
    EXPECT_EQ(plain->WordValue("二十三", false), 8) << "not the numeral series: the position";
}

// Words and aliases beyond the tables' room are left out: the lists stay within 20 and 10.
TEST_F(SubsetNamesTest, ExtraWordsAndAliasesIgnored)
{
    QString words, aliases;
    for (int i = 1; i <= 25; ++i)
        words += QStringLiteral("字%1號,").arg(i, 2, 10, QLatin1Char('0'));
    for (int i = 1; i <= 12; ++i)
        aliases += QStringLiteral("別%1山,").arg(i, 2, 10, QLatin1Char('0'));
    Settings("[Serial]\n多=" + words + "\n[NameAlias]\n加里=" + aliases + "\n");
    AddPeak("字20號");
    AddPeak("字21號");
    AddPeak("別10山");
    AddPeak("別11山");
    CSubsetSerial* serial = Add(new CSubsetSerial("多", &group));
    FakeItemList list;
    EXPECT_EQ(serial->FillList(&list, nullptr, nullptr), 1);
    EXPECT_EQ(serial->Words().size(), 20);
    EXPECT_EQ(list.RowValues(), QList<quint32>({0}));
    EXPECT_EQ(serial->WordValue("字20號", false), 80);
    EXPECT_EQ(serial->WordValue("字21號", false), 0);

    CSubsetSameName* same = Add(new CSubsetSameName("加里", &group));
    EXPECT_EQ(same->ReadAliases().size(), 10);
    FakeItemList sameList;
    EXPECT_EQ(same->FillList(&sameList, nullptr, nullptr), 1);
    EXPECT_EQ(sameList.RowValues(), QList<quint32>({2}));
}

// Series peaks with their values: 二十三山 92, 三百山 1200, 大山 by its Name2 十三 55, 五十一山
// 206, 二十山 80, 十三山 54, and 零山, listed by the fourteenth word but valued 0.
class SerialSortTest : public SubsetNamesTest {
protected:
    void SetUp() override
    {
        SubsetNamesTest::SetUp();
        Settings(kNumerals);
        const struct {
            const char *name, *name2;
            int height;
        } peaks[] = {
            {"二十三山", "", 2300}, {"三百山", "", 300},  {"大山", "十三", 1300}, {"五十一山", "", 510},
            {"北峰", "", 9999},     {"二十山", "", 200}, {"十三山", "", 1000},   {"零山", "", 10},
        };
        for (const auto& p : peaks)
            AddPeak(QString::fromUtf8(p.name), QStringLiteral("Name2=%1\r\nHeight=%2\r\n")
                                                   .arg(QString::fromUtf8(p.name2))
                                                   .arg(p.height));
        serial = Add(new CSubsetSerial("數字", &group));
        index = group.SubsetCount() - 1;
    }
    CSubsetSerial* serial = nullptr;
    int index = -1;
};

TEST_F(SerialSortTest, ListsPeaksHoldingAWordAndSortsTwiceToReverse)
{
    FakeItemList list;
    SubsetStatistics statistics;
    EXPECT_EQ(serial->FillList(&list, &statistics, nullptr), 7);
    EXPECT_EQ(statistics.visited, SubsetStatistics::kNone) << "no visit figures";
    EXPECT_EQ(list.RowValues(), QList<quint32>({0, 1, 2, 3, 5, 6, 7}));
    EXPECT_EQ(list.ColumnTitles().value(0), "山名");

    ASSERT_TRUE(group.SortItemListFor(&list, 0, index));
    EXPECT_EQ(list.RowValues(), QList<quint32>({7, 6, 2, 5, 0, 3, 1}));
    ASSERT_TRUE(group.SortItemListFor(&list, 0, index));
    EXPECT_EQ(list.RowValues(), QList<quint32>({1, 3, 0, 5, 2, 6, 7}));

    // Column 1 is the group's: heights, the highest first at its first click.
    EXPECT_TRUE(group.SortItemListFor(&list, 1, index));
    EXPECT_EQ(list.RowValues(), QList<quint32>({0, 2, 6, 3, 1, 5, 7}));
    // The series' own direction is not touched by it.
    EXPECT_TRUE(group.SortItemListFor(&list, 0, index));
    EXPECT_EQ(list.RowValues(), QList<quint32>({7, 6, 2, 5, 0, 3, 1}));
    EXPECT_FALSE(serial->SortItemList(&list, 2)) << "other columns are the group's";
}

// Rows that name no peak of the series value 0: stone-group rows, values beyond them, and the
// second-stone rows of peaks that do not exist.
TEST_F(SerialSortTest, RowsThatNameNoPeakValueZero)
{
    FakeItemList list;
    const quint32 values[] = {3, ItemRowValue::kStoneGroup, 1, IItemList::kNoItemRow,
                              ItemRowValue::kSecondStone + 1, 59999};
    for (quint32 v : values)
        list.InsertRow(list.RowCount(), QStringLiteral("列"), v);
    serial->ReadWords();
    ASSERT_TRUE(serial->SortItemList(&list, 0));
    EXPECT_EQ(list.RowValues(),
              QList<quint32>({ItemRowValue::kStoneGroup, IItemList::kNoItemRow,
                              ItemRowValue::kSecondStone + 1, 59999, 3, 1}));
    EXPECT_EQ(CompareSerialRows(IItemList::kNoItemRow, 0x7FFFFFFF, serial), 0);
    EXPECT_LT(CompareSerialRows(ItemRowValue::kStoneGroup, 1, serial), 0);
    EXPECT_FALSE(serial->SortItemList(nullptr, 0));
}

TEST_F(SerialSortTest, MarksTheListedPeaksInItemOrder)
{
    EXPECT_EQ(Marked(serial), QList<quint32>({0, 1, 2, 3, 5, 6, 7}));
}

TEST_F(SubsetNamesTest, SameNameAndPostfixListByNameOrElseName2)
{
    Settings("[NameAlias]\n加里=加里山,西丘\n");
    const struct {
        const char *name, *name2;
    } peaks[] = {
        {"北加里山", ""},   // 0: same name
        {"加里峰", ""},     // 1: a summit
        {"大西丘", ""},     // 2: the alias ends the name
        {"東峰", "加里山"},  // 3: by its Name2
        {"大山", ""},       // 4
        {"南大山", ""},     // 5: postfix 大山
        {"福大山", ""},     // 6
        {"大山峰", "南大山"},  // 7: its Name2
        {"大山", "北大山"},  // 8: Name fails, Name2 holds it after its first character
    };
    for (const auto& p : peaks)
        AddPeak(QString::fromUtf8(p.name), QStringLiteral("Name2=%1\r\n").arg(QString::fromUtf8(p.name2)));
    CSubsetSameName* same = Add(new CSubsetSameName("加里", &group));
    CSubsetPostfix* postfix = Add(new CSubsetPostfix("大山", &group));
    const struct {
        CSubsetBase* subset;
        const char* display;
        int type;
        QList<quint32> rows;
    } cases[] = {
        {same, "各地加里", CSubsetBase::kTypeSameName, {0, 2, 3}},
        {postfix, "各地大山", CSubsetBase::kTypePostfix, {5, 7, 8}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.subset->DisplayName(), QString::fromUtf8(c.display));
        EXPECT_EQ(c.subset->TypeCode(), c.type);
        EXPECT_EQ(c.subset->FolderCode(), CSubsetBase::kFolderBasic);
        FakeItemList list;
        SubsetStatistics statistics;
        EXPECT_EQ(c.subset->FillList(&list, &statistics, nullptr), c.rows.size()) << c.display;
        EXPECT_EQ(list.RowValues(), c.rows) << c.display;
        EXPECT_EQ(statistics.visited, SubsetStatistics::kNone) << c.display;
        EXPECT_EQ(Marked(c.subset), c.rows) << c.display;
    }
    // A base name and a word that are equal share one display name, and so one cached count.
    EXPECT_EQ(CSubsetSameName("大山", &group).DisplayName(), "各地大山");
    EXPECT_EQ(CSubsetPostfix("大山", &group).DisplayName(), "各地大山");
}

TEST_F(SubsetNamesTest, NamedListReadsTwelveNumberedPartsNotAThirteenth)
{
    QString settings = "[Talvanes]\n";
    for (int k = 1; k <= 13; ++k) {
        settings += QStringLiteral("行程%1=峰%1\n").arg(k);
        AddPeak(QStringLiteral("峰%1").arg(k));
    }
    Settings(settings);
    CSubsetTalvanes* named = Add(new CSubsetTalvanes("行程", &group));
    EXPECT_EQ(named->DisplayName(), "行程");
    EXPECT_EQ(named->TypeCode(), CSubsetBase::kTypeTalvanes);
    EXPECT_EQ(named->FolderCode(), CSubsetBase::kFolderBasic);
    QStringList entries;
    EXPECT_EQ(named->ReadEntries(&entries), 12);
    EXPECT_EQ(entries.last(), "峰12");
    FakeItemList list;
    EXPECT_EQ(named->FillList(&list, nullptr, nullptr), 12);
    EXPECT_EQ(list.RowValues(), QList<quint32>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST_F(SubsetNamesTest, NamedListFirstEntryOfAPeakAndLaterPeakOfAnEntry)
{
    Settings("[Talvanes]\n計畫=丙,甲,乙,甲(南投),無此山\n空=\n");
    AddPeak("甲", "Region=南投\r\n");  // 0: entry 甲 first, so 甲(南投) gets no row
    AddPeak("丙");                     // 1: replaced by the later 丙
    AddPeak("乙");                     // 2
    AddPeak("丙");                     // 3
    CSubsetTalvanes* named = Add(new CSubsetTalvanes("計畫", &group));
    QList<int> map;
    EXPECT_EQ(named->ResolveEntries(&map), 5);
    EXPECT_EQ(map, QList<int>({4, 1, 3, 0, 0}));
    FakeItemList list;
    EXPECT_EQ(named->FillList(&list, nullptr, nullptr), 3);
    EXPECT_EQ(list.RowValues(), QList<quint32>({3, 0, 2}));
    EXPECT_TRUE(box.shown.isEmpty()) << "no message for two peaks of one entry";
    EXPECT_EQ(Marked(named), QList<quint32>({3, 0, 2}));

    FakeItemList empty;
    SubsetStatistics statistics;
    EXPECT_EQ(Add(new CSubsetTalvanes("空", &group))->FillList(&empty, &statistics, nullptr), 0);
    EXPECT_EQ(statistics.visited, 0);
    EXPECT_EQ(Marked(group.Subset(group.SubsetCount() - 1)), QList<quint32>());
}

TEST_F(SubsetNamesTest, NamedListVisitFigures)
{
    Settings("[Talvanes]\n計畫=甲,乙,丙,丁,戊\n");
    AddPeak("甲", "Visit1=3\r\n阿明1=101/1/2\r\nHua1=101/1/2\r\n");
    AddPeak("乙", "Hua1=101/1/2\r\nChen1=99/5/6\r\n");
    AddPeak("丙", "Visit1=5\r\n");
    AddPeak("丁", "Visit1=0\r\nHua1=101/1/2\r\n");
    AddPeak("未列", "Visit1=7\r\n阿明1=101/1/2\r\n");
    SubsetStatistics statistics;
    FakeItemList list;
    EXPECT_EQ(Add(new CSubsetTalvanes("計畫", &group))->FillList(&list, &statistics, nullptr), 4);
    EXPECT_EQ(statistics.visited, 2);
    EXPECT_EQ(std::vector<int32_t>(statistics.companions, statistics.companions + 4),
              std::vector<int32_t>({1, 3, 1, 0}));
}

} // namespace
