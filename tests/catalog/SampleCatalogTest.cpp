// The bundled sample catalog read through the group table: settings, cached counts that agree
// with the folders, every item file loadable by the class its folder gets, and the owner's pages
// (walk index, the two atlases' indexes, companions' trips) naming what the item files refer to.
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
#include "catalog/text/AtlasRef.h"
#include "catalog/text/GuideEntry.h"
#include "catalog/text/HikingEntry.h"
#include "catalog/text/HtmlTableReader.h"
#include "catalog/text/LocalPages.h"
#include "catalog/text/TextParsers.h"
#include "platform/DirList.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QFileInfo>

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
    EXPECT_EQ(list.texts, QStringList({"山 (45)", "基石 (5)", "古道 (4)"}));
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
    EXPECT_EQ(visited, 29);
    ASSERT_TRUE(names.contains("七星山"));
    const TalvaneItemRecord* cising = peaks->Record(int(names.indexOf("七星山")));
    EXPECT_EQ(cising->Height, 1120);
    EXPECT_EQ(FieldText(cising->Region), "台北市");
    // Walks 1, 8 and 17 of the walk table, newest first.
    EXPECT_EQ(cising->Visits[0], 17);
    EXPECT_EQ(cising->Visits[1], 8);
    EXPECT_EQ(cising->Visits[2], 1);
    EXPECT_EQ(cising->Visits[3], 0);
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

// Every subset of the peak group whose rows do not depend on the day lists as many peaks as the
// sample's script, counting from its own peak data, wrote to Cache.txt; and each count there
// names such a subset, in the order the group builds them.
TEST_F(SampleCatalogTest, SubsetsFillTheCachedCounts)
{
    CGroupBase* peaks = table.GetGroup(0, nullptr);
    ASSERT_NE(peaks, nullptr);
    const QList<int> counted = {CSubsetBase::kTypeTitle,    CSubsetBase::kTypeRegion,   CSubsetBase::kTypeRegionSet,
                                CSubsetBase::kTypeTalvanes, CSubsetBase::kTypeSerial,   CSubsetBase::kTypeSameName,
                                CSubsetBase::kTypePostfix,  CSubsetBase::kTypeVisit};
    QStringList listed;
    for (int i = 0; i < peaks->SubsetCount(); ++i) {
        CSubsetBase* subset = peaks->Subset(i);
        if (!counted.contains(subset->TypeCode()))
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
    EXPECT_GE(listed.size(), 40);
    // Visits 0 to 3 all occur, so every visit subset up to 爬過3次的山 has a count.
    for (const char* name : {"待爬的山-大台北", "待爬的山", "爬過的山", "爬過1次的山", "爬過2次的山", "爬過3次的山"})
        EXPECT_TRUE(keys.contains(QString::fromUtf8(name))) << name;
}

// The walk index page, as the script wrote it: 17 walks newest first, walk 1 an old row without a
// link, walks 6 and 13 linking to web pages, the others to the reports in data/walks/. Relative
// links take OnlineDir ("data\\") and so name the report beside the page from the program folder.
TEST_F(SampleCatalogTest, WalkIndexPageNamesEveryVisitedWalk)
{
    constexpr int kWalks = 17;
    const QString walkIndex = WalkIndexFile();
    EXPECT_EQ(walkIndex, platform::JoinPath(platform::ProgramFolder(), QStringLiteral("data/walk2.htm")));
    const QString onlineDir = platform::GetProfileString(MainSettingsPath(), "Template", "OnlineDir");
    EXPECT_EQ(onlineDir, QStringLiteral("data\\"));
    WalkIndex index;
    ASSERT_EQ(ReadHtmlTableRows(walkIndex, &index, onlineDir), kWalks);
    EXPECT_EQ(index.highestWalk, kWalks);

    const struct {
        int walk;
        const char* title;
        const char* link; // after OnlineDir
        const char* date;
    } rows[] = {
        {1, "陽明山七星山主峰、東峰", "", "2015/1/18"},
        {4, "玉山主峰、東峰單攻", "data\\walks/w4.htm", "2016/4/9"},
        {6, "武陵四秀：品田山、池有山、桃山", "https://blog.example.com/2017/07/wuling.html", "2017/7/1"},
        {13, "嘉明湖、向陽山、三叉山", "https://blog.example.com/2021/11/jiaming-lake.html", "2021/11/6"},
        {17, "七星山、南港山、劍潭山", "data\\walks/w17.htm", "2025/3/15"},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(index.Holds(row.walk)) << row.walk;
        EXPECT_EQ(index.titles[row.walk], QString::fromUtf8(row.title)) << row.walk;
        EXPECT_EQ(index.links[row.walk], QString::fromUtf8(row.link)) << row.walk;
        EXPECT_EQ(index.dates[row.walk], QString::fromUtf8(row.date)) << row.walk;
    }
    for (int walk = 1; walk <= kWalks; ++walk) {
        ASSERT_TRUE(index.Holds(walk)) << walk;
        const QString& link = index.links[walk];
        if (!link.isEmpty() && !link.startsWith(QStringLiteral("http"))) {
            EXPECT_TRUE(QFileInfo::exists(platform::JoinPath(platform::ProgramFolder(), link))) << walk;
        }
    }
    // Every walk visit of every group names a walk of the page.
    for (int g = 0; g < 3; ++g) {
        for (const platform::DirEntry& item : platform::FindFiles(table.GroupFolder(g), QStringLiteral("*.txt"))) {
            const QString section = g == 0 ? "Talvane" : g == 1 ? "Stone" : "OldTrail";
            for (int k = 1;; ++k) {
                const int walk = platform::GetProfileInt(item.path, section, QString("Visit%1").arg(k), 0);
                if (walk == 0)
                    break;
                EXPECT_TRUE(walk >= 1 && walk <= kWalks) << item.name.toStdString() << " " << walk;
            }
        }
    }
}

// The atlas references of the peaks find their pages: the BlueSky page (37 distinct pages, two
// of them named by no item) and 岫禾圖集's index (12 entries in volume order, one named by no
// item), matched by volume ((code + 999) / 1000 mod 100) and page (1000 - code mod 1000).
TEST_F(SampleCatalogTest, AtlasIndexesHoldThePagesThePeaksName)
{
    const QList<GuideEntry> quill = ReadQuillAtlasFile(QuillAtlasFile());
    ASSERT_EQ(quill.size(), 12);
    EXPECT_EQ(quill[0].volumeText, QString::fromUtf8("三"));
    EXPECT_EQ(quill[0].volume, 3);
    EXPECT_EQ(quill[0].page, 19);
    EXPECT_EQ(quill[0].title, QString::fromUtf8("大霸尖山"));
    EXPECT_EQ(quill[0].link, QStringLiteral("https://quill.example.org/3-019.htm"));
    EXPECT_EQ(quill[11].volume, 17);
    EXPECT_EQ(quill[11].page, 40);
    EXPECT_EQ(quill[11].title, QString::fromUtf8("卑南主山"));
    EXPECT_EQ(quill[11].link, QStringLiteral("https://quill.example.org/17-040.htm"));

    QList<GuideEntry> bluesky;
    ASSERT_EQ(ReadHtmlTableCells(BlueSkyFile(), &bluesky), 37);
    // Highest volume first: 二十二040 北大武山; the page row without a link keeps its title.
    EXPECT_EQ(bluesky[0].volume, 22);
    EXPECT_EQ(bluesky[0].page, 40);
    EXPECT_EQ(bluesky[0].title, QString::fromUtf8("北大武山"));
    const auto noLink = std::find_if(bluesky.begin(), bluesky.end(), [](const GuideEntry& e) { return e.link.isEmpty(); });
    ASSERT_NE(noLink, bluesky.end());
    EXPECT_EQ(noLink->title, QString::fromUtf8("南湖東峰"));

    auto* peaks = static_cast<CGroupTalvane*>(table.GetGroup(0, nullptr));
    ASSERT_NE(peaks, nullptr);
    int references = 0;
    for (int i = 0; i < peaks->ItemCount(); ++i) {
        const TalvaneItemRecord* r = peaks->Record(i);
        for (int l = 0; l < 30 && r->AtlasRefs[l] != 0; ++l) {
            const int code = r->AtlasRefs[l];
            const QList<GuideEntry>& atlas = AtlasRefKind(code) == kAtlasKindQuill ? quill : bluesky;
            const bool found = std::any_of(atlas.begin(), atlas.end(), [code](const GuideEntry& e) {
                return e.volume == AtlasRefVolume(code) && e.page == AtlasRefPage(code);
            });
            EXPECT_TRUE(found) << FieldText(r->Name).toStdString() << " " << code;
            ++references;
        }
    }
    EXPECT_EQ(references, 43);
}

// The companions' trips: 阿凱 lists 9 and 山羊 5, each with a link; Wendy's file lists none. Of the
// peaks' visits of a companion those on a trip's day (ROC date from the trip's date text) find it:
// 11 of 阿凱's 14 and 6 of 山羊's 9.
TEST_F(SampleCatalogTest, CompanionTripsMatchTheirVisits)
{
    auto* peaks = static_cast<CGroupTalvane*>(table.GetGroup(0, nullptr));
    ASSERT_NE(peaks, nullptr);
    ASSERT_EQ(peaks->MateCount(), 3);
    const struct {
        int trips;
        int visits;
        int matched;
    } mates[] = {{9, 14, 11}, {5, 9, 6}, {0, 9, 0}};
    for (int m = 0; m < 3; ++m) {
        const HikingMate* mate = peaks->Mate(m);
        const QList<HikingEntry> trips = ReadNumberedKeyPairs(mate->path, mate->keyTitle + QStringLiteral("%d"),
                                                               mate->keyLink + QStringLiteral("%d"));
        ASSERT_EQ(trips.size(), mates[m].trips) << m;
        QList<int> days;
        for (const HikingEntry& trip : trips) {
            EXPECT_TRUE(trip.link.startsWith(QStringLiteral("https://"))) << trip.title.toStdString();
            int year = 0, month = 0, day = 0;
            ASSERT_TRUE(ParseDateText(trip.dateText, &year, &month, &day)) << trip.dateText.toStdString();
            days << (year + 1000 * m) * 10000 + month * 100 + day;
        }
        int visits = 0, matched = 0;
        for (int i = 0; i < peaks->ItemCount(); ++i) {
            const TalvaneItemRecord* r = peaks->Record(i);
            for (int l = 0; l < 30 && r->MateVisits[l] != 0; ++l) {
                if (r->MateVisits[l] / 10000000 != m)
                    continue;
                ++visits;
                matched += days.contains(r->MateVisits[l]);
            }
        }
        EXPECT_EQ(visits, mates[m].visits) << m;
        EXPECT_EQ(matched, mates[m].matched) << m;
    }
}

} // namespace
