// Reading every key of 5,000 item-like INI files through the profile functions, against a
// baseline that only reads and decodes the same files.
#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/IniDocument.h"
#include "platform/Profile.h"
#include "platform/ProfileSnapshot.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <vector>

#include <sys/stat.h>

namespace {

struct Corpus {
    static constexpr int kFiles = 5000;
    static constexpr int kKeys = 40;

    Corpus()
    {
        static const char16_t* const kPeaks[] = {u"玉山主峰", u"雪山北峰", u"合歡山東峰", u"北大武山", u"南湖大山"};
        for (int k = 0; k < kKeys; ++k)
            keys.append(QStringLiteral("Key%1").arg(k, 2, 10, QChar(u'0')));
        for (int f = 0; f < kFiles; ++f) {
            QString text = QStringLiteral("[Talvane]\r\n");
            for (int k = 0; k < kKeys; ++k) {
                const QString value = k % 4 == 0 ? QString::fromUtf16(kPeaks[(f + k) % 5])
                    : k % 4 == 1 ? QString::number(1000 + f * 7 + k)
                    : k % 4 == 2 ? QStringLiteral("http://example.org/山/%1-%2.htm").arg(f).arg(k)
                                 : QStringLiteral("%1 步道 第%2段").arg(QString::fromUtf16(kPeaks[k % 5])).arg(k);
                text += keys[k] + u'=' + value + QStringLiteral("\r\n");
            }
            const bool wide = f % 2 == 0;
            const QByteArray bytes = wide ? QByteArray("\xff\xfe", 2) + platform::ToUtf16Le(text)
                                          : platform::ToAnsi(text);
            const QString path = dir.path() + QStringLiteral("/item%1.txt").arg(f);
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(bytes);
            files.append(path);
        }
    }

    QTemporaryDir dir;
    QStringList files;
    QStringList keys;
};

const Corpus& TheCorpus()
{
    static const Corpus corpus;
    return corpus;
}

void BM_ReadAndDecode(benchmark::State& state)
{
    const Corpus& corpus = TheCorpus();
    for (auto _ : state) {
        for (const QString& path : corpus.files) {
            QByteArray bytes;
            platform::ReadWholeFile(path, &bytes);
            QString text = platform::IniDocument::Decode(bytes, platform::IniDocument::DetectEncoding(bytes));
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(state.iterations() * Corpus::kFiles);
}

void BM_ProfileReadEveryKey(benchmark::State& state)
{
    const Corpus& corpus = TheCorpus();
    for (auto _ : state) {
        platform::ClearProfileCache();
        for (const QString& path : corpus.files) {
            for (const QString& key : corpus.keys) {
                QString value = platform::GetProfileString(path, QStringLiteral("Talvane"), key);
                benchmark::DoNotOptimize(value);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * Corpus::kFiles);
}

// The same reads as an item loader makes them: all keys of one file under one snapshot, so
// the file is looked at once rather than once per key.
void BM_ProfileReadEveryKeySnapshot(benchmark::State& state)
{
    const Corpus& corpus = TheCorpus();
    for (auto _ : state) {
        platform::ClearProfileCache();
        for (const QString& path : corpus.files) {
            const platform::ProfileSnapshot snapshot(path);
            for (const QString& key : corpus.keys) {
                QString value = platform::GetProfileString(path, QStringLiteral("Talvane"), key);
                benchmark::DoNotOptimize(value);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * Corpus::kFiles);
}

// The parts of the profile read: reading and parsing each file once...
void BM_ReadAndParse(benchmark::State& state)
{
    const Corpus& corpus = TheCorpus();
    for (auto _ : state) {
        for (const QString& path : corpus.files) {
            QByteArray bytes;
            platform::ReadWholeFile(path, &bytes);
            platform::IniDocument document(std::move(bytes));
            benchmark::DoNotOptimize(document);
        }
    }
    state.SetItemsProcessed(state.iterations() * Corpus::kFiles);
}

// ...and looking every key up in the parsed files.
void BM_LookUpParsed(benchmark::State& state)
{
    const Corpus& corpus = TheCorpus();
    std::vector<platform::IniDocument> documents;
    for (const QString& path : corpus.files) {
        QByteArray bytes;
        platform::ReadWholeFile(path, &bytes);
        documents.emplace_back(std::move(bytes));
    }
    for (auto _ : state) {
        for (const platform::IniDocument& document : documents) {
            for (const QString& key : corpus.keys) {
                QString value = document.value(u"Talvane", key).value_or(QStringView()).toString();
                benchmark::DoNotOptimize(value);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * Corpus::kFiles);
}

// One cached file read again and again: the cost of a read that finds its file cached.
void BM_CachedKey(benchmark::State& state)
{
    const Corpus& corpus = TheCorpus();
    const QString& path = corpus.files.front();
    platform::GetProfileString(path, QStringLiteral("Talvane"), corpus.keys.front());
    for (auto _ : state) {
        for (const QString& key : corpus.keys) {
            QString value = platform::GetProfileString(path, QStringLiteral("Talvane"), key);
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * Corpus::kKeys);
}

// What the cache's check of size and write time costs: one stat per key read.
void BM_StatPerKey(benchmark::State& state)
{
    const Corpus& corpus = TheCorpus();
    QList<QByteArray> native;
    for (const QString& path : corpus.files)
        native.append(QFile::encodeName(path));
    for (auto _ : state) {
        for (const QByteArray& path : native) {
            for (int k = 0; k < Corpus::kKeys; ++k) {
                struct stat st {};
                benchmark::DoNotOptimize(::stat(path.constData(), &st));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * Corpus::kFiles);
}

} // namespace

BENCHMARK(BM_ReadAndDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProfileReadEveryKey)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProfileReadEveryKeySnapshot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndParse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookUpParsed)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CachedKey);
BENCHMARK(BM_StatPerKey)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
