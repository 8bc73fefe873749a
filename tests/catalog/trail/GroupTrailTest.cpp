// The trail and old-trail groups on a program folder as the owner keeps it (written by
// tests/data/trails/make_fixtures.py): item files in UTF-16LE and CP950, the walk index and
// atlas pages, a peak group with its companions, all loaded through the group table.
#include "catalog/trail/GroupOldTrail.h"
#include "catalog/trail/GroupTrail.h"

#include "FakeDialogRunner.h"
#include "FakeItemList.h"
#include "FakePopupMenu.h"
#include "FakeShell.h"
#include "FakeStatusText.h"
#include "ItemCacheBytes.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/subsets/SubsetBase.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr int kPeakGroup = 0, kTrailGroup = 1, kOldTrailGroup = 2;
constexpr int kZhuilu = 0, kCaoling = 1, kLongNames = 2;
// Atlas codes: BlueSky 二十八045 and 二十八012, 岫禾 三101, and a page of a volume 31.
constexpr int kBlueSky28045 = 28 * 1000 - 45;
constexpr int kBlueSky28012 = 28 * 1000 - 12;
constexpr int kQuill3101 = 100000 + 3 * 1000 - 101;
constexpr int kVolume31 = 31 * 1000 - 5;
// Companion visit codes: companion 0 (阿明) and 1 (no file, no key prefix) on ROC 108/5/3.
constexpr int kAmingVisit = 1080503;
constexpr int kNamelessVisit = 10000000 + 1080503;

QByteArray Bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class TrailTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.copyTree(QStringLiteral(TALVANE_TEST_DATA "/trails/program"), QStringLiteral("program"));
        Open();
    }
    void Open()
    {
        platform::SetProgramFolder(root);
        platform::ClearProfileCache();
        table = std::make_unique<CGroupTable>();
        table->SetGroupClasses(ProgramGroupClasses());
        table->LoadSettings();
        table->SetServices(WindowServices{.popupMenu = &menu, .dialogs = &dialogs, .shell = &shell});
        trails = dynamic_cast<CGroupTrail*>(table->GetGroup(kTrailGroup, nullptr));
        ASSERT_NE(trails, nullptr);
    }
    // A list with one row per trail, as the group fills it.
    void Fill()
    {
        trails->SetupItemColumns(&list, nullptr);
        for (int i = 0; i < trails->ItemCount(); ++i)
            trails->InsertItemRow(&list, i, i);
    }
    QString Data(const QString& relative) const { return root + QStringLiteral("/data/") + relative; }

    TempDir dir;
    QString root;
    std::unique_ptr<CGroupTable> table;
    FakePopupMenu menu;
    FakeShell shell;
    FakeDialogRunner dialogs;
    FakeItemList list;
    CGroupTrail* trails = nullptr;
};

TEST_F(TrailTest, FactoryBuildsEachGroupByItsSection)
{
    EXPECT_EQ(trails->Key(), QStringLiteral("Trail"));
    EXPECT_EQ(trails->DisplayName(), QStringLiteral("步道"));
    EXPECT_EQ(dynamic_cast<CGroupOldTrail*>(trails), nullptr);
    auto* old = dynamic_cast<CGroupOldTrail*>(table->GetGroup(kOldTrailGroup, nullptr));
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->Key(), QStringLiteral("OldTrail"));
    EXPECT_EQ(old->DisplayName(), QStringLiteral("古道"));
    EXPECT_EQ(old->GpsKey(), QStringLiteral("AllOTFile"));
    EXPECT_EQ(old->DefaultGpsFile(), QStringLiteral("!台灣的古道2.gdb"));
    EXPECT_EQ(trails->GpsKey(), QStringLiteral("AllTLFile"));
    EXPECT_EQ(trails->DefaultGpsFile(), QStringLiteral("!台灣的步道2.gdb"));
}

TEST_F(TrailTest, LoadsEveryFieldFromUnicodeAndAnsiFiles)
{
    // c_noname.txt has no Name: three items of four files.
    ASSERT_EQ(trails->ItemCount(), 3);
    const TrailItemRecord* r = trails->Record(kZhuilu);
    EXPECT_EQ(FieldText(r->path), Data(QStringLiteral("步道/a_錐麓.txt")));
    EXPECT_EQ(FieldText(r->Name), QStringLiteral("錐麓古道"));
    EXPECT_EQ(FieldText(r->Name2), QStringLiteral("太魯閣"));
    EXPECT_EQ(r->Length, 10300);
    EXPECT_EQ(FieldText(r->Region), QStringLiteral("花蓮"));
    EXPECT_EQ(r->Visits[0], 1500);  // newest first
    EXPECT_EQ(r->Visits[1], 3);
    EXPECT_EQ(r->Visits[2], 0);
    EXPECT_EQ(r->AtlasRefs[0], kBlueSky28045);
    EXPECT_EQ(r->AtlasRefs[1], kQuill3101);
    EXPECT_EQ(r->AtlasRefs[2], 0);
    for (int k = 0; k < kMaxCodes; ++k)
        EXPECT_EQ(r->MateVisits[k], 0);
    EXPECT_EQ(FieldText(r->Track), QStringLiteral("錐麓古道1"));

    const TrailItemRecord* ansi = trails->Record(kCaoling);
    EXPECT_EQ(FieldText(ansi->Name), QStringLiteral("草嶺古道"));
    EXPECT_EQ(FieldText(ansi->Name2), QString());
    EXPECT_EQ(ansi->Length, 0);
    EXPECT_EQ(FieldText(ansi->Region), QStringLiteral("新北"));
    EXPECT_EQ(ansi->Visits[0], 0);
    EXPECT_EQ(ansi->MateVisits[0], 0);  // companion keys are not read for trails

    // Values longer than a field keep 15 code units and the closing 0.
    const TrailItemRecord* cut = trails->Record(kLongNames);
    EXPECT_EQ(FieldText(cut->Name), QStringLiteral("一二三四五六七八九十壹貳參肆伍"));
    EXPECT_EQ(FieldText(cut->Name2), QStringLiteral("甲乙丙丁戊己庚辛壬癸子丑寅卯辰"));
    EXPECT_EQ(FieldText(cut->Region), QStringLiteral("子丑寅卯辰巳午未申酉戌亥甲乙丙"));
    EXPECT_EQ(FieldText(cut->Track), QStringLiteral("ABCDEFGHIJKLMNO"));
    EXPECT_EQ(cut->Track[15], 0);
}

TEST_F(TrailTest, RescanSkipsAPathAlreadyLoadedInAnyCase)
{
    const QString path = trails->ItemPath(kZhuilu);
    EXPECT_FALSE(trails->AcceptItemFile(path.toUpper(), {}));
    EXPECT_FALSE(trails->AcceptItemFile(path, {}));
    EXPECT_EQ(trails->ItemCount(), 3);
    EXPECT_TRUE(trails->AcceptItemFile(Data(QStringLiteral("古道/a_八通關.txt")), {}));
    EXPECT_EQ(trails->ItemCount(), 3);  // an [OldTrail] file has no [Trail] Name
}

TEST_F(TrailTest, OldTrailCacheGivesBackEveryField)
{
    auto* old = dynamic_cast<CGroupOldTrail*>(table->GetGroup(kOldTrailGroup, nullptr));
    ASSERT_NE(old, nullptr);
    ASSERT_EQ(old->ItemCount(), 1);
    TrailItemRecord cached = *old->Record(0);
    EXPECT_EQ(FieldText(cached.Name), QStringLiteral("八通關古道"));
    EXPECT_EQ(cached.Length, 97000);
    EXPECT_EQ(cached.AtlasRefs[0], kQuill3101);
    // A companion visit never comes from the file: seeing it again proves the cache was read.
    cached.MateVisits[0] = kAmingVisit;
    QFile cache(Data(QStringLiteral("~~OldTrail.bin")));
    ASSERT_TRUE(cache.open(QIODevice::WriteOnly));
    cache.write(CacheBytes(QList<TrailItemRecord>{cached}));
    cache.close();

    Open();
    auto* again = dynamic_cast<CGroupOldTrail*>(table->GetGroup(kOldTrailGroup, nullptr));
    ASSERT_NE(again, nullptr);
    ASSERT_EQ(again->ItemCount(), 1);
    EXPECT_EQ(std::memcmp(again->Record(0), &cached, sizeof cached), 0);
    EXPECT_EQ(again->Record(0)->MateVisits[0], kAmingVisit);
}

TEST_F(TrailTest, InitAddsRegionsExpandedBySubstringThenNoRegionThenNotLocated)
{
    // [Trail] ExpandRegion "大北部及東部地區" holds 北部 and 東部 inside longer text. A region
    // subset is named "<region>的<group>".
    const QStringList expected = {
        QStringLiteral("北部"), QStringLiteral("台北"), QStringLiteral("新北"),
        QStringLiteral("基隆"), QStringLiteral("中部"), QStringLiteral("東部"),
        QStringLiteral("花蓮"), QStringLiteral("台東"),
    };
    ASSERT_EQ(trails->SubsetCount(), expected.size() + 2);
    for (int s = 0; s < expected.size(); ++s)
        EXPECT_EQ(trails->Subset(s)->DisplayName(), expected[s] + QStringLiteral("的步道")) << s;
    const auto expectLastTwo = [](CGroupBase* group) {
        const int n = group->SubsetCount();
        EXPECT_EQ(group->Subset(n - 2)->TypeCode(), CSubsetBase::kTypeNoRegion);
        EXPECT_EQ(group->Subset(n - 1)->TypeCode(), CSubsetBase::kTypeNoTrack);
        EXPECT_EQ(group->Subset(n - 1)->DisplayName(), QStringLiteral("尚未定位"));
        EXPECT_EQ(group->Subset(n - 1)->FolderCode(), CSubsetBase::kFolderBasic);
    };
    expectLastTwo(trails);
    // The old-trail group reads [OldTrail] ExpandRegion, which is not set: no members.
    CGroupBase* old = table->GetGroup(kOldTrailGroup, nullptr);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->SubsetCount(), 5);
    EXPECT_EQ(old->Subset(1)->DisplayName(), QStringLiteral("中部的古道"));
    expectLastTwo(old);
}

TEST_F(TrailTest, ColumnsRowsAndAssignRows)
{
    Fill();
    const QStringList columns = {QStringLiteral("名稱|160|L"), QStringLiteral("長度(m)|70|R"),
                                 QStringLiteral("地區|80|L"), QStringLiteral("已走|60|L"),
                                 QStringLiteral("已定位|60|L")};
    ASSERT_EQ(list.ColumnCount(), columns.size());
    for (int c = 0; c < columns.size(); ++c) {
        const auto& col = list.columns[c];
        EXPECT_EQ(col.title + QLatin1Char('|') + QString::number(col.width) + QLatin1Char('|')
                      + QLatin1Char(col.align == ColumnAlign::Right ? 'R' : 'L'),
                  columns[c]);
    }
    const QStringList rows[] = {
        {QStringLiteral("錐麓古道(太魯閣)"), QStringLiteral("10300"), QStringLiteral("花蓮"),
         QStringLiteral("V"), QStringLiteral("V")},
        {QStringLiteral("草嶺古道"), QString(), QStringLiteral("新北"), QString(), QString()},
    };
    for (int row = 0; row < 2; ++row) {
        EXPECT_EQ(list.RowData(row), quint32(row));
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(list.CellText(row, c), rows[row][c]) << row << "," << c;
    }

    FakeItemList assign;
    trails->SetupAssignColumns(&assign);
    ASSERT_EQ(assign.ColumnCount(), 4);
    EXPECT_EQ(assign.columns[3].title, QStringLiteral("已設定"));
    EXPECT_TRUE(trails->InsertItemRowEx(&assign, 0, kCaoling, true, true));
    EXPECT_TRUE(trails->InsertItemRowEx(&assign, 1, kZhuilu, true, false));
    EXPECT_EQ(assign.CellText(0, 3), QStringLiteral("V"));
    EXPECT_EQ(assign.CellText(1, 3), QString());  // visited, but not assigned
    EXPECT_EQ(assign.CellText(1, 4), QString());
    EXPECT_FALSE(trails->InsertItemRowEx(&assign, 2, 3, false, false));
    EXPECT_EQ(assign.RowCount(), 2);
}

TEST_F(TrailTest, TrailLineTable)
{
    const struct {
        int item;
        const char* line;
    } cases[] = {
        {kZhuilu, "錐麓古道(太魯閣), 長度10300m [花蓮]"},
        {kCaoling, "草嶺古道, 長度未知 [新北]"},
        {kLongNames, "一二三四五六七八九十壹貳參肆伍(甲乙丙丁戊己庚辛壬癸子丑寅卯辰), 長度12m [子丑寅卯辰巳午未申酉戌亥甲乙丙]"},
    };
    Fill();
    for (const auto& c : cases) {
        FakeStatusText status;
        EXPECT_TRUE(trails->ShowRowSummary(&status, &list, c.item));
        EXPECT_EQ(status.Text(), QString::fromUtf8(c.line));
        FakeStatusText described;
        DescribeTrail(&described, *trails->Record(c.item));
        EXPECT_EQ(described.Text(), QString::fromUtf8(c.line));
    }
    FakeStatusText none;
    EXPECT_FALSE(trails->ShowRowSummary(&none, &list, 3));
}

TEST_F(TrailTest, RecordMenuListsWalksAndAtlasPages)
{
    Fill();
    EXPECT_TRUE(trails->HasRecordLinks(&list, kZhuilu));
    EXPECT_FALSE(trails->HasRecordLinks(&list, kCaoling));
    ASSERT_TRUE(trails->PopupRecordMenu(&list, kZhuilu));
    ASSERT_EQ(menu.shown.size(), 1);
    EXPECT_EQ(menu.shown.last().delivery, MenuDelivery::ToOwner);
    // Walk 1500 is listed although the index page has only ten rows.
    EXPECT_EQ(menu.LastEntries(), (QStringList{
                                      QStringLiteral("2000 行旅客1500: 錐麓古道全段 [2015/10/31]"),
                                      QStringLiteral("2001 行旅客3: 錐麓斷崖 [2003/03/03]"),
                                      QStringLiteral("2100 藍天圖集(二十八045)錐麓斷崖"),
                                      QStringLiteral("2201 岫禾圖集(三101)北插天山"),
                                  }));
    EXPECT_TRUE(trails->PopupRecordMenu(&list, kCaoling));
    EXPECT_EQ(menu.shown.size(), 1);  // nothing to show
    EXPECT_FALSE(trails->PopupRecordMenu(&list, 7));
}

TEST_F(TrailTest, RecordLinksOpenOnlyCommandsOfTheMenu)
{
    Fill();
    const struct {
        int id;
        bool result;
        QString opened;
    } cases[] = {
        {2000, true, QStringLiteral("http://walks.example.org/report/w1500.htm")},
        {2001, true, QStringLiteral("http://walks.example.org/report/w3.htm")},
        {2002, false, QString()},
        {2100, true, root + QStringLiteral("/atlas/28-045.htm")},
        {2101, true, QString()},  // a 岫禾 code in a BlueSky slot
        {2102, false, QString()},
        {2200, true, QString()},  // a BlueSky code in a 岫禾 slot
        {2201, true, QStringLiteral("https://quill.example.tw/3-101")},
        {2202, false, QString()},
        {2250, false, QString()},
        {2300, false, QString()},
        {1999, false, QString()},
    };
    for (const auto& c : cases) {
        shell.opened.clear();
        EXPECT_EQ(trails->OpenRecordLink(&list, kZhuilu, c.id), c.result) << c.id;
        EXPECT_EQ(shell.opened, c.opened.isEmpty() ? QStringList() : QStringList{c.opened}) << c.id;
    }
}

TEST_F(TrailTest, EditOpensTheItemFileInTheEditor)
{
    Fill();
    EXPECT_TRUE(trails->EditItemFile(&list, kCaoling));
    EXPECT_EQ(shell.edited, QStringList{Data(QStringLiteral("步道/b_草嶺.txt"))});
    EXPECT_FALSE(trails->EditItemFile(&list, 9));
}

TEST_F(TrailTest, WritersKeepTheFileEncodingAndRefuseBadCodes)
{
    Fill();
    const QString unicodePath = trails->ItemPath(kZhuilu);
    EXPECT_TRUE(trails->AddVisit(&list, kZhuilu, 77));
    EXPECT_FALSE(trails->AddVisit(&list, kZhuilu, 77));
    EXPECT_EQ(trails->Record(kZhuilu)->Visits[2], 77);
    EXPECT_EQ(list.CellText(kZhuilu, 3), QStringLiteral("V"));
    const QByteArray bytes = Bytes(unicodePath);
    ASSERT_TRUE(bytes.startsWith("\xFF\xFE"));
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2),
                                            (bytes.size() - 2) / 2);
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nVisit3=77\r\n")));

    EXPECT_TRUE(trails->AddAtlasRef(&list, kZhuilu, kBlueSky28012));
    EXPECT_EQ(platform::GetProfileString(unicodePath, QStringLiteral("Trail"), QStringLiteral("BlueSky2")),
              QStringLiteral("(二十八012)"));
    EXPECT_EQ(trails->Record(kZhuilu)->AtlasRefs[2], kBlueSky28012);

    const QByteArray before = Bytes(unicodePath);
    EXPECT_FALSE(trails->AddAtlasRef(&list, kZhuilu, kVolume31));
    EXPECT_FALSE(trails->AddAtlasRef(&list, kZhuilu, kBlueSky28045));  // already held
    EXPECT_EQ(Bytes(unicodePath), before);
    EXPECT_EQ(trails->Record(kZhuilu)->AtlasRefs[3], 0);
}

TEST_F(TrailTest, CompanionVisitGoesUnderTheCompanionsFirstEmptyKey)
{
    Fill();
    const QString ansiPath = trails->ItemPath(kCaoling);
    // 阿明1 is taken in the file: the visit goes to 阿明2, and the file stays CP950.
    EXPECT_TRUE(trails->AddMateVisit(&list, kCaoling, kAmingVisit));
    EXPECT_EQ(trails->Record(kCaoling)->MateVisits[0], kAmingVisit);
    EXPECT_EQ(list.CellText(kCaoling, 3), QStringLiteral("V"));
    const QByteArray bytes = Bytes(ansiPath);
    EXPECT_FALSE(bytes.startsWith("\xFF\xFE"));
    QStringDecoder big5("windows-950");
    ASSERT_TRUE(big5.isValid());
    const QString text = big5.decode(bytes);
    EXPECT_TRUE(text.contains(QStringLiteral("阿明1=2019/5/3\r\n阿明2=108/5/3\r\n"))) << text.toStdString();

    // Held already; a companion without a key prefix: nothing written.
    const QByteArray after = Bytes(ansiPath);
    EXPECT_FALSE(trails->AddMateVisit(&list, kCaoling, kAmingVisit));
    EXPECT_FALSE(trails->AddMateVisit(&list, kCaoling, kNamelessVisit));
    EXPECT_FALSE(trails->AddMateVisit(&list, kCaoling, 5 * 10000000 + 1080503));  // no companion 5
    EXPECT_EQ(Bytes(ansiPath), after);
    EXPECT_EQ(trails->Record(kCaoling)->MateVisits[1], 0);
}

TEST_F(TrailTest, CountsAndJoins)
{
    EXPECT_EQ(trails->CountVisits(kZhuilu), 2);
    EXPECT_EQ(trails->CountVisits(-1), 1);
    EXPECT_EQ(trails->CountAtlasRefsOfKind(kZhuilu, 1), 1);
    EXPECT_EQ(trails->CountAtlasRefsOfKind(-1, 0), 1);
    EXPECT_EQ(trails->CountAtlasRefs(kZhuilu), 2);
    EXPECT_EQ(trails->CountAtlasRefs(5), 0);
    EXPECT_TRUE(trails->WasVisitedOn(kZhuilu, 1500));
    EXPECT_FALSE(trails->WasVisitedOn(kCaoling, 1500));
    EXPECT_TRUE(trails->HasAtlasRef(kZhuilu, kQuill3101));
    QString names = QStringLiteral("雪山");
    EXPECT_TRUE(trails->JoinNamesVisitedOn(3, &names));
    EXPECT_EQ(names, QStringLiteral("雪山,錐麓古道"));
    QString none;
    EXPECT_TRUE(trails->JoinNamesByAtlasRef(kBlueSky28012, &none));
    EXPECT_EQ(none, QString());
    EXPECT_TRUE(trails->JoinNamesByAtlasRef(kQuill3101, &none));
    EXPECT_EQ(none, QStringLiteral("錐麓古道"));
    QString region;
    EXPECT_TRUE(trails->GetItemRegion(kCaoling, &region));
    EXPECT_EQ(region, QStringLiteral("新北"));
}

TEST_F(TrailTest, FindDialogAndItemMenu)
{
    QString text = QStringLiteral("古道");
    EXPECT_TRUE(trails->RunFindDialog(nullptr, nullptr, &text, 0, 0));
    ASSERT_EQ(dialogs.finds.size(), 1);
    EXPECT_EQ(dialogs.finds[0].kind, FindDialogKind::Items);
    EXPECT_EQ(dialogs.finds[0].group, trails);
    EXPECT_EQ(dialogs.finds[0].searchText, text);
    EXPECT_FALSE(trails->RunFindDialog(nullptr, nullptr, &text, 12, 0));
    EXPECT_EQ(dialogs.finds[1].walkNumber, 12);
    dialogs.findResult.wroteAtlasRef = true;
    EXPECT_TRUE(trails->RunFindDialog(nullptr, nullptr, &text, 0, kQuill3101));
    EXPECT_EQ(dialogs.finds[2].atlasCode, kQuill3101);

    Fill();
    EXPECT_TRUE(trails->PopupItemMenu(&list, kZhuilu));
    EXPECT_EQ(menu.LastEntries(), (QStringList{
                                      QStringLiteral("1013 地圖定位..."),
                                      QStringLiteral("1046 地圖定位(5K)..."),
                                      QStringLiteral("1047 地圖定位(10K)..."),
                                      QStringLiteral("1065 Google地圖定位..."),
                                  }));
    for (int k : {0, 1, 2, 3, 5})
        EXPECT_TRUE(trails->HasFeature(k)) << k;
    for (int k : {4, 6, 7, 8, 9})
        EXPECT_FALSE(trails->HasFeature(k)) << k;
}

} // namespace
