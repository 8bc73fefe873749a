// The user's scenarios on the bundled sample, through the main dialog's command dispatch:
// selecting the title list 五嶽 enables 比對列表... (1010), whose dialog lists 五嶽's peaks in list
// order and the other title lists with their counts, and picking 百岳 shows the common peaks, a
// separator and the peaks only in 百岳; 地區統計... (1062) opens the region statistics. The expected
// comparison rows were worked out by hand from the title lists of make_sample.py, the statistics
// rows from the sample's settings and peak files.
#include "SampleDialogFixture.h"

#include "catalog/subsets/SubsetBase.h"
#include "catalog/subsets/titles/SubsetTitle.h"
#include "ui/dialogs/compare/DlgCompareList.h"
#include "ui/dialogs/statistics/DlgRegionStatic.h"

#include <QHeaderView>

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
    // The companions' short titles from 山友/阿凱.txt, 山羊.txt and Wendy.txt (no ShortTitle: its Title).
    EXPECT_EQ(headers.mid(5), Us({"阿凱", "山羊", "Wendy"}));

    // Counted by hand from the sample's peak files: 49 of the 51 name a listed county (十八尖山's
    // 新竹市 and 石門山桃園's 桃園市 none). A peak counts once per node, though 二格山 names
    // 新北市, 新店 and 石碇 of 台北縣; 七星山 and 小觀音山 reach 台北市 only by its own name;
    // 新竹縣, in no area set, hangs under 全台灣. 全台區 counts the 10 townships with peaks.
    const QString s = QStringList(8, QStringLiteral("------")).join(u'|');  // a separator row
    EXPECT_EQ(RowsOf(list), QStringList({
        U("全台灣||49|28|57%|11|9|8"), U("全台區||10|6|60%|1|1|2"), s,
        U("大台北||10|6|60%|2|2|2"), U("中部||30|19|63%|7|7|5"), U("南部||12|4|33%|4|0|2"),
        U("東部||15|10|67%|5|2|4"),
        s, U("台北市||5|3|60%|1|2|1"), U("台北市|士林|1|1|100%|0|0|0"), U("台北市|信義|1|1|100%|0|1|0"),
        U("台北市|內湖|1|0|0%|0|0|0"),
        s, U("台北縣||5|3|60%|1|0|1"), U("台北縣|新北市|5|3|60%|1|0|1"), U("台北縣|烏來||||||"),
        U("台北縣|三峽|1|0|0%|0|0|0"), U("台北縣|瑞芳|1|1|100%|0|0|1"), U("台北縣|平溪|1|1|100%|0|0|0"),
        U("台北縣|石碇|1|0|0%|0|0|0"), U("台北縣|新店|1|0|0%|0|0|0"),
        s, U("基隆市|||||||"),
        s, U("宜蘭縣||2|2|100%|1|2|0"),
        s, U("新竹縣||3|2|67%|1|1|0"),
        s, U("苗栗縣||2|1|50%|1|0|0"),
        s, U("台中市||11|7|64%|1|5|0"),
        s, U("南投縣||19|12|63%|5|2|5"), U("南投縣|仁愛|1|1|100%|0|0|0"),
        s, U("嘉義縣||6|2|33%|2|0|1"),
        s, U("高雄市||8|3|38%|3|0|2"),
        s, U("屏東縣||1|0|0%|0|0|0"),
        s, U("台東縣||5|2|40%|2|0|1"),
        s, U("花蓮縣||10|8|80%|3|2|3"),
    }));
}
