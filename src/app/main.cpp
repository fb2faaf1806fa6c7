// The thermavo program: the project windows, menus and views of the desktop application.
#include <QApplication>

#include "QuarnApp.h"
#include "paths/InstallDir.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    InitInstallDir(argv[0]);
    CQuarnApp app;
    if (!app.InitInstance(QApplication::arguments())) return 1;
    return QApplication::exec();
}
