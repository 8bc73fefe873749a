// Title subsets over peak files and settings files as a Windows machine saved them: entry
// matching, list reading, the list with its visit figures and warnings, the comparison of two
// titles, the map marks and the nesting of titles in the subset tree.
#include "catalog/subsets/titles/SubsetTitle.h"

#include "BarePeakGroup.h"
#include "FakeItemList.h"
#include "FakeMessageBox.h"
#include "FakePointView.h"
#include "FakeSubsetTree.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/talvane/GroupTalvane.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>

namespace {

// A peak group whose rows, columns and map marks are recorded: a row shows the peak's Name.
class RowPeakGroup : public BarePeakGroup {
public:
    void SetupItemColumns(IItemList* list, const ColumnLayout* layout) override
    {
        seenLayout = layout;
        list->InsertColumn(0, QStringLiteral("山名"), 100);
    }
    bool InsertItemRow(IItemList* list, int row, int item) override
    {
        return list->InsertRow(row, FieldText(Record(item)->Name), quint32(item)) >= 0;
    }
    bool ShowItemOnMap(IPointView*, int item) override
    {
        marked << item;
        return true;
    }
    const ColumnLayout* seenLayout = nullptr;
    QList<int> marked;
};

TalvaneItemRecord Peak(const char* name, const char* region = "", const char* stone = "",
                       const char* name2 = "", const char* stone2 = "")
{
    TalvaneItemRecord r{};
    SetFieldText(r.Name, QString::fromUtf8(name));
    SetFieldText(r.Region, QString::fromUtf8(region));
    SetFieldText(r.Stone, QString::fromUtf8(stone));
    SetFieldText(r.Name2, QString::fromUtf8(name2));
    SetFieldText(r.Stone2, QString::fromUtf8(stone2));
    return r;
}

TEST(MatchItemToEntries, EntryFormsAndTheirEdges)
{
    const TalvaneItemRecord x = Peak("X", "南投,花蓮", "三等6001", "Z", "7001");
    const TalvaneItemRecord brackets = Peak("X()");
    const struct {
        const TalvaneItemRecord* peak;
        const char* entries;
        int count;
        int entry;  // -1: no match
    } cases[] = {
        {&x, "X", 1, 0},
        {&x, "Y,X(南投),X", 3, 1},
        {&x, "Y,X", 1, -1},              // only the first count entries
        {&x, "X(花蓮)", 1, 0},           // the region part is contained, not equal
        {&x, "X(嘉義)", 1, -1},
        {&x, "XY(南投)", 1, -1},
        {&x, "(南投)", 1, -1},
        {&x, "X南投)", 1, -1},
        {&x, "X()", 1, -1},
        {&brackets, "X()", 1, 0},        // only by the exact name
        {&brackets, "X(南投)", 1, -1},
        {&x, "X(南投)(", 1, 0},          // no closing bracket: the region alone decides
        {&x, "X(嘉義)(", 1, -1},
        {&x, "X(南投)()", 1, 0},
        {&x, "X(南投)(6001)", 1, 0},
        {&x, "X(南投)(6002)", 1, -1},
        {&x, "Z", 1, -1},                // Name2 takes no part
        {&x, "X(南投)(7001)", 1, -1},    // nor the second stone
    };
    for (const auto& c : cases) {
        const QStringList entries = QString::fromUtf8(c.entries).split(u',');
        int entry = -1;
        EXPECT_EQ(MatchItemToEntries(*c.peak, c.count, entries, &entry), c.entry >= 0) << c.entries;
        EXPECT_EQ(entry, c.entry) << c.entries;
    }
    EXPECT_TRUE(MatchItemToEntries(x, 1, {QStringLiteral("X")}));
    EXPECT_FALSE(MatchItemToEntries(x, 5, {}));
}

// A peak group loaded from peak files in a temporary data folder, with the companions 阿明,
// Hua and Chen, and a main settings file in UTF-16LE or CP950.
class SubsetTitleTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        group.SetUpIn(dir, &table, &box);
    }
    void Settings(const QString& text)
    {
        const QString crlf = QString(text).replace(u'\n', QStringLiteral("\r\n"));
        dir.write(QStringLiteral("峰嵐錄.txt"), GetParam() ? Utf16LeWithBom(crlf) : Big5(crlf));
        platform::ClearProfileCache();
    }
    void AddPeak(const QString& name, const QString& lines = {})
    {
        const QString path = dir.write(QStringLiteral("山/%1.txt").arg(group.ItemCount()),
                                       Utf16LeWithBom("[Talvane]\r\nName=" + name + "\r\n" + lines));
        ASSERT_TRUE(group.LoadItemFile(path, platform::FileTime{1}));
    }
    CSubsetTitle* Title(const QString& key, bool heads = true)
    {
        auto* title = new CSubsetTitle(key, &group, heads);
        group.AddSubset(title);
        return title;
    }
    QStringList Messages() const
    {
        QStringList texts;
        for (const auto& s : box.shown)
            texts << s.text;
        return texts;
    }
    static QStringList Column(const FakeItemList& list, int column)
    {
        QStringList texts;
        for (int r = 0; r < list.RowCount(); ++r)
            texts << list.CellText(r, column);
        return texts;
    }

    TempDir dir;
    CGroupTable table;
    FakeMessageBox box;
    RowPeakGroup group;
};

INSTANTIATE_TEST_SUITE_P(Encodings, SubsetTitleTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "utf16le" : "cp950"; });

TEST_P(SubsetTitleTest, ListsFromTheWholeKeyOrItsNumberedKeys)
{
    QString many, numbered;
    for (int i = 1; i <= 181; ++i)
        many += QStringLiteral("山%1,").arg(i);
    for (int i = 1; i <= 16; ++i)
        numbered += QStringLiteral("N%1=山%1\n").arg(i);
    // Filler up to position 1021, so that a reader cutting at 1023 characters would see 玉山.
    QString longList;
    for (int i = 0; longList.size() < 1010; ++i)
        longList += QStringLiteral("山%1,").arg(i, 4, 10, QLatin1Char('0'));
    longList += QString(1021 - longList.size() - 1, u'山') + QStringLiteral(",玉山北峰,終點山");
    Settings("[Title]\nA=甲,乙\nA1=丙\nB=\nB1=甲,乙\nB2=\nB3=丙\nC1=甲\nC3=丙\nM=" + many + "\n" + numbered +
             "L=" + longList + "\nE=\n");
    const struct {
        const char* key;
        int count;
        QStringList first, last;  // the first two and the last entry
    } cases[] = {
        {"A", 2, {"甲", "乙"}, {"乙"}},
        {"B", 2, {"甲", "乙"}, {"乙"}},    // key B2 is empty: B3 is not read
        {"C", 1, {"甲"}, {"甲"}},          // C1 alone: C2 is missing
        {"M", 180, {"山1", "山2"}, {"山180"}},
        {"N", 15, {"山1", "山2"}, {"山15"}},
        {"L", 0, {}, {"終點山"}},          // count checked below
        {"E", 0, {}, {}},
        {"missing", 0, {}, {}},
    };
    for (const auto& c : cases) {
        QStringList entries;
        const int count = Title(QString::fromUtf8(c.key))->ReadEntries(&entries);
        EXPECT_EQ(count, entries.size()) << c.key;
        if (c.count) {
            EXPECT_EQ(count, c.count) << c.key;
        }
        if (!c.first.isEmpty()) {
            EXPECT_EQ(entries.mid(0, 2), c.first) << c.key;
        }
        EXPECT_EQ(entries.mid(entries.size() - c.last.size()), c.last) << c.key;
    }
    AddPeak("玉山");
    AddPeak("終點山");
    QList<int> map;
    const int count = Title("L")->MapEntries(&map);
    EXPECT_EQ(map.mid(count - 2), QList<int>({0, 2})) << "玉山北峰 names no peak";
}

TEST_P(SubsetTitleTest, ListShowsItsPeaksInListOrderAndTheLaterOfTwoSameNames)
{
    Settings("[Title]\n百岳=大%1山(南投),乙,大%1山,無此山\n");
    AddPeak("大%1山", "Region=南投\r\n");   // 0: its own entry
    AddPeak("大%1山", "Region=花蓮\r\n");   // 1: taken by the bare name, then replaced
    AddPeak("乙");
    AddPeak("大%1山", "Region=嘉義\r\n");   // 3
    AddPeak("大%1山", "Region=台東\r\n");   // 4: the last one wins; still one message
    CSubsetTitle* title = Title("百岳");
    FakeItemList list;
    ColumnLayout layout;
    EXPECT_EQ(title->FillList(&list, nullptr, &layout), 3);
    EXPECT_EQ(group.seenLayout, &layout);
    EXPECT_EQ(list.RowValues(), QList<quint32>({0, 2, 4}));
    EXPECT_EQ(Messages(), QStringList({"山岳[大%1山]重複使用！請加註地區。"}));

    FakePointView view;
    EXPECT_EQ(title->MarkOnMap(&view), 3);
    EXPECT_EQ(group.marked, QList<int>({0, 2, 4}));
}

TEST_P(SubsetTitleTest, VisitFiguresAndOrderColumn)
{
    Settings("[Title]\n百岳=甲,乙,丙,丁\n");
    AddPeak("甲", "Visit1=3\r\n阿明1=101/1/2\r\nHua1=101/1/2\r\n");
    AddPeak("乙", "Hua1=101/1/2\r\n");
    AddPeak("丙", "Visit1=5\r\n");
    AddPeak("丁", "Visit1=0\r\nHua1=101/1/2\r\n");
    SubsetStatistics statistics;
    FakeItemList list;
    EXPECT_EQ(Title("百岳")->FillListEx(&list, &statistics, nullptr, true), 4);
    EXPECT_EQ(statistics.visited, 2);
    EXPECT_EQ(std::vector<int32_t>(statistics.companions, statistics.companions + 4),
              std::vector<int32_t>({1, 3, 0, 0}));
    EXPECT_EQ(list.ColumnTitles(), QStringList({"山名", "標高(m)", "基石", "地區", "列表序"}));
    EXPECT_EQ(Column(list, 4), QStringList({"百岳1", "百岳2", "百岳3", "百岳4"}));
}

TEST_P(SubsetTitleTest, WarningsCarryTheKeyAndNumberAsTheyStand)
{
    QString peaks;
    for (int i = 1; i <= 11; ++i) {
        AddPeak(QStringLiteral("山%1").arg(i), "Visit1=1\r\n");
        peaks += QStringLiteral("山%1,").arg(i);
    }
    AddPeak("雙");
    AddPeak("雙");
    Settings("[Title]\nT11=" + peaks + "\nT10=" + peaks.section(u',', 0, 9) + "\n%1%d=" + peaks +
             "\nFree=" + peaks + "\nOne=雙\n[Warning]\nT11=10\nT10=10\n%1%d=10\nOne=5\n");
    const struct {
        const char* key;
        const char* message;  // null: none
    } cases[] = {
        {"T11", "[T11]數量超出預期(10)！"},
        {"T10", nullptr},
        {"Free", nullptr},
        {"%1%d", "[%1%d]數量超出預期(10)！"},
    };
    for (const auto& c : cases) {
        box.shown.clear();
        FakeItemList list;
        Title(QString::fromUtf8(c.key))->FillList(&list, nullptr, nullptr);
        EXPECT_EQ(Messages(), c.message ? QStringList({c.message}) : QStringList()) << c.key;
    }
    box.shown.clear();
    EXPECT_TRUE(Title("One")->CheckWarning()) << "two peaks for one entry";
    EXPECT_FALSE(Title("Free")->CheckWarning()) << "no warning value";
    EXPECT_TRUE(Title("%1%d")->ShowCountWarning(3, 4, 0));
    EXPECT_EQ(Messages(), QStringList({"[One]數量超出總數(1)！", "[%1%d]數量超出總數(3)！"}));
}

TEST_P(SubsetTitleTest, ComparisonListsCommonPeaksThenEachListsOwn)
{
    Settings("[Title]\nA=甲,乙,丙\nB=丁,丙,甲\nC=戊\nD=\n");
    for (const char* name : {"甲", "乙", "丙", "丁", "戊"})
        AddPeak(QString::fromUtf8(name));
    constexpr quint32 sep = IItemList::kNoItemRow;
    const struct {
        const char *mine, *other;
        QList<quint32> rows;
        QStringList order;
    } cases[] = {
        {"A", "B", {0, 2, sep, 1, sep, 3}, {"(1)A1 B3", "(2)A3 B2", "", "(1)A2", "", "(1)B1"}},
        {"A", "C", {sep, 0, 1, 2, sep, 4}, {"", "(1)A1", "(2)A2", "(3)A3", "", "(1)C1"}},
        {"A", "A", {0, 1, 2}, {"(1)A1 A1", "(2)A2 A2", "(3)A3 A3"}},
        {"D", "C", {sep, 4}, {"", "(1)C1"}},
    };
    for (const auto& c : cases) {
        FakeItemList list;
        list.InsertColumn(0, QStringLiteral("舊"), 10, ColumnAlign::Left);
        list.InsertRow(0, QStringLiteral("舊"), 7);
        const int rows = Title(c.mine)->FillCompareList(&list, Title(c.other));
        EXPECT_EQ(rows, c.rows.size()) << c.mine << c.other;
        EXPECT_EQ(list.RowValues(), c.rows) << c.mine << c.other;
        EXPECT_EQ(Column(list, 4), c.order) << c.mine << c.other;
        EXPECT_EQ(list.CellText(c.rows.indexOf(sep), 0), QString(c.rows.contains(sep) ? "----------" : ""));
    }
    FakeItemList list;
    InsertCompareColumns(&list);
    const struct { const char* title; int width; ColumnAlign align; } columns[] = {
        {"山名", 120, ColumnAlign::Left}, {"標高(m)", 70, ColumnAlign::Right}, {"基石", 150, ColumnAlign::Left},
        {"地區", 80, ColumnAlign::Left}, {"列表序", 200, ColumnAlign::Left}};
    ASSERT_EQ(list.columns.size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(list.columns[i].title, QString::fromUtf8(columns[i].title));
        EXPECT_EQ(list.columns[i].width, columns[i].width);
        EXPECT_EQ(list.columns[i].align, columns[i].align);
    }
}

TEST_P(SubsetTitleTest, TitlesOfASetNestUnderTheirHeadingAtEveryFilling)
{
    Settings("[Title]\n");
    Title("孤", false);  // no heading before it: under the folder
    Title("百岳");
    Title("百岳東", false);
    Title("百岳西", false);
    Title("小百岳");
    Title("小百岳北", false);
    const QStringList nested = {"基本 [0] +", "  孤 [1]",     "  百岳 [2]",   "    百岳東 [3]",
                                "    百岳西 [4]", "  小百岳 [5]", "    小百岳北 [6]"};
    FakeSubsetTree tree;
    for (int filling = 0; filling < 2; ++filling) {
        ASSERT_TRUE(group.FillSubsetTree(&tree));
        EXPECT_EQ(tree.Dump(), nested) << "filling " << filling;
    }
}

} // namespace
