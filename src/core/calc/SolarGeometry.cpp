// Where the sun stands at a solar hour of the 21st of each month, whether it shines on a wall,
// and how much of each window the overhangs and side fins leave in direct sunshine. The
// constants are the published method's rounded ones (0.017453, 3.14159), kept so that results
// match the hand calculations engineers check them against.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "calc/SunTable.h"
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

bool IsTableWall(int wallAzimuth) {
    return wallAzimuth >= 0 && wallAzimuth <= 315 && wallAzimuth % 45 == 0;
}

}  // namespace

void SunTable::Prepare(double latitudeDegrees) {
    const uint64_t bits = std::bit_cast<uint64_t>(latitudeDegrees);
    if (m_bFilled && m_latitudeBits == bits) return;
    for (int hour = 1; hour <= 24; ++hour) {
        for (int month = 1; month <= 12; ++month) {
            const SunPosition sun = FindSun(hour, month, latitudeDegrees);
            m_sun[hour - 1][month - 1] = {sun.altitude, sun.azimuth, sun.sunrise, sun.sunset,
                                          std::tan(sun.altitude)};
            const double cosB = std::cos(sun.altitude);
            for (int k = 0; k < 8; ++k) {
                const double wall = WallAngle(45 * k);
                const double g = wall - sun.azimuth;
                WallSun& seen = m_walls[k][hour - 1][month - 1];
                seen = WallSun{};
                seen.sunlit = ShinesOn(sun, hour, g);
                if (!seen.sunlit) continue;
                // Fins and overhang matter only while the sun shines on the wall.
                const double f1 =
                    std::acos(ClampUnit(std::cos(wall - kRightAngle - sun.azimuth) * cosB));
                const double f2 =
                    std::acos(ClampUnit(std::cos(wall + kRightAngle - sun.azimuth) * cosB));
                seen.leftFinsShade = f2 < kRightAngle;
                seen.rightFinsShade = f1 < kRightAngle;
                seen.cosG = std::cos(g);
                seen.absTanG = std::fabs(std::tan(g));
            }
        }
    }
    m_bFilled = true;
    m_latitudeBits = bits;
}

void CQuarnDoc::CalcSunlitGlassArea(int hour, int month, int wallAzimuth,
                                    const CWindowList& windows) {
    if (!IsTableWall(wallAzimuth)) return;
    if (hour < 1 || hour > 24 || month < 1 || month > 12) return;
    const int k = wallAzimuth / 45;

    m_sunTable.Prepare(m_dLatitude);
    const SunTable::WallSun& seen = m_sunTable.Wall(k, hour, month);
    const int count = windows.GetSize();
    const bool sunlit = count > 0 && seen.sunlit;
    const bool leftFinsShade = sunlit && seen.leftFinsShade;
    const bool rightFinsShade = sunlit && seen.rightFinsShade;
    const double tanB = sunlit ? m_sunTable.At(hour, month).tanAltitude : 0.0;
    const double cosG = seen.cosG;
    const double absTanG = seen.absTanG;

    double total = 0.0;
    double sunlitArea = 0.0;
    for (const CWindo& w : windows.Records()) {
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
    if (hour < 1 || hour > 24 || month < 1 || month > 12) {
        const SunPosition sun = FindSun(hour, month, m_dLatitude);
        return ShinesOn(sun, hour, WallAngle(wallAzimuth) - sun.azimuth) ? 1 : 0;
    }
    m_sunTable.Prepare(m_dLatitude);
    if (IsTableWall(wallAzimuth)) return m_sunTable.Wall(wallAzimuth / 45, hour, month).sunlit;
    const SunTable::Sun& s = m_sunTable.At(hour, month);
    const SunPosition sun{s.altitude, s.azimuth, s.sunrise, s.sunset};
    return ShinesOn(sun, hour, WallAngle(wallAzimuth) - sun.azimuth) ? 1 : 0;
}
