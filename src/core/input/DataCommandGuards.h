#pragma once

#include <optional>
#include <string>

#include "input/FieldLimits.h"
#include "input/InputError.h"

class CQuarnDoc;

// The four commands that add to a project once its general data exist.
enum class DataCommand { kGlassWindows, kWallsRoof, kOtherBuilding, kGlassBlocks };

// The message a data command answers with while the project has no general data yet; empty
// when the command may run.
std::optional<std::string> DataCommandRefusal(const CQuarnDoc& doc, DataCommand command);

// Shows the refusal, if any, and tells whether the command may run. A refused command changes
// nothing else.
bool CheckDataCommandGuard(CQuarnDoc& doc, DataCommand command);

// The numeric boxes of the data dialogs take no minus sign (only the ground temperature does),
// so a negative number is one no user could have typed there.
inline constexpr const char* kNotNegativeMessage = "Please enter a number that is not negative.";

// The first of count values (named name[i], or name when count is 1 and indexed is false)
// that is negative, as an error, or else the first that is not finite or above the kind's
// maximum; empty when every value is accepted.
InputResult CheckNotNegative(const char* name, const double* values, int count, bool indexed,
                             FieldKind kind);
inline InputResult CheckNotNegative(const char* name, double value, FieldKind kind) {
    return CheckNotNegative(name, &value, 1, false, kind);
}
template <int N>
InputResult CheckNotNegative(const char* name, const double (&values)[N], FieldKind kind) {
    return CheckNotNegative(name, values, N, true, kind);
}

// A box that takes a minus sign: finite and within -maximum..maximum of its kind.
InputResult CheckSigned(const char* name, double value, FieldKind kind);
