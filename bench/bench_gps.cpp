// Reading large GPS files made by gpsbabel (5,000 waypoints, 200,000 track points), one GDB and
// one GPX: the format manager's open, the wide waypoint records and every track point, against
// gpsbabel reading the same file in the same run.
#include "LargeGpx.h"

#include "gps/GPSFileManager.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

// A file of one format and how gpsbabel names that format.
struct BenchFile {
    QString path;
    QString gpsbabelFormat;
};

void OpenAndReadAll(benchmark::State& state, const BenchFile& bench)
{
    CGPSFileManager manager;
    for (auto _ : state) {
        auto file = manager.OpenFile(bench.path);
        if (!file) {
            state.SkipWithError("the file did not open");
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
        if (points != int64_t(bench::kTracks) * bench::kPointsPerTrack
            || file->GetWayPointCount() != bench::kWayPoints)
            state.SkipWithError("unexpected content");
    }
}

void GpsbabelToUnicsv(benchmark::State& state, const BenchFile& bench, const QString& gpsbabel)
{
    for (auto _ : state) {
        QProcess process;
        process.start(gpsbabel, {"-i", bench.gpsbabelFormat, "-f", bench.path, "-o", "unicsv",
                                 "-F", "/dev/null"});
        if (!process.waitForFinished(300000) || process.exitCode() != 0)
            state.SkipWithError("gpsbabel failed");
    }
}

// gpsbabel writes the file from the generated GPX; false when it cannot.
bool MakeFile(const QString& gpsbabel, const QString& source, const QString& outFormat,
              const QString& path)
{
    if (QProcess::execute(gpsbabel, {"-i", "gpx", "-f", source, "-o", outFormat, "-F", path}) != 0)
        return false;
    std::fprintf(stderr, "bench_gps: %s: %lld bytes\n", qPrintable(outFormat),
                 static_cast<long long>(QFile(path).size()));
    return true;
}

void Register(const char* name, const BenchFile& bench, const QString& gpsbabel)
{
    benchmark::RegisterBenchmark((std::string(name) + " OpenFile+GetWayPointsW+TrackPoints").c_str(),
                                 [bench](benchmark::State& s) { OpenAndReadAll(s, bench); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark((std::string(name) + " gpsbabel to unicsv").c_str(),
                                 [bench, gpsbabel](benchmark::State& s) { GpsbabelToUnicsv(s, bench, gpsbabel); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->Iterations(3);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const QString gpsbabel = QStandardPaths::findExecutable("gpsbabel");
    if (gpsbabel.isEmpty()) {
        std::fprintf(stderr, "bench_gps: gpsbabel is not installed; nothing to measure\n");
        return 0;
    }
    QTemporaryDir dir;
    const QString source = dir.filePath("source.gpx");
    QFile out(source);
    if (!out.open(QIODevice::WriteOnly) || out.write(bench::MakeGpx()) < 0)
        return 1;
    out.close();
    const BenchFile gdb{dir.filePath("large.gdb"), "gdb"};
    const BenchFile gpx{dir.filePath("large.gpx"), "gpx"};
    if (!MakeFile(gpsbabel, source, "gdb,ver=3", gdb.path) || !MakeFile(gpsbabel, source, "gpx", gpx.path)) {
        std::fprintf(stderr, "bench_gps: gpsbabel could not write the files\n");
        return 1;
    }
    Register("GDB", gdb, gpsbabel);
    Register("GPX", gpx, gpsbabel);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
