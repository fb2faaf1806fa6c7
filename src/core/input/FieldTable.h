#pragma once

#include <functional>
#include <span>
#include <string>
#include <type_traits>
#include <variant>

#include "document/QuarnDocData.h"
#include "input/FieldLimits.h"
#include "input/InputError.h"

// One row per input field of a command: its name (the document member it stores into, also
// its JSON key), where it lives in the command's values and in the document, how its number
// converts between the unit it is typed in and the stored English unit, how it is checked, and
// the wizard page it is on. Filling, checking, storing and the JSON binding are loops over the
// rows; what is not one field's business stays a named step in the command.

// Every shape an input field has: a text, a number, or a fixed array of numbers. A struct of
// plain fields (a window record) says so, and its rows then have no array shapes at all.
template <class C>
inline constexpr bool kHasFieldArrays = true;

template <class C>
using FieldMember = std::conditional_t<
    kHasFieldArrays<C>,
    std::variant<std::monostate, std::string C::*, int C::*, double C::*, int (C::*)[24],
                 int (C::*)[kOccupancyCategories], double (C::*)[kOccupancyCategories],
                 double (C::*)[kOrientations], double (C::*)[kSurfaces], double (C::*)[2]>,
    std::variant<std::monostate, std::string C::*, int C::*, double C::*>>;

// How a typed number becomes the stored English one. Metric numbers are converted; English
// ones are stored as typed; with neither unit system selected a field with a unit is neither
// shown nor stored (the boxes never held the project's value, so storing would wipe it out).
enum class UnitKind {
    kNone,                   // no unit: shown and stored as typed, whatever the unit system
    kSameNumber,             // the same number in both systems, but kept like the boxes beside it
    kTemperature,            // F stored; FahrenheitToCelsius to show, CelsiusToFahrenheit to store
    kTemperatureFiveNinths,  // as kTemperature, but shown as (t - 32) x 5 / 9
    kTempDifference,         // F degrees: divided by 1.8 to show
    kArea,                   // sq ft: divided by 10.764 to show
    kGlassBlockArea,         // sq ft: divided by 10.765 to show
    kLength,                 // ft: divided by 3.281 to show
    kVolume,                 // cu ft: divided by 35.314 to show
    kUValue,                 // Btu/(h sq ft F): multiplied by 5.68 to show
    kEdgeFactor,             // Btu/(h ft): multiplied by 0.961286 to show
    kHeatRate,               // Btu/h: divided by 3.4127 to show
    kAirFlow,                // CFM: divided by 2.1186 to show
};

// The metric number shown for a stored one, and the stored number for a metric one.
double MetricFromStored(UnitKind unit, double stored);
double StoredFromMetric(UnitKind unit, double metric);

enum class CheckKind {
    kNone,          // taken as typed
    kMaxChars,      // a text of at most `high` characters
    kChoice,        // a radio group of `high` buttons: 0..high-1
    kChoiceOrNone,  // as kChoice, or -1 with no button chosen
    kIntRange,      // low..high
    kRealRange,     // dLow..dHigh, NaN refused
    kNotNegative,   // 0..the kind's maximum
    kSigned,        // -maximum..maximum of the kind
    kCount,         // people: 0..kMaxCount
    kQuantity,      // windows: 1..kMaxCount
    kTreeChoice,    // chosen in a tree now, or in the project before
};

struct FieldCheck {
    CheckKind kind = CheckKind::kNone;
    int low = 0;
    int high = 0;
    double dLow = 0;
    double dHigh = 0;
    FieldKind limit = FieldKind::kFactor;
    const char* message = nullptr;  // kTreeChoice
};

constexpr FieldCheck NoCheck() { return {}; }
constexpr FieldCheck MaxChars(int chars) { return {CheckKind::kMaxChars, 0, chars}; }
constexpr FieldCheck Choice(int buttons) { return {CheckKind::kChoice, 0, buttons}; }
constexpr FieldCheck ChoiceOrNone(int buttons) { return {CheckKind::kChoiceOrNone, 0, buttons}; }
constexpr FieldCheck IntRange(int low, int high) { return {CheckKind::kIntRange, low, high}; }
constexpr FieldCheck RealRange(double low, double high) {
    return {CheckKind::kRealRange, 0, 0, low, high};
}
constexpr FieldCheck NotNegative(FieldKind kind) {
    return {CheckKind::kNotNegative, 0, 0, 0, 0, kind};
}
constexpr FieldCheck Signed(FieldKind kind) { return {CheckKind::kSigned, 0, 0, 0, 0, kind}; }
constexpr FieldCheck Count() { return {CheckKind::kCount}; }
constexpr FieldCheck Quantity() { return {CheckKind::kQuantity}; }
constexpr FieldCheck TreeChoice(const char* message) {
    return {CheckKind::kTreeChoice, 0, 0, 0, 0, FieldKind::kFactor, message};
}

// The message of a quantity below one window.
inline constexpr const char* kNoWindowsMessage =
    "Number of glass windows must\nbe greater than zero";

template <class Values, class Stored = CQuarnDocData>
struct FieldRow {
    const char* name;
    FieldMember<Values> value;
    FieldMember<Stored> stored;  // empty for a tree choice: its command stores it
    UnitKind unit = UnitKind::kNone;
    FieldCheck check;
    int page = 1;                    // the wizard page; a dialog is one page
    int Values::*current = nullptr;  // kTreeChoice: the project's choice so far
};

// A tree choice is checked in its place but filled, stored and set from JSON by its command's
// own steps; every other row is a field the user types or picks.
template <class Values, class Stored>
bool IsTypedField(const FieldRow<Values, Stored>& row) {
    return row.check.kind != CheckKind::kTreeChoice;
}

// "name[i]", the name of one element of an array field.
std::string ElementName(const char* name, size_t index);

// The checks of one number, text or element; `field` names it in the refusal.
InputResult CheckFieldValue(const FieldCheck& check, const std::string& field, int value);
InputResult CheckFieldValue(const FieldCheck& check, const std::string& field, double value);
InputResult CheckFieldValue(const FieldCheck& check, const std::string& field,
                            const std::string& value);

namespace field_table_detail {
template <class T>
struct ArrayTraits {
    static constexpr bool kArray = false;
};
template <class T, size_t N>
struct ArrayTraits<T[N]> {
    static constexpr bool kArray = true;
};

// The type of the member a pointer names; void for no member.
template <class P>
struct MemberOf {
    using Type = void;
};
template <class T, class C>
struct MemberOf<T C::*> {
    using Type = T;
};

template <class T>
T Shown(UnitKind unit, UnitSystem units, const T& stored) {
    if constexpr (std::is_same_v<T, double>) {
        if (unit != UnitKind::kNone && units == UnitSystem::kMetric) {
            return MetricFromStored(unit, stored);
        }
    }
    return stored;
}

template <class T>
T ToStore(UnitKind unit, UnitSystem units, const T& shown) {
    if constexpr (std::is_same_v<T, double>) {
        if (unit != UnitKind::kNone && units == UnitSystem::kMetric) {
            return StoredFromMetric(unit, shown);
        }
    }
    return shown;
}
}  // namespace field_table_detail

// Calls field(name, member) for every typed field of the values, in table order.
template <class Values, class Stored, class F>
void ForEachTableField(std::span<const FieldRow<Values, Stored>> rows, Values& values, F&& field) {
    for (const auto& row : rows) {
        if (!IsTypedField(row)) continue;
        std::visit(
            [&](auto member) {
                if constexpr (!std::is_same_v<decltype(member), std::monostate>) {
                    field(row.name, values.*member);
                }
            },
            row.value);
    }
}

// Sets every typed field from the stored one, converted for the unit system. A radio group
// shows no button for a stored value that is not one of its choices.
template <class Values, class Stored>
void FillFields(std::span<const FieldRow<Values, Stored>> rows, Values& values,
                const Stored& stored, UnitSystem units) {
    using namespace field_table_detail;
    for (const auto& row : rows) {
        if (!IsTypedField(row)) continue;
        if (row.unit != UnitKind::kNone && units == UnitSystem::kNone) continue;
        std::visit(
            [&](auto to, auto from) {
                using To = typename MemberOf<decltype(to)>::Type;
                using From = typename MemberOf<decltype(from)>::Type;
                if constexpr (!std::is_void_v<To> && std::is_same_v<To, From>) {
                    auto& target = values.*to;
                    const auto& source = stored.*from;
                    if constexpr (ArrayTraits<To>::kArray) {
                        for (size_t i = 0; i < std::size(source); ++i) {
                            target[i] = Shown(row.unit, units, source[i]);
                        }
                    } else if constexpr (std::is_same_v<To, std::string>) {
                        // Up to the first NUL, as the pages' text boxes take the 8-bit texts.
                        target = std::string(source.c_str());
                    } else if constexpr (std::is_same_v<To, int>) {
                        const bool radio = row.check.kind == CheckKind::kChoiceOrNone;
                        target = radio && (source < 0 || source >= row.check.high) ? -1 : source;
                    } else {
                        target = Shown(row.unit, units, source);
                    }
                }
            },
            row.value, row.stored);
    }
}

// Stores every typed field, converted to English units.
template <class Values, class Stored>
void ApplyFields(std::span<const FieldRow<Values, Stored>> rows, Stored& stored,
                 const Values& values, UnitSystem units) {
    using namespace field_table_detail;
    for (const auto& row : rows) {
        if (!IsTypedField(row)) continue;
        if (row.unit != UnitKind::kNone && units == UnitSystem::kNone) continue;
        std::visit(
            [&](auto from, auto to) {
                using From = typename MemberOf<decltype(from)>::Type;
                using To = typename MemberOf<decltype(to)>::Type;
                if constexpr (!std::is_void_v<To> && std::is_same_v<To, From>) {
                    auto& target = stored.*to;
                    const auto& source = values.*from;
                    if constexpr (ArrayTraits<To>::kArray) {
                        for (size_t i = 0; i < std::size(source); ++i) {
                            target[i] = ToStore(row.unit, units, source[i]);
                        }
                    } else {
                        target = ToStore(row.unit, units, source);
                    }
                }
            },
            row.value, row.stored);
    }
}

// Which fields a check covers: the row and the field's (or element's) name. Empty: all.
template <class Values, class Stored = CQuarnDocData>
using FieldFilter = std::function<bool(const FieldRow<Values, Stored>&, const std::string&)>;

// The first field at fault in table order (element by element within an array), named with
// the prefix before it; empty when all are accepted.
template <class Values, class Stored>
InputResult CheckFields(std::span<const FieldRow<Values, Stored>> rows, const Values& values,
                        const FieldFilter<Values, Stored>& only = {},
                        const std::string& prefix = {}) {
    using namespace field_table_detail;
    for (const auto& row : rows) {
        InputResult result;
        std::visit(
            [&](auto member) {
                if constexpr (!std::is_same_v<decltype(member), std::monostate>) {
                    using T = std::remove_cvref_t<decltype(values.*member)>;
                    const auto& value = values.*member;
                    if constexpr (ArrayTraits<T>::kArray) {
                        for (size_t i = 0; i < std::size(value) && !result; ++i) {
                            const std::string field = prefix + ElementName(row.name, i);
                            if (only && !only(row, field)) continue;
                            result = CheckFieldValue(row.check, field, value[i]);
                        }
                    } else {
                        const std::string field = prefix + row.name;
                        if (only && !only(row, field)) return;
                        if (row.check.kind == CheckKind::kTreeChoice) {
                            if constexpr (std::is_same_v<T, int>) {
                                if (value == 0 && values.*(row.current) == 0) {
                                    result = InputError{field, row.check.message};
                                }
                            }
                        } else {
                            result = CheckFieldValue(row.check, field, value);
                        }
                    }
                }
            },
            row.value);
        if (result) return result;
    }
    return std::nullopt;
}

// The row of a name, or nullptr.
template <class Values, class Stored>
const FieldRow<Values, Stored>* FindField(std::span<const FieldRow<Values, Stored>> rows,
                                          const std::string& name) {
    for (const auto& row : rows) {
        if (name == row.name) return &row;
    }
    return nullptr;
}

// The number or text a row names in the values (element `element` of an array field, or the
// field itself with -1), when it is of type T; nullptr otherwise. What a dialog binds its
// boxes to.
template <class T, class Values, class Stored>
T* FieldAddress(const FieldRow<Values, Stored>& row, Values& values, int element = -1) {
    using namespace field_table_detail;
    T* address = nullptr;
    std::visit(
        [&](auto member) {
            if constexpr (!std::is_same_v<decltype(member), std::monostate>) {
                using F = std::remove_reference_t<decltype(values.*member)>;
                if constexpr (ArrayTraits<F>::kArray) {
                    using E = std::remove_reference_t<decltype((values.*member)[0])>;
                    if constexpr (std::is_same_v<E, T>) {
                        if (element >= 0 && element < static_cast<int>(std::size(values.*member))) {
                            address = &(values.*member)[element];
                        }
                    }
                } else if constexpr (std::is_same_v<F, T>) {
                    if (element < 0) address = &(values.*member);
                }
            }
        },
        row.value);
    return address;
}
