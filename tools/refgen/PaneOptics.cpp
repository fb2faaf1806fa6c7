#include "PaneOptics.h"

#include <cmath>
#include <numbers>

#include "ShadingConstants.h"

namespace refgen {

namespace {

// Slab of one polarisation with face reflectance r and single-pass transmittance a: the
// geometric series of the internal reflections.
PaneOptics Slab(double r, double a) {
    const double series = 1.0 / (1.0 - r * r * a * a);
    const double through = (1.0 - r) * (1.0 - r);
    return {through * a * series, r + through * r * a * a * series};
}

// Simpson intervals over 0..90 degrees; the integrand is smooth, so this is within 1e-8.
constexpr int kDiffuseIntervals = 360;

}  // namespace

PaneOptics BeamPaneOptics(double extinctionPerIn, double thicknessIn, double incidenceRad) {
    const double n = kGlassRefractiveIndex;
    const double cosOut = std::cos(incidenceRad);
    const double sinIn = std::sin(incidenceRad) / n;
    const double cosIn = std::sqrt(1.0 - sinIn * sinIn);
    const double rs = std::pow((cosOut - n * cosIn) / (cosOut + n * cosIn), 2);
    const double rp = std::pow((n * cosOut - cosIn) / (n * cosOut + cosIn), 2);
    // The path inside grows as the refracted ray tilts.
    const double a = std::exp(-extinctionPerIn * thicknessIn / cosIn);
    const PaneOptics s = Slab(rs, a);
    const PaneOptics p = Slab(rp, a);
    return {(s.transmittance + p.transmittance) / 2, (s.reflectance + p.reflectance) / 2};
}

PaneOptics DiffusePaneOptics(double extinctionPerIn, double thicknessIn) {
    const double step = std::numbers::pi / 2 / kDiffuseIntervals;
    PaneOptics sum = {0, 0};
    // The end at 90 degrees has weight 0 (and a slab of mirror faces there), so it is left out.
    for (int i = 0; i < kDiffuseIntervals; ++i) {
        const double q = i * step;
        const double simpson = (i == 0) ? 1 : (i % 2 == 1 ? 4 : 2);
        const double weight = simpson * 2 * std::cos(q) * std::sin(q);
        const PaneOptics beam = BeamPaneOptics(extinctionPerIn, thicknessIn, q);
        sum.transmittance += weight * beam.transmittance;
        sum.reflectance += weight * beam.reflectance;
    }
    return {sum.transmittance * step / 3, sum.reflectance * step / 3};
}

}  // namespace refgen
