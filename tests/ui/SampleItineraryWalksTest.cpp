// The user's scenarios on the bundled sample through the main dialog's command dispatch, with
// the program's own dialogs: 1900 + m opens companion m's itinerary beside the peaks visited
// with that companion on each trip's date, records a visit through the peak search and adds a
// trip; 1011 lists the walks with the peaks of each and 輸出網頁 writes the walk3 and walk4 page
// of every county from the sample's templates, refreshing the one published copy. The expected
// rows and page texts were worked out by hand from make_sample.py (MATE_TRIPS, the peaks'
// companion dates, WALKS, REGIONS, REGION_MEMBERS and the walk templates).
#include "SampleModalFixture.h"

#include "FakeItemList.h"
#include "catalog/text/TextFile.h"
#include "ui/dialogs/compare/DlgCompareHiking.h"
#include "ui/dialogs/compare/DlgCompareWalk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace sample_scenarios;

namespace {

constexpr int kAkai = 0, kGoat = 1;

struct SampleItineraryWalksTest : SampleModalFixture {
    QString MateFile(const char* name) const { return DataFile(U("山友/") + U(name) + QStringLiteral(".txt")); }
};

struct ExpectedTrip {
    const char* title;
    const char* date;
    std::initializer_list<const char*> peaks;
};

// 阿凱's trips latest first: each date's peaks are those whose 阿凱%d keys hold that date
// (三叉山's 2013/3/31 is on no trip); 加里山 was a trip without a peak.
const ExpectedTrip kAkaiTrips[] = {
    {"玉山主峰單攻", "2016/04/09", {"玉山"}},
    {"加里山、哈堪尼山", "2014/05/03", {}},
    {"向陽山、嘉明湖", "2013/03/30", {"向陽山"}},
    {"合歡山主峰", "2012/02/04", {"合歡山"}},
    {"七星山跨年", "2011/12/31", {"七星山"}},
    {"奇萊北峰", "2010/09/25", {"奇萊北峰"}},
    {"玉山主峰、北峰", "2008/11/22", {"玉山", "玉山北峰"}},
    {"南湖大山", "2007/10/12", {"南湖大山"}},
    {"大霸尖山", "2005/08/13", {"大霸尖山"}},
    {"合歡山、石門山", "2003/01/25", {"合歡山", "石門山"}},
};
// 山羊's, with ROC years; the 【】 form keeps its title around the cut date and the day after "～"
// is dropped.
const ExpectedTrip kGoatTrips[] = {
    {"合歡山主峰", "101/02/04", {"合歡山"}},
    {"【武陵四秀】-品田山、桃山", "100/07/01", {"品田山", "桃山"}},
    {"能高越嶺道、能高山", "99/10/17", {"能高山"}},
    {"七星山", "99/3/14", {"七星山"}},
    {"【南湖大山】-南湖北山", "096/10/11", {"南湖北山"}},
};

void ExpectTrips(CDlgCompareHiking& dialog, const ExpectedTrip* trips, int count)
{
    const IItemList& list = dialog.List();
    ASSERT_EQ(list.RowCount(), count);
    for (int row = 0; row < count; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(list.CellText(row, 0), U(trips[row].title));
        EXPECT_EQ(list.CellText(row, 1), U(trips[row].date));
        EXPECT_EQ(SampleModalFixture::Names(list.CellText(row, 2)), SampleModalFixture::Names(trips[row].peaks));
        EXPECT_EQ(list.RowData(row), quint32(row));
    }
}

} // namespace

TEST_F(SampleItineraryWalksTest, AkaisTripsWithTheirPeaksAVisitRecordedAndATripAdded)
{
    ASSERT_TRUE(peaks);
    // The user picks 北插天山 for the trip to 加里山 in the peak search.
    const int beichatian = PeakOfFile(U("北插天山"));
    ASSERT_GE(beichatian, 0);
    runner.findResult.wroteVisit = true;
    runner.onFind = [&](const FindDialogRequest& request) {
        FakeItemList rows;
        rows.InsertRow(0, U("北插天山"), quint32(beichatian));
        peaks->AddMateVisit(&rows, 0, request.mateVisitCode);
    };
    inputs.Type(QString(), U("北插天山 [2025/11/22]"), U("https://akai.example.net/2025/11/beichatian.html"));

    ModalWatcher<CDlgCompareHiking> watcher([&](CDlgCompareHiking* hiking) {
        EXPECT_EQ(hiking->windowTitle(), U("山友行程表 - 阿凱的登山紀錄"));
        ExpectTrips(*hiking, kAkaiTrips, int(std::size(kAkaiTrips)));
        EXPECT_EQ(TextOf(hiking, CDlgCompareHiking::kTripCount), QStringLiteral("10"));
        // 玉山, 玉山北峰, 大霸尖山, 南湖大山, 合歡山, 石門山, 奇萊北峰, 向陽山, 三叉山, 七星山, 觀音山.
        EXPECT_EQ(TextOf(hiking, CDlgCompareHiking::kVisitedCount), QStringLiteral("11"));
        EXPECT_EQ(TextOf(hiking, CDlgCompareHiking::kTripTitle), U("玉山主峰單攻"));
        SaveScreenshot(hiking, "talvane-sample-itinerary-dialog.png");

        // The search for the trip without a peak: its ROC date as 阿凱's visit code, trip 2.
        hiking->List().SelectRow(0, false);
        hiking->List().SelectRow(1, true);
        hiking->OnListItemChanged();
        hiking->OnFindPeaks();
        ASSERT_EQ(runner.finds.size(), 1);
        EXPECT_EQ(runner.finds[0].kind, FindDialogKind::Peaks);
        EXPECT_EQ(runner.finds[0].searchText, U("加里山、哈堪尼山"));
        EXPECT_EQ(runner.finds[0].mateVisitCode, kAkai * 10000000 + 1030503);
        EXPECT_EQ(runner.finds[0].defaultTripNumber, 2);
        EXPECT_EQ(hiking->List().CellText(1, 2), U("北插天山"));
        EXPECT_EQ(TextOf(hiking, CDlgCompareHiking::kVisitedCount), QStringLiteral("12"));

        // The newest trip goes first and is selected.
        hiking->OnAddTrip();
        EXPECT_EQ(TextOf(hiking, CDlgCompareHiking::kTripCount), QStringLiteral("11"));
        EXPECT_EQ(hiking->List().CellText(0, 0), U("北插天山"));
        EXPECT_EQ(hiking->List().CellText(0, 1), U("2025/11/22"));
        EXPECT_EQ(hiking->List().NextSelectedRow(-1), 0);
        EXPECT_EQ(TextOf(hiking, CDlgCompareHiking::kTripTitle), U("北插天山"));
    });
    Dispatch(CTalvaneDlg::kFirstHikerWalks + kAkai);
    ASSERT_TRUE(watcher.Ran());

    // The visit under 阿凱's key of the peak, the trip under the next free keys of 阿凱's file,
    // and the opening date under the companion's title in Local.txt.
    EXPECT_EQ(platform::GetProfileString(PeakFile("北插天山"), QStringLiteral("Talvane"), U("阿凱1")), QStringLiteral("103/5/3"));
    EXPECT_EQ(platform::GetProfileString(MateFile("阿凱"), QStringLiteral("Hiking"), U("阿凱11")), U("北插天山 [2025/11/22]"));
    EXPECT_EQ(platform::GetProfileString(MateFile("阿凱"), QStringLiteral("Hiking"), U("阿凱Link11")),
              U("https://akai.example.net/2025/11/beichatian.html"));
    EXPECT_EQ(platform::GetProfileString(MateFile("阿凱"), QStringLiteral("Hiking"), U("阿凱10")), U("合歡山、石門山 [2003/01/25]"));
    EXPECT_EQ(platform::GetProfileString(platform::JoinPath(program, QStringLiteral("Local.txt")),
                                         QStringLiteral("Hiking"), U("阿凱的登山紀錄")),
              QStringLiteral("2026-1208"));
}

TEST_F(SampleItineraryWalksTest, GoatsTripsInTheLenticularAndParenthesisForms)
{
    ASSERT_TRUE(peaks);
    ModalWatcher<CDlgCompareHiking> watcher([&](CDlgCompareHiking* hiking) {
        ExpectTrips(*hiking, kGoatTrips, int(std::size(kGoatTrips)));
        // 雪山, 桃山, 品田山, 南湖大山, 南湖北山, 合歡山, 能高山, 七星山, 南港山.
        EXPECT_EQ(TextOf(hiking, CDlgCompareHiking::kVisitedCount), QStringLiteral("9"));
        hiking->OnOpenRecord();
        EXPECT_EQ(shell.opened, QStringList({U("https://goat.example.net/101/hehuan.htm")}));
    });
    Dispatch(CTalvaneDlg::kFirstHikerWalks + kGoat);
    ASSERT_TRUE(watcher.Ran());
}

namespace {

struct ExpectedWalk {
    int number;
    const char* title;
    const char* date;
    std::initializer_list<const char*> peaks;
};

// Some of the 20 walks (1 to 17 and 51 to 53), with the peaks of each (walks also name stones,
// old trails and waterfalls, which the peak group does not list).
const ExpectedWalk kSomeWalks[] = {
    {53, "武陵二日：品田山", "2025/10/5", {"品田山"}},
    {52, "武陵二日：桃山、池有山", "2025/10/4", {"桃山", "池有山"}},
    {17, "七星山、南港山、劍潭山", "2025/3/15", {"七星山", "南港山", "劍潭山"}},
    {12, "能高越嶺道、能高山", "2020/10/17", {"能高山"}},
    {7, "八通關越嶺道上秀姑巒山", "2017/10/7", {"秀姑巒山"}},
    {2, "瑞芳基隆山、淡蘭古道、平溪五分山", "2015/6/20", {"基隆山", "五分山"}},
    {1, "陽明山七星山主峰、東峰", "2015/1/18", {"七星山"}},
};

int RowOfWalk(const IItemList& list, int walk)
{
    for (int row = 0; row < list.RowCount(); ++row)
        if (list.RowData(row) == quint32(walk))
            return row;
    return -1;
}

// The shell may be given a path with either separator.
bool SameFile(QString path, const QString& expected)
{
    path.replace(u'\\', u'/');
    return QFileInfo(path).canonicalFilePath() == QFileInfo(expected).canonicalFilePath() && QFileInfo::exists(expected);
}

QString ReadUtf8(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

const char* const kWalk3Head = "<tr><th>編號</th><th>行程</th><th>日期</th><th>天數</th></tr>\r\n";
const char* const kWalk4Head = "<tr><th>山岳</th><th>行程與藍天圖集</th></tr>\r\n";

QString Block(int jump, const char* region, const char* head, const QString& rows)
{
    return QStringLiteral("<h2 id=\"r%1\">%2</h2>\r\n<table border=1>\r\n").arg(jump).arg(U(region)) + U(head) + rows
           + QStringLiteral("</table>\r\n");
}

QString Walk3Row(int number, const char* link, const char* title, const char* date, const char* days)
{
    return QStringLiteral("<tr><td>%1</td><td><a href=\"%2\">%3</a></td><td>%4</td><td>%5</td></tr>\r\n")
        .arg(number)
        .arg(U(link), U(title), U(date), U(days));
}

QString Walk4Cell(const char* link, const char* title, const char* date)
{
    return QStringLiteral("<td><a href=\"%1\">%2</a>（%3）</td>").arg(U(link), U(title), U(date));
}

} // namespace

TEST_F(SampleItineraryWalksTest, TheWalksWithTheirPeaksAndTheReportsOfEveryCounty)
{
    ASSERT_TRUE(peaks);
    const QString published = ReadUtf8(DataFile(QStringLiteral("walk3a.htm")));
    ASSERT_FALSE(published.isEmpty());

    ModalWatcher<CDlgCompareWalk> watcher([&](CDlgCompareWalk* walks) {
        EXPECT_EQ(walks->windowTitle(), U("比對行程表"));
        IItemList& list = walks->List();
        ASSERT_EQ(list.RowCount(), 20);
        EXPECT_EQ(list.RowData(0), 53u);
        EXPECT_EQ(list.RowData(3), 17u);  // no rows for the numbers 18 to 50
        EXPECT_EQ(list.RowData(19), 1u);
        for (const ExpectedWalk& walk : kSomeWalks) {
            SCOPED_TRACE(walk.number);
            const int row = RowOfWalk(list, walk.number);
            ASSERT_GE(row, 0);
            EXPECT_EQ(list.CellText(row, 0), QString::number(walk.number));
            EXPECT_EQ(list.CellText(row, 1), U(walk.title));
            EXPECT_EQ(list.CellText(row, 2), U(walk.date));
            EXPECT_EQ(Names(list.CellText(row, 3)), Names(walk.peaks));
        }
        // Every peak some walk visited: 29 of them.
        EXPECT_EQ(TextOf(walks, CDlgCompareWalk::kVisitCount), QStringLiteral("29"));
        SaveScreenshot(walks, "talvane-sample-walks-dialog.png");
        walks->OnWriteWebPages();
    });
    Dispatch(CTalvaneDlg::kCompareWalks);
    ASSERT_TRUE(watcher.Ran());

    // One page of each set per county of the region list, a to m; each set's first page opened.
    const QString walk3 = DataFile(QStringLiteral("walk3"));
    const QString walk4 = DataFile(QStringLiteral("walk4"));
    for (char letter = 'a'; letter <= 'm'; ++letter) {
        EXPECT_TRUE(QFile::exists(walk3 + QStringLiteral("/walk3%1.htm").arg(QChar(letter)))) << letter;
        EXPECT_TRUE(QFile::exists(walk4 + QStringLiteral("/walk4%1.htm").arg(QChar(letter)))) << letter;
    }
    EXPECT_EQ(QDir(walk3).entryList(QDir::Files).size(), 13);
    EXPECT_EQ(QDir(walk4).entryList(QDir::Files).size(), 13);
    ASSERT_EQ(shell.opened.size(), 2);
    EXPECT_TRUE(SameFile(shell.opened[0], walk3 + QStringLiteral("/walk3a.htm"))) << shell.opened[0].toStdString();
    EXPECT_TRUE(SameFile(shell.opened[1], walk4 + QStringLiteral("/walk4a.htm"))) << shell.opened[1].toStdString();

    // 台北市's walk3 page: its title, the same navigation over all counties, and its three
    // townships with the walks that reached a peak there, newest first.
    const QString taipei = ReadUtf8(walk3 + QStringLiteral("/walk3a.htm"));
    EXPECT_TRUE(taipei.startsWith(U("<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=utf-8>\r\n"
                                     "<title>行旅客：台北市的行程</title>\r\n</head>\r\n<body>\r\n<h1>台北市的行程</h1>\r\n")));
    for (const char* navigation : {
             "<li><a href=\"walk3a.htm\">台北市</a>： <a href=\"walk3a.htm#r1\">士林</a> <a href=\"walk3a.htm#r2\">信義</a>"
             " <a href=\"walk3a.htm#r3\">內湖</a></li>\r\n",
             "<li><a href=\"walk3b.htm\">台北縣</a>： <a href=\"walk3b.htm#r1\">新北市</a> <a href=\"walk3b.htm#r2\">烏來</a>"
             " <a href=\"walk3b.htm#r3\">三峽</a> <a href=\"walk3b.htm#r4\">瑞芳</a> <a href=\"walk3b.htm#r5\">平溪</a>"
             " <a href=\"walk3b.htm#r6\">石碇</a> <a href=\"walk3b.htm#r7\">新店</a></li>\r\n",
             "<li><a href=\"walk3c.htm\">基隆市</a>：</li>\r\n",
             "<li><a href=\"walk3h.htm\">南投縣</a>： <a href=\"walk3h.htm#r1\">仁愛</a></li>\r\n<li><a href=\"walk3i.htm\">嘉義縣</a>"})
        EXPECT_TRUE(taipei.contains(U(navigation))) << navigation;
    const QString w17 = Walk3Row(17, "walks/w17.htm", "七星山、南港山、劍潭山", "2025/3/15", "1天");
    const QString taipeiBody =
        Block(1, "士林", kWalk3Head, w17 + Walk3Row(8, "walks/w8.htm", "七星山夢幻湖、劍潭山夜景", "2018/2/17", "1天"))
        + Block(2, "信義", kWalk3Head, w17) + Block(3, "內湖", kWalk3Head, QString());
    EXPECT_TRUE(taipei.endsWith(U("<li><a href=\"walk3m.htm\">花蓮縣</a>：</li>\r\n</ul>\r\n") + taipeiBody
                                + U("<p>峰嵐錄 行程表：100% 手工整理</p>\r\n</body>\r\n</html>\r\n")))
        << taipei.right(1200).toStdString();

    // 南投縣's township 仁愛 holds 合歡山西峰: on walk4 its row shows the newest walk, the older
    // one, then its BlueSky page; walk3 lists both walks.
    const QString nantou3 = ReadUtf8(walk3 + QStringLiteral("/walk3h.htm"));
    EXPECT_TRUE(nantou3.contains(Block(1, "仁愛", kWalk3Head,
                                       Walk3Row(51, "walks/w51.htm", "合歡山北峰、西峰夏日", "2025/8/16", "1天")
                                           + Walk3Row(10, "walks/w10.htm", "合歡北峰、西峰雪季", "2019/1/12", "2天"))));
    const QString nantou4 = ReadUtf8(walk4 + QStringLiteral("/walk4h.htm"));
    EXPECT_TRUE(nantou4.contains(U("<title>行旅客：南投縣的山岳</title>")));
    EXPECT_TRUE(nantou4.contains(U("<li><a href=\"walk4h.htm\">南投縣</a>： <a href=\"walk4h.htm#r1\">仁愛</a></li>")));
    const QString westPeak = Walk4Cell("walks/w51.htm", "合歡山北峰、西峰夏日", "2025/8/16")
                             + Walk4Cell("walks/w10.htm", "合歡北峰、西峰雪季", "2019/1/12")
                             + Walk4Cell("https://bluesky.example.org/atlas/8/017.htm", "合歡西峰", "藍天八017")
                             + QStringLiteral("</tr>\r\n</table>\r\n");
    EXPECT_TRUE(nantou4.contains(westPeak)) << nantou4.toStdString();
    const int row = nantou4.indexOf(U("<h2 id=\"r1\">仁愛</h2>"));
    ASSERT_GE(row, 0);
    EXPECT_TRUE(nantou4.mid(row, nantou4.indexOf(westPeak) - row).contains(U("合歡山西峰")));

    // The published copy of the first walk3 page was older: refreshed; no other copy existed, so
    // none was made.
    EXPECT_NE(published, taipei);
    EXPECT_EQ(ReadUtf8(DataFile(QStringLiteral("walk3a.htm"))), taipei);
    EXPECT_FALSE(QFile::exists(DataFile(QStringLiteral("walk3b.htm"))));
    EXPECT_FALSE(QFile::exists(DataFile(QStringLiteral("walk4a.htm"))));

    if (!HaveXmlLint())
        GTEST_SKIP() << "xmllint is not installed";
    for (const QString& folder : {walk3, walk4})
        for (const QString& name : QDir(folder).entryList(QDir::Files)) {
            QByteArray messages;
            EXPECT_TRUE(HtmlLintClean(platform::JoinPath(folder, name), &messages)) << name.toStdString() << messages.constData();
        }
}
