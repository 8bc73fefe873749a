// The plant group's subsets: the families of [PlantClass] ClassList in stroke order (checked
// under other process locales), then the NotClass%d words; the rule of "<word>非<word>"; the
// family subsets' listing, marking and statistics.
#include "PlantTestSupport.h"

#include "FakeItemList.h"
#include "FakePointView.h"
#include "catalog/subsets/SubsetStatistics.h"
#include "catalog/subsets/plants/PlantClassList.h"
#include "catalog/subsets/plants/SubsetPlantClass.h"
#include "catalog/subsets/plants/SubsetPlantNotClass.h"

#include <QLocale>

#include <clocale>

namespace {

// Taiwanese stroke order by the first character's strokes: 石 5, 杜 7, 松 8, 菊 12, 樟 15, 蘭 21
// (the same order ICU's zh_TW collator gives). Code-point order would be 杜 松 樟 石 菊 蘭,
// pinyin order 杜 菊 蘭 石 松 樟.
const QStringList kStrokeOrder = {"石蒜科", "杜鵑花科", "松科", "菊科", "樟科", "蘭科"};

QStringList SubsetNames(const CGroupBase& group)
{
    QStringList names;
    for (int i = 0; i < group.SubsetCount(); ++i)
        names << group.Subset(i)->DisplayName();
    return names;
}

// The subset shown by that name; -1 when none.
int SubsetNamed(const CGroupBase& group, const QString& name)
{
    return int(SubsetNames(group).indexOf(name));
}

TEST(PlantInit, FamiliesInStrokeOrderThenTheNotFamilyWords)
{
    PlantFolder folder;
    folder.Build({});
    EXPECT_EQ(SubsetNames(folder.group), kStrokeOrder + QStringList({"蘭非蘭", "菊非菊"}));
    for (int i = 0; i < folder.group.SubsetCount(); ++i) {
        const CSubsetBase* s = folder.group.Subset(i);
        EXPECT_EQ(s->TypeCode(), i < 6 ? CSubsetBase::kTypePlantClass : CSubsetBase::kTypePlantNotClass);
        EXPECT_EQ(s->FolderCode(), CSubsetBase::kFolderBasic);
        EXPECT_EQ(s->Section(), "Plant");
    }
}

TEST(PlantInit, ABig5SettingsFileGivesTheSameSubsets)
{
    PlantFolder folder(QStringLiteral("cp950"));
    folder.Build({});
    EXPECT_EQ(SubsetNames(folder.group), kStrokeOrder + QStringList({"蘭非蘭", "菊非菊"}));
}

TEST(PlantInit, AnEmptyFamilyListGivesNoFamilySubsets)
{
    PlantFolder folder(QStringLiteral("empty_list"));
    folder.Build({});
    EXPECT_EQ(SubsetNames(folder.group), QStringList({"蘭非蘭"}));
}

// 310 families (the list keeps its first 300) and 500 words: the group stops at 500 subsets.
TEST(PlantInit, TheFamilyListAndTheSubsetsAreCapped)
{
    PlantFolder folder;
    QStringList families, lines = {"[PlantClass]"};
    for (int n = 0; n < 310; ++n)
        families << QStringLiteral("科%1").arg(n, 3, 10, QLatin1Char('0'));
    lines << QStringLiteral("ClassList=") + families.join(u',') << "[Plant]";
    for (int n = 1; n <= 500; ++n)
        lines << QStringLiteral("NotClass%1=字%1").arg(n);
    folder.dir.write(QStringLiteral("峰嵐錄.txt"), Utf16LeWithBom(lines.join("\r\n") + "\r\n"));
    platform::ClearProfileCache();
    folder.Build({});
    ASSERT_EQ(folder.group.SubsetCount(), CGroupBase::kMaxSubsets);
    const QStringList names = SubsetNames(folder.group);
    EXPECT_TRUE(names.contains("科299"));
    EXPECT_FALSE(names.contains("科300"));
    EXPECT_EQ(names[300], "字1非字1");
    EXPECT_EQ(names.last(), "字200非字200");
}

// The process locale (C, or German as a user's desktop may set it) leaves the order alone.
class PlantOrderLocaleTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        saved = std::setlocale(LC_ALL, nullptr);
        savedDefault = QLocale();
        if (!std::setlocale(LC_ALL, GetParam()))
            GTEST_SKIP() << "locale " << GetParam() << " is not installed";
        QLocale::setDefault(QLocale(QString::fromLatin1(GetParam()).section(u'.', 0, 0)));
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, saved.c_str());
        QLocale::setDefault(savedDefault);
    }

    std::string saved;
    QLocale savedDefault;
};

INSTANTIATE_TEST_SUITE_P(Locales, PlantOrderLocaleTest, ::testing::Values("C", "de_DE.UTF-8"));

TEST_P(PlantOrderLocaleTest, FamiliesKeepStrokeOrder)
{
    PlantFolder folder;
    QStringList families;
    EXPECT_EQ(ReadPlantClassList(&families), 6);
    EXPECT_EQ(families, kStrokeOrder);
    EXPECT_EQ(ComparePlantClass("石蒜科", "杜鵑花科"), -1);
    EXPECT_EQ(ComparePlantClass("蘭科", "菊科"), 1);
    EXPECT_EQ(ComparePlantClass("蘭科", "蘭科"), 0);
}

// --- "<word>非<word>" -------------------------------------------------------------------------

struct NotClassCase {
    const char* name;
    const char* name2;
    const char* family;
    bool listed;
};

class NotClassRuleTest : public ::testing::TestWithParam<NotClassCase> {};

TEST_P(NotClassRuleTest, TheWordOrchid)
{
    const NotClassCase& c = GetParam();
    EXPECT_EQ(CSubsetPlantNotClass::Lists(QStringLiteral("蘭"), QString::fromUtf8(c.name),
                                          QString::fromUtf8(c.name2), QString::fromUtf8(c.family)),
              c.listed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NotClassRuleTest,
    ::testing::Values(NotClassCase{"石斛蘭", "", "蘭科", false},        // in the family itself
                      NotClassCase{"文殊蘭", "", "石蒜科", true},
                      NotClassCase{"蘭", "", "石蒜科", false},            // the word alone
                      NotClassCase{"蘭嶼羅漢松", "", "羅漢松科", false},  // word not at the end
                      NotClassCase{"蘭嶼蘭", "", "其他科", false},        // word also earlier
                      NotClassCase{"蘭蘭", "", "其他科", false},
                      NotClassCase{"白鶴芋", "白掌蘭", "天南星科", true}, // by the second name
                      NotClassCase{"白及", "紫蘭", "蘭科", false},
                      NotClassCase{"金線蓮", "", "其他科", false},
                      NotClassCase{"蘭花草", "蘭", "其他科", false},
                      NotClassCase{"台灣澤蘭", "澤蘭", "菊科", true},
                      NotClassCase{"文殊蘭", "", "", true},                // no family at all
                      NotClassCase{"文殊蘭", "", "蘭", true}));            // 蘭 is not 蘭科

TEST(PlantSubsets, NotFamilyListsInItemOrderThroughTheGroupsRows)
{
    PlantFolder folder;
    folder.Build({"full.txt", "orphan_link.txt", "plain.txt", "empty_link.txt"});
    const int notOrchid = SubsetNamed(folder.group, QStringLiteral("蘭非蘭"));
    ASSERT_GE(notOrchid, 0);
    FakeItemList list;
    SubsetStatistics statistics;
    statistics.visited = 7;
    EXPECT_EQ(folder.group.Subset(notOrchid)->FillList(&list, &statistics, nullptr), 2);
    EXPECT_EQ(list.ColumnTitles(), QStringList({"名稱", "科別"}));
    EXPECT_EQ(list.CellText(0, 0), "文殊蘭");
    EXPECT_EQ(list.RowData(0), 1u);
    EXPECT_EQ(list.CellText(1, 0), "台灣澤蘭");
    EXPECT_EQ(list.CellText(1, 1), "菊科");
    EXPECT_EQ(list.RowData(1), 3u);
    EXPECT_EQ(statistics.visited, 7) << "no statistics kept";
    FakePointView view;
    EXPECT_EQ(folder.group.Subset(notOrchid)->MarkOnMap(&view), 0);
    EXPECT_TRUE(view.images.isEmpty());
}

TEST(PlantSubsets, AFamilyListsAndMarksItsPlantsWithoutStatistics)
{
    PlantFolder folder;
    folder.Build({"plain.txt", "full.txt", "orphan_link.txt"});
    const int orchids = SubsetNamed(folder.group, QStringLiteral("蘭科"));
    ASSERT_GE(orchids, 0);
    CSubsetBase* subset = folder.group.Subset(orchids);
    FakeItemList list;
    SubsetStatistics statistics;
    statistics.visited = 7;
    EXPECT_EQ(subset->FillList(&list, &statistics, nullptr), 1);
    EXPECT_EQ(statistics.visited, -1);
    EXPECT_EQ(list.CellText(0, 0), "台灣一葉蘭(一葉蘭)");
    EXPECT_EQ(list.RowData(0), 1u);
    FakePointView view;
    EXPECT_EQ(subset->MarkOnMap(&view), 1);
    ASSERT_EQ(view.images.size(), 1);
    EXPECT_EQ(view.images[0].item, 1);
    EXPECT_EQ(QStringList({view.images[0].name, view.images[0].family, view.images[0].line}),
              QStringList({"台灣一葉蘭", "蘭科", "台灣一葉蘭(一葉蘭) [蘭科]"}));
    // A family no plant has lists nothing.
    const int pines = SubsetNamed(folder.group, QStringLiteral("松科"));
    ASSERT_GE(pines, 0);
    FakeItemList empty;
    EXPECT_EQ(folder.group.Subset(pines)->FillList(&empty, nullptr, nullptr), 0);
}

} // namespace
