// Where the sun stands at a solar hour of the 21st of each month, whether it shines on a wall,
// and how much of each window the overhangs and side fins leave in direct sunshine. The
// constants are the published method's rounded ones (0.017453, 3.14159), kept so that results
// match the hand calculations engineers check them against.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "document/QuarnDoc.h"

namespace {

constexpr double kDegToRad = 0.017453;
constexpr double kPi = 3.14159;
constexpr double kRightAngle = kPi * 0.5;
constexpr double kObliquity = 23.45;
constexpr double kOneOver365 = 0.0027397260273972603;
constexpr double kHoursPerDegree = 0.06666666666666667;

double ClampUnit(double v) {
    if (v < -1.0) return -1.0;
    if (v > 1.0) return 1.0;
    return v;
}

// Day of the year of the 21st of the month.
int DesignDay(int month) {
    static constexpr int kDays[12] = {21, 52, 80, 111, 141, 172, 202, 233, 264, 294, 325, 355};
    if (month < 1 || month > 12) return 1;
    return kDays[month - 1];
}

struct SunPosition {
    double altitude;  // b, radians
    double azimuth;   // A, radians clockwise from north
    double sunrise;   // solar hours
    double sunset;
};

SunPosition FindSun(int hour, int month, double latitudeDegrees) {
    const double h = std::abs(hour - 12) * 15 * kDegToRad;
    const int n = DesignDay(month);
    const double d = kObliquity * std::sin((n + 284) * 360 * kDegToRad * kOneOver365) * kDegToRad;
    const double L = latitudeDegrees * kDegToRad;

    const double b =
        std::asin(ClampUnit(std::cos(L) * std::cos(d) * std::cos(h) + std::sin(L) * std::sin(d)));
    double c = 0.0;
    if (std::cos(b) != 0.0) {
        c = (std::cos(L) * std::sin(d) - std::sin(L) * std::cos(d) * std::cos(h)) / std::cos(b);
    }
    // acos gives the azimuth from north in either hemisphere; afternoons mirror it to the west.
    const double a = std::acos(ClampUnit(c));
    const double A = hour <= 12 ? a : 2 * kPi - a;

    double x = -(std::tan(L) * std::tan(d));
    if (x <= -1.0) x = -1.0;
    if (x >= 1.0) x = 1.0;
    const double halfDay = std::acos(x) / kDegToRad * kHoursPerDegree;
    return {b, A, 12 - halfDay, 12 + halfDay};
}

double WallAngle(int wallAzimuth) { return wallAzimuth * kDegToRad; }

// Daylight and the sun in front of the wall, both strictly.
bool ShinesOn(const SunPosition& sun, int hour, double wallSolarAzimuth) {
    const double t = std::acos(ClampUnit(std::cos(sun.altitude) * std::cos(wallSolarAzimuth)));
    return sun.sunrise < hour && hour < sun.sunset && t < kRightAngle;
}

// One hour's sun and, once asked, whether it shines on each of the eight walls.
struct HourSun {
    bool valid = false;
    int hour = 0;
    int month = 0;
    uint64_t latitudeBits = 0;
    SunPosition sun{};
    signed char wallSunlit[8] = {};  // -1 not yet known

    bool IsSunlit(int wallAzimuth) {
        const double g = WallAngle(wallAzimuth) - sun.azimuth;
        if (wallAzimuth < 0 || wallAzimuth > 315 || wallAzimuth % 45 != 0) {
            return ShinesOn(sun, hour, g);
        }
        signed char& known = wallSunlit[wallAzimuth / 45];
        if (known < 0) known = ShinesOn(sun, hour, g) ? 1 : 0;
        return known == 1;
    }
};

// CalcHourLoads asks about the same hour's sun sixteen times in a row (eight window walls, then
// the same eight walls for the glass blocks); the last hour is kept so that each value is worked
// out once. It depends on nothing but the key, so keeping it never changes a result.
HourSun& SunAt(int hour, int month, double latitudeDegrees) {
    thread_local HourSun last;
    const uint64_t bits = std::bit_cast<uint64_t>(latitudeDegrees);
    if (!last.valid || last.hour != hour || last.month != month || last.latitudeBits != bits) {
        last.valid = true;
        last.hour = hour;
        last.month = month;
        last.latitudeBits = bits;
        last.sun = FindSun(hour, month, latitudeDegrees);
        for (signed char& known : last.wallSunlit) known = -1;
    }
    return last;
}

}  // namespace

void CQuarnDoc::CalcSunlitGlassArea(int hour, int month, int wallAzimuth,
                                    const CWindowList& windows) {
    if (wallAzimuth < 0 || wallAzimuth > 315 || wallAzimuth % 45 != 0) return;
    if (hour < 1 || hour > 24 || month < 1 || month > 12) return;
    const int k = wallAzimuth / 45;

    HourSun& hourSun = SunAt(hour, month, m_dLatitude);
    const SunPosition& sun = hourSun.sun;
    const double g = WallAngle(wallAzimuth) - sun.azimuth;
    const bool sunlit = windows.GetSize() > 0 && hourSun.IsSunlit(wallAzimuth);

    // Fins and overhang matter only while the sun shines on the wall.
    bool leftFinsShade = false;
    bool rightFinsShade = false;
    double tanB = 0.0;
    double cosG = 1.0;
    double absTanG = 0.0;
    if (sunlit) {
        const double cosB = std::cos(sun.altitude);
        const double f1 = std::acos(
            ClampUnit(std::cos(WallAngle(wallAzimuth) - kRightAngle - sun.azimuth) * cosB));
        const double f2 = std::acos(
            ClampUnit(std::cos(WallAngle(wallAzimuth) + kRightAngle - sun.azimuth) * cosB));
        // Left and right as seen from outside, facing the wall.
        leftFinsShade = f2 < kRightAngle;
        rightFinsShade = f1 < kRightAngle;
        tanB = std::tan(sun.altitude);
        cosG = std::cos(g);
        absTanG = std::fabs(std::tan(g));
    }

    double total = 0.0;
    double sunlitArea = 0.0;
    for (int i = 0; i < windows.GetSize(); ++i) {
        const CWindo w = windows.GetAt(i);
        const double Wh = w.m_dHeight;
        const double Ww = w.m_dWidth;
        total += w.m_nQuantity * Ww * Wh;
        if (!sunlit) continue;

        const double depth = w.m_dOverhangWidth * tanB / cosG;
        const double leftShadow = leftFinsShade ? w.m_dLeftFinWidth * absTanG : 0.0;
        const double rightShadow = rightFinsShade ? w.m_dRightFinWidth * absTanG : 0.0;

        double S = 0.0;
        double D = 0.0;
        if (leftFinsShade || rightFinsShade) {
            if (leftShadow > rightShadow) {
                S = leftShadow;
                D = w.m_dLeftFinDist;
            } else {
                S = rightShadow;
                D = w.m_dRightFinDist;
            }
        }

        double width = 0.0;
        if (S <= D) {
            width = Ww;
        } else if (Ww + D > S) {
            width = Ww + D - S;
        }

        const double Vh = w.m_dOverhangHeight;
        double height = 0.0;
        if (Vh >= depth) {
            height = Wh;
        } else if (Vh + Wh > depth) {
            height = Vh + Wh - depth;
        }

        sunlitArea += w.m_nQuantity * height * width;
    }

    m_dWindowArea[k] = total;
    m_tblGlassShadedArea[k][hour][month] = total - sunlitArea;
    m_tblGlassSunlitArea[k][hour][month] = sunlitArea;
}

int CQuarnDoc::IsWallSunlit(int hour, int month, int wallAzimuth) const {
    return SunAt(hour, month, m_dLatitude).IsSunlit(wallAzimuth) ? 1 : 0;
}
