// Feeds files through a fuzz entry point without libFuzzer, so that every build replays the
// regressions and the seed corpora:
//   fuzz_replay NAME PATH...   every file of every PATH (folders recursively, README* skipped)
//   fuzz_replay --seeds DIR    writes the seed corpora into DIR/<name>/
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "FuzzTargets.h"

namespace fs = std::filesystem;

namespace {

void AddFiles(const fs::path& path, std::vector<fs::path>& files) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        for (const auto& entry : fs::recursive_directory_iterator(path, ec)) {
            if (entry.is_regular_file() && entry.path().filename().string().rfind("README", 0))
                files.push_back(entry.path());
        }
    } else if (fs::is_regular_file(path, ec)) {
        files.push_back(path);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--seeds") {
        std::string error;
        if (!WriteFuzzSeeds(argv[2], error)) {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 1;
        }
        return 0;
    }
    const FuzzEntryPoint entry = argc >= 3 ? FindFuzzTarget(argv[1]) : nullptr;
    if (entry == nullptr) {
        std::fprintf(stderr, "usage: fuzz_replay NAME PATH... | --seeds DIR; names:");
        for (const FuzzTarget& target : AllFuzzTargets())
            std::fprintf(stderr, " %s", target.pszName);
        std::fprintf(stderr, "\n");
        return 2;
    }
    std::vector<fs::path> files;
    for (int i = 2; i < argc; ++i) AddFiles(argv[i], files);
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        // Named first, so that a crash tells which file it was.
        std::fprintf(stderr, "%s: %s\n", argv[1], file.c_str());
        std::ifstream in(file, std::ios::binary);
        const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
        if (!in.good() && !in.eof()) {
            std::fprintf(stderr, "%s: cannot read\n", file.c_str());
            return 1;
        }
        // libFuzzer never passes a null pointer, not even for an empty input.
        static const uint8_t kNothing = 0;
        entry(bytes.empty() ? &kNothing : bytes.data(), bytes.size());
    }
    std::printf("%s: %zu files replayed\n", argv[1], files.size());
    return 0;
}
