// The peak group's item list on peak and stone files as the owner's Windows machine saves them
// (UTF-16LE with byte-order mark, CR LF), loaded through the group table: columns, row texts,
// stone rows of the related stone group, sorting, summaries, descriptions and map points.
#include "catalog/talvane/GroupTalvane.h"

#include "FakeItemList.h"
#include "FakeMessageBox.h"
#include "FakePointView.h"
#include "FakeStatusText.h"
#include "TempDir.h"
#include "TestGroups.h"
#include "catalog/GroupTable.h"
#include "catalog/records/StoneItemRecord.h"
#include "catalog/records/StoneNumber.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>

namespace {

using Options = CGroupTalvane::RowOptions;

// A stone group that reads what a stone row among peaks shows.
class StoneFileGroup : public TestGroup<StoneItemRecord> {
public:
    StoneFileGroup() : TestGroup(QStringLiteral("Stone"), QStringLiteral("基石"), QStringLiteral("Stone"))
    {
        SetRelatedKey(QStringLiteral("Talvane"));
    }
    bool LoadItemFile(const QString& path, const platform::FileTime&) override
    {
        StoneItemRecord* r = AppendItem<StoneItemRecord>();
        if (!r || !ReadItemString(path, QStringLiteral("Stone"), r->Stone))
            return false;
        ReadItemString(path, QStringLiteral("Name"), r->Name);
        ReadItemString(path, QStringLiteral("StoneAlias"), r->StoneAlias);
        ReadItemString(path, QStringLiteral("StoneStatus"), r->StoneStatus);
        ReadItemString(path, QStringLiteral("Region"), r->Region);
        r->Height = ReadItemInt(path, QStringLiteral("Height"));
        return ReadVisits(path, r->Visits);
    }
};

const char* const kSettings =
    "[DataGroup]\r\nBaseFolder=data\r\nGroup1=山\r\nGroup2=基石\r\n"
    "[StoneLevel]\r\nLevel1=一等,二等\r\nLevel2=三等\r\n"
    "[DisplayName]\r\nConvert1=南投,南投縣\r\n"
    "[Talvane]\r\nTitle1=百岳\r\nTitle2=名山\r\nTitle3=小百岳\r\n"
    "[Title]\r\n百岳=雪山,玉山\r\n名山=玉山(南投)\r\n小百岳=加里山\r\n";

// Items in file-name order: 0 玉山, 1 雪山, 2 合歡山, 3 北大%1武, 4 加里山, 5 樂山.
const char* const kPeaks[][2] = {
    {"a", "Name=玉山\r\nName2=東峰\r\nHeight=3869\r\nStone=1234\r\nStoneStatus=失\r\nRegion=南投\r\n"
          "Visit1=5\r\nLongitude=120.95\r\nAttitude=23.47\r\n"},
    {"b", "Name=雪山\r\nHeight=3886\r\nStone=A\r\nStone2=B\r\nRegion=台中\r\n"},
    {"c", "Name=合歡山\r\nHeight=3417\r\nStone=1234\r\nStoneAlias=甲\r\nStoneStatus=失\r\nStone3=二等7\r\n"
          "Region=南投,花蓮\r\n"},
    {"d", "Name=北大%1武\r\nName2=%2,西峰\r\nHeight=3092\r\nStone=都計四等12\r\nStone2=無\r\nRegion=屏東\r\n"},
    {"e", "Name=加里山\r\nHeight=2220\r\nStone=一等2147483000\r\nRegion=苗栗\r\n"},
    {"f", "Name=樂山\r\nHeight=2220\r\nStone=二等5\r\nRegion=苗栗\r\n"},
};
constexpr int kPeakCount = 6;

// Stones 60000 三角埔 and 60001 某石.
const char* const kStones[][2] = {
    {"s1", "Name=三角埔\r\nHeight=500\r\nStone=都計四等12\r\nStoneAlias=X\r\nStoneStatus=存\r\nRegion=南投\r\nVisit1=3\r\n"},
    {"s2", "Name=某石\r\nStone=無\r\n"},
};
constexpr int kStoneCount = 2;

class PeakListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
        dir.write(QStringLiteral("峰嵐錄.txt"), Utf16LeWithBom(QString::fromUtf8(kSettings)));
        for (const auto& p : kPeaks)
            Write("山", p[0], "Talvane", p[1]);
        for (const auto& s : kStones)
            Write("基石", s[0], "Stone", s[1]);
        table.SetGroupClasses({{[] { return std::make_unique<CGroupTalvane>(); }, 0},
                               {[] { return std::make_unique<StoneFileGroup>(); }, 1}});
        table.LoadSettings();
        DisplayNameConversions::Program().Reset();
        peaks = static_cast<CGroupTalvane*>(table.GetGroup(0, &status));
        ASSERT_NE(peaks, nullptr);
        ASSERT_EQ(peaks->ItemCount(), kPeakCount);
        peaks->SetupItemColumns(&list, nullptr);
    }
    void TearDown() override { DisplayNameConversions::Program().Reset(); }

    void Write(const char* folder, const char* name, const char* section, const char* body)
    {
        dir.write(QStringLiteral("data/%1/%2.txt").arg(QString::fromUtf8(folder), QString::fromUtf8(name)),
                  Utf16LeWithBom(QStringLiteral("[") + QString::fromUtf8(section) + QStringLiteral("]\r\n")
                                 + QString::fromUtf8(body)));
    }
    CGroupBase* Stones() { return table.GetGroup(1, &status); }
    QStringList Row(int row) const { return list.rows.value(row).cells; }
    // A list of rows with the given values and no columns.
    void SetRows(const QList<quint32>& values)
    {
        list.rows.clear();
        for (quint32 v : values)
            list.rows.append({{QString::number(v)}, v, false});
    }

    TempDir dir;
    CGroupTable table;
    FakeStatusText status;
    CGroupTalvane* peaks = nullptr;
    FakeItemList list;
};

TEST(StoneNumberTest, DisplayTexts)
{
    const char* const numbers[][2] = {
        {"都計四等12", "北市都市計劃處四等三角點NO.12"}, {"都計四等", "北市都市計劃處四等三角點NO."},
        {"地測精幹點3A", "北市地測精幹點‧市3A"}, {"地測精幹點A3", "地測精幹點A3"},
        {"北市地測7", "北市府地測7"}, {"北市地測", "北市地測"},
        {"無", "無基石"}, {"無1", "無1"}, {"三等6012", "三等6012"},
    };
    for (const auto& n : numbers)
        EXPECT_EQ(FormatStoneNumber(QString::fromUtf8(n[0])), QString::fromUtf8(n[1])) << n[0];
}

TEST_F(PeakListTest, ColumnsFromTheirDefaultsOrTheGroupsOwnSavedLayout)
{
    const QStringList titles = {"山名", "標高(m)", "基石", "地區", "已爬"};
    const QList<int> defaults = {120, 70, 150, 80, 60};
    auto widths = [&] {
        QList<int> w;
        for (const auto& c : list.columns)
            w << c.width;
        return w;
    };
    auto layout = [](QStringList names) {
        ColumnLayout l;
        for (qsizetype i = 0; i < names.size(); ++i)
            l.columns.append({int(i + 1), names[i]});
        return l;
    };
    const struct {
        ColumnLayout layout;
        QList<int> widths;
    } cases[] = {{{}, defaults},
                 {layout(titles), {1, 2, 3, 4, 5}},
                 {layout(titles.mid(0, 4)), defaults},
                 {layout({"基石", "標高(m)", "名稱", "地區", "已摸"}), defaults}};
    for (const auto& c : cases) {
        ClearListCtrl(&list);
        peaks->SetupItemColumns(&list, c.layout.columns.isEmpty() ? nullptr : &c.layout);
        EXPECT_EQ(list.ColumnTitles(), titles);
        EXPECT_EQ(widths(), c.widths);
        EXPECT_EQ(list.columns[1].align, ColumnAlign::Right);
    }
    ClearListCtrl(&list);
    peaks->SetupAssignColumns(&list);
    EXPECT_EQ(list.ColumnTitles(), QStringList({"山名", "標高(m)", "基石", "地區", "已設定"}));
    EXPECT_EQ(widths(), defaults);
    EXPECT_EQ(peaks->GetDefaultSortColumn(), 2);
}

// Peak rows, and the rows of the stone group's stones (stone 0 or 1) among them.
TEST_F(PeakListTest, RowTexts)
{
    const struct {
        const char* what;
        int item, stone;
        Options options;
        quint32 value;
        QStringList cells;
    } cases[] = {
        {"Name2 and a stone status", 0, -1, {}, 0, {"玉山(東峰)", "3869", "1234(失)", "南投縣", "V"}},
        {"second-stone row", 1, -1, {.secondStone = true}, 20001, {"雪山", "3886", "B,A", "台中", ""}},
        {"third-stone row without a third stone", 1, -1, {.thirdStone = true}, 40001,
         {"雪山", "3886", "A,B", "台中", ""}},
        {"alias first", 2, -1, {.aliasFirst = true}, 2, {"合歡山", "3417", "(甲)1234(失),二等7", "南投縣,花蓮", ""}},
        {"alias after", 2, -1, {}, 2, {"合歡山", "3417", "1234(甲)(失),二等7", "南投縣,花蓮", ""}},
        {"third-stone row, alias first", 2, -1, {.thirdStone = true, .aliasFirst = true}, 40002,
         {"合歡山", "3417", "二等7,(甲)1234(失)", "南投縣,花蓮", ""}},
        {"mark given and clear on a visited peak", 0, -1, {.markGiven = true}, 0,
         {"玉山(東峰)", "3869", "1234(失)", "南投縣", ""}},
        {"mark given and set; '%' taken as it stands", 3, -1, {.markGiven = true, .mark = true}, 3,
         {"北大%1武(%2,西峰)", "3092", "都計四等12,無", "屏東", "V"}},
        {"visited stone", -1, 0, {}, 60000, {"三角埔", "500", "都計四等12(X)(存)", "南投縣", "V"}},
        {"stone, alias first", -1, 0, {.aliasFirst = true}, 60000, {"三角埔", "500", "(X)都計四等12(存)", "南投縣", "V"}},
        {"stone without notes", -1, 1, {}, 60001, {"某石", "0", "無", "", ""}},
    };
    CGroupBase* stones = Stones();
    for (const auto& c : cases) {
        list.rows.clear();
        ASSERT_TRUE(c.stone < 0 ? peaks->InsertItemRowAt(&list, 0, c.item, c.options)
                                : CGroupTalvane::InsertTalvaneRow(&list, 0, stones, c.stone, c.options.aliasFirst))
            << c.what;
        EXPECT_EQ(list.rows[0].data, c.value) << c.what;
        EXPECT_EQ(Row(0), c.cells) << c.what;
    }
}

TEST_F(PeakListTest, RowsAndValuesThatNameNothing)
{
    CGroupBase* stones = Stones();
    list.rows.clear();
    for (int item : {-1, kPeakCount})
        EXPECT_FALSE(peaks->InsertItemRowAt(&list, 0, item, {})) << item;
    for (const CGroupBase* group : std::initializer_list<const CGroupBase*>{stones, peaks, nullptr}) {
        for (int stone : {-1, 0, kStoneCount})
            EXPECT_EQ(CGroupTalvane::InsertTalvaneRow(&list, 0, group, stone, false), group == stones && stone == 0);
    }
    EXPECT_EQ(list.RowValues(), QList<quint32>({60000}));

    SetRows({80000, 60000 + kStoneCount, IItemList::kNoItemRow, 20000 + kPeakCount, kPeakCount});
    FakeStatusText window;
    for (int row = -1; row <= list.RowCount(); ++row) {
        window.SetText(QStringLiteral("old"));
        EXPECT_FALSE(peaks->ShowRowSummary(&window, &list, row)) << row;
        const bool inList = row >= 0 && row < list.RowCount();
        EXPECT_EQ(window.text, inList ? QString() : QStringLiteral("old")) << row;
    }
    QString text = QStringLiteral("old");
    EXPECT_FALSE(peaks->ShowItemSummary(&window, -1));
    EXPECT_FALSE(peaks->AppendItemSummary(kPeakCount, &text));
    // The description takes the low 24 bits of the item.
    const std::pair<int, QString> masked[] = {{(1 << 24) + kPeakCount, ""}, {-1, ""}, {1 << 24, "玉山(東峰)，3869m，1234(失)"}};
    for (const auto& [item, description] : masked) {
        peaks->FormatItemDescription(item, &text);
        EXPECT_EQ(text, description) << item;
    }
    FakePointView view;
    EXPECT_FALSE(peaks->ShowItemOnMap(&view, kPeakCount));
    EXPECT_FALSE(peaks->ShowItemOnMapAt(&view, -1, 0, 5));
    EXPECT_TRUE(view.points.isEmpty());
}

TEST_F(PeakListTest, SortingEachColumnFlipsItsToggle)
{
    const struct {
        int column;
        QList<quint32> first, second;
    } cases[] = {
        // Names by UTF-16 code units: 加 北 合 樂 玉 雪.
        {0, {4, 3, 2, 5, 0, 1}, {1, 0, 5, 2, 3, 4}},
        // Heights descending first; 加里山 and 樂山 (2220 m) keep their order both ways.
        {1, {1, 0, 2, 3, 4, 5}, {4, 5, 3, 2, 0, 1}},
        // Level keys: 二等5 (1,020,005), the unknown level 10 by text, then 一等2147483000 whose
        // key (2,148,493,000) does not fit 32 bits; the two 1234 keep their order.
        {2, {5, 0, 2, 1, 3, 4}, {4, 3, 1, 0, 2, 5}},
        // Regions: 南投 before 南投,花蓮, then 台中, 屏東, 苗栗 twice.
        {3, {0, 2, 1, 3, 4, 5}, {4, 5, 3, 1, 2, 0}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(peaks->FillItemList(&list), kPeakCount);
        ASSERT_TRUE(peaks->SortItemList(&list, c.column)) << c.column;
        EXPECT_EQ(list.RowValues(), c.first) << "column " << c.column;
        ASSERT_TRUE(peaks->SortItemList(&list, c.column));
        EXPECT_EQ(list.RowValues(), c.second) << "column " << c.column;
        ASSERT_TRUE(peaks->SortItemList(&list, c.column));  // the toggle is set again
    }
    EXPECT_EQ(table.BuiltGroup(1), nullptr) << "peak rows need no stone group";

    list.calls.clear();
    for (int column : {4, 7, 8, -1})
        EXPECT_FALSE(peaks->SortItemList(&list, column)) << column;
    EXPECT_FALSE(list.calls.contains("SortRows"));
    EXPECT_FALSE(peaks->SortItemList(nullptr, 0));

    // A new column set-up clears the toggles: heights sort descending again.
    ASSERT_EQ(peaks->FillItemList(&list), kPeakCount);
    ASSERT_TRUE(peaks->SortItemList(&list, 1));
    EXPECT_EQ(list.RowValues(), QList<quint32>({1, 0, 2, 3, 4, 5}));
}

TEST_F(PeakListTest, SortingStoneRowsAndRowsThatNameNothing)
{
    // 玉山, 三角埔 (都計四等12, 500 m), 某石 (無, 0 m), two values that name nothing, and the
    // second-stone row of 雪山 (B, 3886 m).
    const QList<quint32> values = {0, 60000, 60001, 80000, IItemList::kNoItemRow, 20001};
    SetRows(values);
    ASSERT_TRUE(peaks->SortItemList(&list, 1));
    EXPECT_EQ(list.RowValues(), QList<quint32>({20001, 0, 60000, 60001, 80000, IItemList::kNoItemRow}));
    EXPECT_NE(table.BuiltGroup(1), nullptr) << "stone rows find the stone group";

    SetRows(values);
    ASSERT_TRUE(peaks->SortItemList(&list, 2));
    EXPECT_EQ(list.RowValues(), QList<quint32>({80000, IItemList::kNoItemRow, 0, 20001, 60000, 60001}));
    SetRows(values);
    ASSERT_TRUE(peaks->SortItemList(&list, 0));  // the empty names, then 三 某 玉 雪
    EXPECT_EQ(list.RowValues(), QList<quint32>({80000, IItemList::kNoItemRow, 60000, 60001, 0, 20001}));
}

TEST_F(PeakListTest, SummariesAndDescriptions)
{
    CGroupBase* stones = Stones();
    peaks->InsertItemRow(&list, 0, 0);
    peaks->InsertItemRow(&list, 1, 3);
    CGroupTalvane::InsertTalvaneRow(&list, 2, stones, 0, false);
    peaks->InsertItemRowAt(&list, 3, 1, {.secondStone = true});
    const QString summaries[] = {
        "玉山(東峰)，3869m，1234(失) [南投縣] 百岳 名山",
        "北大%1武(%2、西峰)，3092m，北市都市計劃處四等三角點NO.12、無基石 [屏東]",
        "三角埔，500m，北市都市計劃處四等三角點NO.12 [南投縣]",
        "雪山，3886m，A、B [台中] 百岳",
    };
    FakeStatusText window;
    for (int row = 0; row < 4; ++row) {
        EXPECT_TRUE(peaks->ShowRowSummary(&window, &list, row)) << row;
        EXPECT_EQ(window.text, summaries[row]) << row;
    }
    EXPECT_TRUE(peaks->ShowItemSummary(&window, 4));
    EXPECT_EQ(window.text, "加里山，2220m，一等2147483000 [苗栗] 小百岳");

    QString text;
    ASSERT_TRUE(peaks->AppendItemSummary(3, &text));
    EXPECT_EQ(text, "北大%1武(%2、西峰)，3092m，北市都市計劃處四等三角點NO.12、無基石");
    peaks->FormatItemDescription(3, &text);
    EXPECT_EQ(text, "北大%1武(%2,西峰)，3092m，北市都市計劃處四等三角點NO.12,無基石");
    EXPECT_EQ(CGroupTalvane::FormatTalvaneDescription(*peaks->Record(2)), "合歡山，3417m，1234(甲)(失),二等7");
}

TEST_F(PeakListTest, MapPoints)
{
    FakePointView view;
    ASSERT_TRUE(peaks->ShowItemOnMap(&view, 0));
    ASSERT_TRUE(peaks->ShowItemOnMapAt(&view, 1, 7, 20001));
    QStringList points;
    for (const FakePointView::Point& p : view.points)
        points << QStringList({QString::number(p.x), QString::number(p.y), QString::number(p.key), p.name,
                               p.label, QString::number(p.visitCount), QString::number(p.number)})
                      .join(u' ');
    EXPECT_EQ(points, QStringList({"120.95 23.47 0 玉山 玉山(東峰)，3869m，1234(失) 1 0",
                                   "0 0 20001 雪山 雪山，3886m，A,B 0 7"}));
}

// A group holds at most 20,000 items; a load that leaves some out says so once. Each file of
// this group adds 8,000 items, so the third file fills the group and the fourth adds none.
class BulkGroup : public TestGroup<StoneItemRecord> {
public:
    BulkGroup() : TestGroup(QStringLiteral("Bulk"), QStringLiteral("大量")) {}
    bool LoadItemFile(const QString&, const platform::FileTime&) override
    {
        for (int k = 0; k < 8000; ++k) {
            if (!AppendItem<StoneItemRecord>())
                return false;
        }
        return true;
    }
};

TEST(FullGroupTest, TheUserIsToldOncePerLoad)
{
    platform::ClearProfileCache();
    TempDir dir;
    platform::SetProgramFolder(dir.path());
    dir.write(QStringLiteral("峰嵐錄.txt"), Utf16LeWithBom(QStringLiteral("[DataGroup]\r\nGroup1=大量\r\n")));
    for (const char* name : {"1", "2", "3", "4"})
        dir.write(QStringLiteral("大量/%1.txt").arg(QString::fromUtf8(name)),
                  Utf16LeWithBom(QStringLiteral("[Bulk]\r\nName=x\r\n")));
    FakeMessageBox box;
    CGroupTable table;
    table.SetGroupClasses({{[] { return std::make_unique<BulkGroup>(); }, -1}});
    table.SetServices(WindowServices{.messageBox = &box});
    table.LoadSettings();

    CGroupBase* full = table.GetGroup(0, nullptr);
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(full->ItemCount(), 20000);
    EXPECT_EQ(table.GetGroup(0, nullptr), full);
    ASSERT_EQ(box.shown.size(), 1);
    EXPECT_EQ(box.shown[0].text, "[大量]項目超過 20000 個，其餘的項目未載入！");
    EXPECT_EQ(box.shown[0].icon, MessageIcon::Exclamation);
}

} // namespace
