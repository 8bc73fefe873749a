#include "Shell.h"

#include <QProcess>
#include <QStandardPaths>

namespace platform {

namespace {

bool StartDetached(const QString& program, const QStringList& args)
{
    if (QStandardPaths::findExecutable(program).isEmpty())
        return false;
    return QProcess::startDetached(program, args);
}

} // namespace

bool DesktopShell::Open(const QString& target)
{
    if (target.isEmpty())
        return false;
    return StartDetached(QStringLiteral("xdg-open"), {target});
}

bool DesktopShell::Edit(const QString& path)
{
    if (path.isEmpty())
        return false;
    // The desktop's default application for plain text is its text editor.
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("text/plain")});
    if (query.waitForFinished(2000)) {
        QString desktopId = QString::fromUtf8(query.readAllStandardOutput()).trimmed();
        if (desktopId.endsWith(QLatin1String(".desktop")) && StartDetached(QStringLiteral("gtk-launch"), {desktopId, path}))
            return true;
    }
    return StartDetached(QStringLiteral("xdg-open"), {path});
}

} // namespace platform
