#include "ui/maindlg/TalvaneApp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    CTalvaneApp app;
    return app.InitInstance();
}
