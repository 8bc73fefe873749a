// The survey-stone group's waypoint export into "~~TempST.gdb", read back by gpsbabel, the
// synchronisation of stone files (UTF-16LE and CP950) with the waypoints of the group's GPS
// file written by gpsbabel (tests/data/stones/make_fixtures.py), and locating a stone by the
// same waypoints.
#include "FakeDialogRunner.h"
#include "FakeItemList.h"
#include "FakeMainWindow.h"
#include "FakeMessageBox.h"
#include "FakeShell.h"
#include "GpsBabel.h"
#include "GpxTestSupport.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/stone/GroupStone.h"
#include "catalog/window/WindowServices.h"
#include "gps/GPSFileManager.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QFile>
#include <gtest/gtest.h>

#include <vector>

namespace {

class StoneExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = dir.copyTree(QStringLiteral(TALVANE_TEST_DATA "/stones/program"),
                            QStringLiteral("program"));
        platform::ClearProfileCache();
        platform::SetProgramFolder(root);
        table.LoadSettings();
        window.OpenThroughFormatManager();
        table.SetServices(WindowServices{.mainWindow = &window, .messageBox = &box,
                                         .dialogs = &dialogs, .shell = &shell});
        stones = dynamic_cast<CGroupStone*>(table.GetGroup(0, nullptr));
        ASSERT_NE(stones, nullptr);
        ASSERT_EQ(stones->ItemCount(), 7);
        for (int i = 0; i < stones->ItemCount(); ++i)
            original << ReadBytes(stones->ItemPath(i));
    }
    int Stone(const char* base) const
    {
        for (int i = 0; i < stones->ItemCount(); ++i)
            if (platform::BaseNameOf(stones->ItemPath(i)) == QString::fromUtf8(base))
                return i;
        ADD_FAILURE() << base;
        return -1;
    }
    quint32 Row(const char* base) const { return 60000u + quint32(Stone(base)); }
    FakeItemList* Rows(std::initializer_list<quint32> values)
    {
        list.rows.clear();
        for (quint32 value : values)
            list.rows.append(FakeItemList::Row{{QStringLiteral("row")}, value});
        return &list;
    }
    QString TempFile() const { return root + QStringLiteral("/~~TempST.gdb"); }
    QString Stored(const char* base, const char* key) const
    {
        return platform::GetProfileString(stones->ItemPath(Stone(base)), QStringLiteral("Stone"),
                                          QString::fromUtf8(key));
    }
    bool AllFilesAsBefore() const
    {
        for (int i = 0; i < stones->ItemCount(); ++i)
            if (ReadBytes(stones->ItemPath(i)) != original[i])
                return false;
        return true;
    }

    TempDir dir;
    QString root;
    FakeMainWindow window;
    FakeMessageBox box;
    FakeShell shell;
    FakeDialogRunner dialogs;
    FakeItemList list;
    CGroupTable table;
    CGroupStone* stones = nullptr;
    QList<QByteArray> original;
};

TEST_F(StoneExportTest, ExportsEachStoneOnceUnderItsNameDescriptionAndHeight)
{
    REQUIRE_GPSBABEL();
    // 合歡東 names 合歡山's waypoint; 石門山 is "Skip"; Guess takes the last of two; a peak row,
    // the separator value and 無點 (no waypoint) are passed over.
    ASSERT_TRUE(stones->ExportWaypoints(Rows({Row("a_hehuan"), Row("b_qilai"), 0u, Row("c_shimen"),
                                              Row("d_nanhu"), Row("e_dup"), Row("f_guess"),
                                              Row("g_none"), 80000u})));
    EXPECT_EQ(window.openedGpsFiles, QStringList{root + u"/data/gps/基石.gdb"_qs});
    EXPECT_EQ(box.ExclamationTexts(), QStringList{u"航點[HEHUAN]重複使用(合歡東,合歡山)！"_qs});
    EXPECT_EQ(shell.opened, QStringList{TempFile()});
    struct Expected {
        QString name;
        double latitude, longitude, altitude;
        QString comment;
    };
    const std::vector<Expected> expected{
        {u"合歡山"_qs, 24.1372, 121.2712, 3417, u"合歡山，3417m，三等6016"_qs},
        {u"奇萊北峰"_qs, 24.1553, 121.3206, 3607, u"奇萊北峰，3607m，一等1"_qs},
        {u"南湖"_qs, 24.3625, 121.4392, 3742, u"南湖，3742m，一等2"_qs},
        {u"Guess"_qs, 24.2, 121.2, 100, u"Guess，100m，森林5"_qs},
    };
    GpxContent content;
    ASSERT_TRUE(GpsbabelReading(TempFile(), &content, QStringLiteral("gdb")));
    ASSERT_EQ(content.waypoints.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name.toStdString());
        const GpxWaypoint& p = content.waypoints[i];
        EXPECT_EQ(p.name, expected[i].name);
        EXPECT_NEAR(p.position.lat, expected[i].latitude, 1e-6);
        EXPECT_NEAR(p.position.lon, expected[i].longitude, 1e-6);
        EXPECT_DOUBLE_EQ(p.position.ele.value_or(0), expected[i].altitude);
        EXPECT_EQ(p.desc, expected[i].comment);
    }
}

// A third stone on 合歡山's waypoint is reported against each of the two before it.
TEST_F(StoneExportTest, AThirdStoneOnAWaypointIsReportedOnceForEachEarlierOne)
{
    REQUIRE_GPSBABEL();
    ASSERT_TRUE(platform::WriteProfileString(root + u"/data/Mapping.txt"_qs, u"GPS"_qs, u"b_qilai"_qs,
                                             u"HEHUAN"_qs));
    ASSERT_TRUE(stones->ExportWaypoints(Rows({Row("a_hehuan"), Row("e_dup"), Row("b_qilai")})));
    EXPECT_EQ(box.ExclamationTexts(), (QStringList{u"航點[HEHUAN]重複使用(合歡東,合歡山)！"_qs,
                                                   u"航點[HEHUAN]重複使用(奇萊北峰,合歡山)！"_qs,
                                                   u"航點[HEHUAN]重複使用(奇萊北峰,合歡東)！"_qs}));
    GpxContent content;
    ASSERT_TRUE(GpsbabelReading(TempFile(), &content, QStringLiteral("gdb")));
    ASSERT_EQ(content.waypoints.size(), 1u);
    EXPECT_EQ(content.waypoints[0].name, u"合歡山"_qs);
}

TEST_F(StoneExportTest, NothingSavedOrOpenedWithoutAPair)
{
    EXPECT_FALSE(stones->ExportWaypoints(Rows({})));
    EXPECT_FALSE(stones->ExportWaypoints(nullptr));
    EXPECT_TRUE(stones->ExportWaypoints(Rows({Row("c_shimen"), Row("g_none"), 0u})));
    EXPECT_FALSE(QFile::exists(TempFile()));
    EXPECT_TRUE(shell.opened.isEmpty());
}

TEST_F(StoneExportTest, SyncWritesNothingUnlessEveryStoneRowIsDecided)
{
    struct Case {
        const char* what;
        std::vector<const char*> stones;
    };
    for (const Case& c : {Case{"a stone without waypoint", {"a_hehuan", "c_shimen", "g_none"}},
                          Case{"a guess of two", {"a_hehuan", "f_guess"}},
                          Case{"only skipped", {"c_shimen"}}}) {
        SCOPED_TRACE(c.what);
        Rows({});
        for (const char* base : c.stones)
            list.rows.append(FakeItemList::Row{{QStringLiteral("row")}, Row(base)});
        EXPECT_TRUE(stones->SyncWaypoints(&list));
        EXPECT_TRUE(AllFilesAsBefore());
    }
    EXPECT_FALSE(stones->SyncWaypoints(Rows({})));
}

TEST_F(StoneExportTest, SyncWritesWhatDiffersUnderTheStoneSection)
{
    // A row that names no stone does not stop the write.
    ASSERT_TRUE(stones->SyncWaypoints(Rows({Row("a_hehuan"), Row("b_qilai"), Row("c_shimen"),
                                            Row("d_nanhu"), 0u})));
    platform::ClearProfileCache();
    EXPECT_EQ(ReadBytes(stones->ItemPath(Stone("a_hehuan"))), original[Stone("a_hehuan")])
        << "name and coordinates as they stand";
    EXPECT_EQ(ReadBytes(stones->ItemPath(Stone("c_shimen"))), original[Stone("c_shimen")]);
    struct Written {
        const char* base;
        const char16_t* waypoint;
        const char* longitude;
        const char* latitude;
    };
    for (const Written& w : {Written{"b_qilai", u"QILAI", "121.320600", "24.155300"},
                             Written{"d_nanhu", u"南湖2", "121.439200", "24.362500"}}) {
        SCOPED_TRACE(w.base);
        EXPECT_EQ(Stored(w.base, "Waypoint"), QString::fromUtf16(w.waypoint));
        EXPECT_EQ(Stored(w.base, "Longitude"), QString::fromUtf8(w.longitude));
        EXPECT_EQ(Stored(w.base, "Attitude"), QString::fromUtf8(w.latitude));
        const StoneItemRecord* r = stones->Record(Stone(w.base));
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(FieldText(r->Waypoint), QString::fromUtf16(w.waypoint));
        EXPECT_NEAR(r->Longitude, QString::fromUtf8(w.longitude).toDouble(), 1e-6);
        EXPECT_NEAR(r->Attitude, QString::fromUtf8(w.latitude).toDouble(), 1e-6);
    }
    // The CP950 file stays CP950: its new lines are plain ASCII after its own.
    const QByteArray qilai = ReadBytes(stones->ItemPath(Stone("b_qilai")));
    EXPECT_TRUE(qilai.startsWith(original[Stone("b_qilai")]));
    EXPECT_FALSE(qilai.startsWith("\xFF\xFE"));
}

// 地圖定位... takes a stone's own waypoint or its Mapping.txt entry; a place name finds nothing,
// neither 南湖's only free 南湖2 nor, for 石門山 mapped to "Skip", the free 石門山1: the picker
// is asked for those and nothing is handed to the shell.
TEST_F(StoneExportTest, LocatingTakesTheOwnWaypointOrTheMappingOnly)
{
    REQUIRE_GPSBABEL();
    ASSERT_TRUE(platform::WriteProfileString(root + u"/Local.txt"_qs, u"GPS"_qs,
                                             u"AllWPFile_Stone"_qs, u"data/gps/基石.gdb"_qs));
    struct Case {
        const char* base;
        const char16_t* located;  // null: the picker is asked
    };
    for (const Case& c : {Case{"a_hehuan", u"HEHUAN"}, Case{"b_qilai", u"QILAI"},
                          Case{"c_shimen", nullptr}, Case{"d_nanhu", nullptr}}) {
        SCOPED_TRACE(c.base);
        dialogs.waypointPicks.clear();
        shell.opened.clear();
        EXPECT_TRUE(stones->LocateRow(Rows({Row(c.base)}), 0, 0, false));
        if (!c.located) {
            ASSERT_EQ(dialogs.waypointPicks.size(), 1);
            EXPECT_EQ(dialogs.waypointPicks.first().item, Stone(c.base));
            EXPECT_TRUE(shell.opened.isEmpty());
            continue;
        }
        EXPECT_TRUE(dialogs.waypointPicks.isEmpty());
        ASSERT_EQ(shell.opened, QStringList{root + u"/~~TempWP.gdb"_qs});
        GpxContent content;
        ASSERT_TRUE(GpsbabelReading(shell.opened.first(), &content, QStringLiteral("gdb")));
        ASSERT_EQ(content.waypoints.size(), 1u);
        EXPECT_EQ(content.waypoints[0].name, QString::fromUtf16(c.located));
    }
}

} // namespace
