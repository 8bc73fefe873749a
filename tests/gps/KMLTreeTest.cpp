// The inspection tree of KML files: gpsbabel's file against what gpsbabel reads from it, and a
// hand-written file with names the ANSI code page cannot hold and heights no float or int holds.
#include "GpsTestSupport.h"
#include "GpxTestSupport.h"
#include "RecordingTree.h"
#include "TempDir.h"

#include "gps/kml/KMLFile.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

QString Number(double value) { return QString::asprintf("%f", value); }

// The fields of the n-th record item of parent (items that have children), caption first.
QStringList Record(const RecordingTree& tree, GPSTreeItem parent, int n)
{
    int seen = 0;
    for (size_t i = 0; i < tree.items.size(); ++i) {
        const QStringList children = tree.Children(GPSTreeItem(i + 1));
        if (tree.items[i].parent == parent && !children.isEmpty() && seen++ == n)
            return QStringList{tree.items[i].text} + children;
    }
    return {};
}

GPSTreeItem RecordItem(const RecordingTree& tree, GPSTreeItem parent, int n)
{
    const QStringList record = Record(tree, parent, n);
    return record.isEmpty() ? 0 : tree.Child(parent, record[0]);
}

TEST(KMLTree, GpsbabelFileShowsWhatGpsbabelReads)
{
    REQUIRE_GPSBABEL();
    const QString path = GpsFixture(u"gpsbabel.kml"_qs);
    GpxContent oracle;
    QByteArray gpx;
    ASSERT_TRUE(RunGpsBabel({"-i", "kml", "-f", path, "-o", "gpx,gpxver=1.1", "-F", "-"}, &gpx));
    ASSERT_TRUE(ParseGpxText(gpx, &oracle));
    auto file = CKMLFile().LoadFile(path, nullptr);
    ASSERT_TRUE(file);
    RecordingTree tree;
    const GPSTreeItem root = file->FillTree(&tree);
    ASSERT_NE(root, 0u);

    EXPECT_EQ(tree.Children(0), QStringList{u"KML file"_qs});
    EXPECT_EQ(tree.Children(root), (QStringList{u"Header part"_qs, u"Waypoint part"_qs, u"Track part"_qs}));
    const GPSTreeItem header = tree.Child(root, u"Header part"_qs);
    const GPSTreeItem waypoints = tree.Child(root, u"Waypoint part"_qs);
    const GPSTreeItem tracks = tree.Child(root, u"Track part"_qs);
    EXPECT_TRUE(tree.Children(header).isEmpty());
    EXPECT_EQ(tree.expanded, (std::vector<GPSTreeItem>{header, waypoints, tracks, root}));

    const QStringList waypointItems = tree.Children(waypoints);
    ASSERT_EQ(waypointItems.size(), qsizetype(oracle.waypoints.size() + 1));
    EXPECT_EQ(waypointItems[0], u"Total Waypoints = %1"_qs.arg(oracle.waypoints.size()));
    for (size_t i = 0; i < oracle.waypoints.size(); ++i) {
        SCOPED_TRACE(i);
        const GpxWaypoint& w = oracle.waypoints[i];
        const double ele = w.position.ele.value_or(0);
        const QString name = HeldInUtf8Field(w.name);
        EXPECT_EQ(Record(tree, waypoints, int(i)),
                  (QStringList{u"WayPoint (%1, %2m)"_qs.arg(name).arg(int(std::trunc(ele))), u"Name = "_qs + name,
                               u"Latitude = "_qs + Number(w.position.lat), u"Longitude = "_qs + Number(w.position.lon),
                               u"Height = "_qs + Number(double(float(ele)))}));
    }

    // gpsbabel makes a track of every line string, this reader one of every placemark: the
    // points agree in order.
    std::vector<GpxPoint> points;
    for (const GpxTrack& track : oracle.tracks)
        points.insert(points.end(), track.points.begin(), track.points.end());
    const QStringList trackItems = tree.Children(tracks);
    ASSERT_FALSE(trackItems.isEmpty());
    EXPECT_EQ(trackItems[0], u"Total Tracks = %1"_qs.arg(trackItems.size() - 1));
    size_t next = 0;
    for (int t = 0; t + 1 < trackItems.size(); ++t) {
        const QStringList track = Record(tree, tracks, t);
        ASSERT_GE(track.size(), 3);
        const int count = int(track.size()) - 3;
        EXPECT_EQ(track[0], u"Track (Path, %1 points)"_qs.arg(count));
        EXPECT_EQ(track.mid(1, 2), (QStringList{u"Name = Path"_qs, u"Points = %1"_qs.arg(count)}));
        const GPSTreeItem trackItem = RecordItem(tree, tracks, t);
        for (int p = 0; p < count; ++p, ++next) {
            ASSERT_LT(next, points.size());
            EXPECT_EQ(Record(tree, trackItem, p),
                      (QStringList{u"Point %1"_qs.arg(p + 1), u"Latitude = "_qs + Number(points[next].lat),
                                   u"Longitude = "_qs + Number(points[next].lon),
                                   u"Height = "_qs + Number(points[next].ele.value_or(0))}));
        }
    }
    EXPECT_EQ(next, points.size());
}

// Names are UTF-8 and shown as such, also characters Big5 lacks; a height outside int shows
// "???m" and one no float holds is shown as written.
TEST(KMLTree, Utf8NamesAndHeightsOutOfRange)
{
    const QByteArray kml = R"(<?xml version="1.0" encoding="UTF-8"?>
<kml xmlns="http://www.opengis.net/kml/2.2"><Document>
<Placemark><name>Café 😀 雪山</name><description>d</description>
<Point><coordinates>121.5,24.25,1e40</coordinates></Point></Placemark>
<Placemark><name>High</name><description>d</description>
<Point><coordinates>-10.5,-33.9,3000000000</coordinates></Point></Placemark>
<Placemark><name>Ñandú</name><LineString><coordinates>121.5,24.25,-1.5 121.6,24.35,2
</coordinates></LineString></Placemark>
</Document></kml>
)";
    TempDir dir;
    auto file = CKMLFile().LoadFile(dir.write(u"names.kml"_qs, kml), nullptr);
    ASSERT_TRUE(file);
    RecordingTree tree;
    const GPSTreeItem root = file->FillTree(&tree);
    const GPSTreeItem waypoints = tree.Child(root, u"Waypoint part"_qs);
    EXPECT_EQ(Record(tree, waypoints, 0),
              (QStringList{u"WayPoint (Café 😀 雪山, ???m)"_qs, u"Name = Café 😀 雪山"_qs, u"Latitude = 24.250000"_qs,
                           u"Longitude = 121.500000"_qs, u"Height = "_qs + Number(1e40)}));
    EXPECT_EQ(Record(tree, waypoints, 1).value(0), u"WayPoint (High, ???m)");
    EXPECT_EQ(Record(tree, waypoints, 1).value(4), u"Height = 3000000000.000000");
    const GPSTreeItem tracks = tree.Child(root, u"Track part"_qs);
    EXPECT_EQ(tree.Children(tracks), (QStringList{u"Total Tracks = 1"_qs, u"Track (Ñandú, 2 points)"_qs}));
    EXPECT_EQ(Record(tree, RecordItem(tree, tracks, 0), 1),
              (QStringList{u"Point 2"_qs, u"Latitude = 24.350000"_qs, u"Longitude = 121.600000"_qs,
                           u"Height = 2.000000"_qs}));
}

TEST(KMLTree, EmptyFileHasItsPartsAndTotals)
{
    TempDir dir;
    auto file = CKMLFile().LoadFile(
        dir.write(u"empty.kml"_qs, "<?xml version=\"1.0\" encoding=\"UTF-8\"?><kml><Document/></kml>"), nullptr);
    ASSERT_TRUE(file);
    RecordingTree tree;
    const GPSTreeItem root = file->FillTree(&tree);
    EXPECT_EQ(tree.Children(root), (QStringList{u"Header part"_qs, u"Waypoint part"_qs, u"Track part"_qs}));
    EXPECT_EQ(tree.Children(tree.Child(root, u"Waypoint part"_qs)), QStringList{u"Total Waypoints = 0"_qs});
    EXPECT_EQ(tree.Children(tree.Child(root, u"Track part"_qs)), QStringList{u"Total Tracks = 0"_qs});
    EXPECT_EQ(tree.expanded.back(), root);
}

} // namespace
