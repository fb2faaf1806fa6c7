#include "support/HourlyModel.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTon = 1.0 / 12000.0;

double Clamp(double v) { return std::min(1.0, std::max(-1.0, v)); }

struct Sun {
    bool onWall;
    double b, g, A;
};

// Sun on the 21st at a solar hour, and its relation to a wall of the given azimuth.
Sun SunOnWall(double latitude, int hour, int month, int azimuth) {
    static const int days[12] = {21, 52, 80, 111, 141, 172, 202, 233, 264, 294, 325, 355};
    const double H = std::abs(hour - 12) * 15 * 0.017453;
    const int n = days[month - 1];
    const double d =
        23.45 * std::sin((n + 284) * 360 * 0.017453 * 0.0027397260273972603) * 0.017453;
    const double L = latitude * 0.017453;
    const double b =
        std::asin(Clamp(std::cos(L) * std::cos(d) * std::cos(H) + std::sin(L) * std::sin(d)));
    const double c =
        std::cos(b) == 0
            ? 0
            : (std::cos(L) * std::sin(d) - std::sin(L) * std::cos(d) * std::cos(H)) / std::cos(b);
    const double a = std::acos(Clamp(c));
    const double A = hour <= 12 ? a : 2 * 3.14159 - a;  // the same at every latitude
    const double g = azimuth * 0.017453 - A;
    const double t = std::acos(Clamp(std::cos(b) * std::cos(g)));
    double x = -(std::tan(L) * std::tan(d));
    x = x <= -1 ? -1 : (x >= 1 ? 1 : x);
    const double half = std::acos(x) / 0.017453 * 0.06666666666666667;
    const bool on = 12 - half < hour && hour < 12 + half && t < 1.570795;
    return {on, b, g, A};
}

// Sunlit area of one orientation's windows.
double SunlitArea(const CQuarnDocData& d, int k, int hour, int month) {
    const int azimuth = 45 * k;
    const Sun sun = SunOnWall(d.m_dLatitude, hour, month, azimuth);
    const double f1 =
        std::acos(Clamp(std::cos(azimuth * 0.017453 - 1.570795 - sun.A) * std::cos(sun.b)));
    const double f2 =
        std::acos(Clamp(std::cos(azimuth * 0.017453 + 1.570795 - sun.A) * std::cos(sun.b)));
    const bool leftShadow = sun.onWall && f2 < 1.570795;
    const bool rightShadow = sun.onWall && f1 < 1.570795;
    double sunlit = 0;
    const CWindowList& list = d.m_aWindows[k];
    for (int i = 0; i < list.GetSize(); ++i) {
        const CWindo w = list.GetAt(i);
        const double depth =
            sun.onWall ? w.m_dOverhangWidth * std::tan(sun.b) / std::cos(sun.g) : 0;
        const double left = leftShadow ? w.m_dLeftFinWidth * std::fabs(std::tan(sun.g)) : 0;
        const double right = rightShadow ? w.m_dRightFinWidth * std::fabs(std::tan(sun.g)) : 0;
        double S = 0, D = 0;
        if (leftShadow || rightShadow) {
            if (left > right) {
                S = left;
                D = w.m_dLeftFinDist;
            } else {
                S = right;
                D = w.m_dRightFinDist;
            }
        }
        double width = 0, height = 0;
        if (sun.onWall) {
            const double Ww = w.m_dWidth, Wh = w.m_dHeight, Vh = w.m_dOverhangHeight;
            width = S <= D ? Ww : (Ww + D > S ? Ww + D - S : 0);
            height = Vh >= depth ? Wh : (Vh + Wh > depth ? Vh + Wh - depth : 0);
        }
        sunlit += w.m_nQuantity * height * width;
    }
    return sunlit;
}

// The value of a CLF row at hours-after-start d, 0 outside the row.
double At(const double* row, int first, int last, int d) {
    return d >= first && d <= last ? row[d] : 0.0;
}

}  // namespace

void ComputeHourlyModel(const CQuarnDocData& in, CQuarnDocData& d) {
    d = in;
    double vent = 0;
    for (int i = 0; i < 11; ++i) vent += in.m_nOccupants[i] * in.m_dVentPerOccupant[i];
    d.m_dVentCFM = vent;
    for (int k = 0; k < 8; ++k) {
        d.m_dWindowArea[k] = 0;
        for (int i = 0; i < in.m_aWindows[k].GetSize(); ++i) {
            const CWindo w = in.m_aWindows[k].GetAt(i);
            d.m_dWindowArea[k] += w.m_nQuantity * w.m_dWidth * w.m_dHeight;
        }
    }

    for (int h = 1; h <= 24; ++h) {
        // Internal loads: by hour only.
        const double lights = (in.m_dFluorWatts * in.m_dBallastFactor + in.m_dIncandWatts) *
                              in.m_nLightSchedule[h - 1] *
                              At(in.m_dCLFLights, 0, 23, h - in.m_nLightOnHour) *
                              2.841666666666667e-06;
        double sens = 0, lat = 0;
        for (int i = 0; i < 11; ++i) {
            sens += in.m_nOccupants[i] * in.m_dPeopleGain[i][0];
            lat += in.m_nOccupants[i] * in.m_dPeopleGain[i][1];
        }
        const double peopleSens =
            sens * At(in.m_dCLFPeople, 1, 24, h - in.m_nOccupancyStartHour) * kTon;
        const bool occupied =
            in.m_nOccupancyStartHour <= h && h <= in.m_nOccupancyStartHour + in.m_nOccupancyHours;
        const double peopleLat = occupied ? lat * kTon : 0;
        const double elec = in.m_nElecEquipUseFactor * in.m_dElecEquipKW *
                            At(in.m_dCLFElecEquip, 1, 24, h - in.m_nElecEquipOnHour) * 0.00284294;
        double power = 0;
        if (in.m_nMotorInDrivenInEff != 0 && in.m_nMotorInDrivenOutEff != 0) {
            const double sum = in.m_dMotorInDrivenInKW * 3411.528 / in.m_nMotorInDrivenInEff *
                                   in.m_nMotorInDrivenInUse * in.m_nMotorInDrivenInLoad * 0.01 +
                               in.m_nMotorOutDrivenInUse * in.m_nMotorOutDrivenInLoad *
                                   in.m_dMotorOutDrivenInKW * 0.3411528 +
                               (100 - in.m_nMotorInDrivenOutEff) * in.m_dMotorInDrivenOutKW *
                                   3411.528 / in.m_nMotorInDrivenOutEff *
                                   in.m_nMotorInDrivenOutUse * in.m_nMotorInDrivenOutLoad * 0.0001;
            power = At(in.m_dCLFPowerEquip, 1, 24, h - in.m_nPowerEquipOnHour) * sum * kTon;
        }
        const double hooded = At(in.m_dCLFHoodedAppl, 1, 24, h - in.m_nHoodedOnHour) *
                              (in.m_dHoodedGasBtuh * 0.1 + in.m_dHoodedElecBtuh * 0.16) * kTon;
        const double rating = in.m_dUnhoodedElecBtuh + in.m_dUnhoodedGasBtuh;
        const double unhoodedSens =
            rating * At(in.m_dCLFUnhoodedAppl, 1, 24, h - in.m_nUnhoodedOnHour) * 0.33 * kTon;
        const bool unhoodedOn =
            in.m_nUnhoodedOnHour <= h && h <= in.m_nUnhoodedOnHour + in.m_nUnhoodedHours;
        const double unhoodedLat = unhoodedOn ? rating * 0.17 * kTon : 0;
        d.m_tblLights[h][1] = lights;
        d.m_tblPeopleSens[h][1] = peopleSens;
        d.m_tblPeopleLat[h][1] = peopleLat;
        d.m_tblElecEquip[h][1] = elec;
        d.m_tblPowerEquip[h][1] = power;
        d.m_tblHoodedAppl[h][1] = hooded;
        d.m_tblUnhoodedApplSens[h][1] = unhoodedSens;
        d.m_tblUnhoodedApplLat[h][1] = unhoodedLat;

        for (int m = 1; m <= 12; ++m) {
            const double tm = in.m_dMonthDB[m] - in.m_dDailyRange * 0.5 - 85.0;
            const double ti = 78.0 - in.m_dInsideDBCool;
            double walls = 0, solarAll = 0, condAll = 0, blocksAll = 0;
            for (int k = 0; k < 8; ++k) {
                const double wall =
                    ((in.m_dLM[m][k + 1] + in.m_dCLTDWall[k + 1][h]) * in.m_dWallK + ti + tm) *
                    in.m_dWallUCool[k] * in.m_dWallArea[k] * kTon;
                d.m_tblWall[k][h][m] = wall;
                walls += wall;

                const double sunlit = SunlitArea(in, k, h, m);
                const double shaded = d.m_dWindowArea[k] - sunlit;
                d.m_tblGlassSunlitArea[k][h][m] = sunlit;
                d.m_tblGlassShadedArea[k][h][m] = shaded;
                const double solar =
                    (shaded * in.m_dCLFGlass[1][h] * in.m_dSHGFShaded[m][k + 1] * in.m_dSCShaded +
                     sunlit * in.m_dCLFGlass[k + 1][h] * in.m_dSHGFSunlit[m][k + 1] *
                         in.m_dSCSunlit) *
                    kTon;
                const double cond =
                    d.m_dWindowArea[k] * in.m_dGlassUCool * in.m_tblCLTDGlassCorr[h][m] * kTon;
                d.m_tblGlassSolar[k][h][m] = solar;
                d.m_tblGlassCond[k][h][m] = cond;
                solarAll += solar;
                condAll += cond;

                const bool sun = SunOnWall(in.m_dLatitude, h, m, 45 * k).onWall;
                const double shgfSc = sun ? in.m_dSHGFSunlit[m][k + 1] * in.m_dGlassBlockSCSun
                                          : in.m_dSHGFShaded[m][k + 1] * in.m_dGlassBlockSCShade;
                const double block =
                    ((in.m_dLM[m][k + 1] + in.m_tblCLTDGlassCorr[h][m]) * in.m_dGlassBlockArea[k] *
                         in.m_dGlassBlockUCool +
                     in.m_dCLFGlassBlock[k + 1][h] * in.m_dGlassBlockArea[k] * shgfSc) *
                    kTon;
                d.m_tblGlassBlock[k][h][m] = block;
                blocksAll += block;
            }
            d.m_tblWallAll[h][m] = walls;
            d.m_tblGlassSolarAll[h][m] = solarAll;
            d.m_tblGlassCondAll[h][m] = condAll;
            d.m_tblGlassBlockAll[h][m] = blocksAll;
            const double roof = ((in.m_dLM[m][9] + in.m_dCLTDRoof[h]) * in.m_dRoofK + ti + tm) *
                                in.m_dRoofF * in.m_dRoofUCool * in.m_dRoofArea * kTon;
            d.m_tblRoof[h][m] = roof;
            double surfaces = 0;
            for (int i = 0; i < 6; ++i)
                surfaces += in.m_dSurfUCool[i] * in.m_dSurfTDCool[i] * in.m_dSurfArea[i];
            d.m_tblFloorCeilPart[h][m] = surfaces * kTon;
            const double sky =
                ((in.m_dSkyUCool[0] * in.m_dSkyArea[0] + in.m_dSkyUCool[1] * in.m_dSkyArea[1]) *
                     in.m_tblCLTDGlassCorr[h][m] +
                 in.m_dCLFSkyA[h] * in.m_dSHGFSunlit[m][9] * in.m_dSkySC[0] * in.m_dSkyArea[0] +
                 in.m_dCLFSkyB[h] * in.m_dSHGFShaded[m][9] * in.m_dSkySC[1] * in.m_dSkyArea[1]) *
                kTon;
            d.m_tblSkylight[h][m] = sky;

            const double to = in.m_dMonthDB[m] - in.m_dDailyRangePct[h] * in.m_dDailyRange * 0.01;
            const double dw = in.m_dMonthHumRatio[m] - in.m_dRoomHumRatio;
            d.m_tblInfilSens[h][m] = (to - in.m_dInsideDBCool) * in.m_dBuildingVolume *
                                     in.m_dInfilACHCool * 1.5277777777777778e-06;
            d.m_tblInfilLat[h][m] =
                dw * in.m_dBuildingVolume * in.m_dInfilACHCool * 0.006722222222222222;
            d.m_tblVentSens[h][m] = (to - in.m_dInsideDBCool) * vent * 9.166666666666667e-05;
            d.m_tblVentLat[h][m] = dw * vent * 0.4033333333333333;

            const double roomSens = solarAll + sky + elec + power + hooded +
                                    d.m_tblInfilSens[h][m] + walls + roof + blocksAll +
                                    d.m_tblFloorCeilPart[h][m] + lights + condAll + peopleSens +
                                    unhoodedSens;
            const double roomLat = d.m_tblInfilLat[h][m] + peopleLat + unhoodedLat;
            d.m_tblRoomSensible[h][m] = roomSens;
            d.m_tblRoomLatent[h][m] = roomLat;
            d.m_tblRoomTotal[h][m] = roomSens + roomLat;
            d.m_tblTotal[h][m] = roomSens + roomLat + d.m_tblVentSens[h][m] + d.m_tblVentLat[h][m];
        }
    }

    const double dT = in.m_dInsideDBHeat - in.m_dOutsideDBHeat;
    const double dTg = in.m_dInsideDBHeat - in.m_dGroundTemp;
    double* L = d.m_dHeatLoss;
    L[0] = 0;
    double glass = 0, blocks = 0;
    for (int k = 0; k < 8; ++k) {
        L[0] += in.m_dWallUHeat[k] * in.m_dWallArea[k] * dT;
        glass += d.m_dWindowArea[k];
        blocks += in.m_dGlassBlockArea[k];
    }
    L[1] = in.m_dBGWallUHeat * in.m_dBGWallArea * dTg;
    L[2] = in.m_dRoofUHeat * in.m_dRoofArea * dT;
    L[3] = glass * in.m_dGlassUHeat * dT;
    L[4] = in.m_dSkyUHeat[1] * in.m_dSkyArea[1] * dT + in.m_dSkyUHeat[0] * in.m_dSkyArea[0] * dT;
    L[5] = blocks * in.m_dGlassBlockUHeat * dT;
    L[6] = in.m_dSurfTDHeat[0] * in.m_dSurfUHeat[0] * in.m_dSurfArea[0];
    L[7] = in.m_dSlabUHeat * in.m_dSlabArea * dTg + in.m_dSlabPerimeter * in.m_dSlabEdgeFactor;
    L[8] = in.m_dSurfTDHeat[1] * in.m_dSurfUHeat[1] * in.m_dSurfArea[1];
    L[9] = 0;
    for (int j = 2; j <= 5; ++j)
        L[9] += in.m_dSurfTDHeat[j] * in.m_dSurfUHeat[j] * in.m_dSurfArea[j];
    L[10] = in.m_dBuildingVolume * in.m_dInfilACHHeat * dT * 0.018;
    L[11] = dT * vent * 1.08;
    L[12] = 0;
    for (int i = 0; i < 12; ++i) L[12] += L[i];
}
