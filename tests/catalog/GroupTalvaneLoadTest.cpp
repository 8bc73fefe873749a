// The peak group's loading on peak files as a Windows machine saved them (UTF-16LE with BOM and
// CP950, written by tests/data/talvane/make_fixtures.py), on its item cache and on paths that
// do not fit a record.
#include "catalog/talvane/GroupTalvane.h"

#include "FakeMessageBox.h"
#include "ItemCacheBytes.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/TalvaneItemRecord.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <vector>

namespace {

using Codes = std::vector<int32_t>;

// A full code list: the given codes, then zeros.
Codes List(Codes codes)
{
    codes.resize(kMaxCodes, 0);
    return codes;
}

Codes ListOf(const int32_t (&list)[kMaxCodes])
{
    return Codes(std::begin(list), std::end(list));
}

void AddMates(CGroupTalvane& group, std::initializer_list<const char*> prefixes)
{
    for (const char* prefix : prefixes) {
        auto mate = std::make_unique<HikingMate>();
        mate->keyTitle = QString::fromUtf8(prefix);
        ASSERT_TRUE(group.AddMate(std::move(mate)));
    }
}

// A peak group as the table builds it, with the companions 阿明, Hua and A%dB (a prefix that
// holds a printf conversion, taken as it stands).
class PeakLoadTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
        table.LoadSettings();  // no settings: the data folder is the temporary folder
        table.SetServices(WindowServices{.messageBox = &box});
        group.Init(dir.file("峰嵐錄.txt"), &table, dir.file("山"));
        AddMates(group, {"阿明", "Hua", "A%dB"});
    }
    QString Fixture(const char* name) const
    {
        return QStringLiteral(TALVANE_TEST_DATA "/talvane/%1/%2").arg(GetParam(), QString::fromUtf8(name));
    }
    const TalvaneItemRecord* Load(const char* name)
    {
        if (!group.LoadItemFile(Fixture(name), platform::FileTime{1}))
            return nullptr;
        return group.Record(group.ItemCount() - 1);
    }

    TempDir dir;
    CGroupTable table;
    FakeMessageBox box;
    CGroupTalvane group;
};

INSTANTIATE_TEST_SUITE_P(Encodings, PeakLoadTest, ::testing::Values("utf16le", "cp950"));

TEST_P(PeakLoadTest, EveryFieldOfTheRecord)
{
    const TalvaneItemRecord* r = Load("full.txt");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(QStringList({FieldText(r->path), FieldText(r->Name), FieldText(r->Name2), FieldText(r->Stone),
                           FieldText(r->Stone2), FieldText(r->Stone3), FieldText(r->StoneAlias),
                           FieldText(r->StoneAlias2), FieldText(r->StoneAlias3), FieldText(r->StoneStatus),
                           FieldText(r->StoneStatus2), FieldText(r->StoneStatus3), FieldText(r->Region),
                           FieldText(r->Waypoint)}),
              QStringList({Fixture("full.txt"), "玉山", "新高山", "1", "2", "3", "一等", "二等", "三等", "良好",
                           "遺失", "不明", "南投,嘉義", "YUSHAN"}));
    EXPECT_EQ(r->Height, 3952);
    EXPECT_EQ(r->IgnoreVisit, 1);
    EXPECT_DOUBLE_EQ(r->Longitude, 120.957222);
    EXPECT_DOUBLE_EQ(r->Attitude, 23.47);
    EXPECT_EQ(group.MaxVisits(), 3);
    const TalvaneItemRecord* gap = Load("visit_gap.txt");
    ASSERT_NE(gap, nullptr);
    EXPECT_EQ(gap->Height, 0) << "Height=abc";
    EXPECT_EQ(gap->Longitude, 0.0);
    EXPECT_EQ(gap->Attitude, 0.0);
}

TEST_P(PeakLoadTest, CodeListsFromTheirNumberedKeysAndTheGapMessage)
{
    struct Case {
        std::string file;
        Codes visits, atlas, mates;
        const char* reported;  // the peak named in the message; null: no message
    };
    Codes thirtyVolumes;  // (三十001) … (一001), descending
    for (int volume = 30; volume >= 1; --volume)
        thirtyVolumes.push_back(volume * 1000 - 1);
    Codes cap;  // 阿明's 25 years, newest first, then Hua's first five days
    for (int year = 114; year >= 90; --year)
        cap.push_back(year * 10000 + 101);
    for (int day = 5; day >= 1; --day)
        cap.push_back(10000000 + 810100 + day);
    std::vector<Case> cases = {
        // BlueSky (十五012) and (十五045), then Quill 十五045 and 三001, each run descending;
        // 阿明 (companion 0) 101/3/4 and 101/1/2; Hua 108/5/3; A%dB 108/5/ with day 0.
        {"full.txt", List({7, 5, 3}), List({14988, 14955, 114955, 102999}),
         List({1010304, 1010102, 11080503, 21080500}), nullptr},
        {"visit_gap.txt", List({3}), List({}), List({}), nullptr},
        {"atlas_bad_first.txt", List({}), List({114955, 102999}), List({}), nullptr},
        {"atlas_full.txt", List({}), thirtyVolumes, List({}), nullptr},
        {"mate_missing_first.txt", List({}), List({}), List({11080503}), nullptr},
        {"mate_edge.txt", List({}), List({}), List({9999999, 1080500, 10820101}), nullptr},
        {"mate_cap.txt", List({}), List({}), cap, nullptr},
        {"mate_gap.txt", List({12}), List({}), List({1010304, 1010102, 11080503}), "北大%1武%山"},
    };
    // 1500/1/1 (year -411), month 100, day 100, 1911/1/1 (year 0), day -3, 2911/1/1 (year
    // 1000), no date: each a gap that 109/1/1 follows.
    for (int k = 0; k < 7; ++k)
        cases.push_back({"mate_bad_" + std::to_string(k) + ".txt", List({}), List({}), List({1080503}), "嘉明湖"});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        box.shown.clear();
        const TalvaneItemRecord* r = Load(c.file.c_str());
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(ListOf(r->Visits), c.visits);
        EXPECT_EQ(ListOf(r->AtlasRefs), c.atlas);
        EXPECT_EQ(ListOf(r->MateVisits), c.mates);
        ASSERT_EQ(box.shown.size(), c.reported ? 1 : 0);
        if (c.reported) {
            EXPECT_EQ(box.shown[0].text, QStringLiteral("山岳[%1]造訪資料有誤！").arg(QString::fromUtf8(c.reported)));
            EXPECT_EQ(box.shown[0].icon, MessageIcon::Exclamation);
            EXPECT_EQ(box.shown[0].buttons, MessageButtons::Ok);
        }
    }
}

TEST_P(PeakLoadTest, AFileWithoutANameIsNoPeak)
{
    for (const char* file : {"no_name.txt", "other_section.txt", "missing.txt"})
        EXPECT_EQ(Load(file), nullptr) << file;
    EXPECT_EQ(group.ItemCount(), 0);
}

TEST_P(PeakLoadTest, WithoutMessageBoxOrTableTheGapIsOnlySkipped)
{
    table.SetServices(WindowServices{});
    ASSERT_NE(Load("mate_gap.txt"), nullptr);
    CGroupTalvane alone;  // never initialised: no table
    AddMates(alone, {"阿明"});
    ASSERT_TRUE(alone.LoadItemFile(Fixture("mate_gap.txt"), platform::FileTime{1}));
    EXPECT_EQ(ListOf(alone.Record(0)->MateVisits), List({1010304, 1010102}));
    EXPECT_TRUE(box.shown.isEmpty());
}

// --- the item cache and refused paths --------------------------------------------------------

class PeakCacheTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
        table.LoadSettings();
        file = dir.file(QStringLiteral("山/玉山.txt"));
        QDir().mkpath(dir.file(QStringLiteral("山")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(TALVANE_TEST_DATA "/talvane/utf16le/full.txt"), file));
        // The cache's record of the file differs from it in its name and its four visits.
        TalvaneItemRecord cached{}, other{};
        SetFieldText(cached.path, file);
        SetFieldText(cached.Name, QStringLiteral("玉山(快取)"));
        const int32_t visits[] = {40, 30, 20, 10};
        std::copy(std::begin(visits), std::end(visits), cached.Visits);
        SetFieldText(other.path, dir.file(QStringLiteral("山/雪山.txt")));
        other.Visits[0] = 1;
        const QString cache = dir.write(QStringLiteral("~~Talvane.bin"), CacheBytes<TalvaneItemRecord>({other, cached}));
        platform::SetFileWriteTime(cache, At(2000));
    }
    static platform::FileTime At(qint64 seconds) { return {seconds * platform::FileTime::kNsPerSecond}; }

    TempDir dir;
    CGroupTable table;
    QString file;
};

TEST_F(PeakCacheTest, OnlyACacheNewerThanTheFileStandsForIt)
{
    CGroupTalvane group;
    ASSERT_TRUE(group.LoadItemFile(file, At(1999)));
    EXPECT_EQ(FieldText(group.Record(0)->Name), "玉山(快取)");
    EXPECT_EQ(group.MaxVisits(), 4) << "the cached record's visits count";
    EXPECT_EQ(group.NewestFileTime(), At(1999));

    CGroupTalvane newer;
    ASSERT_TRUE(newer.LoadItemFile(file, At(2001)));
    EXPECT_EQ(FieldText(newer.Record(0)->Name), "玉山");
    EXPECT_EQ(ListOf(newer.Record(0)->Visits), List({7, 5, 3}));
    EXPECT_EQ(newer.MaxVisits(), 3);
    ASSERT_TRUE(newer.LoadItemFile(file, At(1500)));
    EXPECT_EQ(newer.NewestFileTime(), At(2001)) << "an older file leaves the newest time";

    CGroupTalvane folderless;  // a folder without files takes every cached record
    EXPECT_TRUE(folderless.TakeCachedItem(0));
    EXPECT_EQ(folderless.MaxVisits(), 1);
    EXPECT_TRUE(folderless.TakeCachedItem(1));
    EXPECT_EQ(folderless.MaxVisits(), 4);
    EXPECT_FALSE(folderless.TakeCachedItem(2));
    EXPECT_EQ(folderless.ItemCount(), 2);
}

TEST_F(PeakCacheTest, ThePeakGroupIsTheTablesFirstClassAndItsFallback)
{
    dir.write(QStringLiteral("峰嵐錄.txt"),
              Utf16LeWithBom(QStringLiteral("[DataGroup]\r\nGroup1=山\r\nGroup2=空\r\nGroup3=無\r\n")));
    QDir().mkpath(dir.file(QStringLiteral("空")));
    QDir().mkpath(dir.file(QStringLiteral("無")));
    table.LoadSettings();  // the table tries the program's own group classes
    auto* peaks = dynamic_cast<CGroupTalvane*>(table.GetGroup(0, nullptr));
    ASSERT_NE(peaks, nullptr);
    EXPECT_EQ(QStringList({peaks->Key(), peaks->DisplayName(), peaks->RelatedKey()}),
              QStringList({"Talvane", "山", "Stone"}));
    EXPECT_EQ(peaks->ItemCount(), 1);
    // Folders without item files: the second entry falls back to survey stones, the third to
    // old trails; never to peaks again.
    ASSERT_NE(table.GetGroup(1, nullptr), nullptr);
    EXPECT_EQ(table.GetGroup(1, nullptr)->Key(), "Stone");
    ASSERT_NE(table.GetGroup(2, nullptr), nullptr);
    EXPECT_EQ(table.GetGroup(2, nullptr)->Key(), "OldTrail");
}

TEST_F(PeakCacheTest, APathLongerThanThePathFieldIsRefused)
{
    const QString folder = dir.file(QString(TalvaneItemRecord::kPathWidth / 2, u'x'));
    const QString tooLong = folder + QLatin1Char('/') + QString(TalvaneItemRecord::kPathWidth / 2, u'y');
    ASSERT_TRUE(QDir().mkpath(folder) && QFile::copy(file, tooLong));
    CGroupTalvane group;
    EXPECT_FALSE(group.LoadItemFile(tooLong, At(2001)));
    EXPECT_EQ(group.ItemCount(), 0);
    EXPECT_EQ(group.LongPathFiles(), QStringList({tooLong}));
}

} // namespace
