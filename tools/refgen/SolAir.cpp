#include "SolAir.h"

#include "Solar.h"

namespace refgen {

HourlyProfile OutdoorAir() {
    HourlyProfile air;
    for (int i = 0; i < kHours; ++i) {
        air[i] = kOutdoorMaxF - kDailyRangeF * kDailyRangePercent[i] / 100.0;
    }
    return air;
}

HourlyProfile SolAirTemperature(double latitudeDeg, int month, int orientation) {
    const double longWave = orientation == kHorizontal ? kHorizontalLongWaveF : 0.0;
    HourlyProfile solAir = OutdoorAir();
    for (int i = 0; i < kHours; ++i) {
        const double total = ClearSkyIrradiance(latitudeDeg, month, i + 1, orientation).Total();
        solAir[i] += kDarkAbsorptanceOverHo * total - longWave;
    }
    return solAir;
}

// Air temperature and long-wave terms are the same for every latitude and month, so only the
// absorbed irradiation moves the daily mean.
double LatitudeMonthCorrection(double latitudeDeg, int month, int orientation) {
    return kDarkAbsorptanceOverHo *
           (DailyMeanIrradiance(latitudeDeg, month, orientation) -
            DailyMeanIrradiance(kDesignLatitudeDeg, kDesignMonth, orientation));
}

}  // namespace refgen
