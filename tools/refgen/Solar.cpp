#include "Solar.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Constants.h"

namespace refgen {

namespace {

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Unit vector toward the sun in (east, north, up) coordinates.
struct SunVector {
    double east, north, up;
};

SunVector SunDirection(double latitudeDeg, int month, int hour) {
    const double lat = Radians(latitudeDeg);
    const double dec = Radians(kDeclinationDeg[static_cast<size_t>(month - 1)]);
    const double hourAngle = Radians(15.0 * (hour - 12));
    return {-std::cos(dec) * std::sin(hourAngle),
            std::sin(dec) * std::cos(lat) - std::cos(dec) * std::sin(lat) * std::cos(hourAngle),
            std::cos(lat) * std::cos(dec) * std::cos(hourAngle) + std::sin(lat) * std::sin(dec)};
}

}  // namespace

SurfaceIrradiance ClearSkyIrradiance(double latitudeDeg, int month, int hour, int orientation) {
    SurfaceIrradiance result;
    const SunVector sun = SunDirection(latitudeDeg, month, hour);
    const double sinAltitude = sun.up;
    if (orientation == kHorizontal) {
        result.cosIncidence = sinAltitude;
    } else {
        const double azimuth = Radians(kSurfaceAzimuthDeg[static_cast<size_t>(orientation)]);
        result.cosIncidence = sun.east * std::sin(azimuth) + sun.north * std::cos(azimuth);
    }
    if (sinAltitude <= 0) return result;

    const size_t m = static_cast<size_t>(month - 1);
    const double directNormal = kClearSkyA[m] * std::exp(-kClearSkyB[m] / sinAltitude);
    const double c = kClearSkyC[m];
    result.direct = directNormal * std::max(result.cosIncidence, 0.0);
    if (orientation == kHorizontal) {
        result.sky = c * directNormal;
    } else {
        const double cosq = result.cosIncidence;
        const double ratio = cosq > kSkyRatioCosLimit
                                 ? kSkyRatioA + kSkyRatioB * cosq + kSkyRatioC * cosq * cosq
                                 : kSkyRatioLow;
        result.sky = c * ratio * directNormal;
        result.ground =
            kGroundReflectance * kVerticalGroundViewFactor * directNormal * (c + sinAltitude);
    }
    return result;
}

double DailyMeanIrradiance(double latitudeDeg, int month, int orientation) {
    double sum = 0;
    for (int hour = 1; hour <= kHours; ++hour) {
        sum += ClearSkyIrradiance(latitudeDeg, month, hour, orientation).Total();
    }
    return sum / kHours;
}

}  // namespace refgen
