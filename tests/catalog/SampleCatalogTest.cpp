// The bundled sample catalog read through the group table: settings, cached counts that agree
// with the folders, every item file loadable by the class its folder gets, the owner's pages
// (walk index, the two atlases' indexes, companions' trips) naming what the item files refer to,
// and the groups' all-in-one GPS files holding every item's waypoint or track.
#include "catalog/GroupTable.h"

#include "FakeItemList.h"
#include "FakeListBox.h"
#include "FakeMainWindow.h"
#include "GpsBabel.h"
#include "GpxTestSupport.h"
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
#include "catalog/window/WindowServices.h"
#include "gps/GPSAngle.h"
#include "gps/GPSFileManager.h"
#include "gps/GPSText.h"
#include "gps/GPSTrackSet.h"
#include "gps/GPSWayPointSet.h"
#include "platform/DirList.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// The stone group's waypoint name is its file's Waypoint key; it gives no item names, so a stone
// is found by its own waypoint or its Mapping.txt entry.
class SampleStoneGroup : public TestGroup<StoneItemRecord> {
public:
    SampleStoneGroup() : TestGroup<StoneItemRecord>("Stone", "基石", "Stone") {}
    bool GetItemWaypointName(int item, QString* text) override
    {
        *text = platform::GetProfileString(ItemPath(item), Key(), QStringLiteral("Waypoint"));
        return false;
    }
};

class SampleCatalogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        DisplayNameConversions::Program().Reset();
        platform::SetProgramFolder(dir.copyTree(QStringLiteral(TALVANE_SAMPLE_DIR), QStringLiteral("bin")));
        table.SetGroupClasses({
            {[] { return std::make_unique<CGroupTalvane>(); }, 0},
            {[] { return std::make_unique<SampleStoneGroup>(); }, 1},
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
    EXPECT_EQ(list.texts, QStringList({"山 (51)", "基石 (20)", "古道 (4)"}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(platform::FindFiles(table.GroupFolder(i), QStringLiteral("*.txt")).size(),
                  table.CachedItemCount(i))
            << table.FolderName(i).toStdString();
    EXPECT_EQ(table.LevelCount(), 5);
}

TEST_F(SampleCatalogTest, EveryItemFileLoadsIntoTheGroupOfItsFolder)
{
    // Every file of 山 (51), 基石 (20) and 古道 (4) is an item.
    const QStringList keys = {"Talvane", "Stone", "OldTrail"};
    const int items[] = {51, 20, 4};
    for (int i = 0; i < 3; ++i) {
        CGroupBase* g = table.GetGroup(i, nullptr);
        ASSERT_NE(g, nullptr) << i;
        EXPECT_EQ(g->Key(), keys[i]);
        EXPECT_EQ(g->ItemCount(), items[i]) << keys[i].toStdString();
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

// The 玉山 group at its published heights and WGS84 positions: every peak within 0.05 degree of
// 主峰, each file read alike whether saved as UTF-16LE with a byte-order mark or in Big5; and the
// two real 石門山, both named exactly so (合歡山's in 南投縣, the small one in 桃園市).
TEST_F(SampleCatalogTest, TheYushanGroupAndBothShimenshan)
{
    auto* peaks = static_cast<CGroupTalvane*>(table.GetGroup(0, nullptr));
    ASSERT_NE(peaks, nullptr);
    const auto find = [peaks](const char* file) -> const TalvaneItemRecord* {
        for (int i = 0; i < peaks->ItemCount(); ++i)
            if (platform::BaseNameOf(peaks->ItemPath(i)) == QString::fromUtf8(file))
                return peaks->Record(i);
        return nullptr;
    };
    const struct {
        const char* file;
        const char* name;
        int height;
        const char* region;
        bool big5;
    } group[] = {
        {"玉山主峰", "玉山", 3952, "南投縣", false},      {"玉山北峰", "玉山北峰", 3858, "南投縣", false},
        {"玉山東峰", "玉山東峰", 3869, "南投縣", false},  {"玉山南峰", "玉山南峰", 3844, "高雄市", false},
        {"玉山西峰", "玉山西峰", 3518, "嘉義縣", true},   {"玉山前峰", "玉山前峰", 3239, "嘉義縣", false},
        {"玉山北北峰", "玉山北北峰", 3833, "南投縣", false}, {"東小南山", "東小南山", 3744, "高雄市", false},
        {"小南山", "小南山", 3582, "高雄市", false},
    };
    const TalvaneItemRecord* main = find("玉山主峰");
    ASSERT_NE(main, nullptr);
    for (const auto& peak : group) {
        SCOPED_TRACE(peak.file);
        const TalvaneItemRecord* r = find(peak.file);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(FieldText(r->Name), QString::fromUtf8(peak.name));
        EXPECT_EQ(r->Height, peak.height);
        EXPECT_TRUE(FieldText(r->Region).contains(QString::fromUtf8(peak.region)));
        EXPECT_LE(std::hypot(r->Longitude - main->Longitude, r->Attitude - main->Attitude), 0.05);
        const QByteArray bytes = ReadBytes(peaks->ItemPath(int(r - peaks->Record(0))));
        EXPECT_EQ(bytes.startsWith("\xff\xfe"), !peak.big5);
    }

    const struct {
        const char* file;
        int height;
        const char* region;
    } shimen[] = {{"石門山", 3237, "南投縣"}, {"石門山桃園", 551, "桃園市"}};
    for (const auto& peak : shimen) {
        SCOPED_TRACE(peak.file);
        const TalvaneItemRecord* r = find(peak.file);
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(FieldText(r->Name), QString::fromUtf8("石門山"));
        EXPECT_EQ(FieldText(r->Name2), QString());
        EXPECT_EQ(r->Height, peak.height);
        EXPECT_TRUE(FieldText(r->Region).contains(QString::fromUtf8(peak.region)));
    }
}

// [Fuzzy] of the settings, as the INI reader hands it out: the separators keep the space inside
// the value and hold both commas, 、 and both kinds of parentheses; the name pairs come two by two,
// 台 and 臺 partners.
TEST_F(SampleCatalogTest, FuzzySettingsKeepTheSpaceAndPairTheCharacters)
{
    const QString separators = platform::GetProfileString(MainSettingsPath(), "Fuzzy", "Seperators");
    ASSERT_FALSE(separators.isEmpty());
    EXPECT_FALSE(separators.startsWith(QLatin1Char(' ')));
    EXPECT_FALSE(separators.endsWith(QLatin1Char(' ')));
    for (const char* c : {" ", "，", "、", ",", "(", ")", "（", "）"})
        EXPECT_TRUE(separators.contains(QString::fromUtf8(c))) << c;
    const QList<uint> pairs = platform::GetProfileString(MainSettingsPath(), "Fuzzy", "NamePairs").toUcs4();
    ASSERT_FALSE(pairs.isEmpty());
    EXPECT_EQ(pairs.size() % 2, 0);
    const qsizetype tai = pairs.indexOf(U'台');
    ASSERT_GE(tai, 0);
    EXPECT_EQ(tai % 2, 0);
    EXPECT_EQ(pairs.value(tai + 1), uint(U'臺'));
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

// The walk index page, as the script wrote it: walks 1 to 17 and 51 to 53 newest first, walk 1 an
// old row without a link, walks 6 and 13 linking to web pages, the others to the reports in
// data/walks/. Relative links take OnlineDir ("data\\") and so name the report beside the page
// from the program folder.
TEST_F(SampleCatalogTest, WalkIndexPageNamesEveryVisitedWalk)
{
    QList<int> walks;
    for (int walk = 1; walk <= 17; ++walk)
        walks << walk;
    walks << 51 << 52 << 53;
    const QString walkIndex = WalkIndexFile();
    EXPECT_EQ(walkIndex, platform::JoinPath(platform::ProgramFolder(), QStringLiteral("data/walk2.htm")));
    const QString onlineDir = platform::GetProfileString(MainSettingsPath(), "Template", "OnlineDir");
    EXPECT_EQ(onlineDir, QStringLiteral("data\\"));
    WalkIndex index;
    ASSERT_EQ(ReadHtmlTableRows(walkIndex, &index, onlineDir), walks.size());
    EXPECT_EQ(index.highestWalk, 53);

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
        {52, "武陵二日：桃山、池有山", "data\\walks/w52.htm", "2025/10/4"},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(index.Holds(row.walk)) << row.walk;
        EXPECT_EQ(index.titles[row.walk], QString::fromUtf8(row.title)) << row.walk;
        EXPECT_EQ(index.links[row.walk], QString::fromUtf8(row.link)) << row.walk;
        EXPECT_EQ(index.dates[row.walk], QString::fromUtf8(row.date)) << row.walk;
    }
    for (int walk : walks) {
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
                EXPECT_TRUE(walks.contains(walk)) << item.name.toStdString() << " " << walk;
            }
        }
    }
}

// The atlas references of the peaks find their pages: the BlueSky page (37 distinct pages, three
// of them named by no item, among them 向陽山's, which its file names old-style) and 岫禾圖集's index (12 entries in volume order, one named by no
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
    EXPECT_EQ(references, 42);
}

// The companions' trips: 阿凱 lists 10 (one without a peak) and 山羊 5, each with a link; Wendy's file lists none. Of the
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
    } mates[] = {{10, 14, 11}, {5, 9, 6}, {0, 9, 0}};
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

// The groups' all-in-one GPS files: GDB files that gpsbabel made from GPX files with the items'
// coordinates. Every peak and stone finds its waypoint by its own Waypoint key but four, which
// the files name otherwise: one found through Mapping.txt, one by base name (the peak's name with
// trailing digits), a stone with no name whose file names no waypoint and which has no mapping:
// nothing finds its waypoint (平頂, left for the owner to pick); and a peak whose waypoint the
// owner never saved into the GPS file.
using WaypointMatch = CGroupBase::WaypointMatch;

struct ExpectedWaypoint {
    QString name;
    WaypointMatch how = WaypointMatch::OwnName;
};

const struct {
    const char* itemFile;
    const char* waypoint;
    WaypointMatch how;
} kNamedOtherwise[] = {
    {"十八尖山", "新竹十八尖山", WaypointMatch::Mapping},
    {"五指山", "五指山1", WaypointMatch::SingleBaseName},
    {"圖根點平頂", "", WaypointMatch::None},
    {"大崙頭山", "", WaypointMatch::None},
};

// The point groups: position in the group list, section of the item files, the file the group
// reads by default ("!台灣的" + display name + ".gdb" in the data folder), and the waypoints
// that belong to no item (trailheads, huts and the stone 平頂 of 圖根點平頂); items whose waypoint
// nothing finds have none in the file.
const struct {
    int group;
    const char* section;
    const char* file;
    int items;
    int unfound;
    int unclaimed;
} kPointGroups[] = {
    {0, "Talvane", "!台灣的山.gdb", 51, 1, 9},
    {1, "Stone", "!台灣的基石.gdb", 20, 1, 3},
};

// The old-trail group's file: "!台灣的古道2.gdb" in the data folder.
const char* const kOldTrailFile = "!台灣的古道2.gdb";

ExpectedWaypoint ExpectedWaypointOf(const QString& itemPath, const QString& section)
{
    const QString base = platform::BaseNameOf(itemPath);
    for (const auto& other : kNamedOtherwise)
        if (base == QString::fromUtf8(other.itemFile))
            return {QString::fromUtf8(other.waypoint), other.how};
    return {platform::GetProfileString(itemPath, section, QStringLiteral("Waypoint")), WaypointMatch::OwnName};
}

struct Position {
    double longitude = 0, latitude = 0;
};

// The item file's Longitude and Attitude (latitude).
Position ItemPosition(const QString& itemPath, const QString& section)
{
    return {platform::GetProfileString(itemPath, section, QStringLiteral("Longitude")).toDouble(),
            platform::GetProfileString(itemPath, section, QStringLiteral("Attitude")).toDouble()};
}

Position PositionOf(const GPSWayPointRecordW& waypoint)
{
    return {GPSAngle::ToDegrees(waypoint.longitude), GPSAngle::ToDegrees(waypoint.latitude)};
}

double Distance(const Position& a, const Position& b)
{
    return std::hypot(a.longitude - b.longitude, a.latitude - b.latitude);
}

QString NameOf(const GPSWayPointRecordW& waypoint)
{
    return gps::FieldText(waypoint.name, GPSWayPointRecordW::kNameSize).toString();
}

// The sample's groups with a main window that opens GPS files through the program's format
// manager, as the main dialog does.
class SampleGpsFileTest : public SampleCatalogTest {
protected:
    void SetUp() override
    {
        SampleCatalogTest::SetUp();
        window.opener = [this](const QString& path) { return formats.OpenFile(path).release(); };
        WindowServices services;
        services.mainWindow = &window;
        table.SetServices(services);
    }

    QString DataFile(const char* name) const { return platform::JoinPath(DataFolder(), QString::fromUtf8(name)); }

    CGPSFileManager formats;
    FakeMainWindow window;
};

TEST_F(SampleGpsFileTest, EveryPeakAndStoneResolvesToItsWaypointAtItsCoordinates)
{
    // Mapping.txt as the owner's Windows machine writes it.
    EXPECT_TRUE(ReadBytes(DataFile("Mapping.txt")).startsWith("\xff\xfe"));
    for (const auto& g : kPointGroups) {
        SCOPED_TRACE(g.file);
        CGroupBase* group = table.GetGroup(g.group, nullptr);
        ASSERT_NE(group, nullptr);
        ASSERT_EQ(group->ItemCount(), g.items);
        ASSERT_NE(group->LoadWaypointFile(true), nullptr);
        EXPECT_EQ(window.openedGpsFiles.value(0), DataFile(g.file));
        const GPSWayPointSet* set = group->GetWaypointSet();
        ASSERT_EQ(set->count, g.items - g.unfound + g.unclaimed);
        int ownNames = 0;
        for (int i = 0; i < group->ItemCount(); ++i) {
            const QString path = group->ItemPath(i);
            SCOPED_TRACE(path.toStdString());
            const ExpectedWaypoint expected = ExpectedWaypointOf(path, QString::fromUtf8(g.section));
            const CGroupBase::ResolvedWaypoint found = group->ResolveWaypoint(i);
            EXPECT_EQ(found.how, expected.how);
            if (expected.name.isEmpty()) {
                EXPECT_EQ(found.index, -1);
                continue;
            }
            ASSERT_GE(found.index, 0);
            const GPSWayPointRecordW& waypoint = set->items[std::size_t(found.index)];
            EXPECT_EQ(NameOf(waypoint), expected.name);
            const Position item = ItemPosition(path, QString::fromUtf8(g.section));
            EXPECT_NEAR(PositionOf(waypoint).longitude, item.longitude, 1e-4);
            EXPECT_NEAR(PositionOf(waypoint).latitude, item.latitude, 1e-4);
            ownNames += expected.how == WaypointMatch::OwnName;
        }
        // Only waypoints that items name themselves are taken; the base-name look-up saw the rest.
        EXPECT_EQ(std::count(set->used.begin(), set->used.end(), 1), ownNames);
        window.openedGpsFiles.clear();
    }
}

// The trailheads and huts of the peaks' file lie near peaks, so that locating with neighbours
// (within 0.05 or 0.1 degree) shows them: 排雲山莊 within 0.05 of 玉山, 塔塔加登山口 only within 0.1.
// An item whose waypoint nothing finds counts at the position its file gives.
TEST_F(SampleGpsFileTest, WaypointsOfNoItemLieNearTheItems)
{
    for (const auto& g : kPointGroups) {
        SCOPED_TRACE(g.file);
        CGroupBase* group = table.GetGroup(g.group, nullptr);
        ASSERT_NE(group, nullptr);
        ASSERT_NE(group->LoadWaypointFile(true), nullptr);
        const GPSWayPointSet* set = group->GetWaypointSet();
        QList<Position> items;
        QList<bool> claimed(set->count, false);
        for (int i = 0; i < group->ItemCount(); ++i) {
            const int index = group->ResolveWaypoint(i).index;
            if (index < 0) {
                items << ItemPosition(group->ItemPath(i), group->Key());
                continue;
            }
            claimed[index] = true;
            items << PositionOf(set->items[std::size_t(index)]);
        }
        EXPECT_EQ(claimed.count(false), g.unclaimed);
        for (int w = 0; w < set->count; ++w) {
            if (claimed[w])
                continue;
            const Position p = PositionOf(set->items[std::size_t(w)]);
            const auto near = [&p](const Position& item) { return Distance(item, p) <= 0.1; };
            EXPECT_TRUE(std::any_of(items.begin(), items.end(), near)) << NameOf(set->items[std::size_t(w)]).toStdString();
        }
    }
    CGroupBase* peaks = table.GetGroup(0, nullptr);
    const GPSWayPointSet* set = peaks->GetWaypointSet();
    for (const char* name : {"YUSHAN", "排雲山莊", "塔塔加登山口"})
        ASSERT_GE(set->FindByName(QString::fromUtf8(name)), 0) << name;
    const auto at = [set](const char* name) {
        return PositionOf(set->items[std::size_t(set->FindByName(QString::fromUtf8(name)))]);
    };
    EXPECT_LE(Distance(at("YUSHAN"), at("排雲山莊")), 0.05);
    EXPECT_GT(Distance(at("YUSHAN"), at("塔塔加登山口")), 0.05);
    EXPECT_LE(Distance(at("YUSHAN"), at("塔塔加登山口")), 0.1);
}

// gpsbabel reads the same waypoints from the files as the program, in the same order; and, by
// its reading alone, each peak's and stone's designed waypoint lies at the item's coordinates.
TEST_F(SampleGpsFileTest, GpsbabelFindsEveryItemsWaypointAtItsCoordinates)
{
    REQUIRE_GPSBABEL();
    for (const auto& g : kPointGroups) {
        SCOPED_TRACE(g.file);
        GpxContent babel;
        ASSERT_TRUE(GpsbabelReading(DataFile(g.file), &babel, QStringLiteral("gdb")));
        ASSERT_EQ(std::ssize(babel.waypoints), g.items - g.unfound + g.unclaimed);
        const QList<platform::DirEntry> items = platform::FindFiles(table.GroupFolder(g.group), QStringLiteral("*.txt"));
        for (const platform::DirEntry& item : items) {
            SCOPED_TRACE(item.name.toStdString());
            const ExpectedWaypoint expected = ExpectedWaypointOf(item.path, QString::fromUtf8(g.section));
            if (expected.name.isEmpty())
                continue;
            const auto named = [&](const GpxWaypoint& w) { return w.name == expected.name; };
            ASSERT_EQ(std::count_if(babel.waypoints.begin(), babel.waypoints.end(), named), 1);
            const GpxWaypoint& waypoint = *std::find_if(babel.waypoints.begin(), babel.waypoints.end(), named);
            const Position position = ItemPosition(item.path, QString::fromUtf8(g.section));
            EXPECT_NEAR(waypoint.position.lon, position.longitude, 1e-4);
            EXPECT_NEAR(waypoint.position.lat, position.latitude, 1e-4);
        }

        std::unique_ptr<CGPSFile> file = formats.OpenFile(DataFile(g.file));
        ASSERT_TRUE(file);
        GPSWayPointSet set;
        set.Fill(std::move(file));
        ASSERT_EQ(set.count, std::ssize(babel.waypoints));
        for (int w = 0; w < set.count; ++w) {
            const GPSWayPointRecordW& ours = set.items[std::size_t(w)];
            const GpxWaypoint& theirs = babel.waypoints[std::size_t(w)];
            EXPECT_EQ(NameOf(ours), theirs.name) << w;
            EXPECT_EQ(gps::FieldText(ours.comment, GPSWayPointRecordW::kCommentSize).toString(), theirs.desc) << w;
            EXPECT_NEAR(PositionOf(ours).longitude, theirs.position.lon, 1e-6) << w;
            EXPECT_NEAR(PositionOf(ours).latitude, theirs.position.lat, 1e-6) << w;
            EXPECT_DOUBLE_EQ(ours.altitude, theirs.position.ele.value_or(0)) << w;
        }
    }
}

// The old-trail group's file holds the tracks of the old trails, each named by its item's Track
// key, but 錐麓古道's two, 錐麓古道1 and 錐麓古道2, which its file does not name (their base name
// is the trail's name), with a few points along the trail and the trailheads and huts whose
// descriptions tie them to it; the program and gpsbabel read the same tracks and points.
TEST_F(SampleGpsFileTest, EveryOldTrailHasItsTrack)
{
    std::unique_ptr<CGPSFile> file = formats.OpenFile(DataFile(kOldTrailFile));
    ASSERT_TRUE(file);
    const CGPSFile* gps = file.get();
    GPSTrackSet set;
    set.Fill(std::move(file));
    const QList<platform::DirEntry> items = platform::FindFiles(table.GroupFolder(2), QStringLiteral("*.txt"));
    ASSERT_EQ(items.size(), 4);
    ASSERT_EQ(set.trackCount, 5);
    int unnamed = 0;
    for (const platform::DirEntry& item : items) {
        const QString track = platform::GetProfileString(item.path, "OldTrail", "Track");
        SCOPED_TRACE(item.name.toStdString());
        QList<int> indexes;
        if (track.isEmpty()) {
            ++unnamed;
            const QString name = platform::GetProfileString(item.path, "OldTrail", "Name");
            EXPECT_EQ(name, QString::fromUtf8("錐麓古道"));
            EXPECT_LT(set.FindTrackByName(QString::fromUtf8("錐麓")), 0);
            for (const char* part : {"錐麓古道1", "錐麓古道2"})
                indexes << set.FindTrackByName(QString::fromUtf8(part));
            int matches = 0;
            EXPECT_EQ(set.FindTrackByBaseName(name, &matches), indexes.last());
            EXPECT_EQ(matches, 2);
        } else {
            indexes << set.FindTrackByName(track);
        }
        for (const int index : indexes) {
            ASSERT_GE(index, 0);
            EXPECT_GE(set.tracks[std::size_t(index)].pointCount, 3);
            int waypoints[GPSTrackSet::kMaxRelated];
            EXPECT_GE(set.FindWayPointsOfTrack(index, waypoints), 2);
            double longitude = 0, latitude = 0;
            ASSERT_TRUE(set.GetTrackCentre(index, &longitude, &latitude));
            EXPECT_TRUE(longitude > 120.0 && longitude < 122.1 && latitude > 21.8 && latitude < 25.4);
        }
    }
    EXPECT_EQ(unnamed, 1);

    REQUIRE_GPSBABEL();
    GpxContent babel;
    ASSERT_TRUE(GpsbabelReading(DataFile(kOldTrailFile), &babel, QStringLiteral("gdb")));
    ASSERT_EQ(std::ssize(babel.tracks), set.trackCount);
    EXPECT_EQ(std::ssize(babel.waypoints), set.waypointCount);
    for (int t = 0; t < set.trackCount; ++t) {
        const GpxTrack& theirs = babel.tracks[std::size_t(t)];
        SCOPED_TRACE(theirs.name.toStdString());
        EXPECT_EQ(gps::FieldText(set.tracks[std::size_t(t)].name, GPSTrackRecordW::kNameSize).toString(), theirs.name);
        GPSTrackPointList points;
        ASSERT_EQ(gps->GetTrackPoints(&points, t), 1);
        ASSERT_EQ(points.count, std::ssize(theirs.points));
        for (int p = 0; p < points.count; ++p) {
            const GpxPoint& point = theirs.points[std::size_t(p)];
            EXPECT_NEAR(GPSAngle::ToDegrees(points.points[p].longitude), point.lon, 1e-6);
            EXPECT_NEAR(GPSAngle::ToDegrees(points.points[p].latitude), point.lat, 1e-6);
            EXPECT_DOUBLE_EQ(points.points[p].altitude, point.ele.value_or(0));
        }
    }
}

// Each GDB file is what gpsbabel made of the committed GPX source beside the sample: the same
// waypoints and tracks (so a source edited without running the script shows here).
TEST_F(SampleGpsFileTest, GpsFilesHoldTheirCommittedSources)
{
    REQUIRE_GPSBABEL();
    const struct {
        const char* source;
        const char* file;
    } files[] = {{"山.gpx", "!台灣的山.gdb"}, {"基石.gpx", "!台灣的基石.gdb"}, {"古道.gpx", kOldTrailFile},
                 {"瀑布.gpx", "!台灣的瀑布.gdb"}};
    for (const auto& f : files) {
        SCOPED_TRACE(f.file);
        GpxContent source, babel;
        const QString sourcePath = platform::JoinPath(platform::ProgramFolder(), QStringLiteral("gps-source"),
                                                      QString::fromUtf8(f.source));
        ASSERT_TRUE(ParseGpxText(ReadBytes(sourcePath), &source));
        ASSERT_TRUE(GpsbabelReading(DataFile(f.file), &babel, QStringLiteral("gdb")));
        ASSERT_EQ(babel.waypoints.size(), source.waypoints.size());
        ASSERT_FALSE(source.waypoints.empty());
        for (std::size_t w = 0; w < source.waypoints.size(); ++w) {
            const GpxWaypoint& theirs = babel.waypoints[w];
            const GpxWaypoint& written = source.waypoints[w];
            EXPECT_EQ(theirs.name, written.name);
            EXPECT_EQ(theirs.desc, written.desc);
            EXPECT_NEAR(theirs.position.lon, written.position.lon, 1e-6);
            EXPECT_NEAR(theirs.position.lat, written.position.lat, 1e-6);
            EXPECT_DOUBLE_EQ(theirs.position.ele.value_or(0), written.position.ele.value_or(0));
        }
        ASSERT_EQ(babel.tracks.size(), source.tracks.size());
        for (std::size_t t = 0; t < source.tracks.size(); ++t) {
            EXPECT_EQ(babel.tracks[t].name, source.tracks[t].name);
            ASSERT_EQ(babel.tracks[t].points.size(), source.tracks[t].points.size());
            for (std::size_t p = 0; p < source.tracks[t].points.size(); ++p) {
                const GpxPoint& theirs = babel.tracks[t].points[p];
                EXPECT_NEAR(theirs.lon, source.tracks[t].points[p].lon, 1e-6);
                EXPECT_NEAR(theirs.lat, source.tracks[t].points[p].lat, 1e-6);
            }
        }
    }
}

} // namespace
