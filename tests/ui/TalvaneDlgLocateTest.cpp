// The locate commands of the main dialog on the bundled sample, end to end: a peak row of 山,
// its waypoint found in the sample's all-in-one file "!台灣的山.gdb", written into "~~TempWP.gdb"
// with its neighbours for 5K and 10K and handed to the shell's "open", or shown on the online
// map. gpsbabel reads both GDB files independently of the program.
#include "FakeShell.h"
#include "GpsBabel.h"
#include "GpxTestSupport.h"
#include "TempDir.h"
#include "catalog/talvane/GroupTalvane.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/framework/CommandDispatch.h"
#include "ui/maindlg/TalvaneDlg.h"

#include <QRegularExpression>
#include <QSettings>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString kSection = QLatin1String(CTalvaneDlg::kProfileSection);
const QString kTempFile = QStringLiteral("~~TempWP.gdb");
const QString kAllInOne = QStringLiteral("data/!台灣的山.gdb");

struct SampleLocateFixture : ::testing::Test {
    SampleLocateFixture()
    {
        QSettings().remove(kSection);
        program = temp.copyTree(QStringLiteral(TALVANE_SAMPLE_DIR), QStringLiteral("bin"));
        platform::SetProgramFolder(program);
        platform::ClearProfileCache();
        dialog = std::make_unique<CTalvaneDlg>();
        dialog->show();
        QTest::qWait(20);
        // Nothing leaves the test: the shell only records.
        WindowServices services = dialog->GroupTable().Services();
        services.shell = &shell;
        dialog->GroupTable().SetServices(services);
    }
    ~SampleLocateFixture() override
    {
        dialog.reset();
        QSettings().remove(kSection);
    }

    void SelectRow(const char* text)
    {
        auto* list = dialog->DlgItem<QTreeWidget>(CTalvaneDlg::kItemList);
        const auto found = list->findItems(QString::fromUtf8(text), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text;
        list->clearSelection();
        found.first()->setSelected(true);
    }
    QString InProgram(const QString& name) const { return platform::JoinPath(program, name); }

    TempDir temp;
    QString program;
    FakeShell shell;
    std::unique_ptr<CTalvaneDlg> dialog;
};

double Distance(const GpxPoint& a, const GpxPoint& b)
{
    return std::hypot(a.lon - b.lon, a.lat - b.lat);
}

// The names of the waypoints gpsbabel reads from a GDB file.
QStringList Names(const GpxContent& content)
{
    QStringList names;
    for (const GpxWaypoint& w : content.waypoints)
        names << w.name;
    names.sort();
    return names;
}

// The waypoints of the all-in-one file within radius degrees of the named one, by gpsbabel.
QStringList Within(const GpxContent& all, const QString& centre, double radius)
{
    const auto at = std::find_if(all.waypoints.begin(), all.waypoints.end(),
                                 [&](const GpxWaypoint& w) { return w.name == centre; });
    if (at == all.waypoints.end())
        return {};
    QStringList names;
    for (const GpxWaypoint& w : all.waypoints)
        if (Distance(w.position, at->position) <= radius)
            names << w.name;
    names.sort();
    return names;
}

TEST_F(SampleLocateFixture, TheLocateEntriesHandThePeaksWaypointAndItsNeighboursToTheShell)
{
    REQUIRE_GPSBABEL();
    ASSERT_TRUE(dynamic_cast<CGroupTalvane*>(dialog->CurrentGroup()));
    GpxContent all;
    ASSERT_TRUE(GpsbabelReading(InProgram(kAllInOne), &all, QStringLiteral("gdb")));
    SelectRow("玉山(主峰)");
    const struct {
        int command;
        double radius;  // degrees
    } cases[] = {{CTalvaneDlg::kLocate, 0.0},
                 {CTalvaneDlg::kLocate5K, 0.05},
                 {CTalvaneDlg::kLocate10K, 0.1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        shell.opened.clear();
        ASSERT_TRUE(dialog->Commands().Dispatch(c.command));
        ASSERT_EQ(shell.opened, QStringList{InProgram(kTempFile)});
        GpxContent shown;
        ASSERT_TRUE(GpsbabelReading(InProgram(kTempFile), &shown, QStringLiteral("gdb")));
        EXPECT_EQ(Names(shown), Within(all, QStringLiteral("YUSHAN"), c.radius));
        // Neighbours make a difference here: 5K adds 排雲山莊, 10K adds 塔塔加登山口 as well.
        EXPECT_EQ(shown.waypoints.size() > 1, c.radius > 0);
    }
}

TEST_F(SampleLocateFixture, TheOnlineEntryOpensTheMapAtThePeak)
{
    SelectRow("玉山(主峰)");
    ASSERT_TRUE(dialog->Commands().Dispatch(CTalvaneDlg::kLocateOnline));
    ASSERT_EQ(shell.opened.size(), 1);
    const QRegularExpression address(QStringLiteral(
        R"(^https://www\.openstreetmap\.org/\?mlat=(\d+\.\d{6})&mlon=(\d+\.\d{6})#map=15/\1/\2$)"));
    const QRegularExpressionMatch match = address.match(shell.opened.first());
    ASSERT_TRUE(match.hasMatch()) << shell.opened.first().toStdString();
    // 玉山's file: Attitude=23.4700, Longitude=120.9572.
    EXPECT_NEAR(match.captured(1).toDouble(), 23.47, 1e-5);
    EXPECT_NEAR(match.captured(2).toDouble(), 120.9572, 1e-5);
}

// The sample's Mapping.txt names 十八尖山's waypoint; 五指山's is the one waypoint named 五指山 with
// trailing digits.
TEST_F(SampleLocateFixture, APeakFoundThroughMappingOrBaseNameIsLocatedToo)
{
    REQUIRE_GPSBABEL();
    const struct {
        const char* row;
        const char* waypoint;
    } cases[] = {{"十八尖山", "新竹十八尖山"}, {"五指山", "五指山1"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        shell.opened.clear();
        SelectRow(c.row);
        ASSERT_TRUE(dialog->Commands().Dispatch(CTalvaneDlg::kLocate));
        ASSERT_EQ(shell.opened, QStringList{InProgram(kTempFile)});
        GpxContent shown;
        ASSERT_TRUE(GpsbabelReading(InProgram(kTempFile), &shown, QStringLiteral("gdb")));
        EXPECT_EQ(Names(shown), QStringList{QString::fromUtf8(c.waypoint)});
    }
}

} // namespace
