#pragma once

// Cooling load temperature differences: conduction heat gain turned into cooling load by the
// room transfer function, divided by U.

#include "Conduction.h"
#include "SolAir.h"

namespace refgen {

// Periodic response of Q(t) = v0 q(t) + v1 q(t-1) - w1 Q(t-1) to an hourly heat gain.
HourlyProfile ApplyRoomTransfer(const HourlyProfile& gain);

// Unrounded CLTD at hours 1..24, F, of a dark surface on July 21 at 40 N.
HourlyProfile ExactCltd(const PeriodicConduction& conduction, int orientation);

}  // namespace refgen
