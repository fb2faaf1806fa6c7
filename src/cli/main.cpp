// thermavo-cli: the program's project operations without a window.
#include "CommandTable.h"
#include "paths/InstallDir.h"

int main(int argc, char** argv) {
    InitInstallDir(argc > 0 ? argv[0] : nullptr);
    return RunCommandLine(argc, argv);
}
