// 比對山岳列表差異 on the real peak group of the program folders written by
// tests/data/compare/make_fixtures.py (settings and cached counts in UTF-16LE and in CP950, peak
// files of both encodings): the other title lists with their cached counts, the list's own rows,
// the comparison with each sibling, a lone title list, the openers that must not open it, and
// the files it must leave alone.
#include "FakeMessageBox.h"
#include "ScreenshotCheck.h"
#include "TempDir.h"
#include "catalog/GroupBase.h"
#include "catalog/GroupTable.h"
#include "catalog/subsets/SubsetBase.h"
#include "catalog/subsets/titles/SubsetTitle.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/dialogs/compare/DlgCompareList.h"
#include "ui/maindlg/MainDialogs.h"
#include "ui/maindlg/TalvaneDlg.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kOrderColumn = 4;
const QString kSeparator = u"----------"_s;

// One row of list 1002: the peak's name (column 0) and the list-order column.
struct Row {
    QString name;
    QString order;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.name.toStdString() << " | " << row.order.toStdString();
}

// 五岳 in its own order: the entries' names and "五岳<n>".
const QList<Row> kFiveRows = {{u"玉山"_s, u"五岳1"_s},
                              {u"雪山"_s, u"五岳2"_s},
                              {u"秀姑巒山"_s, u"五岳3"_s},
                              {u"南湖大山"_s, u"五岳4"_s},
                              {u"北大武山"_s, u"五岳5"_s}};

// 五岳 against 百岳: the common peaks in 五岳's order with both places, then 北大武山 (only in
// 五岳), then the peaks only in 百岳 in 百岳's order.
const QList<Row> kFiveAgainstHundred = {
    {u"玉山"_s, u"(1)五岳1 百岳3"_s},    {u"雪山"_s, u"(2)五岳2 百岳2"_s},
    {u"秀姑巒山"_s, u"(3)五岳3 百岳8"_s}, {u"南湖大山"_s, u"(4)五岳4 百岳7"_s},
    {kSeparator, {}},                     {u"北大武山"_s, u"(1)五岳5"_s},
    {kSeparator, {}},                     {u"合歡山"_s, u"(1)百岳1"_s},
    {u"奇萊主山"_s, u"(2)百岳4"_s},       {u"關山"_s, u"(3)百岳5"_s},
    {u"向陽山"_s, u"(4)百岳6"_s}};

// 五岳 against 小百岳: nothing in common; 不存在山 names no peak and gives no row.
const QList<Row> kFiveAgainstSmall = {
    {kSeparator, {}},               {u"玉山"_s, u"(1)五岳1"_s},     {u"雪山"_s, u"(2)五岳2"_s},
    {u"秀姑巒山"_s, u"(3)五岳3"_s}, {u"南湖大山"_s, u"(4)五岳4"_s}, {u"北大武山"_s, u"(5)五岳5"_s},
    {kSeparator, {}},               {u"七星山"_s, u"(1)小百岳1"_s}, {u"關山"_s, u"(2)小百岳2"_s}};

QString FixtureFolder(const QString& name)
{
    return QStringLiteral(TALVANE_TEST_DATA "/compare/") + name;
}

// A program folder copied from a fixture, with its peak group loaded through the group table.
class CompareFixture {
public:
    explicit CompareFixture(const QString& fixture)
    {
        root = temp.copyTree(FixtureFolder(fixture), u"program"_s);
        platform::SetProgramFolder(root);
        platform::ClearProfileCache();
        table.SetGroupClasses(ProgramGroupClasses());
        WindowServices services;
        services.messageBox = &messages;
        table.SetServices(services);
        if (table.LoadSettings())
            group = table.GetGroup(0, nullptr);
    }

    CSubsetTitle* Title(const QString& name) const
    {
        CSubsetBase* subset = SubsetNamed(name);
        return subset && subset->TypeCode() == CSubsetBase::kTypeTitle
                   ? dynamic_cast<CSubsetTitle*>(subset)
                   : nullptr;
    }
    // The subset shown in the tree as name.
    CSubsetBase* SubsetNamed(const QString& name) const
    {
        for (int i = 0; group && i < group->SubsetCount(); ++i)
            if (group->Subset(i)->TreeName() == name)
                return group->Subset(i);
        return nullptr;
    }
    QString CachePath() const { return root + u"/data/Cache.txt"_s; }

    TempDir temp;
    QString root;
    FakeMessageBox messages;
    CGroupTable table;
    CGroupBase* group = nullptr;
};

QListWidget* SubsetListOf(const CDlgCompareList& dialog)
{
    return dialog.DlgItem<QListWidget>(CDlgCompareList::kSubsetList);
}

QTreeWidget* ListOf(const CDlgCompareList& dialog)
{
    return dialog.DlgItem<QTreeWidget>(CDlgCompareList::kList);
}

QStringList SiblingTexts(const CDlgCompareList& dialog)
{
    QStringList texts;
    for (int i = 0; i < SubsetListOf(dialog)->count(); ++i)
        texts << SubsetListOf(dialog)->item(i)->text();
    return texts;
}

QList<Row> Rows(const CDlgCompareList& dialog)
{
    QList<Row> rows;
    const QTreeWidget* list = ListOf(dialog);
    for (int r = 0; r < list->topLevelItemCount(); ++r)
        rows.append({list->topLevelItem(r)->text(0), list->topLevelItem(r)->text(kOrderColumn)});
    return rows;
}

// Picks a row of 1003 the way a click does: the selection signal reaches the dialog.
void Pick(const CDlgCompareList& dialog, int row)
{
    QListWidget* list = SubsetListOf(dialog);
    ASSERT_LT(row, list->count());
    list->setCurrentRow(row);
}

// While it lives, runs act on the list comparison dialog as soon as one runs modally.
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(CDlgCompareList*)> act)
    {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this, act] {
            if (auto* dialog = qobject_cast<CDlgCompareList*>(QApplication::activeModalWidget()))
                act(dialog);
        });
        timer_.start(kPollMs);
    }

private:
    static constexpr int kPollMs = 10;
    QTimer timer_;
};

class DlgCompareListTest : public ::testing::TestWithParam<const char*> {
protected:
    CompareFixture fixture{QString::fromLatin1(GetParam())};
};

TEST_P(DlgCompareListTest, ShowsTheListInListOrderBesideTheOtherTitleListsWithTheirCachedCounts)
{
    ASSERT_TRUE(fixture.group);
    CDlgCompareList dialog(fixture.group, fixture.Title(u"五岳"_s));
    ASSERT_TRUE(dialog.OnInitDialog());
    EXPECT_EQ(dialog.windowTitle(), u"比對山岳列表差異"_s);
    EXPECT_EQ(dialog.DlgItem<QLabel>(CDlgCompareList::kSubsetName)->text(), u"五岳"_s);
    // The stale cached 12 is shown as cached; 小百岳 has no count; the named list 名山 is of
    // another kind and the region subsets too.
    EXPECT_EQ(SiblingTexts(dialog), QStringList({u"百岳 (12)"_s, u"小百岳"_s}));
    EXPECT_EQ(dialog.SubsetList().ItemData(0), 1u);
    EXPECT_EQ(dialog.SubsetList().ItemData(1), 2u);
    EXPECT_EQ(dialog.SubsetList().CurrentSelection(), -1);
    EXPECT_EQ(Rows(dialog), kFiveRows);
    EXPECT_EQ(ListOf(dialog)->headerItem()->text(kOrderColumn), u"列表序"_s);
    EXPECT_EQ(dialog.OtherSubset(), nullptr);
    EXPECT_TRUE(fixture.messages.shown.isEmpty());
}

TEST_P(DlgCompareListTest, FromAnotherListItsOwnSiblingsAndRows)
{
    ASSERT_TRUE(fixture.group);
    CDlgCompareList dialog(fixture.group, fixture.Title(u"百岳"_s));
    ASSERT_TRUE(dialog.OnInitDialog());
    EXPECT_EQ(SiblingTexts(dialog), QStringList({u"五岳 (5)"_s, u"小百岳"_s}));
    EXPECT_EQ(dialog.SubsetList().ItemData(0), 0u);
    EXPECT_EQ(dialog.SubsetList().ItemData(1), 2u);
    const QStringList names = {u"合歡山"_s, u"雪山"_s, u"玉山"_s, u"奇萊主山"_s,
                               u"關山"_s, u"向陽山"_s, u"南湖大山"_s, u"秀姑巒山"_s};
    QList<Row> expected;
    for (int i = 0; i < names.size(); ++i)
        expected.append({names[i], u"百岳"_s + QString::number(i + 1)});
    EXPECT_EQ(Rows(dialog), expected);
    // 關山(台東) is the peak of 台東縣, not the one of 新竹縣.
    EXPECT_EQ(ListOf(dialog)->topLevelItem(4)->text(1), u"3668"_s);
}

TEST_P(DlgCompareListTest, PickingASiblingShowsTheCommonRowsThenEachListsOwnAndAgainTheSame)
{
    ASSERT_TRUE(fixture.group);
    CDlgCompareList dialog(fixture.group, fixture.Title(u"五岳"_s));
    ASSERT_TRUE(dialog.OnInitDialog());
    const struct {
        int pick;
        const char* other;
        const QList<Row>* rows;
    } steps[] = {
        {0, "百岳", &kFiveAgainstHundred},
        {1, "小百岳", &kFiveAgainstSmall},
        {0, "百岳", &kFiveAgainstHundred},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.other);
        Pick(dialog, step.pick);
        ASSERT_TRUE(dialog.OtherSubset());
        EXPECT_EQ(dialog.OtherSubset()->DisplayName(), QString::fromUtf8(step.other));
        EXPECT_EQ(Rows(dialog), *step.rows);
        // The separators carry no item.
        for (int r = 0; r < dialog.List().RowCount(); ++r)
            EXPECT_EQ(dialog.List().RowData(r) == IItemList::kNoItemRow,
                      dialog.List().CellText(r, 0) == kSeparator)
                << r;
    }
    // The same pick handled again refills the same rows.
    dialog.OnSelChangeSubList();
    EXPECT_EQ(Rows(dialog), kFiveAgainstHundred);
    EXPECT_EQ(ListOf(dialog)->columnCount(), 5);
}

TEST_P(DlgCompareListTest, TheComparisonWritesNeitherTheCachedCountsNorTheSettingsNorTheProfile)
{
    ASSERT_TRUE(fixture.group);
    QSettings().setValue(u"CompareListTest/Marker"_s, 1);
    QSettings().sync();
    const QString profile = QSettings().fileName();
    const QByteArray cache = ReadBytes(fixture.CachePath());
    const QByteArray settings = ReadBytes(fixture.root + u"/峰嵐錄.txt"_s);
    const QByteArray profileBytes = ReadBytes(profile);
    ASSERT_FALSE(cache.isEmpty());
    ASSERT_FALSE(profileBytes.isEmpty());
    {
        CDlgCompareList dialog(fixture.group, fixture.Title(u"五岳"_s));
        ASSERT_TRUE(dialog.OnInitDialog());
        Pick(dialog, 0);
        Pick(dialog, 1);
    }
    QSettings().sync();
    EXPECT_EQ(ReadBytes(fixture.CachePath()), cache);
    EXPECT_EQ(ReadBytes(fixture.root + u"/峰嵐錄.txt"_s), settings);
    EXPECT_EQ(ReadBytes(profile), profileBytes);
    QSettings().remove(u"CompareListTest"_s);
}

INSTANTIATE_TEST_SUITE_P(Encodings, DlgCompareListTest, ::testing::Values("utf16le", "cp950"));

TEST(DlgCompareListLone, ALoneTitleListHasNoSiblingsAndShowsItsOwnRows)
{
    CompareFixture fixture(u"lone"_s);
    ASSERT_TRUE(fixture.group);
    CDlgCompareList dialog(fixture.group, fixture.Title(u"五岳"_s));
    ASSERT_TRUE(dialog.OnInitDialog());
    EXPECT_EQ(SubsetListOf(dialog)->count(), 0);
    EXPECT_EQ(Rows(dialog), kFiveRows);
    dialog.OnSelChangeSubList();
    EXPECT_EQ(Rows(dialog), kFiveRows);
}

TEST(DlgCompareListLone, WithoutASubsetItShowsNothing)
{
    CompareFixture fixture(u"utf16le"_s);
    CDlgCompareList dialog(fixture.group, nullptr);
    EXPECT_FALSE(dialog.OnInitDialog());
    EXPECT_EQ(SubsetListOf(dialog)->count(), 0);
    EXPECT_EQ(ListOf(dialog)->topLevelItemCount(), 0);
    EXPECT_TRUE(dialog.DlgItem<QLabel>(CDlgCompareList::kSubsetName)->text().isEmpty());
}

TEST(DlgCompareListOpeners, MainDialogsOpensItOnATitleListOnly)
{
    CompareFixture fixture(u"utf16le"_s);
    ASSERT_TRUE(fixture.group);
    CMainDialogs dialogs;
    int opened = 0;
    QList<Row> shown;
    const ModalWatcher watcher([&](CDlgCompareList* dialog) {
        ++opened;
        shown = Rows(*dialog);
        dialog->reject();
    });
    dialogs.CompareList(nullptr, fixture.group, fixture.Title(u"五岳"_s));
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(shown, kFiveRows);

    // A region subset and a named list: nothing opens (the watcher would close it).
    for (const QString& name : {u"南投縣的山"_s, u"名山"_s}) {
        CSubsetBase* subset = fixture.SubsetNamed(name);
        ASSERT_TRUE(subset) << name.toStdString();
        ASSERT_NE(subset->TypeCode(), CSubsetBase::kTypeTitle);
        dialogs.CompareList(nullptr, fixture.group, subset);
        QCoreApplication::processEvents();
        EXPECT_EQ(opened, 1) << name.toStdString();
    }
    dialogs.CompareList(nullptr, nullptr, fixture.Title(u"五岳"_s));
    dialogs.CompareList(nullptr, fixture.group, nullptr);
    EXPECT_EQ(opened, 1);
}

// The tree node whose text is the name, with or without its count.
QTreeWidgetItem* NodeNamed(QTreeWidget* tree, const QString& name)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->text(0) == name || (*it)->text(0).startsWith(name + u" ("_s))
            return *it;
    return nullptr;
}

TEST(DlgCompareListOpeners, TheMainDialogsButtonOpensItForATitleListAndNothingForARegion)
{
    CompareFixture fixture(u"utf16le"_s);
    QSettings().remove(QLatin1String(CTalvaneDlg::kProfileSection));
    auto dialog = std::make_unique<CTalvaneDlg>();
    QCoreApplication::processEvents();
    ASSERT_TRUE(dialog->CurrentGroup());
    auto* tree = dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kSubsetTree);
    QWidget* button = dialog->GetDlgItem(CTalvaneDlg::kCompareList);

    int opened = 0;
    QStringList siblings;
    ASSERT_TRUE(NodeNamed(tree, u"五岳"_s));
    tree->setCurrentItem(NodeNamed(tree, u"五岳"_s));
    EXPECT_TRUE(button->isEnabled());
    const QByteArray cache = ReadBytes(fixture.CachePath());
    const ModalWatcher watcher([&](CDlgCompareList* shown) {
        ++opened;
        siblings = SiblingTexts(*shown);
        shown->reject();
    });
    dialog->Commands().Dispatch(CTalvaneDlg::kCompareList);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(siblings, QStringList({u"百岳 (12)"_s, u"小百岳"_s}));
    EXPECT_EQ(ReadBytes(fixture.CachePath()), cache);

    ASSERT_TRUE(NodeNamed(tree, u"南投縣的山"_s));
    tree->setCurrentItem(NodeNamed(tree, u"南投縣的山"_s));
    EXPECT_FALSE(button->isEnabled());
    dialog->Commands().Dispatch(CTalvaneDlg::kCompareList);
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, 1);
    dialog.reset();
    QSettings().remove(QLatin1String(CTalvaneDlg::kProfileSection));
}

TEST(DlgCompareListScreenshot, ComparisonWithTheHundredPeaks)
{
    CompareFixture fixture(u"utf16le"_s);
    ASSERT_TRUE(fixture.group);
    CDlgCompareList dialog(fixture.group, fixture.Title(u"五岳"_s));
    ASSERT_TRUE(dialog.OnInitDialog());
    dialog.show();
    Pick(dialog, 0);
    EXPECT_EQ(Rows(dialog), kFiveAgainstHundred);
    SaveAndCheckScreenshot(dialog, u"talvane-compare-list-dialog.png"_s);
}

} // namespace
