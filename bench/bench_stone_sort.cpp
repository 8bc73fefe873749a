// Sorting the survey-stone list (offscreen, a Qt item list) of 20,000 generated stones by stone
// number and by height in the same run. The stones' numbers use 9 levels of 32 words each from
// the [StoneLevel] of a generated settings file, with varied numbers; the stone sort should stay
// within 3 times the height sort. After the benchmarks a summary prints both, each the best of
// several runs, and their ratio.
#include "QtBenchMain.h"
#include "ItemCacheBytes.h"
#include "catalog/GroupTable.h"
#include "catalog/records/RecordText.h"
#include "catalog/records/StoneItemRecord.h"
#include "catalog/stone/GroupStone.h"
#include "platform/CodePage.h"
#include "platform/FileTime.h"
#include "platform/Paths.h"
#include "platform/Profile.h"
#include "ui/adapters/QtItemList.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

constexpr int kStones = 20000;
constexpr int kLevels = 9;
constexpr int kWords = 32;
constexpr int kSummaryRuns = 7;
constexpr double kMaxRatio = 3.0;
constexpr int kStoneColumn = 0;
constexpr int kHeightColumn = 1;

// A level word: one CJK character of its own, then 等; no word begins another.
QString Word(int level, int word)
{
    return QString(QChar(char16_t(0x4E00 + level * kWords + word))) + QStringLiteral("等");
}

// Stone i: a word of every level in turn, varied numbers, a few of no level and a few equal.
StoneItemRecord Stone(int i)
{
    StoneItemRecord r{};
    SetFieldText(r.path, QStringLiteral("/stones/%1.txt").arg(i));
    SetFieldText(r.Name, QStringLiteral("基石%1").arg(i));
    r.Height = (i * 7919) % 3953;
    const int number = (i * 104729) % 100000;
    const QString stone = i % 97 == 0 ? QStringLiteral("無")
                          : i % 89 == 0 ? QStringLiteral("圖根%1").arg(number)
                                        : Word(i % kLevels, (i / kLevels) % kWords) + QString::number(number);
    SetFieldText(r.Stone, stone);
    SetFieldText(r.Region, QStringLiteral("南投縣"));
    return r;
}

struct Catalog {
    QTemporaryDir dir;
    CGroupTable table;
    CGroupStone stones;
    QTreeWidget widget;
    QtItemList list{&widget};

    Catalog()
    {
        platform::SetProgramFolder(dir.path());
        platform::ClearProfileCache();
        QString settings = QStringLiteral("[DataGroup]\r\nGroup1=基石\r\n[StoneLevel]\r\n");
        for (int level = 0; level < kLevels; ++level) {
            QStringList words;
            for (int w = 0; w < kWords; ++w)
                words << Word(level, w);
            settings += QStringLiteral("Level%1=%2\r\n").arg(level + 1).arg(words.join(u','));
        }
        Write(QStringLiteral("峰嵐錄.txt"),
              QByteArray("\xff\xfe", 2) + platform::ToUtf16Le(settings));
        QList<StoneItemRecord> records;
        for (int i = 0; i < kStones; ++i)
            records << Stone(i);
        Write(QStringLiteral("~~Stone.bin"), CacheBytes<StoneItemRecord>(records));
        table.LoadSettings();
        stones.Init(platform::JoinPath(dir.path(), QStringLiteral("峰嵐錄.txt")), &table,
                    platform::JoinPath(dir.path(), QStringLiteral("基石")));
        for (int i = 0; i < kStones; ++i)
            stones.TakeCachedItem(i);
        stones.SetupItemColumns(&list, nullptr);
        for (int i = 0; i < stones.ItemCount(); ++i)
            stones.InsertItemRow(&list, i, i);
    }

    void Write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(platform::JoinPath(dir.path(), name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }

    bool Ready() const { return stones.ItemCount() == kStones && list.RowCount() == kStones; }
    bool Sort(int column) { return stones.SortItemList(&list, column); }
};

Catalog& TheCatalog()
{
    static Catalog catalog;
    return catalog;
}

void Run(benchmark::State& state, int column)
{
    Catalog& c = TheCatalog();
    if (!c.Ready()) {
        state.SkipWithError("the stones were not loaded");
        return;
    }
    for (auto _ : state)
        if (!c.Sort(column))
            state.SkipWithError("the column did not sort");
    state.SetItemsProcessed(state.iterations() * kStones);
}

void BM_SortByStoneNumber(benchmark::State& state)
{
    Run(state, kStoneColumn);
}

void BM_SortByHeight(benchmark::State& state)
{
    Run(state, kHeightColumn);
}

void PrintSummary()
{
    Catalog& c = TheCatalog();
    if (!c.Ready())
        return;
    const double stone = BestOfRunsMs(kSummaryRuns, [&] { c.Sort(kStoneColumn); });
    const double height = BestOfRunsMs(kSummaryRuns, [&] { c.Sort(kHeightColumn); });
    const double ratio = stone / height;
    std::printf("\nSummary (best of %d, %d stones, %d levels of %d words):\n", kSummaryRuns,
                kStones, kLevels, kWords);
    std::printf("  sort by stone number: %8.2f ms\n", stone);
    std::printf("  sort by height:       %8.2f ms\n", height);
    std::printf("  ratio stone / height: %8.2f (limit %.1f) %s\n", ratio, kMaxRatio,
                ratio <= kMaxRatio ? "ok" : "OVER");
}

} // namespace

BENCHMARK(BM_SortByStoneNumber)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByHeight)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv, PrintSummary);
}
