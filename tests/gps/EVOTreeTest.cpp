// The inspection tree of an EVO file: parts, captions and field texts of a file built from the
// layout tables, with the values that show specially (a half-turn angle, an invalid time, the
// missing-value patterns, a height outside int).
#include "EvoTestSupport.h"

#include "RecordingTree.h"

#include <gtest/gtest.h>

using namespace evo_test;

namespace {

EvoBuilder TreeEvo()
{
    EvoBuilder b;
    b.headerHead = QByteArray(32, '\0');
    b.headerTail = QByteArray("\xAA\xBB\xCC\xDD", 4);
    EvoWayPointFields w = WayPoint(Big5(QStringLiteral("雪山")), int32_t(0x80000000), 0x40000000, kOtherMissing);
    w.symbol = 8246;
    b.waypoints.push_back(w);
    b.waypoints.push_back(WayPoint("HIGH", 0, 0, Bits(3.0e9f)));
    b.waypoints.push_back(WayPoint("LOW", 0, 0, Bits(3886.9f)));
    EvoTrackFields t;
    t.held = 0x0201;
    t.name = "TRK";
    t.points = {{0, 0, 0xFFFFFFFF, kMissing, Bits(2.5f), 1}};
    b.tracks = {t};
    b.routes = {TwoRoutes()[0]};
    return b;
}

} // namespace

TEST(EVOTree, PartsCaptionsAndFields)
{
    auto file = LoadEvoBytes(TreeEvo().Build());
    ASSERT_TRUE(file);
    RecordingTree tree;
    const GPSTreeItem root = file->FillTree(&tree);
    ASSERT_NE(root, 0u);
    EXPECT_EQ(tree.Text(root), QStringLiteral("EVO file"));
    EXPECT_EQ(tree.items[root - 1].parent, 0u);
    EXPECT_EQ(tree.Children(root), QStringList({"Header part", "Waypoint part", "Track part", "Route part"}));
    ASSERT_FALSE(tree.expanded.empty());
    EXPECT_EQ(tree.expanded.back(), root); // the root last
    for (const char* part : {"Header part", "Waypoint part", "Track part", "Route part"})
        EXPECT_TRUE(tree.IsExpanded(tree.Child(root, part))) << part;

    const GPSTreeItem header = tree.Child(root, "Header part");
    EXPECT_EQ(tree.Children(header),
              QStringList({"??? = " + QStringLiteral("00 ").repeated(32), "Waypoints = 3", "Tracks = 1",
                           "Routes = 1", "??? = AA BB CC DD "}));

    const GPSTreeItem waypoints = tree.Child(root, "Waypoint part");
    EXPECT_EQ(tree.Children(waypoints),
              QStringList({"Total Waypoints = 3", QStringLiteral("WayPoint (雪山, ???m)"), "WayPoint (HIGH, ???m)",
                           "WayPoint (LOW, 3886m)"}));
    const GPSTreeItem snow = tree.Child(waypoints, QStringLiteral("WayPoint (雪山"));
    EXPECT_EQ(tree.Children(snow),
              QStringList({"??? = 10 11 12 13 ", QStringLiteral("Icon = 山頂 (0x2036)"),
                           "??? = 20 21 22 23 24 25 26 27 28 29 2A 2B 2C 2D 2E 2F 30 31 ",
                           "Latitude = -180.00000 (0x80000000)", "Longitude = 90.00000 (0x40000000)",
                           "Height = Undefined (0x69030681)", "Depth = -3.250000", "???float = 7.500000",
                           "??? = 40 41 42 43 44 45 46 47 ", QStringLiteral("Name = 雪山"),
                           QStringLiteral("Description = comment of 雪山"), "???string = s1",
                           "???string = abcdefg", "???string = ", "???string = x"}));

    const GPSTreeItem tracks = tree.Child(root, "Track part");
    EXPECT_EQ(tree.Children(tracks), QStringList({"Total Tracks = 1", "Track (TRK, 1 points)"}));
    const GPSTreeItem track = tree.Child(tracks, "Track (TRK");
    EXPECT_EQ(tree.Children(track), QStringList({"??? = 01 02 ", "Name = TRK", "Points = 1", "Point 1"}));
    EXPECT_EQ(tree.Children(tree.Child(track, "Point 1")),
              QStringList({"Latitude = 0.00000 (0x00000000)", "Longitude = 0.00000 (0x00000000)",
                           "Time = 0xFFFFFFFF (Invalid)", "Height = Undefined (0x69045951)", "Depth = 2.500000",
                           "NewSegment = 1"}));

    const GPSTreeItem routes = tree.Child(root, "Route part");
    EXPECT_EQ(tree.Children(routes), QStringList({"Route (ROUTE1, 3 points)"}));
    const GPSTreeItem route = tree.Child(routes, "Route (ROUTE1");
    const QStringList routeFields = tree.Children(route);
    ASSERT_EQ(routeFields.size(), 6);
    EXPECT_EQ(routeFields.mid(1, 5),
              QStringList({"Name = ROUTE1", "Total Points = 3", "Point 1 (R1P1)", "Point 2 (R1P2)", "Point 3 (R1P3)"}));
    const QStringList first = tree.Children(tree.Child(route, "Point 1 (R1P1)"));
    ASSERT_EQ(first.size(), 15);
    EXPECT_EQ(first[7], "??? = 00 00 F0 40 40 41 42 43 44 45 46 47 "); // the opaque float 7.5 and 8 bytes
    EXPECT_EQ(first[14], "??? = 80 81 82 83 84 85 86 87 88 89 8A 8B 8C 8D 8E 8F 90 91 92 93 ");
    const QStringList last = tree.Children(tree.Child(route, "Point 3 (R1P3)"));
    EXPECT_EQ(last.back(), "??? = " + QStringLiteral("00 ").repeated(20));
}

TEST(EVOTree, TimesShowTaiwanTime)
{
    EvoBuilder b;
    EvoTrackFields t;
    // 2023-11-14 22:13:20 UTC is 06:13:20 on 2023-11-15 in Taiwan.
    t.points = {{0, 0, uint32_t(1700000000 - kEpoch), 0, 0, 0}};
    b.tracks = {t};
    auto file = LoadEvoBytes(b.Build());
    ASSERT_TRUE(file);
    RecordingTree tree;
    const GPSTreeItem root = file->FillTree(&tree);
    const GPSTreeItem track = tree.Child(tree.Child(root, "Track part"), "Track (");
    const QStringList point = tree.Children(tree.Child(track, "Point 1"));
    ASSERT_EQ(point.size(), 6);
    const QString hex = QString::number(uint32_t(1700000000 - kEpoch), 16).toUpper().rightJustified(8, u'0');
    EXPECT_EQ(point[2], "Time = 0x" + hex + " (06:13:20, 2023/11/15)");
}

TEST(EVOTree, NamesAreNeverReadAsFormats)
{
    EvoBuilder b;
    b.waypoints.push_back(WayPoint("%%", 0, 0, Bits(12.0f)));
    EvoTrackFields track;
    track.name = "T %2 track";
    track.points = {{0, 0, 0, Bits(1.0f), kMissing, 1}, {1, 1, 0, Bits(2.0f), kMissing, 0}};
    EvoTrackFields percent = track;
    percent.name = "%1";
    b.tracks = {track, percent};
    EvoRouteFields route = TwoRoutes()[0];
    route.name = "%2 R %1";
    route.points[0].identifier = "%1";
    b.routes = {route};
    auto file = LoadEvoBytes(b.Build());
    ASSERT_TRUE(file);
    RecordingTree tree;
    const GPSTreeItem root = file->FillTree(&tree);
    EXPECT_EQ(tree.Children(tree.Child(root, "Waypoint part")).value(1), "WayPoint (%%, 12m)");
    EXPECT_EQ(tree.Children(tree.Child(root, "Track part")),
              QStringList({"Total Tracks = 2", "Track (T %2 track, 2 points)", "Track (%1, 2 points)"}));
    const GPSTreeItem routeItem = tree.Child(tree.Child(root, "Route part"), "Route (");
    EXPECT_EQ(tree.Text(routeItem), "Route (%2 R %1, 3 points)");
    EXPECT_NE(tree.Child(routeItem, "Point 1 (%1)"), 0u);
}
