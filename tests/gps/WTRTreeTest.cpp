// The inspection tree of a WTR file: parts, record captions and every field line.
#include "RecordingTree.h"
#include "WtrTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

QStringList Lines(std::initializer_list<const char*> texts)
{
    QStringList lines;
    for (const char* text : texts)
        lines << QString::fromUtf8(text);
    return lines;
}

struct FilledTree {
    RecordingTree tree;
    GPSTreeItem root = 0;
};

FilledTree Fill(const WtrBuilder& b)
{
    FilledTree filled;
    auto file = LoadWtrBytes(b.Build());
    if (file)
        filled.root = file->FillTree(&filled.tree);
    return filled;
}

WtrBuilder TreeFixture()
{
    WtrBuilder b = RichWtr();
    b.waypoints.push_back({"Huge", 0, 0, FloatBits(1.0e20f)});
    b.routes[0].points[1].latitude = INT32_MIN;
    b.routes[0].points[1].longitude = -1432778632;
    return b;
}

TEST(WTRTree, PartsUnderTheRootAllExpandedRootLast)
{
    const FilledTree f = Fill(TreeFixture());
    ASSERT_NE(f.root, 0u);
    EXPECT_EQ(f.tree.Children(0), Lines({"WTR file"}));
    EXPECT_EQ(f.tree.Children(f.root), Lines({"Waypoint part", "Track part", "Route part"}));
    ASSERT_EQ(f.tree.expanded.size(), 4u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(f.tree.Text(f.tree.expanded[size_t(i)]), f.tree.Children(f.root)[i]);
    EXPECT_EQ(f.tree.expanded.back(), f.root);
}

TEST(WTRTree, WaypointPart)
{
    const FilledTree f = Fill(TreeFixture());
    const GPSTreeItem part = f.tree.Child(f.root, "Waypoint part");
    EXPECT_EQ(f.tree.Children(part), Lines({"Prefix = FF W p t FF 01 02 03 04 05 06 07 08 09 0A 0B ",
                                            "Total Waypoints = 3", "WayPoint (SnowMainPeak, 3886m)",
                                            "WayPoint (七星山, ???m)", "WayPoint (Huge, ???m)"}));
    EXPECT_EQ(f.tree.Children(f.tree.Child(part, "WayPoint (Snow")),
              Lines({"Name = SnowMainPeak", "Latitude = 24.09412 (0x11223344)",
                     "Longitude = 120.09412 (0x55667788)", "Height = 3886.000000",
                     "??? = 48 45 4C 44 2D 38 2E 2E ", "Icon = 山頂 (0x2036)",
                     "??? = 74 61 69 6C 2D 6F 66 2D 74 77 65 6E 74 79 2D 74 77 6F 2E 2E 2E 2E "}));
    EXPECT_EQ(f.tree.Children(f.tree.Child(part, QString::fromUtf8("WayPoint (七星山"))),
              Lines({"Name = 七星山", "Latitude = -0.00008 (0xFFFFFC18)", "Longitude = -0.00017 (0xFFFFF830)",
                     "Height = Undefined (0x69045951)", "??? = AA AA AA AA AA AA AA AA ", "Icon = 航點 (0x0012)",
                     "??? = BB BB BB BB BB BB BB BB BB BB BB BB BB BB BB BB BB BB BB BB BB BB "}));
}

TEST(WTRTree, TrackPart)
{
    const FilledTree f = Fill(TreeFixture());
    const GPSTreeItem part = f.tree.Child(f.root, "Track part");
    EXPECT_EQ(f.tree.Children(part), Lines({"Prefix = FF T r k FF 11 12 13 00 00 00 00 00 00 00 00 ",
                                            "Track (Trail, 4 points)", "Track (夢幻湖, 1 points)"}));
    const GPSTreeItem trail = f.tree.Child(part, "Track (Trail");
    EXPECT_EQ(f.tree.Children(trail),
              Lines({"Prefix = EE h d r EE 66 69 72 73 74 00 00 00 00 00 00 ", "ShowOnGPS = 1", "??? = 7E ",
                     "Name = Trail", "Total Points = 4", "Point 1", "Point 2", "Point 3", "Point 4"}));
    const QStringList second = f.tree.Children(f.tree.Child(trail, "Point 2"));
    ASSERT_EQ(second.size(), 6);
    EXPECT_EQ(second[0], "Latitude = 0.00001 (0x00000065)");
    EXPECT_EQ(second[1], "Longitude = 0.00002 (0x000000C9)");
    EXPECT_TRUE(second[2].startsWith("Time = 0x00000000 (08:00:00, ")) << second[2].toStdString();
    EXPECT_EQ(second.mid(3), Lines({"Height = Undefined (0x69030681)", "Depth = -3.250000", "NewSegment = 0"}));
    EXPECT_EQ(f.tree.Children(f.tree.Child(trail, "Point 3")),
              Lines({"Latitude = 0.00001 (0x00000066)", "Longitude = 0.00002 (0x000000CA)",
                     "Time = 0xFFFFFFFF (Invalid)", "Height = 1120.000000", "Depth = 0.000000", "NewSegment = 0"}));
    EXPECT_EQ(f.tree.Children(f.tree.Child(trail, "Point 4")),
              Lines({"Latitude = -0.00001 (0xFFFFFF99)", "Longitude = -0.00002 (0xFFFFFF34)",
                     "Time = 0x3B9ACA00 (09:46:40, 2021/9/8)", "Height = 1121.000000", "Depth = 0.000000",
                     "NewSegment = 0"}));
}

TEST(WTRTree, RoutePart)
{
    const FilledTree f = Fill(TreeFixture());
    const GPSTreeItem part = f.tree.Child(f.root, "Route part");
    EXPECT_EQ(f.tree.Children(part),
              Lines({"Prefix = FF R t e FF 00 00 00 00 00 00 00 00 00 00 00 ", "Route (Loop, 2 points)"}));
    const GPSTreeItem route = f.tree.Child(part, "Route (Loop");
    EXPECT_EQ(f.tree.Children(route), Lines({"Prefix = EE h d r EE 72 74 65 00 00 00 00 00 00 00 00 ",
                                             "Name = Loop", "Total Points = 2", "Point 1 (A1)", "Point 2 (C3)"}));
    EXPECT_EQ(f.tree.Children(f.tree.Child(route, "Point 2 (C3)")),
              Lines({"??? = 68 65 61 64 ", "Icon = 航點 (0x0012)",
                     "??? = 55 55 55 55 55 55 55 55 55 55 55 55 55 55 55 55 55 55 ",
                     "Latitude = -180.00000 (0x80000000)", "Longitude = -120.09412 (0xAA998878)",
                     "Height = Undefined (0x69045951)", "??? = 66 66 66 66 66 66 66 66 66 66 66 66 ",
                     "Name = C3"}));
}

TEST(WTRTree, EmptyFileAndNoTree)
{
    const FilledTree f = Fill(WtrBuilder());
    EXPECT_EQ(f.tree.Children(f.tree.Child(f.root, "Waypoint part")),
              Lines({"Prefix = FF W p t FF 00 00 00 00 00 00 00 00 00 00 00 ", "Total Waypoints = 0"}));
    EXPECT_EQ(f.tree.Children(f.tree.Child(f.root, "Track part")).size(), 1);
    CWTRFile wtr;
    EXPECT_EQ(wtr.FillTree(nullptr), 0u);
}

} // namespace
