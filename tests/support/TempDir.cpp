#include "TempDir.h"

#include "platform/CodePage.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

TempDir::TempDir() : dir_(QDir::tempPath() + QStringLiteral("/talvane-test-XXXXXX")) {}

QString TempDir::file(const QString& name) const
{
    return dir_.path() + QLatin1Char('/') + name;
}

QString TempDir::write(const QString& name, const QByteArray& bytes) const
{
    const QString path = file(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
    return path;
}

QString TempDir::copyTree(const QString& from, const QString& name) const
{
    const QString target = file(name);
    QDir().mkpath(target);
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString rel = QDir(from).relativeFilePath(src);
        const QString dst = target + QLatin1Char('/') + rel;
        QDir().mkpath(QFileInfo(dst).absolutePath());
        QFile::copy(src, dst);
        QFile(dst).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return target;
}

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray Utf16LeWithBom(const QString& text)
{
    return QByteArray("\xff\xfe", 2) + platform::ToUtf16Le(text);
}

QByteArray Big5(const QString& text)
{
    return platform::ToAnsi(text);
}
