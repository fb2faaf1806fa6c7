#include "RoomResponse.h"

#include <cmath>

namespace refgen {

HourlyProfile PeriodicLoad(const HourlyProfile& gain, const RoomResponse& room) {
    const double p = room.pole;
    HourlyProfile driven{};  // s_t = v0 x_t + v1 x_(t-1)
    for (int t = 0; t < kHours; ++t) {
        driven[t] = room.sameHour * gain[t] + room.NextHour() * gain[(t + kHours - 1) % kHours];
    }
    // The load of the last hour sums the driving terms of all earlier days, each day damped by
    // p^24; starting from it the recursion is at its periodic state at once.
    double previous = 0;
    for (int k = kHours - 1; k >= 0; --k) previous += std::pow(p, k) * driven[kHours - 1 - k];
    previous /= 1.0 - std::pow(p, kHours);
    HourlyProfile load{};
    for (int t = 0; t < kHours; ++t) {
        load[t] = driven[t] + p * previous;
        previous = load[t];
    }
    return load;
}

HourlyProfile CoolingLoad(const HourlyProfile& gain, const RoomResponse& room,
                          double convectiveShare) {
    const HourlyProfile radiant = PeriodicLoad(gain, room);
    HourlyProfile load{};
    for (int t = 0; t < kHours; ++t) {
        load[t] = convectiveShare * gain[t] + (1.0 - convectiveShare) * radiant[t];
    }
    return load;
}

}  // namespace refgen
