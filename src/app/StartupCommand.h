#pragma once

#include <QString>
#include <QStringList>

// What the program's command line asks for. The Windows forms (/p, /pt, /Embedding,
// /Automation, flags also with '-' and in any case) stand beside the Linux spellings (-p,
// --print, --print-to, --help, --version). Qt's own options (-platform, -display, -style ...)
// are passed over, so the command line can be read before the GUI exists: --help and
// --version then work without a display.
struct StartupCommand {
    enum class Action {
        kOpen,     // the main window with each file opened, a new project when none
        kPrint,    // print one file without a window
        kHelp,     // the usage on stdout
        kVersion,  // the version on stdout
        kError,    // why, and the usage, on stderr
    };

    Action action = Action::kOpen;
    QStringList files;  // kOpen: in the order given; kPrint: the one file
    QString printer;    // kPrint: the queue named; empty for the default printer
    bool bSplash = true;
    QString error;  // kError: what was wrong, naming the word

    // The exit status of the actions that end at once: help and version 0, a bad line 2.
    static constexpr int kUsageStatus = 2;
    // A print that could not be done.
    static constexpr int kPrintFailedStatus = 1;
};

// arguments: as main receives them, the program's name first.
StartupCommand ParseStartupCommand(const QStringList& arguments);

// The text --help prints, and that follows a bad command line.
QString StartupUsageText();
// The text --version prints: "thermavo 4.0".
QString StartupVersionText();

// Everything the program sets in its environment for Qt, before the application object exists:
// a print without a platform asked for runs offscreen. The suite that paints on a real X server
// starts the same way, so a setting added here is checked on the screen users see.
void PrepareQtEnvironment(const StartupCommand& command);
