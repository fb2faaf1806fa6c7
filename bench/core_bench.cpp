// The calculation, the project file and drawing into memory. The GUI recalculates inside every
// input command and redraws from the tables, so these must stay far below what a user notices.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchProjects.h"
#include "document/ProjectFile.h"
#include "draw/RecordingCanvas.h"
#include "paths/InstallDir.h"
#include "views/ViewDrawing.h"

namespace fs = std::filesystem;

namespace {

void BM_FinishInput(benchmark::State& state) {
    g_strInstallDir = THERMAVO_DATA_DIR;
    CSilentMessages messages;
    auto doc = bench::MakeBenchProject(messages);
    doc->RecalcGeneralData();
    for (auto _ : state) {
        doc->FinishInput();
        benchmark::DoNotOptimize(doc->m_tblTotal[14][7]);
    }
}
BENCHMARK(BM_FinishInput)->Unit(benchmark::kMicrosecond);

// The per-record counter is the time divided by the records, fixed costs included; the fitted
// complexity and the 64 and 512 cases (scripts/bench.sh) show whether the growth is linear
// and what one further record costs.
void BM_FinishInputWindowRecords(benchmark::State& state) {
    g_strInstallDir = THERMAVO_DATA_DIR;
    CSilentMessages messages;
    const int perSide = static_cast<int>(state.range(0));
    auto doc = bench::MakeBenchProject(messages, perSide);
    doc->RecalcGeneralData();
    for (auto _ : state) {
        doc->FinishInput();
        benchmark::DoNotOptimize(doc->m_tblTotal[14][7]);
    }
    const double records = static_cast<double>(perSide) * kOrientations;
    state.SetComplexityN(perSide);
    state.counters["per_record"] = benchmark::Counter(
        records, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_FinishInputWindowRecords)
    ->RangeMultiplier(8)
    ->Range(1, 512)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);

void BM_RecalcGeneralDataAndFinishInput_Warm(benchmark::State& state) {
    g_strInstallDir = THERMAVO_DATA_DIR;
    CSilentMessages messages;
    auto doc = bench::MakeBenchProject(messages);
    for (auto _ : state) {
        doc->RecalcGeneralData();
        doc->FinishInput();
        benchmark::DoNotOptimize(doc->m_tblTotal[14][7]);
    }
}
BENCHMARK(BM_RecalcGeneralDataAndFinishInput_Warm)->Unit(benchmark::kMicrosecond);

// Every iteration finds the reference files changed on disk (another modification time), as
// after the user installs printed tables, so no cache of decoded files keyed by folder, name,
// size and time can answer. The files are a private copy, so the build tree keeps its times;
// changing the times is not timed. The operating system's page cache stays warm.
void BM_RecalcGeneralDataAndFinishInput_Cold(benchmark::State& state) {
    CSilentMessages messages;
    auto doc = bench::MakeBenchProject(messages);
    const fs::path folder =
        fs::temp_directory_path() / ("thermavo-bench-cold-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(THERMAVO_DATA_DIR)) {
        if (!entry.is_regular_file()) continue;
        files.push_back(folder / entry.path().filename());
        fs::copy_file(entry.path(), files.back(), fs::copy_options::overwrite_existing);
    }
    g_strInstallDir = folder.string() + "/";
    auto stamp = fs::last_write_time(files.front());
    for (auto _ : state) {
        state.PauseTiming();
        stamp += std::chrono::seconds(1);
        for (const fs::path& file : files) fs::last_write_time(file, stamp);
        state.ResumeTiming();
        doc->RecalcGeneralData();
        doc->FinishInput();
        benchmark::DoNotOptimize(doc->m_tblTotal[14][7]);
    }
    fs::remove_all(folder);
    g_strInstallDir = THERMAVO_DATA_DIR;
}
BENCHMARK(BM_RecalcGeneralDataAndFinishInput_Cold)->Unit(benchmark::kMicrosecond);

// Save and load together: the File commands.
void BM_SaveLoadSpc_Memory(benchmark::State& state) {
    g_strInstallDir = THERMAVO_DATA_DIR;
    CSilentMessages messages;
    auto office = bench::MakeOffice(messages);
    if (!office) return state.SkipWithError("the example office does not build");
    CQuarnDoc loaded(messages);
    for (auto _ : state) {
        const std::vector<uint8_t> bytes = SerializeProject(*office);
        if (LoadProjectBytes(loaded, bytes.data(), bytes.size(), "office.Spc") !=
            LoadStatus::kLoaded)
            return state.SkipWithError("the saved office does not load");
    }
}
BENCHMARK(BM_SaveLoadSpc_Memory)->Unit(benchmark::kMicrosecond);

void BM_SaveLoadSpc_File(benchmark::State& state) {
    g_strInstallDir = THERMAVO_DATA_DIR;
    CSilentMessages messages;
    auto office = bench::MakeOffice(messages);
    if (!office) return state.SkipWithError("the example office does not build");
    const std::string path =
        (fs::temp_directory_path() / ("thermavo-bench-" + std::to_string(::getpid()) + ".Spc"))
            .string();
    CQuarnDoc loaded(messages);
    for (auto _ : state) {
        if (!SaveProject(*office, path) || LoadProject(loaded, path) != LoadStatus::kLoaded)
            return state.SkipWithError("the office does not save and load through a file");
    }
    fs::remove(path);
}
BENCHMARK(BM_SaveLoadSpc_File)->Unit(benchmark::kMicrosecond);

// The recording canvas measures the drawing code itself, without any rasterising.
void BM_DrawKind_Recording(benchmark::State& state) {
    g_strInstallDir = THERMAVO_DATA_DIR;
    CSilentMessages messages;
    auto office = bench::MakeOffice(messages);
    if (!office) return state.SkipWithError("the example office does not build");
    ViewPage page;
    page.nClientWidth = 1600;
    page.nClientHeight = 1000;
    for (auto _ : state) {
        CRecordingCanvas canvas;
        const DrawResult drawn = DrawView(*office, static_cast<int>(state.range(0)), canvas, page);
        benchmark::DoNotOptimize(canvas.calls.data());
        benchmark::DoNotOptimize(drawn.sizes.nTotalHeight);
    }
}
BENCHMARK(BM_DrawKind_Recording)
    ->Arg(1)
    ->Arg(101)
    ->Arg(200)
    ->Arg(201)
    ->Arg(202)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
