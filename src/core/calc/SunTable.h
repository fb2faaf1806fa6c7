#pragma once

#include <cstdint>

// Where the sun stands at each solar hour (1..24) of the 21st of each month (1..12) for one
// latitude, and how it meets each of the eight walls (azimuth 45 x index). The hourly engine
// asks the same questions for every window list, glass block wall and recalculation; they
// depend on nothing but the latitude, so the answers are worked out once per latitude.
class SunTable {
  public:
    struct Sun {
        double altitude = 0.0;  // radians
        double azimuth = 0.0;   // radians clockwise from north
        double sunrise = 0.0;   // solar hours
        double sunset = 0.0;
        double tanAltitude = 0.0;
    };

    // The sun seen from one wall. The shading terms are filled only while the wall is sunlit.
    struct WallSun {
        bool sunlit = false;         // daylight, and the sun in front of the wall
        bool leftFinsShade = false;  // left and right as seen from outside, facing the wall
        bool rightFinsShade = false;
        double cosG = 1.0;     // of the wall-solar azimuth
        double absTanG = 0.0;  // |tan| of the wall-solar azimuth
    };

    // Fills the table for the latitude unless it holds that latitude already.
    void Prepare(double latitudeDegrees);

    // hour 1..24, month 1..12, wall 0..7; the caller checks the ranges.
    const Sun& At(int hour, int month) const { return m_sun[hour - 1][month - 1]; }
    const WallSun& Wall(int wall, int hour, int month) const {
        return m_walls[wall][hour - 1][month - 1];
    }

  private:
    bool m_bFilled = false;
    uint64_t m_latitudeBits = 0;
    Sun m_sun[24][12];
    WallSun m_walls[8][24][12];
};
