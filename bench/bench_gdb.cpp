// Reading a large GDB file made by gpsbabel (5,000 waypoints, 200,000 track points): the
// format manager's open, the wide waypoint records and every track point, against gpsbabel
// reading the same file.
#include "gps/GPSFileManager.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kWayPoints = 5000;
constexpr int kTracks = 20;
constexpr int kPointsPerTrack = 10000;

QString g_gdbPath;

QByteArray MakeGpx()
{
    QByteArray gpx = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<gpx version=\"1.1\" creator=\"bench\" xmlns=\"http://www.topografix.com/GPX/1/1\">\n";
    for (int i = 0; i < kWayPoints; ++i) {
        gpx += "<wpt lat=\"" + QByteArray::number(22.0 + i * 0.0007, 'f', 6) + "\" lon=\""
            + QByteArray::number(120.0 + i * 0.0003, 'f', 6) + "\"><ele>" + QByteArray::number(100 + i % 3900)
            + "</ele><name>" + QStringLiteral("山峰%1").arg(i).toUtf8() + "</name><desc>" + QStringLiteral("百岳 %1 號").arg(i).toUtf8()
            + "</desc></wpt>\n";
    }
    for (int t = 0; t < kTracks; ++t) {
        gpx += "<trk><name>" + QStringLiteral("步道%1").arg(t).toUtf8() + "</name><trkseg>\n";
        for (int p = 0; p < kPointsPerTrack; ++p) {
            gpx += "<trkpt lat=\"" + QByteArray::number(23.0 + p * 0.00001 + t * 0.01, 'f', 6) + "\" lon=\""
                + QByteArray::number(121.0 + p * 0.00001, 'f', 6) + "\"><ele>" + QByteArray::number(500 + p % 1000)
                + "</ele><time>2023-04-01T" + QByteArray::number(10 + p / 3600).rightJustified(2, '0') + ":"
                + QByteArray::number(p / 60 % 60).rightJustified(2, '0') + ":"
                + QByteArray::number(p % 60).rightJustified(2, '0') + "Z</time></trkpt>\n";
        }
        gpx += "</trkseg></trk>\n";
    }
    return gpx + "</gpx>\n";
}

void BM_OpenAndReadAll(benchmark::State& state)
{
    CGPSFileManager manager;
    for (auto _ : state) {
        auto file = manager.OpenFile(g_gdbPath);
        if (!file) {
            state.SkipWithError("the GDB file did not open");
            return;
        }
        auto waypoints = file->NewWayPointArrayW();
        int64_t points = 0;
        for (int i = 0; i < file->GetTrackCount(); ++i) {
            GPSTrackPointList list;
            file->GetTrackPoints(&list, i);
            points += list.count;
        }
        benchmark::DoNotOptimize(waypoints);
        benchmark::DoNotOptimize(points);
        if (points != int64_t(kTracks) * kPointsPerTrack || file->GetWayPointCount() != kWayPoints)
            state.SkipWithError("unexpected content");
    }
}

void BM_GpsbabelToUnicsv(benchmark::State& state)
{
    const QString gpsbabel = QStandardPaths::findExecutable("gpsbabel");
    for (auto _ : state) {
        QProcess process;
        process.start(gpsbabel, {"-i", "gdb", "-f", g_gdbPath, "-o", "unicsv", "-F", "/dev/null"});
        if (!process.waitForFinished(300000) || process.exitCode() != 0)
            state.SkipWithError("gpsbabel failed");
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const QString gpsbabel = QStandardPaths::findExecutable("gpsbabel");
    if (gpsbabel.isEmpty()) {
        std::fprintf(stderr, "bench_gdb: gpsbabel is not installed; nothing to measure\n");
        return 0;
    }
    QTemporaryDir dir;
    const QString gpx = dir.filePath("large.gpx");
    g_gdbPath = dir.filePath("large.gdb");
    QFile out(gpx);
    if (!out.open(QIODevice::WriteOnly) || out.write(MakeGpx()) < 0)
        return 1;
    out.close();
    if (QProcess::execute(gpsbabel, {"-i", "gpx", "-f", gpx, "-o", "gdb,ver=3", "-F", g_gdbPath}) != 0) {
        std::fprintf(stderr, "bench_gdb: gpsbabel could not write the GDB file\n");
        return 1;
    }
    std::fprintf(stderr, "bench_gdb: %lld bytes of GDB\n", static_cast<long long>(QFile(g_gdbPath).size()));
    benchmark::RegisterBenchmark("OpenFile+GetWayPointsW+TrackPoints", BM_OpenAndReadAll)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("gpsbabel -i gdb -o unicsv", BM_GpsbabelToUnicsv)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(3);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
