// Locating a peak through an all-in-one file in each format the owner may keep it in (GPX, MPS,
// KML, GTM): the waypoints written into "~~TempWP.gdb", as gpsbabel reads them back, carry the
// names, coordinates and heights that gpsbabel reads from the all-in-one file. And a large GPX
// file: a 10K locate converts each neighbour's own record, not the whole file per neighbour.
#include "LocateTestSupport.h"

#include "catalog/talvane/GroupTalvane.h"
#include "gps/gdb/GDBFile.h"
#include "gps/mps/MPSFile.h"
#include "platform/FileIO.h"

#include <algorithm>

namespace {

using namespace locate_test;

// Coordinates agree to well within the resolution of a 32-bit angle (about 8e-8 degrees) plus
// the rounding of gpsbabel's own text; heights to a millimetre (GTM holds them as floats).
constexpr double kDegreeTolerance = 1e-6;
constexpr double kHeightTolerance = 1e-3;

struct AllInOneFormat {
    const char* name;
    // The file beside the fixtures that gpsbabel wrote from locate.gpx, or null for MPS: gpsbabel
    // writes no MPS, so the file is made from gpsbabel's GDB by the program's MPS writer.
    const char* fixture;
    // gpsbabel's name of the format it reads the source in, and that source: the all-in-one
    // file itself, or for MPS the GDB it was made from.
    const char* babelFormat;
    const char* babelSource;
    // Whether Chinese names survive gpsbabel's writing of the format (it puts UTF-8 bytes into
    // GTM's names, which the format holds in the ANSI code page).
    bool chineseNames;
};

const AllInOneFormat kFormats[] = {
    {"GPX", "allinone.gpx", "gpx", "allinone.gpx", true},
    {"MPS", nullptr, "gdb", "program/data/!台灣的山.gdb", true},
    {"KML", "allinone.kml", "kml", "allinone.kml", true},
    {"GTM", "allinone.gtm", "gtm", "allinone.gtm", false},
};

// A name without the blanks that fixed-width name fields are padded with.
QString Unpadded(QString name)
{
    while (name.endsWith(u' '))
        name.chop(1);
    return name;
}

class LocateThroughFormat : public LocateFixture {
protected:
    void SetUp() override
    {
        LocateFixture::SetUp();
        peaks = dynamic_cast<CGroupTalvane*>(table.GetGroup(0, nullptr));
        ASSERT_NE(peaks, nullptr);
    }

    int Peak(const char* base) const
    {
        for (int i = 0; i < peaks->ItemCount(); ++i)
            if (platform::BaseNameOf(peaks->ItemPath(i)) == QString::fromUtf8(base))
                return i;
        ADD_FAILURE() << base;
        return -1;
    }
    // Names the file (relative to the program folder) as the peaks' all-in-one file.
    void UseAllInOneFile(const QString& relative)
    {
        ASSERT_TRUE(platform::WriteProfileString(LocalSettingsPath(), QStringLiteral("GPS"),
                                                 QStringLiteral("AllWPFile_") + peaks->Key(), relative));
    }
    // What gpsbabel reads from the file handed to the GPS software; nothing when no file was
    // handed over or gpsbabel fails.
    std::optional<GpxContent> ShownByGpsBabel() const
    {
        GpxContent content;
        if (shell.opened.isEmpty() || shell.opened.last() != TempFile()
            || !GpsbabelReading(TempFile(), &content, QStringLiteral("gdb")))
            return std::nullopt;
        return content;
    }

    CGroupTalvane* peaks = nullptr;
};

class GroupBaseLocateFormatsTest : public LocateThroughFormat,
                                   public ::testing::WithParamInterface<AllInOneFormat> {
protected:
    // Lays the format's all-in-one file into the program folder; its name there.
    QString PlaceAllInOneFile()
    {
        const AllInOneFormat& format = GetParam();
        if (format.fixture) {
            const QString name = QString::fromUtf8(format.fixture);
            EXPECT_TRUE(QFile::copy(Fixture(name), root + u'/' + name));
            return name;
        }
        int recognised = 0;
        const std::unique_ptr<CGPSFile> gdb =
            CGDBFile().LoadFile(Fixture(QString::fromUtf8(format.babelSource)), &recognised);
        CMPSFile mps;
        EXPECT_TRUE(gdb && mps.ConvertFrom(gdb.get()));
        EXPECT_EQ(mps.SaveFile(root + QStringLiteral("/allinone.mps")), 1);
        return QStringLiteral("allinone.mps");
    }
};

TEST_P(GroupBaseLocateFormatsTest, ShownWaypointsAreTheFilesAsGpsbabelReadsThem)
{
    REQUIRE_GPSBABEL();
    const AllInOneFormat& format = GetParam();
    UseAllInOneFile(PlaceAllInOneFile());
    GpxContent source;
    ASSERT_TRUE(GpsbabelReading(Fixture(QString::fromUtf8(format.babelSource)), &source,
                                QString::fromUtf8(format.babelFormat)));

    // Centre is e_centre's own waypoint; NearNE lies about 0.042 degrees from it, FarNE about
    // 0.057. 關山2 is the one free waypoint whose base name is c_base's name.
    struct Case {
        const char* peak;
        int radius;
        QStringList shown;
        bool chinese;
    } const cases[] = {
        {"e_centre", 0, {QStringLiteral("Centre")}, false},
        {"e_centre", 5, {QStringLiteral("Centre"), QStringLiteral("NearNE")}, false},
        {"c_base", 0, {QStringLiteral("關山2")}, true},
    };
    for (const Case& c : cases) {
        if (c.chinese && !format.chineseNames)
            continue;
        SCOPED_TRACE(testing::Message() << c.peak << " radius " << c.radius);
        shell.opened.clear();
        EXPECT_TRUE(peaks->LocateItem(Peak(c.peak), c.radius, false));
        const std::optional<GpxContent> shown = ShownByGpsBabel();
        ASSERT_TRUE(shown);
        QStringList names;
        for (const GpxWaypoint& w : shown->waypoints)
            names << w.name;
        EXPECT_EQ(names, c.shown);
        for (const GpxWaypoint& w : shown->waypoints) {
            SCOPED_TRACE(qPrintable(w.name));
            const auto from = std::find_if(source.waypoints.begin(), source.waypoints.end(),
                                           [&](const GpxWaypoint& s) { return Unpadded(s.name) == w.name; });
            ASSERT_NE(from, source.waypoints.end());
            EXPECT_NEAR(w.position.lat, from->position.lat, kDegreeTolerance);
            EXPECT_NEAR(w.position.lon, from->position.lon, kDegreeTolerance);
            ASSERT_EQ(w.position.ele.has_value(), from->position.ele.has_value());
            if (from->position.ele) {
                EXPECT_NEAR(*w.position.ele, *from->position.ele, kHeightTolerance);
            }
        }
    }
    EXPECT_TRUE(dialogs.waypointPicks.isEmpty());
    EXPECT_EQ(window.openedGpsFiles.size(), 1) << "the file read once for every locate";
}

INSTANTIATE_TEST_SUITE_P(AllInOneFormats, GroupBaseLocateFormatsTest, ::testing::ValuesIn(kFormats),
                         [](const testing::TestParamInfo<AllInOneFormat>& info) {
                             return std::string(info.param.name);
                         });

// A GPX file of kLargeCount waypoints on a line of latitude kLargeSpacing degrees apart, with
// Centre halfway between two of them in the middle: a 10K locate (0.1 degrees) takes the
// kLargeNeighbours waypoints nearest it on either side, none at the edge of the radius.
constexpr int kLargeCount = 5000;
constexpr double kLargeSpacing = 0.001;
constexpr double kLargeFirstLongitude = 120.0;
constexpr double kLargeLatitude = 23.0;
constexpr int kLargeCentreSlot = kLargeCount / 2;
constexpr int kLargeNeighbours = 100;

// A GPS file that hands out the waypoints of the file it wraps and counts how it is asked: the
// whole array at once, or one record.
class CountingFile : public CGPSFile {
public:
    explicit CountingFile(std::unique_ptr<CGPSFile> inner) : CGPSFile(kGPX), inner(std::move(inner)) {}
    int GetWayPointCount() const override { return inner->GetWayPointCount(); }
    int GetWayPointsW(GPSWayPointRecordW* records) const override
    {
        ++wholeReads;
        return inner->GetWayPointsW(records);
    }
    int GetWayPointW(int index, GPSWayPointRecordW* record) const override
    {
        ++recordReads;
        return inner->GetWayPointW(index, record);
    }

    std::unique_ptr<CGPSFile> inner;
    mutable int wholeReads = 0;
    mutable int recordReads = 0;
};

QString LargeWaypointName(int i) { return QStringLiteral("W%1").arg(i, 4, 10, QLatin1Char('0')); }

QByteArray LargeGpx()
{
    QByteArray gpx = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<gpx version=\"1.1\" creator=\"test\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
    const auto point = [&gpx](double lon, const QString& name) {
        gpx += "<wpt lat=\"" + QByteArray::number(kLargeLatitude, 'f', 6) + "\" lon=\""
               + QByteArray::number(lon, 'f', 6) + "\"><name>" + name.toUtf8() + "</name></wpt>\n";
    };
    for (int i = 0; i < kLargeCount - 1; ++i) {
        if (i == kLargeCentreSlot)
            point(kLargeFirstLongitude + (i - 0.5) * kLargeSpacing, QStringLiteral("Centre"));
        point(kLargeFirstLongitude + i * kLargeSpacing, LargeWaypointName(i));
    }
    return gpx + "</gpx>\n";
}

TEST_F(LocateThroughFormat, TenKilometresInALargeGpxConvertOnlyTheNeighbours)
{
    ASSERT_TRUE(platform::WriteFileAtomically(root + QStringLiteral("/large.gpx"), LargeGpx()));
    UseAllInOneFile(QStringLiteral("large.gpx"));
    CountingFile* counted = nullptr;
    window.opener = [&counted](const QString& path) -> CGPSFile* {
        std::unique_ptr<CGPSFile> inner = CGPSFileManager().OpenFile(path);
        counted = inner ? new CountingFile(std::move(inner)) : nullptr;
        return counted;
    };
    QStringList expected{QStringLiteral("Centre")};
    for (int i = kLargeCentreSlot - kLargeNeighbours; i < kLargeCentreSlot + kLargeNeighbours; ++i)
        expected << LargeWaypointName(i);

    EXPECT_TRUE(peaks->LocateItem(Peak("e_centre"), 10, false));
    ASSERT_NE(counted, nullptr);
    EXPECT_EQ(peaks->GetWaypointSet()->count, kLargeCount);
    EXPECT_EQ(Shown(), expected);
    // The set reads the whole file once; each waypoint written converts its own record only.
    EXPECT_EQ(counted->wholeReads, 1);
    EXPECT_EQ(counted->recordReads, expected.size());
    EXPECT_EQ(window.openedGpsFiles.size(), 1);
}

} // namespace
