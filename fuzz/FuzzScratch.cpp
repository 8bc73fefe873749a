#include "FuzzScratch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>

namespace fuzz {

namespace {

QTemporaryDir& Dir()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/talvane-fuzz-XXXXXX"));
    if (!dir.isValid())
        std::abort();  // nothing can run without it
    return dir;
}

} // namespace

QString ScratchDir()
{
    return Dir().path();
}

QString ScratchFile(const QString& name, Bytes bytes)
{
    const QString path = ScratchDir() + u'/' + name;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size)
        std::abort();
    return path;
}

void ClearScratch()
{
    QDir dir(ScratchDir());
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        const QString path = dir.filePath(entry);
        if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
            QDir(path).removeRecursively();
        else
            QFile::remove(path);
    }
}

} // namespace fuzz
