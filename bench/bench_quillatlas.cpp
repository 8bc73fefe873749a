// 岫禾圖集's index rebuilt from 3,000 entries: the whole index written once as UTF-16LE, against
// one WriteUtf8File of the same text (goal: within 5x); and the whole rebuild from 3,000
// generated peak files (their Quill keys read, sorted, repeated ones removed, written).
#include "GeneratedPeaks.h"
#include "catalog/GroupTable.h"
#include "catalog/compare/AtlasKeys.h"
#include "catalog/compare/QuillAtlasIndex.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/text/AtlasRef.h"
#include "catalog/text/TextFile.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include "QtBenchMain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kEntries = 3000;
constexpr int kSummaryRuns = 20;

struct Catalog {
    QTemporaryDir dir;
    QList<GuideEntry> entries;
    std::unique_ptr<CGroupTable> table;

    Catalog()
    {
        const QString folder = In(u"山");
        QDir().mkpath(folder);
        for (int i = 0; i < kEntries; ++i) {
            QFile f(platform::JoinPath(folder, generated_peaks::PeakFileName(i)));
            f.open(QIODevice::WriteOnly);
            f.write(generated_peaks::PeakFile(i));
        }
        QFile settings(In(u"峰嵐錄.txt"));
        settings.open(QIODevice::WriteOnly);
        settings.write(QByteArray("\xff\xfe", 2) + platform::ToUtf16Le(u"[DataGroup]\r\nGroup1=山\r\n"));
        settings.close();
        platform::SetProgramFolder(dir.path());
        table = std::make_unique<CGroupTable>();
        table->SetGroupClasses({{[] { return std::make_unique<CGroupTalvane>(); }, 0}});
        table->LoadSettings();
        // Distinct titles and links: the generated peaks' Quill values share their title, and
        // pages of one volume with one title and link count as one reference.
        static const char16_t* const kVolumes[] = {u"十", u"十一", u"十二", u"十三"};
        for (int i = 0; i < kEntries; ++i) {
            GuideEntry e;
            e.volumeText = QString::fromUtf16(kVolumes[i / 999]);
            e.volume = 10 + i / 999;
            e.page = i % 999 + 1;
            e.title = QStringLiteral("某某山%1線").arg(i);
            e.link = QStringLiteral("http://quill.example.org/%1.htm").arg(i);
            entries.append(e);
        }
    }
    const CGroupBase* Group() const { return table->GetGroup(0, nullptr); }
    QString In(QStringView relative) const { return platform::JoinPath(dir.path(), relative); }
};

Catalog& TheCatalog()
{
    static Catalog catalog;
    return catalog;
}

void WriteIndex(const Catalog& c)
{
    WriteQuillAtlasFile(c.In(u"山友/岫禾圖集.txt"), c.entries);
}

void WriteUtf8(const Catalog& c, const QString& text)
{
    WriteUtf8File(c.In(u"utf8.txt"), text);
}

void BM_WriteQuillIndex(benchmark::State& state)
{
    const Catalog& c = TheCatalog();
    if (c.entries.size() != kEntries)
        state.SkipWithError("not every entry was read");
    for (auto _ : state)
        WriteIndex(c);
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void BM_WriteUtf8SameText(benchmark::State& state)
{
    const Catalog& c = TheCatalog();
    const QString text = BuildQuillAtlasText(c.entries);
    for (auto _ : state)
        WriteUtf8(c, text);
    state.SetItemsProcessed(state.iterations() * kEntries);
}

// The whole rebuild: the Quill keys of every peak file read, sorted and written.
void BM_RebuildFromPeakFiles(benchmark::State& state)
{
    const Catalog& c = TheCatalog();
    for (auto _ : state) {
        QList<GuideEntry> entries;
        ReadAtlasKeys(*c.Group(), kAtlasKindQuill, {}, kQuillKeyPattern, kQuillLinkPattern, &entries, nullptr);
        WriteQuillAtlasFile(c.In(u"山友/岫禾圖集.txt"), entries);
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void PrintSummary()
{
    const Catalog& c = TheCatalog();
    const QString text = BuildQuillAtlasText(c.entries);
    const double index = BestOfRunsMs(kSummaryRuns, [&] { WriteIndex(c); });
    const double utf8 = BestOfRunsMs(kSummaryRuns, [&] { WriteUtf8(c, text); });
    std::printf("index of %d entries: %.3f ms, WriteUtf8File of the same text: %.3f ms, ratio %.2fx (goal 5x)\n",
                kEntries, index, utf8, index / utf8);
}

} // namespace

BENCHMARK(BM_WriteQuillIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteUtf8SameText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildFromPeakFiles)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv, PrintSummary);
}
