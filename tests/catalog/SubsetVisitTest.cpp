// Visit and re-visit subsets over peak files as the owner's Windows machine writes them
// (UTF-16LE, CR LF) and the walk index page of tests/data/visits: the date texts, the re-visit
// windows around 15 March and 29 February, the reading of the page, the visit counts and the
// greater-Taipei rule, what the tree shows, the statistics and the map marks.
#include "catalog/subsets/visits/SubsetReVisit.h"
#include "catalog/subsets/visits/SubsetVisit.h"
#include "catalog/subsets/visits/WalkDates.h"

#include "FakeClock.h"
#include "FakeItemList.h"
#include "FakeListBox.h"
#include "FakePointView.h"
#include "FakeSubsetTree.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "catalog/talvane/GroupTalvane.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

QByteArray Ini(const QStringList& lines)
{
    return Utf16LeWithBom(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

// One peak file: its visits in any order (the group keeps them newest first), a companion's
// trip dates under the companion's key, and a point.
struct PeakSpec {
    const char* name;
    QList<int> visits;
    const char* region = "";
    int ignoreVisit = 0;
    QStringList mateDates = {};
};

// The greater-Taipei regions are the first three of the list; only their member words count.
const QStringList kSettings = {
    "[DataGroup]", "BaseFolder=data", "Group1=山", "",
    "[Region]", "RegionList=台北市,新北市,基隆市,桃園市", "台北市=士林,北投", "新北市=烏來,三峽",
    "基隆市=七堵", "桃園市=復興", "",
    "[HikingMate]", "Mate1=阿明.txt", "Mate2=小華.txt",
};

class VisitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        DisplayNameConversions::Program().Reset();
        WalkDates::Program().Reset();
        platform::SetProgramFolder(dir.path());
        dir.write(QStringLiteral("峰嵐錄.txt"), Ini(kSettings));
        dir.write(QStringLiteral("data/山友/阿明.txt"), Ini({"[Hiking]", "Title=阿明"}));
        dir.write(QStringLiteral("data/山友/小華.txt"), Ini({"[Hiking]", "Title=小華"}));
        page = dir.file(QStringLiteral("walks/walk_index.htm"));
        UseWalkIndex(page);
        ASSERT_TRUE(table.LoadSettings());
        table.SetServices(WindowServices{.clock = &clock});
        ASSERT_TRUE(group.Init(MainSettingsPath(), &table, table.GroupFolder(0)));
        ASSERT_EQ(group.MateCount(), 2);
    }
    void TearDown() override
    {
        WalkDates::Program().Reset();
        DisplayNameConversions::Program().Reset();
    }

    void UseWalkIndex(const QString& path)
    {
        dir.write(QStringLiteral("Local.txt"), Ini({"[Template]", "WalkIndexFile=" + path}));
        platform::ClearProfileCache();
    }
    void CopyPage()
    {
        dir.write(QStringLiteral("walks/walk_index.htm"),
                  ReadBytes(QStringLiteral(TALVANE_TEST_DATA "/visits/walk_index.htm")));
    }
    void Today(int year, int month, int day) { clock.now = QDateTime(QDate(year, month, day), QTime(23, 59)); }

    void Load(const QList<PeakSpec>& peaks)
    {
        for (qsizetype i = 0; i < peaks.size(); ++i) {
            const PeakSpec& p = peaks[i];
            QStringList lines{"[Talvane]", QStringLiteral("Name=") + QString::fromUtf8(p.name),
                              QStringLiteral("Region=") + QString::fromUtf8(p.region),
                              QStringLiteral("Longitude=%1").arg(121 + i),
                              QStringLiteral("Attitude=%1").arg(24 + i)};
            for (qsizetype n = 0; n < p.visits.size(); ++n)
                lines << QStringLiteral("Visit%1=%2").arg(n + 1).arg(p.visits[n]);
            if (p.ignoreVisit)
                lines << QStringLiteral("IgnoreVisit=%1").arg(p.ignoreVisit);
            for (qsizetype n = 0; n < p.mateDates.size(); ++n)
                lines << p.mateDates[n];
            const QString file = dir.write(QStringLiteral("data/山/%1.txt").arg(i, 2, 10, QLatin1Char('0')), Ini(lines));
            ASSERT_TRUE(group.LoadItemFile(file, platform::FileTime{})) << p.name;
        }
    }
    // The items a subset lists, as its rows' values; its map marks name the same items.
    static QList<quint32> Rows(CSubsetBase& subset, SubsetStatistics* statistics = nullptr)
    {
        FakeItemList list;
        SubsetStatistics own;
        const int count = subset.FillList(&list, statistics ? statistics : &own, nullptr);
        EXPECT_EQ(count, list.RowCount());
        FakePointView view;
        EXPECT_EQ(subset.MarkOnMap(&view), count);
        for (int r = 0; r < count && r < view.points.size(); ++r)
            EXPECT_EQ(view.points[r].key, list.RowData(r));
        return list.RowValues();
    }
    QList<quint32> ReVisitRows(int years)
    {
        CSubsetReVisit subset(years, &group);
        return Rows(subset);
    }

    TempDir dir;
    QString page;
    FakeClock clock;
    CGroupTable table;
    CGroupTalvane group;
};

TEST(WalkDateTest, DateTextsAndWindows)
{
    const struct {
        const char* text;
        WalkDate date;
    } texts[] = {
        {"2023/3/16", {2023, 3, 16}}, {" 2023/03/05", {2023, 3, 5}}, {"2023/3", {2023, 3, 0}},
        {"112/3/16", {112, 3, 16}},  // the year as written, no era
        {"2023/x/5", {2023, 0, 5}},   {"2023.3.16", {2023, 0, 0}},  {"未定", {0, 0, 0}},
    };
    for (const auto& c : texts)
        EXPECT_EQ(ParseWalkDate(QString::fromUtf8(c.text)), c.date) << c.text;
    // T(1) of 29 February 2024 is the triple 2023-02-29, no calendar date.
    EXPECT_EQ(CSubsetReVisit::YearsBack({2024, 2, 29}, 1), (WalkDate{2023, 2, 29}));
    EXPECT_TRUE(CSubsetReVisit::InWindow({2023, 2, 29}, {2024, 2, 29}, 1));
    EXPECT_FALSE(CSubsetReVisit::InWindow({0, 1, 1}, {1, 1, 1}, 1));  // no year, no date
}

// Items 0 to 12; the newest walk (the highest number) decides.
const QList<PeakSpec> kReVisitPeaks = {
    {"雪山", {101}},          // 2023/3/15: one year
    {"合歡北峰", {102}},      // 2023/3/16: in no window
    {"玉山", {103}},          // 2022/3/16: one year
    {"南湖大山", {30, 104}},  // 104 is newest (2022/3/15, two years), not 30 (2023/1/1)
    {"奇萊主山", {105}},      // 2021/3/16: two years
    {"大霸尖山", {106}},      // 2021/3/15: three years
    {"加里山", {107}},        // empty date cell
    {"樂山", {108}},          // not on the page
    {"志佳陽", {109}},        // 2023/3: one year
    {"白姑大山", {110}},      // 2022/3: two years
    {"郡大山", {111}},        // 112/3/16
    {"向陽山", {2100}},       // beyond the table
    {"北大武", {}},           // no visits
};

TEST_F(VisitTest, ReVisitWindowsOnFifteenthMarch)
{
    CopyPage();
    Load(kReVisitPeaks);
    Today(2024, 3, 15);
    EXPECT_EQ(ReVisitRows(1), (QList<quint32>{0, 2, 8}));
    EXPECT_EQ(ReVisitRows(2), (QList<quint32>{3, 4, 9}));
    EXPECT_EQ(ReVisitRows(3), (QList<quint32>{5}));
    EXPECT_EQ(ReVisitRows(4), (QList<quint32>{}));
    EXPECT_EQ(WalkDates::Program().RowCount(), 15);  // the row of 2100 ends the reading

    // Every listed peak counts as visited; the companions' figures stay as they were.
    CSubsetReVisit two(2, &group);
    SubsetStatistics statistics;
    statistics.companions[0] = 77;
    EXPECT_EQ(Rows(two, &statistics).size(), 3);
    EXPECT_EQ(statistics.visited, 3);
    EXPECT_EQ(statistics.companions[0], 77);

    table.SetServices(WindowServices{});  // no clock, no date
    EXPECT_EQ(ReVisitRows(1), (QList<quint32>{}));
}

TEST_F(VisitTest, ReVisitWindowsOnLeapDay)
{
    CopyPage();
    Load({{"閂山", {120}}, {"鈴鳴山", {121}}, {"八通關山", {122}}, {"達芬尖山", {123}}});
    Today(2024, 2, 29);
    EXPECT_EQ(ReVisitRows(1), (QList<quint32>{0, 2}));  // 2023/2/29 and 2022/3/1
    EXPECT_EQ(ReVisitRows(2), (QList<quint32>{3}));     // 2022/2/28; 2023/3/1 is in none
    Today(2024, 3, 15);                                  // the windows move with the clock
    EXPECT_EQ(ReVisitRows(1), (QList<quint32>{0, 1}));
    EXPECT_EQ(ReVisitRows(2), (QList<quint32>{2, 3}));
}

// Only [Template] WalkIndexFile names the page (the data folder's walk2.htm is not read); a page
// that gave no rows is read again at the next use; once read, it stays for the run.
TEST_F(VisitTest, WalkIndexPageIsReadUntilItGivesRows)
{
    dir.write(QStringLiteral("data/walk2.htm"),
              ReadBytes(QStringLiteral(TALVANE_TEST_DATA "/visits/walk_index.htm")));
    dir.write(QStringLiteral("Local.txt"), Ini({"[Template]", "BlueSkyFile=guide.htm"}));
    platform::ClearProfileCache();
    Load(kReVisitPeaks);
    Today(2024, 3, 15);
    CSubsetReVisit one(1, &group);
    EXPECT_EQ(Rows(one), (QList<quint32>{}));

    UseWalkIndex(page);
    FakeSubsetTree tree;
    EXPECT_EQ(one.InsertTreeItem(&tree, kNoTreeNode), kNoTreeNode);
    EXPECT_EQ(WalkDates::Program().RowCount(), 0);

    CopyPage();
    EXPECT_NE(one.InsertTreeItem(&tree, kNoTreeNode), kNoTreeNode);
    ASSERT_TRUE(QFile::remove(page));
    EXPECT_EQ(Rows(one), (QList<quint32>{0, 2, 8}));
}

// Items 0 to 8 with 0, 1 or 3 visits; two companions' trips.
const QList<PeakSpec> kVisitPeaks = {
    {"七星山", {}, "台北市士林區", 0, {"阿明1=2015/1/2", "小華1=2016/1/2"}},
    {"拉拉山", {}, "新北市烏來區", 1, {"阿明1=2015/1/2"}},  // ignored: not greater Taipei
    {"塔曼山", {}, "桃園市復興區"},                        // the fourth region
    {"大屯山", {}, "台北市"},                              // a region name, no member word
    {"五指山", {12}, "基隆市七堵區", 0, {"阿明1=2015/1/2"}},  // climbed
    {"雪山", {30, 20, 10}, "台中市", 0, {"小華1=2016/1/2"}},
    {"玉山", {40}, "南投縣", 0, {"阿明1=2015/1/2", "小華1=2016/1/2"}},
    {"北投山", {}, "台北市北投區"},
    {"三峽山", {}, "新北市三峽區", 2},
};

TEST_F(VisitTest, VisitSubsetsListTheirPeaksWithStatistics)
{
    Load(kVisitPeaks);
    const struct {
        int times;
        bool variant;
        QList<quint32> rows;
        int visited, mate0, mate1;
    } cases[] = {
        {0, true, {0, 7}, 0, 1, 1},
        {0, false, {0, 1, 2, 3, 7, 8}, 0, 2, 1},
        {1, true, {4, 5, 6}, 3, 2, 2},
        {1, false, {4, 6}, 2, 2, 1},
        {2, false, {}, 0, 0, 0},
        {3, false, {5}, 1, 0, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.times * 10 + c.variant);
        CSubsetVisit subset(c.times, &group, c.variant);
        SubsetStatistics statistics;
        EXPECT_EQ(Rows(subset, &statistics), c.rows);
        EXPECT_EQ(statistics.visited, c.visited);
        EXPECT_EQ(statistics.companions[0], c.mate0);
        EXPECT_EQ(statistics.companions[1], c.mate1);
    }
}

// A walk number below 0 still counts as a visit: the visited figure follows the visit count,
// as the list does, not the sign of the newest code.
TEST_F(VisitTest, PeaksWithNegativeVisitCodesCountAsVisited)
{
    Load({
        {"負號山", {-3}},
        {"正負山", {-2, 5}},  // newest first: 5, -2
        {"雙負山", {-4, -1}},
        {"未爬山", {}},
    });
    const struct {
        int times;
        bool variant;
        QList<quint32> rows;
        int visited;
    } cases[] = {
        {1, true, {0, 1, 2}, 3},
        {1, false, {0}, 1},
        {2, false, {1, 2}, 2},
        {0, false, {3}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.times * 10 + c.variant);
        CSubsetVisit subset(c.times, &group, c.variant);
        SubsetStatistics statistics;
        EXPECT_EQ(Rows(subset, &statistics), c.rows);
        EXPECT_EQ(statistics.visited, c.visited);
    }
}

// 爬過2次的山 is hidden when no peak has two visits; the others are always shown, with the
// cached count.
TEST_F(VisitTest, ExactCountsAreShownOnlyWhenAPeakHasThem)
{
    dir.write(QStringLiteral("data/Cache.txt"), Ini({"[Talvane]", "爬過的山=3", "待爬的山=0"}));
    Load(kVisitPeaks);
    FakeSubsetTree tree;
    FakeListBox box;
    for (int times = 0; times <= 4; ++times)
        for (bool variant : {true, false}) {
            if (variant && times > 1)
                continue;
            CSubsetVisit subset(times, &group, variant);
            const bool shown = subset.InsertTreeItem(&tree, kNoTreeNode) != kNoTreeNode;
            EXPECT_EQ(subset.AddToListBox(&box), shown) << times;
        }
    const QStringList want = {"待爬的山-大台北", "待爬的山", "爬過的山 (3)", "爬過1次的山", "爬過3次的山"};
    EXPECT_EQ(box.texts, want);
    QStringList nodes;
    for (const FakeSubsetTree::Node& node : tree.nodes)
        nodes << node.text;
    EXPECT_EQ(nodes, want);
}

// "type folder name" of every subset from a position on.
QStringList Added(const CGroupTalvane& group, int from)
{
    QStringList out;
    for (int i = from; i < group.SubsetCount(); ++i) {
        const CSubsetBase* s = group.Subset(i);
        EXPECT_EQ(s->Section(), "Talvane");
        out << QStringLiteral("%1 %2 %3").arg(s->TypeCode()).arg(s->FolderCode()).arg(s->DisplayName());
    }
    return out;
}

TEST_F(VisitTest, OnLoadedAddsTheSubsetsOfTheVisitsAndTheYear)
{
    Load({{"甲", {}}, {"乙", {5, 6, 7}}});
    ASSERT_EQ(group.MaxVisits(), 3);
    const QStringList visits = {"3 2 待爬的山-大台北", "3 2 待爬的山", "3 2 爬過的山", "3 2 爬過1次的山",
                                "3 2 爬過2次的山", "3 2 爬過3次的山"};
    const struct {
        QDate today;
        QStringList revisits;
    } cases[] = {
        {QDate(2001, 12, 31), {}},
        {QDate(2002, 1, 1), {"5 2 1年未再爬的山"}},
        {QDate(2004, 6, 1), {"5 2 1年未再爬的山", "5 2 2年未再爬的山", "5 2 3年未再爬的山"}},
    };
    for (const auto& c : cases) {
        clock.now = QDateTime(c.today, QTime(0, 0));
        const int before = group.SubsetCount();
        EXPECT_TRUE(group.OnLoaded());
        EXPECT_EQ(Added(group, before), visits + c.revisits) << c.today.toString().toStdString();
    }
}

} // namespace
