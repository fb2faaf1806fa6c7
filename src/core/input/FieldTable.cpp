#include "input/FieldTable.h"

#include <algorithm>

#include "input/DataCommandGuards.h"
#include "text/Format.h"
#include "units/Units.h"

double MetricFromStored(UnitKind unit, double x) {
    switch (unit) {
        case UnitKind::kNone:
        case UnitKind::kSameNumber:
            return x;
        case UnitKind::kTemperature:
            return FahrenheitToCelsius(x);
        case UnitKind::kTemperatureFiveNinths:
            return (x - 32.0) * 5.0 / 9.0;
        case UnitKind::kTempDifference:
            return x / kTempDiffFactor;
        case UnitKind::kArea:
            return x / kSqFtPerSqM;
        case UnitKind::kGlassBlockArea:
            return x / kSqFtPerSqMGlassBlock;
        case UnitKind::kLength:
            return x / kFtPerM;
        case UnitKind::kVolume:
            return x / kCuFtPerCuM;
        case UnitKind::kUValue:
            return x * kUValueFactor;
        case UnitKind::kEdgeFactor:
            return x * kSlabEdgeToMetric;
        case UnitKind::kHeatRate:
            return x / kBtuhPerW;
        case UnitKind::kAirFlow:
            return x / kCfmPerLps;
    }
    return x;
}

double StoredFromMetric(UnitKind unit, double x) {
    switch (unit) {
        case UnitKind::kNone:
        case UnitKind::kSameNumber:
            return x;
        case UnitKind::kTemperature:
        case UnitKind::kTemperatureFiveNinths:
            return CelsiusToFahrenheit(x);
        case UnitKind::kTempDifference:
            return x * kTempDiffFactor;
        case UnitKind::kArea:
            return x * kSqFtPerSqM;
        case UnitKind::kGlassBlockArea:
            return x * kSqFtPerSqMGlassBlock;
        case UnitKind::kLength:
            return x * kFtPerM;
        case UnitKind::kVolume:
            return x * kCuFtPerCuM;
        case UnitKind::kUValue:
            return x / kUValueFactor;
        case UnitKind::kEdgeFactor:
            return x / kSlabEdgeToMetric;
        case UnitKind::kHeatRate:
            return x * kBtuhPerW;
        case UnitKind::kAirFlow:
            return x * kCfmPerLps;
    }
    return x;
}

std::string ElementName(const char* name, size_t index) {
    return StrFormat("%s[%zu]", name, index);
}

InputResult CheckFieldValue(const FieldCheck& check, const std::string& field, int value) {
    switch (check.kind) {
        case CheckKind::kChoice:
            if (value < 0 || value > check.high - 1) {
                return InputError{field, IntegerRangeMessage(0, check.high - 1)};
            }
            break;
        case CheckKind::kChoiceOrNone:
            if (value < -1 || value > check.high - 1) {
                return InputError{field, IntegerRangeMessage(0, check.high - 1)};
            }
            break;
        case CheckKind::kIntRange:
            if (value < check.low || value > check.high) {
                return InputError{field, IntegerRangeMessage(check.low, check.high)};
            }
            break;
        case CheckKind::kCount:
            if (value < 0) return InputError{field, kNotNegativeMessage};
            if (value > kMaxCount) return InputError{field, IntegerRangeMessage(0, kMaxCount)};
            break;
        case CheckKind::kQuantity:
            if (value < 1) return InputError{field, kNoWindowsMessage};
            if (value > kMaxCount) return InputError{field, IntegerRangeMessage(1, kMaxCount)};
            break;
        default:
            break;
    }
    return std::nullopt;
}

InputResult CheckFieldValue(const FieldCheck& check, const std::string& field, double value) {
    switch (check.kind) {
        case CheckKind::kRealRange:
            // Written so that NaN is refused too.
            if (!(value >= check.dLow && value <= check.dHigh)) {
                return InputError{field, StrFormat("Please enter a number between %g and %g.",
                                                   check.dLow, check.dHigh)};
            }
            break;
        case CheckKind::kNotNegative:
            return CheckNotNegative(field.c_str(), value, check.limit);
        case CheckKind::kSigned:
            return CheckSigned(field.c_str(), value, check.limit);
        default:
            break;
    }
    return std::nullopt;
}

namespace {
// Characters as the user counts them: the project strings are UTF-8, so continuation bytes do
// not count.
int CountChars(const std::string& text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}
}  // namespace

InputResult CheckFieldValue(const FieldCheck& check, const std::string& field,
                            const std::string& value) {
    if (check.kind == CheckKind::kMaxChars && CountChars(value) > check.high) {
        return InputError{field, StrFormat("Please enter no more than %d characters.", check.high)};
    }
    return std::nullopt;
}
