#include "Cltd.h"

#include <cmath>

namespace refgen {

HourlyProfile ApplyRoomTransfer(const HourlyProfile& gain) {
    // One pass from a zero start; the periodic start then follows in closed form, since the
    // start decays by (-w1)^24 over a day.
    auto pass = [&](double start) {
        HourlyProfile load{};
        double previousLoad = start;
        double previousGain = gain[kHours - 1];
        for (int j = 0; j < kHours; ++j) {
            load[j] = kRoomV0 * gain[j] + kRoomV1 * previousGain - kRoomW1 * previousLoad;
            previousLoad = load[j];
            previousGain = gain[j];
        }
        return load;
    };
    const double fromZero = pass(0.0)[kHours - 1];
    const double periodicStart = fromZero / (1.0 - std::pow(-kRoomW1, kHours));
    return pass(periodicStart);
}

HourlyProfile ExactCltd(const PeriodicConduction& conduction, int orientation) {
    const HourlyProfile solAir = SolAirTemperature(kDesignLatitudeDeg, kDesignMonth, orientation);
    return ApplyRoomTransfer(conduction.InsideFluxOverU(solAir));
}

}  // namespace refgen
