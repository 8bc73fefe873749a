// The item cache "~~<key>.bin": files built here in the cache layout (records back to back,
// then 32 bytes per record) and read as untrusted input.
#include "catalog/GroupBase.h"

#include "ItemCacheBytes.h"
#include "TempDir.h"
#include "TestGroups.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/GroupTable.h"
#include "catalog/records/PlantItemRecord.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/StoneItemRecord.h"
#include "catalog/records/TrailItemRecord.h"
#include "catalog/records/WaterfallItemRecord.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QFile>
#include <cstring>
#include <gtest/gtest.h>

namespace {

constexpr int kTail = 32;

template <class Record>
Record Named(const QString& name, const QString& path = QString())
{
    Record r{};
    SetFieldText(r.Name, name);
    SetFieldText(r.path, path);
    return r;
}

class ItemCacheTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
        table.LoadSettings();  // no settings file: the data folder is the program folder
    }
    QString WriteCache(const QString& key, const QByteArray& bytes)
    {
        return dir.write(QStringLiteral("~~") + key + QStringLiteral(".bin"), bytes);
    }
    static platform::FileTime At(qint64 seconds) { return {seconds * 1000000000LL}; }

    TempDir dir;
    CGroupTable table;
};

template <class Record>
class CacheSizeTest : public ItemCacheTest {};

using RecordTypes = ::testing::Types<TalvaneItemRecord, StoneItemRecord, TrailItemRecord,
                                     WaterfallItemRecord, PlantItemRecord>;
TYPED_TEST_SUITE(CacheSizeTest, RecordTypes);

TYPED_TEST(CacheSizeTest, OnlyWholeElementsOfRecordSizePlus32AreACache)
{
    const qsizetype size = sizeof(TypeParam);
    const qsizetype element = size + kTail;
    TestGroup<TypeParam> group("Key", "名");
    const QByteArray two = CacheBytes<TypeParam>({Named<TypeParam>("甲"), Named<TypeParam>("乙")});
    ASSERT_EQ(two.size(), 2 * element);
    struct Case {
        QByteArray bytes;
        int count;  // -1: refused
    };
    const QList<Case> cases = {
        {QByteArray(), -1},
        {QByteArray(1, 'x'), -1},
        {two.left(2 * size), -1},         // the records without their tail
        {two + QByteArray(1, '\0'), -1},
        {two.left(element), 1},
        {two, 2},
    };
    for (const Case& c : cases) {
        this->WriteCache("Key", c.bytes);
        TestGroup<TypeParam> fresh("Key", "名");
        EXPECT_EQ(fresh.LoadItemCache(size), c.count >= 0) << "size " << c.bytes.size();
        EXPECT_TRUE(fresh.CacheTried());
        EXPECT_EQ(fresh.CacheCount(), std::max(c.count, 0));
        EXPECT_EQ(fresh.TakeCachedItem(0), c.count >= 1);
    }
    // Records lie at the record size, not at the element size; positions from the count on end
    // the filling.
    this->WriteCache("Key", two);
    EXPECT_TRUE(group.TakeCachedItem(1));
    EXPECT_TRUE(group.TakeCachedItem(0));
    EXPECT_FALSE(group.TakeCachedItem(2));
    EXPECT_FALSE(group.TakeCachedItem(-1));
    ASSERT_EQ(group.ItemCount(), 2);
    EXPECT_EQ(FieldText(group.template ItemAs<TypeParam>(0)->Name), "乙");
    EXPECT_EQ(FieldText(group.template ItemAs<TypeParam>(1)->Name), "甲");
}

// The record sizes the cache layout is defined with.
template <class Record>
constexpr qsizetype kRecordBytes = 0;
template <>
constexpr qsizetype kRecordBytes<TalvaneItemRecord> = 1280;
template <>
constexpr qsizetype kRecordBytes<StoneItemRecord> = 832;
template <>
constexpr qsizetype kRecordBytes<TrailItemRecord> = 1012;
template <>
constexpr qsizetype kRecordBytes<WaterfallItemRecord> = 824;
template <>
constexpr qsizetype kRecordBytes<PlantItemRecord> = 648;

TYPED_TEST(CacheSizeTest, EveryLengthAroundOneAndTwoRecordsIsCheckedInBytes)
{
    constexpr qsizetype size = kRecordBytes<TypeParam>;
    static_assert(sizeof(TypeParam) == size);
    constexpr qsizetype element = size + kTail;
    // Three records, each also marked 4 bytes before its end, so that a record taken short or
    // from the wrong offset shows; every file is the start of their cache.
    QList<TypeParam> records;
    for (const char16_t* name : {u"甲", u"乙", u"丙"}) {
        TypeParam r = Named<TypeParam>(QString::fromUtf16(name), QStringLiteral("/d/") + QString::fromUtf16(name));
        std::memcpy(reinterpret_cast<char*>(&r) + size - 4, name, sizeof(char16_t));
        records << r;
    }
    const QByteArray all = CacheBytes<TypeParam>(records);
    QList<qsizetype> lengths = {0, 1, element + size - 1, element + size};  // a second record cut short, or without its tail
    for (qsizetype unit : {size, element})
        for (qsizetype n : {1, 2})
            lengths << n * unit - 1 << n * unit << n * unit + 1;
    for (qsizetype length : lengths) {
        this->WriteCache("Key", all.left(length));
        const int count = length > 0 && length % element == 0 ? int(length / element) : 0;
        TestGroup<TypeParam> group("Key", "名");
        EXPECT_EQ(group.LoadItemCache(size), count > 0) << "length " << length;
        EXPECT_EQ(group.CacheCount(), count) << "length " << length;
        for (int i = 0; i < count; ++i) {
            ASSERT_TRUE(group.TakeCachedItem(i)) << "length " << length << " record " << i;
            EXPECT_EQ(std::memcmp(group.template ItemAs<TypeParam>(i), &records[i], size), 0)
                << "length " << length << " record " << i;
        }
        EXPECT_FALSE(group.TakeCachedItem(count)) << "length " << length;
        EXPECT_EQ(group.ItemCount(), count) << "length " << length;
    }
}

TEST_F(ItemCacheTest, AnAbsurdSizeIsRefusedBeforeReading)
{
    const QString path = dir.file("~~Talvane.bin");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    // One element more than a group can hold, as a sparse file.
    ASSERT_TRUE(file.resize(qint64(CGroupBase::kMaxItems + 1) * (TalvaneItemRecord::kSize + kTail)));
    file.close();
    CGroupTalvane group;
    EXPECT_FALSE(group.LoadItemCache(TalvaneItemRecord::kSize));
    EXPECT_EQ(group.CacheCount(), 0);
    EXPECT_FALSE(group.TakeCachedItem(0));
}

TEST_F(ItemCacheTest, ARecordSizeWithoutRoomForThePathIsNoCache)
{
    WriteCache("Talvane", QByteArray(2 * (16 + kTail), 'p'));
    CGroupTalvane group;
    EXPECT_FALSE(group.LoadItemCache(16));
    EXPECT_EQ(group.CacheCount(), 0);
}

TEST_F(ItemCacheTest, AMissingCacheIsTriedOnce)
{
    CGroupTalvane group;
    EXPECT_FALSE(group.TakeCachedItem(0));
    EXPECT_TRUE(group.CacheTried());
    WriteCache("Talvane", CacheBytes<TalvaneItemRecord>({Named<TalvaneItemRecord>("玉山")}));
    EXPECT_FALSE(group.TakeCachedItem(0)) << "the cache is not read again";
}

TEST_F(ItemCacheTest, ADamagedRecordCannotLeakPastItsFields)
{
    TalvaneItemRecord damaged{};
    std::fill(std::begin(damaged.path), std::end(damaged.path), u'p');
    std::fill(std::begin(damaged.Name), std::end(damaged.Name), u'名');
    SetFieldText(damaged.Name2, u"second");
    std::fill(std::begin(damaged.StoneStatus3), std::end(damaged.StoneStatus3), u'x');
    std::fill(std::begin(damaged.Waypoint), std::end(damaged.Waypoint), u'W');
    damaged.Visits[0] = 9;
    damaged.Visits[2] = 77;  // a stale code behind the terminator
    for (int i = 0; i < 30; ++i)
        damaged.AtlasRefs[i] = 14955 - i;  // a full list stays full
    WriteCache("Talvane", CacheBytes<TalvaneItemRecord>({damaged}));

    CGroupTalvane group;
    ASSERT_TRUE(group.TakeCachedItem(0));
    const TalvaneItemRecord* r = group.Record(0);
    EXPECT_EQ(FieldText(r->Name), QString(15, u'名'));
    EXPECT_EQ(r->Name[15], 0);
    EXPECT_EQ(r->path[259], 0);
    EXPECT_EQ(r->StoneStatus3[3], 0);
    EXPECT_EQ(r->Waypoint[15], 0);
    EXPECT_EQ(FieldText(r->Name2), "second");
    EXPECT_EQ(group.ItemPath(0), QString(259, u'p'));
    EXPECT_EQ(r->Visits[0], 9);
    EXPECT_EQ(r->Visits[2], 0);
    EXPECT_EQ(r->AtlasRefs[29], 14955 - 29);
    EXPECT_FALSE(group.CodeListContains(r->Visits, 77));
}

TEST_F(ItemCacheTest, EveryRecordTypeIsMadeSafe)
{
    StoneItemRecord stone{};
    std::fill(std::begin(stone.Stone), std::end(stone.Stone), u'1');
    std::fill(std::begin(stone.Region), std::end(stone.Region), u'區');
    WriteCache("Stone", CacheBytes<StoneItemRecord>({stone}));
    TestGroup<StoneItemRecord> stones("Stone", "基石", "Stone");
    ASSERT_TRUE(stones.TakeCachedItem(0));
    EXPECT_EQ(FieldText(stones.ItemAs<StoneItemRecord>(0)->Stone).size(), 15);
    EXPECT_EQ(FieldText(stones.ItemAs<StoneItemRecord>(0)->Region).size(), 15);

    TrailItemRecord trail{};
    std::fill(std::begin(trail.Track), std::end(trail.Track), u'T');
    trail.MateVisits[0] = 0;
    trail.MateVisits[1] = 5;
    WriteCache("OldTrail", CacheBytes<TrailItemRecord>({trail}));
    TestGroup<TrailItemRecord> trails("OldTrail", "古道");
    ASSERT_TRUE(trails.TakeCachedItem(0));
    EXPECT_EQ(trails.ItemAs<TrailItemRecord>(0)->Track[15], 0);
    EXPECT_EQ(trails.ItemAs<TrailItemRecord>(0)->MateVisits[1], 0);

    PlantItemRecord plant{};
    std::fill(std::begin(plant.Class), std::end(plant.Class), u'科');
    WriteCache("Plant", CacheBytes<PlantItemRecord>({plant}));
    TestGroup<PlantItemRecord> plants("Plant", "植物");
    ASSERT_TRUE(plants.TakeCachedItem(0));
    EXPECT_EQ(plants.ItemAs<PlantItemRecord>(0)->Class[15], 0);

    WaterfallItemRecord fall{};
    std::fill(std::begin(fall.Name2), std::end(fall.Name2), u'瀑');
    WriteCache("Waterfall", CacheBytes<WaterfallItemRecord>({fall}));
    TestGroup<WaterfallItemRecord> falls("Waterfall", "瀑布");
    ASSERT_TRUE(falls.TakeCachedItem(0));
    EXPECT_EQ(falls.ItemAs<WaterfallItemRecord>(0)->Name2[31], 0);
}

class CacheWhileLoadingTest : public ItemCacheTest {
protected:
    void SetUp() override
    {
        ItemCacheTest::SetUp();
        file = dir.write("山/玉山.txt", Utf16LeWithBom(QStringLiteral("[Talvane]\r\nName=玉山(檔)\r\n")));
        other = dir.write("山/雪山.txt", Utf16LeWithBom(QStringLiteral("[Talvane]\r\nName=雪山(檔)\r\n")));
        // The cache holds the first file's path in other letter case.
        cache = WriteCache("Talvane", CacheBytes<TalvaneItemRecord>(
                                          {Named<TalvaneItemRecord>("雪山(快取)", dir.file("山/other.txt")),
                                           Named<TalvaneItemRecord>("玉山(快取)", dir.file("山/玉山.TXT"))}));
        platform::SetFileWriteTime(cache, At(2000));
    }
    QString Loaded(const platform::FileTime& fileTime)
    {
        CGroupTalvane group;
        EXPECT_TRUE(group.LoadItemFile(file, fileTime));
        return FieldText(group.Record(0)->Name);
    }

    QString file, other, cache;
};

TEST_F(CacheWhileLoadingTest, OnlyAFileOlderThanTheCacheIsTakenFromIt)
{
    EXPECT_EQ(Loaded(At(1999)), "玉山(快取)");
    EXPECT_EQ(Loaded(At(2000)), "玉山(檔)") << "equally old: read from the file";
    EXPECT_EQ(Loaded(At(2001)), "玉山(檔)") << "newer than the cache";
}

TEST_F(CacheWhileLoadingTest, ACachedRecordIsTakenOnce)
{
    CGroupTalvane group;
    ASSERT_TRUE(group.LoadItemFile(file, At(1)));
    ASSERT_TRUE(group.LoadItemFile(file, At(1)));
    ASSERT_TRUE(group.LoadItemFile(other, At(1)));
    EXPECT_EQ(FieldText(group.Record(0)->Name), "玉山(快取)");
    EXPECT_EQ(FieldText(group.Record(1)->Name), "玉山(檔)") << "its cached record is used up";
    EXPECT_EQ(FieldText(group.Record(2)->Name), "雪山(檔)") << "no cached record has its path";
}

} // namespace
