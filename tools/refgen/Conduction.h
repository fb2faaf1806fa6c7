#pragma once

// Periodic steady-state conduction through a multilayer slab by transmission matrices.

#include <array>
#include <complex>

#include "Layers.h"
#include "SolAir.h"

namespace refgen {

class PeriodicConduction {
  public:
    explicit PeriodicConduction(const Construction& construction);

    // Heat flux into the room at the inside surface divided by U (so in F), at hours 1..24, for
    // an outside (sol-air) temperature given hourly and joined linearly, room air at 78 F.
    HourlyProfile InsideFluxOverU(const HourlyProfile& outside) const;

    double USi() const { return u_; }

    // Element M12 of the slab's transmission matrix at angular frequency omega (rad/s):
    // the outside temperature amplitude per unit inside flux amplitude, m2 K/W.
    static std::complex<double> M12(const Construction& construction, double omega);

  private:
    double u_;
    // Response of the hourly samples of the flux to harmonic m of the hourly samples of the
    // outside temperature, relative to U: all aliases m + 24 k of the piecewise-linear signal,
    // each weighted by sinc^2, summed.
    std::array<std::complex<double>, kHours> kernel_{};
};

}  // namespace refgen
