// 山友行程表 on the program folder of tests/data/itinerary: the trips of the three trip-text
// forms latest first beside the peaks of their dates (worked out by hand from the peak files),
// the peak search of a row, the record link, adding trips (asked again on rejected input, refused
// with a message after a trip the reader cannot read, nothing with equal key patterns or a full
// itinerary), the date written under a fixed clock, and the openers that must open it only for a
// real companion.
#include "FakeInputDialogs.h"
#include "FakeItemList.h"
#include "FakeMessageBox.h"
#include "ItineraryProgram.h"
#include "ScreenshotCheck.h"
#include "catalog/text/HikingEntry.h"
#include "ui/adapters/QtDialogRunner.h"
#include "ui/dialogs/compare/DlgCompareHiking.h"
#include "ui/dialogs/find/DlgFindTalvane.h"
#include "ui/maindlg/MainDialogs.h"
#include "ui/maindlg/TalvaneDlg.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

using Dlg = CDlgCompareHiking;

struct Row {
    QString title, date, peaks;
    quint32 value;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* os)
{
    *os << row.title.toStdString() << " | " << row.date.toStdString() << " | "
        << row.peaks.toStdString() << " | " << row.value;
}

// 阿明's five trips, latest first; the last date does not parse and sorts last.
const QList<Row> kAmingRows = {{u"【雪山】-主東"_s, u"110/01/01"_s, u"雪山,主山"_s, 0},
                               {u"玉山"_s, u"2020/10/10"_s, u"玉山"_s, 1},
                               {u"北大武山"_s, u"108/05/03"_s, u"玉山,北大武山,主山"_s, 2},
                               {u"合歡山"_s, u"1999.12.31"_s, QString(), 3},
                               {u"郊山"_s, u"某日某月某年"_s, QString(), 4}};

QList<Row> Rows(Dlg& dialog)
{
    QList<Row> rows;
    QtItemList& list = dialog.List();
    for (int r = 0; r < list.RowCount(); ++r)
        rows.append({list.CellText(r, 0), list.CellText(r, 1), list.CellText(r, 2), list.RowData(r)});
    return rows;
}

QString Text(const Dlg& dialog, int id)
{
    if (auto* label = dialog.DlgItem<QLabel>(id))
        return label->text();
    if (auto* edit = dialog.DlgItem<QLineEdit>(id))
        return edit->text();
    return u"(none)"_s;
}

bool Enabled(const Dlg& dialog, int id)
{
    return dialog.GetDlgItem(id) && dialog.GetDlgItem(id)->isEnabled();
}

// Selects one row as a click does: the selection signal reaches the dialog.
void Click(Dlg& dialog, int row)
{
    dialog.DlgItem<QTreeWidget>(Dlg::kList)->setCurrentItem(
        dialog.DlgItem<QTreeWidget>(Dlg::kList)->topLevelItem(row));
}

QList<int> SelectedRows(Dlg& dialog)
{
    QList<int> rows;
    for (int r = dialog.List().NextSelectedRow(-1); r >= 0; r = dialog.List().NextSelectedRow(r))
        rows << r;
    return rows;
}

// A peak search that, when it runs, assigns the trip's visit to one peak as its 設定行程 would.
class AssigningRunner : public FakeDialogRunner {
public:
    FindDialogResult RunFindDialog(const FindDialogRequest& request) override
    {
        FindDialogResult result = FakeDialogRunner::RunFindDialog(request);
        if (peaks && request.mateVisitCode > 0) {
            FakeItemList row;
            row.InsertRow(0, QString(), quint32(assignedPeak));
            result.wroteVisit = peaks->AddMateVisit(&row, 0, request.mateVisitCode);
        }
        return result;
    }
    CGroupTalvane* peaks = nullptr;
    int assignedPeak = 0;
};

struct HikingFixture : ::testing::Test {
    void SetUp() override { ASSERT_TRUE(program.peaks); }

    std::unique_ptr<Dlg> Open(int companion)
    {
        auto dialog = std::make_unique<Dlg>(program.peaks, companion, &inputs);
        EXPECT_TRUE(dialog->OnInitDialog());
        return dialog;
    }
    QString Hiking(const char* file, const QString& key) const
    {
        return platform::GetProfileString(program.MateFile(file), u"Hiking"_s, key);
    }

    ItineraryProgram program;
    FakeInputDialogs inputs;
};

// While it lives, records the caption and rows of each itinerary dialog that runs modally and
// closes it.
class ModalWatcher {
public:
    ModalWatcher()
    {
        QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
            if (auto* dialog = qobject_cast<Dlg*>(QApplication::activeModalWidget())) {
                opened << dialog->windowTitle();
                rows << Rows(*dialog);
                dialog->reject();
            }
        });
        timer_.start(kPollMs);
    }
    QStringList opened;
    QList<QList<Row>> rows;

private:
    static constexpr int kPollMs = 10;
    QTimer timer_;
};

} // namespace

TEST_F(HikingFixture, ShowsTheTripsOfEachFormLatestFirstBesideThePeaksOfTheirDates)
{
    program.clock.now = QDateTime(QDate(2018, 5, 3), QTime(23, 59));
    auto dialog = Open(ItineraryProgram::kAming);
    EXPECT_EQ(dialog->windowTitle(), u"山友行程表 - 阿明"_s);
    EXPECT_EQ(Rows(*dialog), kAmingRows);
    EXPECT_EQ(dialog->Entries()[2].link, u"http://a/1"_s);
    EXPECT_EQ(dialog->Entries()[3].link, QString());
    EXPECT_EQ(Text(*dialog, Dlg::kTripCount), u"5"_s);
    EXPECT_EQ(Text(*dialog, Dlg::kVisitedCount), u"4"_s);  // 玉山, 雪山, 北大武山, 主山
    EXPECT_EQ(SelectedRows(*dialog), QList<int>{0});
    EXPECT_EQ(Text(*dialog, Dlg::kTripTitle), u"【雪山】-主東"_s);
    EXPECT_TRUE(Enabled(*dialog, Dlg::kFindPeaks));
    EXPECT_TRUE(Enabled(*dialog, Dlg::kOpenRecord));
    QString title;
    int width = 0;
    ASSERT_TRUE(dialog->List().GetColumn(2, &title, &width));
    EXPECT_EQ(title, u"造訪山岳"_s);
    EXPECT_EQ(width, 160);
    EXPECT_EQ(platform::GetProfileString(program.LocalFile(), u"Hiking"_s, u"阿明"_s), u"2018-0503"_s);
}

TEST_F(HikingFixture, AnEmptyItineraryStillWritesTheDateAndLeavesTheRowButtonsDisabled)
{
    program.clock.now = QDateTime(QDate(2026, 1, 9), QTime(0, 0));
    auto dialog = Open(ItineraryProgram::kXiaohua);
    EXPECT_EQ(dialog->EntryCount(), 0);
    EXPECT_EQ(Text(*dialog, Dlg::kTripCount), u"0"_s);
    EXPECT_EQ(Text(*dialog, Dlg::kVisitedCount), u"0"_s);
    EXPECT_FALSE(Enabled(*dialog, Dlg::kFindPeaks));
    EXPECT_FALSE(Enabled(*dialog, Dlg::kOpenRecord));
    EXPECT_EQ(platform::GetProfileString(program.LocalFile(), u"Hiking"_s, u"小華"_s), u"2026-0109"_s);
}

TEST_F(HikingFixture, ThePeakSearchGetsTheRowsTripCodeAndNumberAndARecordedVisitShowsAtOnce)
{
    AssigningRunner runner;
    runner.peaks = program.peaks;
    runner.assignedPeak = 4;  // 合歡山
    WindowServices services = program.table.Services();
    services.dialogs = &runner;
    program.table.SetServices(services);
    auto dialog = Open(ItineraryProgram::kAming);

    Click(*dialog, 2);
    EXPECT_EQ(Text(*dialog, Dlg::kTripTitle), u"北大武山"_s);
    dialog->Commands().Dispatch(Dlg::kFindPeaks);
    ASSERT_EQ(runner.finds.size(), 1);
    EXPECT_EQ(runner.finds[0].kind, FindDialogKind::Peaks);
    EXPECT_EQ(runner.finds[0].group, program.peaks);
    EXPECT_EQ(runner.finds[0].searchText, u"北大武山"_s);
    EXPECT_EQ(runner.finds[0].mateVisitCode, 1080503);
    EXPECT_EQ(runner.finds[0].defaultTripNumber, 3);
    EXPECT_EQ(dialog->List().CellText(2, 2), u"玉山,北大武山,主山,合歡山"_s);
    EXPECT_EQ(Text(*dialog, Dlg::kVisitedCount), u"5"_s);

    // A date ParseDateText rejects gives no code: the search opens without one.
    Click(*dialog, 4);
    dialog->Commands().Dispatch(Dlg::kFindPeaks);
    ASSERT_EQ(runner.finds.size(), 2);
    EXPECT_EQ(runner.finds[1].searchText, u"郊山"_s);
    EXPECT_EQ(runner.finds[1].mateVisitCode, 0);
    EXPECT_EQ(runner.finds[1].defaultTripNumber, 5);
    EXPECT_EQ(dialog->List().CellText(4, 2), QString());
}

TEST_F(HikingFixture, ThePeakSearchItOpensAssignsTheTripToAFoundPeak)
{
    QtDialogRunner runner(nullptr);
    WindowServices services = program.table.Services();
    services.dialogs = &runner;
    program.table.SetServices(services);
    auto dialog = Open(ItineraryProgram::kAming);
    QString caption;
    QTimer::singleShot(50, [&] {
        auto* search = qobject_cast<CDlgFindTalvane*>(QApplication::activeModalWidget());
        if (!search)
            return;
        search->List().SelectRow(0, true);
        search->OnListItemChanged();
        caption = search->GetDlgItem(CDlgFindTalvane::kSetTrip)->property("text").toString();
        search->Commands().Dispatch(CDlgFindTalvane::kSetTrip);
        search->reject();
    });
    Click(*dialog, 3);  // 合歡山 on 1999.12.31, a date none of the peaks holds yet
    dialog->Commands().Dispatch(Dlg::kFindPeaks);
    EXPECT_EQ(caption, u"設定行程(4)"_s);
    EXPECT_EQ(dialog->List().CellText(3, 2), u"合歡山"_s);
    EXPECT_EQ(Text(*dialog, Dlg::kVisitedCount), u"5"_s);
}

TEST_F(HikingFixture, TheRecordButtonOpensTheSelectedTripsLinkWhenItHasOne)
{
    auto dialog = Open(ItineraryProgram::kAming);
    Click(*dialog, 1);
    dialog->Commands().Dispatch(Dlg::kOpenRecord);
    Click(*dialog, 3);  // 合歡山 has an empty link
    dialog->Commands().Dispatch(Dlg::kOpenRecord);
    EXPECT_EQ(program.shell.opened, QStringList{u"http://a/3"_s});
}

TEST_F(HikingFixture, RejectedTripsAreAskedForAgainWithWhatWasTypedAndTheAddedTripIsSelected)
{
    auto dialog = Open(ItineraryProgram::kAming);
    inputs.Type(QString(), u"重複 [108/05/03]"_s, u"x"_s);      // 北大武山's date text
    inputs.Type(QString(), u"沒有日期的行程"_s, u"y"_s);         // no trip form
    inputs.Type(QString(), u"怪日 [某年某月某日]"_s, u"z"_s);    // a date ParseDateText rejects
    inputs.Type(QString(), u"奇萊主山 [109/07/01]"_s, u"http://a/new"_s);
    dialog->Commands().Dispatch(Dlg::kAddTrip);

    ASSERT_EQ(inputs.offered.size(), 4);
    const QList<QPair<QString, QString>> offered = {{QString(), QString()},
                                                    {u"重複 [108/05/03]"_s, u"x"_s},
                                                    {u"沒有日期的行程"_s, u"y"_s},
                                                    {u"怪日 [某年某月某日]"_s, u"z"_s}};
    for (int i = 0; i < offered.size(); ++i) {
        EXPECT_EQ(inputs.offered[i].kind, u"AddGuide"_s);
        EXPECT_EQ(inputs.offered[i].shown.title, offered[i].first) << i;
        EXPECT_EQ(inputs.offered[i].shown.address, offered[i].second) << i;
    }
    EXPECT_EQ(Hiking("a.txt", u"阿明6"_s), u"奇萊主山 [109/07/01]"_s);
    EXPECT_EQ(Hiking("a.txt", u"阿明連結6"_s), u"http://a/new"_s);
    EXPECT_EQ(Hiking("a.txt", u"阿明7"_s), QString());

    QList<Row> expected = kAmingRows;
    expected.insert(2, {u"奇萊主山"_s, u"109/07/01"_s, QString(), 2});
    for (int i = 3; i < expected.size(); ++i)
        expected[i].value = quint32(i);
    EXPECT_EQ(Rows(*dialog), expected);
    EXPECT_EQ(dialog->Entries()[2].link, u"http://a/new"_s);
    EXPECT_EQ(Text(*dialog, Dlg::kTripCount), u"6"_s);
    EXPECT_EQ(SelectedRows(*dialog), QList<int>{2});
    EXPECT_EQ(Text(*dialog, Dlg::kTripTitle), u"奇萊主山"_s);

    // Cancel ends at once.
    inputs.Cancel();
    const QByteArray before = ReadBytes(program.MateFile("a.txt"));
    dialog->Commands().Dispatch(Dlg::kAddTrip);
    EXPECT_EQ(inputs.offered.size(), 5);
    EXPECT_EQ(ReadBytes(program.MateFile("a.txt")), before);
    EXPECT_EQ(dialog->EntryCount(), 6);
}

TEST_F(HikingFixture, ATripAfterAnUnreadableTripIsRefusedNamingTheFileAndTheKey)
{
    FakeMessageBox box;
    WindowServices services = program.table.Services();
    services.messageBox = &box;
    program.table.SetServices(services);
    auto dialog = Open(ItineraryProgram::kAhua);
    const QList<Row> rows = {{u"大霸尖山"_s, u"105/06/07"_s, u"玉山,合歡山"_s, 0}};
    EXPECT_EQ(Rows(*dialog), rows);
    EXPECT_EQ(Text(*dialog, Dlg::kVisitedCount), u"2"_s);
    const QByteArray before = ReadBytes(program.MateFile("c.txt"));

    // 阿花2 holds a trip without a date, at which the reader stops: a trip added after it would
    // show now and be gone at the next opening.
    inputs.Type(QString(), u"雪山 [106/07/08]"_s, u"http://c/new"_s);
    dialog->Commands().Dispatch(Dlg::kAddTrip);
    EXPECT_EQ(ReadBytes(program.MateFile("c.txt")), before);
    EXPECT_EQ(Rows(*dialog), rows);
    EXPECT_EQ(Text(*dialog, Dlg::kTripCount), u"1"_s);
    ASSERT_EQ(box.shown.size(), 1);
    EXPECT_EQ(box.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(box.shown[0].text.contains(program.MateFile("c.txt"))) << box.shown[0].text.toStdString();
    EXPECT_TRUE(box.shown[0].text.contains(u"阿花2"_s)) << box.shown[0].text.toStdString();
    EXPECT_EQ(inputs.offered.size(), 1);  // not asked again
}

TEST_F(HikingFixture, BlanksTypedAroundTheTripAndTheLinkAreNotWritten)
{
    const QByteArray before = ReadBytes(program.MateFile("a.txt"));
    {
        auto dialog = Open(ItineraryProgram::kAming);
        inputs.Type(QString(), u"  奇萊主山 [109/07/01] "_s, u" http://a/new "_s);
        dialog->Commands().Dispatch(Dlg::kAddTrip);
        EXPECT_EQ(dialog->EntryCount(), 6);
    }
    EXPECT_EQ(ReadBytes(program.MateFile("a.txt")),
              before + Utf16LeWithBom(u"阿明6=奇萊主山 [109/07/01]\r\n阿明連結6=http://a/new\r\n"_s).mid(2));
    auto again = Open(ItineraryProgram::kAming);
    const QList<Row> rows = Rows(*again);
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[2], (Row{u"奇萊主山"_s, u"109/07/01"_s, QString(), 2}));
    Click(*again, 2);
    again->Commands().Dispatch(Dlg::kOpenRecord);
    EXPECT_EQ(program.shell.opened, QStringList{u"http://a/new"_s});
}

TEST_F(HikingFixture, EqualKeyPatternsOrAFullItineraryTakeNoTrip)
{
    const QString xiaohua = program.MateFile("b.txt");
    const QByteArray before = ReadBytes(xiaohua);
    auto dialog = Open(ItineraryProgram::kXiaohua);
    inputs.Type(QString(), u"雪山 [106/07/08]"_s, u"http://b"_s);
    dialog->Commands().Dispatch(Dlg::kAddTrip);
    EXPECT_TRUE(inputs.offered.isEmpty());
    EXPECT_EQ(ReadBytes(xiaohua), before);

    QString full = u"[Hiking]\r\nTitle=阿明\r\nKeyTitle=阿明\r\nKeyLink=阿明連結\r\n"_s;
    for (int n = 1; n <= HikingEntry::kMaxEntries; ++n)
        full += u"阿明%1=山 [%2/1/1]\r\n阿明連結%1=\r\n"_s.arg(n).arg(n % 900 + 90);
    program.temp.write(u"program/data/山友/a.txt"_s, Utf16LeWithBom(full));
    platform::ClearProfileCache();
    auto fullDialog = Open(ItineraryProgram::kAming);
    EXPECT_EQ(fullDialog->EntryCount(), HikingEntry::kMaxEntries);
    fullDialog->Commands().Dispatch(Dlg::kAddTrip);
    EXPECT_TRUE(inputs.offered.isEmpty());
    EXPECT_EQ(ReadBytes(program.MateFile("a.txt")), Utf16LeWithBom(full));
}

TEST_F(HikingFixture, TheOpenerOpensItOnlyForTheCompanionsOfThePeakGroup)
{
    CMainDialogs dialogs(&inputs);
    ModalWatcher watcher;
    for (int companion : {14, 3, -1}) {
        dialogs.CompareHiking(nullptr, program.peaks, companion);
        QCoreApplication::processEvents();
    }
    dialogs.CompareHiking(nullptr, nullptr, 0);
    EXPECT_TRUE(watcher.opened.isEmpty());
    dialogs.CompareHiking(nullptr, program.peaks, ItineraryProgram::kXiaohua);
    EXPECT_EQ(watcher.opened, QStringList{u"山友行程表 - 小華"_s});
}

TEST_F(HikingFixture, TheMainDialogsCompanionCommandsOpenTheItinerary)
{
    QSettings().remove(QLatin1String(CTalvaneDlg::kProfileSection));
    CMainDialogs dialogs(&inputs);
    CTalvaneDlg main;
    main.GroupTable().SetGroupClasses(ProgramGroupClasses());
    main.SetDialogs(&dialogs);
    QCoreApplication::processEvents();
    ASSERT_TRUE(dynamic_cast<CGroupTalvane*>(main.CurrentGroup()));

    ModalWatcher watcher;
    main.Commands().Dispatch(CTalvaneDlg::kFirstHikerWalks + ItineraryProgram::kAhua);
    main.Commands().Dispatch(CTalvaneDlg::kLastHikerWalks);  // 1914 with 3 companions
    QCoreApplication::processEvents();
    EXPECT_EQ(watcher.opened, QStringList{u"山友行程表 - 阿花"_s});
    ASSERT_EQ(watcher.rows.size(), 1);
    EXPECT_EQ(watcher.rows[0], (QList<Row>{{u"大霸尖山"_s, u"105/06/07"_s, u"玉山,合歡山"_s, 0}}));
    QSettings().remove(QLatin1String(CTalvaneDlg::kProfileSection));
}

TEST_F(HikingFixture, Screenshot)
{
    auto dialog = Open(ItineraryProgram::kAming);
    dialog->show();
    QCoreApplication::processEvents();
    auto* list = dialog->DlgItem<QTreeWidget>(Dlg::kList);
    // The three columns fit beside a vertical scroll bar, which a long itinerary brings.
    EXPECT_GE(list->viewport()->width() - list->verticalScrollBar()->sizeHint().width(),
              Dlg::kTitleWidth + Dlg::kDateWidth + Dlg::kPeaksWidth);
    SaveAndCheckScreenshot(*dialog, u"talvane-compare-hiking-dialog.png"_s);
}
