// The bundled sample's second layout (sample/nature/: 瀑布, 植物 and 古道 over the one data
// folder) read through the program's own group classes: the waterfalls' rows, summaries, region
// subsets and locating through their GPS file; the plant families in stroke order and 蘭非蘭,
// a plant's web pages; and, on the main layout, the peaks' height, double-stone, no-record and
// not-located subsets and the stones' and old trails' 尚未定位.
#include "catalog/GroupTable.h"

#include "FakeItemList.h"
#include "FakeListBox.h"
#include "FakeMainWindow.h"
#include "FakePointView.h"
#include "FakePopupMenu.h"
#include "FakeShell.h"
#include "FakeStatusText.h"
#include "GpsBabel.h"
#include "GpxTestSupport.h"
#include "TempDir.h"
#include "catalog/plant/GroupPlant.h"
#include "catalog/records/ItemRowValue.h"
#include "catalog/subsets/SubsetBase.h"
#include "catalog/subsets/plants/PlantClassList.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "catalog/waterfall/GroupWaterfall.h"
#include "catalog/window/WindowServices.h"
#include "gps/GPSFileManager.h"
#include "gps/GPSWayPointSet.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

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

// The sample copied as the build lays it out: the main program folder "bin" with the data
// folder, and the nature layout "nature" beside it, whose settings reach "..\bin\data".
class SampleLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        DisplayNameConversions::Program().Reset();
        mainFolder = dir.copyTree(QStringLiteral(TALVANE_SAMPLE_DIR), QStringLiteral("bin"));
        natureFolder = dir.copyTree(QStringLiteral(TALVANE_SAMPLE_DIR "/nature"), QStringLiteral("nature"));
        window.opener = [this](const QString& path) { return formats.OpenFile(path).release(); };
        services.mainWindow = &window;
        services.shell = &shell;
        services.popupMenu = &menu;
    }
    void TearDown() override { DisplayNameConversions::Program().Reset(); }

    void Open(const QString& programFolder)
    {
        platform::SetProgramFolder(programFolder);
        table.SetServices(services);
        ASSERT_TRUE(table.LoadSettings());
    }
    static CSubsetBase* SubsetNamed(const CGroupBase* group, const QString& name)
    {
        for (int s = 0; s < group->SubsetCount(); ++s)
            if (group->Subset(s)->DisplayName() == name)
                return group->Subset(s);
        return nullptr;
    }
    static QStringList SubsetNames(const CGroupBase* group)
    {
        QStringList names;
        for (int s = 0; s < group->SubsetCount(); ++s)
            names << group->Subset(s)->DisplayName();
        return names;
    }
    // The item-file base names of a list's rows, in row order (stone-group rows through the
    // stone group).
    static QStringList RowFiles(const FakeItemList& list, const CGroupBase* group, const CGroupBase* stones = nullptr)
    {
        QStringList files;
        for (int r = 0; r < list.RowCount(); ++r) {
            const ItemRowValue value = ItemRowValue::Decode(list.RowData(r));
            const CGroupBase* owner = value.kind == ItemRowValue::Kind::StoneGroup ? stones : group;
            files << (owner ? platform::BaseNameOf(owner->ItemPath(value.index)) : QString());
        }
        return files;
    }
    static QStringList RowTexts(const FakeItemList& list)
    {
        QStringList texts;
        for (int r = 0; r < list.RowCount(); ++r)
            texts << list.CellText(r, 0);
        return texts;
    }
    // The subset's rows as base names of their item files.
    QStringList SubsetFiles(CGroupBase* group, const char* name, const CGroupBase* stones = nullptr)
    {
        CSubsetBase* subset = SubsetNamed(group, U(name));
        if (!subset) {
            ADD_FAILURE() << "no subset " << name;
            return {};
        }
        FakeItemList list;
        SubsetStatistics statistics;
        const int rows = subset->FillList(&list, &statistics, nullptr);
        EXPECT_EQ(rows, list.RowCount()) << name;
        return RowFiles(list, group, stones);
    }

    TempDir dir;
    QString mainFolder, natureFolder;
    CGPSFileManager formats;
    FakeMainWindow window;
    FakeShell shell;
    FakePopupMenu menu;
    WindowServices services;
    CGroupTable table;
};

class SampleNatureTest : public SampleLayoutTest {
protected:
    void SetUp() override
    {
        SampleLayoutTest::SetUp();
        Open(natureFolder);
        waterfalls = dynamic_cast<CGroupWaterfall*>(table.GetGroup(0, nullptr));
        plants = dynamic_cast<CGroupPlant*>(table.GetGroup(1, nullptr));
        ASSERT_NE(waterfalls, nullptr);
        ASSERT_NE(plants, nullptr);
    }
    int RowOf(const FakeItemList& list, const char* text) const
    {
        return int(RowTexts(list).indexOf(U(text)));
    }

    CGroupWaterfall* waterfalls = nullptr;
    CGroupPlant* plants = nullptr;
};

// The nature settings name three groups in the one data folder beside the main program folder;
// their counts come from the shared Cache.txt, and each folder's first file picks its class.
TEST_F(SampleNatureTest, ThreeGroupsShareTheMainDataFolder)
{
    ASSERT_EQ(table.GroupCount(), 3);
    EXPECT_EQ(DataFolder(), platform::JoinPath(mainFolder, QStringLiteral("data")));
    EXPECT_EQ(MainSettingsPath(), platform::JoinPath(natureFolder, U("峰嵐錄.txt")));
    FakeListBox list;
    ASSERT_TRUE(table.FillGroupList(&list, 0));
    EXPECT_EQ(list.texts, Us({"瀑布 (8)", "植物 (12)", "古道 (4)"}));
    const struct {
        const char* key;
        const char* displayName;
        int items;
    } groups[] = {{"Waterfall", "瀑布", 8}, {"Plant", "植物", 12}, {"OldTrail", "古道", 4}};
    for (int g = 0; g < 3; ++g) {
        CGroupBase* group = table.GetGroup(g, nullptr);
        ASSERT_NE(group, nullptr) << g;
        EXPECT_EQ(group->Key(), groups[g].key);
        EXPECT_EQ(group->DisplayName(), U(groups[g].displayName));
        EXPECT_EQ(group->ItemCount(), groups[g].items);
        EXPECT_EQ(group->ItemCount(), table.CachedItemCount(g));
    }
    EXPECT_EQ(plants->RecordMenuCaption(), U("植物網頁..."));
}

// Every waterfall's row: name (second name in parentheses), height only when known, region,
// 已造訪 for the walks 2 (平溪) and 7 (八通關), 已定位 for a Waypoint text; the Big5 file reads
// like the others.
TEST_F(SampleNatureTest, WaterfallRowsShowTheFiveColumns)
{
    FakeItemList list;
    ASSERT_EQ(waterfalls->FillItemList(&list), 8);
    EXPECT_EQ(list.ColumnTitles(), Us({"名稱", "高度(m)", "地區", "已造訪", "已定位"}));
    const struct {
        const char* text;
        const char* height;
        const char* region;
        const char* visited;
    } rows[] = {
        {"十分瀑布(台灣尼加拉瀑布)", "20", "新北市", "V"}, {"烏來瀑布", "80", "新北市", ""},
        {"五峰旗瀑布", "100", "宜蘭縣", ""},             {"小烏來瀑布", "50", "桃園市", ""},
        {"蛟龍瀑布", "1000", "嘉義縣", ""},              {"銀河洞瀑布", "30", "新北市", ""},
        {"雲龍瀑布", "", "南投縣", "V"},                 {"望古瀑布", "10", "新北市", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const int r = RowOf(list, row.text);
        ASSERT_GE(r, 0);
        EXPECT_EQ(list.CellText(r, 1), U(row.height));
        EXPECT_EQ(list.CellText(r, 2), U(row.region));
        EXPECT_EQ(list.CellText(r, 3), U(row.visited));
        EXPECT_EQ(list.CellText(r, 4), U("V"));
        // The row carries the item index.
        const QString file = platform::BaseNameOf(waterfalls->ItemPath(int(list.RowData(r))));
        EXPECT_TRUE(U(row.text).startsWith(file)) << file.toStdString();
    }
    EXPECT_TRUE(ReadBytes(waterfalls->ItemPath(int(list.RowData(RowOf(list, "烏來瀑布"))))).startsWith("[Waterfall]"));
}

// The status line of a waterfall: "name, 高度<height>m [region]", 高度未知 without a height; the
// second name is no part of it.
TEST_F(SampleNatureTest, WaterfallSummaries)
{
    FakeItemList list;
    waterfalls->FillItemList(&list);
    const struct {
        const char* row;
        const char* summary;
    } cases[] = {
        {"十分瀑布(台灣尼加拉瀑布)", "十分瀑布, 高度20m [新北市]"},
        {"烏來瀑布", "烏來瀑布, 高度80m [新北市]"},
        {"蛟龍瀑布", "蛟龍瀑布, 高度1000m [嘉義縣]"},
        {"雲龍瀑布", "雲龍瀑布, 高度未知 [南投縣]"},
    };
    for (const auto& c : cases) {
        FakeStatusText window;
        const int r = RowOf(list, c.row);
        ASSERT_GE(r, 0) << c.row;
        ASSERT_TRUE(waterfalls->ShowRowSummary(&window, &list, r));
        EXPECT_EQ(window.text, U(c.summary));
    }
}

// One subset per region of the nature settings' region list, then 區域無法歸類; 嘉義縣 is not in
// the list, so 蛟龍瀑布 falls into no region.
TEST_F(SampleNatureTest, WaterfallRegionSubsets)
{
    EXPECT_EQ(SubsetNames(waterfalls), Us({"新北市的瀑布", "宜蘭縣的瀑布", "桃園市的瀑布", "南投縣的瀑布", "花蓮縣的瀑布",
                                           "區域無法歸類"}));
    const struct {
        const char* subset;
        QStringList files;  // in item order
    } cases[] = {
        {"新北市的瀑布", Us({"十分瀑布", "望古瀑布", "烏來瀑布", "銀河洞瀑布"})},
        {"宜蘭縣的瀑布", Us({"五峰旗瀑布"})},
        {"桃園市的瀑布", Us({"小烏來瀑布"})},
        {"南投縣的瀑布", Us({"雲龍瀑布"})},
        {"花蓮縣的瀑布", {}},
        {"區域無法歸類", Us({"蛟龍瀑布"})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SubsetFiles(waterfalls, c.subset), c.files) << c.subset;
}

// 地圖定位... on a waterfall writes its waypoint from "!台灣的瀑布.gdb" of the data folder into
// ~~TempWP.gdb beside the program, as gpsbabel reads it back; 地圖定位(5K)... adds what lies within
// 0.05 degree: 十分遊客中心 (0.004 away) and 望古瀑布 (0.024 away).
TEST_F(SampleNatureTest, LocatingAWaterfallThroughItsGpsFile)
{
    REQUIRE_GPSBABEL();
    FakeItemList list;
    waterfalls->FillItemList(&list);
    const int row = RowOf(list, "十分瀑布(台灣尼加拉瀑布)");
    ASSERT_GE(row, 0);
    const struct {
        int radius;
        QStringList waypoints;
    } cases[] = {{0, Us({"SHIFENFALL"})}, {5, Us({"SHIFENFALL", "WANGGUFALL", "十分遊客中心"})}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.radius);
        shell.opened.clear();
        ASSERT_TRUE(waterfalls->LocateRow(&list, row, c.radius, false));
        ASSERT_EQ(shell.opened.size(), 1);
        EXPECT_EQ(shell.opened.first(), platform::JoinPath(natureFolder, QStringLiteral("~~TempWP.gdb")));
        GpxContent content;
        ASSERT_TRUE(GpsbabelReading(shell.opened.first(), &content, QStringLiteral("gdb")));
        QStringList names;
        for (const GpxWaypoint& w : content.waypoints)
            names << w.name;
        names.sort();
        EXPECT_EQ(names, c.waypoints);
        const auto shifen = std::find_if(content.waypoints.begin(), content.waypoints.end(),
                                         [](const GpxWaypoint& w) { return w.name == "SHIFENFALL"; });
        ASSERT_NE(shifen, content.waypoints.end());
        EXPECT_NEAR(shifen->position.lat, 25.0478, 1e-4);
        EXPECT_NEAR(shifen->position.lon, 121.7874, 1e-4);
    }
    // The unchanged file is read once.
    EXPECT_EQ(window.openedGpsFiles, QStringList({platform::JoinPath(DataFolder(), U("!台灣的瀑布.gdb"))}));
}

// The waterfalls' GPS file holds every waterfall's waypoint, by gpsbabel's reading: each at its
// item's coordinates, plus the two places near them that belong to no waterfall.
TEST_F(SampleNatureTest, TheWaterfallGpsFileHoldsEveryWaypoint)
{
    REQUIRE_GPSBABEL();
    GpxContent babel;
    ASSERT_TRUE(GpsbabelReading(platform::JoinPath(DataFolder(), U("!台灣的瀑布.gdb")), &babel, QStringLiteral("gdb")));
    ASSERT_EQ(babel.waypoints.size(), 10u);
    for (int i = 0; i < waterfalls->ItemCount(); ++i) {
        QString name;
        waterfalls->GetItemWaypointName(i, &name);
        const auto named = [&name](const GpxWaypoint& w) { return w.name == name; };
        const auto found = std::find_if(babel.waypoints.begin(), babel.waypoints.end(), named);
        ASSERT_NE(found, babel.waypoints.end()) << name.toStdString();
        const QString path = waterfalls->ItemPath(i);
        EXPECT_NEAR(found->position.lat, platform::GetProfileString(path, "Waterfall", "Attitude").toDouble(), 1e-4);
        EXPECT_NEAR(found->position.lon, platform::GetProfileString(path, "Waterfall", "Longitude").toDouble(), 1e-4);
    }
}

// The families of [PlantClass] ClassList in Taiwanese stroke order by the strokes of their first
// characters: 天 4, 石 5, 百 6, 杜 7, 菊 12, 龍 16, 羅 19, 蘭 21 (the list itself is in no order);
// then the one [Plant] NotClass word, 蘭非蘭. The order holds whatever the default locale.
TEST_F(SampleNatureTest, FamiliesInStrokeOrderThenTheNotFamilySubset)
{
    const QStringList families = Us({"天門冬科", "石蒜科", "百合科", "杜鵑花科", "菊科", "龍膽科", "羅漢松科", "蘭科"});
    EXPECT_EQ(SubsetNames(plants), families + Us({"蘭非蘭"}));
    for (int s = 0; s < plants->SubsetCount(); ++s) {
        EXPECT_EQ(plants->Subset(s)->TypeCode(),
                  s < families.size() ? CSubsetBase::kTypePlantClass : CSubsetBase::kTypePlantNotClass);
        EXPECT_EQ(plants->Subset(s)->FolderCode(), CSubsetBase::kFolderBasic);
    }
    const QLocale saved;
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(locale);
        QStringList read;
        EXPECT_EQ(ReadPlantClassList(&read), 8);
        EXPECT_EQ(read, families) << locale.name().toStdString();
    }
    QLocale::setDefault(saved);
}

// 蘭科 lists the orchids; 蘭非蘭 the plants outside 蘭科 whose name ends in 蘭 after its first
// character: 台灣澤蘭 (菊科), 吊蘭 (天門冬科), 文殊蘭 (石蒜科); not the orchids (石斛蘭 of 蘭科), not
// 蘭嶼羅漢松 (蘭 first). Rows in item order (file names).
TEST_F(SampleNatureTest, PlantFamilyAndNotFamilyRows)
{
    const struct {
        const char* subset;
        QStringList rows;
    } cases[] = {
        {"蘭科", Us({"台灣一葉蘭(台灣獨蒜蘭)", "台灣蝴蝶蘭(白花蝴蝶蘭)", "根節蘭", "石斛蘭"})},
        {"蘭非蘭", Us({"台灣澤蘭", "吊蘭", "文殊蘭(濱水仙)"})},
        {"杜鵑花科", Us({"玉山杜鵑", "紅星杜鵑"})},
        {"龍膽科", Us({"阿里山龍膽"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.subset);
        CSubsetBase* subset = SubsetNamed(plants, U(c.subset));
        ASSERT_NE(subset, nullptr);
        FakeItemList list;
        SubsetStatistics statistics;
        EXPECT_EQ(subset->FillList(&list, &statistics, nullptr), c.rows.size());
        EXPECT_EQ(RowTexts(list), c.rows);
        EXPECT_EQ(list.ColumnTitles(), Us({"名稱", "科別"}));
    }
}

// A family marks its plants on the photo view: one request per plant with its name, its family
// (the photo folder) and the plant line as tip.
TEST_F(SampleNatureTest, TheOrchidsAskThePhotoViewForTheirPhotos)
{
    CSubsetBase* orchids = SubsetNamed(plants, U("蘭科"));
    ASSERT_NE(orchids, nullptr);
    FakeItemList list;
    SubsetStatistics statistics;
    orchids->FillList(&list, &statistics, nullptr);
    FakePointView view;
    orchids->MarkOnMap(&view);
    ASSERT_EQ(view.images.size(), 4);
    const struct {
        const char* name;
        const char* line;
    } expected[] = {{"台灣一葉蘭", "台灣一葉蘭(台灣獨蒜蘭) [蘭科]"}, {"台灣蝴蝶蘭", "台灣蝴蝶蘭(白花蝴蝶蘭) [蘭科]"},
                    {"根節蘭", "根節蘭 [蘭科]"}, {"石斛蘭", "石斛蘭 [蘭科]"}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(view.images[k].name, U(expected[k].name));
        EXPECT_EQ(view.images[k].family, U("蘭科"));
        EXPECT_EQ(view.images[k].line, U(expected[k].line));
        EXPECT_EQ(quint32(view.images[k].item), list.RowData(k));
    }
}

// 植物網頁... lists a plant's page titles from Blog1 to the first gap (玉山杜鵑 keeps Blog1 and
// Blog3: one entry), titles as written ("&" included); a page opens its Link; a plant without
// pages has no record links and an empty menu.
TEST_F(SampleNatureTest, ThePlantRecordMenuListsItsPages)
{
    FakeItemList list;
    ASSERT_EQ(plants->FillItemList(&list), 12);
    const QString pages = QStringLiteral("https://plants.example.org/");
    const struct {
        const char* row;
        bool links;
        QStringList entries;
    } cases[] = {
        {"玉山杜鵑", true, Us({"2000 玉山杜鵑：合歡山的五月"})},
        {"台灣一葉蘭(台灣獨蒜蘭)", true, Us({"2000 台灣一葉蘭：南插天山的花季", "2001 一葉蘭的栽培筆記"})},
        {"台灣百合(高砂百合)", true, Us({"2000 百合 & 山谷：台灣百合"})},
        {"文殊蘭(濱水仙)", true, Us({"2000 海邊的文殊蘭"})},
        {"根節蘭", false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        const int r = RowOf(list, c.row);
        ASSERT_GE(r, 0);
        EXPECT_EQ(plants->HasRecordLinks(&list, r), c.links);
        menu.shown.clear();
        ASSERT_TRUE(plants->PopupRecordMenu(&list, r));
        ASSERT_EQ(menu.shown.size(), 1);
        EXPECT_EQ(menu.LastEntries(), c.entries);
    }
    const int azalea = RowOf(list, "玉山杜鵑");
    ASSERT_TRUE(plants->OpenRecordLink(&list, azalea, 2000));
    EXPECT_EQ(shell.opened, QStringList({pages + "rhododendron-pseudochrysanthum.html"}));
    // The missing Link2 opens nothing.
    EXPECT_TRUE(plants->OpenRecordLink(&list, azalea, 2001));
    EXPECT_EQ(shell.opened.size(), 1);
    EXPECT_FALSE(plants->OpenRecordLink(&list, azalea, 1999));
    ASSERT_TRUE(plants->OpenRecordLink(&list, RowOf(list, "文殊蘭(濱水仙)"), 2000));
    EXPECT_EQ(shell.opened.last(), pages + "crinum.html");
}

// The main layout with the program's group classes: the peaks' attribute subsets, the stones'
// and the old trails' 尚未定位.
class SampleAttributesTest : public SampleLayoutTest {
protected:
    void SetUp() override
    {
        SampleLayoutTest::SetUp();
        Open(mainFolder);
        peaks = table.GetGroup(0, nullptr);
        stones = table.GetGroup(1, nullptr);
        oldTrails = table.GetGroup(2, nullptr);
        ASSERT_NE(peaks, nullptr);
        ASSERT_NE(stones, nullptr);
        ASSERT_NE(oldTrails, nullptr);
        ASSERT_EQ(peaks->ItemCount(), 51);
    }
    int CountHeightsFrom(int metres) const
    {
        int n = 0;
        for (int i = 0; i < peaks->ItemCount(); ++i)
            n += platform::GetProfileInt(peaks->ItemPath(i), "Talvane", "Height", 0) >= metres;
        return n;
    }

    CGroupBase* peaks = nullptr;
    CGroupBase* stones = nullptr;
    CGroupBase* oldTrails = nullptr;
};

// 北插天山 (1727 m) is above 1500 and 1000 m, not in 高山(3000m). The sample holds 38 peaks of
// 3000 m or more, 39 of 1500 m or more and 42 of 1000 m or more (the item files' Height keys).
TEST_F(SampleAttributesTest, HeightSubsets)
{
    const struct {
        const char* subset;
        int metres;
        int count;
        bool beichatian;
    } cases[] = {{"高山(3000m)", 3000, 38, false}, {"高於1500公尺山", 1500, 39, true}, {"高於1000公尺山", 1000, 42, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.subset);
        const QStringList files = SubsetFiles(peaks, c.subset);
        EXPECT_EQ(files.size(), c.count);
        EXPECT_EQ(CountHeightsFrom(c.metres), c.count);
        EXPECT_EQ(files.contains(U("北插天山")), c.beichatian);
        EXPECT_EQ(files.contains(U("七星山")), c.metres <= 1120);
    }
}

// 雪山 (一等三角點 and 三等6055) is the one double-stone peak: 卑南主山's second stone is lost (失).
TEST_F(SampleAttributesTest, DoubleStonePeaksLeaveOutALostStone)
{
    EXPECT_EQ(SubsetFiles(peaks, "雙基石的山"), Us({"雪山主峰"}));
}

// 無登山資料: the peaks with no walk, no atlas page and no companion's visit, in item order;
// 北插天山 among them.
TEST_F(SampleAttributesTest, PeaksWithoutAnyRecord)
{
    EXPECT_EQ(SubsetFiles(peaks, "無登山資料"), Us({"二格山", "北插天山", "大崙頭山", "小南山", "小觀音山", "東小南山",
                                                   "玉山前峰", "玉山北北峰", "玉山西峰", "石門山桃園"}));
}

// 尚未定位 lists, after the items without a waypoint or track name, those whose name the GPS file
// lacks: the peaks 五指山 and 十八尖山 (the file names theirs otherwise) and 大崙頭山 (never saved);
// the stone 圖根點平頂 (no name); the old trail 錐麓古道 (no Track).
TEST_F(SampleAttributesTest, NotLocatedSubsets)
{
    EXPECT_EQ(SubsetFiles(peaks, "尚未定位"), Us({"五指山", "十八尖山", "大崙頭山"}));
    EXPECT_EQ(SubsetFiles(stones, "尚未定位", stones), Us({"圖根點平頂"}));
    EXPECT_EQ(SubsetFiles(oldTrails, "尚未定位"), Us({"錐麓古道"}));
    EXPECT_EQ(window.openedGpsFiles.size(), 3);
}

} // namespace
