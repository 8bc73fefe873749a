#include <QApplication>
#include <QDialog>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QString::fromUtf8("峰嵐錄 1.12"));
    dialog.show();
    return app.exec();
}
