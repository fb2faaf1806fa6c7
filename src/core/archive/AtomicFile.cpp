#include "archive/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "text/Format.h"

namespace fs = std::filesystem;

namespace {
std::string ErrnoText() { return std::strerror(errno); }

std::string TemporaryNameFor(const std::string& path) {
    std::random_device random;
    return StrFormat("%s.%08x.tmp", path.c_str(), static_cast<unsigned>(random()));
}
}  // namespace

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                         std::string& cause) {
    const std::string temporary = TemporaryNameFor(path);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        cause = ErrnoText();
        return false;
    }
    bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = ok && std::fflush(file) == 0;
#ifndef _WIN32
    // The data must be on disk before the rename makes it the only copy.
    ok = ok && ::fsync(::fileno(file)) == 0;
#endif
    if (!ok) cause = ErrnoText();
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        cause = ErrnoText();
    }
    std::error_code ec;
    if (ok) {
        fs::rename(temporary, path, ec);
        if (ec) {
            ok = false;
            cause = ec.message();
        }
    }
    if (!ok) fs::remove(temporary, ec);
    return ok;
}

bool ReadWholeFile(const std::string& path, size_t maxBytes, std::vector<uint8_t>& bytes,
                   std::string& cause) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        cause = ErrnoText();
        return false;
    }
    bytes.clear();
    uint8_t chunk[65536];
    bool ok = true;
    for (;;) {
        const size_t got = std::fread(chunk, 1, sizeof chunk, file);
        if (bytes.size() + got > maxBytes) {
            cause = StrFormat("the file is larger than %zu bytes", maxBytes);
            ok = false;
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
        if (got < sizeof chunk) {
            if (std::ferror(file)) {
                cause = ErrnoText();
                ok = false;
            }
            break;
        }
    }
    std::fclose(file);
    return ok;
}
