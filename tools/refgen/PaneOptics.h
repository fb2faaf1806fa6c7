#pragma once

// Solar optics of one uncoated glass pane: a slab with two bare air-glass faces, absorbing by
// Beer-Lambert inside, light reflected back and forth between the faces.

namespace refgen {

struct PaneOptics {
    double transmittance;
    double reflectance;  // the same from either side: both faces are bare glass
    double Absorptance() const { return 1.0 - transmittance - reflectance; }
};

// A beam at incidenceRad from the normal; extinction per inch, thickness in inches. The s and
// p polarisations are followed separately and averaged (unpolarised sunlight).
PaneOptics BeamPaneOptics(double extinctionPerIn, double thicknessIn, double incidenceRad);

// Uniformly diffuse light from a hemisphere: the beam values weighted by 2 cos(q) sin(q) over
// q = 0..90 degrees.
PaneOptics DiffusePaneOptics(double extinctionPerIn, double thicknessIn);

}  // namespace refgen
