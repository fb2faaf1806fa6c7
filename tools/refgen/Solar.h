#pragma once

// Clear-sky solar irradiation on the surfaces of the tables, for the 21st of a month at a whole
// apparent solar hour.

namespace refgen {

// Irradiation components on one surface, Btu/(h ft2).
struct SurfaceIrradiance {
    double cosIncidence = 0;  // of the beam on the surface; may be negative
    double direct = 0;
    double sky = 0;
    double ground = 0;

    double Total() const { return direct + sky + ground; }
    double Diffuse() const { return sky + ground; }
};

// latitudeDeg negative south; month 1..12; hour 1..24 (hour angle 15 (h - 12) degrees);
// orientation 0..7 for N..NW, kHorizontal for a horizontal surface.
SurfaceIrradiance ClearSkyIrradiance(double latitudeDeg, int month, int hour, int orientation);

// Daily mean of the total irradiation over the 24 solar hours.
double DailyMeanIrradiance(double latitudeDeg, int month, int orientation);

}  // namespace refgen
