// The peak group's record queries on four peaks loaded from their item files
// (tests/data/talvane): indices in range, beyond the items and with bits above the low 24.
#include "catalog/talvane/GroupTalvane.h"

#include "FakeItemList.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QByteArray>

#include <climits>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int kHigh = 1 << 24;  // a bit above the item index of a row's data
constexpr int kRecordSize = 1280;

// The record of mate_gap.txt in the peak record's layout: its path at 0, Name at 520, Visits
// 12 at 868, companion visits at 1112 (阿明 2012/3/4 and 101/1/2, ended by the gap before 阿明4;
// Hua 2019.5.3), every other byte 0.
QByteArray MateGapRecord(const QString& path)
{
    QByteArray bytes(kRecordSize, '\0');
    const auto text = [&](int offset, const QString& s) {
        for (int k = 0; k < s.size(); ++k) {
            bytes[offset + 2 * k] = char(s[k].unicode() & 0xFF);
            bytes[offset + 2 * k + 1] = char(s[k].unicode() >> 8);
        }
    };
    const auto int32 = [&](int offset, quint32 value) {
        for (int k = 0; k < 4; ++k)
            bytes[offset + k] = char(value >> (8 * k));
    };
    text(0, path);
    text(520, QStringLiteral("北大%1武%山"));
    int32(868, 12);
    int32(1112, 1010304);
    int32(1116, 1010102);
    int32(1120, 11080503);
    return bytes;
}

class PeakQueriesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
        table.LoadSettings();
        for (const char* prefix : {"阿明", "Hua", "A%dB"}) {
            auto mate = std::make_unique<HikingMate>();
            mate->keyTitle = QString::fromUtf8(prefix);
            group.AddMate(std::move(mate));
        }
        // 0 玉山: visits 7 5 3; atlas 14988 14955 114955 102999; companions 0, 0, 1, 2.
        // 1 雪山: visit 3.  2 南湖大山: atlas 114955 102999.  3 北大%1武%山: visit 12;
        // companions 0, 0, 1.
        for (const char* file : {"full.txt", "visit_gap.txt", "atlas_bad_first.txt", "mate_gap.txt"})
            ASSERT_TRUE(group.LoadItemFile(QStringLiteral(TALVANE_TEST_DATA "/talvane/utf16le/")
                                               + QString::fromUtf8(file),
                                           platform::FileTime{1}));
        ASSERT_EQ(group.ItemCount(), 4);
    }

    TempDir dir;
    CGroupTable table;
    CGroupTalvane group;
};

TEST_F(PeakQueriesTest, Counts)
{
    struct Case {
        const char* what;
        std::function<int(int)> count;
        QList<int> perItem;  // items 0 to 3
        int itemsWithOne;    // item -1
    };
    CGroupTalvane& g = group;
    const Case cases[] = {
        {"visits", [&](int i) { return g.CountVisits(i); }, {3, 1, 0, 1}, 3},
        {"atlas", [&](int i) { return g.CountAtlasRefs(i); }, {4, 0, 2, 0}, 2},
        {"BlueSky", [&](int i) { return g.CountAtlasRefsOfKind(i, 0); }, {2, 0, 0, 0}, 1},
        {"Quill", [&](int i) { return g.CountAtlasRefsOfKind(i, 1); }, {2, 0, 2, 0}, 2},
        {"atlas kind 2", [&](int i) { return g.CountAtlasRefsOfKind(i, 2); }, {0, 0, 0, 0}, 0},
        {"companions", [&](int i) { return g.CountMateVisits(i); }, {4, 0, 0, 3}, 2},
        {"companion 0", [&](int i) { return g.CountMateVisitsOf(i, 0); }, {2, 0, 0, 2}, 2},
        {"companion 1", [&](int i) { return g.CountMateVisitsOf(i, 1); }, {1, 0, 0, 1}, 2},
        {"companion 2", [&](int i) { return g.CountMateVisitsOf(i, 2); }, {1, 0, 0, 0}, 1},
        {"companion 3", [&](int i) { return g.CountMateVisitsOf(i, 3); }, {0, 0, 0, 0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(c.count(i), c.perItem[i]) << "item " << i;
        EXPECT_EQ(c.count(-1), c.itemsWithOne);
        // The counts take the index as it is: no bits are masked off.
        for (int bad : {-2, 4, kHigh, kHigh + 1, INT_MIN, INT_MAX})
            EXPECT_EQ(c.count(bad), 0) << "item " << bad;
    }
    EXPECT_EQ(group.GetItemHeight(0), 3952);
    for (int bad : {-1, 4, kHigh, INT_MIN})
        EXPECT_EQ(group.GetItemHeight(bad), 0) << bad;
}

TEST_F(PeakQueriesTest, ItemTextsTakeTheLow24BitsOfTheIndex)
{
    QString name, name2, region, waypoint, s1, s2, s3;
    auto fetch = [&](int item) {
        name = name2 = region = waypoint = s1 = s2 = s3 = QStringLiteral("stale");
        const bool regionFound = group.GetItemRegion(item, &region);
        // The names, stones and waypoint are handed out with false, as for every group.
        EXPECT_FALSE(group.GetItemNames(item, &name, &name2));
        EXPECT_FALSE(group.GetItemStones(item, &s1, &s2, &s3));
        EXPECT_FALSE(group.GetItemWaypointName(item, &waypoint));
        return regionFound;
    };
    for (int item : {0, kHigh, INT_MIN}) {
        ASSERT_TRUE(fetch(item)) << item;
        EXPECT_EQ(QStringList({name, name2, region, waypoint, s1, s2, s3}),
                  QStringList({"玉山", "新高山", "南投,嘉義", "YUSHAN", "1", "2", "3"}));
    }
    ASSERT_TRUE(fetch(kHigh + 1));
    EXPECT_EQ(name, "雪山");
    for (int bad : {-1, 4, kHigh + 4, kHigh - 1, INT_MAX}) {
        EXPECT_FALSE(fetch(bad)) << bad;
        EXPECT_EQ(QStringList({name, name2, region, waypoint, s1, s2, s3}), QStringList(7, QString()));
    }
    const std::byte* record = group.GetItemRecord(3);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(record), kRecordSize),
              MateGapRecord(QStringLiteral(TALVANE_TEST_DATA "/talvane/utf16le/mate_gap.txt")));
    for (int bad : {-1, 4, kHigh, kHigh + 1, INT_MIN, INT_MAX})
        EXPECT_EQ(group.GetItemRecord(bad), nullptr) << "the record takes no mask: " << bad;
    // Outputs may be null.
    EXPECT_TRUE(group.GetItemRegion(0, nullptr));
    EXPECT_FALSE(group.GetItemNames(0, nullptr, nullptr));
}

TEST_F(PeakQueriesTest, ItemsByWalkAndByAtlasPage)
{
    EXPECT_TRUE(group.WasVisitedOn(0, 5));
    EXPECT_TRUE(group.WasVisitedOn(kHigh + 1, 3));
    EXPECT_FALSE(group.WasVisitedOn(0, 4));
    EXPECT_FALSE(group.WasVisitedOn(2, 0)) << "0 ends a list; it is no walk";
    for (int bad : {-1, 4, kHigh + 4, INT_MAX})
        EXPECT_FALSE(group.WasVisitedOn(bad, 3)) << bad;

    struct Case {
        bool byWalk;
        int value;
        QList<int> items;
        QString names;
    };
    const Case cases[] = {
        {true, 3, {0, 1}, "玉山,雪山"},
        {true, 12, {3}, "北大%1武%山"},
        {true, 0, {}, ""},
        {true, 99, {}, ""},
        {false, 114955, {0, 2}, "玉山,南湖大山"},
        {false, 14988, {0}, "玉山"},
        {false, 0, {}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        int count = -1;
        QList<int> items{42};
        QString names;
        if (c.byWalk) {
            EXPECT_TRUE(group.FindItemsVisitedOn(c.value, &count, &items));
            EXPECT_TRUE(group.JoinNamesVisitedOn(c.value, &names));
        } else {
            EXPECT_TRUE(group.FindItemsByAtlasRef(c.value, &count, &items));
            EXPECT_TRUE(group.JoinNamesByAtlasRef(c.value, &names));
        }
        EXPECT_EQ(count, c.items.size());
        EXPECT_EQ(items, c.items);
        EXPECT_EQ(names, c.names);
    }
    QString text = QStringLiteral("前");
    group.JoinNamesVisitedOn(3, &text);
    EXPECT_EQ(text, "前,玉山,雪山") << "a text that is not empty is continued after a comma";
}

TEST_F(PeakQueriesTest, FeaturesAndTheItemList)
{
    for (int feature = -1; feature <= 10; ++feature)
        EXPECT_EQ(group.HasFeature(feature), feature >= 0 && feature <= 7) << feature;
    FakeItemList list;
    list.InsertRow(0, QStringLiteral("舊"), 7);
    EXPECT_EQ(group.FillItemList(&list), 4);
    EXPECT_EQ(list.RowValues().contains(7), false) << "the list is cleared first";
    EXPECT_EQ(group.FillItemList(nullptr), 0);
}

} // namespace
