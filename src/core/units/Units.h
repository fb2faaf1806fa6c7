#pragma once

// Conversions between the English units the project is stored in and metric units. The
// slightly different factors for the same quantity are deliberate: each belongs to the dialog
// or report that has always used it, and stored projects were entered through them.

// A project's input or output unit system. The project stores it as a code: 0 English,
// 1 Metric; any other code (a damaged or hand-edited file) is no unit system, which shows no
// values rather than guessing.
enum class UnitSystem { kEnglish, kMetric, kNone };
inline constexpr int kEnglishUnitsCode = 0;
inline constexpr int kMetricUnitsCode = 1;
inline constexpr UnitSystem UnitSystemOfCode(int code) {
    return code == kEnglishUnitsCode  ? UnitSystem::kEnglish
           : code == kMetricUnitsCode ? UnitSystem::kMetric
                                      : UnitSystem::kNone;
}

double FahrenheitToCelsius(double t);
double CelsiusToFahrenheit(double t);
double FeetToMeters(double x);
double UValueToMetric(double u);  // Btu/(h.sq ft.F) to W/(sq m.C)
double AreaToMetric(double a);    // sq ft to sq m, for the project input data report

// Temperature differences: F degrees to C degrees to show, C to F degrees to store.
double TempDiffToMetric(double d);
double TempDiffToEnglish(double d);

// floor(x * 10^n) / 10^n: cuts toward minus infinity, not to nearest.
double RoundDown(double x, int decimals);

// Factors applied by dividing to show and multiplying to store, unless said otherwise.
inline constexpr double kTempDiffFactor = 1.8;
inline constexpr double kSqFtPerSqM = 10.764;              // walls/roof and floor/ceiling dialogs
inline constexpr double kSqFtPerSqMGlassBlock = 10.765;    // glass blocks dialog, area views
inline constexpr double kFtPerM = 3.281;                   // window pages, slab perimeter
inline constexpr double kCuFtPerCuM = 35.314;              // building volume in the wizard
inline constexpr double kCuFtToCuM = 0.02831738120858583;  // report (multiply)
inline constexpr double kUValueFactor = 5.68;
inline constexpr double kSlabEdgeToMetric = 0.961286;    // multiply to show
inline constexpr double kBtuhPerW = 3.4127;              // appliance ratings, heating report
inline constexpr double kBtuhToW = 0.29302311952413046;  // report (multiply)
inline constexpr double kCfmPerLps = 2.1186;             // ventilation air
inline constexpr double kKwPerTon = 3.52;                // cooling loads in kW
