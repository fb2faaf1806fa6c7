// The command-line tool's exports and summary against its own reports: the same cells and the
// same totals, whichever command prints them.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace {

struct CliRun {
    int nStatus = -1;
    std::string strOut;
};

// Runs thermavo-cli with the words, each quoted for the shell; stderr is dropped.
CliRun RunCli(const std::vector<std::string>& words) {
    std::string command = "'" THERMAVO_CLI "'";
    for (const std::string& word : words) command += " '" + word + "'";
    command += " 2>/dev/null";
    CliRun run;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.strOut.append(buffer, got);
    run.nStatus = ::pclose(pipe);
    return run;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.emplace_back();
    return parts;
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The report's tab-separated table: the 24 x 12 cells below the "Hour" heading line.
std::vector<std::vector<std::string>> ReportCells(const std::string& report) {
    std::vector<std::vector<std::string>> cells;
    const std::vector<std::string> lines = Split(report, '\n');
    size_t at = 0;
    while (at < lines.size() && lines[at].rfind("Hour\t", 0) != 0) ++at;
    for (size_t i = at + 1; i < lines.size() && cells.size() < 24; ++i) {
        const std::vector<std::string> fields = Split(lines[i], '\t');
        if (fields.size() != 13) break;
        cells.emplace_back(fields.begin() + 1, fields.end());
    }
    return cells;
}

// The value printed with as many decimals as the report's cell has.
std::string AsPrinted(double value, const std::string& cell) {
    const size_t point = cell.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(cell.size() - point - 1);
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// The table value of "Label\tvalue" in a report's text.
double ReportValue(const std::string& report, const std::string& label) {
    const size_t at = report.find("\n" + label + "\t");
    return at == std::string::npos ? NAN
                                   : std::strtod(report.c_str() + at + label.size() + 2, nullptr);
}

// Each example project built once by the tool, in its own output units.
class CliOutputTest : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        m_strProject = m_dir.File(std::string(GetParam()) + ".Spc");
        const std::string json =
            std::string(THERMAVO_SOURCE_DIR) + "/examples/" + GetParam() + ".json";
        ASSERT_EQ(RunCli({"build", json, "-o", m_strProject}).nStatus, 0);
    }

    CScopedConfigHome m_config;
    CTempDir m_dir;
    std::string m_strProject;
};

}  // namespace

TEST_P(CliOutputTest, ExportedCellsAreTheReportsCellsInBothFormats) {
    const std::string csvDir = m_dir.File("csv");
    const std::string jsonPath = m_dir.File("tables.json");
    ASSERT_EQ(RunCli({"export", m_strProject, "--csv", csvDir, "--json", jsonPath}).nStatus, 0);
    const nlohmann::json json = nlohmann::json::parse(ReadText(jsonPath));

    // Every kind: the CSV and the JSON hold the same bits, hour by hour and month by month.
    ASSERT_EQ(json.size(), 68u);
    for (const auto& [key, kind] : json.items()) {
        SCOPED_TRACE(key);
        const std::vector<std::string> lines =
            Split(ReadText(csvDir + "/kind-" + key + ".csv"), '\n');
        ASSERT_EQ(lines.size(), 27u);  // title, heading, 24 hours, the final newline
        ASSERT_EQ(kind["values"].size(), 24u);
        for (int h = 1; h <= 24; ++h) {
            const std::vector<std::string> fields = Split(lines[h + 1], ',');
            ASSERT_EQ(fields.size(), 13u);
            EXPECT_EQ(fields[0], std::to_string(h));
            for (int m = 1; m <= 12; ++m) {
                ASSERT_EQ(std::strtod(fields[m].c_str(), nullptr),
                          kind["values"][h - 1][m - 1].get<double>())
                    << "hour " << h << ", month " << m;
            }
        }
    }

    // A few kinds against the tables the report command prints: totals, one orientation's
    // glass conduction, sunlit glass areas and two percentages (north-west has no windows).
    int tablesShown = 0;
    for (const int kind : {101, 127, 170, 184, 187}) {
        SCOPED_TRACE(kind);
        const CliRun report = RunCli({"report", m_strProject, std::to_string(kind)});
        ASSERT_EQ(report.nStatus, 0);
        const auto cells = ReportCells(report.strOut);
        ASSERT_EQ(cells.size(), 24u);
        const nlohmann::json& values = json[std::to_string(kind)]["values"];
        int shown = 0;
        for (int h = 0; h < 24; ++h) {
            for (int m = 0; m < 12; ++m) {
                const double value = values[h][m].get<double>();
                const std::string& cell = cells[h][m];
                // An all-zero table leaves its cells blank.
                if (cell.empty()) {
                    ASSERT_EQ(value, 0.0) << "hour " << h + 1 << ", month " << m + 1;
                    continue;
                }
                ++shown;
                ASSERT_EQ(AsPrinted(value, cell), cell) << "hour " << h + 1 << ", month " << m + 1;
            }
        }
        EXPECT_TRUE(shown == 0 || shown == 24 * 12) << shown;
        tablesShown += shown > 0;
    }
    EXPECT_EQ(tablesShown, 4);
}

TEST_P(CliOutputTest, SummaryHeatingLoadIsTheHeatingReportsTotal) {
    const CliRun report = RunCli({"report", m_strProject, "201"});
    const CliRun summary = RunCli({"summary", m_strProject});
    ASSERT_EQ(report.nStatus, 0);
    ASSERT_EQ(summary.nStatus, 0);
    const double total = ReportValue(report.strOut, "Total Heat Losses");
    ASSERT_GT(total, 0.0);
    const size_t at = summary.strOut.find("\nHeating load:");
    ASSERT_NE(at, std::string::npos) << summary.strOut;
    const double printed = std::strtod(summary.strOut.c_str() + at + 14, nullptr);
    EXPECT_EQ(printed, std::round(total)) << summary.strOut;
}

INSTANTIATE_TEST_SUITE_P(Examples, CliOutputTest, ::testing::Values("office", "house"));
