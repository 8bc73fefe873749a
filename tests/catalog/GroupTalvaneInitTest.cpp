// The peak group's set-up from a main settings file as the owner's Windows machine writes it
// (UTF-16LE with byte-order mark, CR LF): the subsets it builds and their order, the companion
// table read from the companions' files, the subsets added after loading, and the subset tree.
#include "catalog/talvane/GroupTalvane.h"

#include "FakeClock.h"
#include "FakeSubsetTree.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "catalog/subsets/SubsetBase.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "catalog/subsets/titles/SubsetTitle.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>

namespace {

// Lines of an INI file joined with CR LF.
QByteArray Ini(const QStringList& lines)
{
    return Utf16LeWithBom(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

// A peak group initialised from a settings file beside the program; the data folder is "data".
class PeakInitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        DisplayNameConversions::Program().Reset();
        platform::SetProgramFolder(dir.path());
    }
    void TearDown() override { DisplayNameConversions::Program().Reset(); }

    // Writes the settings (after the [DataGroup] section) and initialises the group.
    void Init(const QStringList& settings)
    {
        dir.write(QStringLiteral("峰嵐錄.txt"),
                  Ini(QStringList{"[DataGroup]", "BaseFolder=data", "Group1=山", ""} + settings));
        ASSERT_TRUE(table.LoadSettings());
        ASSERT_TRUE(group.Init(MainSettingsPath(), &table, table.GroupFolder(0)));
    }
    // "type name" of every subset, in order.
    QStringList Sequence() const
    {
        QStringList out;
        for (int i = 0; i < group.SubsetCount(); ++i)
            out << QStringLiteral("%1 %2").arg(group.Subset(i)->TypeCode()).arg(group.Subset(i)->DisplayName());
        return out;
    }

    TempDir dir;
    CGroupTable table;
    CGroupTalvane group;
};

TEST_F(PeakInitTest, BuildsTheSubsetsOfTheSettingsInTheirOrder)
{
    Init({"[Talvane]", "Postfix1=大山", "Postfix2=山", "SameName1=加里", "Serial1=數字",
          "Talvanes1=行程", "Talvanes2=百岳外", "Talvanes3=", "Talvanes4=不讀",
          "Title1=甲", "Title2=百岳", "Title3=乙",
          "Region1=大台北", "Region2=中部", "Stone1=三等", "Stone2=北水", "Stone3=", "Stone4=不讀",
          "[TitleSet]", "百岳=A,B,C", "乙=A,,B",
          "[Region]", "RegionList=台北市,台北縣", "台北縣=新北市,烏來", "大台北=台北市,台北縣"});
    EXPECT_EQ(Sequence(), QStringList({
                              "0 甲", "0 A", "0 B", "0 C", "0 A", "0 ,B",  // titles
                              "12 行程", "12 百岳外",                       // named lists
                              "10 高山(3000m)", "10 高於1500公尺山", "10 高於1000公尺山",  // heights
                              "1 三等基石", "1 北水基石",                   // stone classes
                              "9 雙基石的山",                               // double stone
                              "2 數字山",                                   // series
                              "8 大台北的山", "8 中部的山",                 // region sets
                              "6 台北市的山", "6 台北縣的山", "6 新北市的山", "6 烏來的山",  // regions
                              "19 無登山資料", "15 尚未定位",               // no records
                              "4 各地加里",                                 // same names
                              "11 各地大山", "11 各地山",                   // name endings
                          }));
    // A title without a set heads itself; in a set the first title heads the others.
    const bool heads[] = {true, true, false, false, true, false};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(static_cast<const CSubsetTitle*>(group.Subset(i))->HeadsSet(), heads[i]) << i;
    for (int i = 0; i < group.SubsetCount(); ++i) {
        EXPECT_EQ(group.Subset(i)->Section(), "Talvane");
        const int type = group.Subset(i)->TypeCode();
        const bool region = type == CSubsetBase::kTypeRegion || type == CSubsetBase::kTypeRegionSet;
        EXPECT_EQ(group.Subset(i)->FolderCode(), region ? CSubsetBase::kFolderRegion : CSubsetBase::kFolderBasic);
    }
    EXPECT_EQ(group.MateCount(), 0);
}

// Numbered keys: the list ends at the first empty value, and the group keeps 500 subsets.
TEST_F(PeakInitTest, NumberedTitlesEndAtAGapAndFillAtMostTheTable)
{
    const struct {
        int first;   // the first title key written
        int count;   // titles written from it
        int titles;  // title subsets built
        int total;   // subsets built
    } cases[] = {
        {1, 600, 500, 500},  // the table is full before the heights
        {2, 5, 0, 8},        // no Title1: no titles; 3 heights, double stone, 2 regions, 2 more
        {1, 3, 3, 11},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first * 1000 + c.count);
        QStringList settings{"[Region]", "RegionList=宜蘭縣,花蓮縣", "[Talvane]"};
        for (int k = c.first; k < c.first + c.count; ++k)
            settings << QStringLiteral("Title%1=T%1").arg(k);
        CGroupTalvane fresh;
        dir.write(QStringLiteral("峰嵐錄.txt"), Ini(settings));
        platform::ClearProfileCache();
        table.LoadSettings();
        fresh.Init(MainSettingsPath(), &table, dir.path());
        int titles = 0;
        for (int i = 0; i < fresh.SubsetCount(); ++i)
            titles += fresh.Subset(i)->TypeCode() == CSubsetBase::kTypeTitle;
        EXPECT_EQ(titles, c.titles);
        EXPECT_EQ(fresh.SubsetCount(), c.total);
        if (c.count == 600) {
            EXPECT_EQ(fresh.Subset(499)->DisplayName(), "T500");
        }
    }
}

class PeakMatesTest : public PeakInitTest {
protected:
    void Mate(const QString& file, const QStringList& keys)
    {
        dir.write(QStringLiteral("data/山友/") + file, Ini(QStringList{"[Hiking]"} + keys));
    }
};

TEST_F(PeakMatesTest, CompanionsReadFromTheirFilesKeepTheirPositions)
{
    Mate("a.txt", {"Title=阿明"});
    Mate("b.txt", {"Title=山羊&小鹿%d隊", "ShortTitle=山羊", "KeyLink=羊Link"});
    Mate("c.txt", {"Title=Wendy"});
    Mate("d.txt", {"Title=不讀"});
    Init({"[HikingMate]", "Mate1=a.txt", "Mate2=不在.txt", "Mate3=b.txt", "Mate4=c.txt", "Mate5=",
          "Mate6=d.txt"});
    ASSERT_EQ(group.MateCount(), 4);
    const struct {
        const char* title;
        const char* shortTitle;
        const char* menu;
        const char* visit2;
        const char* link1;
    } want[] = {
        {"阿明", "阿明", "阿明", "阿明2", "阿明1"},
        {"", "", "", "2", "1"},  // no file: empty texts, its place kept
        {"山羊&小鹿%d隊", "山羊", "山羊&&小鹿%d隊", "山羊&小鹿%d隊2", "羊Link1"},
        {"Wendy", "Wendy", "Wendy", "Wendy2", "Wendy1"},
    };
    for (int m = 0; m < 4; ++m) {
        const HikingMate* mate = group.Mate(m);
        ASSERT_NE(mate, nullptr) << m;
        EXPECT_EQ(mate->title, QString::fromUtf8(want[m].title)) << m;
        EXPECT_EQ(mate->shortTitle, QString::fromUtf8(want[m].shortTitle)) << m;
        EXPECT_EQ(mate->menuText, QString::fromUtf8(want[m].menu)) << m;
        EXPECT_EQ(mate->VisitKey(2), QString::fromUtf8(want[m].visit2)) << m;
        EXPECT_EQ(mate->LinkKey(1), QString::fromUtf8(want[m].link1)) << m;
    }
    EXPECT_EQ(group.Mate(0)->path, platform::JoinPath(dir.path(), QStringLiteral("data/山友/a.txt")));

    // A peak's visits by the third companion carry its position, 2, after the missing one.
    const QString peak = dir.write(QStringLiteral("data/山/p.txt"),
                                   Ini({"[Talvane]", "Name=雪山", "山羊&小鹿%d隊1=2012/3/4", "Wendy1=101/1/2"}));
    ASSERT_TRUE(group.LoadItemFile(peak, platform::FileTime{}));
    const TalvaneItemRecord* record = group.Record(0);
    EXPECT_EQ(record->MateVisits[0], 21010304);
    EXPECT_EQ(record->MateVisits[1], 31010102);
    EXPECT_EQ(record->MateVisits[2], 0);
}

TEST_F(PeakMatesTest, SixteenthCompanionIsNeverRead)
{
    QStringList settings{"[HikingMate]"};
    for (int k = 1; k <= 16; ++k) {
        Mate(QStringLiteral("%1.txt").arg(k), {QStringLiteral("Title=M%1").arg(k)});
        settings << QStringLiteral("Mate%1=%1.txt").arg(k);
    }
    Init(settings);
    ASSERT_EQ(group.MateCount(), 15);
    EXPECT_EQ(group.Mate(14)->title, "M15");
    EXPECT_EQ(group.Mate(15), nullptr);
}

TEST_F(PeakInitTest, ReVisitYearsFollowTheClock)
{
    const struct {
        int year;
        int subsets;
    } cases[] = {{2026, 25}, {2002, 1}, {2001, 0}, {1999, 0}};
    FakeClock clock;
    for (const auto& c : cases) {
        clock.now = QDateTime(QDate(c.year, 3, 15), QTime(8, 0));
        EXPECT_EQ(CGroupTalvane::ReVisitYears(&clock), c.subsets) << c.year;
    }
    EXPECT_EQ(CGroupTalvane::ReVisitYears(nullptr), 0);
}

// Without peaks OnLoaded adds 待爬的山-大台北 and 待爬的山; with a clock in 2026, also the 25
// re-visit subsets.
TEST_F(PeakInitTest, OnLoadedWithAndWithoutAClock)
{
    FakeClock clock;
    const struct {
        IClock* clock;
        int added;
    } cases[] = {{nullptr, 2}, {&clock, 2 + 25}};
    Init({"[Talvane]", "Title1=甲"});
    for (const auto& c : cases) {
        table.SetServices(WindowServices{.clock = c.clock});
        CGroupTalvane fresh;
        fresh.Init(MainSettingsPath(), &table, table.GroupFolder(0));
        const int before = fresh.SubsetCount();
        EXPECT_TRUE(fresh.OnLoaded());
        EXPECT_EQ(fresh.SubsetCount() - before, c.added) << (c.clock != nullptr);
    }
}

// Titles of a set nest under their heading and sub-regions under their region, the same way at
// every filling of the tree.
TEST_F(PeakInitTest, TreeRefilledTwiceNestsTheSameWay)
{
    Init({"[Talvane]", "Title1=百岳", "Title2=小百岳", "Region1=大台北",
          "[TitleSet]", "百岳=百岳,五嶽,三尖",
          "[Region]", "RegionList=台北市,台北縣", "台北縣=新北市,烏來", "大台北=台北市,台北縣",
          "[DisplayName]", "Convert1=台北縣,新北市"});
    const QStringList want = {
        "基本 [0]",
        "  百岳 [1]",
        "    五嶽 [2]",
        "    三尖 [3]",
        "  小百岳 [4]",
        "  高山(3000m) [5]",
        "  高於1500公尺山 [6]",
        "  高於1000公尺山 [7]",
        "  雙基石的山 [8]",
        "  無登山資料 [14]",
        "  尚未定位 [15]",
        "地區 [0]",
        "  大台北的山 [9]",
        "  台北市的山 [10]",
        "  新北市的山 [11]",  // 台北縣, shown renamed
        "    新北市的山 [12]",
        "    烏來的山 [13]",
    };
    FakeSubsetTree tree;
    for (int filling = 0; filling < 2; ++filling) {
        ASSERT_TRUE(group.FillSubsetTree(&tree));
        EXPECT_EQ(tree.Dump(), want) << filling;
    }
}

} // namespace
