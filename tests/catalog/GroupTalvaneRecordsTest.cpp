// The peak group's record menu and links on a program folder as the owner keeps it (written by
// tests/data/html/records/make_fixtures.py): the walk index and BlueSky pages in UTF-8, the
// 岫禾圖集 index, the companions' itineraries and the peak files in UTF-16LE, loaded through the
// group table with a survey-stone group beside the peaks.
#include "catalog/talvane/GroupTalvane.h"

#include "FakeItemList.h"
#include "FakePopupMenu.h"
#include "FakeShell.h"
#include "TempDir.h"
#include "TestGroups.h"
#include "catalog/GroupTable.h"
#include "catalog/records/StoneItemRecord.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QFile>
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <vector>

namespace {

// Row values: the peaks 北大武山 (0), 南湖大山 (1) and 關山 (2), the second-stone row of 0, the
// third-stone row of 2, stone 0 of the survey-stone group, and a value that names nothing.
constexpr quint32 kRich = 0, kPlain = 1, kGuan = 2, kRichSecond = 20000, kGuanThird = 40002;
constexpr quint32 kStoneRow = 60000, kNothing = 80000;

class StoneGroup : public TestGroup<StoneItemRecord> {
public:
    StoneGroup() : TestGroup(QStringLiteral("Stone"), QStringLiteral("基石")) {}
};

struct Entry {
    int id;
    const char* text;
};

QList<MenuEntry> Entries(std::initializer_list<Entry> entries)
{
    QList<MenuEntry> list;
    for (const Entry& e : entries) {
        MenuEntry m;
        m.id = e.id;
        m.text = QString::fromUtf8(e.text);
        list << m;
    }
    return list;
}

// What a test compares of a shown menu: ids and texts.
QStringList Shown(const QList<MenuEntry>& entries)
{
    QStringList shown;
    for (const MenuEntry& e : entries)
        shown << QString::number(e.id) + QLatin1Char(' ') + e.text
                     + (e.separator || e.disabled || e.checked ? QStringLiteral(" *") : QString());
    return shown;
}

class RecordMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.copyTree(QStringLiteral(TALVANE_TEST_DATA "/html/records"), QStringLiteral("program"));
        platform::SetProgramFolder(root);
        platform::ClearProfileCache();
        PrepareFiles();
        table.SetGroupClasses(ProgramGroupClasses()
                              << GroupClassEntry{[] { return std::make_unique<StoneGroup>(); }, -1});
        table.LoadSettings();
        table.SetServices(WindowServices{.popupMenu = &menu, .shell = &shell});
        peaks = dynamic_cast<CGroupTalvane*>(table.GetGroup(0, nullptr));
        ASSERT_NE(peaks, nullptr);
        ASSERT_EQ(peaks->ItemCount(), 3);
        ASSERT_EQ(peaks->MateCount(), 2);
    }

    // Changes to the copied files before the groups load them.
    virtual void PrepareFiles() {}
    // The list row of a value (added on first use).
    int Row(quint32 value)
    {
        for (int row = 0; row < list.RowCount(); ++row)
            if (list.RowData(row) == value)
                return row;
        return list.InsertRow(list.RowCount(), QString(), value);
    }
    // The menu a row pops up; none when nothing was shown.
    std::optional<QList<MenuEntry>> PopUp(quint32 value)
    {
        const qsizetype before = menu.shown.size();
        EXPECT_EQ(peaks->PopupRecordMenu(&list, Row(value)), value < kStoneRow);
        if (menu.shown.size() == before)
            return std::nullopt;
        EXPECT_EQ(menu.shown.last().delivery, MenuDelivery::ToOwner);
        return menu.shown.last().entries;
    }
    // What a command opened: the targets, and the result of the call.
    struct Opened {
        bool result;
        QStringList targets;
    };
    Opened Open(quint32 value, int id)
    {
        shell.opened.clear();
        const bool result = peaks->OpenRecordLink(&list, Row(value), id);
        return {result, shell.opened};
    }
    QString InProgram(const char* relative) const { return root + QLatin1Char('/') + QString::fromUtf8(relative); }
    TalvaneItemRecord* Editable(int item) { return peaks->ItemAs<TalvaneItemRecord>(item); }

    TempDir dir;
    QString root;
    CGroupTable table;
    FakePopupMenu menu;
    FakeShell shell;
    FakeItemList list;
    CGroupTalvane* peaks = nullptr;
};

const QList<MenuEntry> kRichMenu = Entries({
    // Walk 12 is on no row of the walk page; walk 7 is, at position 1.
    {2001, "行旅客7: 北大武山 & 南大武山 [2019/05/03]"},
    // 二十八012 (position 0) is on no atlas row; 二十八045 is.
    {2101, "藍天圖集(二十八045)北大武山 & 南段"},
    // The 岫禾 codes follow the two BlueSky codes: positions 2 to 4; 二十八030 has no entry.
    {2202, "岫禾圖集(二十八005)北大武山東峰"},
    {2204, "岫禾圖集(三101)北插天山"},
    // 阿明 went on no trip on 2018/1/2 (position 1); 小華's title as it stands.
    {2300, "阿明: 北大武山 [108/05/03]"},
    {2302, "阿明: 【雪山】-主東 [104/08/09]"},
    {2303, "小華&阿花: 嘉明湖 [109.07.01]"},
});

const QList<MenuEntry> kGuanMenu = Entries({
    // Walk 2500 is no walk number; walk 3's row has no report link.
    {2001, "行旅客3: 颱風撤退 [2018/08/09]"},
    {2300, "小華&阿花: 嘉明湖 [109.07.01]"},
});

// 南湖大山 with one trip of 小華 as its only record: no walk, no atlas reference.
class CompanionOnlyTest : public RecordMenuTest {
protected:
    void PrepareFiles() override
    {
        ASSERT_TRUE(platform::WriteProfileString(InProgram("data/山/b_南湖大山.txt"), QStringLiteral("Talvane"),
                                                 QStringLiteral("小華1"), QStringLiteral("109.7.1")));
    }
};

} // namespace

TEST_F(CompanionOnlyTest, APeakWhoseOnlyRecordsAreCompanionVisitsHasItsMenu)
{
    EXPECT_TRUE(peaks->HasRecordLinks(&list, Row(kPlain)));
    const auto shown = PopUp(kPlain);
    ASSERT_TRUE(shown);
    EXPECT_EQ(Shown(*shown), Shown(Entries({{2300, "小華&阿花: 嘉明湖 [109.07.01]"}})));
    EXPECT_EQ(Open(kPlain, 2300).targets, QStringList{InProgram("trips/嘉明湖.htm")});
    for (int id : {2000, 2100})
        EXPECT_FALSE(Open(kPlain, id).result) << id;
}

TEST_F(RecordMenuTest, MenuOfARowListsThePeaksRecordsThatTheOutsideFilesName)
{
    struct Case {
        quint32 value;
        std::optional<QList<MenuEntry>> menu;
    };
    const Case cases[] = {
        {kRich, kRichMenu},           {kRichSecond, kRichMenu}, {kGuan, kGuanMenu},
        {kGuanThird, kGuanMenu},      {kPlain, std::nullopt},   {kStoneRow, std::nullopt},
        {kNothing, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto shown = PopUp(c.value);
        ASSERT_EQ(shown.has_value(), c.menu.has_value()) << c.value;
        if (shown) {
            EXPECT_EQ(Shown(*shown), Shown(*c.menu)) << c.value;
        }
    }
    EXPECT_FALSE(peaks->PopupRecordMenu(&list, list.RowCount()));
    EXPECT_FALSE(peaks->PopupRecordMenu(nullptr, 0));
    EXPECT_TRUE(menu.delivered.isEmpty());
}

TEST_F(RecordMenuTest, ChosenEntryReachesTheOwnerAndTheOutsideFilesAreReadAtEachMenu)
{
    menu.choice = 2101;
    ASSERT_TRUE(PopUp(kRich));
    EXPECT_EQ(menu.delivered, QList<int>{2101});

    // Without the pages and the companions' folder only nothing is left to show.
    for (const char* gone : {"data/walk2.htm", "data/guide2.htm", "data/山友/岫禾圖集.txt",
                             "data/山友/阿明.txt", "data/山友/小華.txt"})
        ASSERT_TRUE(QFile::remove(InProgram(gone))) << gone;
    platform::ClearProfileCache();
    EXPECT_FALSE(PopUp(kRich));
    EXPECT_TRUE(peaks->HasRecordLinks(&list, Row(kRich)));
    EXPECT_TRUE(Open(kRich, 2001).targets.isEmpty());
    EXPECT_TRUE(Open(kRich, 2300).targets.isEmpty());
}

TEST_F(RecordMenuTest, RowsWithRecords)
{
    const std::pair<quint32, bool> cases[] = {
        {kRich, true},     {kRichSecond, true}, {kGuan, true},     {kGuanThird, true},
        {kPlain, false},   {kStoneRow, false},  {kNothing, false},
    };
    for (const auto& [value, links] : cases)
        EXPECT_EQ(peaks->HasRecordLinks(&list, Row(value)), links) << value;
    EXPECT_FALSE(peaks->HasRecordLinks(&list, -1));
    EXPECT_FALSE(peaks->HasRecordLinks(&list, list.RowCount()));
    EXPECT_FALSE(peaks->HasRecordLinks(nullptr, 0));
}

TEST_F(RecordMenuTest, EachCommandOpensTheLinkOfItsEntry)
{
    struct Case {
        quint32 value;
        int id;
        bool result;
        QString target;  // empty: nothing opened
    };
    const QString none;
    const Case cases[] = {
        // Walks: relative report links under [Template] OnlineDir.
        {kRich, 2000, true, none},  // walk 12: no row
        {kRich, 2001, true, "http://walks.example.org/report/w7.htm"},
        {kRichSecond, 2001, true, "http://walks.example.org/report/w7.htm"},
        {kRich, 2002, false, none},  // past the two visits
        {kGuan, 2000, true, none},   // walk 2500
        {kGuan, 2001, true, none},   // walk 3 has no link
        // BlueSky: a relative link lies in the program folder.
        {kRich, 2100, true, none},
        {kRich, 2101, true, InProgram("atlas/28-045.htm")},
        {kRich, 2102, true, none},   // a 岫禾 code
        {kRich, 2105, false, none},  // past the five codes
        // 岫禾圖集.
        {kRich, 2200, true, none},   // a BlueSky code
        {kRich, 2202, true, "https://quill.example.tw/28-005"},
        {kRich, 2203, true, none},
        {kRich, 2204, true, InProgram("quill/3-101.htm")},
        {kRich, 2205, true, none},
        {kRich, 2230, true, none},
        {kRich, 2299, true, none},
        // Companions.
        {kRich, 2300, true, "http://example.org/m/1"},
        {kRich, 2301, true, none},  // no trip on that day
        {kRich, 2302, true, "http://example.org/m/2"},
        {kRich, 2303, true, InProgram("trips/嘉明湖.htm")},
        {kGuanThird, 2300, true, InProgram("trips/嘉明湖.htm")},
        {kRich, 2304, true, none},
        {kRich, 2399, true, none},
        // No record command.
        {kRich, 1999, false, none},
        {kRich, 2400, false, none},
        {kRich, -2001, false, none},
        {kPlain, 2000, false, none},
        {kPlain, 2300, true, none},
        {kStoneRow, 2001, false, none},
        {kNothing, 2001, false, none},
    };
    for (const Case& c : cases) {
        const Opened opened = Open(c.value, c.id);
        EXPECT_EQ(opened.result, c.result) << c.value << " " << c.id;
        EXPECT_EQ(opened.targets, c.target.isEmpty() ? QStringList() : QStringList{c.target})
            << c.value << " " << c.id;
    }
}

TEST_F(RecordMenuTest, WalkLinksTakeTheOnlineFolderOrLieInTheProgramFolder)
{
    const std::pair<const char*, QString> cases[] = {
        {"http://walks.example.org/report/", "http://walks.example.org/report/w7.htm"},
        {"online\\walks\\", InProgram("online/walks/w7.htm")},
        {"", InProgram("w7.htm")},
        {"/srv/walks/", "/srv/walks/w7.htm"},
    };
    for (const auto& [onlineDir, target] : cases) {
        ASSERT_TRUE(platform::WriteProfileString(MainSettingsPath(), QStringLiteral("Template"),
                                                 QStringLiteral("OnlineDir"), QString::fromUtf8(onlineDir)));
        EXPECT_EQ(Open(kRich, 2001).targets, QStringList{target}) << onlineDir;
    }
}

TEST_F(RecordMenuTest, CodesThatNameNothingAreCheckedBeforeUse)
{
    // A record as an item cache may hold it: walk numbers outside the walk page's range,
    // companions beyond the table, a code whose trip date does not parse (year 8), atlas codes
    // of no atlas; a good code of each kind stands after them.
    TalvaneItemRecord* r = Editable(int(kPlain));
    ASSERT_NE(r, nullptr);
    const std::vector<int32_t> visits = {INT_MAX, 2000, -7, 9};
    const std::vector<int32_t> atlas = {INT_MIN, -1045, INT_MAX, 27955};
    const std::vector<int32_t> mates = {31080503, 80000, -5, 150000000, 1080503};
    std::copy(visits.begin(), visits.end(), r->Visits);
    std::copy(atlas.begin(), atlas.end(), r->AtlasRefs);
    std::copy(mates.begin(), mates.end(), r->MateVisits);

    const auto shown = PopUp(kPlain);
    ASSERT_TRUE(shown);
    EXPECT_EQ(Shown(*shown), Shown(Entries({{2003, "行旅客9: 嘉明湖 [2020/07/01]"},
                                             {2103, "藍天圖集(二十八045)北大武山 & 南段"},
                                             {2304, "阿明: 北大武山 [108/05/03]"}})));
    for (int id : {2000, 2001, 2002, 2100, 2101, 2102, 2200, 2201, 2202, 2203, 2300, 2301, 2302, 2303})
        EXPECT_TRUE(Open(kPlain, id).targets.isEmpty()) << id;
    EXPECT_EQ(Open(kPlain, 2003).targets, QStringList{"http://blog.example.tw/w9.htm"});
    EXPECT_EQ(Open(kPlain, 2103).targets, QStringList{InProgram("atlas/28-045.htm")});
    EXPECT_EQ(Open(kPlain, 2304).targets, QStringList{"http://example.org/m/1"});
}

TEST_F(RecordMenuTest, StoneRowsHaveNoRecordsButTheirItemFile)
{
    EXPECT_FALSE(PopUp(kStoneRow));
    EXPECT_FALSE(peaks->HasRecordLinks(&list, Row(kStoneRow)));
    EXPECT_FALSE(Open(kStoneRow, 2000).result);
    EXPECT_TRUE(peaks->EditItemFile(&list, Row(kStoneRow)));
    EXPECT_EQ(shell.edited, QStringList{InProgram("data/基石/三角點.txt")});
}

TEST_F(RecordMenuTest, ItemFileOpensInTheEditorOrElseWithItsHandler)
{
    class NoEditor : public FakeShell {
    public:
        bool Edit(const QString& path) override
        {
            edited << path;
            return false;
        }
    };
    const QString rich = InProgram("data/山/a_北大武山.txt");
    const QString guan = InProgram("data/山/c_關山.txt");

    EXPECT_TRUE(peaks->EditItemFile(&list, Row(kRich)));
    EXPECT_TRUE(peaks->EditItemFile(&list, Row(kGuanThird)));
    EXPECT_EQ(shell.edited, QStringList({rich, guan}));
    EXPECT_TRUE(shell.opened.isEmpty());

    NoEditor noEditor;
    table.SetServices(WindowServices{.shell = &noEditor});
    EXPECT_TRUE(peaks->EditItemFile(&list, Row(kRichSecond)));
    EXPECT_EQ(noEditor.edited, QStringList{rich});
    EXPECT_EQ(noEditor.opened, QStringList{rich});

    EXPECT_FALSE(peaks->EditItemFile(&list, Row(kNothing)));
    EXPECT_FALSE(peaks->EditItemFile(&list, list.RowCount()));
    table.SetServices(WindowServices{});
    EXPECT_TRUE(peaks->EditItemFile(&list, Row(kRich)));
    EXPECT_TRUE(peaks->PopupRecordMenu(&list, Row(kRich)));
    EXPECT_TRUE(peaks->OpenRecordLink(&list, Row(kRich), 2001));
}
