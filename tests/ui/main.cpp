// Widget tests run headless: the offscreen platform unless another is asked for, and a profile
// store of their own so that no test touches the user's settings.
#include "ui/UserProfile.h"

#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QLatin1String(UserProfile::kOrganization));
    QCoreApplication::setApplicationName(QLatin1String("talvane-tests"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
