#include "paths/ConfigDir.h"

#include <cstdlib>
#include <filesystem>

#include "paths/InstallDir.h"

namespace fs = std::filesystem;

namespace {
const char* NonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : nullptr;
}
}  // namespace

std::string GetConfigDir() {
    fs::path base;
#ifdef _WIN32
    if (const char* appData = NonEmptyEnv("APPDATA")) base = appData;
#else
    // A relative XDG_CONFIG_HOME is invalid and must be ignored.
    if (const char* xdg = NonEmptyEnv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') {
        base = xdg;
    } else if (const char* home = NonEmptyEnv("HOME")) {
        base = fs::path(home) / ".config";
    }
#endif
    if (base.empty()) return g_strInstallDir;
    return (base / "thermavo").string() + static_cast<char>(fs::path::preferred_separator);
}
