// The bundled sample catalog read through the group table: settings, cached counts that agree
// with the folders, and every item file loadable by the class its folder gets.
#include "catalog/GroupTable.h"

#include "FakeItemList.h"
#include "FakeListBox.h"
#include "TempDir.h"
#include "TestGroups.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/StoneItemRecord.h"
#include "catalog/records/TrailItemRecord.h"
#include "catalog/subsets/SubsetBase.h"
#include "catalog/subsets/regions/DisplayNameConversions.h"
#include "catalog/text/TextParsers.h"
#include "platform/DirList.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>

namespace {

class SampleCatalogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        DisplayNameConversions::Program().Reset();
        platform::SetProgramFolder(dir.copyTree(QStringLiteral(TALVANE_SAMPLE_DIR), QStringLiteral("bin")));
        table.SetGroupClasses({
            {[] { return std::make_unique<CGroupTalvane>(); }, 0},
            {[] { return std::make_unique<TestGroup<StoneItemRecord>>("Stone", "基石", "Stone"); }, 1},
            {[] { return std::make_unique<TestGroup<TrailItemRecord>>("OldTrail", "古道"); }, 2},
        });
        ASSERT_TRUE(table.LoadSettings());
    }
    // The sample's display-name conversions are not left to the tests after it.
    void TearDown() override { DisplayNameConversions::Program().Reset(); }

    TempDir dir;
    CGroupTable table;
};

TEST_F(SampleCatalogTest, GroupListCountsAgreeWithTheFolders)
{
    ASSERT_EQ(table.GroupCount(), 3);
    EXPECT_EQ(DataFolder(), platform::JoinPath(platform::ProgramFolder(), QStringLiteral("data")));
    FakeListBox list;
    ASSERT_TRUE(table.FillGroupList(&list, 0));
    EXPECT_EQ(list.texts, QStringList({"山 (38)", "基石 (5)", "古道 (4)"}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(platform::FindFiles(table.GroupFolder(i), QStringLiteral("*.txt")).size(),
                  table.CachedItemCount(i))
            << table.FolderName(i).toStdString();
    EXPECT_EQ(table.LevelCount(), 5);
}

TEST_F(SampleCatalogTest, EveryItemFileLoadsIntoTheGroupOfItsFolder)
{
    const QStringList keys = {"Talvane", "Stone", "OldTrail"};
    for (int i = 0; i < 3; ++i) {
        CGroupBase* g = table.GetGroup(i, nullptr);
        ASSERT_NE(g, nullptr) << i;
        EXPECT_EQ(g->Key(), keys[i]);
        EXPECT_EQ(g->ItemCount(), table.CachedItemCount(i)) << keys[i].toStdString();
    }
    // The Big5 peak files read like the UTF-16 ones.
    auto* peaks = static_cast<CGroupTalvane*>(table.GetGroup(0, nullptr));
    QStringList names;
    int visited = 0;
    for (int i = 0; i < peaks->ItemCount(); ++i) {
        const TalvaneItemRecord* r = peaks->Record(i);
        names << FieldText(r->Name);
        visited += r->Visits[0] != 0;
        // Every peak lies in Taiwan.
        EXPECT_GT(r->Height, 0) << names.back().toStdString();
        EXPECT_TRUE(r->Attitude > 21.8 && r->Attitude < 25.4) << names.back().toStdString();
        EXPECT_TRUE(r->Longitude > 120.0 && r->Longitude < 122.1) << names.back().toStdString();
    }
    EXPECT_EQ(visited, 31);
    ASSERT_TRUE(names.contains("七星山"));
    const TalvaneItemRecord* cising = peaks->Record(int(names.indexOf("七星山")));
    EXPECT_EQ(cising->Height, 1120);
    EXPECT_EQ(FieldText(cising->Region), "台北市");
    EXPECT_EQ(cising->Visits[0], 177);
    EXPECT_EQ(cising->Visits[4], 2);
    const TalvaneItemRecord* yushan = peaks->Record(int(names.indexOf("玉山")));
    EXPECT_EQ(yushan->AtlasRefs[0], 14955);
    EXPECT_EQ(yushan->AtlasRefs[1], 112000 - 31);
    EXPECT_DOUBLE_EQ(yushan->Longitude, 120.9572);
    EXPECT_DOUBLE_EQ(yushan->Attitude, 23.47);
    const TalvaneItemRecord* dabajian = peaks->Record(int(names.indexOf("大霸尖山")));
    EXPECT_EQ(dabajian->AtlasRefs[0], 4000 - 5);
    EXPECT_EQ(dabajian->AtlasRefs[1], 103000 - 19);
    EXPECT_EQ(dabajian->AtlasRefs[2], 103000 - 20);

    int word = 0, number = 0;
    EXPECT_EQ(table.GetStoneLevel(FieldText(cising->Stone), &word, &number), 1);
    EXPECT_EQ(word, 1);
    EXPECT_EQ(number, 0);
    const TalvaneItemRecord* guanyin = peaks->Record(int(names.indexOf("觀音山")));
    EXPECT_EQ(table.GetStoneLevel(FieldText(guanyin->Stone), &word, &number), 2);
    EXPECT_EQ(word, 2);
    EXPECT_EQ(number, 1069);
}

TEST_F(SampleCatalogTest, CompanionsAndTheirVisitsInThePeakFiles)
{
    // [HikingMate] names each companion's file in the 山友 folder; the peak files record a
    // companion's visits under its KeyTitle (else its Title) numbered from 1, without gaps,
    // each a date of a form companions write.
    const struct {
        const char* title;
        const char* keyTitle;
        int visits;
    } mates[] = {{"阿凱的登山紀錄", "阿凱", 14},
                 {"山羊&小鹿%d隊", "山羊", 9},
                 {"Wendy", "Wendy", 9}};
    const QList<platform::DirEntry> peakFiles = platform::FindFiles(table.GroupFolder(0), QStringLiteral("*.txt"));
    int n = 0;
    for (const auto& mate : mates) {
        ++n;
        const QString file = platform::GetProfileString(MainSettingsPath(), "HikingMate", QString("Mate%1").arg(n));
        const QString path = platform::JoinPath(DataFolder(), QStringLiteral("山友"), file);
        const QString title = platform::GetProfileString(path, "Hiking", "Title");
        EXPECT_EQ(title, QString::fromUtf8(mate.title));
        const QString keyTitle = platform::GetProfileString(path, "Hiking", "KeyTitle", title);
        EXPECT_EQ(keyTitle, QString::fromUtf8(mate.keyTitle));
        int visits = 0;
        for (const platform::DirEntry& peak : peakFiles) {
            int k = 1;
            for (;; ++k) {
                const QString date = platform::GetProfileString(peak.path, "Talvane", keyTitle + QString::number(k));
                if (date.isEmpty())
                    break;
                int year = 0, month = 0, day = 0;
                EXPECT_TRUE(ParseDateText(date, &year, &month, &day)) << peak.name.toStdString() << " " << date.toStdString();
                ++visits;
            }
            EXPECT_TRUE(platform::GetProfileString(peak.path, "Talvane", keyTitle + QString::number(k + 1)).isEmpty())
                << peak.name.toStdString();
        }
        EXPECT_EQ(visits, mate.visits) << file.toStdString();
    }
    EXPECT_TRUE(platform::GetProfileString(MainSettingsPath(), "HikingMate", "Mate4").isEmpty());

    auto* peaks = static_cast<CGroupTalvane*>(table.GetGroup(0, nullptr));
    ASSERT_NE(peaks, nullptr);
    ASSERT_EQ(peaks->MateCount(), 3);
    for (int m = 0; m < 3; ++m)
        EXPECT_EQ(peaks->Mate(m)->title, QString::fromUtf8(mates[m].title)) << m;
    EXPECT_EQ(peaks->Mate(1)->menuText, QString::fromUtf8("山羊&&小鹿%d隊"));
    int wendy = 0;
    for (int i = 0; i < peaks->ItemCount(); ++i)
        wendy += peaks->CountMateVisitsOf(i, 2);
    EXPECT_EQ(wendy, 9);
}

// Every title and region subset of the peak group lists as many peaks as the sample's script,
// counting from its own peak data, wrote to Cache.txt; and each count there names a subset.
TEST_F(SampleCatalogTest, TitleAndRegionSubsetsFillTheCachedCounts)
{
    CGroupBase* peaks = table.GetGroup(0, nullptr);
    ASSERT_NE(peaks, nullptr);
    QStringList listed;
    for (int i = 0; i < peaks->SubsetCount(); ++i) {
        CSubsetBase* subset = peaks->Subset(i);
        const int type = subset->TypeCode();
        if (type != CSubsetBase::kTypeTitle && type != CSubsetBase::kTypeRegion
            && type != CSubsetBase::kTypeRegionSet)
            continue;
        FakeItemList list;
        SubsetStatistics statistics;
        const int rows = subset->FillList(&list, &statistics, nullptr);
        const int cached = platform::GetProfileInt(CacheFilePath(), "Talvane", subset->DisplayName(), 0);
        EXPECT_EQ(rows, cached) << subset->DisplayName().toStdString();
        if (cached > 0)
            listed << subset->DisplayName();
    }
    QStringList keys = platform::GetProfileKeys(CacheFilePath(), "Talvane");
    EXPECT_EQ(keys, listed);
    EXPECT_GE(listed.size(), 20);
}

} // namespace
