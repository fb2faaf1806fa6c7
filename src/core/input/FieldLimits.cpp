#include "input/FieldLimits.h"

#include <cmath>

#include "text/Format.h"

double FieldMaximum(FieldKind kind) {
    switch (kind) {
        case FieldKind::kArea:
            return 1e8;
        case FieldKind::kLength:
            return 1e6;
        case FieldKind::kVolume:
            return 1e10;
        case FieldKind::kUValue:
        case FieldKind::kTemperature:
        case FieldKind::kTempDifference:
        case FieldKind::kAirChanges:
            return 1e3;
        case FieldKind::kWatts:
            return 1e9;
        case FieldKind::kKilowatts:
            return 1e7;
        case FieldKind::kHeatRate:
            return 1e10;
        case FieldKind::kEdgeFactor:
            return 1e6;
        case FieldKind::kAirFlow:
            return 1e5;
        case FieldKind::kFactor:
            return 100;
    }
    return 0;
}

namespace {
// Whole numbers in full ("100000000", not "1e+08"): the user types digits only.
std::string Number(double value) {
    if (value > -1e15 && value < 1e15 && value == std::floor(value)) {
        return StrFormat("%.0f", value);
    }
    return StrFormat("%g", value);
}
}  // namespace

std::string NumberRangeMessage(double low, double high) {
    return "Please enter a number between " + Number(low) + " and " + Number(high) + ".";
}

std::string IntegerRangeMessage(int low, int high) {
    return StrFormat("Please enter an integer between %d and %d.", low, high);
}
