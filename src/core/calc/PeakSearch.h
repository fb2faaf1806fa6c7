#pragma once

#include <functional>

// The extreme cells of an hour x month table, searched hour 1..24 (outer) and month 1..12
// (inner) with strict comparisons, so ties keep the earliest hour, then the earliest month.
struct PeakResult {
    double dMax = 0;
    int nMaxMonth = 1;
    int nMaxHour = 1;
    double dMin = 0;
    int nMinMonth = 1;
    int nMinHour = 1;
    double dAbsMax = 0;  // the larger of |max| and |min|
};

PeakResult FindPeak(const std::function<double(int hour, int month)>& value);
