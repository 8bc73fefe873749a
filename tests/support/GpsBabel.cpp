#include "GpsBabel.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

constexpr int kTimeoutMs = 60000;

} // namespace

QString GpsBabel()
{
    return QStandardPaths::findExecutable(QStringLiteral("gpsbabel"));
}

bool RunGpsBabel(const QStringList& args, QByteArray* out)
{
    QProcess process;
    process.start(GpsBabel(), args);
    if (!process.waitForFinished(kTimeoutMs))
        return false;
    if (out)
        *out = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
