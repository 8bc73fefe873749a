// Selecting a group of 5,000 peaks in the main dialog (offscreen), from the item files and from
// an up-to-date item cache: the time from the group list's selection to the end of its handling
// (loading, the item list, the subset tree, the cached count). Baseline: reading and decoding the
// same files. The list filling alone (the group's FillItemList into the dialog's list, the group
// loaded) shows its share of a selection.
#include "QtBenchMain.h"
#include "GeneratedPeaks.h"
#include "catalog/GroupBase.h"
#include "catalog/GroupTable.h"
#include "catalog/talvane/GroupTalvane.h"
#include "platform/CodePage.h"
#include "platform/DirList.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/framework/UserProfile.h"
#include "ui/maindlg/TalvaneDlg.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr int kFiles = 5000;
const QString kCacheName = QStringLiteral("~~Talvane.bin");

// The program folder is the data folder; "山" holds the item files.
struct Catalog {
    QTemporaryDir dir;
    QString folder;

    Catalog()
    {
        folder = platform::JoinPath(dir.path(), QStringLiteral("山"));
        QDir().mkpath(folder);
        for (int i = 0; i < kFiles; ++i) {
            QFile f(platform::JoinPath(folder, generated_peaks::PeakFileName(i)));
            f.open(QIODevice::WriteOnly);
            f.write(generated_peaks::PeakFile(i));
        }
        Write(QStringLiteral("峰嵐錄.txt"), u"[DataGroup]\r\nGroup1=山\r\n");
        Write(QStringLiteral("Local.txt"), u"");
        platform::SetProgramFolder(dir.path());
        WriteCache();
    }

    void Write(const QString& name, QStringView text) const
    {
        QFile f(platform::JoinPath(dir.path(), name));
        f.open(QIODevice::WriteOnly);
        f.write(QByteArray("\xff\xfe", 2) + platform::ToUtf16Le(text.toString()));
    }

    // The item cache of the loaded records, dated after the item files so that it is taken.
    void WriteCache() const
    {
        CGroupTable table;
        table.LoadSettings();
        const CGroupBase* group = table.GetGroup(0, nullptr);
        QByteArray bytes;
        for (int i = 0; group && i < group->ItemCount(); ++i) {
            bytes.append(reinterpret_cast<const char*>(group->GetItemRecord(i)),
                         TalvaneItemRecord::kSize);
        }
        // The cache is sized in whole elements, which are longer than the records it holds.
        bytes.resize(qsizetype(kFiles) * (TalvaneItemRecord::kSize + CGroupBase::kElementExtra));
        QFile f(CachePath());
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    }

    QString CachePath() const { return platform::JoinPath(dir.path(), kCacheName); }
};

Catalog& TheCatalog()
{
    static Catalog catalog;
    return catalog;
}

void BM_ReadAndDecodeBaseline(benchmark::State& state)
{
    Catalog& c = TheCatalog();
    for (auto _ : state)
        benchmark::DoNotOptimize(generated_peaks::ReadAndDecodeAll(c.folder));
    state.SetItemsProcessed(state.iterations() * kFiles);
}

// One selection of the group in a new dialog; the dialog is made and destroyed untimed.
void SelectGroup(benchmark::State& state, bool fromCache)
{
    for (auto _ : state) {
        state.PauseTiming();
        platform::ClearProfileCache();
        auto dialog = std::make_unique<CTalvaneDlg>();
        state.ResumeTiming();
        dialog->OnLbnSelchangeGroupList();
        state.PauseTiming();
        const CGroupBase* group = dialog->GroupTable().BuiltGroup(0);
        if (!group || group->ItemCount() != kFiles)
            state.SkipWithError("not every peak loaded");
        else if (group->CacheCount() != (fromCache ? kFiles : 0))
            state.SkipWithError("the item cache was not used as intended");
        dialog.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}

void BM_SelectGroupFromFiles(benchmark::State& state)
{
    Catalog& c = TheCatalog();
    QFile::rename(c.CachePath(), c.CachePath() + QStringLiteral(".off"));
    SelectGroup(state, false);
    QFile::rename(c.CachePath() + QStringLiteral(".off"), c.CachePath());
}

void BM_SelectGroupFromCache(benchmark::State& state)
{
    TheCatalog();
    SelectGroup(state, true);
}

// The group's rows filled into the dialog's list, after a selection has loaded the group.
void BM_FillItemList(benchmark::State& state)
{
    TheCatalog();
    platform::ClearProfileCache();
    auto dialog = std::make_unique<CTalvaneDlg>();
    dialog->OnLbnSelchangeGroupList();
    CGroupBase* group = dialog->GroupTable().BuiltGroup(0);
    if (!group) {
        state.SkipWithError("the group was not built");
        return;
    }
    for (auto _ : state) {
        if (group->FillItemList(&dialog->ItemList()) != kFiles)
            state.SkipWithError("not every row was filled");
    }
    state.SetItemsProcessed(state.iterations() * kFiles);
}

} // namespace

BENCHMARK(BM_ReadAndDecodeBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectGroupFromFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectGroupFromCache)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillItemList)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
