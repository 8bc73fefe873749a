// The inspection tree of GPS TrackMaker files: gpsbabel's own file against what gpsbabel reads
// from it, and built files for the edge cases (icons and codes outside the tables, names that
// fill their 10 bytes, empty strings, a first track without its flag).
#include "GpsTestSupport.h"
#include "GtmBuilder.h"
#include "GtmTestSupport.h"
#include "RecordingTree.h"
#include "TempDir.h"

#include "gps/gtm/GTMFile.h"

#include <QDateTime>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

constexpr int64_t kGtmEpoch = 631065600; // 1989-12-31 00:00 UTC
constexpr int64_t kTaiwanOffset = 8 * 3600;

const QStringList kParts = {u"Header part"_qs,    u"Grid/Datum part"_qs,     u"Map Image part"_qs,
                            u"Waypoint part"_qs,  u"WayPoint Style part"_qs, u"TrackLog part"_qs,
                            u"Track Style part"_qs, u"Route part"_qs};

struct FilledTree {
    RecordingTree tree;
    GPSTreeItem root = 0;

    GPSTreeItem Part(const QString& caption) const { return tree.Child(root, caption); }
    // The fields of the n-th record item (0-based) of a part: its children after the totals.
    QStringList Record(const QString& part, int n) const
    {
        int seen = 0;
        const GPSTreeItem parent = Part(part);
        for (size_t i = 0; i < tree.items.size(); ++i) {
            if (tree.items[i].parent == parent && !tree.items[i].text.startsWith(u"Total ") && seen++ == n)
                return QStringList{tree.items[i].text} + tree.Children(GPSTreeItem(i + 1));
        }
        return {};
    }
};

bool Fill(CGPSFile* file, FilledTree* out)
{
    if (!file)
        return false;
    out->root = file->FillTree(&out->tree);
    return out->root != 0;
}

bool FillBytes(const QByteArray& bytes, FilledTree* out)
{
    const auto file = LoadGtmBytes(bytes);
    return Fill(file.get(), out);
}

QString Number(double value) { return QString::asprintf("%f", value); }

// The raw date of a UTC time and the Taiwan time it shows, by Qt's calendar; dates from 2100
// on show cleared. Without a time gpsbabel writes 0 for a waypoint and the date of 1970-01-01
// for a track point.
QString DateText(const QString& utc, int64_t unixWhenAbsent = kGtmEpoch)
{
    const int64_t seconds = utc.isEmpty() ? unixWhenAbsent : SecondsOf(utc);
    const auto raw = uint32_t(seconds - kGtmEpoch);
    const QDateTime local = QDateTime::fromSecsSinceEpoch(kGtmEpoch + raw + kTaiwanOffset, Qt::UTC);
    if (local.date().year() >= 2100)
        return QString::asprintf("0x%08X (00:00:00, 0/0/0)", raw);
    return QString::asprintf("0x%08X (%02d:%02d:%02d, %d/%d/%d)", raw, local.time().hour(), local.time().minute(),
                             local.time().second(), local.date().year(), local.date().month(), local.date().day());
}

QString Metres(std::optional<double> ele)
{
    return ele ? QString::number(int(std::trunc(*ele))) + u'm' : u"???m"_qs;
}

// The bytes of a built file with its grid and datum codes replaced.
QByteArray WithGridDatum(const GtmBuilder& b, int16_t grid, int16_t datum)
{
    QByteArray bytes = b.Build();
    qsizetype offset = GtmBuilder::kHeaderSize;
    for (const QByteArray& text : b.strings)
        offset += 2 + text.size();
    std::memcpy(bytes.data() + offset, &grid, sizeof grid);
    std::memcpy(bytes.data() + offset + 34, &datum, sizeof datum);
    return bytes;
}

TEST(GTMTree, GpsbabelFileShowsWhatGpsbabelReads)
{
    REQUIRE_GPSBABEL();
    const QString path = GpsFixture(u"gpsbabel.gtm"_qs);
    GpxContent oracle;
    ASSERT_TRUE(GpsbabelReads(u"gtm"_qs, path, &oracle));
    auto file = CGTMFile().LoadFile(path, nullptr);
    FilledTree t;
    ASSERT_TRUE(Fill(file.get(), &t));

    EXPECT_EQ(t.tree.Text(t.root), u"GTM file");
    EXPECT_EQ(t.tree.Children(0), QStringList{u"GTM file"_qs});
    EXPECT_EQ(t.tree.Children(t.root), kParts);

    for (size_t i = 0; i < oracle.waypoints.size(); ++i) {
        const GpxWaypoint& w = oracle.waypoints[i];
        const QStringList fields = t.Record(u"Waypoint part"_qs, int(i));
        ASSERT_EQ(fields.size(), 11) << i;
        EXPECT_EQ(fields[0], u"WayPoint (%1, %2)"_qs.arg(w.name, Metres(w.position.ele)));
        EXPECT_EQ(fields[1], u"Latitude = "_qs + Number(w.position.lat));
        EXPECT_EQ(fields[2], u"Longitude = "_qs + Number(w.position.lon));
        EXPECT_EQ(fields[3], u"Name = "_qs + w.name);
        EXPECT_EQ(fields[4], u"Comment = "_qs + w.cmt);
        // gpsbabel names the icons it knows; icon 0 has no name and shows as unknown.
        EXPECT_TRUE(fields[5].startsWith(u"Icon = "_qs + (w.sym.isEmpty() ? u"???"_qs : w.sym) + u" (0x"_qs));
        EXPECT_EQ(fields[7], u"Date = "_qs + DateText(w.position.time));
        EXPECT_EQ(fields[9], u"Height = "_qs + Number(w.position.ele.value_or(kUnknownHeight)));
    }
    const QStringList waypoints = t.tree.Children(t.Part(u"Waypoint part"_qs));
    EXPECT_EQ(waypoints.size(), qsizetype(oracle.waypoints.size() + 1));
    EXPECT_EQ(waypoints.value(0), u"Total Waypoints = %1"_qs.arg(oracle.waypoints.size()));

    const QStringList log = t.tree.Children(t.Part(u"TrackLog part"_qs));
    int point = 0;
    for (const GpxTrack& track : oracle.tracks) {
        const QStringList style = t.Record(u"Track Style part"_qs, &track - oracle.tracks.data());
        ASSERT_GE(style.size(), 2);
        EXPECT_EQ(style[0], u"Style (%1)"_qs.arg(track.name));
        EXPECT_EQ(style[1], u"Name = "_qs + track.name);
        for (const GpxPoint& p : track.points) {
            const QStringList fields = t.Record(u"TrackLog part"_qs, point);
            ASSERT_EQ(fields.size(), 6) << point;
            EXPECT_EQ(fields[0], u"Point %1"_qs.arg(point + 1));
            EXPECT_EQ(fields[1], u"Latitude = "_qs + Number(p.lat));
            EXPECT_EQ(fields[2], u"Longitude = "_qs + Number(p.lon));
            EXPECT_EQ(fields[3], u"Date = "_qs + DateText(p.time, 0));
            // gpsbabel flags the first point of each track only.
            EXPECT_EQ(fields[4], &p == track.points.data() ? u"NewSegment = 1" : u"NewSegment = 0");
            EXPECT_EQ(fields[5], u"Height = "_qs + Number(p.ele.value_or(kUnknownHeight)));
            ++point;
        }
    }
    EXPECT_EQ(log.mid(0, 2), (QStringList{u"Total TrackLogs = %1"_qs.arg(point),
                                          u"Total Tracks = %1"_qs.arg(oracle.tracks.size())}));
    EXPECT_EQ(log.size(), point + 2);
}

TEST(GTMTree, HeaderAndGridOfGpsbabelFile)
{
    auto file = CGTMFile().LoadFile(GpsFixture(u"gpsbabel.gtm"_qs), nullptr);
    FilledTree t;
    ASSERT_TRUE(Fill(file.get(), &t));
    const QStringList header = t.tree.Children(t.Part(u"Header part"_qs));
    ASSERT_EQ(header.size(), 38);
    // Offsets 0 and 2 of the 99 bytes, the counts at 27 to 43 and 63, 67, the strings after them.
    EXPECT_EQ(header[0], u"Version = 211");
    EXPECT_EQ(header[1], u"ID = TrackMaker");
    EXPECT_EQ(header[10], u"BackgroundColor = 0x00FFFFFF");
    EXPECT_EQ(header[11], u"WaypointStyles = 4");
    EXPECT_EQ(header[13], u"Waypoints = 5");
    EXPECT_EQ(header[14], u"TrackPoints = 8");
    EXPECT_EQ(header[15], u"RoutePoints = 0");
    EXPECT_EQ(header[21], u"Tracks = 3");
    EXPECT_EQ(header[33], u"reserval = 0");
    EXPECT_EQ(header.mid(34), (QStringList{u"GridFont = Times New Roman"_qs, u"WayPointFont = "_qs,
                                           u"UserFont = "_qs, u"NewDatum = "_qs}));
    const QStringList grid = t.tree.Children(t.Part(u"Grid/Datum part"_qs));
    ASSERT_EQ(grid.size(), 11);
    EXPECT_EQ(grid[0], u"Grid = 0 (UTM)");
    EXPECT_EQ(grid[5], u"Datum = 217 (WGS 1984 Global Definition)");
}

TEST(GTMTree, ShapeAndExpandOrder)
{
    FilledTree t;
    ASSERT_TRUE(FillBytes(Big5Gtm().Build(), &t));
    EXPECT_EQ(t.tree.Children(t.root), kParts);
    // Every part but the header, grid and waypoint styles; the root last.
    std::vector<GPSTreeItem> expected;
    for (const char16_t* part : {u"Map Image part", u"Waypoint part", u"TrackLog part", u"Track Style part",
                                 u"Route part"})
        expected.push_back(t.Part(QString::fromUtf16(part)));
    expected.push_back(t.root);
    EXPECT_EQ(t.tree.expanded, expected);

    const GtmBuilder b = Big5Gtm();
    struct Total {
        const char16_t* part;
        QString first;
        qsizetype children;
    } totals[] = {
        {u"Map Image part", u"Total Map Images = 1"_qs, 1 + 1},
        {u"Waypoint part", u"Total Waypoints = 3"_qs, 1 + 3},
        {u"WayPoint Style part", u"Total Styles = 2"_qs, 1 + 2},
        {u"TrackLog part", u"Total TrackLogs = 5"_qs, 2 + 5},
        {u"Track Style part", u"Total Styles = 3"_qs, 1 + 3},
        {u"Route part", u"Total Route Points = 3"_qs, 1 + 3},
    };
    for (const Total& total : totals) {
        const QStringList children = t.tree.Children(t.Part(QString::fromUtf16(total.part)));
        ASSERT_EQ(children.size(), total.children) << QString::fromUtf16(total.part).toStdString();
        EXPECT_EQ(children[0], total.first);
    }
    EXPECT_EQ(t.Record(u"Map Image part"_qs, 0).mid(0, 3),
              (QStringList{u"Image (map.jpg)"_qs, u"MapName = map.jpg"_qs, u"Comment = image comment"_qs}));
    EXPECT_EQ(t.Record(u"Waypoint part"_qs, 0).mid(0, 4),
              (QStringList{u"WayPoint (雪山主峰  , 3886m)"_qs, u"Latitude = 24.383333"_qs,
                           u"Longitude = 121.233333"_qs, u"Name = 雪山主峰  "_qs}));
    EXPECT_EQ(t.Record(u"Route part"_qs, 2).mid(0, 6),
              (QStringList{u"Route Point (R3        , 12m)"_qs, u"Latitude = 25.000000"_qs,
                           u"Longitude = 122.000000"_qs, u"Name = R3        "_qs, u"Comment = "_qs,
                           u"RouteName = B"_qs}));
}

// A first track whose first point carries no flag still counts: two tracks, as the file hands out.
TEST(GTMTree, LeadingUnflaggedRunCountsAsTrack)
{
    GtmBuilder b;
    b.points = {{25.1, 121.5, 0, 0, 1.0f}, {25.2, 121.6, 0, 0, 2.0f}, {25.3, 121.7, 0, 1, 3.0f},
                {25.4, 121.8, -1, 0, 4.0f}};
    b.trackStyles = {TrackStyle("A"), TrackStyle("B")};
    const auto file = LoadGtmBytes(b.Build());
    ASSERT_TRUE(file);
    FilledTree t;
    ASSERT_TRUE(Fill(file.get(), &t));
    const QStringList log = t.tree.Children(t.Part(u"TrackLog part"_qs));
    ASSERT_EQ(log.size(), 6);
    EXPECT_EQ(log[0], u"Total TrackLogs = 4");
    EXPECT_EQ(log[1], u"Total Tracks = 2");
    EXPECT_EQ(file->GetTrackCount(), 2);
    EXPECT_EQ(t.Record(u"TrackLog part"_qs, 3),
              (QStringList{u"Point 4"_qs, u"Latitude = 25.400000"_qs, u"Longitude = 121.800000"_qs,
                           u"Date = 0xFFFFFFFF (Invalid)"_qs, u"NewSegment = 0"_qs, u"Height = 4.000000"_qs}));
}

TEST(GTMTree, CodesOutsideTheTablesShowUnknown)
{
    GtmBuilder b;
    b.strings[0] = {};
    for (int16_t icon : {int16_t(200), int16_t(-1), int16_t(192), int16_t(73)}) {
        GtmWayPointFields w;
        w.name = "W";
        w.icon = icon;
        b.waypoints.push_back(w);
    }
    struct Case {
        int16_t grid, datum;
        const char16_t* gridText;
        const char16_t* datumText;
    } cases[] = {
        {14, 263, u"Grid = 14 (?\?\?)", u"Datum = 263 (?\?\?)"},
        {-1, -1, u"Grid = -1 (?\?\?)", u"Datum = -1 (?\?\?)"},
        {13, 262, u"Grid = 13 (Taiwan 67 Grid)", u"Datum = 262 (Wake-Eniwetok 1960 (GPS) Marshall Islands)"},
    };
    for (const Case& c : cases) {
        FilledTree t;
        ASSERT_TRUE(FillBytes(WithGridDatum(b, c.grid, c.datum), &t));
        const QStringList grid = t.tree.Children(t.Part(u"Grid/Datum part"_qs));
        ASSERT_EQ(grid.size(), 11);
        EXPECT_EQ(grid[0], QString::fromUtf16(c.gridText));
        EXPECT_EQ(grid[5], QString::fromUtf16(c.datumText));
        EXPECT_EQ(t.Record(u"Waypoint part"_qs, 0).value(5), u"Icon = ??? (0x00C8)");
        EXPECT_EQ(t.Record(u"Waypoint part"_qs, 1).value(5), u"Icon = ??? (0xFFFF)");
        EXPECT_EQ(t.Record(u"Waypoint part"_qs, 2).value(5), u"Icon = Libraries (0x00C0)");
        EXPECT_EQ(t.Record(u"Waypoint part"_qs, 3).value(5), u"Icon = Summit (0x0049)");
    }
}

// Names that fill all 10 bytes have no terminator: the field is shown, nothing after it.
// Empty strings show empty.
TEST(GTMTree, FullNamesAndEmptyStrings)
{
    GtmBuilder b;
    b.strings[0] = {};
    b.waypoints = {{24, 121, "ABCDEFGHIJ", {}, 48, 0, 0, 0, 5.5f, 0},
                   {24, 121, Big5(u"雪山主峰北"_qs), "x", 0, 0, 0, 0, kUnknownHeight, 0}};
    b.styles = {QByteArray()};
    b.trackStyles = {TrackStyle({})};
    b.routes = {{24, 121, "0123456789", {}, {}, 1}};
    FilledTree t;
    ASSERT_TRUE(FillBytes(b.Build(), &t));
    EXPECT_EQ(t.Record(u"Waypoint part"_qs, 0).mid(0, 5),
              (QStringList{u"WayPoint (ABCDEFGHIJ, 5m)"_qs, u"Latitude = 24.000000"_qs,
                           u"Longitude = 121.000000"_qs, u"Name = ABCDEFGHIJ"_qs, u"Comment = "_qs}));
    EXPECT_EQ(t.Record(u"Waypoint part"_qs, 1).mid(0, 5),
              (QStringList{u"WayPoint (雪山主峰北, ???m)"_qs, u"Latitude = 24.000000"_qs,
                           u"Longitude = 121.000000"_qs, u"Name = 雪山主峰北"_qs, u"Comment = x"_qs}));
    EXPECT_EQ(t.Record(u"Waypoint part"_qs, 0).value(6), u"Display = 0");
    EXPECT_EQ(t.Record(u"Waypoint part"_qs, 0).value(7), u"Date = 0x00000000 (08:00:00, 1989/12/31)");
    EXPECT_EQ(t.Record(u"WayPoint Style part"_qs, 0).mid(0, 3),
              (QStringList{u"Style ()"_qs, u"Height = -11"_qs, u"FaceName = "_qs}));
    EXPECT_EQ(t.Record(u"Track Style part"_qs, 0).mid(0, 2), (QStringList{u"Style ()"_qs, u"Name = "_qs}));
    EXPECT_EQ(t.Record(u"Route part"_qs, 0).mid(3, 3),
              (QStringList{u"Name = 0123456789"_qs, u"Comment = "_qs, u"RouteName = "_qs}));
    const QStringList header = t.tree.Children(t.Part(u"Header part"_qs));
    ASSERT_EQ(header.size(), 38);
    EXPECT_EQ(header[34], u"GridFont = ");
}

} // namespace
