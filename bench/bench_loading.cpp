// Loading a group: 5,000 peak item files read through the group base's readers into records,
// against reading and decoding the same files; and 5,000 records taken from an item cache.
#include "GeneratedPeaks.h"
#include "catalog/talvane/GroupTalvane.h"
#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "platform/CodePage.h"
#include "platform/DirList.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"
#include "platform/Profile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstring>

namespace {

constexpr int kFiles = 5000;
using generated_peaks::PeakFile;

// The generated data: the program folder is the data folder; "山" holds the item files, and
// the item cache holds one record per file.
struct Catalog {
    QTemporaryDir dir;
    QString folder;
    CGroupTable table;

    Catalog()
    {
        folder = platform::JoinPath(dir.path(), QStringLiteral("山"));
        QDir().mkpath(folder);
        for (int i = 0; i < kFiles; ++i) {
            QFile f(platform::JoinPath(folder, generated_peaks::PeakFileName(i)));
            f.open(QIODevice::WriteOnly);
            f.write(PeakFile(i));
        }
        QFile settings(platform::JoinPath(dir.path(), QStringLiteral("峰嵐錄.txt")));
        settings.open(QIODevice::WriteOnly);
        settings.write(QByteArray("\xff\xfe", 2) + platform::ToUtf16Le(u"[DataGroup]\r\nGroup1=山\r\n"));
        settings.close();
        platform::SetProgramFolder(dir.path());
        table.LoadSettings();
        WriteCache();
    }

    void WriteCache()
    {
        QByteArray bytes(qsizetype(kFiles) * (TalvaneItemRecord::kSize + 32), '\0');
        for (int i = 0; i < kFiles; ++i) {
            TalvaneItemRecord r{};
            SetFieldText(r.Name, QStringLiteral("山%1").arg(i));
            r.Height = 1000 + i;
            std::memcpy(bytes.data() + qsizetype(i) * TalvaneItemRecord::kSize, &r, sizeof r);
        }
        QFile f(platform::JoinPath(dir.path(), QStringLiteral("~~Talvane.bin")));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }
};

Catalog& TheCatalog()
{
    static Catalog catalog;
    return catalog;
}

// Baseline: list the folder, read every file whole and decode it to text.
void BM_ReadAndDecodeBaseline(benchmark::State& state)
{
    Catalog& c = TheCatalog();
    for (auto _ : state)
        benchmark::DoNotOptimize(generated_peaks::ReadAndDecodeAll(c.folder));
    state.SetItemsProcessed(state.iterations() * kFiles);
}

// Loading as the group factory does it: every file through the group's LoadItemFile, each file
// parsed once. The item cache is renamed away so that every record is read from its file, and
// the profile layer's parsed files are forgotten before each run.
void BM_LoadItemFiles(benchmark::State& state)
{
    Catalog& c = TheCatalog();
    const QString cache = platform::JoinPath(c.dir.path(), QStringLiteral("~~Talvane.bin"));
    QFile::rename(cache, cache + QStringLiteral(".off"));
    for (auto _ : state) {
        platform::ClearProfileCache();
        CGroupTable table;
        table.SetGroupClasses({{[] { return std::make_unique<CGroupTalvane>(); }, 0}});
        table.LoadSettings();
        const CGroupBase* group = table.GetGroup(0, nullptr);
        if (!group || group->ItemCount() != kFiles)
            state.SkipWithError("not every file loaded");
    }
    QFile::rename(cache + QStringLiteral(".off"), cache);
    state.SetItemsProcessed(state.iterations() * kFiles);
}

// The same records with every key read through the profile functions one by one (each read
// checks the file's size and time again): what a class pays outside the factory's loading.
void BM_LoadItemFilesKeyByKey(benchmark::State& state)
{
    Catalog& c = TheCatalog();
    const QString cache = platform::JoinPath(c.dir.path(), QStringLiteral("~~Talvane.bin"));
    QFile::rename(cache, cache + QStringLiteral(".off"));
    for (auto _ : state) {
        platform::ClearProfileCache();
        CGroupTalvane group;
        for (const platform::DirEntry& e : platform::FindFiles(c.folder, QStringLiteral("*.txt")))
            group.LoadItemFile(e.path, e.writeTime);
        if (group.ItemCount() != kFiles)
            state.SkipWithError("not every file loaded");
    }
    QFile::rename(cache + QStringLiteral(".off"), cache);
    state.SetItemsProcessed(state.iterations() * kFiles);
}

// The cache path: a folder without item files is filled from the item cache.
void BM_TakeCachedItems(benchmark::State& state)
{
    TheCatalog();
    for (auto _ : state) {
        CGroupTalvane group;
        for (int position = 0; group.TakeCachedItem(position); ++position) {
        }
        if (group.ItemCount() != kFiles)
            state.SkipWithError("not every record taken");
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}

} // namespace

BENCHMARK(BM_ReadAndDecodeBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadItemFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadItemFilesKeyByKey)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TakeCachedItems)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
