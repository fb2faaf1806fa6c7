#include "TablesCommand.h"

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#include "archive/AtomicFile.h"
#include "tables/DataFiles.h"
#include "tables/TableFile.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kMaxSourceBytes = 1u << 20;
constexpr size_t kProblemsShown = 10;

bool LoadDataFile(const std::string& path, const DataFileShape& shape, TableData& table,
                  std::string& error) {
    return ReadTableFile(path, shape, table, error) == TableFileRead::kRead;
}

}  // namespace

int CheckTables(const char* dir, bool strict) {
    int bad = 0;
    int missing = 0;
    for (const DataFileShape& shape : AllDataFiles()) {
        const std::string path = (fs::path(dir) / DataFileName(shape.nNumber)).string();
        std::error_code ec;
        if (!fs::exists(path, ec)) {
            std::printf("%s: not present\n", DataFileName(shape.nNumber).c_str());
            ++missing;
            continue;
        }
        TableData table;
        std::string error;
        if (!LoadDataFile(path, shape, table, error)) {
            std::printf("%s: %s\n", DataFileName(shape.nNumber).c_str(), error.c_str());
            ++bad;
            continue;
        }
        // A file of garbage has a problem in nearly every cell: the first few tell enough.
        const std::vector<std::string> problems = CheckTable(table, shape.nNumber);
        for (size_t i = 0; i < problems.size() && i < kProblemsShown; ++i) {
            std::printf("%s: %s\n", DataFileName(shape.nNumber).c_str(), problems[i].c_str());
        }
        if (problems.size() > kProblemsShown) {
            std::printf("%s: %zu problems in all\n", DataFileName(shape.nNumber).c_str(),
                        problems.size());
        }
        if (!problems.empty()) ++bad;
    }
    const int total = static_cast<int>(AllDataFiles().size());
    std::printf("%d of %d files present, %d with problems\n", total - missing, total, bad);
    return bad > 0 || (strict && missing > 0) ? 1 : 0;
}

int BuildTables(const char* csvDir, const char* outDir) {
    std::error_code ec;
    std::set<std::string> sources;  // sorted, so the output order is stable
    for (const fs::directory_entry& entry : fs::directory_iterator(csvDir, ec)) {
        if (entry.path().extension() == ".csv") sources.insert(entry.path().string());
    }
    if (ec) {
        std::fprintf(stderr, "%s: %s\n", csvDir, ec.message().c_str());
        return 1;
    }
    fs::create_directories(outDir, ec);
    int failures = 0;
    for (const std::string& source : sources) {
        const int number = DataFileNumber(source);
        const DataFileShape* shape = FindDataFile(number);
        if (shape == nullptr) {
            std::fprintf(stderr, "%s: not a data file of the program\n", source.c_str());
            ++failures;
            continue;
        }
        std::vector<uint8_t> text;
        std::string error;
        TableData table;
        if (!ReadWholeFile(source, kMaxSourceBytes, text, error) ||
            !ParseTableCsv(std::string(text.begin(), text.end()), *shape, table, error)) {
            std::fprintf(stderr, "%s: %s\n", source.c_str(), error.c_str());
            ++failures;
            continue;
        }
        const std::vector<std::string> problems = CheckTable(table, number);
        for (const std::string& problem : problems) {
            std::fprintf(stderr, "%s: %s\n", source.c_str(), problem.c_str());
        }
        if (!problems.empty()) {
            ++failures;
            continue;
        }
        const std::string target = (fs::path(outDir) / DataFileName(number)).string();
        if (!WriteFileAtomically(target, EncodeTable(table), error)) {
            std::fprintf(stderr, "%s: %s\n", target.c_str(), error.c_str());
            ++failures;
        }
    }
    return failures > 0 ? 1 : 0;
}

int ShowTable(const char* path) {
    const DataFileShape* shape = FindDataFile(DataFileNumber(path));
    if (shape == nullptr) {
        std::fprintf(stderr, "%s: not a data file of the program (qlexNN.dat)\n", path);
        return 1;
    }
    TableData table;
    std::string error;
    if (!LoadDataFile(path, *shape, table, error)) {
        std::fprintf(stderr, "%s: %s\n", path, error.c_str());
        return 1;
    }
    std::printf("%s: %s, %d x %d\n", DataFileName(shape->nNumber).c_str(), shape->pszWhat,
                shape->nRows, shape->nCols);
    std::fputs(FormatTable(table).c_str(), stdout);
    return 0;
}
