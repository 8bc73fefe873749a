#include "ui/maindlg/TalvaneApp.h"

#include "ui/maindlg/TalvaneDlg.h"
#include "ui/framework/UserProfile.h"

#include <QCoreApplication>

int CTalvaneApp::InitInstance()
{
    QCoreApplication::setOrganizationName(QLatin1String(UserProfile::kOrganization));
    QCoreApplication::setApplicationName(QLatin1String(UserProfile::kApplication));
    CTalvaneDlg dialog;
    dialog.exec();
    return 0;
}
