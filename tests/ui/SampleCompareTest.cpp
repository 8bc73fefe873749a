// The user's scenarios on the bundled sample, through the main dialog's command dispatch:
// selecting the title list 五嶽 enables 比對列表... (1010), whose dialog lists 五嶽's peaks in list
// order and the other title lists with their counts, and picking 百岳 shows the common peaks, a
// separator and the peaks only in 百岳; 地區統計... (1062) opens the region statistics, whose
// rows agree with a count made here from the sample's settings and peak files. The expected
// comparison rows were worked out by hand from the title lists of make_sample.py.
#include "SampleDialogFixture.h"

#include "catalog/subsets/SubsetBase.h"
#include "catalog/subsets/titles/SubsetTitle.h"
#include "platform/DirList.h"
#include "ui/dialogs/compare/DlgCompareList.h"
#include "ui/dialogs/statistics/DlgRegionStatic.h"

#include <QHeaderView>

#include <algorithm>

#include <map>
#include <set>

using namespace sample_scenarios;

namespace {

struct SampleCompareTest : SampleDialogFixture {
    // Each row of a list: the base name of its peak's file (the separator's text for a row that
    // shows none) and column 4.
    QStringList Rows(const IItemList& list) const
    {
        QStringList rows;
        for (int row = 0; row < list.RowCount(); ++row) {
            const QString first = list.CellText(row, 0);
            const QString name = first.startsWith(u'-') ? first : platform::BaseNameOf(peaks->ItemPath(int(list.RowData(row))));
            rows << name + u'|' + list.CellText(row, 4);
        }
        return rows;
    }
    QStringList Texts(const IListBox& box) const
    {
        QStringList texts;
        for (int i = 0; i < box.Count(); ++i)
            texts << box.Text(i);
        return texts;
    }
};

QStringList Us(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* t : texts)
        list << U(t);
    return list;
}

} // namespace

TEST_F(SampleCompareTest, FiveSacredPeaksAgainstTheHundredPeaks)
{
    ASSERT_TRUE(peaks);
    SelectNode(U("五嶽 (5)"));
    CSubsetBase* five = peaks->Subset(dialog->CurrentSubset());
    ASSERT_TRUE(five);
    EXPECT_EQ(five->DisplayName(), U("五嶽"));
    EXPECT_TRUE(Enabled(CTalvaneDlg::kCompareList));
    const QByteArray cache = ReadBytes(CacheFilePath());

    Dispatch(CTalvaneDlg::kCompareList);
    ASSERT_EQ(dialogs.compared.size(), 1);
    EXPECT_EQ(dialogs.compared[0].first, peaks);
    EXPECT_EQ(dialogs.compared[0].second, five);

    CDlgCompareList compare(peaks, dynamic_cast<CSubsetTitle*>(five), dialog.get());
    ASSERT_TRUE(compare.OnInitDialog());
    EXPECT_EQ(compare.DlgItem<QWidget>(CDlgCompareList::kSubsetName)->property("text").toString(), U("五嶽"));
    // The other title lists in the group's order, with the counts Cache.txt keeps.
    EXPECT_EQ(Texts(compare.SubsetList()), Us({"百岳 (33)", "三尖 (2)", "小百岳 (10)"}));
    EXPECT_EQ(Rows(compare.List()), Us({"玉山主峰|五嶽1", "雪山主峰|五嶽2", "秀姑巒山|五嶽3", "南湖大山|五嶽4",
                                        "北大武山|五嶽5"}));

    const QStringList expected = Us({
        "玉山主峰|(1)五嶽1 百岳1", "雪山主峰|(2)五嶽2 百岳5", "秀姑巒山|(3)五嶽3 百岳27", "南湖大山|(4)五嶽4 百岳12",
        "北大武山|(5)五嶽5 百岳33", "----------|",
        "玉山北峰|(1)百岳2", "玉山東峰|(2)百岳3", "玉山南峰|(3)百岳4", "雪山北峰|(4)百岳6", "桃山|(5)百岳7",
        "品田山|(6)百岳8", "池有山|(7)百岳9", "志佳陽大山|(8)百岳10", "大霸尖山|(9)百岳11", "南湖北山|(10)百岳13",
        "中央尖山|(11)百岳14", "合歡山主峰|(12)百岳15", "合歡山東峰|(13)百岳16", "合歡山北峰|(14)百岳17",
        "合歡山西峰|(15)百岳18", "石門山|(16)百岳19", "畢祿山|(17)百岳20", "白姑大山|(18)百岳21",
        "奇萊主山北峰|(19)百岳22", "奇萊主山|(20)百岳23", "能高山|(21)百岳24", "西巒大山|(22)百岳25",
        "郡大山|(23)百岳26", "八通關山|(24)百岳28", "向陽山|(25)百岳29", "三叉山|(26)百岳30", "關山|(27)百岳31",
        "卑南主山|(28)百岳32",
    });
    for (int pick = 0; pick < 2; ++pick) {
        SCOPED_TRACE(pick);
        ASSERT_TRUE(compare.SubsetList().SetCurrentSelection(0));
        compare.OnSelChangeSubList();
        ASSERT_TRUE(compare.OtherSubset());
        EXPECT_EQ(compare.OtherSubset()->DisplayName(), U("百岳"));
        EXPECT_EQ(Rows(compare.List()), expected);
    }
    // The comparison writes nothing.
    EXPECT_EQ(ReadBytes(CacheFilePath()), cache);
}

TEST_F(SampleCompareTest, CompareListOnARegionDoesNothing)
{
    ASSERT_TRUE(peaks);
    dialog->SelectSubsetByName(U("台北市"));
    ASSERT_GE(dialog->CurrentSubset(), 0);
    EXPECT_FALSE(Enabled(CTalvaneDlg::kCompareList));
    Dispatch(CTalvaneDlg::kCompareList);
    EXPECT_TRUE(dialogs.compared.isEmpty());
}

namespace {

// The region statistics counted here from the settings and the peak files alone: a node's
// peaks are those whose Region holds the node's name (counties and townships), with the peaks
// of its children; a county no area set lists hangs under 全台灣.
struct ExpectedTally {
    struct Node {
        QString name, county;
        int kind = 0;
        int parent = -1;
        std::set<int> peaks;
    };
    std::vector<Node> nodes;
    QList<bool> climbed;
    QList<QList<bool>> mates;  // [companion][peak]

    void Build()
    {
        const QString settings = MainSettingsPath();
        const auto read = [&](const char* section, const QString& key) {
            return platform::GetProfileString(settings, U(section), key);
        };
        nodes.push_back({U("全台灣"), {}, 0, -1, {}});
        nodes.push_back({U("全台區"), {}, 0, -1, {}});
        std::map<QString, int> setOf;
        for (int i = 1;; ++i) {
            const QString set = read("Talvane", QStringLiteral("Region%1").arg(i));
            if (set.isEmpty())
                break;
            nodes.push_back({set, {}, 1, 0, {}});
            for (const QString& county : read("Region", set).split(u','))
                setOf.emplace(county, int(nodes.size()) - 1);
        }
        for (const QString& county : read("Region", QStringLiteral("RegionList")).split(u',')) {
            const auto set = setOf.find(county);
            nodes.push_back({county, county, 2, set == setOf.end() ? 0 : set->second, {}});
            const int countyNode = int(nodes.size()) - 1;
            const QString members = read("Region", county);
            if (!members.isEmpty())
                for (const QString& member : members.split(u','))
                    nodes.push_back({member, county, 3, countyNode, {}});
        }
        CountPeaks();
    }
    void CountPeaks()
    {
        const QList<platform::DirEntry> files =
            platform::FindFiles(platform::JoinPath(DataFolder(), QStringLiteral("山")), QStringLiteral("*.txt"));
        QStringList keys;
        for (int m = 1;; ++m) {
            const QString file = platform::GetProfileString(MainSettingsPath(), "HikingMate", QStringLiteral("Mate%1").arg(m));
            if (file.isEmpty())
                break;
            const QString path = platform::JoinPath(DataFolder(), QStringLiteral("山友"), file);
            const QString title = platform::GetProfileString(path, "Hiking", "Title");
            keys << platform::GetProfileString(path, "Hiking", "KeyTitle", title);
        }
        mates.resize(keys.size());
        for (int p = 0; p < files.size(); ++p) {
            const QString region = platform::GetProfileString(files[p].path, "Talvane", "Region");
            climbed << (platform::GetProfileInt(files[p].path, "Talvane", "Visit1", 0) > 0);
            for (int m = 0; m < keys.size(); ++m)
                mates[m] << !platform::GetProfileString(files[p].path, "Talvane", keys[m] + u'1').isEmpty();
            for (std::size_t n = 0; n < nodes.size(); ++n)
                if (nodes[n].kind >= 2 && region.contains(nodes[n].name))
                    for (int up = int(n); up >= 0; up = nodes[std::size_t(up)].parent)
                        nodes[std::size_t(up)].peaks.insert(p);
        }
    }
    // The cells of a node's row: count, climbed, percentage, then one per companion.
    QStringList Counts(const std::set<int>& in) const
    {
        if (in.empty())
            return QStringList(3 + mates.size(), QString());
        int up = 0;
        for (int p : in)
            up += climbed[p];
        const int n = int(in.size());
        QStringList cells = {QString::number(n), QString::number(up), QStringLiteral("%1%").arg((up * 100 + n / 2) / n)};
        for (const QList<bool>& visited : mates) {
            int k = 0;
            for (int p : in)
                k += visited[p];
            cells << QString::number(k);
        }
        return cells;
    }
    // 全台區: the townships with peaks, and for each count the townships where it is not 0.
    QStringList TownshipCounts() const
    {
        int townships = 0, up = 0;
        QList<int> visited(mates.size(), 0);
        for (const Node& node : nodes) {
            if (node.kind != 3 || node.peaks.empty())
                continue;
            ++townships;
            up += std::any_of(node.peaks.begin(), node.peaks.end(), [&](int p) { return climbed[p]; });
            for (int m = 0; m < mates.size(); ++m)
                visited[m] += std::any_of(node.peaks.begin(), node.peaks.end(), [&](int p) { return mates[m][p]; });
        }
        QStringList cells = {QString::number(townships), QString::number(up),
                             QStringLiteral("%1%").arg((up * 100 + townships / 2) / townships)};
        for (int k : visited)
            cells << QString::number(k);
        return cells;
    }
    QStringList Rows() const
    {
        const int columns = 5 + int(mates.size());
        const QString separator = QStringList(columns, QStringLiteral("------")).join(u'|');
        QStringList rows = {(QStringList{nodes[0].name, QString()} + Counts(nodes[0].peaks)).join(u'|'),
                            (QStringList{nodes[1].name, QString()} + TownshipCounts()).join(u'|'), separator};
        for (const Node& node : nodes)
            if (node.kind == 1)
                rows << (QStringList{node.name, QString()} + Counts(node.peaks)).join(u'|');
        for (const Node& node : nodes) {
            if (node.kind == 2)
                rows << separator << (QStringList{node.name, QString()} + Counts(node.peaks)).join(u'|');
            if (node.kind == 3)
                rows << (QStringList{node.county, node.name} + Counts(node.peaks)).join(u'|');
        }
        return rows;
    }
};

QStringList RowsOf(const IItemList& list)
{
    QStringList rows;
    for (int row = 0; row < list.RowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list.ColumnCount(); ++column)
            cells << list.CellText(row, column);
        rows << cells.join(u'|');
    }
    return rows;
}

} // namespace

TEST_F(SampleCompareTest, RegionStatisticsAgreeWithACountOfThePeakFiles)
{
    ASSERT_TRUE(peaks);
    Dispatch(CTalvaneDlg::kRegionStats);
    ASSERT_EQ(dialogs.statistics, QList<CGroupBase*>({peaks}));
    EXPECT_FALSE(Enabled(CTalvaneDlg::kRegionStats));

    CDlgRegionStatic statistics(peaks, dialog.get());
    statistics.OnInitDialog();
    const IItemList& list = statistics.List();
    ASSERT_EQ(list.ColumnCount(), 8);
    QStringList headers;
    for (int column = 0; column < list.ColumnCount(); ++column) {
        QString title;
        int width = 0;
        ASSERT_TRUE(list.GetColumn(column, &title, &width));
        headers << title;
    }
    EXPECT_EQ(headers.mid(0, 5), Us({"縣市", "地區", "山岳", "已爬", "已爬%"}));
    EXPECT_EQ(headers.mid(5), QStringList({peaks->Mate(0)->shortTitle, peaks->Mate(1)->shortTitle,
                                           peaks->Mate(2)->shortTitle}));

    ExpectedTally expected;
    expected.Build();
    const QStringList rows = RowsOf(list);
    EXPECT_EQ(rows, expected.Rows());
    // A few rows counted by hand: 二格山 counts once in 台北縣 though it names 新北市 and two of
    // its townships (with 觀音山, 基隆山, 五分山 and 北插天山: 3 of 5 climbed, 觀音山 with 阿凱,
    // 基隆山 with Wendy); 新竹縣, in no area set, has 品田山, 大霸尖山 and 五指山, 2 of 3 climbed.
    EXPECT_TRUE(rows.contains(U("台北縣||5|3|60%|1|0|1")));
    EXPECT_TRUE(rows.contains(U("台北縣|石碇|1|0|0%|0|0|0")));
    EXPECT_TRUE(rows.contains(U("台北縣|新店|1|0|0%|0|0|0")));
    EXPECT_TRUE(rows.contains(U("新竹縣||3|2|67%|1|1|0")));
}
