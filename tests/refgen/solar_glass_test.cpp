#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "Constants.h"
#include "Glass.h"
#include "Solar.h"

using namespace refgen;

namespace {

constexpr int kN = 0, kNE = 1, kE = 2, kSE = 3, kSW = 5, kW = 6, kNW = 7;
const double kLatitudes[] = {-64, -40, -24, -8, 0, 8, 24, 40, 64};

}  // namespace

// At noon the sun stands 90 - |L - d| degrees high.
TEST(Solar, NoonAltitude) {
    for (double lat : kLatitudes) {
        for (int month = 1; month <= 12; ++month) {
            const double expected = 90.0 - std::abs(lat - kDeclinationDeg[month - 1]);
            const double sinAltitude = ClearSkyIrradiance(lat, month, 12, kHorizontal).cosIncidence;
            EXPECT_NEAR(std::asin(sinAltitude) * 180.0 / std::numbers::pi, expected, 1e-9)
                << lat << " " << month;
        }
    }
}

// Morning and afternoon mirror each other about solar noon (E at 8:00 is W at 16:00).
TEST(Glass, EastAtEightEqualsWestAtSixteen) {
    for (double lat : kLatitudes) {
        for (int month = 1; month <= 12; ++month) {
            for (int h = 1; h < 12; ++h) {
                auto shgf = [&](int hour, int o) {
                    return HourlyShgf(ClearSkyIrradiance(lat, month, hour, o));
                };
                EXPECT_NEAR(shgf(h, kE), shgf(24 - h, kW), 1e-9);
                EXPECT_NEAR(shgf(h, kNE), shgf(24 - h, kNW), 1e-9);
                EXPECT_NEAR(shgf(h, kSE), shgf(24 - h, kSW), 1e-9);
            }
        }
    }
}

// The published check values of the method at 40 N in July.
TEST(Glass, FortyNorthJulyCheckValues) {
    EXPECT_EQ(std::lround(MaxShgf(40, 7, kN)), 38);
    EXPECT_EQ(std::lround(MaxShgf(40, 7, kNE)), 163);
    EXPECT_EQ(std::lround(MaxShgf(40, 7, kE)), 216);
    EXPECT_EQ(std::lround(MaxShgf(40, 7, kHorizontal)), 262);
}

// Glass passes on at most what falls on it, never less than nothing; shade only takes away
// (but for the fitted polynomials dipping below zero, by under 0.006, at grazing incidence).
TEST(Glass, GainBoundedByIncidentRadiation) {
    for (double lat : kLatitudes) {
        for (int month = 1; month <= 12; ++month) {
            for (int o = 0; o < kOrientations; ++o) {
                for (int h = 1; h <= 24; ++h) {
                    const SurfaceIrradiance in = ClearSkyIrradiance(lat, month, h, o);
                    const double gain = HourlyShgf(in);
                    EXPECT_GE(gain, 0.0);
                    EXPECT_LE(gain, in.Total());
                    EXPECT_LE(HourlyShgf(in, false), gain + 0.006 * in.direct);
                }
            }
        }
    }
}
