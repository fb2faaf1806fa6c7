#include "paths/InstallDir.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string g_strInstallDir;

namespace {
std::string WithSeparator(const fs::path& dir) {
    std::string s = dir.string();
    if (!s.empty() && s.back() != '/' && s.back() != fs::path::preferred_separator) {
        s += static_cast<char>(fs::path::preferred_separator);
    }
    return s;
}
}  // namespace

std::string FindInstallDir(const std::string& executablePath) {
    std::error_code ec;
    if (!executablePath.empty()) {
        const fs::path exe = fs::absolute(fs::path(executablePath), ec);
        if (!ec) {
            const fs::path installed =
                exe.parent_path().parent_path() / THERMAVO_INSTALL_DATA_SUBDIR;
            if (fs::is_directory(installed, ec)) return WithSeparator(installed);
        }
    }
    return THERMAVO_BUILD_DATA_DIR;
}

void InitInstallDir(const char* argv0) {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || exe.empty()) exe = argv0 != nullptr ? fs::path(argv0) : fs::path();
    g_strInstallDir = FindInstallDir(exe.string());
}
