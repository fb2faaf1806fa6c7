#pragma once

// Shading coefficients of the 27 glass types with the 14 interior shading devices (qlex38):
// pane optics, the net-radiation method and a heat network for glass with and without a
// drapery fabric, and the handbook's anchors for venetian blinds and roller shades.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ShadingConstants.h"
#include "Table.h"

namespace refgen {

// The sunlit part of a window takes the beam at normal incidence; the shaded part sees only
// diffuse light.
enum class Incidence { kNormal, kDiffuse };

struct SolarFabric {
    double transmittance;
    double reflectance;  // either side; what is left is absorbed
};

// W/(m2 K); see ShadingConstants.h.
struct DraperyNetwork {
    double paneToFabric;
    double paneToGap;
    double fabricToRoom;
};

// The fitted parameters, gathered so that the fit can vary them.
struct ShadingModel {
    std::array<double, kGlassFamilies> extinctionPerIn = kExtinctionPerIn;
    double gapCoefficient = kGapCoefficient;
    DraperyNetwork drapery = {kPaneToFabric, kPaneToGap, kFabricToRoom};

    double Extinction(GlassFamily family) const {
        return extinctionPerIn[static_cast<size_t>(family)];
    }
};

// Solar heat gain coefficient of the glazing, with a diffusing fabric at its room side if given.
double Shgc(const Glazing& glazing, Incidence incidence,
            const std::optional<SolarFabric>& fabric = std::nullopt,
            const ShadingModel& model = {});

// U-value of two panes with one air space, W/(m2 K) (the panes' own resistance neglected).
double DoubleGlazingU(const ShadingModel& model = {});

// Diffuse SHGC of the reference pane, the divisor of every shaded-part SC.
double ReferenceDiffuseShgc();

// The fabric of a drapery device (kFirstDrapery..kShadingDevices - 1).
SolarFabric DraperyFabric(int device);

// Sunlit-part SC of a venetian blind or roller shade (kBlindMedium..kRollerLight) on glazing
// whose bare sunlit SC is bareSc, from the handbook's anchors.
double BlindOrRollerSc(const Glazing& glazing, int device, double bareSc);

struct ScPair {
    double sunlit;
    double shaded;
};

// Unrounded SC pair of glass type 0..26 (A..AA) with device 0..13.
ScPair ShadingCoefficients(int glassType, int device);

// The header lines of qlex38.csv.
std::vector<std::string> ShadingTableComments();

// qlex38: 28 x 29, values rounded to two decimals.
Table ShadingCoefficientTable();

}  // namespace refgen
