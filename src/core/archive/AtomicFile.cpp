#include "archive/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "text/Format.h"

namespace fs = std::filesystem;

namespace {
AtomicWriteFaultHook g_faultHook = nullptr;

std::string ErrnoText() { return std::strerror(errno); }

// True, with the cause, when a test has planted a failure at this step.
bool FaultInjected(AtomicWriteStep step, std::string& cause) {
    const int error = g_faultHook != nullptr ? g_faultHook(step) : 0;
    if (error == 0) return false;
    cause = std::strerror(error);
    return true;
}

std::string TemporaryNameFor(const std::string& path) {
    std::random_device random;
    return StrFormat("%s.%08x.tmp", path.c_str(), static_cast<unsigned>(random()));
}

// The file that a save through `path` replaces: symbolic links are followed, so that the
// rename replaces the file a link names and not the link. A missing file is itself the target.
bool ResolveLinks(const std::string& path, std::string& target, std::string& cause) {
    constexpr int kMaxLinks = 40;  // as the kernel's own limit, against loops
    fs::path current = path;
    for (int links = 0;; ++links) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec))) break;
        if (links == kMaxLinks) {
            cause = std::strerror(ELOOP);
            return false;
        }
        const fs::path next = fs::read_symlink(current, ec);
        if (ec) {
            cause = ec.message();
            return false;
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    target = current.string();
    return true;
}

// Gives the temporary file the permissions and owner of the file it replaces, before any byte
// is written to it. A new file keeps the mode it was created with.
bool KeepAttributes(std::FILE* file, const std::string& temporary, const std::string& target,
                    std::string& cause) {
#ifndef _WIN32
    (void)temporary;
    struct stat existing {};
    if (::stat(target.c_str(), &existing) != 0) return true;
    const int fd = ::fileno(file);
    // The owner first, since changing it clears set-id bits. Only a privileged process may give
    // the file away; otherwise the group alone is kept when the user belongs to it, and failing
    // that the file takes the saving user's group, as a copy would.
    const bool sameOwner = ::fchown(fd, existing.st_uid, existing.st_gid) == 0;
    if (!sameOwner) {
        const int groupKept = ::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
        (void)groupKept;
    }
    const mode_t mode = existing.st_mode & (sameOwner ? 07777 : 0777);
    if (::fchmod(fd, mode) != 0) {
        cause = ErrnoText();
        return false;
    }
#else
    (void)file;
    std::error_code ec;
    const fs::file_status existing = fs::status(target, ec);
    if (ec || !fs::exists(existing)) return true;
    fs::permissions(temporary, existing.permissions(), ec);
    if (ec) {
        cause = ec.message();
        return false;
    }
#endif
    return true;
}
}  // namespace

void SetAtomicWriteFaultHook(AtomicWriteFaultHook hook) { g_faultHook = hook; }

bool WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& bytes,
                         std::string& cause) {
    std::string target;
    if (!ResolveLinks(path, target, cause)) return false;
    const std::string temporary = TemporaryNameFor(target);
    // Exclusive creation: never write into a file that someone else has put there.
    std::FILE* file = std::fopen(temporary.c_str(), "wbx");
    if (file == nullptr) {
        cause = ErrnoText();
        return false;
    }
    bool ok = KeepAttributes(file, temporary, target, cause) &&
              !FaultInjected(AtomicWriteStep::kWrite, cause);
    if (ok) {
        ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        ok = ok && std::fflush(file) == 0;
        if (!ok) cause = ErrnoText();
    }
    // The data must be on disk before the rename makes it the only copy.
    ok = ok && !FaultInjected(AtomicWriteStep::kSync, cause);
#ifndef _WIN32
    if (ok && ::fsync(::fileno(file)) != 0) {
        ok = false;
        cause = ErrnoText();
    }
#endif
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        cause = ErrnoText();
    }
    std::error_code ec;
    ok = ok && !FaultInjected(AtomicWriteStep::kRename, cause);
    if (ok) {
        fs::rename(temporary, target, ec);
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
