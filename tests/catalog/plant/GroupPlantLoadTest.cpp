// The plant group's loading on plant files as a Windows machine saved them (UTF-16LE with BOM
// and CP950, written by tests/data/plants/make_fixtures.py), its item cache ~~Plant.bin, and
// the group factory's choice of a plant folder.
#include "PlantTestSupport.h"

#include "ItemCacheBytes.h"
#include "catalog/records/RecordText.h"

#include <cstring>

namespace {

QStringList Texts(const PlantItemRecord& r)
{
    return {FieldText(r.path), FieldText(r.Name), FieldText(r.Name2), FieldText(r.Class)};
}

class PlantLoadTest : public ::testing::TestWithParam<const char*> {
protected:
    PlantLoadTest() : folder(QStringLiteral("utf16le"), QString::fromLatin1(GetParam())) {}

    const PlantItemRecord* Load(const QString& name)
    {
        const int before = folder.group.ItemCount();
        folder.group.LoadItemFile(folder.Copy(name), platform::FileTime{1});
        return folder.group.ItemCount() > before ? folder.group.Record(before) : nullptr;
    }
    QString Path(const QString& name) const { return folder.dir.file(QStringLiteral("植物/") + name); }

    PlantFolder folder;
};

INSTANTIATE_TEST_SUITE_P(Encodings, PlantLoadTest, ::testing::Values("utf16le", "cp950"));

TEST_P(PlantLoadTest, EveryFieldOfTheRecord)
{
    const PlantItemRecord* r = Load(QStringLiteral("full.txt"));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Texts(*r), QStringList({Path("full.txt"), "台灣一葉蘭", "一葉蘭", "蘭科"}));
    r = Load(QStringLiteral("plain.txt"));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Texts(*r), QStringList({Path("plain.txt"), "玉山杜鵑", "", "杜鵑花科"}));
}

TEST_P(PlantLoadTest, AFileWithoutANameIsNoItem)
{
    EXPECT_EQ(Load(QStringLiteral("no_name.txt")), nullptr);
    EXPECT_EQ(folder.group.ItemCount(), 0);
}

TEST_P(PlantLoadTest, LongValuesAreCutToTheirFieldsWithoutHarmToTheNextItem)
{
    const PlantItemRecord* r = Load(QStringLiteral("long.txt"));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Texts(*r), QStringList({Path("long.txt"), "甲乙丙丁戊己庚辛壬癸甲乙丙丁戊",
                                      "子丑寅卯辰巳午未申酉子丑寅卯辰巳午未申酉子丑寅卯辰巳午未申酉子",
                                      "東西南北中東西南北中東西南北中"}));
    r = Load(QStringLiteral("plain.txt"));
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Texts(*r), QStringList({Path("plain.txt"), "玉山杜鵑", "", "杜鵑花科"}));
}

// --- the item cache and the factory -----------------------------------------------------------

platform::FileTime At(qint64 seconds)
{
    return {seconds * platform::FileTime::kNsPerSecond};
}

class PlantCacheTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"full.txt", "long.txt", "plain.txt"})
            files << folder.Copy(QString::fromLatin1(name));
        CGroupPlant fromFiles;
        for (const QString& file : files)
            fromFiles.LoadItemFile(file, At(1000));
        ASSERT_EQ(fromFiles.ItemCount(), 3);
        for (int i = 0; i < 3; ++i)
            records << *fromFiles.Record(i);
        // The cache lists them in another order.
        const QString cache = folder.dir.write(
            QStringLiteral("~~Plant.bin"), CacheBytes<PlantItemRecord>({records[2], records[0], records[1]}));
        platform::SetFileWriteTime(cache, At(2000));
        // A changed file shows whether a record came from the cache or from the file.
        platform::WriteProfileString(files[0], QStringLiteral("Plant"), QStringLiteral("Name"),
                                     QStringLiteral("改過"));
    }

    PlantFolder folder;
    QStringList files;
    QList<PlantItemRecord> records;
};

TEST_F(PlantCacheTest, FilesOlderThanTheCacheComeFromItByteForByte)
{
    CGroupPlant group;
    for (const QString& file : files)
        EXPECT_TRUE(group.LoadItemFile(file, At(1000)));
    ASSERT_EQ(group.ItemCount(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Texts(*group.Record(i)), Texts(records[i]));
        EXPECT_EQ(std::memcmp(group.Record(i), &records[i], sizeof(PlantItemRecord)), 0);
    }
}

TEST_F(PlantCacheTest, AFileNewerThanTheCacheIsReadAndItsEntryStaysUntaken)
{
    CGroupPlant group;
    EXPECT_TRUE(group.LoadItemFile(files[0], At(3000)));
    ASSERT_EQ(group.ItemCount(), 1);
    EXPECT_EQ(FieldText(group.Record(0)->Name), "改過");
    // The entry of that path was not used: the cache's record still answers an older file.
    EXPECT_TRUE(group.LoadItemFile(files[0], At(1000)));
    ASSERT_EQ(group.ItemCount(), 2);
    EXPECT_EQ(FieldText(group.Record(1)->Name), "台灣一葉蘭");
}

TEST_F(PlantCacheTest, AnUnterminatedCachedRecordIsMadeSafe)
{
    PlantItemRecord bad;
    std::memset(&bad, 0x41, sizeof bad);  // no 0 anywhere
    const QString cache = folder.dir.write(QStringLiteral("~~Plant.bin"), CacheBytes<PlantItemRecord>({bad}));
    platform::SetFileWriteTime(cache, At(2000));
    CGroupPlant group;
    ASSERT_TRUE(group.TakeCachedItem(0));
    EXPECT_FALSE(group.TakeCachedItem(1));
    EXPECT_EQ(FieldText(group.Record(0)->Name).size(), 15);
    EXPECT_EQ(FieldText(group.Record(0)->Name2).size(), 31);
    EXPECT_EQ(group.PlantLine(0).size(), 15 + 1 + 31 + 1 + 2 + 15 + 1);
}

TEST(PlantFactory, AFolderOfPlantFilesIsThePlantGroup)
{
    PlantFolder folder;
    folder.Copy(QStringLiteral("full.txt"));
    folder.Copy(QStringLiteral("plain.txt"));
    auto* plants = dynamic_cast<CGroupPlant*>(folder.table.GetGroup(0, nullptr));
    ASSERT_NE(plants, nullptr);
    EXPECT_EQ(QStringList({plants->Key(), plants->DisplayName(), plants->RecordMenuCaption()}),
              QStringList({"Plant", "植物", "植物網頁..."}));
    EXPECT_EQ(plants->ItemCount(), 2);
    EXPECT_NE(dynamic_cast<IPlantOperations*>(plants), nullptr);
    for (int feature = 0; feature <= 9; ++feature)
        EXPECT_EQ(plants->HasFeature(feature), feature == 0 || feature == 8 || feature == 9) << feature;
}

} // namespace
