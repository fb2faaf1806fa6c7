#include "BuildCommand.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "archive/AtomicFile.h"
#include "building/Building.h"
#include "document/ProjectFile.h"
#include "document/QuarnDoc.h"
#include "input/ProjectDescription.h"

namespace {

// A file name from a space name: letters, digits, '-' and '_' kept, anything else '-'; the
// position in front keeps the spaces in their order when a shell lists the folder.
std::string SpaceFileName(size_t index, const std::string& name) {
    std::string safe;
    for (const char c : name) {
        const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '_';
        safe += keep ? c : '-';
    }
    const std::string number = std::to_string(index + 1);
    return std::string(number.size() < 2 ? "0" : "") + number + "-" + safe + ".Spc";
}

// Checks the whole description and builds every space before anything is written, so that
// an error leaves the folder as it was.
int BuildBuilding(const char* jsonPath, const nlohmann::json& description, const char* outDir,
                  CQuarnDoc& doc) {
    const auto fail = [jsonPath](const std::string& what) {
        std::fprintf(stderr, "%s: %s\n", jsonPath, what.c_str());
        return 1;
    };
    const nlohmann::json& name = description.contains("name") ? description["name"] : nullptr;
    if (!name.is_null() && !name.is_string()) return fail("\"name\" is a text");
    const nlohmann::json& list = description["spaces"];
    if (!list.is_array() || list.empty()) {
        return fail("\"spaces\" is a list of one or more spaces");
    }
    std::vector<BuildingSpace> spaces;
    std::vector<std::shared_ptr<CQuarnDoc>> projects;
    std::vector<std::string> files;
    for (size_t i = 0; i < list.size(); ++i) {
        const nlohmann::json& space = list[i];
        const std::string where = "space " + std::to_string(i + 1);
        if (!space.is_object()) return fail(where + ": an object with \"name\" and \"commands\"");
        if (!space.contains("name") || !space["name"].is_string() ||
            space["name"].get<std::string>().empty()) {
            return fail(where + ": \"name\" is a text that is not empty");
        }
        const std::string spaceName = space["name"].get<std::string>();
        const std::string named = where + " (\"" + spaceName + "\")";
        int count = 1;
        if (space.contains("count")) {
            const nlohmann::json& n = space["count"];
            if (!n.is_number_integer() || n.get<long long>() < 1 || n.get<long long>() > 100000) {
                return fail(named + ": \"count\" is a whole number from 1 to 100000");
            }
            count = n.get<int>();
        }
        if (!space.contains("commands")) return fail(named + ": \"commands\" is missing");
        auto project = std::make_shared<CQuarnDoc>(doc.Messages());
        project->OnNewDocument();
        if (const auto error = ApplyProjectDescription(*project, space["commands"])) {
            return fail(named + ": " + *error);
        }
        files.push_back((std::filesystem::path(outDir) / SpaceFileName(i, spaceName)).string());
        spaces.push_back({project, SpaceNameOf(*project, files.back()), count});
        projects.push_back(project);
    }
    std::string error;
    const std::optional<CBuilding> building = CBuilding::Make(
        name.is_string() ? name.get<std::string>() : "Block", std::move(spaces), error);
    if (!building) return fail(error);

    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    if (ec) {
        std::fprintf(stderr, "%s: %s\n", outDir, ec.message().c_str());
        return 1;
    }
    for (size_t i = 0; i < projects.size(); ++i) {
        if (!SaveProject(*projects[i], files[i])) return 1;
    }
    const UnitSystem units = OutputUnitSystem(building->First()) == UnitSystem::kMetric
                                 ? UnitSystem::kMetric
                                 : UnitSystem::kEnglish;
    std::fputs(BlockSummaryText(*building, units).c_str(), stdout);
    return 0;
}

}  // namespace

int BuildProject(const char* jsonPath, const char* outPath, CQuarnDoc& doc) {
    std::vector<uint8_t> bytes;
    std::string cause;
    if (!ReadWholeFile(jsonPath, 16u << 20, bytes, cause)) {
        std::fprintf(stderr, "%s: %s\n", jsonPath, cause.c_str());
        return 1;
    }
    const nlohmann::json description =
        nlohmann::json::parse(bytes.begin(), bytes.end(), nullptr, false);
    if (description.is_discarded()) {
        std::fprintf(stderr, "%s: not valid JSON\n", jsonPath);
        return 1;
    }
    if (description.is_object() && description.contains("spaces")) {
        return BuildBuilding(jsonPath, description, outPath, doc);
    }
    doc.OnNewDocument();
    if (const auto error = ApplyProjectDescription(doc, description)) {
        std::fprintf(stderr, "%s: %s\n", jsonPath, error->c_str());
        return 1;
    }
    return SaveProject(doc, outPath) ? 0 : 1;
}
