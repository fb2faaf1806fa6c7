#include "Tables.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <filesystem>

#include "ClfConstants.h"
#include "ClfTables.h"
#include "Cltd.h"
#include "Constants.h"
#include "Glass.h"
#include "ShadingCoefficients.h"
#include "SolAir.h"

namespace refgen {

namespace {

// Half away from zero.
double Whole(double value) { return std::round(value); }

std::string LatitudeText(int latitudeDeg) {
    if (latitudeDeg == 0) return "0 (equator)";
    return std::to_string(std::abs(latitudeDeg)) + (latitudeDeg > 0 ? " N" : " S");
}

const char* const kMonthRows = "Rows 1..12: months (the 21st day).";
const char* const kOrientationColumns =
    "Columns 1..8: N, NE, E, SE, S, SW, W, NW; column 9: horizontal.";

// printf into a string, for the header lines that quote the parameters.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

// U-value with three decimals, as the handbook lists it.
std::string UText(double u) { return Format("U = %.3f", u); }

std::string ClearSkyText() {
    return Format(
        "Clear sky: Threlkeld-Jordan constants (ASHRAE Fundamentals 1972-2001, I-P), clearness 1, "
        "ground reflectance %g.",
        kGroundReflectance);
}

std::string GlassText() {
    return Format(
        "Reference glass: double-strength sheet (Stephenson's polynomials), inward fraction of "
        "the absorbed radiation %g / (%g + %g).",
        kGlassInsideCoefficient, kGlassInsideCoefficient, kGlassOutsideCoefficient);
}

std::string DesignDayText() {
    return Format(
        "Basis: dark surface (alpha/h_o %.2f), %g N, July 21, outdoor maximum %g F, daily range "
        "%g F, room air %g F; horizontal surfaces less %g F long-wave.",
        kDarkAbsorptanceOverHo, kDesignLatitudeDeg, kOutdoorMaxF, kDailyRangeF, kRoomAirF,
        kHorizontalLongWaveF);
}

std::string CltdMethodText() {
    return Format(
        "Method: exact periodic conduction (transmission matrices, hourly sol-air joined "
        "linearly), room transfer function v0 %g, v1 %g, w1 %g (a calibration, see "
        "docs/reference-data.md), CLTD = cooling load / U rounded to whole F.",
        kRoomV0, kRoomV1, kRoomW1);
}

std::string LayerCodes(const Construction& construction) {
    std::string codes;
    for (const Layer& layer : construction.layers) {
        if (!codes.empty()) codes += ' ';
        codes += layer.code;
    }
    return codes;
}

void FillCltdRow(Table& table, int row, const PeriodicConduction& conduction, int orientation) {
    const HourlyProfile cltd = ExactCltd(conduction, orientation);
    for (int h = 1; h <= kHours; ++h) table.At(row, h) = Whole(cltd[h - 1]);
}

}  // namespace

std::string SourceFileName(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "qlex%02d.csv", number);
    return name;
}

Table LatitudeMonthTable(int latitudeDeg) {
    Table table(kMonths + 1, kOrientations + 1, Table::Format::kWhole);
    table.SetLabels(latitudeDeg);
    for (int month = 1; month <= kMonths; ++month) {
        for (int o = 0; o < kOrientations; ++o) {
            table.At(month, o + 1) = Whole(LatitudeMonthCorrection(latitudeDeg, month, o));
        }
    }
    table.AddComment("Latitude-month correction LM of wall and roof CLTD, F, latitude " +
                     LatitudeText(latitudeDeg) + ".");
    table.AddComment(kMonthRows);
    table.AddComment(kOrientationColumns);
    table.AddComment("Cell [0][0]: latitude in degrees, negative south.");
    table.AddComment(
        "Method: LM = 0.30 x (daily mean of the clear-sky irradiation on the surface at this "
        "latitude and month - the same at 40 N on July 21), the shift of the daily mean sol-air "
        "temperature of a dark surface; rounded to whole F.");
    table.AddComment(ClearSkyText());
    return table;
}

Table SunlitShgfTable(int latitudeDeg) {
    Table table(kMonths + 1, kOrientations + 1, Table::Format::kWhole);
    table.SetLabels(latitudeDeg);
    for (int month = 1; month <= kMonths; ++month) {
        for (int o = 0; o < kOrientations; ++o) {
            table.At(month, o + 1) = Whole(MaxShgf(latitudeDeg, month, o));
        }
    }
    table.AddComment("Maximum solar heat gain factors of sunlit glass, Btu/(h ft2), latitude " +
                     LatitudeText(latitudeDeg) + ".");
    table.AddComment(kMonthRows);
    table.AddComment(kOrientationColumns);
    table.AddComment("Cell [0][0]: latitude in degrees, negative south.");
    table.AddComment("Method: the largest of the hourly gains at solar hours 1..24, rounded.");
    table.AddComment(ClearSkyText());
    table.AddComment(GlassText());
    return table;
}

Table ShadedShgfTable(bool south) {
    const int sign = south ? -1 : 1;
    Table table(kMonths + 1, kOrientations + 1, Table::Format::kWhole);
    table.SetLabels(sign * kShadedBandMaxLatitude);
    for (int month = 1; month <= kMonths; ++month) {
        for (int o = 0; o < kOrientations; ++o) {
            double best = 0;
            for (int lat = 0; lat <= kShadedBandMaxLatitude; lat += kSunlitLatitudeStep) {
                best = std::max(best, MaxShgf(sign * lat, month, o, false));
            }
            table.At(month, o + 1) = Whole(best);
        }
    }
    table.AddComment(std::string("Maximum solar heat gain factors of shaded glass, Btu/(h ft2), ") +
                     (south ? "southern" : "northern") + " band 0..24 degrees.");
    table.AddComment(kMonthRows);
    table.AddComment(kOrientationColumns);
    table.AddComment("Cell [0][0]: the band's outer latitude in degrees, negative south.");
    table.AddComment(
        "Method: sky and ground-reflected radiation only (no beam); the largest hourly gain of "
        "solar hours 1..24, then the largest over the latitudes 0, 4, ..., 24 of the hemisphere; "
        "rounded.");
    table.AddComment(ClearSkyText());
    table.AddComment(GlassText());
    return table;
}

Table WallCltdTable(int group) {
    const Construction wall = WallGroup(group);
    const PeriodicConduction conduction(wall);
    Table table(kOrientations, kHours + 1, Table::Format::kWhole);
    table.SetLabels(group);
    for (int o = 0; o < kHorizontal; ++o) FillCltdRow(table, o + 1, conduction, o);
    const char letter = static_cast<char>('A' + group - 1);
    table.AddComment(std::string("Cooling load temperature differences of sunlit walls, group ") +
                     letter + ", F.");
    table.AddComment("Rows 1..8: N, NE, E, SE, S, SW, W, NW; columns 1..24: solar hours.");
    table.AddComment("Cell [0][0]: group number (1..7 for A..G).");
    table.AddComment("Representative construction, outside to inside (ASHRAE code layers): " +
                     LayerCodes(wall) + ", " + UText(wall.UIp()) + " Btu/(h ft2 F).");
    table.AddComment(DesignDayText());
    table.AddComment(CltdMethodText());
    return table;
}

Table RoofCltdTable(bool withCeiling) {
    Table table(static_cast<int>(kRoofLayers.size()) + 1, kHours + 1, Table::Format::kWhole);
    table.SetLabels(withCeiling ? 1 : 0);
    table.AddComment(std::string("Cooling load temperature differences of flat roofs ") +
                     (withCeiling ? "with" : "without") + " suspended ceiling, F.");
    table.AddComment("Rows 1..13: roof No 1..13; columns 1..24: solar hours.");
    table.AddComment("Cell [0][0]: 0 without suspended ceiling, 1 with.");
    table.AddComment("Constructions, outside to inside (ASHRAE code layers), U in Btu/(h ft2 F):");
    for (int number = 1; number <= static_cast<int>(kRoofLayers.size()); ++number) {
        const Construction roof = Roof(number, withCeiling);
        FillCltdRow(table, number, PeriodicConduction(roof), kHorizontal);
        table.AddComment("  No " + std::to_string(number) + ": " + LayerCodes(roof) + ", " +
                         UText(roof.UIp()));
    }
    table.AddComment(DesignDayText());
    table.AddComment(CltdMethodText());
    return table;
}

std::vector<ReferenceFile> ComputedFiles() {
    std::vector<ReferenceFile> files;
    files.push_back({1, GlassClfTable(false)});
    files.push_back({2, GlassClfTable(true)});
    for (size_t i = 0; i < kLightsHoursOn.size(); ++i) {
        files.push_back(
            {kLightsFirstFile + static_cast<int>(i), LightsClfTable(kLightsHoursOn[i])});
    }
    const int lmCount = kMaxLatitude / kLmLatitudeStep;
    files.push_back({8, LatitudeMonthTable(0)});
    for (int i = 1; i <= lmCount; ++i) {
        files.push_back({8 + i, LatitudeMonthTable(i * kLmLatitudeStep)});
    }
    for (int i = 1; i <= lmCount; ++i) {
        files.push_back({8 + lmCount + i, LatitudeMonthTable(-i * kLmLatitudeStep)});
    }
    for (int group = 1; group <= 7; ++group) files.push_back({25 + group, WallCltdTable(group)});
    files.push_back({33, RoofCltdTable(false)});
    files.push_back({34, RoofCltdTable(true)});
    files.push_back({35, InternalGainClfTable(InternalGain::kHoodedAppliances)});
    files.push_back({36, InternalGainClfTable(InternalGain::kUnhoodedAppliances)});
    files.push_back({37, InternalGainClfTable(InternalGain::kPeople)});
    files.push_back({38, ShadingCoefficientTable()});
    files.push_back({39, ShadedShgfTable(false)});
    files.push_back({40, ShadedShgfTable(true)});
    const int sunlitCount = kMaxLatitude / kSunlitLatitudeStep;
    files.push_back({41, SunlitShgfTable(0)});
    for (int i = 1; i <= sunlitCount; ++i) {
        files.push_back({41 + i, SunlitShgfTable(i * kSunlitLatitudeStep)});
    }
    for (int i = 1; i <= sunlitCount; ++i) {
        files.push_back({41 + sunlitCount + i, SunlitShgfTable(-i * kSunlitLatitudeStep)});
    }
    return files;
}

void WriteFiles(const std::vector<ReferenceFile>& files, const std::string& outDir) {
    std::filesystem::create_directories(outDir);
    for (const ReferenceFile& file : files) {
        const std::filesystem::path path =
            std::filesystem::path(outDir) / SourceFileName(file.number);
        WriteTextFile(path.string(), file.table.ToCsv());
    }
}

}  // namespace refgen
