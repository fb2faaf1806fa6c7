#pragma once

// The room's response to heat gain, as the cooling load factor tables model it: a first-order
// room transfer function on hourly values, at the periodic state of a repeated design day.

#include "SolAir.h"

namespace refgen {

// y_t = v0 x_t + v1 x_(t-1) + p y_(t-1) with v1 = 1 - p - v0, so that a constant gain gives
// the same constant load (unit steady gain).
struct RoomResponse {
    double pole;      // p (= -w1)
    double sameHour;  // v0

    double NextHour() const { return 1.0 - pole - sameHour; }
};

// Load of a radiant gain at hours 0..23 of a day that repeats (hour -1 is hour 23).
HourlyProfile PeriodicLoad(const HourlyProfile& gain, const RoomResponse& room);

// Load of a gain of which convectiveShare is load in the same hour and the rest is radiant.
HourlyProfile CoolingLoad(const HourlyProfile& gain, const RoomResponse& room,
                          double convectiveShare);

}  // namespace refgen
