// Widget tests run headless: the offscreen platform unless another is asked for, and a profile
// store of their own per process, so that no test touches the user's settings and test
// programs running side by side do not see each other's saved state.
#include "ui/framework/UserProfile.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir profileHome;
    setenv("XDG_CONFIG_HOME", QFile::encodeName(profileHome.path()).constData(), 1);
    QCoreApplication::setOrganizationName(QLatin1String(UserProfile::kOrganization));
    QCoreApplication::setApplicationName(QLatin1String("talvane-tests"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
