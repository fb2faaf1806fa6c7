#include "units/Units.h"

#include <cmath>

double FahrenheitToCelsius(double t) { return (t - 32.0) * 0.5555555555555556; }
double CelsiusToFahrenheit(double t) { return t * 1.8 + 32.0; }
double FeetToMeters(double x) { return x * 0.30478512648582745; }
double UValueToMetric(double u) { return u * kUValueFactor; }
double AreaToMetric(double a) { return a * 0.0929022668153103; }

double TempDiffToMetric(double d) { return d * 0.5555555555555556; }
double TempDiffToEnglish(double d) { return d * kTempDiffFactor; }

double RoundDown(double x, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::floor(x * scale) / scale;
}
