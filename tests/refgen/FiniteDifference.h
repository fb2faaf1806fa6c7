#pragma once

#include "Layers.h"
#include "SolAir.h"

// An independent check of the periodic conduction solution: a finite-volume model of the slab
// stepped in time (second-order implicit) until the days repeat. Returns the inside heat flux
// divided by U, F, at hours 1..24, for the outside temperature joined linearly between hours.
refgen::HourlyProfile FiniteDifferenceFluxOverU(const refgen::Construction& construction,
                                                const refgen::HourlyProfile& outside);
