#pragma once

// Every parameter of the shading-coefficient table (qlex38), with its source. "Method note" is
// METHOD-room-glazing.md section 5, the project's description of how the table is computed.
// Tags: S sourced (a published constant), F fitted to the published fragments in
// data/reference/fragments (re-derived by `thermavo-refgen fit`), A assumed (the project's
// choice, documented in docs/reference-data.md with its effect).

#include <array>
#include <optional>
#include <string_view>

namespace refgen {

// ---- Glass ---------------------------------------------------------------------------------
enum class GlassFamily { kClear, kHeatAbsorbing, kGrey };
inline constexpr int kGlassFamilies = 3;

struct Pane {
    GlassFamily family;
    double thicknessIn;
};

// Outer pane first. The reflective film, if any, is bonded to the outer pane's room-side face.
struct Glazing {
    Pane outer;
    std::optional<Pane> inner;
    bool reflectiveFilm = false;
};

// S: SC = SHGC / 0.87, the normal-incidence SHGC of the 1/8-in clear reference glass.
inline constexpr double kScReferenceShgc = 0.87;
// S: refractive index of soda-lime window glass for sunlight.
inline constexpr double kGlassRefractiveIndex = 1.526;
// S: glass of the anchor keys in glass_anchors.csv ("6mm GRY+6mm CLR"): CLR clear, GRN green,
// the heat-absorbing family of the method note, GRY grey.
inline constexpr std::array<std::string_view, kGlassFamilies> kAnchorFamilyCodes = {"CLR", "GRN",
                                                                                    "GRY"};
// F: extinction coefficient per inch, clear / heat-absorbing / grey, least squares to the
// normal-incidence SHGC of 3 and 6 mm glass of the family (glass_anchors.csv, 'cal' rows).
inline constexpr std::array<double, kGlassFamilies> kExtinctionPerIn = {0.76, 2.99, 3.075};
// A: reflective film of glass type AA, solar transmittance and reflectance (the same from
// either side), on the room side of the grey pane, inside the sealed unit.
inline constexpr double kFilmTransmittance = 0.35;
inline constexpr double kFilmReflectance = 0.30;

// S: outside and inside surface coefficients, W/(m2 K) (4.0 and 1.46 Btu/(h ft2 F)).
inline constexpr double kOutsideFilm = 22.7;
inline constexpr double kInsideFilm = 8.29;
// F: conductance of the air space between two panes, W/(m2 K), solved so that the double
// glazing has the U-value below.
inline constexpr double kGapCoefficient = 8.1;
// Target of kGapCoefficient: the double-glazing U-value of the method note, Btu/(h ft2 F).
inline constexpr double kDoubleGlazingUIp = 0.61;
// S: 1 Btu/(h ft2 F) in W/(m2 K).
inline constexpr double kWattPerM2KPerBtu = 5.678263;
inline constexpr double kMmPerIn = 25.4;

// Glass types A..AA in the order of the wizard's glass page: family and thickness as each
// caption names them (S). A: a caption naming two thicknesses takes about their middle (A and
// W regular sheet 3/32 to 1/8 in., F 1/8 to 9/32 in., V 3/16 to 1/4 in.); pattern glass is
// the plain glass of its family.
inline constexpr double kSheetRangeIn = 0.11;
inline constexpr std::array<Glazing, 27> kGlassTypes = {{
    {{GlassFamily::kClear, kSheetRangeIn}, std::nullopt},     // A regular sheet
    {{GlassFamily::kClear, 0.25}, std::nullopt},              // B regular sheet
    {{GlassFamily::kClear, 0.25}, std::nullopt},              // C regular plate
    {{GlassFamily::kClear, 0.375}, std::nullopt},             // D regular plate
    {{GlassFamily::kClear, 0.5}, std::nullopt},               // E regular plate
    {{GlassFamily::kClear, 0.2}, std::nullopt},               // F regular pattern 1/8-9/32
    {{GlassFamily::kHeatAbsorbing, 0.125}, std::nullopt},     // G heat-absorbing pattern
    {{GlassFamily::kHeatAbsorbing, 0.375}, std::nullopt},     // H heat-absorbing pattern
    {{GlassFamily::kHeatAbsorbing, 0.5}, std::nullopt},       // I heat-absorbing pattern
    {{GlassFamily::kHeatAbsorbing, 7.0 / 32}, std::nullopt},  // J heat-absorbing sheet
    {{GlassFamily::kHeatAbsorbing, 0.25}, std::nullopt},      // K heat-absorbing plate
    {{GlassFamily::kHeatAbsorbing, 0.375}, std::nullopt},     // L heat-absorbing plate
    {{GlassFamily::kHeatAbsorbing, 0.5}, std::nullopt},       // M heat-absorbing plate
    {{GlassFamily::kGrey, 0.125}, std::nullopt},              // N grey sheet
    {{GlassFamily::kGrey, 3.0 / 16}, std::nullopt},           // O grey sheet
    {{GlassFamily::kGrey, 7.0 / 32}, std::nullopt},           // P grey sheet
    {{GlassFamily::kGrey, 0.25}, std::nullopt},               // Q grey sheet
    {{GlassFamily::kGrey, 13.0 / 64}, std::nullopt},          // R grey plate
    {{GlassFamily::kGrey, 0.25}, std::nullopt},               // S grey plate
    {{GlassFamily::kGrey, 0.375}, std::nullopt},              // T grey plate
    {{GlassFamily::kGrey, 0.5}, std::nullopt},                // U grey plate
    {{GlassFamily::kHeatAbsorbing, 0.22}, std::nullopt},      // V heat-absorbing pattern
    {{GlassFamily::kClear, kSheetRangeIn}, Pane{GlassFamily::kClear, kSheetRangeIn}},  // W
    {{GlassFamily::kClear, 0.25}, Pane{GlassFamily::kClear, 0.25}},                    // X
    {{GlassFamily::kHeatAbsorbing, 0.25}, Pane{GlassFamily::kClear, 0.25}},            // Y
    {{GlassFamily::kGrey, 0.25}, Pane{GlassFamily::kClear, 0.25}},                     // Z
    {{GlassFamily::kGrey, 0.25}, Pane{GlassFamily::kClear, 0.25}, true},               // AA
}};
inline constexpr std::array<std::string_view, 27> kGlassLetters = {
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N",
    "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", "AA"};
// A: the shaded part is normalised by the diffuse SHGC of this glass, as the sunlit part is by
// the normal-incidence SHGC of the same glass, so bare clear glass has SC near 1 in both.
inline constexpr Pane kReferencePane = {GlassFamily::kClear, 0.125};

// ---- Interior shading devices, in the order of the wizard's shading page --------------------
inline constexpr int kShadingDevices = 14;
inline constexpr int kNoShading = 0;
inline constexpr int kBlindMedium = 1, kBlindLight = 2, kRollerDark = 3, kRollerLight = 4;
inline constexpr int kFirstDrapery = 5;  // then dark, medium, light yarn x open, semi, closed

// S: the handbook's SC of single glass with venetian blinds (medium, light) and roller shades
// (dark, light), against the bare-glass SC; piecewise linear between, held above the first,
// proportional below the last.
inline constexpr std::array<double, 4> kBlindAnchorBareSc = {1.00, 0.95, 0.70, 0.50};
inline constexpr std::array<std::array<double, 4>, 4> kBlindAnchorSc = {{
    {0.64, 0.64, 0.57, 0.54},  // venetian blind, medium
    {0.55, 0.55, 0.53, 0.52},  // venetian blind, light
    {0.59, 0.59, 0.40, 0.40},  // roller shade, dark
    {0.25, 0.25, 0.30, 0.28},  // roller shade, light
}};
// S: the same for double glazing of clear glass (bare SC 0.90 and 0.83 share these values).
inline constexpr std::array<double, 2> kDoubleAnchorBareSc = {0.90, 0.83};
inline constexpr std::array<double, 4> kDoubleAnchorSc = {0.57, 0.51, 0.60, 0.25};
// A: absorbing double glazing scales the clear-double values by its bare SC over the mean bare
// SC of the two anchors (0.865).
inline constexpr double kDoubleAnchorMeanBareSc =
    (kDoubleAnchorBareSc[0] + kDoubleAnchorBareSc[1]) / 2;
// S: the handbook's reflective-glass row for blinds, linear in the bare SC through two points.
inline constexpr std::array<double, 2> kReflectiveBareSc = {0.20, 0.40};
inline constexpr std::array<double, 2> kReflectiveBlindSc = {0.20, 0.33};

// A: drapery fabric = openness A0 + yarn: tau = A0 + (1 - A0) tau_yarn, rho = (1 - A0) rho_yarn.
// Openness of open, semi-open, closed weaves, and (rho, tau) of dark, medium and light yarn
// (class representatives).
inline constexpr std::array<double, 3> kDraperyOpenness = {0.35, 0.15, 0.03};
inline constexpr std::array<double, 3> kYarnReflectance = {0.15, 0.38, 0.65};
inline constexpr std::array<double, 3> kYarnTransmittance = {0.02, 0.10, 0.20};

// A: the glass columns of the fabric catalogue (fabric_sc.csv): 1/8-in clear, 1/4-in clear,
// 1/4-in heat-absorbing (the three fitted), then 1/2-in insulating clear as 1/8 + 1/8, 1-in
// insulating clear as 1/4 + 1/4 and 1-in insulating heat-absorbing as 1/4 + 1/4 clear (checks).
inline constexpr int kCatalogueFittedColumns = 3;
inline constexpr std::array<Glazing, 6> kCatalogueGlazings = {{
    {{GlassFamily::kClear, 0.125}, std::nullopt},
    {{GlassFamily::kClear, 0.25}, std::nullopt},
    {{GlassFamily::kHeatAbsorbing, 0.25}, std::nullopt},
    {{GlassFamily::kClear, 0.125}, Pane{GlassFamily::kClear, 0.125}},
    {{GlassFamily::kClear, 0.25}, Pane{GlassFamily::kClear, 0.25}},
    {{GlassFamily::kHeatAbsorbing, 0.25}, Pane{GlassFamily::kClear, 0.25}},
}};

// F: heat network of glass with a fabric at its room side, W/(m2 K): radiation between the
// innermost pane and the fabric, convection from that pane to the vented gap (room air), and
// from the fabric (both faces) to the room. Least squares to 12 catalogue fabrics on three
// single glasses (fabric_sc.csv), rounded to 0.5. On any glazing the SHGC depends only on
// paneToGap + paneToFabric fabricToRoom / (paneToFabric + fabricToRoom) and paneToFabric /
// (paneToFabric + fabricToRoom), so the fit holds fabric-to-room at the method note's value
// and re-derives the other two.
inline constexpr double kPaneToFabric = 5.0;
inline constexpr double kPaneToGap = 2.5;
inline constexpr double kFabricToRoom = 12.0;

}  // namespace refgen
