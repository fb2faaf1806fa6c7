// The thermavo program: the project windows, menus and views of the desktop application.
#include <QApplication>
#include <cstdio>

#include "CommandLinePrint.h"
#include "QuarnApp.h"
#include "StartupCommand.h"
#include "paths/InstallDir.h"

int main(int argc, char** argv) {
    // Read before any GUI exists, so that help, version and a bad line need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const StartupCommand command = ParseStartupCommand(arguments);
    switch (command.action) {
        case StartupCommand::Action::kHelp:
            std::fputs(StartupUsageText().toLocal8Bit().constData(), stdout);
            return 0;
        case StartupCommand::Action::kVersion:
            std::fputs(StartupVersionText().toLocal8Bit().constData(), stdout);
            return 0;
        case StartupCommand::Action::kError:
            std::fprintf(stderr, "%s\n%s", command.error.toLocal8Bit().constData(),
                         StartupUsageText().toLocal8Bit().constData());
            return StartupCommand::kUsageStatus;
        case StartupCommand::Action::kPrint:
        case StartupCommand::Action::kOpen:
            break;
    }

    PrepareQtEnvironment(command);
    QApplication application(argc, argv);
    InitInstallDir(argv[0]);
    if (command.action == StartupCommand::Action::kPrint) {
        CConsoleMessages messages;
        return PrintProjectFile(command.files.value(0), command.printer, messages);
    }
    CQuarnApp app;
    if (!app.InitInstance(command)) return 1;
    return QApplication::exec();
}
