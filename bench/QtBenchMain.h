#pragma once
// The main function of a benchmark that needs a Qt application: offscreen unless a platform is
// set, with a throw-away user profile, so that timing a dialog never touches the user's settings.
#include "ui/framework/UserProfile.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <functional>

// Runs the registered benchmarks, then summary (if given).
inline int RunQtBenchmarks(int argc, char** argv, const std::function<void()>& summary = {})
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir profileHome;
    setenv("XDG_CONFIG_HOME", QFile::encodeName(profileHome.path()).constData(), 1);
    QCoreApplication::setOrganizationName(QLatin1String(UserProfile::kOrganization));
    QCoreApplication::setApplicationName(QLatin1String("talvane-bench"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    if (summary)
        summary();
    benchmark::Shutdown();
    return 0;
}
