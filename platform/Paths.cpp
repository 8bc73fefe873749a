#include "Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>

#include <unistd.h>

namespace platform {

namespace {

QString& ProgramFolderOverride()
{
    static QString folder;
    return folder;
}

QString ExecutableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return QDir::currentPath();
    return FolderOf(QString::fromLocal8Bit(buffer, n));
}

} // namespace

QString NormalizePath(QStringView path)
{
    QString p = path.toString();
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (p.isEmpty())
        return p;
    const bool absolute = p.startsWith(QLatin1Char('/'));
    QStringList out;
    for (const QString& part : p.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (!out.isEmpty() && out.last() != QLatin1String(".."))
                out.removeLast();
            else if (!absolute)
                out.append(part);
            continue;
        }
        out.append(part);
    }
    QString joined = out.join(QLatin1Char('/'));
    if (absolute)
        return QLatin1Char('/') + joined;
    return joined.isEmpty() ? QStringLiteral(".") : joined;
}

QString JoinPath(QStringView base, QStringView rest)
{
    if (rest.isEmpty())
        return NormalizePath(base);
    if (base.isEmpty() || rest.startsWith(u'/'))
        return NormalizePath(rest);
    return NormalizePath(base.toString() + QLatin1Char('/') + rest.toString());
}

QString JoinPath(QStringView base, QStringView middle, QStringView rest)
{
    return JoinPath(JoinPath(base, middle), rest);
}

QString FileNameOf(QStringView path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1).toString();
}

QString BaseNameOf(QStringView path)
{
    QString name = FileNameOf(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.left(dot) : name;
}

QString FolderOf(QStringView path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    if (cut < 0)
        return QString();
    if (cut == 0)
        return QStringLiteral("/");
    return path.left(cut).toString();
}

QString ProgramFolder()
{
    const QString& forced = ProgramFolderOverride();
    return forced.isEmpty() ? ExecutableFolder() : forced;
}

void SetProgramFolder(const QString& folder)
{
    ProgramFolderOverride() = folder;
}

QString FallbackTempFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && IsWritableFolder(runtime))
        return runtime;
    return QDir::tempPath();
}

bool IsWritableFolder(const QString& folder)
{
    QTemporaryFile probe(JoinPath(folder, u"~~probe-XXXXXX"));
    return probe.open();
}

} // namespace platform
