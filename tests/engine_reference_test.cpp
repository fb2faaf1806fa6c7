// The hourly engine against dumps it wrote once: the examples, a southern and an arctic project
// with windows, overhangs, fins and glass blocks on every side, and the benchmark's project.
// Reworking the engine for speed must not move a number by more than rounding: every real of
// every table within 1e-12 relative, every whole number and text exactly. After an intended
// change of results, rewrite the dumps with THERMAVO_UPDATE_ENGINE_REFERENCE=1 and say why in
// the commit.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "BenchProjects.h"
#include "document/DocumentJson.h"
#include "document/QuarnDoc.h"
#include "paths/InstallDir.h"
#include "support/TestSupport.h"

namespace {

constexpr double kRelativeTolerance = 1e-12;

const std::string kReferenceDir = THERMAVO_SOURCE_DIR "/tests/engine_reference/";

bool Updating() {
    const char* update = std::getenv("THERMAVO_UPDATE_ENGINE_REFERENCE");
    return update != nullptr && std::string(update) == "1";
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs thermavo-cli with the words quoted for the shell; false when it fails.
bool RunCli(const std::vector<std::string>& words, std::string& out) {
    std::string command = "'" THERMAVO_CLI "'";
    for (const std::string& word : words) command += " '" + word + "'";
    command += " 2>/dev/null";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return false;
    char buffer[65536];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
    return ::pclose(pipe) == 0;
}

struct Comparison {
    std::vector<std::string> differences;
    double largestRelative = 0.0;
    int reals = 0;

    void Differ(const std::string& path, const std::string& what) {
        if (differences.size() < 20) differences.push_back(path + ": " + what);
    }
};

void Compare(const nlohmann::json& got, const nlohmann::json& want, const std::string& path,
             Comparison& result) {
    if (want.is_number_float() && got.is_number_float()) {
        const double a = got.get<double>();
        const double b = want.get<double>();
        ++result.reals;
        if (a == b) return;
        const double scale = std::max(std::fabs(a), std::fabs(b));
        const double relative = std::fabs(a - b) / scale;
        result.largestRelative = std::max(result.largestRelative, relative);
        if (!(relative <= kRelativeTolerance)) {
            std::ostringstream what;
            what.precision(17);
            what << a << " instead of " << b << " (relative " << relative << ")";
            result.Differ(path, what.str());
        }
        return;
    }
    // Whole numbers parse as unsigned where the document's own dump holds them signed.
    if (want.is_number_integer() && got.is_number_integer()) {
        if (got != want) result.Differ(path, got.dump() + " instead of " + want.dump());
        return;
    }
    if (got.type() != want.type()) {
        result.Differ(path, std::string(got.type_name()) + " instead of " + want.type_name());
        return;
    }
    if (want.is_array()) {
        if (got.size() != want.size()) {
            result.Differ(path, std::to_string(got.size()) + " items instead of " +
                                    std::to_string(want.size()));
            return;
        }
        for (size_t i = 0; i < want.size(); ++i) {
            Compare(got[i], want[i], path + "[" + std::to_string(i) + "]", result);
        }
        return;
    }
    if (want.is_object()) {
        for (const auto& item : want.items()) {
            if (!got.contains(item.key())) {
                result.Differ(path + "." + item.key(), "missing");
                continue;
            }
            Compare(got[item.key()], item.value(), path + "." + item.key(), result);
        }
        for (const auto& item : got.items()) {
            if (!want.contains(item.key())) result.Differ(path + "." + item.key(), "unexpected");
        }
        return;
    }
    // Whole numbers, texts and flags.
    if (got != want) result.Differ(path, got.dump() + " instead of " + want.dump());
}

// Writes the dump as the reference, or compares it with the committed one.
void CheckAgainstReference(const nlohmann::json& dump, const std::string& name) {
    const std::string path = kReferenceDir + name + ".dump.json";
    if (Updating()) {
        std::ofstream(path, std::ios::binary) << dump.dump(0) << "\n";
        return;
    }
    const std::string text = ReadText(path);
    ASSERT_FALSE(text.empty()) << "no reference dump " << path;
    const nlohmann::json want = nlohmann::json::parse(text);
    Comparison result;
    Compare(dump, want, name, result);
    EXPECT_GT(result.reals, 10000) << name << ": the dump holds too few numbers to be the tables";
    std::string all;
    for (const std::string& d : result.differences) all += "\n  " + d;
    EXPECT_TRUE(result.differences.empty()) << name << " differs from its reference:" << all;
    std::printf("%s: %d reals, largest relative difference %.3g\n", name.c_str(), result.reals,
                result.largestRelative);
}

class EngineReference : public testing::TestWithParam<std::string> {};

TEST_P(EngineReference, BuiltProjectDumpsMatchTheReference) {
    CScopedConfigHome config;  // defaults, whatever options the machine holds
    CTempDir dir;
    const std::string name = GetParam();
    std::string source = std::string(THERMAVO_SOURCE_DIR) + "/examples/" + name + ".json";
    if (!std::ifstream(source)) source = kReferenceDir + "projects/" + name + ".json";
    const std::string spc = dir.File(name + ".Spc");
    std::string out;
    ASSERT_TRUE(RunCli({"build", source, "-o", spc}, out)) << "build of " << source << " failed";
    std::string dump;
    ASSERT_TRUE(RunCli({"dump", spc}, dump)) << "dump of " << spc << " failed";
    CheckAgainstReference(nlohmann::json::parse(dump), name);
}

INSTANTIATE_TEST_SUITE_P(Projects, EngineReference,
                         testing::Values("office", "house", "porto-alegre", "tromso"));

// The project the recalculation benchmark times, built by the benchmarks' own code.
TEST(EngineReferenceBench, BenchProjectTablesMatchTheReference) {
    const std::string previous = g_strInstallDir;
    g_strInstallDir = THERMAVO_DATA_DIR;
    CScopedConfigHome config;
    CRecordingMessages messages;
    auto doc = bench::MakeBenchProject(messages);
    messages.Clear();  // only the note that no options file exists
    doc->RecalcGeneralData();
    doc->FinishInput();
    g_strInstallDir = previous;
    for (const std::string& m : messages.messages) ADD_FAILURE() << m;
    CheckAgainstReference(DocumentToJson(*doc), "bench");
}

}  // namespace
