// 比對行程表 on the program folder written by tests/data/walkdialog/make_fixtures.py: the walk
// index page (UTF-8, a cancelled "x" row, a walk without a report page, numbers 1, 2, 5 and 51),
// Local.txt in CP950 naming the page relative to the program folder, and peak files in UTF-16LE.
// The rows, the filter, the search for a walk and its refresh, the report page of a walk, and
// 輸出網頁 on a group that is not the peak group.
#include "FakeDialogRunner.h"
#include "FakeItemList.h"
#include "FakeMainWindow.h"
#include "FakeMessageBox.h"
#include "FakeShell.h"
#include "ScreenshotCheck.h"
#include "TempDir.h"
#include "TestGroups.h"
#include "catalog/GroupTable.h"
#include "catalog/talvane/GroupTalvane.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "catalog/window/WindowServices.h"
#include "ui/dialogs/compare/DlgCompareWalk.h"
#include "ui/maindlg/MainDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Row {
    QString number, title, date, visited;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* os)
{
    *os << (row.number + " | " + row.title + " | " + row.date + " | " + row.visited).toStdString();
}

// The page's walks, newest first, with the peaks each reached (in peak file order).
const Row kWalk51 = {u"51"_s, u"玉山群峰"_s, u"2005/1/5"_s, u"玉山,北峰"_s};
const Row kWalk5 = {u"5"_s, u"颱風撤退"_s, u"2001/5/5"_s, {}};
const Row kWalk2 = {u"2"_s, u"雪山主峰"_s, u"2001/2/2"_s, u"北峰,雪山"_s};
const Row kWalk1 = {u"1"_s, u"合歡山行"_s, u"2001/1/1"_s, u"合歡山"_s};

// The peak group on a program folder, set up by the base's Init alone (no subsets).
class WalkPeakGroup : public CGroupTalvane {
public:
    void SetUpIn(const QString& root, CGroupTable* table)
    {
        CGroupBase::Init(root + u"/峰嵐錄.txt"_s, table, root + u"/山"_s);
    }
};

// A search that records the request and, like the user ticking a peak, adds a visit of one peak
// to the walk asked for.
class VisitingRunner : public FakeDialogRunner {
public:
    FindDialogResult RunFindDialog(const FindDialogRequest& request) override
    {
        FindDialogResult result = FakeDialogRunner::RunFindDialog(request);
        FakeItemList list;
        list.InsertRow(0, {}, quint32(peak));
        if (request.group && request.group->AddVisit(&list, 0, request.walkNumber))
            result.wroteVisit = reportWrite;
        return result;
    }
    int peak = 4;  // 奇萊, visited on no walk
    bool reportWrite = true;
};

class DlgCompareWalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.copyTree(QStringLiteral(TALVANE_TEST_DATA "/walkdialog/program"), u"program"_s);
        platform::ClearProfileCache();
        platform::SetProgramFolder(root);
        table.LoadSettings();
        table.SetServices(WindowServices{.messageBox = &box, .dialogs = &runner, .shell = &shell});
        group.SetUpIn(root, &table);
        const QStringList files = QDir(root + u"/山"_s).entryList({u"*.txt"_s}, QDir::Files, QDir::Name);
        for (const QString& file : files)
            ASSERT_TRUE(group.LoadItemFile(root + u"/山/"_s + file, platform::FileTime{1}));
        ASSERT_EQ(group.ItemCount(), 5);
    }

    QList<Row> Rows(const CDlgCompareWalk& dialog) const
    {
        auto* list = dialog.DlgItem<QTreeWidget>(CDlgCompareWalk::kList);
        QList<Row> rows;
        for (int r = 0; list && r < list->topLevelItemCount(); ++r) {
            const QTreeWidgetItem* item = list->topLevelItem(r);
            rows.append({item->text(0), item->text(1), item->text(2), item->text(3)});
        }
        return rows;
    }
    // Selects the row of a walk the way a click does: the dialog hears of the change.
    static void Select(CDlgCompareWalk& dialog, int walk)
    {
        auto* list = dialog.DlgItem<QTreeWidget>(CDlgCompareWalk::kList);
        const int row = dialog.List().FindRow(quint32(walk));
        ASSERT_GE(row, 0);
        list->clearSelection();
        list->topLevelItem(row)->setSelected(true);
    }
    static QString Text(const CDlgCompareWalk& dialog, int id)
    {
        if (auto* edit = dialog.DlgItem<QLineEdit>(id))
            return edit->text();
        auto* label = dialog.DlgItem<QLabel>(id);
        return label ? label->text() : QString();
    }

    TempDir dir;
    QString root;
    CGroupTable table;
    FakeMessageBox box;
    VisitingRunner runner;
    FakeShell shell;
    WalkPeakGroup group;
};

TEST_F(DlgCompareWalkTest, ListsStoredWalksFromTheHighestNumberDown)
{
    CDlgCompareWalk dialog(&group);
    ASSERT_TRUE(dialog.OnInitDialog());

    // Four rows are stored, but the list runs from walk 51 down; the "x" row and the numbers the
    // page lacks give no row, the walk without a report page does.
    EXPECT_EQ(Rows(dialog), (QList<Row>{kWalk51, kWalk5, kWalk2, kWalk1}));
    const QList<quint32> data = {51, 5, 2, 1};
    for (int r = 0; r < data.size(); ++r)
        EXPECT_EQ(dialog.List().RowData(r), data[r]);
    EXPECT_EQ(dialog.Walks().highestWalk, 51);
    EXPECT_FALSE(dialog.Walks().Holds(3));

    const struct {
        const char* title;
        int width;
    } columns[] = {{"編號", 40}, {"行程", 270}, {"日期", 80}, {"造訪山", 160}};
    ASSERT_EQ(dialog.List().ColumnCount(), 4);
    for (int c = 0; c < 4; ++c) {
        QString title;
        int width = 0;
        ASSERT_TRUE(dialog.List().GetColumn(c, &title, &width));
        EXPECT_EQ(title, QString::fromUtf8(columns[c].title));
        EXPECT_EQ(width, columns[c].width);
    }
    auto* list = dialog.DlgItem<QTreeWidget>(CDlgCompareWalk::kList);
    EXPECT_TRUE(list->topLevelItem(0)->textAlignment(0) & Qt::AlignHCenter);

    EXPECT_EQ(Text(dialog, CDlgCompareWalk::kVisitCount), u"4"_s);  // 奇萊 has no visit
    EXPECT_EQ(Text(dialog, CDlgCompareWalk::kFilter), u"山"_s);
    EXPECT_EQ(dialog.windowTitle(), u"比對行程表"_s);
}

TEST_F(DlgCompareWalkTest, FilterListsTheWalksWhoseTitleHoldsTheText)
{
    CDlgCompareWalk dialog(&group);
    dialog.OnInitDialog();
    auto* filter = dialog.DlgItem<QLineEdit>(CDlgCompareWalk::kFilter);
    const struct {
        const char* text;
        QList<Row> rows;
    } cases[] = {
        {"山", {kWalk51, kWalk2, kWalk1}},
        {"雪山", {kWalk2}},
        {"無此行程", {}},
        {"", {kWalk51, kWalk5, kWalk2, kWalk1}},
    };
    for (const auto& c : cases) {
        filter->setText(QString::fromUtf8(c.text));
        ASSERT_TRUE(dialog.Commands().Dispatch(CDlgCompareWalk::kFilterTrips));
        EXPECT_EQ(Rows(dialog), c.rows) << c.text;
    }
}

TEST_F(DlgCompareWalkTest, SearchForTheSelectedWalkRefreshesItsRowWhenAVisitWasWritten)
{
    CDlgCompareWalk dialog(&group);
    dialog.OnInitDialog();
    auto* search = dialog.DlgItem<QPushButton>(CDlgCompareWalk::kSearch);
    auto* record = dialog.DlgItem<QPushButton>(CDlgCompareWalk::kOpenRecord);
    EXPECT_FALSE(search->isEnabled());
    EXPECT_FALSE(record->isEnabled());

    // Without a selected row the search does not open.
    search->setEnabled(true);
    search->click();
    EXPECT_TRUE(runner.finds.isEmpty());

    Select(dialog, 2);
    EXPECT_EQ(Text(dialog, CDlgCompareWalk::kTitle), u"雪山主峰"_s);
    EXPECT_TRUE(search->isEnabled());
    EXPECT_TRUE(record->isEnabled());

    // A visit written but not reported leaves the row as it was.
    runner.reportWrite = false;
    search->click();
    ASSERT_EQ(runner.finds.size(), 1);
    EXPECT_EQ(Rows(dialog)[2], kWalk2);
    EXPECT_EQ(Text(dialog, CDlgCompareWalk::kVisitCount), u"4"_s);

    runner.reportWrite = true;
    runner.peak = 3;  // 合歡山, visited already on walk 1
    search->click();
    ASSERT_EQ(runner.finds.size(), 2);
    const FindDialogRequest& request = runner.finds.last();
    EXPECT_EQ(request.kind, FindDialogKind::Peaks);
    EXPECT_EQ(request.group, &group);
    EXPECT_EQ(request.subset, nullptr);
    EXPECT_EQ(request.searchText, u"雪山主峰"_s);
    EXPECT_EQ(request.walkNumber, 2);
    EXPECT_EQ(request.atlasCode, 0);
    // Both visits written to walk 2 now show; the count of peaks with a visit includes 奇萊.
    EXPECT_EQ(Rows(dialog)[2].visited, u"北峰,雪山,合歡山,奇萊"_s);
    EXPECT_EQ(Text(dialog, CDlgCompareWalk::kVisitCount), u"5"_s);
    EXPECT_EQ(Rows(dialog)[0], kWalk51);  // other rows untouched
}

// A region or survey stone chosen in the peak search opened for a walk is carried out by the
// main dialog.
TEST_F(DlgCompareWalkTest, AJumpChosenInThePeakSearchReachesTheMainDialog)
{
    FakeMainWindow window;
    table.SetServices(WindowServices{.mainWindow = &window, .messageBox = &box, .dialogs = &runner,
                                     .shell = &shell});
    CDlgCompareWalk dialog(&group);
    dialog.OnInitDialog();
    Select(dialog, 2);
    runner.findResult.chosenRegion = u"雪山山脈"_s;
    dialog.OnSearch();
    EXPECT_EQ(window.selectedSubsets, QStringList{u"雪山山脈"_s});
    runner.findResult.chosenRegion.clear();
    runner.findResult.chosenStone = u"三角點1234"_s;
    dialog.OnSearch();
    EXPECT_EQ(window.stoneJumps, QStringList{u"三角點1234"_s});
    EXPECT_EQ(runner.finds.size(), 2);
}

TEST_F(DlgCompareWalkTest, RecordOpensTheWalksReportPage)
{
    CDlgCompareWalk dialog(&group);
    dialog.OnInitDialog();
    const struct {
        int walk;
        QStringList opened;
    } cases[] = {
        {51, {u"http://hike.example.tw/reports/w51.htm"_s}},  // relative: OnlineDir before it
        {2, {u"http://blog.example.tw/w2.htm"_s}},
        {5, {}},  // no report page
    };
    for (const auto& c : cases) {
        shell.opened.clear();
        Select(dialog, c.walk);
        dialog.DlgItem<QPushButton>(CDlgCompareWalk::kOpenRecord)->click();
        EXPECT_EQ(shell.opened, c.opened) << c.walk;
    }
}

TEST_F(DlgCompareWalkTest, WebPagesAreWrittenOnlyForThePeakGroup)
{
    TestGroup<TalvaneItemRecord> waterfalls(u"Waterfall"_s, u"瀑布"_s);
    CDlgCompareWalk dialog(&waterfalls);
    ASSERT_TRUE(dialog.OnInitDialog());
    EXPECT_EQ(Rows(dialog).size(), 4);
    EXPECT_EQ(Text(dialog, CDlgCompareWalk::kVisitCount), u"0"_s);

    auto* button = dialog.DlgItem<QPushButton>(CDlgCompareWalk::kWriteWebPages);
    ASSERT_TRUE(button);
    EXPECT_EQ(button->text(), u"輸出網頁"_s);
    button->click();
    EXPECT_FALSE(QDir(root + u"/walk3"_s).exists());
    EXPECT_FALSE(QDir(root + u"/walk4"_s).exists());
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(DlgCompareWalkTest, WebPagesOfThePeakGroupOpenTheFirstCitysPages)
{
    CDlgCompareWalk dialog(&group);
    dialog.OnInitDialog();
    dialog.DlgItem<QPushButton>(CDlgCompareWalk::kWriteWebPages)->click();
    EXPECT_TRUE(QFileInfo::exists(root + u"/walk3/walk3a.htm"_s));
    EXPECT_TRUE(QFileInfo::exists(root + u"/walk4/walk4a.htm"_s));
    ASSERT_EQ(shell.opened.size(), 2);
    EXPECT_TRUE(shell.opened[0].endsWith(u"walk3/walk3a.htm"_s)) << shell.opened[0].toStdString();
    EXPECT_TRUE(shell.opened[1].endsWith(u"walk4/walk4a.htm"_s)) << shell.opened[1].toStdString();
}

TEST_F(DlgCompareWalkTest, MissingWalkIndexGivesAnEmptyList)
{
    QFile::remove(root + u"/頁面/walk2.htm"_s);
    CDlgCompareWalk dialog(&group);
    ASSERT_TRUE(dialog.OnInitDialog());
    EXPECT_TRUE(Rows(dialog).isEmpty());
    EXPECT_EQ(dialog.List().ColumnCount(), 4);
    // Nothing selected: neither the search nor the report page opens.
    dialog.Commands().Dispatch(CDlgCompareWalk::kSearch);
    dialog.Commands().Dispatch(CDlgCompareWalk::kOpenRecord);
    EXPECT_TRUE(runner.finds.isEmpty());
    EXPECT_TRUE(shell.opened.isEmpty());
}

// While it lives, runs act on the walk dialog as soon as one runs modally.
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<void(CDlgCompareWalk*)> act)
    {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [act] {
            if (auto* dialog = qobject_cast<CDlgCompareWalk*>(QApplication::activeModalWidget()))
                act(dialog);
        });
        timer_.start(kPollMs);
    }

private:
    static constexpr int kPollMs = 10;
    QTimer timer_;
};

TEST_F(DlgCompareWalkTest, MainDialogsOpenTheDialogForAGroup)
{
    CMainDialogs dialogs;
    int rows = -1;
    ModalWatcher watcher([&](CDlgCompareWalk* dialog) {
        rows = dialog->List().RowCount();
        dialog->reject();
    });
    dialogs.CompareWalks(nullptr, nullptr);  // no group: nothing opens
    EXPECT_EQ(rows, -1);
    dialogs.CompareWalks(nullptr, &group);
    EXPECT_EQ(rows, 4);
}

TEST_F(DlgCompareWalkTest, Screenshot)
{
    CDlgCompareWalk dialog(&group);
    dialog.OnInitDialog();
    Select(dialog, 2);
    dialog.show();
    QApplication::processEvents();
    SaveAndCheckScreenshot(dialog, u"talvane-compare-walk-dialog.png"_s);
}

} // namespace
