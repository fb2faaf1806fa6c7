#pragma once

// Outdoor air and sol-air temperatures of the design days, and the latitude-month correction.

#include <array>

#include "Constants.h"

namespace refgen {

// Hourly values at solar hours 1..24 (index 0..23).
using HourlyProfile = std::array<double, kHours>;

// Outdoor dry-bulb temperature of the design day, F.
HourlyProfile OutdoorAir();

// Sol-air temperature of a dark surface, F: t_o + (alpha/h_o) I_t - dR.
HourlyProfile SolAirTemperature(double latitudeDeg, int month, int orientation);

// Shift of the daily mean sol-air temperature from that of 40 N in July, F (unrounded).
double LatitudeMonthCorrection(double latitudeDeg, int month, int orientation);

}  // namespace refgen
