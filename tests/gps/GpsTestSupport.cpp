#include "GpsTestSupport.h"

#include <QProcess>
#include <QStandardPaths>

QString GpsFixture(const QString& name)
{
    return QStringLiteral(TALVANE_TEST_DATA "/gps/") + name;
}

QString GpsBabel()
{
    return QStandardPaths::findExecutable(QStringLiteral("gpsbabel"));
}

bool RunGpsBabel(const QStringList& args, QByteArray* out)
{
    QProcess process;
    process.start(GpsBabel(), args);
    if (!process.waitForFinished(60000))
        return false;
    if (out)
        *out = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}
