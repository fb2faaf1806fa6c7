// Writes COUNT variations of a project description for the batch benchmark: each on another
// weather station of the station tree, turned to another orientation and with its areas
// scaled, so that no two projects compute the same loads.
//   thermavo_bench_variations PROJECT.json COUNT OUT_DIR
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "input/WindowsCommand.h"
#include "tessil/tessil.h"
#include "tree/MemoryTreeCtrl.h"

namespace {

using nlohmann::json;

void CollectStations(const CMemoryTreeCtrl& tree, HTREEITEM item, std::vector<int>& stations) {
    for (; item; item = tree.GetNextSiblingItem(item)) {
        if (const auto data = tree.GetItemData(item); data > 0)
            stations.push_back(static_cast<int>(data));
        CollectStations(tree, tree.GetChildItem(item), stations);
    }
}

// The value of orientation k moves to k + turn (eighths of a turn clockwise).
json Turned(const json& perOrientation, int turn) {
    json turned = perOrientation;
    for (int k = 0; k < kOrientations; ++k) turned[(k + turn) % kOrientations] = perOrientation[k];
    return turned;
}

json Scaled(const json& value, double factor) {
    if (value.is_array()) {
        json scaled = json::array();
        for (const json& v : value) scaled.push_back(Scaled(v, factor));
        return scaled;
    }
    return value.is_number() ? json(std::round(value.get<double>() * factor * 10) / 10) : value;
}

json Variation(const json& base, int station, int turn, double scale) {
    json project = base;
    const double side = std::sqrt(scale);
    for (json& command : project) {
        const std::string name = command.value("command", "");
        if (name == "generalData") {
            command["m_nCityIndex"] = station;
            if (command.contains("m_dBuildingVolume"))
                command["m_dBuildingVolume"] = Scaled(command["m_dBuildingVolume"], scale);
        } else if (name == "windows") {
            json windows = {{"command", "windows"}};
            for (int k = 0; k < kOrientations; ++k) {
                const char* key = kWindowPageKeys[k];
                if (!command.contains(key)) continue;
                json records = command[key];
                for (json& w : records) {
                    w["m_dHeight"] = Scaled(w["m_dHeight"], side);
                    w["m_dWidth"] = Scaled(w["m_dWidth"], side);
                }
                windows[kWindowPageKeys[(k + turn) % kOrientations]] = records;
            }
            command = windows;
        } else if (name == "wallsRoof") {
            command["m_dWallArea"] = Scaled(Turned(command["m_dWallArea"], turn), scale);
            command["m_dWallUCool"] = Turned(command["m_dWallUCool"], turn);
            command["m_dWallUHeat"] = Turned(command["m_dWallUHeat"], turn);
            command["m_dRoofArea"] = Scaled(command["m_dRoofArea"], scale);
        } else if (name == "glassBlocks") {
            command["m_dGlassBlockArea"] =
                Scaled(Turned(command["m_dGlassBlockArea"], turn), scale);
        }
    }
    return project;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "Usage: %s PROJECT.json COUNT OUT_DIR\n", argv[0]);
        return 2;
    }
    json base;
    try {
        std::ifstream in(argv[1]);
        base = json::parse(in);
    } catch (const json::exception& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
        return 1;
    }
    if (!base.is_array()) {
        std::fprintf(stderr, "%s: not a list of commands\n", argv[1]);
        return 1;
    }
    const int count = std::atoi(argv[2]);
    if (count < 1) {
        std::fprintf(stderr, "COUNT must be a positive number\n");
        return 2;
    }
    CMemoryTreeCtrl tree;
    PopulateCityTree(&tree);
    std::vector<int> stations;
    CollectStations(tree, tree.GetRootItem(), stations);
    if (stations.empty()) {
        std::fprintf(stderr, "The station tree holds no stations\n");
        return 1;
    }
    const std::filesystem::path folder = argv[3];
    std::filesystem::create_directories(folder);
    for (int i = 0; i < count; ++i) {
        // A stride prime to any station count of interest spreads the projects over the world.
        const int station = stations[(static_cast<size_t>(i) * 7919) % stations.size()];
        const double scale = 0.5 + 0.1 * (i % 11);
        char name[32];
        std::snprintf(name, sizeof name, "variation-%04d.json", i);
        std::ofstream out(folder / name);
        out << Variation(base, station, i % kOrientations, scale).dump(1) << '\n';
        if (!out) {
            std::fprintf(stderr, "Cannot write %s\n", (folder / name).c_str());
            return 1;
        }
    }
    return 0;
}
