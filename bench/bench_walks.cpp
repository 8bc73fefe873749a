// Both walk report sets of 5,000 peaks in 25 counties of 30 townships, over a walk index page of
// 1,999 walks and a BlueSky atlas page of 3,000 pages, against loading the same peaks from their
// item files.
#include "BenchFiles.h"
#include "GeneratedRegions.h"
#include "catalog/GroupTable.h"
#include "catalog/compare/WalkReportWriter.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/text/HtmlTableReader.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kPeaks = 5000;
constexpr int kWalks = 1999;
constexpr int kAtlasPagesPerVolume = 375;  // 8 volumes: 3,000 pages

// The report templates of the walk report tests.
const QString kTemplates = QFileInfo(QStringLiteral(__FILE__)).absolutePath()
                           + QStringLiteral("/../tests/data/walkreports/program/data/Template/");

// The volumes of the generated peaks' BlueSky references, each with its first pages.
QByteArray AtlasPage()
{
    static const char16_t* const kVolumes[] = {u"一", u"三", u"五", u"八", u"十二", u"十五", u"二十", u"二十二"};
    QString page = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>atlas</title></head><body><table>\r\n");
    int row = 0;
    for (const char16_t* volume : kVolumes)
        for (int p = 1; p <= kAtlasPagesPerVolume; ++p)
            page += QStringLiteral("<tr><td align=center>%1</td><td><a href=\"http://sky.example.org/%1.htm\">圖%1</a></td>"
                                   "<td align=center>%2</td><td align=center>%3</td></tr>\r\n")
                        .arg(++row).arg(QString::fromUtf16(volume)).arg(p, 3, 10, QLatin1Char('0'));
    return platform::ToUtf8(page + QStringLiteral("</table></body></html>\r\n"));
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

// The program folder (also the data folder): settings, "山" with the peak files, the templates,
// the walk index page and the atlas page.
struct Catalog {
    QTemporaryDir dir;

    Catalog()
    {
        for (int i = 0; i < kPeaks; ++i)
            bench_files::WriteFile(In(u"山/"_qs + generated_peaks::PeakFileName(i)), generated_regions::PeakFileInRegion(i));
        const QString settings = QStringLiteral("[DataGroup]\r\nGroup1=山\r\n") + generated_regions::RegionSection();
        bench_files::WriteFile(In(u"峰嵐錄.txt"_qs), QByteArray("\xff\xfe", 2) + platform::ToUtf16Le(settings));
        for (const char* name : {"walk3_template.htm", "walk4_template.htm"})
            bench_files::WriteFile(In(u"Template/"_qs + QString::fromUtf8(name)), ReadAll(kTemplates + QString::fromUtf8(name)));
        bench_files::WriteFile(In(u"walk2.htm"_qs), bench_files::WalkIndexPage(kWalks));
        bench_files::WriteFile(In(u"guide2.htm"_qs), AtlasPage());
        platform::SetProgramFolder(dir.path());
    }
    QString In(const QString& relative) const { return platform::JoinPath(dir.path(), relative); }
};

Catalog& TheCatalog()
{
    static Catalog catalog;
    return catalog;
}

void BM_LoadPeaks(benchmark::State& state)
{
    TheCatalog();
    for (auto _ : state)
        if (!bench_files::LoadPeakTable(kPeaks))
            state.SkipWithError("not every file loaded");
    state.SetItemsProcessed(state.iterations() * kPeaks);
}

// The visit table and both report sets, as the walk dialog's 輸出網頁 writes them.
void BM_WriteWalkReports(benchmark::State& state)
{
    Catalog& c = TheCatalog();
    const std::unique_ptr<CGroupTable> table = bench_files::LoadPeakTable(kPeaks);
    if (!table) {
        state.SkipWithError("not every file loaded");
        return;
    }
    CGroupBase* peaks = table->GetGroup(0, nullptr);
    WalkIndex walks;
    ReadHtmlTableRowsToList(c.In(u"walk2.htm"_qs), &walks);
    for (auto _ : state) {
        const WalkVisitTable visits = BuildWalkVisitTable(*peaks, walks);
        const WalkReportInput input = MakeWalkReportInput(peaks, &walks, &visits);
        if (input.cities.size() != generated_regions::kCounties || !WriteWalk3Pages(input)
            || !WriteWalk4Pages(input))
            state.SkipWithError("the reports were not written");
    }
    state.SetItemsProcessed(state.iterations() * kPeaks);
}

// Each step alone: the visit table, then one report set.
void BM_WriteStep(benchmark::State& state)
{
    Catalog& c = TheCatalog();
    const std::unique_ptr<CGroupTable> table = bench_files::LoadPeakTable(kPeaks);
    if (!table) {
        state.SkipWithError("not every file loaded");
        return;
    }
    CGroupBase* peaks = table->GetGroup(0, nullptr);
    WalkIndex walks;
    ReadHtmlTableRowsToList(c.In(u"walk2.htm"_qs), &walks);
    const WalkVisitTable visits = BuildWalkVisitTable(*peaks, walks);
    const WalkReportInput input = MakeWalkReportInput(peaks, &walks, &visits);
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0: benchmark::DoNotOptimize(BuildWalkVisitTable(*peaks, walks)); break;
        case 3: WriteWalk3Pages(input); break;
        default: WriteWalk4Pages(input); break;
        }
    }
}

} // namespace

BENCHMARK(BM_WriteStep)->Arg(0)->Arg(3)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadPeaks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteWalkReports)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
