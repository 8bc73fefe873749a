// The tolerant name search on the bundled sample: its [Fuzzy] settings split a search text at
// spaces, commas, 、 and both kinds of parentheses, and pair 台/臺, 峯/峰 and 嶺/岭; searched
// over the sample's peaks, 「玉山 東峰」 lists the 玉山 group and the 東峰 peaks. And the main
// dialog's 找同名山... on a peak's row hands the row's text to the peak search.
#include "FakeDialogRunner.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/talvane/GroupTalvane.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/dialogs/find/FuzzySearch.h"
#include "ui/framework/CommandDispatch.h"
#include "ui/maindlg/TalvaneDlg.h"

#include <QSettings>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

const QString kSection = QLatin1String(CTalvaneDlg::kProfileSection);

QString U(const char* text)
{
    return QString::fromUtf8(text);
}

QStringList Us(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* t : texts)
        list << U(t);
    return list;
}

// The main dialog on a copy of the sample, showing the peak group, with a recording dialog runner.
struct SampleSearchFixture : ::testing::Test {
    SampleSearchFixture()
    {
        QSettings().remove(kSection);
        platform::SetProgramFolder(temp.copyTree(QStringLiteral(TALVANE_SAMPLE_DIR), QStringLiteral("bin")));
        platform::ClearProfileCache();
        dialog = std::make_unique<CTalvaneDlg>();
        dialog->show();
        QTest::qWait(20);
        WindowServices services = dialog->GroupTable().Services();
        services.dialogs = &runner;
        dialog->GroupTable().SetServices(services);
        peaks = dynamic_cast<CGroupTalvane*>(dialog->CurrentGroup());
        settings = fuzzy::ReadSettings(MainSettingsPath());
    }
    ~SampleSearchFixture() override
    {
        dialog.reset();
        QSettings().remove(kSection);
    }

    // Name and Name2 of every peak, as the peak search looks at them.
    std::vector<fuzzy::ItemNames> PeakNames() const
    {
        std::vector<fuzzy::ItemNames> names;
        for (int i = 0; i < peaks->ItemCount(); ++i)
            names.push_back({FieldText(peaks->Record(i)->Name), FieldText(peaks->Record(i)->Name2), {}});
        return names;
    }
    // The Name of every peak the search text finds, in the order found.
    QStringList Found(const QString& text) const
    {
        QStringList found;
        const QStringList terms = fuzzy::SplitTerms(text, settings.separators);
        for (const fuzzy::Hit& hit : fuzzy::FindByTerms(terms, settings.namePairs, PeakNames()))
            found << FieldText(peaks->Record(hit.item)->Name);
        return found;
    }
    QList<int> RowsShowing(const char* text) const
    {
        auto* list = dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kItemList);
        QList<int> rows;
        for (QTreeWidgetItem* item : list->findItems(U(text), Qt::MatchExactly))
            rows << list->indexOfTopLevelItem(item);
        return rows;
    }
    void SelectRow(int row)
    {
        auto* list = dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kItemList);
        list->clearSelection();
        list->topLevelItem(row)->setSelected(true);
    }

    TempDir temp;
    FakeDialogRunner runner;
    std::unique_ptr<CTalvaneDlg> dialog;
    CGroupTalvane* peaks = nullptr;
    fuzzy::Settings settings;
};

TEST_F(SampleSearchFixture, SettingsKeepTheSpaceInsideAndPairsComeTwoByTwo)
{
    ASSERT_NE(peaks, nullptr);
    EXPECT_TRUE(settings.separators.contains(QLatin1Char(' ')));
    EXPECT_FALSE(settings.separators.startsWith(QLatin1Char(' ')));
    EXPECT_FALSE(settings.separators.endsWith(QLatin1Char(' ')));
    EXPECT_FALSE(settings.namePairs.isEmpty());
    EXPECT_EQ(settings.namePairs.toUcs4().size() % 2, 0);
}

TEST_F(SampleSearchFixture, SearchTextsSplitAtTheSamplesSeparators)
{
    const struct {
        const char* text;
        QStringList terms;
    } cases[] = {
        {"玉山(主峰)", Us({"玉山", "主峰"})},
        {"玉山（主峰）", Us({"玉山", "主峰"})},
        {"玉山 東峰", Us({"玉山", "東峰"})},
        {"玉山，東峰、西峰,南峰", Us({"玉山", "東峰", "西峰", "南峰"})},
        {" 玉山  主峰 ", Us({"玉山", "主峰"})},
        {"石門山", Us({"石門山"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fuzzy::SplitTerms(U(c.text), settings.separators), c.terms) << c.text;
}

// 「玉山 東峰」: the 玉山 peaks for the first term, then the 東峰 peaks not yet listed.
TEST_F(SampleSearchFixture, TwoNamesFindTheYushanGroupAndTheEastPeaks)
{
    ASSERT_NE(peaks, nullptr);
    const QStringList found = Found(U("玉山 東峰"));
    const QStringList yushan = Us({"玉山", "玉山北峰", "玉山東峰", "玉山南峰", "玉山西峰", "玉山前峰", "玉山北北峰"});
    QStringList expected = yushan + Us({"合歡山東峰"});
    QStringList sorted = found;
    sorted.sort();
    expected.sort();
    EXPECT_EQ(sorted, expected);
    EXPECT_EQ(found.count(U("玉山東峰")), 1);
    EXPECT_EQ(found.last(), U("合歡山東峰"));
}

// The text of 玉山主峰's row, 「玉山(主峰)」, finds the 玉山 group and, through Name2, the other
// main peaks.
TEST_F(SampleSearchFixture, ARowTextWithParenthesesFindsTheGroupOfItsName)
{
    ASSERT_NE(peaks, nullptr);
    ASSERT_EQ(RowsShowing("玉山(主峰)").size(), 1);
    const QStringList found = Found(U("玉山(主峰)"));
    for (const char* name : {"玉山", "玉山北峰", "玉山東峰", "玉山南峰", "玉山西峰", "玉山前峰", "玉山北北峰",
                             "雪山", "合歡山", "七星山"})
        EXPECT_TRUE(found.contains(U(name))) << name;
    EXPECT_EQ(found.size(), 10);
}

// A text written with the other character of a pair finds names written with its partner: 臺
// finds the region texts written with 台, 峯 and 岭 the peaks written with 峰 and 嶺 (觀音山 through
// its Name2 硬漢嶺).
TEST_F(SampleSearchFixture, EitherCharacterOfAPairFindsTheOther)
{
    ASSERT_NE(peaks, nullptr);
    std::vector<fuzzy::ItemNames> regions;
    QList<int> taichung;
    for (int i = 0; i < peaks->ItemCount(); ++i) {
        const QString region = FieldText(peaks->Record(i)->Region);
        regions.push_back({region, {}, {}});
        if (region.contains(U("台中市")))
            taichung << i;
    }
    ASSERT_FALSE(taichung.isEmpty());
    QList<int> found;
    for (const fuzzy::Hit& hit : fuzzy::FindByTerms({U("臺中市")}, settings.namePairs, regions))
        found << hit.item;
    EXPECT_EQ(found, taichung);

    EXPECT_EQ(Found(U("玉山北峯")), Us({"玉山北峰"}));
    const QList<fuzzy::Hit> ridge = fuzzy::FindByTerms({U("硬漢岭")}, settings.namePairs, PeakNames());
    ASSERT_EQ(ridge.size(), 1);
    EXPECT_EQ(FieldText(peaks->Record(ridge[0].item)->Name), U("觀音山"));
    EXPECT_EQ(ridge[0].via, 1);
}

// 找同名山... on either 石門山's row asks for the peak search with the row's text and no walk or
// atlas page.
TEST_F(SampleSearchFixture, FindSameNameOnARowAsksForThePeakSearch)
{
    ASSERT_NE(peaks, nullptr);
    const QList<int> rows = RowsShowing("石門山");
    ASSERT_EQ(rows.size(), 2);
    for (const int row : rows) {
        SCOPED_TRACE(row);
        runner.finds.clear();
        SelectRow(row);
        ASSERT_TRUE(dialog->Commands().Dispatch(CTalvaneDlg::kFindSameName));
        ASSERT_EQ(runner.finds.size(), 1);
        const FindDialogRequest& request = runner.finds.first();
        EXPECT_EQ(request.kind, FindDialogKind::Peaks);
        EXPECT_EQ(request.group, peaks);
        EXPECT_EQ(request.subset, nullptr);
        EXPECT_EQ(request.searchText, U("石門山"));
        EXPECT_EQ(request.walkNumber, 0);
        EXPECT_EQ(request.atlasCode, 0);
    }
}

} // namespace
