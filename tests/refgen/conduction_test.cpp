#include "Conduction.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "Cltd.h"
#include "Constants.h"
#include "FiniteDifference.h"
#include "Layers.h"

using namespace refgen;

namespace {

double Mean(const HourlyProfile& values) {
    double sum = 0;
    for (double v : values) sum += v;
    return sum / kHours;
}

double Swing(const HourlyProfile& values) {
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return *high - *low;
}

double MaxDifference(const HourlyProfile& a, const HourlyProfile& b) {
    double worst = 0;
    for (int h = 0; h < kHours; ++h) worst = std::max(worst, std::abs(a[h] - b[h]));
    return worst;
}

}  // namespace

// The transmission-matrix solution against a time-stepped model of the same slab: a heavy and a
// light wall, a steel roof under a ceiling (air spaces, thin steel) and the roof terrace.
TEST(PeriodicConduction, AgreesWithFiniteDifference) {
    struct Case {
        std::string name;
        Construction construction;
        int orientation;
    };
    const Case cases[] = {{"wall B east", WallGroup(2), 2},
                          {"wall G west", WallGroup(7), 6},
                          {"roof 1 with ceiling", Roof(1, true), kHorizontal},
                          {"roof 11", Roof(11, false), kHorizontal}};
    for (const Case& c : cases) {
        const HourlyProfile solAir = SolAirTemperature(40, 7, c.orientation);
        const HourlyProfile exact = PeriodicConduction(c.construction).InsideFluxOverU(solAir);
        const HourlyProfile stepped = FiniteDifferenceFluxOverU(c.construction, solAir);
        EXPECT_LT(MaxDifference(exact, stepped), 0.1) << c.name;
    }
}

// Without mass the inside flux follows the outside temperature at once: the aliases of the
// piecewise-linear signal must add up to the hourly samples themselves.
TEST(PeriodicConduction, MasslessSlabHasNoLag) {
    const Construction films = ParseConstruction("A0 B1 E0");
    const HourlyProfile solAir = SolAirTemperature(40, 7, 2);
    const HourlyProfile flux = PeriodicConduction(films).InsideFluxOverU(solAir);
    for (int h = 0; h < kHours; ++h) EXPECT_NEAR(flux[h], solAir[h] - kRoomAirF, 0.01) << h + 1;
}

// Conduction and the room transfer function shift heat in time but keep the daily mean.
TEST(Cltd, DailyMeanIsMeanSolAirLessRoomAir) {
    auto check = [](const Construction& construction, int orientation, const std::string& name) {
        const HourlyProfile cltd = ExactCltd(PeriodicConduction(construction), orientation);
        const HourlyProfile solAir = SolAirTemperature(40, 7, orientation);
        EXPECT_NEAR(Mean(cltd), Mean(solAir) - kRoomAirF, 1e-9) << name;
    };
    for (int group = 1; group <= 7; ++group) {
        for (int o = 0; o < 8; ++o) {
            check(WallGroup(group), o, "wall " + std::to_string(group) + "/" + std::to_string(o));
        }
    }
    for (int roof = 1; roof <= 13; ++roof) {
        check(Roof(roof, false), kHorizontal, "roof " + std::to_string(roof));
        check(Roof(roof, true), kHorizontal, "roof " + std::to_string(roof) + " with ceiling");
    }
}

TEST(Cltd, RoofUValuesMatchListed) {
    for (int roof = 1; roof <= 13; ++roof) {
        EXPECT_NEAR(Roof(roof, false).UIp(), kRoofListedU[roof - 1], 0.003) << "roof " << roof;
    }
}

// The calibration target of the room transfer function.
TEST(Cltd, RoofOnePeaksNearEightyAtTwoPm) {
    const HourlyProfile cltd = ExactCltd(PeriodicConduction(Roof(1, false)), kHorizontal);
    const auto peak = std::max_element(cltd.begin(), cltd.end());
    EXPECT_EQ(peak - cltd.begin() + 1, 14);
    EXPECT_GE(*peak, 79.0);
    EXPECT_LE(*peak, 80.5);
}

// More mass, smaller swing: the brick wall of group B against the light wall of group G.
TEST(Cltd, HeavyWallSwingsLessThanLightWall) {
    const PeriodicConduction heavy(WallGroup(2)), light(WallGroup(7));
    for (int o = 0; o < 8; ++o) {
        EXPECT_LT(Swing(ExactCltd(heavy, o)), 0.5 * Swing(ExactCltd(light, o))) << o;
    }
}
