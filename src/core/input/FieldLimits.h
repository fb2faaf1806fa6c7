#pragma once

#include <cmath>
#include <optional>
#include <string>

#include "input/InputError.h"

// The largest number an input field of each kind takes, in the unit it is typed in (English or
// metric, whichever is larger: the limit is the same number in both). Each lies far beyond any
// real building, and together they keep every product the load calculation forms finite and
// every count and sum of counts inside an int.
enum class FieldKind {
    kArea,            // sq ft or sq m: 100 million
    kLength,          // ft or m (window dimensions, slab perimeter): 1 million
    kVolume,          // cu ft or cu m: 10 billion
    kUValue,          // Btu/(h sq ft F) or W/(sq m C): 1,000
    kTemperature,     // F or C, either sign: 1,000
    kTempDifference,  // F or C degrees: 1,000
    kWatts,           // lamps, W: 1 billion
    kKilowatts,       // equipment and motors, kW: 10 million
    kHeatRate,        // appliance ratings, Btu/h or W: 10 billion
    kEdgeFactor,      // slab edge loss per unit of perimeter: 1 million
    kAirFlow,         // ventilation per occupant, CFM or L/s: 100,000
    kAirChanges,      // infiltration, air changes per hour: 1,000
    kFactor,          // ballast factor, shading coefficient: 100
};

double FieldMaximum(FieldKind kind);

// People in one occupancy category, and windows of one size: the sum of the eleven categories
// stays far inside an int.
inline constexpr int kMaxCount = 1000000;

// The message of a number outside 0..maximum (or -maximum..maximum for a signed field), the
// range message of every numeric box.
std::string NumberRangeMessage(double low, double high);
std::string IntegerRangeMessage(int low, int high);

// A typed number the program accepts: finite and not above the kind's maximum. The sign is the
// caller's business (most boxes refuse a minus sign with their own message).
inline bool WithinFieldMaximum(double value, FieldKind kind) {
    return std::isfinite(value) && std::fabs(value) <= FieldMaximum(kind);
}
