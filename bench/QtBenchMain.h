#pragma once
// The main function of a benchmark that needs a Qt application: offscreen unless a platform is
// set, with a throw-away user profile, so that timing a dialog never touches the user's settings.
#include "ui/framework/UserProfile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
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

// The best of runs runs of step, in milliseconds: the summary figure least disturbed by the
// machine's other work.
inline double BestOfRunsMs(int runs, const std::function<void()>& step)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
    }
    return best;
}
