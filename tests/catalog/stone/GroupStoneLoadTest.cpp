// The survey-stone group's loading on stone files as a Windows machine saved them (UTF-16LE with
// BOM and CP950, written by tests/data/stones/make_fixtures.py), its item cache, and the group
// factory's choice of a stone folder.
#include "catalog/stone/GroupStone.h"

#include "ItemCacheBytes.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/StoneItemRecord.h"
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

QStringList Texts(const StoneItemRecord& r)
{
    return {FieldText(r.path),       FieldText(r.Name),        FieldText(r.Stone),
            FieldText(r.StoneAlias), FieldText(r.StoneStatus), FieldText(r.Region),
            FieldText(r.Waypoint)};
}

class StoneLoadTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
        table.LoadSettings();
        group.Init(dir.file("峰嵐錄.txt"), &table, dir.file("基石"));
    }
    QString Fixture(const char* name) const
    {
        return QStringLiteral(TALVANE_TEST_DATA "/stones/items/%1/%2")
            .arg(GetParam(), QString::fromUtf8(name));
    }
    const StoneItemRecord* Load(const char* name)
    {
        const int before = group.ItemCount();
        group.LoadItemFile(Fixture(name), platform::FileTime{1});
        return group.ItemCount() > before ? group.Record(group.ItemCount() - 1) : nullptr;
    }

    TempDir dir;
    CGroupTable table;
    CGroupStone group;
};

INSTANTIATE_TEST_SUITE_P(Encodings, StoneLoadTest, ::testing::Values("utf16le", "cp950"));

TEST_P(StoneLoadTest, EveryFieldOfTheRecord)
{
    const StoneItemRecord* r = Load("full.txt");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Texts(*r), QStringList({Fixture("full.txt"), "合歡山", "三等6016", "森林12", "良好",
                                      "南投", "HEHUAN"}));
    EXPECT_EQ(r->Height, 3417);
    EXPECT_EQ(ListOf(r->Visits), List({40, 12, 7})) << "newest first";
    EXPECT_DOUBLE_EQ(r->Longitude, 121.2712);
    EXPECT_DOUBLE_EQ(r->Attitude, 24.1372);
    const unsigned char zero[StoneItemRecord::kPaddingBytes] = {};
    EXPECT_EQ(std::memcmp(r->padding, zero, sizeof zero), 0);
}

TEST_P(StoneLoadTest, AStoneNumberMakesAnItemAndTheNameIsOptional)
{
    EXPECT_EQ(Load("no_stone.txt"), nullptr);
    EXPECT_EQ(group.ItemCount(), 0);
    const StoneItemRecord* r = Load("no_name.txt");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Texts(*r), QStringList({Fixture("no_name.txt"), "", "圖根點平頂", "", "", "", ""}));
    EXPECT_EQ(r->Height, 812);
    EXPECT_EQ(ListOf(r->Visits), List({}));
    EXPECT_EQ(r->Longitude, 0.0);
    EXPECT_EQ(r->Attitude, 0.0);
}

TEST_P(StoneLoadTest, LongValuesAreCutToTheirFieldsWithoutHarmToTheNextItem)
{
    const StoneItemRecord* r = Load("long.txt");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(Texts(*r), QStringList({Fixture("long.txt"), "甲乙丙丁戊己庚辛壬癸甲乙丙丁戊",
                                      "三等1234567890123", "ABCDEFGHIJKLMNO", "良好無",
                                      "東西南北中東西南北中東西南北中", "WAYPOINT-NAME-L"}));
    EXPECT_EQ(r->Height, 99);
    // The next record starts clean: nothing of the long values spilled into it.
    const StoneItemRecord* next = Load("full.txt");
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(FieldText(next->Name), "合歡山");
    EXPECT_EQ(FieldText(group.Record(0)->Stone), "三等1234567890123");
    // A cut waypoint name is looked up whole in the item file.
    QString waypoint;
    EXPECT_FALSE(group.GetItemWaypointName(0, &waypoint));
    EXPECT_EQ(waypoint, "WAYPOINT-NAME-LONG20");
    EXPECT_FALSE(group.GetItemWaypointName(1, &waypoint));
    EXPECT_EQ(waypoint, "HEHUAN");
}

// --- the item cache and the factory -----------------------------------------------------------

class StoneCacheTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
        table.LoadSettings();
        QDir().mkpath(dir.file(QStringLiteral("基石")));
        for (const char* name : {"full.txt", "long.txt", "no_name.txt"}) {
            const QString to = dir.file(QStringLiteral("基石/") + QString::fromUtf8(name));
            ASSERT_TRUE(QFile::copy(QStringLiteral(TALVANE_TEST_DATA "/stones/items/utf16le/")
                                        + QString::fromUtf8(name), to));
            files << to;
        }
    }
    static platform::FileTime At(qint64 seconds)
    {
        return {seconds * platform::FileTime::kNsPerSecond};
    }

    TempDir dir;
    CGroupTable table;
    QStringList files;
};

TEST_F(StoneCacheTest, RecordsComeBackFromTheCacheFieldByField)
{
    CGroupStone fromFiles;
    for (const QString& file : files)
        fromFiles.LoadItemFile(file, At(1000));
    ASSERT_EQ(fromFiles.ItemCount(), 3);
    QList<StoneItemRecord> records;
    for (int i = 0; i < 3; ++i)
        records << *fromFiles.Record(i);
    // The cache lists them in another order; every file is older than the cache.
    const QString cache = dir.write(QStringLiteral("~~Stone.bin"),
                                    CacheBytes<StoneItemRecord>({records[2], records[0], records[1]}));
    platform::SetFileWriteTime(cache, At(2000));
    // A changed file proves that the records come from the cache and not from the files.
    platform::WriteProfileString(files[0], QStringLiteral("Stone"), QStringLiteral("Name"),
                                 QStringLiteral("改過"));

    CGroupStone fromCache;
    for (const QString& file : files)
        fromCache.LoadItemFile(file, At(1000));
    ASSERT_EQ(fromCache.ItemCount(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const StoneItemRecord& a = records[i];
        const StoneItemRecord& b = *fromCache.Record(i);
        EXPECT_EQ(Texts(b), Texts(a));
        EXPECT_EQ(b.Height, a.Height);
        EXPECT_EQ(ListOf(b.Visits), ListOf(a.Visits));
        EXPECT_EQ(b.Longitude, a.Longitude);
        EXPECT_EQ(b.Attitude, a.Attitude);
        EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0) << "every byte, padding included";
    }
    // A file newer than the cache is read from the file.
    CGroupStone newer;
    newer.LoadItemFile(files[0], At(3000));
    ASSERT_EQ(newer.ItemCount(), 1);
    EXPECT_EQ(FieldText(newer.Record(0)->Name), "改過");
}

TEST_F(StoneCacheTest, AnUnterminatedCachedRecordIsMadeSafe)
{
    StoneItemRecord bad;
    std::memset(&bad, 0x41, sizeof bad);  // 'AA' in every unit, no 0 anywhere
    const QString cache = dir.write(QStringLiteral("~~Stone.bin"), CacheBytes<StoneItemRecord>({bad}));
    platform::SetFileWriteTime(cache, At(2000));
    CGroupStone group;
    ASSERT_TRUE(group.TakeCachedItem(0));
    EXPECT_FALSE(group.TakeCachedItem(1));
    const StoneItemRecord* r = group.Record(0);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(FieldText(r->Stone).size(), 15);
    EXPECT_EQ(FieldText(r->path).size(), 259);
    EXPECT_LE(group.CountVisits(0), kMaxCodes);
    EXPECT_FALSE(group.SummaryLine(0).isEmpty());
}

TEST_F(StoneCacheTest, AFolderWhoseFirstFileHasAStoneNumberButNoNameIsAStoneFolder)
{
    dir.write(QStringLiteral("峰嵐錄.txt"),
              Utf16LeWithBom(QStringLiteral("[DataGroup]\r\nGroup1=無名\r\nGroup2=空\r\n")));
    QDir().mkpath(dir.file(QStringLiteral("無名")));
    QDir().mkpath(dir.file(QStringLiteral("空")));
    ASSERT_TRUE(QFile::copy(files[2], dir.file(QStringLiteral("無名/a.txt"))));
    table.LoadSettings();
    auto* stones = dynamic_cast<CGroupStone*>(table.GetGroup(0, nullptr));
    ASSERT_NE(stones, nullptr);
    EXPECT_EQ(QStringList({stones->Key(), stones->DisplayName(), stones->RelatedKey()}),
              QStringList({"Stone", "基石", "Talvane"}));
    EXPECT_EQ(stones->ItemCount(), 1);
    // A folder without files in the second place becomes the stone group.
    EXPECT_NE(dynamic_cast<CGroupStone*>(table.GetGroup(1, nullptr)), nullptr);
}

} // namespace
