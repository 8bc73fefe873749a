// The bundled sample catalog read through the group table: settings, cached counts that agree
// with the folders, and every item file loadable by the class its folder gets.
#include "catalog/GroupTable.h"

#include "FakeListBox.h"
#include "TempDir.h"
#include "TestGroups.h"
#include "TestPeakGroup.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/StoneItemRecord.h"
#include "catalog/records/TrailItemRecord.h"
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
        platform::SetProgramFolder(dir.copyTree(QStringLiteral(TALVANE_SAMPLE_DIR), QStringLiteral("bin")));
        table.SetGroupClasses({
            {[] { return std::make_unique<TestPeakGroup>(); }, 0},
            {[] { return std::make_unique<TestGroup<StoneItemRecord>>("Stone", "基石", "Stone"); }, 1},
            {[] { return std::make_unique<TestGroup<TrailItemRecord>>("OldTrail", "古道"); }, 2},
        });
        ASSERT_TRUE(table.LoadSettings());
    }

    TempDir dir;
    CGroupTable table;
};

TEST_F(SampleCatalogTest, GroupListCountsAgreeWithTheFolders)
{
    ASSERT_EQ(table.GroupCount(), 3);
    EXPECT_EQ(DataFolder(), platform::JoinPath(platform::ProgramFolder(), QStringLiteral("data")));
    FakeListBox list;
    ASSERT_TRUE(table.FillGroupList(&list, 0));
    EXPECT_EQ(list.texts, QStringList({"山 (12)", "基石 (5)", "古道 (4)"}));
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
    // The Big5 peak file reads like the UTF-16 ones.
    auto* peaks = static_cast<TestPeakGroup*>(table.GetGroup(0, nullptr));
    QStringList names;
    for (int i = 0; i < peaks->ItemCount(); ++i)
        names << FieldText(peaks->Record(i)->Name);
    ASSERT_TRUE(names.contains("七星山"));
    const TalvaneItemRecord* cising = peaks->Record(int(names.indexOf("七星山")));
    EXPECT_EQ(cising->Height, 1120);
    EXPECT_EQ(FieldText(cising->Region), "台北市");
    EXPECT_EQ(cising->Visits[0], 177);
    const TalvaneItemRecord* yushan = peaks->Record(int(names.indexOf("玉山")));
    EXPECT_EQ(yushan->AtlasRefs[0], 14955);
    EXPECT_EQ(yushan->AtlasRefs[1], 112000 - 31);
    EXPECT_DOUBLE_EQ(yushan->Longitude, 120.9595);

    int word = 0, number = 0;
    EXPECT_EQ(table.GetStoneLevel(FieldText(cising->Stone), &word, &number), 2);
    EXPECT_EQ(word, 2);
    EXPECT_EQ(number, 1130);
    EXPECT_EQ(table.GetStoneLevel(FieldText(yushan->Stone), &word, &number), 1);
}

} // namespace
