#include "Layers.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "Constants.h"

namespace refgen {

namespace {

// 1997 ASHRAE Handbook-Fundamentals (SI), chapter 28, table 11 "Thermal Properties and Code
// Numbers of Layers Used in Wall and Roof Descriptions", as printed (transcription
// layer_properties_si.csv). Columns: code, description, L mm, k W/(m K), density kg/m3,
// specific heat kJ/(kg K), R m2 K/W.
constexpr Layer kLayers[] = {
    {"A0", "Outside surface resistance", 0, 0.000, 0, 0.00, 0.059},
    {"A1", "25 mm Stucco", 25, 0.692, 1858, 0.84, 0.037},
    {"A2", "100 mm Face brick", 100, 1.333, 2002, 0.92, 0.076},
    {"A3", "Steel siding", 2, 44.998, 7689, 0.42, 0.000},
    {"A4", "12 mm Slag", 13, 0.190, 1121, 1.67, 0.067},
    {"A5", "Outside surface resistance", 0, 0.000, 0, 0.00, 0.059},
    {"A6", "Finish", 13, 0.415, 1249, 1.09, 0.031},
    {"A7", "100 mm Face brick", 100, 1.333, 2002, 0.92, 0.076},
    {"B1", "Air space resistance", 0, 0.000, 0, 0.00, 0.160},
    {"B2", "25 mm Insulation", 25, 0.043, 32, 0.84, 0.587},
    {"B3", "50 mm Insulation", 51, 0.043, 32, 0.84, 1.173},
    {"B4", "75 mm Insulation", 76, 0.043, 32, 0.84, 1.760},
    {"B5", "25 mm Insulation", 25, 0.043, 91, 0.84, 0.587},
    {"B6", "50 mm Insulation", 51, 0.043, 91, 0.84, 1.173},
    {"B7", "25 mm Wood", 25, 0.121, 593, 2.51, 0.207},
    {"B8", "65 mm Wood", 63, 0.121, 593, 2.51, 0.524},
    {"B9", "100 mm Wood", 100, 0.121, 593, 2.51, 0.837},
    {"B10", "50 mm Wood", 51, 0.121, 593, 2.51, 0.420},
    {"B11", "75 mm Wood", 76, 0.121, 593, 2.51, 0.628},
    {"B12", "75 mm Insulation", 76, 0.043, 91, 0.84, 1.760},
    {"B13", "100 mm Insulation", 100, 0.043, 91, 0.84, 2.347},
    {"B14", "125 mm Insulation", 125, 0.043, 91, 0.84, 2.933},
    {"B15", "150 mm Insulation", 150, 0.043, 91, 0.84, 3.520},
    {"B16", "4 mm Insulation", 4, 0.043, 91, 0.84, 0.088},
    {"B17", "8 mm Insulation", 8, 0.043, 91, 0.84, 0.176},
    {"B18", "12 mm Insulation", 12, 0.043, 91, 0.84, 0.264},
    {"B19", "15 mm Insulation", 15, 0.043, 91, 0.84, 0.352},
    {"B20", "20 mm Insulation", 20, 0.043, 91, 0.84, 0.440},
    {"B21", "35 mm Insulation", 35, 0.043, 91, 0.84, 0.792},
    {"B22", "42 mm Insulation", 42, 0.043, 91, 0.84, 0.968},
    {"B23", "60 mm Insulation", 62, 0.043, 91, 0.84, 1.408},
    {"B24", "70 mm Insulation", 70, 0.043, 91, 0.84, 1.584},
    {"B25", "85 mm Insulation", 85, 0.043, 91, 0.84, 1.936},
    {"B26", "92 mm Insulation", 92, 0.043, 91, 0.84, 2.112},
    {"B27", "115 mm Insulation", 115, 0.043, 91, 0.84, 2.640},
    {"C1", "100 mm Clay tile", 100, 0.571, 1121, 0.84, 0.178},
    {"C2", "100 mm low density concrete block", 100, 0.381, 609, 0.84, 0.266},
    {"C3", "100 mm high density concrete block", 100, 0.813, 977, 0.84, 0.125},
    {"C4", "100 mm Common brick", 100, 0.727, 1922, 0.84, 0.140},
    {"C5", "100 mm high density concrete", 100, 1.731, 2243, 0.84, 0.059},
    {"C6", "200 mm Clay tile", 200, 0.571, 1121, 0.84, 0.352},
    {"C7", "200 mm low density concrete block", 200, 0.571, 609, 0.84, 0.352},
    {"C8", "200 mm high density concrete block", 200, 1.038, 977, 0.84, 0.196},
    {"C9", "200 mm Common brick", 200, 0.727, 1922, 0.84, 0.279},
    {"C10", "200 mm high density concrete", 200, 1.731, 2243, 0.84, 0.117},
    {"C11", "300 mm high density concrete", 300, 1.731, 2243, 0.84, 0.176},
    {"C12", "50 mm high density concrete", 50, 1.731, 2243, 0.84, 0.029},
    {"C13", "150 mm high density concrete", 150, 1.731, 2243, 0.84, 0.088},
    {"C14", "100 mm low density concrete", 100, 0.173, 641, 0.84, 0.587},
    {"C15", "150 mm low density concrete", 150, 0.173, 641, 0.84, 0.880},
    {"C16", "200 mm low density concrete", 200, 0.173, 641, 0.84, 1.173},
    {"C17", "200 mm low density concrete block (filled)", 200, 0.138, 288, 0.84, 1.467},
    {"C18", "200 mm high density concrete block (filled)", 200, 0.588, 849, 0.84, 0.345},
    {"C19", "300 mm low density concrete block (filled)", 300, 0.138, 304, 0.84, 2.200},
    {"C20", "300 mm high density concrete block (filled)", 300, 0.675, 897, 0.84, 0.451},
    {"E0", "Inside surface resistance", 0, 0.000, 0, 0.00, 0.121},
    {"E1", "20 mm Plaster or gypsum", 20, 0.727, 1602, 0.84, 0.026},
    {"E2", "12 mm Slag or stone", 12, 1.436, 881, 1.67, 0.009},
    {"E3", "10 mm Felt and membrane", 10, 0.190, 1121, 1.67, 0.050},
    {"E4", "Ceiling air space", 0, 0.000, 0, 0.00, 0.176},
    {"E5", "Acoustic tile", 19, 0.061, 481, 0.84, 0.314},
};

}  // namespace

double Layer::Conductivity() const {
    return resistance > 0 ? Thickness() / resistance : printedConductivity;
}

double Layer::Resistance() const { return IsMassive() ? Thickness() / Conductivity() : resistance; }

std::span<const Layer> LayerTable() { return kLayers; }

const Layer& FindLayer(std::string_view code) {
    for (const Layer& layer : kLayers) {
        if (layer.code == code) return layer;
    }
    throw std::invalid_argument("unknown layer code " + std::string(code));
}

double Construction::Resistance() const {
    double sum = 0;
    for (const Layer& layer : layers) sum += layer.Resistance();
    return sum;
}

double Construction::UIp() const { return USi() / kWattPerM2KPerIp; }

Construction ParseConstruction(std::string_view codes) {
    Construction construction;
    size_t pos = 0;
    while (pos < codes.size()) {
        const size_t start = codes.find_first_not_of(' ', pos);
        if (start == std::string_view::npos) break;
        const size_t end = std::min(codes.find(' ', start), codes.size());
        construction.layers.push_back(FindLayer(codes.substr(start, end - start)));
        pos = end;
    }
    return construction;
}

Construction WallGroup(int group) {
    return ParseConstruction(kWallGroupLayers.at(static_cast<size_t>(group - 1)));
}

Construction Roof(int number, bool withCeiling) {
    Construction roof = ParseConstruction(kRoofLayers.at(static_cast<size_t>(number - 1)));
    if (withCeiling) {
        const Construction ceiling = ParseConstruction(kSuspendedCeilingLayers);
        roof.layers.insert(roof.layers.end() - 1, ceiling.layers.begin(), ceiling.layers.end());
    }
    return roof;
}

}  // namespace refgen
