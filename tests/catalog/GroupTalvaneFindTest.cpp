// The peak group's search hook: what it asks the window's dialog runner for, and what it makes
// of the dialog's outcome through a recording main window.
#include "catalog/talvane/GroupTalvane.h"

#include "FakeDialogRunner.h"
#include "FakeMainWindow.h"
#include "TempDir.h"
#include "catalog/GroupTable.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

FindDialogResult Outcome(const QString& region, const QString& stone, bool wroteVisit,
                         bool wroteAtlasRef)
{
    FindDialogResult result;
    result.chosenRegion = region;
    result.chosenStone = stone;
    result.wroteVisit = wroteVisit;
    result.wroteAtlasRef = wroteAtlasRef;
    return result;
}

class FindHookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ClearProfileCache();
        platform::SetProgramFolder(dir.path());
        table.LoadSettings();
        table.SetServices(WindowServices{.dialogs = &dialogs});
        group.Init(dir.file("峰嵐錄.txt"), &table, dir.file("山"));
    }

    TempDir dir;
    CGroupTable table;
    FakeDialogRunner dialogs;
    FakeMainWindow window;
    CGroupTalvane group;
};

TEST_F(FindHookTest, OutcomeOfTheDialog)
{
    struct Case {
        const char* why;
        FindDialogResult outcome;
        int walk, atlas;
        bool result;
        QStringList regions, stones;  // what reached the main window
    };
    const QString region = QStringLiteral("雪霸");
    const QString stone = QStringLiteral("一等");
    const std::vector<Case> cases = {
        {"region", Outcome(region, {}, false, false), 0, 0, true, {region}, {}},
        {"region before stone", Outcome(region, stone, false, false), 5, 0, true,
         {region}, {}},
        {"stone", Outcome({}, stone, false, false), 0, 0, true, {}, {stone}},
        {"stone, nothing written", Outcome({}, stone, false, false), 5, 14955, true, {}, {stone}},
        {"walk written", Outcome({}, {}, true, false), 5, 0, true, {}, {}},
        {"walk not written", Outcome({}, {}, false, true), 5, 0, false, {}, {}},
        {"walk before atlas", Outcome({}, {}, false, true), 5, 14955, false, {}, {}},
        {"atlas written", Outcome({}, {}, false, true), 0, 14955, true, {}, {}},
        {"atlas not written", Outcome({}, {}, true, false), 0, 14955, false, {}, {}},
        {"nothing asked", Outcome({}, {}, false, false), 0, 0, true, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        window = FakeMainWindow();
        dialogs.findResult = c.outcome;
        QString text = QStringLiteral("玉山 東峰");
        EXPECT_EQ(group.RunFindDialog(&window, nullptr, &text, c.walk, c.atlas), c.result);
        EXPECT_EQ(window.selectedSubsets, c.regions);
        EXPECT_EQ(window.stoneJumps, c.stones);
        ASSERT_FALSE(dialogs.finds.isEmpty());
        const FindDialogRequest& request = dialogs.finds.last();
        EXPECT_EQ(request.kind, FindDialogKind::Peaks);
        EXPECT_EQ(request.group, &group);
        EXPECT_EQ(request.subset, nullptr);
        EXPECT_EQ(request.searchText, text);
        EXPECT_EQ(request.walkNumber, c.walk);
        EXPECT_EQ(request.atlasCode, c.atlas);
    }
    EXPECT_EQ(dialogs.finds.size(), qsizetype(cases.size()));
}

TEST_F(FindHookTest, NothingToRunTheDialog)
{
    table.SetServices(WindowServices{});
    QString text = QStringLiteral("玉山");
    EXPECT_FALSE(group.RunFindDialog(&window, nullptr, &text, 0, 0));
    CGroupTalvane alone;
    EXPECT_FALSE(alone.RunFindDialog(&window, nullptr, &text, 0, 0));
    EXPECT_TRUE(dialogs.finds.isEmpty());
    EXPECT_TRUE(window.selectedSubsets.isEmpty());
}

} // namespace
