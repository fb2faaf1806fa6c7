#include "tables/TableCache.h"

#include <sys/stat.h>

#include <atomic>
#include <ctime>
#include <mutex>
#include <unordered_map>

namespace {

// What tells one version of a file from another without reading it.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
};

bool operator==(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool operator==(const FileStamp& a, const FileStamp& b) {
    return a.device == b.device && a.inode == b.inode && a.size == b.size &&
           a.modified == b.modified && a.changed == b.changed;
}

bool StampOf(const std::string& path, FileStamp& stamp) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.modified = st.st_mtim;
    stamp.changed = st.st_ctim;
    return true;
}

// File systems record times in steps (a clock tick, up to two seconds on some), so a file
// rewritten in place just after it was read can keep its size and times. A file modified this
// close to the moment it was read is therefore read again until it is older.
constexpr time_t kTimestampStepSeconds = 2;

struct Entry {
    FileStamp stamp;
    bool bTrusted = false;
    std::shared_ptr<const TableData> table;
};

std::mutex g_mutex;
std::unordered_map<std::string, Entry> g_entries;
std::atomic<size_t> g_loads{0};

}  // namespace

std::shared_ptr<const TableData> CachedTable(const std::string& path, const TableLoader& load) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    FileStamp stamp;
    const bool stamped = StampOf(path, stamp);
    if (stamped) {
        const std::lock_guard<std::mutex> lock(g_mutex);
        const auto found = g_entries.find(path);
        if (found != g_entries.end() && found->second.bTrusted && found->second.stamp == stamp) {
            return found->second.table;
        }
    }

    // Read outside the lock: two threads may both read a file the first time, never wrongly.
    auto table = std::make_shared<TableData>();
    ++g_loads;
    const bool loaded = load(*table);
    const std::lock_guard<std::mutex> lock(g_mutex);
    if (!loaded || !stamped) {
        g_entries.erase(path);
        return loaded ? table : nullptr;
    }
    // The stamp was taken before the read, so a change during the read makes the next stamp
    // differ, or leaves the entry untrusted.
    const bool trusted = stamp.modified.tv_sec + kTimestampStepSeconds < now.tv_sec;
    g_entries[path] = Entry{stamp, trusted, table};
    return table;
}

size_t TableCacheLoads() { return g_loads.load(); }

void ClearTableCache() {
    const std::lock_guard<std::mutex> lock(g_mutex);
    g_entries.clear();
}
