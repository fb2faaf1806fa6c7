#include "Steam.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <sstream>
#include <stdexcept>

#include "Constants.h"

namespace refgen {

namespace {

// Source columns of table columns 1..7: temperature, saturation pressure (psia), vapour
// specific volume (ft3/lb), enthalpy of the condensed phase and of saturated vapour (Btu/lb),
// entropy of the condensed phase and of saturated vapour (Btu/(lb R)).
constexpr std::array<const char*, 7> kSourceColumns = {
    "T_F",       "p_psia", "vg_ft3_lb", "h_condensed_Btu_lb", "hg_Btu_lb", "s_condensed_Btu_lbR",
    "sg_Btu_lbR"};

std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    std::string field;
    while (std::getline(in, field, ',')) {
        if (!field.empty() && field.back() == '\r') field.pop_back();
        fields.push_back(field);
    }
    return fields;
}

double ParseNumber(const std::string& text) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !std::isfinite(value)) {
        throw std::runtime_error("steam table: \"" + text + "\" is not a number");
    }
    return value;
}

}  // namespace

std::vector<int> SteamTableTemperatures() {
    std::vector<int> temperatures;
    for (int t = kSteamFirstF; t < kSteamFineFirstF; t += kSteamCoarseStepF) {
        temperatures.push_back(t);
    }
    for (int t = kSteamFineFirstF; t <= kSteamFineLastF; ++t) temperatures.push_back(t);
    for (int t = kSteamFineLastF + kSteamCoarseStepF; t <= kSteamLastF; t += kSteamCoarseStepF) {
        temperatures.push_back(t);
    }
    return temperatures;
}

Table SteamTable(const std::string& sourceText) {
    std::istringstream in(sourceText);
    std::string line;
    std::vector<size_t> columns;
    std::map<int, std::vector<std::string>> rowsByTemperature;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line == "\r") continue;
        const std::vector<std::string> fields = SplitFields(line);
        if (columns.empty()) {
            for (const char* name : kSourceColumns) {
                size_t i = 0;
                while (i < fields.size() && fields[i] != name) ++i;
                if (i == fields.size()) {
                    throw std::runtime_error(std::string("steam table: no column ") + name);
                }
                columns.push_back(i);
            }
            continue;
        }
        const double t = ParseNumber(fields.at(columns[0]));
        if (t == std::round(t)) rowsByTemperature[static_cast<int>(t)] = fields;
    }

    const std::vector<int> temperatures = SteamTableTemperatures();
    if (temperatures.size() != static_cast<size_t>(kSteamRows)) {
        throw std::logic_error("steam table: the row temperatures do not make 196 rows");
    }
    Table table(static_cast<int>(temperatures.size()) + 1, 8, Table::Format::kExact);
    table.SetLabels(0);
    for (size_t r = 0; r < temperatures.size(); ++r) {
        const auto found = rowsByTemperature.find(temperatures[r]);
        if (found == rowsByTemperature.end()) {
            throw std::runtime_error("steam table: no row for " + std::to_string(temperatures[r]) +
                                     " F");
        }
        for (size_t c = 0; c < columns.size(); ++c) {
            table.At(static_cast<int>(r) + 1, static_cast<int>(c) + 1) =
                ParseNumber(found->second.at(columns[c]));
        }
    }
    table.AddComment("Steam table: properties of water at saturation, 196 rows by temperature.");
    table.AddComment(
        "Column 1: temperature F; 2: saturation pressure psia; 3: specific volume of saturated "
        "vapour ft3/lb; 4: enthalpy of the condensed phase (ice below 32.018 F, liquid above) "
        "Btu/lb; 5: enthalpy of saturated vapour Btu/lb; 6: entropy of the condensed phase and 7: "
        "of saturated vapour, Btu/(lb R). Column 0 and row 0: labels; cell [0][0] 0.");
    table.AddComment(
        "Rows: -80..-45 F by 5 F, -40..135 F by 1 F (the design range), 140..195 F by 5 F.");
    table.AddComment(
        "Source: steam_table_IP.csv, computed with IAPWS-95 (liquid, vapour), IAPWS-06 (ice) and "
        "the IAPWS 2011 sublimation-pressure equation, the basis of ASHRAE Fundamentals' table "
        "of water at saturation since 2009; reference state saturated liquid at the triple "
        "point. Values copied unchanged.");
    return table;
}

}  // namespace refgen
