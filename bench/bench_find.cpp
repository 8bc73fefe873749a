// 搜尋山岳 (offscreen) over 5,000 generated peaks: a region search that lists every peak, against
// the main dialog's list filled with the same peaks by the group's FillItemList in the same run
// (the search should stay within 1.5 times of it); and a name search of 30 terms, each with a
// swappable character, that lists nothing (it should stay under 50 ms). After the benchmarks a
// summary prints both comparisons, each the best of several runs.
#include "QtBenchMain.h"
#include "GeneratedPeaks.h"
#include "catalog/GroupBase.h"
#include "catalog/GroupTable.h"
#include "catalog/talvane/GroupTalvane.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/dialogs/find/DlgFindTalvane.h"
#include "ui/framework/UserProfile.h"
#include "ui/maindlg/TalvaneDlg.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr int kFiles = 5000;
constexpr int kTerms = 30;
constexpr int kSummaryRuns = 7;
constexpr double kMaxRatio = 1.5;
constexpr double kMaxNameSearchMs = 50.0;
// Every generated peak lies in this region.
const QString kRegion = QStringLiteral("南投縣");

// The program folder is the data folder; "山" holds the item files. The settings give the
// separator "，" and the name pair 台/臺.
struct Catalog {
    QTemporaryDir dir;

    Catalog()
    {
        const QString folder = platform::JoinPath(dir.path(), QStringLiteral("山"));
        QDir().mkpath(folder);
        for (int i = 0; i < kFiles; ++i) {
            QFile f(platform::JoinPath(folder, generated_peaks::PeakFileName(i)));
            f.open(QIODevice::WriteOnly);
            f.write(generated_peaks::PeakFile(i));
        }
        Write(QStringLiteral("峰嵐錄.txt"),
              u"[DataGroup]\r\nGroup1=山\r\n[Fuzzy]\r\nSeperators=，、\r\nNamePairs=台臺\r\n");
        Write(QStringLiteral("Local.txt"), u"");
        platform::SetProgramFolder(dir.path());
    }

    void Write(const QString& name, QStringView text) const
    {
        QFile f(platform::JoinPath(dir.path(), name));
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray("\xff\xfe", 2) + platform::ToUtf16Le(text.toString()));
    }
};

// The main dialog with the peak group selected (loaded and listed), and a search dialog over it.
struct Dialogs {
    Catalog catalog;
    std::unique_ptr<CTalvaneDlg> main;
    CGroupTalvane* peaks = nullptr;
    std::unique_ptr<CDlgFindTalvane> find;

    Dialogs()
    {
        platform::ClearProfileCache();
        main = std::make_unique<CTalvaneDlg>();
        main->OnLbnSelchangeGroupList();
        peaks = dynamic_cast<CGroupTalvane*>(main->GroupTable().BuiltGroup(0));
        if (!peaks)
            return;
        find = std::make_unique<CDlgFindTalvane>(peaks);
        find->OnInitDialog();
    }

    bool Ready() const { return peaks && peaks->ItemCount() == kFiles && find; }

    int FillMainList() { return peaks->FillItemList(&main->ItemList()); }
    int Search(int edit, int command, const QString& text)
    {
        find->DlgItem<QLineEdit>(edit)->setText(text);
        find->Commands().Dispatch(command);
        return find->List().RowCount();
    }
    int SearchRegion() { return Search(CDlgFindTalvane::kRegionEdit, CDlgFindTalvane::kSearchRegion, kRegion); }
    int SearchNames() { return Search(CDlgFindTalvane::kNameEdit, CDlgFindTalvane::kSearchName, ThirtyTerms()); }

    // Thirty terms no peak holds, each with 臺, whose partner 台 gives every term a second pass.
    static QString ThirtyTerms()
    {
        QStringList terms;
        for (int i = 0; i < kTerms; ++i)
            terms << QStringLiteral("臺無此名%1").arg(i);
        return terms.join(QStringLiteral("，"));
    }
};

Dialogs& TheDialogs()
{
    static Dialogs dialogs;
    return dialogs;
}

void Run(benchmark::State& state, const std::function<int(Dialogs&)>& step, int rows)
{
    Dialogs& d = TheDialogs();
    if (!d.Ready()) {
        state.SkipWithError("the peaks were not loaded");
        return;
    }
    for (auto _ : state)
        if (step(d) != rows)
            state.SkipWithError("unexpected number of rows");
    state.SetItemsProcessed(state.iterations() * kFiles);
}

void BM_MainListFillItemList(benchmark::State& state)
{
    Run(state, [](Dialogs& d) { return d.FillMainList(); }, kFiles);
}

void BM_FindRegionListingAll(benchmark::State& state)
{
    Run(state, [](Dialogs& d) { return d.SearchRegion(); }, kFiles);
}

void BM_FindThirtyTermsWithSwaps(benchmark::State& state)
{
    Run(state, [](Dialogs& d) { return d.SearchNames(); }, 0);
}

void PrintSummary()
{
    Dialogs& d = TheDialogs();
    if (!d.Ready())
        return;
    const double fill = BestOfRunsMs(kSummaryRuns, [&] { return d.FillMainList(); });
    const double region = BestOfRunsMs(kSummaryRuns, [&] { return d.SearchRegion(); });
    const double names = BestOfRunsMs(kSummaryRuns, [&] { return d.SearchNames(); });
    const double ratio = region / fill;
    std::printf("\nSummary (best of %d, %d peaks):\n", kSummaryRuns, kFiles);
    std::printf("  region search listing all: %8.2f ms\n", region);
    std::printf("  main list FillItemList:    %8.2f ms\n", fill);
    std::printf("  ratio search / fill:       %8.2f (limit %.1f) %s\n", ratio, kMaxRatio,
                ratio <= kMaxRatio ? "ok" : "OVER");
    std::printf("  30-term name search:       %8.2f ms (limit %.0f ms) %s\n", names, kMaxNameSearchMs,
                names < kMaxNameSearchMs ? "ok" : "OVER");
}

} // namespace

BENCHMARK(BM_MainListFillItemList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindRegionListingAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindThirtyTermsWithSwaps)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv, PrintSummary);
}
