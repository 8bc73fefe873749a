// Opening 比對行程表 (construct and OnInitDialog, offscreen) over 5,000 generated peaks with ten
// visits each and a walk index page of 1,999 walks, against loading the same peaks from their
// item files in the same run.
#include "BenchFiles.h"
#include "GeneratedPeaks.h"
#include "QtBenchMain.h"
#include "catalog/GroupTable.h"
#include "catalog/talvane/GroupTalvane.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/dialogs/compare/DlgCompareWalk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

constexpr int kPeaks = 5000;
constexpr int kWalks = 1999;
constexpr int kSummaryRuns = 5;
constexpr double kMaxRatio = 1.0;

// The program folder: settings, Local.txt naming the walk index page, "山" with the peak files.
struct Catalog {
    QTemporaryDir dir;

    Catalog()
    {
        const QString folder = In(u"山");
        for (int i = 0; i < kPeaks; ++i)
            bench_files::WriteFile(platform::JoinPath(folder, generated_peaks::PeakFileName(i)), generated_peaks::PeakFile(i));
        bench_files::WriteFile(In(u"峰嵐錄.txt"), QByteArray("\xff\xfe", 2) + platform::ToUtf16Le(
            u"[DataGroup]\r\nGroup1=山\r\n[Template]\r\nOnlineDir=http://walks.example.org/\r\n"));
        bench_files::WriteFile(In(u"Local.txt"), QByteArray("\xff\xfe", 2) + platform::ToUtf16Le(
            u"[Template]\r\nWalkIndexFile=pages\\walk2.htm\r\n"));
        bench_files::WriteFile(In(u"pages/walk2.htm"), bench_files::WalkIndexPage(kWalks));
        platform::SetProgramFolder(dir.path());
    }
    QString In(QStringView relative) const { return platform::JoinPath(dir.path(), relative); }
};

Catalog& TheCatalog()
{
    static Catalog catalog;
    return catalog;
}

// Opens the dialog on the group; the number of rows listed.
int OpenDialog(CGroupBase* group)
{
    CDlgCompareWalk dialog(group);
    dialog.OnInitDialog();
    return dialog.List().RowCount();
}

void BM_LoadPeaks(benchmark::State& state)
{
    TheCatalog();
    for (auto _ : state)
        if (!bench_files::LoadPeakTable(kPeaks))
            state.SkipWithError("not every file loaded");
    state.SetItemsProcessed(state.iterations() * kPeaks);
}

void BM_OpenWalkDialog(benchmark::State& state)
{
    TheCatalog();
    const auto table = bench_files::LoadPeakTable(kPeaks);
    if (!table) {
        state.SkipWithError("not every file loaded");
        return;
    }
    CGroupBase* group = table->GetGroup(0, nullptr);
    for (auto _ : state)
        if (OpenDialog(group) != kWalks)
            state.SkipWithError("not every walk listed");
    state.SetItemsProcessed(state.iterations() * kWalks);
}

void PrintSummary()
{
    TheCatalog();
    std::unique_ptr<CGroupTable> table;
    const double load = BestOfRunsMs(kSummaryRuns, [&] { table = bench_files::LoadPeakTable(kPeaks); });
    if (!table) {
        std::printf("\nNot every peak file loaded.\n");
        return;
    }
    CGroupBase* group = table->GetGroup(0, nullptr);
    const double open = BestOfRunsMs(kSummaryRuns, [&] { OpenDialog(group); });
    const double names = BestOfRunsMs(kSummaryRuns, [&] {
        QString text;
        for (int walk = kWalks; walk >= 1; --walk) {
            text.clear();
            group->JoinNamesVisitedOn(walk, &text);
        }
    });
    const double ratio = open / load;
    std::printf("\nSummary (best of %d, %d peaks, %d walks):\n", kSummaryRuns, kPeaks, kWalks);
    std::printf("  open the walk dialog:  %8.2f ms\n", open);
    std::printf("    of which the names visited on each walk: %.2f ms\n", names);
    std::printf("  load the peaks:        %8.2f ms\n", load);
    std::printf("  ratio open / load:     %8.2f (limit %.1f) %s\n", ratio, kMaxRatio,
                ratio < kMaxRatio ? "ok" : "OVER");
}

} // namespace

BENCHMARK(BM_LoadPeaks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWalkDialog)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv, PrintSummary);
}
