// Inspection trees of real GDB and GPX files written by gpsbabel and of MPS files built byte by
// byte: the shape (root, parts, totals, one node per record, expand order) and the texts of
// chosen nodes, checked against what gpsbabel reads from the same file.
#include "GpsTestSupport.h"
#include "GpxTestSupport.h"
#include "MpsBuilder.h"
#include "RecordingTree.h"
#include "TempDir.h"

#include "gps/gdb/GDBFile.h"
#include "gps/gpx/GPXFile.h"
#include "gps/mps/MPSFile.h"

#include <QDateTime>
#include <QFile>
#include <QTimeZone>
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

// Readable texts in failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

std::unique_ptr<CGPSFile> LoadPath(const CGPSFile& format, const QString& path)
{
    int recognised = 0;
    return format.LoadFile(path, &recognised);
}

std::unique_ptr<CGPSFile> LoadBytes(const CGPSFile& format, const QByteArray& bytes, const TempDir& dir)
{
    return LoadPath(format, dir.write(QStringLiteral("f.") + format.GetExtension(), bytes));
}

// The value text of the child "label = value" of item; null when there is no such child.
QString Value(const RecordingTree& tree, GPSTreeItem item, const QString& label)
{
    const GPSTreeItem child = tree.Child(item, label + QStringLiteral(" = "));
    return child ? tree.Text(child).mid(label.size() + 3) : QString();
}

bool HasField(const RecordingTree& tree, GPSTreeItem item, const QString& label)
{
    return tree.Child(item, label + QStringLiteral(" = ")) != 0;
}

// The items under parent whose text starts with prefix, in order.
std::vector<GPSTreeItem> Nodes(const RecordingTree& tree, GPSTreeItem parent, const QString& prefix)
{
    std::vector<GPSTreeItem> nodes;
    for (size_t i = 0; i < tree.items.size(); ++i) {
        if (tree.items[i].parent == parent && tree.items[i].text.startsWith(prefix))
            nodes.push_back(GPSTreeItem(i + 1));
    }
    return nodes;
}

// A GPX text as the reader keeps it: at most 127 bytes of UTF-8, whole characters.
QString GpxKept(const QString& text)
{
    constexpr qsizetype kMaxBytes = 127;
    QString kept;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype width = text[i].isHighSurrogate() ? 2 : 1;
        if ((kept + text.mid(i, width)).toUtf8().size() > kMaxBytes)
            break;
        kept += text.mid(i, width);
        i += width - 1;
    }
    return kept;
}

// The leading number of an angle's text "24.38333 (0x1156D9AD)".
double Degrees(const QString& text) { return text.section(u' ', 0, 0).toDouble(); }

// The text a time stamp (seconds since 1970 UTC) shows: raw value, Taiwan time and date.
QString TaiwanTime(int64_t seconds)
{
    const QDateTime taiwan = QDateTime::fromSecsSinceEpoch(seconds, QTimeZone(8 * 3600));
    return QString::asprintf("0x%08X (", uint32_t(seconds)) + taiwan.toString(u"HH:mm:ss, yyyy/M/d") + u')';
}

// Root, parts in order, each part expanded after it was filled and the root last.
void ExpectShape(const RecordingTree& tree, const QString& root, const QStringList& parts)
{
    ASSERT_EQ(tree.Children(0), QStringList{root});
    EXPECT_EQ(tree.Children(1), parts);
    ASSERT_FALSE(tree.expanded.empty());
    EXPECT_EQ(tree.expanded.back(), GPSTreeItem(1));
    std::vector<GPSTreeItem> partsExpanded;
    for (GPSTreeItem item : tree.expanded) {
        if (tree.items[item - 1].parent == 1)
            partsExpanded.push_back(item);
    }
    EXPECT_EQ(partsExpanded, Nodes(tree, 1, QString()));
}

// Waypoint nodes: positions to 5 decimals and names as gpsbabel reads them.
void ExpectWayPoints(const RecordingTree& tree, GPSTreeItem part, const std::vector<GpxWaypoint>& want)
{
    const std::vector<GPSTreeItem> nodes = Nodes(tree, part, QStringLiteral("WayPoint"));
    ASSERT_EQ(nodes.size(), want.size());
    for (size_t i = 0; i < nodes.size(); ++i) {
        SCOPED_TRACE(want[i].name.toStdString());
        EXPECT_EQ(Value(tree, nodes[i], "Name"), want[i].name);
        EXPECT_NEAR(Degrees(Value(tree, nodes[i], "Latitude")), want[i].position.lat, 6e-6);
        EXPECT_NEAR(Degrees(Value(tree, nodes[i], "Longitude")), want[i].position.lon, 6e-6);
    }
}

class GdbTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        REQUIRE_GPSBABEL();
        path = GpsFixture(QStringLiteral("gpsbabel_v3.gdb"));
        file = LoadPath(CGDBFile(), path);
        ASSERT_TRUE(file);
        ASSERT_TRUE(GpsbabelReading(path, &babel, QStringLiteral("gdb")));
        root = file->FillTree(&tree);
    }
    GPSTreeItem Part(const char* caption) const { return tree.Child(root, QString::fromLatin1(caption)); }

    QString path;
    std::unique_ptr<CGPSFile> file;
    GpxContent babel;
    RecordingTree tree;
    GPSTreeItem root = 0;
};

TEST_F(GdbTree, ShapeAndTotalsFollowTheFile)
{
    EXPECT_EQ(root, GPSTreeItem(1));
    ExpectShape(tree, "GDB file", {"Header part", "Waypoint part", "Route part", "Track part", "Map part"});
    const GPSTreeItem waypoints = Part("Waypoint part");
    const GPSTreeItem tracks = Part("Track part");
    EXPECT_EQ(Value(tree, waypoints, "Total Waypoints"), QString::number(babel.waypoints.size()));
    EXPECT_EQ(Nodes(tree, waypoints, "WayPoint size=").size(), babel.waypoints.size());
    EXPECT_EQ(Value(tree, tracks, "Total Tracks"), QString::number(babel.tracks.size()));
    EXPECT_EQ(Nodes(tree, tracks, "Track size=").size(), babel.tracks.size());
    EXPECT_EQ(Value(tree, Part("Route part"), "Total Routes"), "1");
    EXPECT_EQ(tree.Children(Part("Map part")), QStringList{"Total Maps = 0"});
}

TEST_F(GdbTree, HeaderShowsMarkersAndVersions)
{
    const GPSTreeItem header = Part("Header part");
    const QStringList children = tree.Children(header);
    ASSERT_EQ(children.size(), 4);
    EXPECT_EQ(children[0], "MsRcf");
    EXPECT_EQ(children[1], "Header1 size=2, ID=68");
    EXPECT_TRUE(children[2].startsWith("Header2 size=")) << children[2].toStdString();
    EXPECT_TRUE(children[2].endsWith(", ID=65"));
    EXPECT_EQ(children[3], "MapSource");
    // gpsbabel's ver=3 writes version 109.
    const GPSTreeItem d = tree.Child(header, "Header1");
    EXPECT_EQ(tree.Children(d), QStringList{"Version = 6.13"});
    // Both header records are expanded before their part, the part before the root.
    const GPSTreeItem a = tree.Child(header, "Header2");
    ASSERT_GE(tree.expanded.size(), 3u);
    EXPECT_EQ(std::vector<GPSTreeItem>(tree.expanded.begin(), tree.expanded.begin() + 3),
              (std::vector<GPSTreeItem>{d, a, header}));
}

TEST_F(GdbTree, WayPointsMatchGpsbabel)
{
    const GPSTreeItem part = Part("Waypoint part");
    ExpectWayPoints(tree, part, babel.waypoints);
    const std::vector<GPSTreeItem> nodes = Nodes(tree, part, "WayPoint size=");
    ASSERT_EQ(nodes.size(), 5u);
    for (size_t i = 0; i < nodes.size(); ++i) {
        const GpxWaypoint& want = babel.waypoints[i];
        SCOPED_TRACE(want.name.toStdString());
        EXPECT_TRUE(tree.Text(nodes[i]).contains(", ID=87 ("));
        EXPECT_EQ(Value(tree, nodes[i], "Description"), want.desc);
        if (want.position.ele) {
            const QString caption = QStringLiteral(" (%1, %2m)").arg(want.name).arg(int(*want.position.ele));
            EXPECT_TRUE(tree.Text(nodes[i]).endsWith(caption));
            EXPECT_EQ(Value(tree, nodes[i], "HeightDefined"), "1");
            EXPECT_EQ(Value(tree, nodes[i], "Height"), QString::asprintf("%f", *want.position.ele));
        } else {
            EXPECT_TRUE(tree.Text(nodes[i]).endsWith(QStringLiteral(" (%1, ???m)").arg(want.name)));
            EXPECT_EQ(Value(tree, nodes[i], "HeightDefined"), "0");
            EXPECT_FALSE(HasField(tree, nodes[i], "Height"));
        }
        EXPECT_TRUE(HasField(tree, nodes[i], "HasURL"));
        EXPECT_TRUE(HasField(tree, nodes[i], "Category"));
    }
    EXPECT_TRUE(HasField(tree, nodes[0], "Icon"));
}

TEST_F(GdbTree, TracksAndRouteMatchGpsbabel)
{
    const std::vector<GPSTreeItem> nodes = Nodes(tree, Part("Track part"), "Track size=");
    ASSERT_EQ(nodes.size(), babel.tracks.size());
    for (size_t t = 0; t < nodes.size(); ++t) {
        const GpxTrack& want = babel.tracks[t];
        const QString caption = QStringLiteral(", ID=84 (%1, %2 points)").arg(want.name).arg(want.points.size());
        EXPECT_TRUE(tree.Text(nodes[t]).endsWith(caption));
        EXPECT_EQ(Value(tree, nodes[t], "Name"), want.name);
        EXPECT_EQ(Value(tree, nodes[t], "Points"), QString::number(want.points.size()));
        const std::vector<GPSTreeItem> points = Nodes(tree, nodes[t], "Point ");
        ASSERT_EQ(points.size(), want.points.size());
        for (size_t i = 0; i < points.size(); ++i) {
            EXPECT_EQ(tree.Text(points[i]), QStringLiteral("Point %1").arg(i + 1));
            EXPECT_NEAR(Degrees(Value(tree, points[i], "Latitude")), want.points[i].lat, 6e-6);
            EXPECT_NEAR(Degrees(Value(tree, points[i], "Longitude")), want.points[i].lon, 6e-6);
            ASSERT_TRUE(want.points[i].ele);
            EXPECT_EQ(Value(tree, points[i], "Height"), QString::asprintf("%f", *want.points[i].ele));
            EXPECT_EQ(Value(tree, points[i], "Time"), TaiwanTime(SecondsOf(want.points[i].time)));
        }
    }
    ASSERT_FALSE(nodes.empty());
    EXPECT_EQ(Value(tree, nodes[0], "URL"), "https://example.org/trail");
    const GPSTreeItem route = tree.Child(Part("Route part"), "Route size=");
    ASSERT_TRUE(route);
    EXPECT_TRUE(tree.Text(route).endsWith(", ID=82 (縱走, 1 points)")) << tree.Text(route).toStdString();
    EXPECT_EQ(Value(tree, route, "Name"), "縱走");
    EXPECT_EQ(Value(tree, route, "???").size(), 62 * 3);
}

TEST(GdbTreeEightBit, OlderVersionShowsItsVersionTimesAndUrl)
{
    REQUIRE_GPSBABEL();
    const QString path = GpsFixture(QStringLiteral("gpsbabel_v1.gdb"));
    auto file = LoadPath(CGDBFile(), path);
    ASSERT_TRUE(file);
    GpxContent babel;
    ASSERT_TRUE(GpsbabelReading(path, &babel, QStringLiteral("gdb")));
    RecordingTree tree;
    file->FillTree(&tree);
    const GPSTreeItem header = tree.Child(1, "Header part");
    // ver=1 writes version 107: 6 x 16 + 11.
    EXPECT_EQ(tree.Children(tree.Child(header, "Header1")), QStringList{"Version = 6.11"});
    const GPSTreeItem part = tree.Child(1, "Waypoint part");
    const std::vector<GPSTreeItem> nodes = Nodes(tree, part, "WayPoint size=");
    ASSERT_EQ(nodes.size(), babel.waypoints.size());
    for (size_t i = 0; i < nodes.size(); ++i) {
        const GpxWaypoint& want = babel.waypoints[i];
        EXPECT_FALSE(HasField(tree, nodes[i], "HasURL"));
        if (!want.position.time.isEmpty()) {
            EXPECT_EQ(Value(tree, nodes[i], "TimeDefined"), "1");
            EXPECT_EQ(Value(tree, nodes[i], "Time"), TaiwanTime(SecondsOf(want.position.time)));
        } else {
            EXPECT_EQ(Value(tree, nodes[i], "TimeDefined"), "0");
            EXPECT_FALSE(HasField(tree, nodes[i], "Time"));
        }
        if (want.name == u"Sydney") {
            EXPECT_EQ(Value(tree, nodes[i], "Name"), "Sydney");
            EXPECT_NEAR(Degrees(Value(tree, nodes[i], "Latitude")), babel.waypoints[i].position.lat, 6e-6);
            EXPECT_NEAR(Degrees(Value(tree, nodes[i], "Longitude")), babel.waypoints[i].position.lon, 6e-6);
            EXPECT_EQ(Value(tree, nodes[i], "Height"), "12.500000");
        }
    }
    ASSERT_EQ(nodes.size(), 5u);
    // gpsbabel shows the 2023-03-31 22:00 UTC of the second waypoint as Taiwan's 4/1 06:00.
    EXPECT_EQ(Value(tree, nodes[1], "Time"), "0x642757E0 (06:00:00, 2023/4/1)");
    EXPECT_EQ(Value(tree, nodes[0], "URL"), "https://example.org/snow");
    EXPECT_FALSE(HasField(tree, nodes[1], "URL"));
    EXPECT_EQ(Value(tree, nodes[3], "HeightDefined"), "0"); // West
    EXPECT_FALSE(HasField(tree, nodes[3], "Height"));
}

TEST(GdbTreeBuilt, VersionsAndAPointWithoutHeightOrTime)
{
    TempDir dir;
    auto file = LoadBytes(CGDBFile(), GdbBuilder(109).Track("T", 1, 1).bytes, dir);
    ASSERT_TRUE(file);
    RecordingTree tree;
    file->FillTree(&tree);
    const GPSTreeItem header = tree.Child(1, "Header part");
    EXPECT_EQ(tree.Children(tree.Child(header, "Header1")), QStringList{"Version = 6.13"});
    const QStringList a = tree.Children(tree.Child(header, "Header2"));
    ASSERT_FALSE(a.isEmpty());
    EXPECT_EQ(a[0], "Version = 6.13"); // 613
    EXPECT_TRUE(a.contains("SQA"));
    const GPSTreeItem track = tree.Child(tree.Child(1, "Track part"), "Track size=");
    EXPECT_EQ(tree.Children(tree.Child(track, "Point 1")),
              (QStringList{"Latitude = 0.00000 (0x00000000)", "Longitude = 0.00000 (0x00000000)", "HeightDefined = 0",
                           "TimeDefined = 0", "??? = 00 ", "TempatureDefined = 0"}));
    EXPECT_EQ(Value(tree, track, "HasURL"), "0");
    EXPECT_FALSE(HasField(tree, track, "URL"));
}

TEST(GdbTreeBuilt, EightBitTextsAreDecodedFromBig5)
{
    GdbBuilder gdb(108);
    gdb.WayPoint(Big5(QStringLiteral("雪山北峰")), Big5(QStringLiteral("志佳陽線")));
    gdb.Record('R', Big5(QStringLiteral("縱走")) + QByteArray(1, '\0') + QByteArray(62, '\0'));
    gdb.Record('L', QByteArray(8, '\x01') + Big5(QStringLiteral("地形")) + QByteArray(1, '\0')
                        + Big5(QStringLiteral("台灣")) + QByteArray(1, '\0') + QByteArray("R\0", 2));
    TempDir dir;
    auto file = LoadBytes(CGDBFile(), gdb.bytes, dir);
    ASSERT_TRUE(file);
    RecordingTree tree;
    file->FillTree(&tree);
    const GPSTreeItem waypoint = tree.Child(tree.Child(1, "Waypoint part"), "WayPoint ");
    EXPECT_TRUE(tree.Text(waypoint).endsWith(" (雪山北峰, 321m)"));
    EXPECT_EQ(Value(tree, waypoint, "Description"), "志佳陽線");
    EXPECT_EQ(Value(tree, waypoint, "Height"), "321.500000");
    EXPECT_EQ(Value(tree, waypoint, "Latitude"), "0.00001 (0x00000064)");
    EXPECT_FALSE(HasField(tree, waypoint, "HasURL"));
    const GPSTreeItem route = tree.Child(tree.Child(1, "Route part"), "Route ");
    EXPECT_EQ(tree.Text(route), "Route size=67, ID=82 (縱走, 1 points)");
    // A map record that ends right after its texts shows zeros for the bytes it lacks.
    const GPSTreeItem map = tree.Child(tree.Child(1, "Map part"), "Map ");
    EXPECT_EQ(tree.Text(map), "Map size=20, ID=76 (台灣)");
    EXPECT_EQ(tree.Children(map), (QStringList{"??? = " + QString("01 ").repeated(8), "Topo = 地形", "Name = 台灣",
                                               "Region = R", "??? = " + QString("00 ").repeated(8)}));
}

TEST(GpxTree, ShapeAndWayPointsMatchGpsbabel)
{
    REQUIRE_GPSBABEL();
    const QString path = GpsFixture(QStringLiteral("gpsbabel_11.gpx"));
    auto file = LoadPath(CGPXFile(), path);
    ASSERT_TRUE(file);
    GpxContent babel;
    ASSERT_TRUE(GpsbabelReading(path, &babel));
    RecordingTree tree;
    EXPECT_EQ(file->FillTree(&tree), GPSTreeItem(1));
    ExpectShape(tree, "GPX file", {"Header part", "Waypoint part", "Track part"});
    const GPSTreeItem header = tree.Child(1, "Header part");
    EXPECT_EQ(Value(tree, header, "Creator"), "GPSBabel - https://www.gpsbabel.org");
    EXPECT_EQ(Value(tree, header, "MinLat"), "-33.900000");
    EXPECT_EQ(Value(tree, header, "MaxLon"), "121.562500");
    const GPSTreeItem part = tree.Child(1, "Waypoint part");
    EXPECT_EQ(Value(tree, part, "Total Waypoints"), QString::number(babel.waypoints.size()));
    const std::vector<GPSTreeItem> nodes = Nodes(tree, part, "WayPoint (");
    ASSERT_EQ(nodes.size(), babel.waypoints.size());
    for (size_t i = 0; i < nodes.size(); ++i) {
        const GpxWaypoint& want = babel.waypoints[i];
        SCOPED_TRACE(want.name.toStdString());
        EXPECT_EQ(Value(tree, nodes[i], "Name"), want.name);
        EXPECT_NEAR(Value(tree, nodes[i], "Latitude").toDouble(), want.position.lat, 1e-6);
        EXPECT_NEAR(Value(tree, nodes[i], "Longitude").toDouble(), want.position.lon, 1e-6);
        EXPECT_EQ(Value(tree, nodes[i], "Comment"), GpxKept(want.cmt));
        EXPECT_EQ(Value(tree, nodes[i], "Description"), GpxKept(want.desc));
        EXPECT_EQ(Value(tree, nodes[i], "Symbol"), want.sym);
        const QString metres = want.position.ele ? QString::number(int(*want.position.ele)) : QStringLiteral("???");
        EXPECT_EQ(tree.Text(nodes[i]), QStringLiteral("WayPoint (%1, %2m)").arg(want.name, metres));
    }
    EXPECT_EQ(Value(tree, nodes[3], "Height"), "-12.250000"); // SouthWest
}

TEST(GpxTree, TracksMatchGpsbabel)
{
    REQUIRE_GPSBABEL();
    const QString path = GpsFixture(QStringLiteral("gpsbabel_11.gpx"));
    auto file = LoadPath(CGPXFile(), path);
    ASSERT_TRUE(file);
    GpxContent babel;
    ASSERT_TRUE(GpsbabelReading(path, &babel));
    RecordingTree tree;
    file->FillTree(&tree);
    const GPSTreeItem part = tree.Child(1, "Track part");
    EXPECT_EQ(Value(tree, part, "Total Tracks"), QString::number(babel.tracks.size()));
    const std::vector<GPSTreeItem> nodes = Nodes(tree, part, "Track (");
    ASSERT_EQ(nodes.size(), babel.tracks.size());
    for (size_t t = 0; t < nodes.size(); ++t) {
        const GpxTrack& want = babel.tracks[t];
        EXPECT_EQ(tree.Text(nodes[t]), QStringLiteral("Track (%1, %2 points)").arg(want.name).arg(want.points.size()));
        const std::vector<GPSTreeItem> points = Nodes(tree, nodes[t], "Point ");
        ASSERT_EQ(points.size(), want.points.size());
        for (size_t i = 0; i < points.size(); ++i) {
            EXPECT_NEAR(Value(tree, points[i], "Latitude").toDouble(), want.points[i].lat, 1e-6);
            EXPECT_EQ(Value(tree, points[i], "Height"), QString::asprintf("%f", want.points[i].ele.value_or(0)));
            EXPECT_EQ(Value(tree, points[i], "Time"), want.points[i].time);
        }
    }
}

// An MPS file with a waypoint of each kind of height, a route, a track and a map.
QByteArray SampleMps()
{
    MpsWayPointFields snow;
    snow.name = Big5(QStringLiteral("玉山"));
    snow.latitude = 290904493; // 24.38333 degrees
    snow.longitude = -119304647; // -10 degrees
    snow.heightDefined = 1;
    snow.height = 3952.9;
    snow.description = Big5(QStringLiteral("台灣最高峰"));
    snow.icon = 106;
    snow.heldText = "held";
    MpsWayPointFields unknown;
    unknown.name = "NoHeight";
    unknown.height = 1.0e25; // what a conversion writes for a missing height
    MpsWayPointFields huge;
    huge.name = "Huge";
    huge.heightDefined = 1;
    huge.height = 1e39; // beyond any float
    MpsPointFields point;
    point.latitude = int32_t(0x80000000u);
    point.heightDefined = 1;
    point.height = 800;
    point.timeDefined = 1;
    point.time = 1680300000;
    MpsBuilder builder(105, 504, "first", "");
    builder.WayPoint(snow).WayPoint(unknown).WayPoint(huge).Route("R1");
    builder.Track(Big5(QStringLiteral("步道")), {point, MpsPointFields()}).Map("M1");
    return builder.bytes;
}

TEST(MpsTree, ShapeHeaderAndExpandOrder)
{
    TempDir dir;
    auto file = LoadBytes(CMPSFile(), SampleMps(), dir);
    ASSERT_TRUE(file);
    RecordingTree tree;
    file->FillTree(&tree);
    ExpectShape(tree, "MPS file", {"Header part", "Waypoint part", "Route part", "Track part", "Map part"});
    const GPSTreeItem header = tree.Child(1, "Header part");
    EXPECT_EQ(tree.Children(header), (QStringList{"MsRcd", "Header1 size=2, ID=68", "Header2 size=13, ID=65"}));
    EXPECT_EQ(tree.Children(tree.Child(header, "Header1")), QStringList{"Version = 6.9"});         // 105
    EXPECT_EQ(tree.Children(tree.Child(header, "Header2")), (QStringList{"Version = 5.4", "SQA", "first"})); // 504
    const std::vector<GPSTreeItem> parts = Nodes(tree, 1, QString());
    std::vector<GPSTreeItem> order{tree.Child(header, "Header1"), tree.Child(header, "Header2")};
    order.insert(order.end(), parts.begin(), parts.end());
    order.push_back(1);
    EXPECT_EQ(tree.expanded, order);
    EXPECT_EQ(Value(tree, tree.Child(1, "Waypoint part"), "Total Waypoints"), "3");
    EXPECT_EQ(Value(tree, tree.Child(1, "Track part"), "Total Tracks"), "1");
    EXPECT_EQ(Value(tree, tree.Child(1, "Route part"), "Total Routes"), "1");
    EXPECT_EQ(Value(tree, tree.Child(1, "Map part"), "Total Maps"), "1");
}

TEST(MpsTree, WayPointFieldsAndHeights)
{
    TempDir dir;
    auto file = LoadBytes(CMPSFile(), SampleMps(), dir);
    ASSERT_TRUE(file);
    RecordingTree tree;
    file->FillTree(&tree);
    const std::vector<GPSTreeItem> nodes = Nodes(tree, tree.Child(1, "Waypoint part"), "WayPoint ");
    ASSERT_EQ(nodes.size(), 3u);
    // Payload: name 5, int 4, "held" 5, 22, angles 8, height 9, description 11, warning 9,
    // display and colour 8, icon 2, 3, text 1, 2, depth 9, 7.
    EXPECT_EQ(tree.Text(nodes[0]), "WayPoint size=105, ID=87 (玉山, 3952m)");
    const QString zeros22 = QString("00 ").repeated(22);
    EXPECT_EQ(tree.Children(nodes[0]),
              (QStringList{"Name = 玉山", "??? = 00 00 00 00 ", "???string = held", "??? = " + zeros22,
                           "Latitude = 24.38333 (0x1156D9AD)", "Longitude = -10.00000 (0xF8E38E39)",
                           "HeightDefined = 1", "Height = 3952.899902", "Description = 台灣最高峰",
                           "WarningDefined = 0", "Warning = 0.000000", "Display = 0", "Color = 0",
                           "Icon = 山峰 (0x006A)", "??? = 00 00 00 ", "???string = ", "??? = 00 00 ",
                           "DepthDefined = 0", "Depth = 0.000000", "??? = 00 00 00 00 00 00 00 "}));
    EXPECT_EQ(tree.Text(nodes[1]), "WayPoint size=95, ID=87 (NoHeight, ???m)");
    EXPECT_EQ(Value(tree, nodes[1], "Height"), "Undefined (0x69045951)");
    EXPECT_EQ(Nodes(tree, nodes[1], "???string = ").size(), 1u); // not the empty first held text
    EXPECT_EQ(tree.Text(nodes[2]), "WayPoint size=91, ID=87 (Huge, ???m)");
    EXPECT_EQ(Value(tree, nodes[2], "Height"), "999999999999999939709166371603178586112.000000");
}

TEST(MpsTree, TrackRouteAndMapRecords)
{
    TempDir dir;
    auto file = LoadBytes(CMPSFile(), SampleMps(), dir);
    ASSERT_TRUE(file);
    RecordingTree tree;
    file->FillTree(&tree);
    const GPSTreeItem track = tree.Child(tree.Child(1, "Track part"), "Track ");
    // Name 5 bytes, flag, colour, count, two points of 31 bytes.
    EXPECT_EQ(tree.Text(track), "Track size=76, ID=84 (步道, 2 points)");
    EXPECT_EQ(tree.Children(track),
              (QStringList{"Name = 步道", "ShowOnGPS = 1", "Color = 0", "Points = 2", "Point 1", "Point 2"}));
    EXPECT_EQ(tree.Children(tree.Child(track, "Point 1")),
              (QStringList{"Latitude = -180.00000 (0x80000000)", "Longitude = 0.00000 (0x00000000)",
                           "HeightDefined = 1", "Height = 800.000000", "TimeDefined = 1",
                           "Time = 0x642757E0 (06:00:00, 2023/4/1)", "??? = 00 00 00 00 00 00 00 00 00 "}));
    EXPECT_EQ(Value(tree, tree.Child(track, "Point 2"), "TimeDefined"), "0");
    const GPSTreeItem route = tree.Child(tree.Child(1, "Route part"), "Route ");
    EXPECT_EQ(tree.Text(route), "Route size=65, ID=82 (R1, 1 points)");
    EXPECT_EQ(tree.Children(route), (QStringList{"Name = R1", "??? = " + QString("11 ").repeated(62)}));
    const GPSTreeItem map = tree.Child(tree.Child(1, "Map part"), "Map ");
    EXPECT_EQ(tree.Text(map), "Map size=31, ID=76 (M1)");
    const QString zeros8 = QString("00 ").repeated(8);
    EXPECT_EQ(tree.Children(map),
              (QStringList{"??? = " + zeros8, "Topo = Topo", "Name = M1", "Region = Region", "??? = " + zeros8}));
}

TEST(MpsTree, UndecodedRecordShowsItsFirstBytes)
{
    QByteArray frame;
    QByteArray payload;
    for (int i = 0; i < 70; ++i)
        payload.append(char(i));
    frame.append(QByteArray::fromHex("46000000")).append('Z').append(payload);
    ByteCursor cursor(frame);
    CMPSChunk chunk;
    ASSERT_TRUE(chunk.Read(cursor));
    RecordingTree tree;
    const GPSTreeItem item = chunk.FillTree(&tree, 0);
    EXPECT_EQ(tree.Text(item), "Chunk size=70, ID=90");
    QString bytes;
    for (int i = 0; i < 64; ++i)
        bytes += QString::asprintf("%02X ", i);
    EXPECT_EQ(tree.Children(item), QStringList{"Bytes = " + bytes});
}

} // namespace

namespace {

// Every file that still loads after a cut or a flipped byte gives a whole tree: one root of
// the format's caption, expanded last. Run under the sanitizers, this also shows that the
// trees read nothing outside the records.
void ExpectTreesOfDamagedCopies(const CGPSFile& format, const QByteArray& bytes, const QString& root)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("damaged.") + format.GetExtension());
    int loaded = 0;
    auto check = [&](const QByteArray& damaged) {
        // A fresh file each time: rewriting a truncated file makes the file system flush it.
        QFile::remove(path);
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(damaged), damaged.size());
        out.close();
        auto file = LoadPath(format, path);
        if (!file)
            return;
        ++loaded;
        RecordingTree tree;
        ASSERT_EQ(file->FillTree(&tree), GPSTreeItem(1));
        ASSERT_EQ(tree.Children(0), QStringList{root});
        ASSERT_EQ(tree.expanded.back(), GPSTreeItem(1));
    };
    for (qsizetype size = 1; size < bytes.size(); ++size)
        check(bytes.left(size));
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        QByteArray flipped = bytes;
        flipped[at] = char(flipped[at] ^ 0xA5);
        check(flipped);
    }
    EXPECT_GT(loaded, 0);
}

TEST(GPSTreeDamaged, TreesOfCutAndFlippedFiles)
{
    ExpectTreesOfDamagedCopies(CGDBFile(), ReadBytes(GpsFixture("gpsbabel_v3.gdb")), "GDB file");
    ExpectTreesOfDamagedCopies(CGDBFile(), ReadBytes(GpsFixture("gpsbabel_v1.gdb")), "GDB file");
    ExpectTreesOfDamagedCopies(CMPSFile(), SampleMps(), "MPS file");
    ExpectTreesOfDamagedCopies(CGPXFile(), ReadBytes(GpsFixture("gpsbabel_11.gpx")), "GPX file");
}

} // namespace
