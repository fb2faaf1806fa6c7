#pragma once

#include <string>

// The folder that holds the reference data files, ending in a separator so that a file name
// can be appended directly. Set once at start-up; tests set it themselves.
extern std::string g_strInstallDir;

// The installed data folder <prefix>/share/thermavo/ when the executable lives in <prefix>/bin
// and that folder exists, else the build tree's data folder.
std::string FindInstallDir(const std::string& executablePath);

// Sets g_strInstallDir from the running executable (argv0 is the fallback when the system
// cannot tell the executable's path).
void InitInstallDir(const char* argv0);
