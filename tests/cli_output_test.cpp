// The command-line tool's exports and summary against its own reports: the same cells and the
// same totals, whichever command prints them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/TestSupport.h"

namespace {

struct CliRun {
    int nStatus = -1;
    std::string strOut;
};

// Runs thermavo-cli with the words, each quoted for the shell; stderr goes to errPath.
CliRun RunCli(const std::vector<std::string>& words, const std::string& errPath = "/dev/null") {
    std::string command = "'" THERMAVO_CLI "'";
    for (const std::string& word : words) command += " '" + word + "'";
    command += " 2>'" + errPath + "'";
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

namespace {

// The example building written once into a folder, its spaces in their order.
class BlockCliTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_build = RunCli(
            {"build", THERMAVO_SOURCE_DIR "/examples/building.json", "-o", m_dir.File("spaces")});
        ASSERT_EQ(m_build.nStatus, 0);
        for (const char* name : {"01-East-Perimeter-Offices", "02-West-Perimeter-Offices",
                                 "03-Interior-Zone", "04-Top-Floor"}) {
            m_spaces.push_back(m_dir.File("spaces/" + std::string(name) + ".Spc"));
        }
    }

    std::vector<std::string> Block(std::vector<std::string> options) const {
        std::vector<std::string> words = {"block"};
        words.insert(words.end(), m_spaces.begin(), m_spaces.end());
        words.insert(words.end(), options.begin(), options.end());
        return words;
    }

    CScopedConfigHome m_config;
    CTempDir m_dir;
    CliRun m_build;
    std::vector<std::string> m_spaces;
};

}  // namespace

// The block's tables are the hour-by-hour sums of the spaces' own tables as dump prints them,
// and the building's zones peak apart, so the block peak is below the sum of the peaks.
TEST_F(BlockCliTest, BlockTablesAreTheSumsOfTheDumpedSpaces) {
    const std::string jsonPath = m_dir.File("block.json");
    ASSERT_EQ(RunCli(Block({"--json", jsonPath})).nStatus, 0);
    const nlohmann::json block = nlohmann::json::parse(ReadText(jsonPath));

    double sums[25][13] = {};
    std::vector<int> peakHours;
    double sumOfPeaks = 0;
    for (const std::string& space : m_spaces) {
        const CliRun dump = RunCli({"dump", space});
        ASSERT_EQ(dump.nStatus, 0);
        const nlohmann::json total = nlohmann::json::parse(dump.strOut)["m_tblTotal"];
        double peak = -1;
        int peakHour = 0;
        for (int h = 1; h <= 24; ++h) {
            for (int m = 1; m <= 12; ++m) {
                const double v = total[h][m].get<double>();
                sums[h][m] += v;
                if (v > peak) {
                    peak = v;
                    peakHour = h;
                }
            }
        }
        peakHours.push_back(peakHour);
        sumOfPeaks += peak;
    }
    double blockPeak = 0;
    for (int h = 1; h <= 24; ++h) {
        for (int m = 1; m <= 12; ++m) {
            const double v = block["items"]["1"][h - 1][m - 1].get<double>();
            ASSERT_NEAR(v, sums[h][m], 1e-9) << "hour " << h << ", month " << m;
            blockPeak = std::max(blockPeak, v);
        }
    }
    EXPECT_LT(peakHours[0], 12);  // east: morning
    EXPECT_GT(peakHours[1], 12);  // west: afternoon
    EXPECT_LT(blockPeak, 0.97 * sumOfPeaks);

    EXPECT_NEAR(ReportValue(m_build.strOut, "Block Peak:"), blockPeak, 0.005) << m_build.strOut;
    EXPECT_NEAR(ReportValue(m_build.strOut, "Sum of Space Peaks:"), sumOfPeaks, 0.005);
    EXPECT_LT(ReportValue(m_build.strOut, "Diversity Ratio:"), 1.0);
}

TEST_F(BlockCliTest, BlockOfTheWrittenSpacesPrintsTheBuildersSummary) {
    const CliRun block = RunCli(Block({"--name", "Peachtree Office Building"}));
    ASSERT_EQ(block.nStatus, 0);
    EXPECT_EQ(block.strOut, m_build.strOut);

    // Metric: the same peak in kW.
    const CliRun metric = RunCli(Block({"--output-units", "metric"}));
    ASSERT_EQ(metric.nStatus, 0);
    EXPECT_NEAR(ReportValue(metric.strOut, "Block Peak:"),
                3.52 * ReportValue(block.strOut, "Block Peak:"), 3.52 * 0.005)
        << metric.strOut;
    EXPECT_NE(metric.strOut.find(" L/s\n"), std::string::npos) << metric.strOut;

    // The table's cells are the exported values, rounded.
    const std::string jsonPath = m_dir.File("block.json");
    ASSERT_EQ(RunCli(Block({"--json", jsonPath})).nStatus, 0);
    const nlohmann::json values = nlohmann::json::parse(ReadText(jsonPath))["items"]["1"];
    const CliRun table = RunCli(Block({"--table"}));
    ASSERT_EQ(table.nStatus, 0);
    const std::vector<std::vector<std::string>> cells = ReportCells(table.strOut);
    ASSERT_EQ(cells.size(), 24u) << table.strOut;
    for (int h = 0; h < 24; ++h) {
        for (int m = 0; m < 12; ++m) {
            ASSERT_EQ(AsPrinted(values[h][m].get<double>(), cells[h][m]), cells[h][m]);
        }
    }

    // A space listed twice counts twice, like a count of 2.
    const std::string a = m_dir.File("twice.json");
    const std::string b = m_dir.File("count.json");
    ASSERT_EQ(RunCli({"block", m_spaces[0], m_spaces[0], "--json", a}).nStatus, 0);
    ASSERT_EQ(RunCli({"block", m_spaces[0], "--count", m_spaces[0] + "=2", "--json", b}).nStatus,
              0);
    EXPECT_EQ(ReadText(a), ReadText(b));
}

// The summary, table and graph drawn: SVGs with their texts, and a PDF where the build has Qt.
TEST_F(BlockCliTest, RendersTheSummaryTableAndGraph) {
    const std::string svg = m_dir.File("block.svg");
    ASSERT_EQ(RunCli(Block({"--render", "summary", "-o", svg})).nStatus, 0);
    const std::string drawing = ReadText(svg);
    EXPECT_NE(drawing.find(">Diversity Ratio:<"), std::string::npos);
    EXPECT_NE(drawing.find(">East Perimeter Offices<"), std::string::npos);
    EXPECT_NE(drawing.find("</svg>"), std::string::npos);

    const std::string pdf = m_dir.File("block.pdf");
    const std::string err = m_dir.File("err.txt");
    const CliRun run = RunCli(Block({"--render", "summary", "-o", pdf}), err);
    if (run.nStatus == 0) {
        EXPECT_EQ(ReadText(pdf).substr(0, 5), "%PDF-");
    } else {
        EXPECT_NE(ReadText(err).find("no PDF output"), std::string::npos) << ReadText(err);
    }
    EXPECT_NE(RunCli(Block({"--render", "summary"})).nStatus, 0);  // no -o

    for (const char* kind : {"table", "graph"}) {
        const std::string out = m_dir.File(std::string(kind) + ".svg");
        ASSERT_EQ(RunCli(Block({"--render", kind, "-o", out})).nStatus, 0) << kind;
        const std::string view = ReadText(out);
        EXPECT_NE(view.find(">Block Total Cooling Load - Tons<"), std::string::npos) << kind;
        EXPECT_NE(view.find(kind == std::string("table") ? ">Hour<" : ">Hour of Day (Solar Time)<"),
                  std::string::npos)
            << kind;
    }
    EXPECT_NE(RunCli(Block({"--render", "chart", "-o", m_dir.File("x.svg")})).nStatus, 0);
}

// A refused block prints nothing and says which file or space is at fault.
// With no options file each of the four new projects finds it missing; the user is told once.
TEST_F(BlockCliTest, AMessageEveryProjectMeetsIsSaidOnce) {
    const std::string err = m_dir.File("err.txt");
    ASSERT_EQ(
        RunCli({"build", THERMAVO_SOURCE_DIR "/examples/building.json", "-o", m_dir.File("again")},
               err)
            .nStatus,
        0);
    const std::string said = ReadText(err);
    for (const std::string& line :
         {std::string("Default options settings will be used.\n"), m_config.OptionsPath() + ": "}) {
        const size_t first = said.find(line);
        EXPECT_NE(first, std::string::npos) << said;
        EXPECT_EQ(said.find(line, first + 1), std::string::npos) << said;
    }
}

TEST_F(BlockCliTest, RefusedSpacesPrintNothingAndAreNamed) {
    const std::string err = m_dir.File("err.txt");
    const std::string house = m_dir.File("house.Spc");
    ASSERT_EQ(RunCli({"build", THERMAVO_SOURCE_DIR "/examples/house.json", "-o", house}).nStatus,
              0);
    const std::string damaged = m_dir.File("damaged.Spc");
    WriteFileBytes(damaged, {'n', 'o', 't', ' ', 'a', ' ', 'p', 'r', 'o', 'j'});
    const std::string blank = m_dir.File("blank.Spc");
    ASSERT_EQ(RunCli({"new", blank}).nStatus, 0);

    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"block", m_spaces[0], house}, "East Perimeter Offices"},
        {{"block", m_spaces[0], m_dir.File("missing.Spc")}, "missing.Spc"},
        {{"block", m_spaces[0], damaged}, "damaged.Spc"},
        {{"block", m_spaces[0], blank}, "general"},
        {{"block", m_spaces[0], "--count", m_spaces[0] + "=0"}, "--count"},
        {{"block"}, "SPACE.Spc"},
    };
    for (const auto& [words, named] : cases) {
        SCOPED_TRACE(words.back());
        const CliRun run = RunCli(words, err);
        EXPECT_NE(run.nStatus, 0);
        EXPECT_EQ(run.strOut, "");
        const std::string said = ReadText(err);
        EXPECT_NE(said.find(named), std::string::npos) << said;
    }
}

// A building description with an error writes nothing and names the space and the command.
TEST(BlockBuildCli, ErrorsNameTheSpaceAndTheCommand) {
    CScopedConfigHome config;
    CTempDir dir;
    const std::string description = dir.File("building.json");
    const std::string text =
        R"({"name": "B", "spaces": [{"name": "Good", "commands": []},)"
        R"( {"name": "Bad", "count": 2, "commands": [{"command": "generalData",)"
        R"( "m_dFluorWatts": -5}]}]})";
    WriteFileBytes(description, std::vector<uint8_t>(text.begin(), text.end()));
    const std::string err = dir.File("err.txt");
    const CliRun run = RunCli({"build", description, "-o", dir.File("out")}, err);
    EXPECT_NE(run.nStatus, 0);
    EXPECT_EQ(run.strOut, "");
    const std::string said = ReadText(err);
    EXPECT_NE(said.find("space 2 (\"Bad\")"), std::string::npos) << said;
    EXPECT_NE(said.find("command 1 (generalData)"), std::string::npos) << said;
    EXPECT_FALSE(std::filesystem::exists(dir.File("out")));

    // Counts are whole numbers of 1 or more.
    const std::string zero = R"({"spaces": [{"name": "A", "count": 0, "commands": []}]})";
    WriteFileBytes(description, std::vector<uint8_t>(zero.begin(), zero.end()));
    EXPECT_NE(RunCli({"build", description, "-o", dir.File("out")}, err).nStatus, 0);
    EXPECT_NE(ReadText(err).find("\"count\""), std::string::npos) << ReadText(err);
}
