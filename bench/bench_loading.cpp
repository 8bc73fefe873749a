// Loading a group: 5,000 peak item files read through the group base's readers into records,
// against reading and decoding the same files; and 5,000 records taken from an item cache.
#include "TestPeakGroup.h"
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
const char16_t* const kVolumes[] = {u"一", u"三", u"五", u"八", u"十二", u"十五", u"二十", u"二十二"};

// An item file as the owner's machine writes it: UTF-16LE with byte-order mark, CR LF.
QByteArray PeakFile(int i)
{
    QString text = QStringLiteral("[Talvane]\r\nName=山%1\r\nName2=北峰\r\nHeight=%2\r\n").arg(i).arg(1000 + i % 2900);
    text += QStringLiteral("Stone=三等%1\r\nStoneAlias=森林%2\r\nStoneStatus=存\r\nRegion=南投縣,花蓮縣\r\n")
                .arg(6000 + i % 900).arg(i % 300);
    for (int n = 1; n <= 10; ++n)
        text += QStringLiteral("Visit%1=%2\r\n").arg(n).arg((i * 7 + n * 13) % 1900 + 1);
    for (int n = 1; n <= 2; ++n)
        text += QStringLiteral("BlueSky%1=(%2%3)某某山\r\n").arg(n)
                    .arg(QString::fromUtf16(kVolumes[(i + n) % 8])).arg((i + n * 37) % 999 + 1, 3, 10, QLatin1Char('0'));
    text += QStringLiteral("Quill1=%1%2-某某山\r\n").arg(QString::fromUtf16(kVolumes[i % 8])).arg(i % 999 + 1, 3, 10, QLatin1Char('0'));
    text += QStringLiteral("Waypoint=P%1\r\nLongitude=%2\r\nAttitude=%3\r\n").arg(i)
                .arg(120.5 + (i % 1000) / 1000.0, 0, 'f', 4).arg(22.5 + (i % 700) / 300.0, 0, 'f', 4);
    return QByteArray("\xff\xfe", 2) + platform::ToUtf16Le(text);
}

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
            QFile f(platform::JoinPath(folder, QStringLiteral("%1.txt").arg(i, 5, 10, QLatin1Char('0'))));
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
    for (auto _ : state) {
        qsizetype chars = 0;
        for (const platform::DirEntry& e : platform::FindFiles(c.folder, QStringLiteral("*.txt"))) {
            QByteArray bytes;
            platform::ReadWholeFile(e.path, &bytes);
            chars += platform::FromUtf16Le(QByteArrayView(bytes).sliced(2)).size();
        }
        benchmark::DoNotOptimize(chars);
    }
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
        table.SetGroupClasses({{[] { return std::make_unique<TestPeakGroup>(); }, 0}});
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
        TestPeakGroup group;
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
        TestPeakGroup group;
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
