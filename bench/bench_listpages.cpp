// The visit page of 5,000 peaks with ten visits each, over a walk index page of 1,999 walks and a
// GPS folder of 500 walk files, against loading the same peaks from their item files.
#include "BenchFiles.h"
#include "GeneratedPeaks.h"
#include "catalog/GroupTable.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/text/WalkListHtmlWriter.h"
#include "catalog/window/IItemList.h"
#include "platform/CodePage.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kPeaks = 5000;
constexpr int kGpsFiles = 500;
constexpr int kWalks = 1999;

// The GPS file every walk file copies: written by gpsbabel for the list-page tests.
const QString kGpsSource = QFileInfo(QStringLiteral(__FILE__)).absolutePath()
                           + QStringLiteral("/../tests/data/listpages/program/gps/w12.gdb");

// A list of two columns whose rows name the peaks in order.
class PeakRows : public IItemList {
public:
    explicit PeakRows(int count)
    {
        for (int i = 0; i < count; ++i)
            rows.push_back({QStringLiteral("山%1").arg(i), QString::number(1000 + i % 2900)});
    }
    int ColumnCount() const override { return 2; }
    int InsertColumn(int, const QString&, int, ColumnAlign) override { return -1; }
    bool DeleteColumn(int) override { return false; }
    bool GetColumn(int, QString*, int*) const override { return false; }
    int RowCount() const override { return int(rows.size()); }
    int InsertRow(int, const QString&, quint32) override { return -1; }
    bool SetCellText(int, int, const QString&) override { return false; }
    QString CellText(int row, int column) const override
    {
        return row >= 0 && row < RowCount() && column >= 0 && column < 2 ? rows[std::size_t(row)][std::size_t(column)]
                                                                          : QString();
    }
    quint32 RowData(int row) const override { return quint32(row); }
    bool DeleteRow(int) override { return false; }
    void DeleteAllRows() override {}
    void SortRows(const RowComparator&) override {}
    int SelectedCount() const override { return 0; }
    int NextSelectedRow(int) const override { return -1; }
    void SelectRow(int, bool) override {}
    void EnsureVisible(int) override {}

private:
    std::vector<std::array<QString, 2>> rows;
};

const char kTemplate[] =
    "<html><head><meta charset=\"utf-8\"><title>__Title__</title></head><body><p>__Date__</p><table>\r\n"
    "<!__RowStart__><tr><td>__No__</td><td>__Col1__</td><td>__Col2__</td><td><ul>"
    "<!__VisitStart__><li>__VisitNo__ __RefStart____VisitWalk____RefEnd__ __VisitDate__ __MPS__</li>"
    "<!__VisitEnd__></ul></td></tr>\r\n<!__RowEnd__></table></body></html>\r\n";

// The program folder: settings, "山" with the peak files, the template, the walk index page and
// the GPS folder.
struct Catalog {
    QTemporaryDir dir;
    QString folder;

    Catalog()
    {
        folder = platform::JoinPath(dir.path(), QStringLiteral("山"));
        for (int i = 0; i < kPeaks; ++i)
            bench_files::WriteFile(platform::JoinPath(folder, generated_peaks::PeakFileName(i)), generated_peaks::PeakFile(i));
        bench_files::WriteFile(In(u"峰嵐錄.txt"), QByteArray("\xff\xfe", 2) + platform::ToUtf16Le(u"[DataGroup]\r\nGroup1=山\r\n"));
        bench_files::WriteFile(In(u"visit.htm"), kTemplate);
        bench_files::WriteFile(In(u"walk2.htm"), bench_files::WalkIndexPage(kWalks));
        QFile source(kGpsSource);
        source.open(QIODevice::ReadOnly);
        const QByteArray gps = source.readAll();
        for (int w = 1; w <= kGpsFiles; ++w)
            bench_files::WriteFile(In(QStringLiteral("gps/w%1.gdb").arg(w)), gps);
        platform::SetProgramFolder(dir.path());
    }
    QString In(QStringView relative) const { return platform::JoinPath(dir.path(), relative); }
};

Catalog& TheCatalog()
{
    static Catalog catalog;
    return catalog;
}

// Loading the peaks from their item files, as the group table does it.
void BM_LoadPeaks(benchmark::State& state)
{
    TheCatalog();
    for (auto _ : state)
        if (!bench_files::LoadPeakTable(kPeaks))
            state.SkipWithError("not every file loaded");
    state.SetItemsProcessed(state.iterations() * kPeaks);
}

// The visit page of every loaded peak.
void BM_WriteVisitPage(benchmark::State& state)
{
    Catalog& c = TheCatalog();
    const std::unique_ptr<CGroupTable> table = bench_files::LoadPeakTable(kPeaks);
    if (!table) {
        state.SkipWithError("not every file loaded");
        return;
    }
    const PeakRows rows(kPeaks);
    WalkListHtmlInput input;
    input.templatePath = c.In(u"visit.htm");
    input.list = &rows;
    input.outPath = c.In(u"TableMT/百岳表v.htm");
    input.texts.title = QStringLiteral("百岳");
    input.texts.today = QDate(2026, 12, 8);
    input.peaks = dynamic_cast<const CGroupTalvane*>(table->GetGroup(0, nullptr));
    input.walkIndexPath = c.In(u"walk2.htm");
    input.reportPrefix = QStringLiteral("http://walks.example.org/");
    input.gpsFolder = c.In(u"gps") + u'/';
    input.onlineGpsFolder = QStringLiteral("http://gps.example.org/");
    for (auto _ : state)
        if (!WriteWalkListHtml(input))
            state.SkipWithError("the page was not written");
    state.SetItemsProcessed(state.iterations() * kPeaks);
}

} // namespace

BENCHMARK(BM_LoadPeaks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteVisitPage)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
