#include "BlockCommand.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <system_error>
#include <vector>

#include "RenderCommand.h"
#include "ReportCommand.h"
#include "archive/AtomicFile.h"
#include "building/BlockSummaryDrawing.h"
#include "building/Building.h"
#include "document/ProjectFile.h"
#include "document/QuarnDoc.h"
#include "units/Units.h"

namespace {

// FILE=N into the map; false (after saying why) for a malformed one.
bool ParseCounts(const std::vector<std::string>& counts, std::map<std::string, int>& out) {
    for (const std::string& text : counts) {
        const size_t eq = text.rfind('=');
        int n = 0;
        const char* begin = eq == std::string::npos ? nullptr : text.data() + eq + 1;
        const char* end = text.data() + text.size();
        if (begin == nullptr || eq == 0 || begin == end ||
            std::from_chars(begin, end, n).ptr != end || n < 1) {
            std::fprintf(stderr, "--count %s: give FILE=N with N a whole number of 1 or more\n",
                         text.c_str());
            return false;
        }
        out[text.substr(0, eq)] = n;
    }
    return true;
}

double Converted(double tons, UnitSystem units) {
    return units == UnitSystem::kMetric ? kKwPerTon * tons : tons;
}

bool Export(const CBuilding& b, UnitSystem units, const std::string& csvDir,
            const std::string& jsonPath) {
    if (!csvDir.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(csvDir, ec);
        if (ec) {
            std::fprintf(stderr, "%s: %s\n", csvDir.c_str(), ec.message().c_str());
            return false;
        }
    }
    nlohmann::json tables = nlohmann::json::object();
    for (const LoadItemBinding& binding : LoadItemBindings()) {
        const std::string key = std::to_string(static_cast<int>(binding.item));
        const BlockTable& table = b.Table(binding.item);
        std::string csv = "Hour,Jan,Feb,Mar,Apr,May,Jun,Jul,Aug,Sep,Oct,Nov,Dec\n";
        nlohmann::json rows = nlohmann::json::array();
        for (int h = 1; h <= 24; ++h) {
            std::vector<double> row;
            csv += std::to_string(h);
            for (int m = 1; m <= 12; ++m) {
                row.push_back(Converted(table[h][m], units));
                char buffer[64];
                const auto r = std::to_chars(buffer, buffer + sizeof buffer, row.back());
                csv += "," + std::string(buffer, r.ptr);
            }
            csv += "\n";
            rows.push_back(row);
        }
        tables[key] = rows;
        if (!csvDir.empty() &&
            !WriteText((std::filesystem::path(csvDir) /
                        ("item-" + std::string(key.size() < 2 ? "0" : "") + key + ".csv"))
                           .string(),
                       csv)) {
            return false;
        }
    }
    if (!jsonPath.empty()) {
        const nlohmann::json json = {
            {"name", b.Name()},
            {"unitSystem", units == UnitSystem::kMetric ? "Metric" : "English"},
            {"items", tables}};
        if (!WriteText(jsonPath, json.dump() + "\n")) return false;
    }
    return true;
}

}  // namespace

int RunBlock(CQuarnDoc& doc, const BlockArgs& args) {
    std::map<std::string, int> counts;
    if (!ParseCounts(args.counts, counts)) return 2;
    for (const auto& [file, n] : counts) {
        bool listed = false;
        for (const std::string& f : args.files) listed = listed || f == file;
        if (!listed) {
            std::fprintf(stderr, "--count %s=%d: %s is not one of the spaces\n", file.c_str(), n,
                         file.c_str());
            return 2;
        }
    }

    std::vector<BuildingSpace> spaces;
    for (const std::string& file : args.files) {
        auto space = std::make_shared<CQuarnDoc>(doc.Messages());
        // The load reports its own failure, naming the file.
        if (LoadProject(*space, file) != LoadStatus::kLoaded) return 1;
        const auto count = counts.find(file);
        spaces.push_back(
            {space, SpaceNameOf(*space, file), count == counts.end() ? 1 : count->second});
    }
    std::string error;
    const std::optional<CBuilding> building =
        CBuilding::Make(args.strName.empty() ? "Block" : args.strName, std::move(spaces), error);
    if (!building) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    const int code = args.nOutputUnits >= 0 ? args.nOutputUnits : building->First().m_nOutputUnits;
    const UnitSystem units =
        UnitSystemOfCode(code) == UnitSystem::kMetric ? UnitSystem::kMetric : UnitSystem::kEnglish;

    if (!args.strCsvDir.empty() || !args.strJsonPath.empty()) {
        return Export(*building, units, args.strCsvDir, args.strJsonPath) ? 0 : 1;
    }
    if (!args.strRender.empty()) {
        const CBuilding& b = *building;
        const std::string& kind = args.strRender;
        return RenderDrawing(
            [&b, units, &kind](ICanvas& canvas, const ViewPage& page) {
                if (kind == "table") return DrawBlockTable(b, units, canvas, page);
                if (kind == "graph") return DrawBlockGraph(b, units, canvas, page);
                return DrawBlockSummary(b, units, canvas, page);
            },
            [&b, units, &kind](const ViewPage& page) {
                return kind == "summary" ? BlockSummaryPages(b, units, page) : 1;
            },
            args.strOut);
    }
    const std::string text =
        args.bTable ? BlockTableText(*building, units) : BlockSummaryText(*building, units);
    std::fputs(text.c_str(), stdout);
    return 0;
}
