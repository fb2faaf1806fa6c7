#pragma once

// Solar heat gain factors of the reference glass (double-strength sheet).

#include "Solar.h"

namespace refgen {

// Heat gain through the reference glass for one hour's irradiation, Btu/(h ft2); without the
// beam when includeDirect is false (glass in shade).
double HourlyShgf(const SurfaceIrradiance& irradiance, bool includeDirect = true);

// The largest hourly value over the 24 solar hours of the 21st of the month.
double MaxShgf(double latitudeDeg, int month, int orientation, bool includeDirect = true);

}  // namespace refgen
