// The group table on temporary program folders: settings, the group list with cached counts,
// the group factory and the survey-stone levels.
#include "catalog/GroupTable.h"

#include "FakeListBox.h"
#include "FakeMessageBox.h"
#include "FakeStatusText.h"
#include "TempDir.h"
#include "TestGroups.h"
#include "catalog/records/PlantItemRecord.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/StoneItemRecord.h"
#include "catalog/records/TrailItemRecord.h"
#include "catalog/records/WaterfallItemRecord.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>

namespace {

// An INI text as the owner's Windows machine writes it: UTF-16LE, byte-order mark, CR LF.
QByteArray Ini(const QStringList& lines)
{
    return Utf16LeWithBom(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

class GroupTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
    }
    void WriteSettings(const QStringList& lines)
    {
        dir.write(QStringLiteral("峰嵐錄.txt"), Ini(lines));
        platform::ClearProfileCache();
    }
    // An item file of the data folder's group folder.
    void WriteItem(const QString& folder, const QString& name, const QString& section,
                   const QString& body)
    {
        dir.write(QStringLiteral("data/") + folder + QLatin1Char('/') + name,
                  Ini({QLatin1Char('[') + section + QLatin1Char(']'), body}));
    }

    TempDir dir;
    CGroupTable table;
};

TEST_F(GroupTableTest, ReadsAtMostThreeGroupsUpToTheFirstEmptyName)
{
    WriteSettings({"[DataGroup]", "BaseFolder=data", "Group1=山", "Group2=基石", "Group3=古道",
                   "Group4=瀑布"});
    ASSERT_TRUE(table.LoadSettings());
    EXPECT_EQ(table.GroupCount(), 3);
    EXPECT_EQ(table.FolderName(2), "古道");
    EXPECT_EQ(DataFolder(), platform::JoinPath(dir.path(), QStringLiteral("data")));
    EXPECT_EQ(MainSettingsPath(), dir.file(QStringLiteral("峰嵐錄.txt")));
    EXPECT_EQ(LocalSettingsPath(), dir.file(QStringLiteral("Local.txt")));

    WriteSettings({"[DataGroup]", "Group1=山", "Group2=", "Group3=古道"});
    ASSERT_TRUE(table.LoadSettings());
    EXPECT_EQ(table.GroupCount(), 1);
    EXPECT_EQ(DataFolder(), dir.path()) << "no BaseFolder: the program folder";
}

TEST_F(GroupTableTest, MissingSettingsGiveAnEmptyGroupList)
{
    ASSERT_TRUE(table.LoadSettings());
    EXPECT_EQ(table.GroupCount(), 0);
    FakeListBox list;
    list.AddString(QStringLiteral("old"));
    EXPECT_TRUE(table.FillGroupList(&list, 0));
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(table.GetGroup(0, nullptr), nullptr);
    EXPECT_FALSE(table.FillGroupList(nullptr, 0));
}

TEST_F(GroupTableTest, GroupListShowsCachedCountsAboveZeroAndSelectsTheSavedEntry)
{
    WriteSettings({"[DataGroup]", "BaseFolder=data", "Group1=山", "Group2=基石", "Group3=古道%1"});
    // Counts are read under the folder name; a Big5 file as an older Windows tool left it.
    dir.write(QStringLiteral("data/Cache.txt"),
              Big5(QStringLiteral("[山]\r\nNumOfItems=12\r\n[基石]\r\nNumOfItems=-3\r\n[古道%1]\r\nNumOfItems=7\r\n")));
    table.LoadSettings();
    FakeListBox list;
    ASSERT_TRUE(table.FillGroupList(&list, 2));
    EXPECT_EQ(list.texts, QStringList({"山 (12)", "基石", "古道%1 (7)"})) << "a '%' in a name is kept";
    EXPECT_EQ(list.selection, 2);

    table.FillGroupList(&list, 3);
    EXPECT_EQ(list.selection, 0) << "an out-of-range saved index selects the first entry";
    table.FillGroupList(&list, -1);
    EXPECT_EQ(list.selection, -1) << "a negative saved index selects nothing";
}

TEST_F(GroupTableTest, SetListEntryCountRewritesOnlyAChangedEntry)
{
    WriteSettings({"[DataGroup]", "Group1=山", "Group2=南橫 (東段)", "Group3=50%2"});
    table.LoadSettings();
    FakeListBox list;
    list.texts = {"山 (12)", "南橫 (東段)", "50%2"};
    list.data = {0, 0, 0};
    list.selection = 1;

    table.SetListEntryCount(&list, 0, 0);
    EXPECT_EQ(list.texts[0], "山");
    EXPECT_EQ(list.selection, 0) << "a rewritten entry is selected again";
    table.SetListEntryCount(&list, 0, 15);
    EXPECT_EQ(list.texts[0], "山 (15)");

    list.calls.clear();
    table.SetListEntryCount(&list, 0, 15);
    EXPECT_TRUE(list.calls.isEmpty()) << "an unchanged text is not rewritten";

    // A folder name holding " (" keeps it whole.
    table.SetListEntryCount(&list, 1, 7);
    EXPECT_EQ(list.texts[1], "南橫 (東段) (7)");
    table.SetListEntryCount(&list, 1, 0);
    EXPECT_EQ(list.texts[1], "南橫 (東段)");
    table.SetListEntryCount(&list, 2, 3);
    EXPECT_EQ(list.texts[2], "50%2 (3)");
}

TEST_F(GroupTableTest, ItemCountIsWrittenUnderFolderAndDisplayNameOnlyWhenChanged)
{
    WriteSettings({"[DataGroup]", "BaseFolder=data", "Group1=高山"});
    table.SetGroupClasses({{[] { return std::make_unique<TestGroup<TalvaneItemRecord>>("Talvane", "山"); }, 0}});
    table.LoadSettings();
    const QString cache = dir.write(QStringLiteral("data/Cache.txt"), Ini({"[高山]", "NumOfItems=4"}));
    ASSERT_NE(table.GetGroup(0, nullptr), nullptr);

    const QByteArray bytes = ReadBytes(cache);
    table.WriteItemCount(0, 4);
    platform::ClearProfileCache();
    EXPECT_EQ(platform::GetProfileInt(cache, QStringLiteral("山"), QStringLiteral("NumOfItems")), 4)
        << "also under the display name, which differs from the folder name";
    EXPECT_TRUE(ReadBytes(cache).startsWith(bytes)) << "the folder's unchanged count is left as it was";

    table.WriteItemCount(0, 9);
    platform::ClearProfileCache();
    EXPECT_EQ(table.CachedItemCount(0), 9);
    EXPECT_EQ(platform::GetProfileInt(cache, QStringLiteral("山"), QStringLiteral("NumOfItems")), 9);
    const QByteArray written = ReadBytes(cache);
    table.WriteItemCount(0, 9);
    EXPECT_EQ(ReadBytes(cache), written);
}

// --- the group factory ---------------------------------------------------------------------

class GroupFactoryTest : public GroupTableTest {
protected:
    void SetUp() override
    {
        GroupTableTest::SetUp();
        WriteSettings({"[DataGroup]", "BaseFolder=data", "Group1=山", "Group2=基石", "Group3=古道"});
        table.SetGroupClasses({
            Entry<TalvaneItemRecord>("Talvane", "山", 0),
            Entry<StoneItemRecord>("Stone", "基石", 1, "Stone"),
            Entry<TrailItemRecord>("Trail", "步道", -1),
            Entry<TrailItemRecord>("OldTrail", "古道", 2),
            Entry<WaterfallItemRecord>("Waterfall", "瀑布", -1),
            Entry<PlantItemRecord>("Plant", "植物", -1),
        });
        table.LoadSettings();
    }

    template <class Record>
    GroupClassEntry Entry(const char* key, const char* display, int fallback, const char* required = "")
    {
        return {[this, key, display, required] {
                    tried << QString::fromUtf8(key);
                    return std::make_unique<TestGroup<Record>>(QString::fromUtf8(key), QString::fromUtf8(display),
                                                               QString::fromUtf8(required));
                },
                fallback};
    }

    QStringList tried;
};

TEST_F(GroupFactoryTest, ClassesAreTriedInOrderAndTheFirstFileDecides)
{
    // The first file by name decides: a waterfall; the second (a peak) is then loaded as far as
    // the waterfall class accepts it.
    WriteItem("基石", "A.txt", "Waterfall", "Name=十分瀑布");
    WriteItem("基石", "b.txt", "Talvane", "Name=玉山");
    WriteItem("基石", "C.txt", "Waterfall", "Name=銀河洞瀑布");
    CGroupBase* g = table.GetGroup(1, nullptr);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->Key(), "Waterfall");
    EXPECT_EQ(tried, QStringList({"Talvane", "Stone", "Trail", "OldTrail", "Waterfall"}));
    EXPECT_EQ(g->ItemCount(), 2);
    EXPECT_EQ(g->ItemPath(0), dir.file(QStringLiteral("data/基石/A.txt")));
    EXPECT_EQ(g->ItemPath(1), dir.file(QStringLiteral("data/基石/C.txt")));
    EXPECT_EQ(static_cast<TestGroup<WaterfallItemRecord>*>(g)->onLoadedCalls, 1);
    EXPECT_EQ(g->Table(), &table);
    EXPECT_EQ(g->Folder(), dir.file(QStringLiteral("data/基石")));
    EXPECT_EQ(g->SettingsFile(), MainSettingsPath());

    tried.clear();
    EXPECT_EQ(table.GetGroup(1, nullptr), g) << "a built group is returned as it is";
    EXPECT_TRUE(tried.isEmpty());
}

TEST_F(GroupFactoryTest, AStoneFolderIsRecognisedByItsStoneNumberAlone)
{
    WriteItem("基石", "1.txt", "Stone", "Stone=一等1234\r\nHeight=3952");
    CGroupBase* g = table.GetGroup(1, nullptr);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->Key(), "Stone");
}

TEST_F(GroupFactoryTest, AFolderThatNoClassAcceptsGivesNoGroup)
{
    WriteItem("山", "x.txt", "Unknown", "Name=某處");
    WriteItem("古道", "y.txt", "Talvane", "Name=");
    EXPECT_EQ(table.GetGroup(0, nullptr), nullptr);
    EXPECT_EQ(table.GetGroup(2, nullptr), nullptr) << "an empty Name accepts nothing";
    EXPECT_EQ(tried.size(), 12);
    // A first file that is no text at all (a stray binary, cut UTF-16) names no section either.
    QByteArray junk = Utf16LeWithBom(QStringLiteral("[Talvane]\r\nName=玉")).left(21);
    for (int i = 0; i < 4096; ++i)
        junk.append(char((i * 7919) & 0xFF));
    dir.write(QStringLiteral("data/基石/0.txt"), junk);
    EXPECT_EQ(table.GetGroup(1, nullptr), nullptr);
    EXPECT_EQ(table.GetGroup(-1, nullptr), nullptr);
    EXPECT_EQ(table.GetGroup(3, nullptr), nullptr);
}

TEST_F(GroupFactoryTest, AFolderWithoutItemFilesGivesTheGroupOfItsPosition)
{
    CGroupBase* stones = table.GetGroup(1, nullptr);
    ASSERT_NE(stones, nullptr);
    EXPECT_EQ(stones->Key(), "Stone");
    EXPECT_EQ(stones->ItemCount(), 0);
    EXPECT_TRUE(stones->CacheTried());
    CGroupBase* trails = table.GetGroup(2, nullptr);
    ASSERT_NE(trails, nullptr);
    EXPECT_EQ(trails->Key(), "OldTrail");
    EXPECT_EQ(tried, QStringList({"Stone", "OldTrail"})) << "only the class of the position is built";

    // Entry 0 fills from its item cache.
    QByteArray cache(2 * (TalvaneItemRecord::kSize + 32), '\0');
    for (int i = 0; i < 2; ++i) {
        TalvaneItemRecord r{};
        SetFieldText(r.Name, i == 0 ? QStringLiteral("玉山") : QStringLiteral("雪山"));
        std::memcpy(cache.data() + i * TalvaneItemRecord::kSize, &r, sizeof r);
    }
    dir.write(QStringLiteral("data/~~Talvane.bin"), cache);
    CGroupBase* peaks = table.GetGroup(0, nullptr);
    ASSERT_NE(peaks, nullptr);
    ASSERT_EQ(peaks->ItemCount(), 2);
    EXPECT_EQ(FieldText(peaks->ItemAs<TalvaneItemRecord>(1)->Name), "雪山");
}

TEST_F(GroupFactoryTest, ProgressCountsEveryFileAndEndsWithTheTotal)
{
    for (int i = 0; i < 5; ++i)
        WriteItem("山", QStringLiteral("%1.txt").arg(i), "Talvane", i == 3 ? "Height=1" : "Name=山" + QString::number(i));
    FakeStatusText status;
    CGroupBase* g = table.GetGroup(0, &status);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->ItemCount(), 4) << "a refused file is not kept";
    ASSERT_FALSE(status.shown.isEmpty());
    EXPECT_EQ(status.shown.last(), "5...") << "refused files are counted too";
    EXPECT_EQ(table.StatusWindow(), &status);
}

TEST_F(GroupFactoryTest, ItemFilesWithPathsTooLongForARecordAreRefusedAndReported)
{
    FakeMessageBox messages;
    WindowServices services;
    services.messageBox = &messages;
    table.SetServices(services);
    WriteItem("山", "0.txt", "Talvane", "Name=短");
    const int room = 259 - int(dir.file(QStringLiteral("data/山/")).size()) - 4;
    const QString fits = QString(room, QLatin1Char('f'));
    WriteItem("山", fits + ".txt", "Talvane", "Name=剛好");
    WriteItem("山", fits + "x.txt", "Talvane", "Name=太長");
    CGroupBase* g = table.GetGroup(0, nullptr);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->ItemCount(), 2);
    EXPECT_EQ(g->ItemPath(1).size(), 259);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(fits + "x.txt"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Exclamation);
}

// --- survey-stone levels -------------------------------------------------------------------

class StoneLevelTest : public GroupTableTest {
protected:
    void SetUp() override
    {
        GroupTableTest::SetUp();
        WriteSettings({"[StoneLevel]", "Level1=一等,二等", "Level2=三等,,森林", "Level3=", "Level4=圖根"});
        table.LoadSettings();
    }
    int Level(const QString& text, int* word = nullptr, int* number = nullptr)
    {
        int w = -1, n = -1;
        const int level = table.GetStoneLevel(text, &w, &n);
        if (word)
            *word = w;
        if (number)
            *number = n;
        return level;
    }
};

TEST_F(StoneLevelTest, WordPositionAndNumberOfAStoneText)
{
    int word = 0, number = 0;
    EXPECT_EQ(Level("二等123", &word, &number), 1);
    EXPECT_EQ(word, 2);
    EXPECT_EQ(number, 123);
    EXPECT_EQ(Level("二等", &word, &number), 1);
    EXPECT_EQ(word, 2);
    EXPECT_EQ(number, 0);
    // Letters after the word (CJK ones too) are skipped before the number.
    EXPECT_EQ(Level("一等三角點6581", &word, &number), 1);
    EXPECT_EQ(word, 1);
    EXPECT_EQ(number, 6581);
    EXPECT_EQ(Level("三等補點 -12", &word, &number), 2);
    EXPECT_EQ(number, -12);
    EXPECT_EQ(Level("森林x", &word, &number), 2);
    EXPECT_EQ(word, 2) << "the empty word between the commas is skipped";
    EXPECT_EQ(number, 0);
    EXPECT_EQ(Level("一等99999999999", &word, &number), 1);
    EXPECT_EQ(number, INT_MAX) << "a long digit run saturates";
    EXPECT_EQ(table.LevelCount(), 2) << "an empty level ends the list";
}

TEST_F(StoneLevelTest, TextsThatNoWordBegins)
{
    int word = 5, number = 5;
    EXPECT_EQ(Level("無", &word, &number), 11);
    EXPECT_EQ(word, 0);
    EXPECT_EQ(number, 0);
    EXPECT_EQ(Level(""), 10);
    EXPECT_EQ(Level("無名"), 10);
    EXPECT_EQ(Level("圖根5"), 10) << "a level after an empty one is not read";
    EXPECT_EQ(Level("一"), 10) << "a text shorter than the word";
}

TEST_F(StoneLevelTest, WordsByPositionAndByName)
{
    QString word;
    EXPECT_TRUE(table.MatchStoneLevel(1, 1, &word));
    EXPECT_EQ(word, "森林");
    EXPECT_FALSE(table.MatchStoneLevel(1, 2, &word));
    EXPECT_FALSE(table.MatchStoneLevel(2, 0, &word));
    EXPECT_FALSE(table.MatchStoneLevel(-1, 0, &word));

    int number = 0;
    EXPECT_TRUE(table.ParseStoneName("三等7", &word, &number));
    EXPECT_EQ(word, "三等");
    EXPECT_EQ(number, 7);
    EXPECT_FALSE(table.ParseStoneName("無", &word, &number));
    EXPECT_TRUE(word.isEmpty());
}

TEST_F(StoneLevelTest, OnlyTheFirst32WordsOfALevelAreUsed)
{
    QStringList words;
    for (int i = 1; i <= 40; ++i)
        words << QStringLiteral("W%1x").arg(i);
    WriteSettings({"[StoneLevel]", "Level1=" + words.join(',')});
    table.LoadSettings();
    QString word;
    EXPECT_TRUE(table.MatchStoneLevel(0, 31, &word));
    EXPECT_EQ(word, "W32x");
    EXPECT_FALSE(table.MatchStoneLevel(0, 32, &word));
    EXPECT_EQ(Level("W33x1"), 10);
}

} // namespace
