// Damaged copies of real files through the format manager: every truncation and seeded bit
// flips. Each must give null or an object whose every hand-out works.
#include "EvoTestSupport.h"
#include "GpsTestSupport.h"
#include "GtmTestSupport.h"
#include "MpsBuilder.h"
#include "RecordingTree.h"
#include "TempDir.h"
#include "WtrTestSupport.h"

#include "gps/evo/EVOFile.h"
#include "gps/gdb/GDBFile.h"
#include "gps/GPSFileManager.h"
#include "gps/gtm/GTMFile.h"
#include "gps/mps/MPSFile.h"
#include "gps/wtr/WTRFile.h"

#include <QFile>
#include <gtest/gtest.h>

#include <random>

namespace {

constexpr int kFlipsPerFile = 3000;

// Reads everything a caller can read, and copies it into new files of each format.
void Exercise(const CGPSFile& file)
{
    ExpectConsistentHandOuts(file);
    CGDBFile copy;
    for (int i = 0; i < file.GetTrackCount(); ++i)
        copy.AddTrackFrom(&file, i, "w1");
    for (int i = 0; i < file.GetWayPointCount(); ++i) {
        copy.AddWayPointFrom(&file, i, nullptr);
        copy.AddWayPointCopy(&file, i, "n", "c", 1);
    }
    EXPECT_GT(copy.ToBytes().size(), 0);
    // Whole-file conversions between the two MapSource formats.
    CMPSFile mps;
    const bool toMps = file.FormatCode() == CGPSFile::kGDB || file.FormatCode() == CGPSFile::kEVO;
    EXPECT_EQ(mps.ConvertFrom(&file), toMps ? 1 : 0);
    EXPECT_GT(mps.ToBytes().size(), 0);
    CGDBFile gdb;
    EXPECT_EQ(gdb.ConvertFrom(&file), file.FormatCode() == CGPSFile::kMPS ? 1 : 0);
    EXPECT_GT(gdb.ToBytes().size(), 0);
    CGTMFile gtm;
    EXPECT_EQ(gtm.ConvertFrom(&file), file.FormatCode() == CGPSFile::kMPS ? 1 : 0);
    EXPECT_GT(gtm.ToBytes().size(), 0);
    CEVOFile evo;
    const bool toEvo = file.FormatCode() == CGPSFile::kMPS || file.FormatCode() == CGPSFile::kWTR;
    EXPECT_EQ(evo.ConvertFrom(&file), toEvo ? 1 : 0);
    EXPECT_GT(evo.ToBytes().size(), 0);
    CWTRFile wtr;
    EXPECT_EQ(wtr.ConvertFrom(&file), file.FormatCode() == CGPSFile::kEVO ? 1 : 0);
    EXPECT_GT(wtr.ToBytes().size(), 0);
    RecordingTree tree;
    EXPECT_NE(const_cast<CGPSFile&>(file).FillTree(&tree), 0u);
    if (const auto* loaded = dynamic_cast<const CGTMFile*>(&file)) {
        EXPECT_GT(loaded->ToBytes().size(), 0);
    }
}

QByteArray Big5File()
{
    GdbBuilder gdb(108);
    gdb.WayPoint(Big5(u"雪山北峰"_qs), Big5(u"志佳陽線"_qs)).WayPoint("B", Big5(u"玉山"_qs));
    gdb.Record('R', QByteArray("R\0", 2) + QByteArray(62, '\0')).Track(Big5(u"步道"_qs), 3, 3);
    gdb.Record('L', QByteArray(8, '\0') + QByteArray("T\0N\0R\0", 6) + QByteArray(8, '\0'));
    return gdb.bytes;
}

// An MPS file with Big5 texts, every kind of record and a point without height or time.
QByteArray MpsFile()
{
    MpsWayPointFields w;
    w.name = Big5(u"雪山北峰"_qs);
    w.description = Big5(u"志佳陽線"_qs);
    w.heightDefined = 1;
    w.height = 3703;
    MpsBuilder mps;
    mps.WayPoint(w).WayPoint({.name = "B"}).Route("R");
    mps.Track(Big5(u"步道"_qs), {{1, 2, 1, 800, 1, 1680307200}, {3, 4, 0, 1.0e25, 0, 0}}).Map("M");
    return mps.bytes;
}

// The MPS file this program writes from a gpsbabel GDB file.
QByteArray MpsFromGdb()
{
    auto gdb = CGPSFileManager().OpenFile(GpsFixture("gpsbabel_v3.gdb"));
    CMPSFile mps;
    return gdb && mps.ConvertFrom(gdb.get()) ? mps.ToBytes() : QByteArray();
}

// A fixture file, or one of the files built here.
QByteArray FuzzInput(const QByteArray& name)
{
    if (name == "big5")
        return Big5File();
    if (name == "mps")
        return MpsFile();
    if (name == "mps_from_gdb")
        return MpsFromGdb();
    if (name == "gtm")
        return Big5Gtm().Build();
    if (name == "evo") {
        EvoBuilder evo = evo_test::RichEvo();
        evo.routes = evo_test::TwoRoutes();
        return evo.Build();
    }
    if (name == "wtr")
        return RichWtr().Build();
    return ReadBytes(GpsFixture(name));
}

class GPSFuzz : public ::testing::TestWithParam<const char*> {};

TEST_P(GPSFuzz, TruncationsAndBitFlipsFailCleanly)
{
    // A fixture, or "big5": a version-108 file with Big5 texts, a route and a map; "mps" and
    // "mps_from_gdb": MPS files; "gtm": a GPS TrackMaker file with every section; "evo" and
    // "wtr": eTrex files with Big5 names, missing heights, tracks and routes.
    const QByteArray original = FuzzInput(GetParam());
    ASSERT_FALSE(original.isEmpty());
    TempDir dir;
    const QString path = dir.file("damaged.gdb");
    CGPSFileManager manager;
    int opened = 0;
    auto attempt = [&](const QByteArray& bytes) {
        // A fresh file each time: rewriting a truncated file makes the file system flush it.
        QFile::remove(path);
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        ASSERT_EQ(out.write(bytes), bytes.size());
        out.close();
        if (auto file = manager.OpenFile(path)) {
            ++opened;
            Exercise(*file);
        }
    };
    for (qsizetype n = 0; n < original.size(); ++n)
        attempt(original.first(n));
    std::mt19937 random(20240401);
    for (int i = 0; i < kFlipsPerFile; ++i) {
        QByteArray bytes = original;
        const int flips = 1 + int(random() % 3);
        for (int f = 0; f < flips; ++f)
            bytes[qsizetype(random() % uint32_t(bytes.size()))] ^= char(1 << (random() % 8));
        attempt(bytes);
    }
    EXPECT_GT(opened, 0); // some damage (late truncations, texts) still reads
}

INSTANTIATE_TEST_SUITE_P(Fixtures, GPSFuzz,
                         ::testing::Values("gpsbabel_v1.gdb", "gpsbabel_v2.gdb", "gpsbabel_v3.gdb", "big5",
                                           "mps", "mps_from_gdb", "gpsbabel_10.gpx", "gpsbabel_11.gpx",
                                           "hand.gpx", "gpsbabel_points0.kml", "gpsbabel.kml", "ogr.kml",
                                           "ogr_libkml.kml", "hand.kml", "gpsbabel.gtm",
                                           "gtm", "evo", "wtr"));

} // namespace
