#pragma once

// The code layers of wall and roof descriptions, and constructions built from them.

#include <span>
#include <string_view>
#include <vector>

namespace refgen {

// One row of the layer table, in the printed SI units.
struct Layer {
    std::string_view code;
    std::string_view description;
    double thicknessMm;
    double printedConductivity;  // W/(m K)
    double density;              // kg/m3
    double specificHeatKj;       // kJ/(kg K)
    double resistance;           // m2 K/W

    // Films and air spaces have no thickness and are pure resistances.
    bool IsMassive() const { return thicknessMm > 0; }
    double Thickness() const { return thicknessMm / 1000.0; }
    // Taken from the printed resistance so that the U-value is the handbook's; a layer whose
    // printed resistance rounds to zero (steel) keeps its printed conductivity.
    double Conductivity() const;
    double HeatCapacity() const { return density * specificHeatKj * 1000.0; }  // J/(m3 K)
    double Diffusivity() const { return Conductivity() / HeatCapacity(); }     // m2/s
    // The resistance used in the computation, consistent with Conductivity().
    double Resistance() const;
};

std::span<const Layer> LayerTable();
// Throws std::invalid_argument for an unknown code.
const Layer& FindLayer(std::string_view code);

// Layers outside to inside, the outside film first and the inside film last.
struct Construction {
    std::vector<Layer> layers;

    double Resistance() const;                         // m2 K/W
    double USi() const { return 1.0 / Resistance(); }  // W/(m2 K)
    double UIp() const;                                // Btu/(h ft2 F)
};

// "A0 E2 E3 B5 A3 E0" -> the construction of those layers.
Construction ParseConstruction(std::string_view codes);
Construction WallGroup(int group);                // 1..7 for A..G
Construction Roof(int number, bool withCeiling);  // number 1..13

}  // namespace refgen
