// Replays, through the fuzz targets' own entry points, every input the fuzzers found faults
// with (tests/data/fuzz/<target>/) and every seed of fuzz/targets.txt: each must run clean
// without the fuzzer. Hangs are the fuzzers' to find (they time every input).
#include "FuzzTarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const QString kSourceDir = QStringLiteral(TALVANE_SOURCE_DIR);

struct ListedTarget {
    std::string name;
    QStringList seeds;  // paths or globs from the repository root
};

void PrintTo(const ListedTarget& target, std::ostream* out)
{
    *out << target.name;
}

std::vector<ListedTarget> ReadTargetList()
{
    std::vector<ListedTarget> targets;
    QFile file(kSourceDir + QStringLiteral("/fuzz/targets.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return targets;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString& line : lines) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        QStringList fields = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        const QString name = fields.takeFirst();
        targets.push_back({name.toStdString(), fields});
    }
    return targets;
}

// The files a seed entry names: a file, every file of a folder, or the files a glob in the
// last path part matches.
QStringList FilesOf(const QString& entry)
{
    const QFileInfo info(kSourceDir + u'/' + entry);
    QDir dir = info.isDir() ? QDir(info.filePath()) : info.dir();
    const QStringList filters = info.isDir() ? QStringList() : QStringList{info.fileName()};
    QStringList files;
    for (const QFileInfo& file : dir.entryInfoList(filters, QDir::Files, QDir::Name))
        files << file.filePath();
    return files;
}

QStringList InputsOf(const ListedTarget& target)
{
    QStringList files = FilesOf(QStringLiteral("tests/data/fuzz/") + QString::fromStdString(target.name));
    for (const QString& seed : target.seeds)
        files << FilesOf(seed);
    return files;
}

TEST(FuzzTargetList, NamesTheTargetsInOrder)
{
    const std::vector<ListedTarget> listed = ReadTargetList();
    ASSERT_EQ(listed.size(), fuzz::Targets().size());
    for (std::size_t i = 0; i < listed.size(); ++i)
        EXPECT_EQ(listed[i].name, fuzz::Targets()[i].name);
}

class FuzzReplay : public ::testing::TestWithParam<ListedTarget> {};

TEST_P(FuzzReplay, EveryInputRunsClean)
{
    const ListedTarget& listed = GetParam();
    const fuzz::Target* target = fuzz::FindTarget(listed.name);
    ASSERT_NE(target, nullptr);
    const QStringList inputs = InputsOf(listed);
    EXPECT_FALSE(inputs.isEmpty()) << "no seed for " << listed.name;
    for (const QString& path : inputs) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray bytes = file.readAll();
        const std::string broken = target->run(fuzz::Bytes(
            reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())));
        EXPECT_EQ(broken, "") << path.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzReplay, ::testing::ValuesIn(ReadTargetList()),
                         [](const auto& info) { return info.param.name; });

} // namespace
