#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/InstallDir.h"
#include "support/NewProjectTest.h"
#include "tables/DataFiles.h"
#include "tables/TableFile.h"

namespace {

struct OutdoorAirTest : NewProjectTest {
    CScopedInstallDir install;
};

// A steam table with unequal temperature steps (1.5 and 2.5 F in turn) and properties that are
// not linear in the row, so that a wrong bracket gives a wrong value; scaled by a power of two
// into what water at saturation can hold.
double SteamTemp(int r) { return 2.0 * r + 0.5 * (r % 2); }
double SteamProp(int r, int p) { return (1000.0 * (p + 1) + r * r + 0.1 * p * r) / 64; }

void WriteSteamTable(const CScopedInstallDir& install) {
    install.WriteTable(75, [](int r, int c) {
        if (r == 0) return 0.0;
        if (c == 1) return SteamTemp(r);
        return c >= 2 ? SteamProp(r, c - 2) : 0.0;
    });
}

// y of the straight line through rows a and b at temperature t.
double Line(int a, int b, int p, double t) {
    const double slope = (SteamProp(b, p) - SteamProp(a, p)) / (SteamTemp(b) - SteamTemp(a));
    return SteamProp(a, p) + (t - SteamTemp(a)) * slope;
}

// The shipped steam table (ice up to 32 F, liquid water from 33 F), from its readable source.
TableData RealSteamTable() {
    std::ifstream in(THERMAVO_SOURCE_DIR "/data/reference/qlex75.csv");
    std::stringstream text;
    text << in.rdbuf();
    TableData table;
    std::string error;
    EXPECT_TRUE(ParseTableCsv(text.str(), *FindDataFile(75), table, error)) << error;
    return table;
}

// The properties at t interpolated between the rows that bracket it (the last row at or below t
// and the next; the first two below the table), without regard to the phase of either row.
void BracketProperties(const TableData& table, double t, double* properties) {
    int lo = 1;
    for (int r = 1; r <= 195; ++r) {
        if (table.At(r, 1) <= t) lo = r;
    }
    const double x0 = table.At(lo, 1), x1 = table.At(lo + 1, 1);
    for (int p = 0; p < 6; ++p) {
        const double y0 = table.At(lo, p + 2), y1 = table.At(lo + 1, p + 2);
        properties[p] = y0 + (t - x0) * (y1 - y0) / (x1 - x0);
    }
}

// Row of the shipped steam table that holds temperature t (-40..135 F by 1 F).
int SteamRow(int t) { return t + 49; }

// Humidity ratio of moist air of dry-bulb t and wet-bulb tw (F, wet-bulb above freezing) at
// pressure p (psia), by the psychrometric equations of ASHRAE Handbook-Fundamentals 2001 (I-P),
// chapter 6: saturation pressure over liquid water (eq. 6), ln pws = C8 / T + C9 + C10 T +
// C11 T^2 + C12 T^3 + C13 ln T with T = tw + 459.67 R, C8 = -1.0440397e4, C9 = -1.1294650e1,
// C10 = -2.7022355e-2, C11 = 1.2890360e-5, C12 = -2.4780681e-9, C13 = 6.5459673; the
// saturation humidity ratio Ws = 0.62198 pws / (p - pws) (eq. 23); and from the wet-bulb
// W = ((1093 - 0.556 tw) Ws - 0.240 (t - tw)) / (1093 + 0.444 t - tw) (eq. 35).
double AshraeHumidityRatio(double t, double tw, double p) {
    const double T = tw + 459.67;
    const double pws =
        std::exp(-1.0440397e4 / T - 1.1294650e1 - 2.7022355e-2 * T + 1.2890360e-5 * T * T -
                 2.4780681e-9 * T * T * T + 6.5459673 * std::log(T));
    const double ws = 0.62198 * pws / (p - pws);
    return ((1093 - 0.556 * tw) * ws - 0.240 * (t - tw)) / (1093 + 0.444 * t - tw);
}

// Standard atmosphere, the same Handbook's eq. 3: p = 14.696 (1 - 6.8754e-6 Z)^5.2559 psia.
double AshraePressure(double elevation) {
    return 14.696 * std::pow(1 - 6.8754e-6 * elevation, 5.2559);
}

}  // namespace

TEST_F(OutdoorAirTest, MonthlyProfileRisesToJuneAndJulyAndFallsInSmallerSteps) {
    doc->m_dOutsideDBCool = 95;
    doc->m_dOutsideDBHeat = 15;  // M = 55, D = 40, E = 32
    doc->m_dOutsideWBCool = 76;
    doc->m_dLatitude = 40;
    doc->CalcMonthlyDesignTemps();
    const double north[13] = {0, 55, 63, 71, 79, 87, 95, 95, 88.6, 82.2, 75.8, 69.4, 63};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_DOUBLE_EQ(doc->m_dMonthDB[m], north[m]) << m;
        EXPECT_DOUBLE_EQ(doc->m_dMonthWB[m], 76 * north[m] / 95) << m;
    }
    EXPECT_EQ(doc->m_dMonthWB[6], 76.0);  // the peak months take the design wet-bulb itself
    EXPECT_EQ(doc->m_dMonthWB[7], 76.0);

    doc->m_dLatitude = 0;  // the equator counts as north
    doc->CalcMonthlyDesignTemps();
    EXPECT_DOUBLE_EQ(doc->m_dMonthDB[1], 55);

    doc->m_dLatitude = -33.9;  // six months later: July is the coldest month
    doc->CalcMonthlyDesignTemps();
    const double south[13] = {0, 95, 88.6, 82.2, 75.8, 69.4, 63, 55, 63, 71, 79, 87, 95};
    for (int m = 1; m <= 12; ++m) EXPECT_DOUBLE_EQ(doc->m_dMonthDB[m], south[m]) << m;
    EXPECT_EQ(doc->m_dMonthWB[12], 76.0);
    EXPECT_EQ(doc->m_dMonthWB[1], 76.0);
    EXPECT_DOUBLE_EQ(doc->m_dMonthWB[7], 76 * 55.0 / 95);
}

TEST_F(OutdoorAirTest, WithoutAStationEveryMonthKeepsTheDesignWetBulbAndLoadsStayFinite) {
    WriteSteamTable(install);
    doc->m_dOutsideDBCool = 0;
    doc->m_dOutsideDBHeat = 0;
    doc->m_dOutsideWBCool = 21;
    doc->CalcMonthlyDesignTemps();
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(doc->m_dMonthWB[m], 21.0) << m;

    doc->m_dOutsideWBCool = 0;  // a new project: all climate values zero
    doc->CalcMonthlyDesignTemps();
    doc->ReadSteamTable();
    doc->CalcHumidityRatios();
    doc->m_dBuildingVolume = 10000;
    doc->m_dInfilACHCool = 1;
    doc->m_nOccupants[0] = 4;
    doc->m_dVentPerOccupant[0] = 15;
    for (int m = 1; m <= 12; ++m) {
        EXPECT_TRUE(std::isfinite(doc->m_dMonthWB[m])) << m;
        EXPECT_TRUE(std::isfinite(doc->m_dMonthHumRatio[m])) << m;
        doc->CalcInfiltrationLoads(15, m);
        doc->CalcVentilationLoads(15, m);
        EXPECT_TRUE(std::isfinite(doc->m_tblInfilLat[15][m])) << m;
        EXPECT_TRUE(std::isfinite(doc->m_tblVentLat[15][m])) << m;
    }
}

TEST_F(OutdoorAirTest, SteamTableBracketsEachLookupOnItsOwn) {
    WriteSteamTable(install);
    // Room: exactly on row 120.
    doc->m_dInsideDBCool = SteamTemp(120);
    // Month 1: three quarters of the way from row 50 to row 51; month 2 below row 1 right after
    // it (the bracket of month 1 must not carry over); month 3 beyond the last row; month 4 at
    // the last row's temperature, which the scan reaches through row 195's bracket.
    const double between = SteamTemp(50) + 0.75 * (SteamTemp(51) - SteamTemp(50));
    const double below = SteamTemp(1) - 3;
    const double above = SteamTemp(196) + 4.5;
    const double dryBulb[5] = {0, between, below, above, SteamTemp(196)};
    const double wetBulb[5] = {0, below, between, SteamTemp(7), SteamTemp(1)};
    for (int m = 1; m <= 12; ++m) {
        doc->m_dMonthDB[m] = dryBulb[m <= 4 ? m : 1];
        doc->m_dMonthWB[m] = wetBulb[m <= 4 ? m : 1];
    }
    doc->ReadSteamTable();
    EXPECT_TRUE(messages.fileErrors.empty());

    for (int p = 0; p < 6; ++p) {
        EXPECT_EQ(doc->m_dPsyAtRoom[p], SteamProp(120, p)) << p;
        EXPECT_DOUBLE_EQ(doc->m_dPsyAtDB[p][1], Line(50, 51, p, between)) << p;
        EXPECT_DOUBLE_EQ(doc->m_dPsyAtDB[p][2], Line(1, 2, p, below)) << p;
        EXPECT_DOUBLE_EQ(doc->m_dPsyAtDB[p][3], Line(195, 196, p, above)) << p;
        EXPECT_DOUBLE_EQ(doc->m_dPsyAtDB[p][4], SteamProp(196, p)) << p;
        EXPECT_DOUBLE_EQ(doc->m_dPsyAtWB[p][1], Line(1, 2, p, below)) << p;
        EXPECT_DOUBLE_EQ(doc->m_dPsyAtWB[p][2], Line(50, 51, p, between)) << p;
        EXPECT_EQ(doc->m_dPsyAtWB[p][3], SteamProp(7, p)) << p;
        EXPECT_EQ(doc->m_dPsyAtWB[p][4], SteamProp(1, p)) << p;
    }
    // The room below the first row extrapolates too (there is no earlier bracket at all).
    doc->m_dInsideDBCool = below;
    doc->ReadSteamTable();
    EXPECT_DOUBLE_EQ(doc->m_dPsyAtRoom[3], Line(1, 2, 3, below));
}

TEST_F(OutdoorAirTest, MissingSteamTableIsReportedAndKeepsThePreviousProperties) {
    doc->m_dPsyAtRoom[0] = 0.43;
    doc->m_dPsyAtDB[3][5] = 1100.5;
    doc->ReadSteamTable();
    ASSERT_EQ(messages.fileErrors.size(), 1u);
    EXPECT_NE(messages.fileErrors[0].find("qlex75.dat"), std::string::npos);
    EXPECT_EQ(doc->m_dPsyAtRoom[0], 0.43);
    EXPECT_EQ(doc->m_dPsyAtDB[3][5], 1100.5);
}

TEST_F(OutdoorAirTest, HumidityRatiosFromThePropertiesAndTheBarometricPressure) {
    doc->m_dElevation = 0;  // P = 14.696 psia exactly
    doc->m_dInsideRH = 50;
    doc->m_dPsyAtRoom[0] = 0.4;  // pw = 0.2
    doc->m_dMonthDB[8] = 95;
    doc->m_dMonthWB[8] = 75;
    doc->m_dPsyAtWB[0][8] = 0.5;
    doc->m_dPsyAtWB[2][8] = 40;
    doc->m_dPsyAtWB[3][8] = 1090;
    doc->m_dPsyAtDB[3][8] = 1100;
    doc->CalcHumidityRatios();
    const double ws = 0.622 * 0.5 / (14.696 - 0.5);
    EXPECT_DOUBLE_EQ(doc->m_dMonthHumRatio[8], (1050 * ws - 0.24 * 20) / 1060);
    EXPECT_DOUBLE_EQ(doc->m_dRoomHumRatio, 0.622 * 0.2 / 14.496);

    // P from the room ratio with pw = 1: ratio = 0.622 / (P - 1).
    doc->m_dInsideRH = 100;
    doc->m_dPsyAtRoom[0] = 1;
    doc->CalcHumidityRatios();
    EXPECT_DOUBLE_EQ(1 + 0.622 / doc->m_dRoomHumRatio, 14.696);
    doc->m_dElevation = 5000;
    doc->CalcHumidityRatios();
    EXPECT_NEAR(1 + 0.622 / doc->m_dRoomHumRatio, 12.23, 0.005);

    // Exactly zero denominators: the numerators alone.
    doc->m_dElevation = 0;
    doc->m_dPsyAtRoom[0] = 14.696;  // pw = P
    doc->m_dPsyAtWB[0][8] = 14.696;
    doc->m_dPsyAtDB[3][8] = 40;  // equal to the wet-bulb's liquid enthalpy
    doc->CalcHumidityRatios();
    EXPECT_DOUBLE_EQ(doc->m_dRoomHumRatio, 0.622 * 14.696);
    EXPECT_DOUBLE_EQ(doc->m_dMonthHumRatio[8], 1050 * (0.622 * 14.696) - 0.24 * 20);

    doc->m_dInsideRH = 0;
    doc->CalcHumidityRatios();
    EXPECT_EQ(doc->m_dRoomHumRatio, 0.0);
}

TEST_F(OutdoorAirTest, InfiltrationAndVentilationFollowTheHourlyOutdoorTemperature) {
    doc->m_dMonthDB[7] = 95;
    doc->m_dDailyRange = 20;
    doc->m_dInsideDBCool = 75;
    doc->m_dMonthHumRatio[7] = 0.014;
    doc->m_dRoomHumRatio = 0.009;
    doc->m_dBuildingVolume = 12000;
    doc->m_dInfilACHCool = 0.5;  // 100 CFM
    doc->m_nOccupants[0] = 10;
    doc->m_dVentPerOccupant[0] = 20;
    doc->m_nOccupants[10] = 5;
    doc->m_dVentPerOccupant[10] = 15;  // 275 CFM in all
    doc->m_dVentPerOccupant[4] = 50;   // a rate without occupants adds nothing

    // Hour 15 (0 % of the range) is the design dry-bulb, 20 F above the room.
    doc->CalcInfiltrationLoads(15, 7);
    doc->CalcVentilationLoads(15, 7);
    EXPECT_NEAR(doc->m_tblInfilSens[15][7], 20 * 100 * 1.1 / 12000, 1e-12);
    EXPECT_NEAR(doc->m_tblInfilLat[15][7], 0.005 * 100 * 4840 / 12000, 1e-12);
    EXPECT_EQ(doc->m_dVentCFM, 275.0);
    EXPECT_NEAR(doc->m_tblVentSens[15][7], 20 * 275 * 1.1 / 12000, 1e-12);
    EXPECT_NEAR(doc->m_tblVentLat[15][7], 0.005 * 275 * 4840 / 12000, 1e-12);

    // Hour 5 (100 %) is a full range cooler: the room temperature, no sensible load. Latent loads
    // use the month's humidity ratio at every hour.
    doc->CalcInfiltrationLoads(5, 7);
    doc->CalcVentilationLoads(5, 7);
    EXPECT_NEAR(doc->m_tblInfilSens[5][7], 0.0, 1e-15);
    EXPECT_NEAR(doc->m_tblVentSens[5][7], 0.0, 1e-15);
    EXPECT_EQ(doc->m_tblInfilLat[5][7], doc->m_tblInfilLat[15][7]);
    EXPECT_EQ(doc->m_tblVentLat[5][7], doc->m_tblVentLat[15][7]);

    // Hour 1 (87 %): 17.4 F below the design, 2.6 F above the room.
    doc->CalcInfiltrationLoads(1, 7);
    EXPECT_NEAR(doc->m_tblInfilSens[1][7], 2.6 * 100 * 1.1 / 12000, 1e-12);

    // Outdoor air cooler and drier than the room gives negative loads, nothing clamped.
    doc->m_dInsideDBCool = 100;
    doc->m_dRoomHumRatio = 0.02;
    doc->CalcInfiltrationLoads(15, 7);
    doc->CalcVentilationLoads(15, 7);
    EXPECT_NEAR(doc->m_tblInfilSens[15][7], -5 * 100 * 1.1 / 12000, 1e-12);
    EXPECT_NEAR(doc->m_tblVentLat[15][7], -0.006 * 275 * 4840 / 12000, 1e-12);
}

TEST_F(OutdoorAirTest, NoOccupantsNoVentilationAndNoAirChangesNoInfiltration) {
    doc->m_dMonthDB[3] = 90;
    doc->m_dInsideDBCool = 75;
    doc->m_dMonthHumRatio[3] = 0.012;
    doc->m_dBuildingVolume = 50000;
    doc->m_dInfilACHCool = 0;
    doc->m_dVentCFM = 999;  // a stale value is recomputed
    for (int i = 0; i < kOccupancyCategories; ++i) {
        doc->m_nOccupants[i] = 0;
        doc->m_dVentPerOccupant[i] = 20;
    }
    doc->CalcInfiltrationLoads(12, 3);
    doc->CalcVentilationLoads(12, 3);
    EXPECT_EQ(doc->m_dVentCFM, 0.0);
    EXPECT_EQ(doc->m_tblInfilSens[12][3], 0.0);
    EXPECT_EQ(doc->m_tblInfilLat[12][3], 0.0);
    EXPECT_EQ(doc->m_tblVentSens[12][3], 0.0);
    EXPECT_EQ(doc->m_tblVentLat[12][3], 0.0);
}

// The installed steam table gives the textbook psychrometrics.
TEST_F(OutdoorAirTest, RealSteamTableGivesChartHumidityRatios) {
    install.WriteBytes(75, EncodeTable(RealSteamTable()));

    doc->m_dOutsideDBCool = 95;
    doc->m_dOutsideWBCool = 75;
    doc->m_dOutsideDBHeat = 15;
    doc->m_dLatitude = 40;
    doc->m_dElevation = 0;
    doc->m_dInsideDBCool = 75;
    doc->m_dInsideRH = 50;
    doc->CalcMonthlyDesignTemps();
    doc->ReadSteamTable();
    doc->CalcHumidityRatios();
    ASSERT_TRUE(messages.fileErrors.empty());
    EXPECT_NEAR(doc->m_dPsyAtRoom[0], 0.430, 0.001);        // psia at 75 F
    EXPECT_NEAR(doc->m_dRoomHumRatio, 0.00924, 0.00005);    // 75 F, 50 %
    EXPECT_NEAR(doc->m_dMonthHumRatio[7], 0.0141, 0.0002);  // 95 F dry-bulb, 75 F wet-bulb
    EXPECT_LT(doc->m_dMonthHumRatio[1], doc->m_dMonthHumRatio[7]);
}

// Every month's dry-bulb and wet-bulb is looked up, January to December alike.
TEST_F(OutdoorAirTest, SteamLookupFillsEveryMonthOfBothBulbs) {
    const TableData table = RealSteamTable();
    install.WriteBytes(75, EncodeTable(table));
    for (int m = 1; m <= 12; ++m) {
        doc->m_dMonthDB[m] = 60.25 + 2.5 * m;
        doc->m_dMonthWB[m] = 40.75 + 1.5 * m;
        for (int p = 0; p < 6; ++p) doc->m_dPsyAtDB[p][m] = doc->m_dPsyAtWB[p][m] = -1e9;
    }
    doc->ReadSteamTable();
    ASSERT_TRUE(messages.fileErrors.empty());
    double db[6], wb[6];
    for (int m = 1; m <= 12; ++m) {
        BracketProperties(table, doc->m_dMonthDB[m], db);
        BracketProperties(table, doc->m_dMonthWB[m], wb);
        for (int p = 0; p < 6; ++p) {
            EXPECT_DOUBLE_EQ(doc->m_dPsyAtDB[p][m], db[p]) << "dry-bulb, month " << m << ", " << p;
            EXPECT_DOUBLE_EQ(doc->m_dPsyAtWB[p][m], wb[p]) << "wet-bulb, month " << m << ", " << p;
        }
    }
}

// Between the rows of 32 F (ice) and 33 F (liquid water) the enthalpy and entropy of the
// condensed phase come from the temperature's own phase; the vapour's properties and the
// pressure stay interpolated across the bracket.
TEST_F(OutdoorAirTest, SteamLookupKeepsIceAndWaterApartAtTheFreezingPoint) {
    const TableData table = RealSteamTable();
    install.WriteBytes(75, EncodeTable(table));
    ASSERT_EQ(table.At(SteamRow(32), 1), 32.0);
    ASSERT_LT(table.At(SteamRow(32), 4), -140.0);  // ice
    ASSERT_GT(table.At(SteamRow(33), 4), 0.0);     // liquid

    const double wetBulbs[] = {32.5, 31.5, 32.0, 32.018, 32.02, 32.99};
    for (int m = 1; m <= 12; ++m) {
        doc->m_dMonthDB[m] = 50.0;
        doc->m_dMonthWB[m] = wetBulbs[(m - 1) % 6];
    }
    doc->ReadSteamTable();
    ASSERT_TRUE(messages.fileErrors.empty());

    auto line = [&](int from, int c, double t) {  // through the rows of from and from + 1 F
        const double y0 = table.At(SteamRow(from), c), y1 = table.At(SteamRow(from + 1), c);
        return y0 + (t - from) * (y1 - y0);
    };
    for (int m = 1; m <= 6; ++m) {
        const double t = doc->m_dMonthWB[m];
        const int own = t > 32.018 ? 33 : 31;  // liquid from 33 and 34 F, ice from 31 and 32 F
        double bracket[6];
        BracketProperties(table, t, bracket);
        EXPECT_DOUBLE_EQ(doc->m_dPsyAtWB[2][m], line(own, 4, t)) << t;
        EXPECT_DOUBLE_EQ(doc->m_dPsyAtWB[4][m], line(own, 6, t)) << t;
        for (int p : {0, 1, 3, 5}) EXPECT_EQ(doc->m_dPsyAtWB[p][m], bracket[p]) << t << ", " << p;
    }
    EXPECT_NEAR(doc->m_dPsyAtWB[2][1], 0.5, 0.02);      // 32.5 F: water
    EXPECT_NEAR(doc->m_dPsyAtWB[2][2], -143.61, 0.01);  // 31.5 F: ice, between its rows
    EXPECT_LT(doc->m_dPsyAtWB[2][4], -143.3);           // the triple point itself: ice
    EXPECT_NEAR(doc->m_dPsyAtWB[2][5], 0.0, 0.01);      // just above it: water
}

// At a wet-bulb of 32.5 F (La Paz, 13,300 ft, in winter) the outdoor humidity ratio agrees with
// ASHRAE's psychrometric equations; mixing ice and water would put it 10 % high.
TEST_F(OutdoorAirTest, HumidityRatioJustAboveFreezingMatchesThePsychrometricEquations) {
    install.WriteBytes(75, EncodeTable(RealSteamTable()));
    const double cases[][3] = {{50.0, 32.5, 13300.0}, {40.0, 32.5, 0.0}, {45.0, 32.9, 5000.0}};
    for (const auto& c : cases) {
        doc->m_dElevation = c[2];
        for (int m = 1; m <= 12; ++m) {
            doc->m_dMonthDB[m] = c[0];
            doc->m_dMonthWB[m] = c[1];
        }
        doc->ReadSteamTable();
        doc->CalcHumidityRatios();
        const double reference = AshraeHumidityRatio(c[0], c[1], AshraePressure(c[2]));
        for (int m : {1, 6, 12}) {
            EXPECT_NEAR(doc->m_dMonthHumRatio[m] / reference, 1.0, 0.005)
                << c[0] << " / " << c[1] << " F at " << c[2] << " ft, month " << m;
        }
    }
    EXPECT_TRUE(messages.fileErrors.empty());
}

// Every temperature outside the bracket of 32 and 33 F is looked up exactly as the plain bracket
// interpolation has it, to the bit.
TEST_F(OutdoorAirTest, SteamLookupAwayFromTheFreezingPointIsThePlainBracket) {
    const TableData table = RealSteamTable();
    install.WriteBytes(75, EncodeTable(table));
    std::vector<double> temperatures;
    for (double t = -95.0; t <= 210.0; t += 0.125) {
        if (t < 32.0 || t >= 33.0) temperatures.push_back(t);
    }
    for (double t : {-80.0, 31.999, 33.0, 33.001, 135.0, 195.0, 196.0}) temperatures.push_back(t);
    for (size_t i = 0; i < temperatures.size(); i += 24) {
        for (int m = 1; m <= 12; ++m) {
            doc->m_dMonthDB[m] = temperatures[std::min(i + 2 * (m - 1), temperatures.size() - 1)];
            doc->m_dMonthWB[m] = temperatures[std::min(i + 2 * m - 1, temperatures.size() - 1)];
        }
        doc->m_dInsideDBCool = temperatures[i];
        doc->ReadSteamTable();
        double expected[6];
        BracketProperties(table, doc->m_dInsideDBCool, expected);
        for (int p = 0; p < 6; ++p) ASSERT_EQ(doc->m_dPsyAtRoom[p], expected[p]);
        for (int m = 1; m <= 12; ++m) {
            BracketProperties(table, doc->m_dMonthDB[m], expected);
            for (int p = 0; p < 6; ++p) {
                ASSERT_EQ(doc->m_dPsyAtDB[p][m], expected[p]) << doc->m_dMonthDB[m] << ", " << p;
            }
            BracketProperties(table, doc->m_dMonthWB[m], expected);
            for (int p = 0; p < 6; ++p) {
                ASSERT_EQ(doc->m_dPsyAtWB[p][m], expected[p]) << doc->m_dMonthWB[m] << ", " << p;
            }
        }
    }
    EXPECT_TRUE(messages.fileErrors.empty());
}
