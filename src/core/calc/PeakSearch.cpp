#include "calc/PeakSearch.h"

#include <cmath>

PeakResult FindPeak(const std::function<double(int hour, int month)>& value) {
    PeakResult peak;
    peak.dMax = peak.dMin = value(1, 1);
    for (int hour = 1; hour <= 24; ++hour) {
        for (int month = 1; month <= 12; ++month) {
            const double v = value(hour, month);
            if (v > peak.dMax) {
                peak.dMax = v;
                peak.nMaxMonth = month;
                peak.nMaxHour = hour;
            }
            if (v < peak.dMin) {
                peak.dMin = v;
                peak.nMinMonth = month;
                peak.nMinHour = hour;
            }
        }
    }
    peak.dAbsMax =
        std::fabs(peak.dMax) >= std::fabs(peak.dMin) ? std::fabs(peak.dMax) : std::fabs(peak.dMin);
    return peak;
}
