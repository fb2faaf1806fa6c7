#pragma once

#include <string>

// The per-user configuration folder of the program, ending in a separator:
// $XDG_CONFIG_HOME/thermavo/, else ~/.config/thermavo/ (%APPDATA%\thermavo\ on Windows).
// The installation folder is read-only for users, so user settings cannot live there.
std::string GetConfigDir();
