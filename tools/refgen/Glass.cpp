#include "Glass.h"

#include <algorithm>
#include <array>

#include "Constants.h"

namespace refgen {

namespace {

double Polynomial(const std::array<double, 6>& coefficients, double x) {
    double sum = 0;
    for (auto it = coefficients.rbegin(); it != coefficients.rend(); ++it) sum = sum * x + *it;
    return sum;
}

// Hemispherical (diffuse) average: 2 * integral of f(mu) mu dmu over 0..1.
double DiffuseAverage(const std::array<double, 6>& coefficients) {
    double sum = 0;
    for (size_t j = 0; j < coefficients.size(); ++j) sum += coefficients[j] / (j + 2.0);
    return 2.0 * sum;
}

}  // namespace

double HourlyShgf(const SurfaceIrradiance& irradiance, bool includeDirect) {
    static const double kTauDiffuse = DiffuseAverage(kGlassTransmittance);
    static const double kAlphaDiffuse = DiffuseAverage(kGlassAbsorptance);
    constexpr double kInwardFraction =
        kGlassInsideCoefficient / (kGlassInsideCoefficient + kGlassOutsideCoefficient);

    const double diffuse = irradiance.Diffuse();
    double gain = (kTauDiffuse + kInwardFraction * kAlphaDiffuse) * diffuse;
    if (includeDirect && irradiance.direct > 0) {
        const double cosq = irradiance.cosIncidence;
        gain += (Polynomial(kGlassTransmittance, cosq) +
                 kInwardFraction * Polynomial(kGlassAbsorptance, cosq)) *
                irradiance.direct;
    }
    return gain;
}

double MaxShgf(double latitudeDeg, int month, int orientation, bool includeDirect) {
    double best = 0;
    for (int hour = 1; hour <= kHours; ++hour) {
        const SurfaceIrradiance irradiance =
            ClearSkyIrradiance(latitudeDeg, month, hour, orientation);
        best = std::max(best, HourlyShgf(irradiance, includeDirect));
    }
    return best;
}

}  // namespace refgen
