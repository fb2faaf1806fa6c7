#pragma once

// Every parameter of the computed reference tables, with its source. "Method note" is
// METHOD-solar-conduction.md, the project's description of how the tables are computed; it
// restates the published constants named beside each value. Values marked ASSUMPTION are the
// project's own choices, documented in docs/reference-data.md.

#include <array>
#include <string_view>

namespace refgen {

inline constexpr int kHours = 24;
inline constexpr int kMonths = 12;

// Orientations in table order: N, NE, E, SE, S, SW, W, NW, then horizontal.
inline constexpr int kOrientations = 9;
inline constexpr int kHorizontal = 8;
// Compass azimuth of the outward normal of each vertical surface, degrees clockwise from north.
inline constexpr std::array<double, 8> kSurfaceAzimuthDeg = {0, 45, 90, 135, 180, 225, 270, 315};

// ---- Design days and clear sky -------------------------------------------------------------
// Solar declination on the 21st of each month, degrees. ASHRAE Handbook-Fundamentals
// (1972-2001 editions, I-P), clear-day solar data for the 21st; method note section 1.
inline constexpr std::array<double, kMonths> kDeclinationDeg = {
    -20.0, -10.8, 0.0, 11.6, 20.0, 23.45, 20.6, 12.3, 0.0, -10.5, -19.8, -23.45};

// Threlkeld and Jordan clear-sky constants, clearness number 1, as printed in ASHRAE
// Handbook-Fundamentals 1972-2001 (I-P); method note section 1.
// A: apparent solar irradiation at air mass zero, Btu/(h ft2).
inline constexpr std::array<double, kMonths> kClearSkyA = {390, 385, 376, 360, 350, 345,
                                                           344, 351, 365, 378, 387, 391};
// B: atmospheric extinction coefficient.
inline constexpr std::array<double, kMonths> kClearSkyB = {
    0.142, 0.144, 0.156, 0.180, 0.196, 0.205, 0.207, 0.201, 0.177, 0.160, 0.149, 0.142};
// C: diffuse radiation factor.
inline constexpr std::array<double, kMonths> kClearSkyC = {
    0.058, 0.060, 0.071, 0.097, 0.121, 0.134, 0.136, 0.122, 0.092, 0.073, 0.063, 0.057};

// Sky diffuse on vertical surfaces, ratio Y to the horizontal value (same ASHRAE editions):
// Y = 0.55 + 0.437 cos q + 0.313 cos^2 q for cos q > -0.2, else 0.45; method note section 1.
inline constexpr double kSkyRatioA = 0.55;
inline constexpr double kSkyRatioB = 0.437;
inline constexpr double kSkyRatioC = 0.313;
inline constexpr double kSkyRatioCosLimit = -0.2;
inline constexpr double kSkyRatioLow = 0.45;

// Ground reflectance, and the view factor of a vertical surface to the ground; method note
// section 1 (ground-reflected = 0.2 E_DN (C + sin b) / 2).
inline constexpr double kGroundReflectance = 0.2;
inline constexpr double kVerticalGroundViewFactor = 0.5;

// ---- Reference glass (double-strength sheet, DSA) ------------------------------------------
// Stephenson's polynomials in cos q, coefficients of cos^0 .. cos^5; method note section 2.
inline constexpr std::array<double, 6> kGlassTransmittance = {-0.00885, 2.71235, -0.62062,
                                                              -7.07329, 9.75995, -3.89922};
inline constexpr std::array<double, 6> kGlassAbsorptance = {0.01154, 0.77674,  -3.94657,
                                                            8.57881, -8.38135, 3.01188};
// Surface coefficients that split the absorbed radiation, Btu/(h ft2 F); method note section 2.
inline constexpr double kGlassInsideCoefficient = 1.46;
inline constexpr double kGlassOutsideCoefficient = 4.0;

// ---- Sol-air temperature and outdoor air (design day 40 N, July 21) -------------------------
// Outdoor air t_o(h) = max - range x p(h) / 100; method note section 3 (the 1989 CLTD basis:
// maximum 95 F, daily range 21 F).
inline constexpr double kOutdoorMaxF = 95.0;
inline constexpr double kDailyRangeF = 21.0;
inline constexpr std::array<double, kHours> kDailyRangePercent = {
    87, 92, 96, 99, 100, 98, 93, 84, 71, 56, 39, 23, 11, 3, 0, 3, 10, 21, 34, 47, 58, 68, 76, 82};
// alpha / h_o for a dark surface, F ft2 h / Btu; method note section 3.
inline constexpr double kDarkAbsorptanceOverHo = 0.30;
// Long-wave correction of horizontal surfaces (vertical 0), F; method note section 3.
inline constexpr double kHorizontalLongWaveF = 7.0;
// Room air, constant, F; method note section 3.
inline constexpr double kRoomAirF = 78.0;
// The design day of the CLTD tables and of the LM reference; method note sections 4 and 5.
inline constexpr double kDesignLatitudeDeg = 40.0;
inline constexpr int kDesignMonth = 7;

// ---- Room transfer function ----------------------------------------------------------------
// Q(t) = v0 q(t) + v1 q(t-1) - w1 Q(t-1). ASSUMPTION (calibration, method note section 4):
// chosen so that roof No 1 without a suspended ceiling peaks at about 79-80 F at 14:00 as the
// 1989 table does; v0 + v1 = 1 + w1 keeps the daily mean. Not a sourced constant.
inline constexpr double kRoomV0 = 0.74;
inline constexpr double kRoomV1 = -0.61;
inline constexpr double kRoomW1 = -0.87;

// ---- Units ---------------------------------------------------------------------------------
// 1 Btu/(h ft2 F) = 5.678263 W/(m2 K) (ASHRAE Handbook-Fundamentals, SI conversion factors).
inline constexpr double kWattPerM2KPerIp = 5.678263;

// ---- Constructions, outside to inside (codes of LayerTable.cpp) ---------------------------
// ASSUMPTION: one representative construction per wall group; method note section 4.
inline constexpr std::array<std::string_view, 7> kWallGroupLayers = {
    "A0 A1 B3 C10 E1 E0",  // A
    "A0 A2 C9 E1 E0",      // B
    "A0 A1 C10 E1 E0",     // C
    "A0 A2 C4 E1 E0",      // D
    "A0 A1 C5 E1 E0",      // E
    "A0 A1 C2 B1 E1 E0",   // F
    "A0 A1 B1 B3 E1 E0",   // G
};
// Roofs No 1..13 without suspended ceiling; method note section 4. The lightweight-concrete
// decks (No 3, 6, 8) carry no insulation board: with B5 their U-values would miss the listed
// ones by 0.03 to 0.05, without it they match within 0.002.
inline constexpr std::array<std::string_view, 13> kRoofLayers = {
    "A0 E2 E3 B5 A3 E0",      // 1 steel deck, 1-in insulation
    "A0 E2 E3 B5 B7 E0",      // 2 1-in wood, 1-in insulation
    "A0 E2 E3 C14 E0",        // 3 4-in lightweight concrete
    "A0 E2 E3 B5 C12 E0",     // 4 2-in heavyweight concrete, 1-in insulation
    "A0 E2 E3 B6 B7 E0",      // 5 1-in wood, 2-in insulation
    "A0 E2 E3 C15 E0",        // 6 6-in lightweight concrete
    "A0 E2 E3 B5 B8 E0",      // 7 2.5-in wood, 1-in insulation
    "A0 E2 E3 C16 E0",        // 8 8-in lightweight concrete
    "A0 E2 E3 B5 C5 E0",      // 9 4-in heavyweight concrete, 1-in insulation
    "A0 E2 E3 B6 B8 E0",      // 10 2.5-in wood, 2-in insulation
    "A0 C12 B1 B6 E3 C5 E0",  // 11 roof terrace system
    "A0 E2 E3 B5 C13 E0",     // 12 6-in heavyweight concrete, 1-in insulation
    "A0 E2 E3 B5 B9 E0",      // 13 4-in wood, 1-in insulation
};
// A suspended ceiling adds these layers just before the inside film E0; method note section 4.
inline constexpr std::string_view kSuspendedCeilingLayers = "E4 E5";
// U-values of roofs No 1..13 without ceiling as listed in the published table captions,
// Btu/(h ft2 F); method note section 4.
inline constexpr std::array<double, 13> kRoofListedU = {
    0.213, 0.170, 0.213, 0.206, 0.109, 0.158, 0.130, 0.126, 0.200, 0.093, 0.106, 0.192, 0.106};

// ---- Latitudes of the tables, degrees ------------------------------------------------------
// Sunlit SHGF every 4 degrees to 64, LM every 8 degrees to 64, shaded band 0..24; method note
// sections 2 and 5.
inline constexpr int kSunlitLatitudeStep = 4;
inline constexpr int kLmLatitudeStep = 8;
inline constexpr int kMaxLatitude = 64;
inline constexpr int kShadedBandMaxLatitude = 24;

// ---- Steam table ---------------------------------------------------------------------------
// ASSUMPTION: the 196 rows are -80..-45 F by 5 F, -40..135 F by 1 F (the design range and
// more), 140..195 F by 5 F; method note section 6 asks for -80 F to at least 180 F with 1 F
// steps over at least -40..130 F.
inline constexpr int kSteamRows = 196;
inline constexpr int kSteamFineFirstF = -40;
inline constexpr int kSteamFineLastF = 135;
inline constexpr int kSteamCoarseStepF = 5;
inline constexpr int kSteamFirstF = -80;
inline constexpr int kSteamLastF = 195;

}  // namespace refgen
