// The waterfall group's loading on waterfall files as a Windows machine saved them (UTF-16LE with
// BOM and CP950, written by tests/data/waterfalls/make_fixtures.py), its item cache, the subsets
// its set-up builds, and the group factory's choice of a waterfall folder.
#include "catalog/waterfall/GroupWaterfall.h"

#include "ItemCacheBytes.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/subsets/SubsetBase.h"
#include "catalog/subsets/regions/SubsetRegion.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Codes = std::vector<int32_t>;

Codes ListOf(const int32_t (&list)[kMaxCodes])
{
    return Codes(std::begin(list), std::end(list));
}

Codes List(Codes codes)
{
    codes.resize(kMaxCodes, 0);
    return codes;
}

QStringList Texts(const WaterfallItemRecord& r)
{
    return {FieldText(r.path), FieldText(r.Name), FieldText(r.Name2), FieldText(r.Region),
            FieldText(r.Waypoint)};
}

platform::FileTime At(qint64 seconds)
{
    return {seconds * platform::FileTime::kNsPerSecond};
}

class WaterfallLoadTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
        table.LoadSettings();
        group.Init(dir.file(QStringLiteral("峰嵐錄.txt")), &table, dir.file(QStringLiteral("瀑布")));
    }
    QString Fixture(const char* name) const
    {
        return QStringLiteral(TALVANE_TEST_DATA "/waterfalls/items/%1/%2")
            .arg(GetParam(), QString::fromUtf8(name));
    }
    const WaterfallItemRecord* Load(const QString& path)
    {
        const int before = group.ItemCount();
        group.LoadItemFile(path, platform::FileTime{1});
        return group.ItemCount() > before ? group.Record(group.ItemCount() - 1) : nullptr;
    }
    const WaterfallItemRecord* Load(const char* name) { return Load(Fixture(name)); }

    TempDir dir;
    CGroupTable table;
    CGroupWaterfall group;
};

INSTANTIATE_TEST_SUITE_P(Encodings, WaterfallLoadTest, ::testing::Values("utf16le", "cp950"));

TEST_P(WaterfallLoadTest, EveryFieldOfTheRecord)
{
    const WaterfallItemRecord* r = Load("full.txt");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Texts(*r), QStringList({Fixture("full.txt"), "十分瀑布", "台灣尼加拉瀑布", "新北",
                                      "SHIFEN"}));
    EXPECT_EQ(r->Height, 20);
    EXPECT_EQ(ListOf(r->Visits), List({40, 12, 7})) << "newest first";
    EXPECT_DOUBLE_EQ(r->Longitude, 121.7874);
    EXPECT_DOUBLE_EQ(r->Attitude, 25.0484);
    const unsigned char zero[WaterfallItemRecord::kPaddingBytes] = {};
    EXPECT_EQ(std::memcmp(r->padding, zero, sizeof zero), 0);
}

TEST_P(WaterfallLoadTest, AFileWithoutNameIsNoItem)
{
    EXPECT_EQ(Load("no_name.txt"), nullptr);
    EXPECT_EQ(group.ItemCount(), 0);
    EXPECT_EQ(Load(QStringLiteral(TALVANE_TEST_DATA "/waterfalls/items/missing.txt")), nullptr);
    EXPECT_EQ(group.ItemCount(), 0);
}

TEST_P(WaterfallLoadTest, LongValuesAreCutToTheirFieldsWithoutHarmToTheNextItem)
{
    const WaterfallItemRecord* r = Load("long.txt");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Texts(*r), QStringList({Fixture("long.txt"), "甲乙丙丁戊己庚辛壬癸甲乙丙丁戊",
                                      "子丑寅卯辰巳午未申酉子丑寅卯辰巳午未申酉子丑寅卯辰巳午未申酉子",
                                      "東西南北中東西南北中東西南北中", "WATERFALL-WAYPO"}));
    EXPECT_EQ(r->Height, 99);
    EXPECT_EQ(ListOf(r->Visits), List({}));
    const WaterfallItemRecord* next = Load("full.txt");
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(FieldText(next->Name), "十分瀑布");
    // A cut waypoint name is looked up whole in the item file; a short one as stored.
    QString waypoint;
    group.GetItemWaypointName(0, &waypoint);
    EXPECT_EQ(waypoint, "WATERFALL-WAYPOINT20");
    group.GetItemWaypointName(1, &waypoint);
    EXPECT_EQ(waypoint, "SHIFEN");
}

TEST_P(WaterfallLoadTest, APathLongerThanTheRecordHoldsIsRefused)
{
    QString folder = dir.path();
    while (folder.size() < CGroupBase::kPathWidth)
        folder += QStringLiteral("/abcdefghijklmnopqrstuvwxyz");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/w.txt");
    ASSERT_TRUE(QFile::copy(Fixture("full.txt"), path));
    EXPECT_EQ(Load(path), nullptr);
    EXPECT_EQ(group.LongPathFiles(), QStringList{path});
}

// --- the item cache -----------------------------------------------------------------------------

class WaterfallCacheTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
        table.LoadSettings();
        QDir().mkpath(dir.file(QStringLiteral("瀑布")));
        for (const char* name : {"full.txt", "long.txt"})
            for (const char* encoding : {"utf16le", "cp950"}) {
                const QString to = dir.file(QStringLiteral("瀑布/%1_%2").arg(encoding, name));
                ASSERT_TRUE(QFile::copy(QStringLiteral(TALVANE_TEST_DATA "/waterfalls/items/%1/%2")
                                            .arg(encoding, name),
                                        to));
                files << to;
            }
    }

    TempDir dir;
    CGroupTable table;
    QStringList files;
};

TEST_F(WaterfallCacheTest, RecordsComeBackFromTheCacheFieldByField)
{
    CGroupWaterfall fromFiles;
    for (const QString& file : files)
        fromFiles.LoadItemFile(file, At(1000));
    ASSERT_EQ(fromFiles.ItemCount(), 4);
    QList<WaterfallItemRecord> records;
    for (int i = 0; i < 4; ++i)
        records << *fromFiles.Record(i);
    const QString cache = dir.write(QStringLiteral("~~Waterfall.bin"),
                                    CacheBytes<WaterfallItemRecord>(
                                        {records[3], records[1], records[0], records[2]}));
    platform::SetFileWriteTime(cache, At(2000));
    // A changed file proves that the records come from the cache and not from the files.
    platform::WriteProfileString(files[0], QStringLiteral("Waterfall"), QStringLiteral("Name"),
                                 QStringLiteral("改過"));

    CGroupWaterfall fromCache;
    for (const QString& file : files)
        fromCache.LoadItemFile(file, At(1000));
    ASSERT_EQ(fromCache.ItemCount(), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const WaterfallItemRecord& a = records[i];
        const WaterfallItemRecord& b = *fromCache.Record(i);
        EXPECT_EQ(Texts(b), Texts(a));
        EXPECT_EQ(b.Height, a.Height);
        EXPECT_EQ(ListOf(b.Visits), ListOf(a.Visits));
        EXPECT_EQ(b.Longitude, a.Longitude);
        EXPECT_EQ(b.Attitude, a.Attitude);
        EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << "every byte, padding included";
    }
    // A file newer than the cache is read from the file.
    CGroupWaterfall newer;
    newer.LoadItemFile(files[0], At(3000));
    ASSERT_EQ(newer.ItemCount(), 1);
    EXPECT_EQ(FieldText(newer.Record(0)->Name), "改過");
}

TEST_F(WaterfallCacheTest, AnUnterminatedCachedRecordIsMadeSafe)
{
    WaterfallItemRecord bad;
    std::memset(&bad, 0x41, sizeof bad);  // 'AA' in every unit, no 0 anywhere
    const QString cache = dir.write(QStringLiteral("~~Waterfall.bin"),
                                    CacheBytes<WaterfallItemRecord>({bad}));
    platform::SetFileWriteTime(cache, At(2000));
    CGroupWaterfall group;
    ASSERT_TRUE(group.TakeCachedItem(0));
    EXPECT_FALSE(group.TakeCachedItem(1));
    const WaterfallItemRecord* r = group.Record(0);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(FieldText(r->Name).size(), 15);
    EXPECT_EQ(FieldText(r->Name2).size(), 31);
    EXPECT_EQ(FieldText(r->path).size(), 259);
    EXPECT_LE(group.CountVisits(0), kMaxCodes);
    EXPECT_FALSE(group.SummaryLine(0).isEmpty());
}

TEST_F(WaterfallCacheTest, TheRescanLoadsOnlyFilesNoItemHas)
{
    CGroupWaterfall group;
    group.LoadItemFile(files[0], At(1000));
    ASSERT_EQ(group.ItemCount(), 1);
    EXPECT_FALSE(group.AcceptItemFile(files[0].toUpper(), At(1000)));
    EXPECT_TRUE(group.AcceptItemFile(files[1], At(1000)));
    EXPECT_EQ(group.ItemCount(), 2);
}

// --- set-up and the factory ---------------------------------------------------------------------

class WaterfallSetupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
    }
    void Settings(const QString& text)
    {
        dir.write(QStringLiteral("峰嵐錄.txt"), Utf16LeWithBom(text));
        platform::ClearProfileCache();
        table.SetGroupClasses(ProgramGroupClasses());
        table.LoadSettings();
    }

    TempDir dir;
    CGroupTable table;
};

TEST_F(WaterfallSetupTest, InitAddsTheRegionsThenTheNoRegionSubset)
{
    struct Case {
        const char* what;
        QStringList regions;
        int expectedRegions;
    };
    QStringList many;
    for (int n = 1; n <= 27; ++n)
        many << QStringLiteral("區%1").arg(n);
    for (const Case& c : {Case{"two regions", {"新北", "宜蘭"}, 2}, Case{"none", {}, 0},
                          Case{"27 regions: the first 25", many, 25}}) {
        SCOPED_TRACE(c.what);
        Settings(QStringLiteral("[Region]\r\nRegionList=%1\r\n").arg(c.regions.join(u',')));
        CGroupWaterfall group;
        EXPECT_TRUE(group.Init(MainSettingsPath(), &table, dir.file(QStringLiteral("瀑布"))));
        ASSERT_EQ(group.SubsetCount(), c.expectedRegions + 1);
        for (int s = 0; s < c.expectedRegions; ++s) {
            auto* region = dynamic_cast<CSubsetRegion*>(group.Subset(s));
            ASSERT_NE(region, nullptr) << s;
            EXPECT_EQ(region->Region(), c.regions[s]);
            EXPECT_TRUE(region->TopLevel());
        }
        EXPECT_EQ(group.Subset(c.expectedRegions)->TypeCode(), CSubsetBase::kTypeNoRegion);
    }
}

TEST_F(WaterfallSetupTest, AWaterfallFolderBuildsTheWaterfallGroup)
{
    Settings(QStringLiteral("[DataGroup]\r\nGroup1=瀑布\r\nGroup2=空\r\n"));
    QDir().mkpath(dir.file(QStringLiteral("空")));
    QDir().mkpath(dir.file(QStringLiteral("瀑布")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TALVANE_TEST_DATA "/waterfalls/items/cp950/full.txt"),
                            dir.file(QStringLiteral("瀑布/a.txt"))));
    auto* waterfalls = dynamic_cast<CGroupWaterfall*>(table.GetGroup(0, nullptr));
    ASSERT_NE(waterfalls, nullptr);
    EXPECT_EQ(QStringList({waterfalls->Key(), waterfalls->DisplayName()}),
              QStringList({"Waterfall", "瀑布"}));
    EXPECT_EQ(waterfalls->ItemCount(), 1);
    for (int feature = 0; feature <= kFeatureImageView; ++feature)
        EXPECT_EQ(waterfalls->HasFeature(feature), feature <= kFeatureCompareWalks) << feature;
    // A folder without files is never a waterfall folder.
    EXPECT_EQ(dynamic_cast<CGroupWaterfall*>(table.GetGroup(1, nullptr)), nullptr);
}

} // namespace
